#pragma once
// The 3-D viewing layer: observer, rotation and display commands, hidden lines, the scene passes
// and faces in painter's order, the ray-traced display, the model box, and the 3-D figure update.

#include <string_view>

#include "solid/geom_ps_win.h"

namespace solidview {

class TGeomQWin : public solid::TGeomPSWin {
 public:
  TGeomQWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace solidview

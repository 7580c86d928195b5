#pragma once
// The sphere layer: a figure drawn on the unit sphere seen from a movable observer, with the
// spherical tables and the spherical versions of the construction hooks.

#include <string_view>

#include "solidview/geom_q_win.h"

namespace sphere {

class TGeomSWin : public solidview::TGeomQWin {
 public:
  TGeomSWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace sphere

#pragma once
// The 3-D command layer: the element editors, coordinate sliders, the cutting-plane,
// intersection, sphere and volume dialogs, the 3-D figure file and the 3-D unit commands.

#include <string_view>

#include "solidview/geom_q_win.h"

namespace solidview {

class TGeomRWin : public TGeomQWin {
 public:
  TGeomRWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace solidview

#pragma once
// The lower layer of the RGB demonstration window, a Euclidean plane window: the brightness
// slider dialog.

#include <string_view>

#include "plane/geom_e_win.h"

namespace special {

class TPreRGBWin : public plane::TGeomEWin {
 public:
  TPreRGBWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace special

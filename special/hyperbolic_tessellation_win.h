#pragma once
// The window of the tessellations of the hyperbolic plane.

#include <string_view>

#include "plane/geom_e_win.h"

namespace special {

class TGeomUWin : public plane::TGeomEWin {
 public:
  TGeomUWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

#pragma once
// The window of the tessellations of the hyperbolic plane.

#include <string_view>

#include "view/qel_wing.h"

namespace special {

class TGeomUWin : public view::TQELWing {
 public:
  TGeomUWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

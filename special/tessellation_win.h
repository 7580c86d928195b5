#pragma once
// The window of the classic tessellations of the plane.

#include <string_view>

#include "view/qel_wing.h"

namespace special {

class TGeomTWin : public view::TQELWing {
 public:
  TGeomTWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

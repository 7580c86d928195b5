#pragma once
// The window of the tessellations of the sphere.

#include <string_view>

#include "view/qel_wing.h"

namespace special {

class TGeomWWin : public view::TQELWing {
 public:
  TGeomWWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

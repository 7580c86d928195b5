#pragma once
// The window of the classic tessellations of the plane.

#include <string_view>

#include "plane/geom_e_win.h"

namespace special {

class TGeomTWin : public plane::TGeomEWin {
 public:
  TGeomTWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

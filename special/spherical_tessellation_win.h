#pragma once
// The window of the tessellations of the sphere.

#include <string_view>

#include "sphere/geom_s_win.h"

namespace special {

class TGeomWWin : public sphere::TGeomSWin {
 public:
  TGeomWWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

#pragma once
// The window of the classic tessellations of the plane.

#include <string_view>

#include "view/qel_win.h"

namespace special {

class TGeomTWin : public view::TQELWin {
 public:
  TGeomTWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

#pragma once
// The guessing-game window.

#include <string_view>

#include "plane/geom_e_win.h"

namespace special {

class TGeomGWin : public plane::TGeomEWin {
 public:
  TGeomGWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

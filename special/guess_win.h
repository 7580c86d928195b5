#pragma once
// The guessing-game window.

#include <string_view>

#include "view/qel_wing.h"

namespace special {

class TGeomGWin : public view::TQELWing {
 public:
  TGeomGWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

#pragma once
// The window that demonstrates how red, green and blue mix.

#include <string_view>

#include "view/qel_wing.h"

namespace special {

class TRGBWin : public view::TQELWing {
 public:
  TRGBWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

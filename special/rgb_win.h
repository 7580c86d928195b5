#pragma once
// The window that demonstrates how red, green and blue mix.

#include <string_view>

#include "special/pre_rgb_win.h"

namespace special {

class TRGBWin : public TPreRGBWin {
 public:
  TRGBWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special

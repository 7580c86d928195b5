#pragma once
// "today's specials": five different dishes of the day on the buttons 271 to 275.

#include "shell/dlg.h"

namespace shell {

inline constexpr int kFirstDishString = 70;
inline constexpr int kDishCount = 14;
inline constexpr int kDishButtons = 5;

class TLunch : public TDlg {
 public:
  explicit TLunch(platform::FrameWindow* parent);

 protected:
  void SetupWindow() override;
};

}  // namespace shell

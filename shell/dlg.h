#pragma once
// The base of every dialog of the program: it opens where the user last left it (or at a random
// spot near the middle of the screen the first time) and its Close button hides it.

#include <cstdint>
#include <string_view>

#include "platform/dialog.h"

namespace shell {

// A dialog's remembered top-left corner in screen pixels; -1 means not placed yet. It belongs to
// the dialog's owner, so a dialog opened again opens where it was left.
struct DlgPosition {
  std::int32_t x = -1;
  std::int32_t y = -1;
};

inline constexpr int kCloseCommand = 357;

class TDlg : public platform::Dialog {
 public:
  TDlg(platform::FrameWindow* parent, std::string_view resource, DlgPosition* position = nullptr);

  // Hides the dialog and marks it closed. (Nothing asks whether it was visible, so it returns
  // nothing, like the platform's Hide it overrides.)
  void Hide() override;

  // 1 once Close has hidden the dialog.
  std::uint8_t closed = 0;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnDestroying() override;

 private:
  DlgPosition* position_;
};

}  // namespace shell

#include "shell/dlg.h"

#include <algorithm>

#include "kernel/random.h"
#include "platform/screen_metrics.h"

namespace shell {

namespace {
// How much of a dialog brought back onto the screen stays visible at least.
constexpr int kVisibleMargin = 100;
}  // namespace

TDlg::TDlg(platform::FrameWindow* parent, std::string_view resource, DlgPosition* position)
    : Dialog(parent, resource), position_(position) {}

void TDlg::SetupWindow() {
  Dialog::SetupWindow();
  if (position_ && position_->x > -1 && position_->y > -1) {
    int x = position_->x;
    int y = position_->y;
    if (!platform::IsOnAnyScreen(x, y)) {
      // The screen it was left on is gone or smaller now.
      const platform::WindowRect screen = platform::ScreenRects().front();
      x = std::clamp(x, screen.x, screen.x + std::max(0, screen.width - kVisibleMargin));
      y = std::clamp(y, screen.y, screen.y + std::max(0, screen.height - kVisibleMargin));
    }
    MoveTo(x, y);
    return;
  }
  const int x = 480 + kernel::Rand31() % 50;
  const int y = 300 + kernel::Rand31() % 50;
  MoveTo(x, y);
}

bool TDlg::OnCommand(int id) {
  if (id == kCloseCommand) {
    Hide();
    return true;
  }
  return Dialog::OnCommand(id);
}

void TDlg::Hide() {
  Dialog::Hide();
  closed = 1;
}

void TDlg::OnDestroying() {
  if (position_) {
    position_->x = X();
    position_->y = Y();
  }
}

}  // namespace shell

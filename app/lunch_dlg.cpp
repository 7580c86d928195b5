#include "app/lunch_dlg.h"

#include <array>

#include "app/generic_dialogs.h"
#include "kernel/random.h"
#include "platform/resource_library.h"

namespace app {

TLunch::TLunch(platform::FrameWindow* parent) : TDlg(parent, "LUNCH") {}

void TLunch::SetupWindow() {
  TDlg::SetupWindow();
  std::array<bool, kDishCount> taken{};
  for (int button = 0; button < kDishButtons; ++button) {
    int dish = kernel::Rand31() % kDishCount;
    while (taken[dish]) dish = kernel::Rand31() % kDishCount;
    taken[dish] = true;
    SetItemText(kFirstCheck + button, platform::LoadString(kFirstDishString + dish, 255));
  }
}

}  // namespace app

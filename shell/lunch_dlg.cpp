#include "shell/lunch_dlg.h"

#include <array>

#include "shell/generic_dialogs.h"
#include "kernel/random.h"
#include "resources/resource_library.h"

namespace shell {

TLunch::TLunch(platform::FrameWindow* parent) : TDlg(parent, "LUNCH") {}

void TLunch::SetupWindow() {
  TDlg::SetupWindow();
  std::array<bool, kDishCount> taken{};
  for (int button = 0; button < kDishButtons; ++button) {
    int dish = kernel::Rand31() % kDishCount;
    while (taken[dish]) dish = kernel::Rand31() % kDishCount;
    taken[dish] = true;
    SetItemText(kFirstCheck + button, resources::LoadString(kFirstDishString + dish, 255));
  }
}

}  // namespace shell

#include "app/tips_dlg.h"

#include <cstdio>
#include <cstdlib>

#include "kernel/number_text.h"
#include "kernel/random.h"
#include "resources/resource_library.h"

namespace app {

namespace {
constexpr std::size_t kTipLimit = 999;
}  // namespace

std::int32_t NextTipId(const TipsData& tips) {
  std::int32_t next = tips.current + tips.step;
  if (next > tips.last) next -= tips.count;
  return next;
}

std::int32_t PreviousTipId(const TipsData& tips) {
  std::int32_t previous = tips.current - tips.step;
  if (previous < tips.first) previous += tips.count;
  return previous;
}

TTipsDlg::TTipsDlg(platform::FrameWindow* parent, std::string_view resource, int first, int lastSigned,
                   std::string tipsFile, shell::DlgPosition* position, int startTip, int step)
    : shell::TDlg(parent, resource, position) {
  tips.first = first;
  tips.last = std::abs(lastSigned);
  tips.count = std::max(1, tips.last - tips.first + 1);
  tips.showAtStart = lastSigned >= 1 ? 1 : 0;
  tips.tipsFile = std::move(tipsFile);
  tips.current = startTip >= 0 ? startTip : tips.first + kernel::Rand31() % tips.count;
  if (step >= 1) {
    tips.step = step;
  } else {
    do {
      tips.step = kernel::Rand31() % tips.count + 1;
    } while (kernel::Gcd(tips.step, tips.count) != 1);
  }
}

void TTipsDlg::SetupWindow() {
  shell::TDlg::SetupWindow();
  CheckItem(kShowAtStartCheck, tips.showAtStart != 0);
  ShowTip();
}

void TTipsDlg::ShowTip() {
  const std::string text = resources::HasString(tips.current) ? resources::LoadString(tips.current, kTipLimit) : "";
  SetItemText(kTipTextItem, text);
}

void TTipsDlg::NextTip() {
  tips.current = NextTipId(tips);
  ShowTip();
}

void TTipsDlg::PreviousTip() {
  tips.current = PreviousTipId(tips);
  ShowTip();
}

bool TTipsDlg::OnCommand(int id) {
  switch (id) {
    case kCmdNextTip:
      NextTip();
      return true;
    case kCmdPreviousTip:
      PreviousTip();
      return true;
    default:
      return shell::TDlg::OnCommand(id);
  }
}

void TTipsDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id == kShowAtStartCheck && what == platform::ControlNotification::Clicked) StoreShowAtStart();
  shell::TDlg::OnNotify(id, what);
}

void TTipsDlg::StoreShowAtStart() {
  tips.showAtStart = IsChecked(kShowAtStartCheck) ? 1 : 0;
  // A file that cannot be written is left alone: the box shows at the next start as before.
  std::FILE* file = std::fopen(tips.tipsFile.c_str(), "wb");
  if (!file) return;
  std::fputc(tips.showAtStart, file);
  std::fclose(file);
}

}  // namespace app

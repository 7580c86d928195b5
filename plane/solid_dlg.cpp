#include "plane/solid_dlg.h"

#include <algorithm>
#include <array>

namespace plane {

namespace {

std::array<std::string*, 5> Fields(SolidBaseTexts& t) { return {&t.base, &t.altitude, &t.foot, &t.xOffset, &t.yOffset}; }

}  // namespace

TSolidDlg::TSolidDlg(platform::FrameWindow* parent, std::string_view resource, int* choice, int textLimit,
                     SolidBaseTexts* texts)
    : TDlg(parent, resource), choice_(choice), textLimit_(textLimit), texts_(texts) {}

void TSolidDlg::SetupWindow() {
  TDlg::SetupWindow();
  if (texts_ != nullptr) {
    const auto fields = Fields(*texts_);
    for (int i = 0; i < 5; ++i) {
      SetTextLimit(kSolidBaseEdit + i, std::max(0, textLimit_ - 1));
      SetItemText(kSolidBaseEdit + i, *fields[static_cast<std::size_t>(i)]);
    }
  }
  // Every opening starts from the foot of the altitude, whatever was chosen before.
  CheckItem(kSolidFootChoice, true);
  CheckItem(kSolidOffsetChoice, false);
}

bool TSolidDlg::OnCommand(int id) {
  if (id == kSolidFootChoice || id == kSolidOffsetChoice) {
    const int edit = id == kSolidFootChoice ? kSolidFootEdit : kSolidXOffsetEdit;
    FocusItem(edit);
    SelectAllText(edit);
    return true;
  }
  return TDlg::OnCommand(id);
}

void TSolidDlg::OnOk() {
  if (texts_ != nullptr) {
    const auto fields = Fields(*texts_);
    const std::size_t limit = static_cast<std::size_t>(std::max(0, textLimit_ - 1));
    for (int i = 0; i < 5; ++i) *fields[static_cast<std::size_t>(i)] = GetItemText(kSolidBaseEdit + i).substr(0, limit);
  }
  if (choice_ != nullptr) *choice_ = IsChecked(kSolidFootChoice) ? 1 : 2;
  TDlg::OnOk();
}

}  // namespace plane

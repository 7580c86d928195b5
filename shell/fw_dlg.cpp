#include "shell/fw_dlg.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "shell/file_msg_win.h"

namespace shell {

namespace {
constexpr int kDecimalsEdit = 211, kFieldWidthEdit = 212;
constexpr int kFieldWidthRadio = 251, kTabbedRadio = 252;
constexpr int kNumberTextLimit = 20;

// atoi's reading, held within the range of an int.
int IntegerOf(const std::string& text) {
  const long value = std::strtol(text.substr(0, kNumberTextLimit).c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}
}  // namespace

TFWDlg::TFWDlg(TFileMsgWin* window, std::string_view resource, NumberFormat* format)
    : TDlg(window, resource), window_(window), format_(format) {}

void TFWDlg::SetupWindow() {
  TDlg::SetupWindow();
  const std::int32_t mask = format_->dialogMask;
  SetItemText(kDecimalsEdit, std::to_string(format_->decimals));
  if (mask & kWithFieldWidth) SetItemText(kFieldWidthEdit, std::to_string(format_->fieldWidth));
  if (mask & kWithTabbed) {
    CheckItem(kTabbedRadio, format_->tabbed != 0);
    CheckItem(kFieldWidthRadio, format_->tabbed == 0);
  }
}

void TFWDlg::OnOk() {
  const std::int32_t mask = format_->dialogMask;
  int code = 0;
  int decimals = format_->decimals;
  int fieldWidth = format_->fieldWidth;
  if (mask & kDecimalsOnly) {
    decimals = IntegerOf(GetItemText(kDecimalsEdit));
    if (decimals < 0 || decimals > kMaxDecimals) code = 17;
  }
  if ((mask & kWithFieldWidth) && code == 0) {
    fieldWidth = IntegerOf(GetItemText(kFieldWidthEdit));
    if (fieldWidth < format_->smallestFieldWidth) code = 17;
    else if ((mask & kDecimalsOnly) && decimals + 2 > fieldWidth) code = 6;
  }
  if (code != 0) {
    window_->Msg(code);
    return;
  }
  if (mask & kWithTabbed) format_->tabbed = IsChecked(kTabbedRadio) ? 1 : 0;
  format_->fieldWidth = static_cast<std::int16_t>(std::max(fieldWidth, decimals + 2));
  format_->decimals = static_cast<std::int16_t>(decimals);
  TDlg::OnOk();
}

}  // namespace shell

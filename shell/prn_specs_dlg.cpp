#include "shell/prn_specs_dlg.h"

#include <cmath>
#include <string>

#include "shell/file_msg_win.h"
#include "shell/message_numbers.h"
#include "kernel/number_text.h"

namespace shell {

namespace {
constexpr int kWidthRadio = 251, kXUnitRadio = 252;
constexpr int kWidthEdit = 211, kXUnitEdit = 212, kHorizontalEdit = 213, kVerticalEdit = 214;
constexpr int kWidthLabel = 231, kXUnitLabel = 232;
constexpr int kFrameCheck = 271, kColorCheck = 272;
constexpr int kLengthTextLimit = 19;
// The smallest width and offsets, in inches (0.635 cm).
constexpr kernel::Real kSmallestLength = 0.25;
constexpr kernel::Real kSmallestUnit = 1e-16;

std::string Centimetres(kernel::Real inches) { return kernel::FormatLD(inches * kCentimetresPerInch, 4, 2); }
}  // namespace

TPrnSpecsDlg::TPrnSpecsDlg(TFileMsgWin* window, PrintFormat* format, int mode)
    : TDlg(window, "PRNSPX2"), window_(window), format_(format), mode_(mode) {}

void TPrnSpecsDlg::SetupWindow() {
  TDlg::SetupWindow();
  CheckItem(kWidthRadio, format_->width >= 0);
  CheckItem(kXUnitRadio, format_->xUnit >= 0);
  SetItemText(kWidthEdit, Centimetres(std::fabs(format_->width)));
  SetItemText(kHorizontalEdit, Centimetres(format_->horizontalOffset));
  SetItemText(kVerticalEdit, Centimetres(format_->verticalOffset));
  SetItemText(kXUnitEdit, Centimetres(std::fabs(format_->xUnit)));
  for (const int edit : {kWidthEdit, kXUnitEdit, kHorizontalEdit, kVerticalEdit}) SetTextLimit(edit, kLengthTextLimit);
  CheckItem(kFrameCheck, format_->frameImage != 0);
  CheckItem(kColorCheck, format_->colorPrinter != 0);
  if (mode_ != 2) {
    for (const int id : {kWidthRadio, kXUnitRadio, kXUnitEdit, kXUnitLabel}) ShowItem(id, false);
  }
  if (mode_ < 1) ShowItem(kFrameCheck, false);
  if (mode_ != 1 && mode_ != 2) {
    for (const int id : {kColorCheck, kWidthEdit, kWidthLabel}) ShowItem(id, false);
  }
}

void TPrnSpecsDlg::OnOk() {
  const kernel::Real perCentimetre = 1 / kCentimetresPerInch;
  const auto inches = [&](int id) {
    return kernel::StrToLD(GetItemText(id).substr(0, kLengthTextLimit)) * perCentimetre;
  };
  format_->width = inches(kWidthEdit);
  format_->horizontalOffset = inches(kHorizontalEdit);
  format_->verticalOffset = inches(kVerticalEdit);
  format_->xUnit = inches(kXUnitEdit);
  format_->frameImage = IsChecked(kFrameCheck) ? 1 : 0;
  format_->colorPrinter = IsChecked(kColorCheck) ? 1 : 0;
  const bool valid = format_->width >= kSmallestLength && format_->horizontalOffset >= kSmallestLength &&
                     format_->verticalOffset >= kSmallestLength && format_->xUnit > kSmallestUnit;
  if (!valid) {
    window_->Msg(kOutOfBounds);
    return;
  }
  if (!IsChecked(kWidthRadio)) format_->width = -format_->width;
  else format_->xUnit = -format_->xUnit;
  TDlg::OnOk();
}

}  // namespace shell

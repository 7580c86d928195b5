#include "view/pictex_dlg.h"

#include <cmath>
#include <string>

#include "kernel/number_text.h"
#include "shell/message_numbers.h"
#include "view/dialog_integers.h"
#include "view/export_settings.h"
#include "view/qel_wing.h"

namespace view {

namespace {
constexpr int kLargestBox = 255;
constexpr int kParameterLimit = 41;
}  // namespace

TPreTeXDlg::TPreTeXDlg(TQELWing* owner, std::string_view resource, int* format, kernel::Real* width)
    : TDlg(owner, resource), owner_(owner), format_(format), width_(width) {}

void TPreTeXDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemText(kTeXWidthEdit, kernel::FormatLD(*width_, 4, 2));
  for (int i = 0; i < buttonCount_; ++i) CheckItem(kTeXFirstFlavour + i, i == *format_);
  CheckItem(kTeXPagesCheck, false);
}

int TPreTeXDlg::CheckedFormat() const {
  for (int i = 0; i < buttonCount_; ++i)
    if (IsChecked(kTeXFirstFlavour + i)) return i;
  return *format_;
}

int TPreTeXDlg::ReadWidth(kernel::Real& width) const {
  if (const int error = owner_->ParseNumber(GetItemText(kTeXWidthEdit), width); error != 0) return error;
  // Not a number, or no width at all, is as inconsistent as one below 0.1.
  return width >= static_cast<kernel::Real>(0.1L) && std::isfinite(width) ? 0 : shell::kInconsistentData;
}

TTeXDlg::TTeXDlg(TQELWing* owner, int* format, int* boxNumber, int* frames, kernel::Real* width,
                 std::string* parameterText)
    : TPreTeXDlg(owner, "PICTEX", format, width),
      animationMode_(owner->exports.animationMode),
      boxNumber_(boxNumber),
      frames_(frames),
      parameterText_(parameterText) {}

void TTeXDlg::SetupWindow() {
  TPreTeXDlg::SetupWindow();
  SetItemText(kTeXBoxEdit, std::to_string(*boxNumber_));
  SetItemText(kTeXFramesEdit, std::to_string(*frames_));
  SetTextLimit(kTeXParameterEdit, kParameterLimit);
  SetItemText(kTeXParameterEdit, *parameterText_);
  CheckItem(kTeXPagesCheck, false);
  ShowPageFields();
  if (animationMode_ == 0) ShowItem(kTeXPagesCheck, false);
  SetItemText(kTeXWhitespaceEdit, "0.0");
  ShowItem(kTeXWhitespaceEdit, false);
  ShowItem(kTeXWhitespaceLabel, false);
}

void TTeXDlg::ShowPageFields() {
  const bool pages = IsChecked(kTeXPagesCheck);
  ShowItem(kTeXFramesEdit, pages);
  const bool parameter = pages && animationMode_ != 2;
  ShowItem(kTeXParameterLabel, parameter);
  ShowItem(kTeXParameterEdit, parameter);
}

void TTeXDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id == kTeXPagesCheck && what == platform::ControlNotification::Clicked) ShowPageFields();
}

void TTeXDlg::OnOk() {
  const int format = CheckedFormat();
  int error = 0;
  const int box = ReadDialogInteger(GetItemText(kTeXBoxEdit));
  if ((format == kTeXStandalone || format == kLaTeXStandalone) && (box < 0 || box > kLargestBox))
    error = shell::kOutOfBounds;

  int frames = 1;
  int control = 0;
  std::string parameter = *parameterText_;
  if (animationMode_ != 0 && IsChecked(kTeXPagesCheck)) {
    frames = ReadDialogInteger(GetItemText(kTeXFramesEdit));
    if (frames < 1) error = shell::kInconsistentData;
    else if (frames > kMaxExportFrames) error = shell::kOutOfBounds;
    if (error == 0 && animationMode_ == 1) {
      parameter = GetItemText(kTeXParameterEdit).substr(0, kTeXParameterLength);
      control = owner_->SetAnimationControl(parameter);
      if (control == 0) error = shell::kCouldNotFind;
    } else if (error == 0 && animationMode_ == 2) {
      control = owner_->UseDefaultAnimation();
    }
  }
  kernel::Real width = *width_;
  if (error == 0) error = ReadWidth(width);
  if (error != 0) {
    owner_->Msg(error);
    return;
  }
  *format_ = format;
  *boxNumber_ = box;
  *frames_ = frames;
  *width_ = width;
  *parameterText_ = parameter;
  owner_->exports.animationControl = control;
  TPreTeXDlg::OnOk();
}

}  // namespace view

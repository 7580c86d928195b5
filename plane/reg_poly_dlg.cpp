#include "plane/reg_poly_dlg.h"

namespace plane {

THRegPolyDlg::THRegPolyDlg(platform::FrameWindow* parent, int* mode, int textLength, std::string* sides,
                           std::string* length, std::string* angle)
    : shell::TGenDlg(parent, "HREGPOLY", textLength, sides, length, angle), mode_(mode) {}

void THRegPolyDlg::SetupWindow() {
  shell::TGenDlg::SetupWindow();
  CheckItem(kRegPolyLengthRadio, true);
  CheckItem(kRegPolyAngleRadio, false);
  *mode_ = kRegPolyByLength;
}

void THRegPolyDlg::OnNotify(int id, platform::ControlNotification what) {
  if (what != platform::ControlNotification::Clicked) return;
  if (id != kRegPolyLengthRadio && id != kRegPolyAngleRadio) return;
  const int edit = id == kRegPolyLengthRadio ? kRegPolyLengthEdit : kRegPolyAngleEdit;
  FocusItem(edit);
  SelectAllText(edit);
}

void THRegPolyDlg::OnOk() {
  *mode_ = IsChecked(kRegPolyLengthRadio) ? kRegPolyByLength : kRegPolyByAngle;
  shell::TGenDlg::OnOk();
}

}  // namespace plane

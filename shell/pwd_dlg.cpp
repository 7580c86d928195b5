#include "shell/pwd_dlg.h"

#include <string>

#include "shell/author_data.h"
#include "shell/file_msg_win.h"
#include "shell/message_numbers.h"

namespace shell {

namespace {
constexpr int kPasswordEdit = 211, kConfirmEdit = 212, kFirstAuthorEdit = 213;
constexpr int kSaveCheck = 271, kHistoryCheck = 272, kNotebookCheck = 273, kCopyrightCheck = 274;
}  // namespace

TPwdDlg::TPwdDlg(TFileMsgWin* window) : TDlg(window, "SETPW"), window_(window) {}

void TPwdDlg::SetupWindow() {
  TDlg::SetupWindow();
  const AuthorData& data = window_->authorData;
  for (int i = 0; i < 6; ++i) SetTextLimit(kPasswordEdit + i, kAuthorTextLength);
  SetItemText(kPasswordEdit, "");
  SetItemText(kConfirmEdit, "");
  for (int i = 0; i < 4; ++i) SetItemText(kFirstAuthorEdit + i, data.lines[i].substr(0, kAuthorTextLength));
  CheckItem(kSaveCheck, true);
  CheckItem(kHistoryCheck, false);
  CheckItem(kNotebookCheck, false);
  CheckItem(kCopyrightCheck, false);
}

void TPwdDlg::OnOk() {
  const std::string password = GetItemText(kPasswordEdit).substr(0, kAuthorTextLength);
  const std::string confirmation = GetItemText(kConfirmEdit).substr(0, kAuthorTextLength);
  int code = 0;
  if (password.empty() || confirmation.empty()) {
    code = kNothingToDo;
  } else if (password != confirmation) {
    code = kDoNotMatch;
    SetItemText(kPasswordEdit, "");
    SetItemText(kConfirmEdit, "");
  } else if (!IsStorablePassword(password)) {
    // A character the stored form cannot carry would lock the file for good.
    code = kOutOfBounds;
  }
  std::uint16_t permissions = 0;
  if (IsChecked(kSaveCheck)) permissions |= kGuardSave;
  if (IsChecked(kHistoryCheck)) permissions |= kGuardHistory;
  if (IsChecked(kNotebookCheck)) permissions |= kGuardNotebook;
  if (permissions == 0) code = kNothingToDo;
  if (code > 0) {
    window_->Msg(code);
    return;
  }
  if (IsChecked(kCopyrightCheck)) permissions |= kShowCopyright;
  AuthorData& data = window_->authorData;
  data.permissions = permissions;
  data.password = password;
  for (int i = 0; i < 4; ++i) data.lines[i] = GetItemText(kFirstAuthorEdit + i).substr(0, kAuthorTextLength);
  TDlg::OnOk();
}

void TPwdDlg::OnCancel() {
  AuthorData& data = window_->authorData;
  data.permissions = 0;
  for (std::string& line : data.lines) line.clear();
  TDlg::OnCancel();
}

}  // namespace shell

// Password and author data of the window's figure file.
#include "shell/file_msg_win.h"
#include "shell/generic_dialogs.h"
#include "shell/message_numbers.h"
#include "shell/pwd_dlg.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kAuthorCaptionString = 95;  // "author"
}  // namespace

void TFileMsgWin::ClearAuthorData() { authorData = AuthorData{}; }

bool TFileMsgWin::CheckPassword(std::uint16_t mask) {
  if (authorData.unlocked || authorData.permissions == 0) return true;
  if ((authorData.permissions & mask) == 0) return true;
  std::string typed;
  TGenDlg dialog(this, "ASKPW", kAuthorTextLength, &typed);
  if (dialog.Execute() != platform::IDOK) return false;
  if (!typed.empty() && typed == authorData.password) {
    authorData.unlocked = 1;
    return true;
  }
  Msg(kNotAuthorized);
  return false;
}

void TFileMsgWin::PasswordCommand() {
  if (!CheckPassword(kAnyGuard)) return;
  TPwdDlg dialog(this);
  dialog.Execute();
  Msg(authorData.permissions == 0 ? kUnprotected : kProtected);
  authorData.unlocked = 1;
  // The change lasts only once the file is saved.
  fileMsg.modified = 1;
  UpdateCaption(false);
}

void TFileMsgWin::AuthorCommand() {
  std::string text;
  for (std::size_t i = 0; i < authorData.lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += authorData.lines[i];
  }
  platform::MessageBox(this, text, resources::LoadString(kAuthorCaptionString), platform::MessageButtons::Ok);
}

}  // namespace shell

#include "shell/msg_dlg.h"

#include "platform/modal_responder.h"

namespace shell {

TMsgDlg::TMsgDlg(platform::FrameWindow* parent, std::string_view resource, std::string_view text,
                 std::string_view caption)
    : TDlg(parent, resource), text_(text), caption_(caption) {}

void TMsgDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemText(kMessageTextStatic, text_);
  SetCaption(caption_);
}

bool TMsgDlg::OnCommand(int id) {
  if (id == kYesButton) {
    EndDialog(platform::IDYES);
    return true;
  }
  if (id == kNoButton) {
    EndDialog(platform::IDNO);
    return true;
  }
  return TDlg::OnCommand(id);
}

}  // namespace shell

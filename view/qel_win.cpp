#include "view/qel_win.h"

#include <string>

#include "app/child_windows.h"
#include "kernel/file_names.h"
#include "platform/message_box.h"

namespace view {

TQELWin::TQELWin(platform::FrameWindow* parent, std::string_view title) : TPreWin(parent, title) {}

void TQELWin::SetupWindow() {
  TPreWin::SetupWindow();
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
}

int TQELWin::LoadFile() {
  // The figure itself is read by the geometry windows; this layer names the window after its file.
  SetCaption(kernel::FileNamePart(fileMsg.fileName, false));
  fileMsg.named = 1;
  return 0;
}

void TQELWin::LoadStartupFile() {
  const bool given = !fileMsg.startupFileName.empty();
  const int result = OpenStartupFile();
  if (result != 0 && given) Msg(result);
}

void TQELWin::ShowHelp(std::string_view resourceName, std::string_view extraText) {
  std::string text;
  const int result = LoadHelpText(resourceName, text);
  if (result != 0) {
    Msg(result);
    return;
  }
  text += extraText;
  platform::MessageBox(this, text, Caption(), platform::MessageButtons::Ok);
}

void TQELWin::OnDestroy() {
  app::FreeSlot(slotIndex);
  TPreWin::OnDestroy();
}

}  // namespace view

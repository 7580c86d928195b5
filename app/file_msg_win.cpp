#include "app/file_msg_win.h"

#include "app/msg_dlg.h"
#include "kernel/random.h"
#include "platform/message_box.h"
#include "platform/resource_library.h"
#include "platform/screen_metrics.h"

namespace app {

namespace {
constexpr int kDefaultCaptionString = 62;
constexpr int kMessageStringBase = 400;
constexpr int kMessageTextLimit = 255;
}  // namespace

TFileMsgWin::TFileMsgWin(platform::FrameWindow* parent, std::string_view title) : FrameWindow(parent, title) {
  fileMsg.defaultSize = ScreenRect().height * 2 / 3;
  fileMsg.defaultTop = platform::CaptionHeight() + platform::MenuBarHeight();
  const std::int32_t x = kernel::Rand31() % 80;
  const std::int32_t y = fileMsg.defaultTop + kernel::Rand31() % 30;
  kernel::SetWinRect(fileMsg.placement, x, y, fileMsg.defaultSize, fileMsg.defaultSize, 0);
}

void TFileMsgWin::Msg(int n, std::string_view caption) {
  const std::string title =
      caption.empty() ? platform::LoadString(kDefaultCaptionString, kMessageTextLimit) : std::string(caption);
  platform::MessageBox(this, platform::LoadString(kMessageStringBase + n, kMessageTextLimit), title,
                       platform::MessageButtons::Ok);
}

int TFileMsgWin::AskBox(std::string_view text, std::string_view caption, int boxType) {
  const char* resource = boxType == 0 ? "OKMBOX" : boxType == 1 ? "YNMBOX" : "YNCMBOX";
  TMsgDlg dialog(this, resource, text, caption);
  return dialog.Execute();
}

int TFileMsgWin::OpenStartupFile() {
  const std::string remembered = fileMsg.fileName;
  fileMsg.fileName = fileMsg.startupFileName;
  if (!fileMsg.fileName.empty() && LoadFile() == 0) return 0;
  fileMsg.fileName = fileMsg.names[0];
  if (fileMsg.openLast && !fileMsg.fileName.empty() && LoadFile() == 0) return 0;
  fileMsg.fileName = remembered;
  return 11;
}

int TFileMsgWin::LoadHelpText(std::string_view name, std::string& text, int bufferSize) {
  const std::optional<std::string> found = platform::FindHelpText(name);
  if (!found) return 11;
  if (static_cast<long long>(found->size()) + 10 > bufferSize) return 20;
  text = *found;
  if (const std::size_t stop = text.find("???"); stop != std::string::npos) text.resize(stop);
  if (text.size() > static_cast<std::size_t>(kHelpTextLimit)) text.resize(kHelpTextLimit);
  return 0;
}

void TFileMsgWin::Hide() {
  FrameWindow::Hide();
  fileMsg.hidden = 1;
}

void TFileMsgWin::OnDestroy() {
  // Hand the focus back to the window this one was opened from.
  if (parent() && !parent()->IsDestroyed()) parent()->BringToFront();
}

}  // namespace app

#include "shell/file_msg_win.h"

#include "shell/dlg.h"
#include "shell/msg_dlg.h"
#include "kernel/file_names.h"
#include "kernel/random.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "platform/screen_metrics.h"

namespace shell {

namespace {
constexpr int kDefaultCaptionString = 62;
constexpr int kMessageStringBase = 400;
constexpr int kMessageTextLimit = 255;
constexpr int kSaveChangesString = 1;  // "save changes to "
constexpr int kCarefulString = 2;      // "careful!"

// The file name as captions show it.
std::string CaptionName(const FileMsgData& data) {
  return data.nameOnlyCaption ? kernel::FileNamePart(data.fileName, data.hideExtension != 0) : data.fileName;
}
}  // namespace

TFileMsgWin::TFileMsgWin(platform::FrameWindow* parent, std::string_view title) : FrameWindow(parent, title) {
  fileMsg.fileName = std::string(title);
  fileMsg.defaultSize = ScreenRect().height * 2 / 3;
  fileMsg.defaultTop = platform::CaptionHeight() + platform::MenuBarHeight();
  const std::int32_t x = kernel::Rand31() % 80;
  const std::int32_t y = fileMsg.defaultTop + kernel::Rand31() % 30;
  kernel::SetWinRect(fileMsg.placement, x, y, fileMsg.defaultSize, fileMsg.defaultSize, 0);
  ClearAuthorData();
}

void TFileMsgWin::Msg(int n, std::string_view caption) {
  const std::string title =
      caption.empty() ? resources::LoadString(kDefaultCaptionString, kMessageTextLimit) : std::string(caption);
  platform::MessageBox(this, resources::LoadString(kMessageStringBase + n, kMessageTextLimit), title,
                       platform::MessageButtons::Ok);
}

int TFileMsgWin::AskBox(std::string_view text, std::string_view caption, int boxType) {
  const char* resource = boxType == 0 ? "OKMBOX" : boxType == 1 ? "YNMBOX" : "YNCMBOX";
  TMsgDlg dialog(this, resource, text, caption);
  return dialog.Execute();
}

bool TFileMsgWin::OnCommand(int id) {
  switch (id) {
    case kCmdFileOpen:
      OpenWithDialog();
      return true;
    case kCmdFileSave:
      SaveCommand();
      return true;
    case kCmdFileSaveAs:
      SaveAsCommand();
      return true;
    case kCmdPassword:
      PasswordCommand();
      return true;
    case kCmdAuthor:
      AuthorCommand();
      return true;
    case kCmdFormat:
      FormatCommand();
      return true;
    case kCmdDecimals:
      DecimalsCommand();
      return true;
    case kCmdMainHelp:
      ShowHelp(fileMsg.mainHelp, {});
      return true;
    case kCloseCommand:
      Hide();
      return true;
    case kCmdAskAndHide:
      AskAndHide();
      return true;
    default:
      break;
  }
  if (id >= kCmdFirstHelpTopic && id < kCmdFirstHelpTopic + kHelpTopicCount) {
    ShowHelp(fileMsg.helpTopics[id - kCmdFirstHelpTopic], {});
    return true;
  }
  return FrameWindow::OnCommand(id);
}

void TFileMsgWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdFileOpen:
      state.enabled = CanOpen();
      break;
    case kCmdFileSave:
      // A new figure can be saved at once.
      state.enabled = IsModified() || !fileMsg.named;
      break;
    case kCmdFileSaveAs:
      state.enabled = CanSaveAs();
      break;
    case kCmdAuthor:
      state.enabled = (authorData.permissions & kShowCopyright) != 0;
      break;
    default:
      FrameWindow::EnableCommand(state);
  }
}

void TFileMsgWin::UpdateCaption(bool saving, std::string_view extraText) {
  const std::string name = CaptionName(fileMsg);
  std::string caption;
  if (saving) {
    caption = resources::LoadString(kSaveChangesString) + " " + name;
  } else {
    caption = name;
    caption += extraText;
    if (authorData.permissions != 0) caption += "+";
  }
  SetCaption(caption);
}

bool TFileMsgWin::CanClose() {
  if (!fileMsg.modified) return true;
  fileMsg.closing = 1;
  const std::string question = resources::LoadString(kSaveChangesString) + CaptionName(fileMsg) + "?";
  const int answer = AskBox(question, resources::LoadString(kCarefulString), kAskYesNoCancel);
  fileMsg.closing = 0;
  switch (answer) {
    case platform::IDYES:
      return CheckPassword(kGuardSave) && Save();
    case platform::IDNO:
      ClearModified();
      return true;
    default:
      return false;
  }
}

bool TFileMsgWin::AskAndHide() {
  if (!CanClose()) return false;
  ClearModified();
  Hide();
  return true;
}

void TFileMsgWin::Hide() {
  FrameWindow::Hide();
  fileMsg.hidden = 1;
}

void TFileMsgWin::CheckMenu(int commandId, bool checked) {
  if (menu().Check(commandId, checked)) MenuChanged();
}

void TFileMsgWin::OnDestroy() {
  // Hand the focus back to the window this one was opened from.
  if (parent() && !parent()->IsDestroyed()) parent()->BringToFront();
}

}  // namespace shell

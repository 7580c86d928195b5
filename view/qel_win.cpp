#include "view/qel_win.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "shell/child_windows.h"
#include "shell/col_win.h"
#include "shell/message_numbers.h"
#include "shell/note_win.h"
#include "shell/pre_text_win.h"
#include "kernel/file_names.h"
#include "kernel/number_text.h"
#include "kernel/random.h"
#include "platform/dc.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"

namespace view {

namespace {
constexpr int kInputString = 5;         // "input"
constexpr int kDelayString = 24;        // "millisecond delay"
constexpr int kHelpTitleString = 25;    // "help.txt"
constexpr int kNonameString = 29;       // "noname"
constexpr int kCurrentValueString = 86;  // "current value of x"
constexpr int kSuccessString = 88;      // "success"
constexpr int kNotebookString = 93;     // "notebook"
constexpr std::size_t kLetterPosition = 17;  // of the x in "current value of x"
constexpr int kMaximumDelay = 2147483647;

// A companion exists hidden until a command shows it.
template <typename Window>
Window* CreateHidden(Window* window) {
  window->fileMsg.hidden = 1;
  window->Create();
  return window;
}

bool IsReadableFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}
}  // namespace

bool PlacementFits(const kernel::WinPlacement& p, int screenWidth, int screenHeight) {
  return p.x >= 0 && p.y >= 0 && p.width >= kMinimumPlacementWidth && p.height >= kMinimumPlacementHeight &&
         static_cast<long long>(p.x) + p.width <= screenWidth &&
         static_cast<long long>(p.y) + p.height <= screenHeight;
}

TQELWin::TQELWin(platform::FrameWindow* parent, std::string_view title) : TPreWin(parent, title) {}

void TQELWin::SetupWindow() {
  TPreWin::SetupWindow();
  qelWin.settingsRead = ReadSettings() ? 1 : 0;
  if (qelWin.settingsRead) {
    const platform::Color background = platform::Color::FromColorRef(Color(preWin.roles[0]));
    SetBackgroundColor(background.r, background.g, background.b);
    // A settings file written on a larger screen must not put the window out of reach.
    KeepPlacementOnScreen();
  }
  CreateCompanions();
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
}

void TQELWin::CreateCompanions() {
  const int slot = fontWin.textSlot;
  const std::string help = resources::LoadString(kHelpTitleString);
  helpWindow_ = CreateHidden(new shell::TTextWin(this, help, help, {}, slot));
  const std::string scratch = resources::LoadString(kNonameString) + ".txt";
  scratchWindow_ = CreateHidden(new shell::TTextWin(this, scratch, scratch, {}, slot));
  if (notebook) {
    const std::string notes = resources::LoadString(kNotebookString) + ".txt";
    notebookWindow_ = CreateHidden(new shell::TNoteWin(this, notes, notes, {}, slot));
    notebookWindow_->SetTitle();
  }
  // Its caption comes with the role it is opened on.
  colorWindow_ = CreateHidden(new shell::TColWin(this, ""));
}

void TQELWin::KeepPlacementOnScreen() {
  const platform::WindowRect screen = ScreenRect();
  if (PlacementFits(fileMsg.placement, screen.width, screen.height)) return;
  const std::int32_t x = kernel::Rand31() % 80;
  const std::int32_t y = fileMsg.defaultTop + kernel::Rand31() % 30;
  kernel::SetWinRect(fileMsg.placement, x, y, fileMsg.defaultSize, fileMsg.defaultSize, 0);
}

int TQELWin::LoadFile() {
  // A missing file leaves the figure as it is.
  if (!IsReadableFile(fileMsg.fileName)) return shell::kCannotOpenFile;
  // The reader clears the figure only once it has the whole file: a damaged file leaves it.
  const int result = ReadDocument();
  if (result >= 1) return result;
  // Open last opens this file when the window kind is opened again.
  fileMsg.names[0] = fileMsg.fileName;
  KeepPlacementOnScreen();
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
  Show();
  InvalidateBuffer(preWin.bitmapLevel);
  fileMsg.named = 1;
  fileMsg.placement.zoomed = 0;
  SetupMenuChecks(qelWin.menuRedraw != 0);
  Invalidate(qelWin.eraseOnLoad != 0);
  return 0;
}

int TQELWin::ResetDocument(std::string_view fileName) {
  fileMsg.fileName = std::string(fileName);
  // The reader takes the file into fresh tables and replaces the figure only with a file read
  // whole: a missing or damaged file leaves the figure as it was.
  const int result = IsReadableFile(fileMsg.fileName) ? ReadDocument() : shell::kCannotOpenFile;
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
  platform::FrameWindow::Hide();
  fileMsg.modified = 0;
  InvalidateBuffer(preWin.bitmapLevel);
  return result;
}

bool TQELWin::Save() {
  if (!TPreWin::Save()) return false;
  fileMsg.names[0] = fileMsg.fileName;
  if (notebookWindow_) notebookWindow_->SetTitle();
  return true;
}

void TQELWin::Hide() {
  for (shell::TFontWin* companion : {static_cast<shell::TFontWin*>(notebookWindow_),
                                     static_cast<shell::TFontWin*>(helpWindow_),
                                     static_cast<shell::TFontWin*>(scratchWindow_),
                                     static_cast<shell::TFontWin*>(colorWindow_)})
    if (companion && !companion->fileMsg.hidden) companion->Hide();
  TPreWin::Hide();
}

void TQELWin::LoadStartupFile() {
  const bool given = !fileMsg.startupFileName.empty();
  const int result = OpenStartupFile();
  if (result == 0 || !given) return;
  Msg(result);
  qelWin.startupFileFailed = 1;
}

void TQELWin::ShowHelp(std::string_view resourceName, std::string_view topic) {
  std::string text;
  const int result = LoadHelpText(resourceName, text, kHelpBufferSize);
  if (result != 0) {
    Msg(result);
    return;
  }
  if (!helpWindow_) return;
  helpWindow_->preText.text = shell::TextWindowText(text);
  helpWindow_->ShowText();
  helpWindow_->Show();
  helpWindow_->fileMsg.hidden = 0;
  if (!topic.empty()) {
    helpWindow_->preText.lastSearch = std::string(topic);
    helpWindow_->Search(topic, true);  // a hit is scrolled to the fourth line
  }
}

void TQELWin::SetupMenuChecks(bool redraw) {
  CheckMenu(kCmdToggleColors, qelWin.colorsFlag != 0);
  CheckMenu(kCmdBackColor, device.withBackColor != 0);
  UpdateMenu();
  if (redraw) MenuChanged();
}

bool TQELWin::CheckModified() {
  if (notebook && notebookWindow_ && notebookWindow_->editor().IsModified()) fileMsg.modified = 1;
  return CanClose();
}

void TQELWin::UpdateClientArea() {
  ReadClientSize();
  MakeClientRegion();
  qelWin.deviceFactor = 1.0;
}

void TQELWin::SetCurrentTool(std::uint16_t tool) {
  const bool changed = tool != qelWin.currentTool;
  qelWin.currentTool = tool;
  if (changed) SetupMenuChecks(false);
}

void TQELWin::DrawFrame(platform::DC& dc) {
  if (!printFormat.frameImage) return;
  const int factor = qelWin.thickPrinting ? qelWin.printThicknessFactor : 1;
  const platform::Pen pen{platform::PenStyle::Solid, device.framePenWidth * factor + 1, platform::kBlack};
  const platform::Pen old = dc.SelectPen(pen);
  const int x0 = preWin.originX;
  const int y0 = preWin.originY;
  const int w = preWin.width;
  const int h = preWin.height;
  dc.MoveTo({x0, y0});
  dc.LineTo({x0 + w, y0});
  dc.MoveTo({x0 + w - 1, y0});
  dc.LineTo({x0 + w - 1, y0 + h});
  dc.MoveTo({x0 + w - 1, y0 + h - 1});
  dc.LineTo({x0, y0 + h - 1});
  dc.MoveTo({x0, y0 + h - 1});
  dc.LineTo({x0, y0});
  dc.SelectPen(old);
}

std::string TQELWin::FormatNumber(kernel::Real value, bool compact) const {
  const int decimals = numberFormat.decimals;
  const int width = compact ? decimals + 2 : numberFormat.fieldWidth;
  return kernel::FormatLD(value, width, decimals);
}

void TQELWin::ShowSavedMessage(int textId, std::string& name) {
  platform::MessageBox(this, resources::LoadString(textId), resources::LoadString(kSuccessString),
                       platform::MessageButtons::Ok);
  name = kernel::FileNamePart(name, true);
}

std::string TQELWin::CurrentValueCaption(char letter, std::size_t length) const {
  std::string caption = resources::LoadString(kCurrentValueString, length);
  if (caption.size() > kLetterPosition) caption[kLetterPosition] = letter;
  return caption;
}

void TQELWin::SetPlacementAndMove(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                  std::uint8_t zoomed) {
  kernel::SetWinRect(fileMsg.placement, x, y, width, height, zoomed);
  MoveTo({x, y, width, height});
}

void TQELWin::SetPlacementAndSize(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                  std::uint8_t zoomed) {
  kernel::SetWinRect(fileMsg.placement, x, y, width, height, zoomed);
  const platform::WindowRect now = Placement();
  MoveTo({now.x, now.y, width, height});
}

kernel::WinPlacement TQELWin::ReadPlacement() const {
  // Width and height as the window has them, so that storing and restoring keeps the size.
  const platform::WindowRect r = Placement();
  kernel::WinPlacement p;
  kernel::SetWinRect(p, r.x, r.y, r.width, r.height, 0);
  return p;
}

void TQELWin::ShowNotebook() {
  if (!notebookWindow_ || !CheckPassword(shell::kGuardNotebook)) return;
  notebookWindow_->Show();
  notebookWindow_->fileMsg.hidden = 0;
  fileMsg.modified = 1;
}

void TQELWin::AskDelay() {
  int value = qelWin.animationDelay;
  const int result = AskIntInRange(kInputString, kDelayString, 0, kMaximumDelay, value, false);
  if (result == 0) {
    qelWin.animationDelay = value;
  } else if (result != shell::kAskCancelled) {
    Msg(result);
  }
}

void TQELWin::NewCommand() {
  if (CanClose()) NewFigure();
}

bool TQELWin::OnCommand(int id) {
  switch (id) {
    case kCmdToggleColors:
      qelWin.colorsFlag = qelWin.colorsFlag ? 0 : 1;
      SetupMenuChecks(false);
      return true;
    case kCmdNotebook:
      ShowNotebook();
      return true;
    case kCmdNew:
      NewCommand();
      return true;
    case kCmdDelay:
      AskDelay();
      return true;
    case kCmdBackColor:
      device.withBackColor = device.withBackColor ? 0 : 1;
      SetupMenuChecks(false);
      return true;
    case kCmdPrint:
      CmPrint();
      return true;
    case kCmdSimulprint:
      CmSimulprint();
      return true;
    case kCmdSelectPrinter:
      CmSelectPrinter();
      return true;
    case kCmdImageSize:
      CmImageSize();
      return true;
    case kCmdBitmapToClipboard:
      CmBitmapToClipboard();
      return true;
    case kCmdLunch:
      CmLunch();
      return true;
    default:
      break;
  }
  if (id >= kCmdFirstColorRole && id <= kCmdLastColorRole) {
    EditColor(id - kCmdFirstColorRole);
    return true;
  }
  return TPreWin::OnCommand(id);
}

void TQELWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdNotebook) {
    state.enabled = notebook != 0 && notebookWindow_ != nullptr;
    return;
  }
  TPreWin::EnableCommand(state);
}

void TQELWin::OnDestroy() {
  // The companions, owned as child windows, have been destroyed already.
  helpWindow_ = nullptr;
  scratchWindow_ = nullptr;
  notebookWindow_ = nullptr;
  colorWindow_ = nullptr;
  // A window that was never set up has no settings of its own to keep.
  if (IsCreated()) WriteSettings();
  shell::FreeSlot(slotIndex);
  TPreWin::OnDestroy();
}

}  // namespace view

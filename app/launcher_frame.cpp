#include "app/launcher_frame.h"

#include <cstdio>
#include <cstdlib>

#include "app/about_dlg.h"
#include "shell/child_windows.h"
#include "app/launcher_tips.h"
#include "app/launcher_windows.h"
#include "shell/message_numbers.h"
#include "app/startup_file.h"
#include "kernel/file_bytes.h"
#include "kernel/random.h"
#include "platform/instance_channel.h"
#include "resources/resource_library.h"
#include "platform/settings_folder.h"
#include "platform/window_state.h"
#include "view/qel_win.h"

namespace app {

namespace {

constexpr int kFirstShowTimer = 1;
constexpr int kUntitledString = 29;
constexpr const char* kTipsFile = "kv.tip";

void TraceOpened(const WindowKindInfo& info, std::string_view title, std::string_view file) {
  const char* trace = std::getenv("KV_TRACE_WINDOWS");
  if (!trace || !*trace) return;
  std::fprintf(stderr, "kavrine: opened %.*s window \"%.*s\" file \"%.*s\"\n", static_cast<int>(info.name.size()),
               info.name.data(), static_cast<int>(title.size()), title.data(), static_cast<int>(file.size()),
               file.data());
  std::fflush(stderr);
}

}  // namespace

TGeomFrame::TGeomFrame(platform::FrameWindow* parent, std::string_view title) : FrameWindow(parent, title) {
  SetBackgroundColor(64, 128, 128);
  const std::int32_t y = 20 + kernel::Rand31() % 40;
  const std::int32_t x = 100 + kernel::Rand31() % 200;
  kernel::SetWinRect(data.settings.placement, x, y, 200, 120, 0);
  data.winDirPath = platform::SettingsFolder();
}

TGeomFrame::~TGeomFrame() = default;

std::string TGeomFrame::SettingsPath() const { return data.winDirPath + kLauncherSettingsFile; }

void TGeomFrame::SetupWindow() {
  FrameWindow::SetupWindow();
  SetMenu("GEOMMENU");
  // From now on a second start of the program hands its file over to this one.
  listener_ = std::make_unique<platform::InstanceListener>([this](const std::string& name) { ReceiveHandOff(name); });
  SetAccelerators("GEOMMENU");
  SetIcon(resources::LoadString(999));

  data.startMaximized = 0;
  if (const std::optional<LauncherSettings> stored = ReadLauncherSettings(SettingsPath())) {
    data.settings = *stored;
    data.startMaximized = stored->placement.zoomed;
  }
  const platform::WindowRect screen = ScreenRect();
  KeepOnScreen(data.settings.placement, screen.width, screen.height);
  const kernel::WinPlacement& p = data.settings.placement;
  MoveTo({p.x, p.y, p.width, p.height});
  RefreshCheckMarks();
  AcceptDroppedFiles(true);

  serviceWindow_ = std::make_unique<view::TQELWin>(nullptr, "name.ext");
  serviceWindow_->fileMsg.version = kLaunchedWindowVersion;
  serviceWindow_->Create();
  serviceWindow_->Hide();

  data.tipsPosition = {p.x + 50, p.y + 80};
  tips_ = CreateLauncherTips(this, &data.tipsPosition, data.winDirPath + kTipsFile);

  SetTimer(kFirstShowTimer, 0);
}

void TGeomFrame::OnTimer(int id) {
  if (id != kFirstShowTimer) return;
  KillTimer(kFirstShowTimer);
  AfterFirstShow();
}

void TGeomFrame::AfterFirstShow() {
  if (data.startMaximized) {
    data.startMaximized = 0;
    ShowMaximized();
  }
  if (!StartupFileName().empty()) {
    const std::string name = std::move(StartupFileName());
    StartupFileName().clear();
    OpenByExtension(name);
  }
  if (data.firstPaint && tips_ && !tips_->closed) tips_->Show();
  data.firstPaint = 0;
}

void TGeomFrame::RefreshCheckMarks() {
  menu().Check(kCmdUseDefaults, data.settings.useDefaults != 0);
  menu().Check(kCmdOpenLast, data.settings.openLast != 0);
  MenuChanged();
}

bool TGeomFrame::OnCommand(int id) {
  if (const std::optional<WindowKind> kind = KindForCommand(id)) {
    OpenWindow(*kind, {});
    return true;
  }
  LauncherSettings& s = data.settings;
  switch (id) {
    case kCmdOpenLast:
      s.openLast = s.openLast ? 0 : 1;
      if (s.useDefaults) s.useDefaults = 0;
      RefreshCheckMarks();
      return true;
    case kCmdUseDefaults:
      s.useDefaults = s.useDefaults ? 0 : 1;
      if (s.openLast) s.openLast = 0;
      RefreshCheckMarks();
      return true;
    case kCmdExit:
      Close();
      return true;
    case kCmdHelp:
      serviceWindow_->ShowHelp("PROGHELP", "");
      return true;
    case kCmdTips:
      tips_->Show();
      tips_->closed = 0;
      tips_->NextTip();
      return true;
    case kCmdAbout:
      About(*serviceWindow_);
      return true;
    default:
      return FrameWindow::OnCommand(id);
  }
}

view::TQELWin* TGeomFrame::OpenWindow(WindowKind kind, std::string_view fileName) {
  const WindowKindInfo& info = InfoOf(kind);
  const int slot = shell::FindFreeSlot();
  if (slot < 0) {
    serviceWindow_->Msg(shell::kNoMoreRoom);
    return nullptr;
  }
  if (!info.untitledExtension.empty()) ++data.untitledCounter;
  std::string title = resources::LoadString(kUntitledString, 50) + std::to_string(data.untitledCounter);
  title += info.untitledExtension;

  view::TQELWin* window = ConstructWindow(kind, this, title);
  if (!window) return nullptr;
  shell::ChildWindows()[slot] = 1;
  window->slotIndex = slot;
  window->fileMsg.version = kLaunchedWindowVersion;
  if (info.notebook != NotebookChoice::WindowDefault) window->notebook = info.notebook == NotebookChoice::Yes ? 1 : 0;
  window->fileMsg.openLast = info.launcherOpenLast ? data.settings.openLast : 0;
  window->readSettings =
      info.readSettings == SettingsChoice::UnlessDefaults && !data.settings.useDefaults ? 1 : 0;
  window->fileMsg.startupFileName = info.takesFile ? std::string(fileName) : std::string();
  TraceOpened(info, title, window->fileMsg.startupFileName);
  window->Create();
  if (window->qelWin.startupFileFailed) {
    // Opened only to hold a file that could not be read: the window has said so and goes again.
    window->Destroy();
    return nullptr;
  }
  window->Show();
  return window;
}

void TGeomFrame::OpenByExtension(std::string_view name) {
  const std::optional<std::string> extension = LastExtension3(name);
  if (!extension) return;
  BringToFront();
  if (const std::optional<WindowKind> kind = KindForExtension(*extension)) OpenWindow(*kind, name);
}

void TGeomFrame::ReceiveHandOff(const std::string& name) {
  if (IsMinimized()) Restore();
  BringToFront();
  if (name.size() > 1) OpenByExtension(name);
}

void TGeomFrame::OnFilesDropped(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) OpenByExtension(path);
}

void TGeomFrame::OnDestroy() {
  LauncherSettings stored = data.settings;
  const platform::WindowRect normal = platform::NormalPlacement(*this);
  kernel::SetWinRect(stored.placement, normal.x, normal.y, normal.width, normal.height, IsMaximized() ? 1 : 0);
  WriteLauncherSettings(SettingsPath(), stored);
  listener_.reset();
  tips_.reset();
  if (serviceWindow_) serviceWindow_->Destroy();
  FrameWindow::OnDestroy();
}

}  // namespace app

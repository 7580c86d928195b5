#pragma once
// The program's main window: a small frame from which every kind of geometry window is opened.
// It keeps its placement and two options in "kavrine32.ini", takes files handed over by a second
// start of the program and files dropped on it, and opens each by its extension.
//
// When the environment variable KV_TRACE_WINDOWS is set and not empty, each window the launcher
// opens is also reported on the standard error, one line each:
//   kavrine: opened <kind> window "<title>" file "<file>"
// (scripts and tests that run the program without a screen watch it this way).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/dlg.h"
#include "app/launcher_kinds.h"
#include "app/launcher_settings.h"
#include "platform/frame_window.h"

namespace platform {
class InstanceListener;
}
namespace view {
class TQELWin;
}

namespace app {

class TTipsDlg;

// Commands of the launcher besides the window kinds.
inline constexpr int kCmdOpenLast = 48;
inline constexpr int kCmdUseDefaults = 49;
inline constexpr int kCmdTips = 80;
inline constexpr int kCmdHelp = 354;
inline constexpr int kCmdAbout = 355;
inline constexpr int kCmdExit = 24310;
// The version number of every window the launcher opens.
inline constexpr std::int32_t kLaunchedWindowVersion = 63;

struct LauncherData {
  LauncherSettings settings;  // placement, Open last, Use defaults
  std::uint8_t startMaximized = 0;
  std::string winDirPath;     // the folder of the settings files
  shell::DlgPosition tipsPosition;
  std::int32_t untitledCounter = 0;
  std::uint8_t firstPaint = 1;
};

class TGeomFrame : public platform::FrameWindow {
 public:
  TGeomFrame(platform::FrameWindow* parent, std::string_view title);
  ~TGeomFrame() override;

  // Opens a window of the kind that loads fileName (possibly empty); the window, or null when
  // none was opened. A window given a file it cannot read reports it and is closed again.
  virtual view::TQELWin* OpenWindow(WindowKind kind, std::string_view fileName);
  // Opens the file in the window its extension names; other names are ignored.
  void OpenByExtension(std::string_view name);
  // A name handed over by a second start of the program.
  void ReceiveHandOff(const std::string& name);
  // What the launcher does once it is on screen: maximise, open the command-line file, tips.
  void AfterFirstShow();

  // The hidden window through which the launcher shows messages, help and the about box.
  view::TQELWin* serviceWindow() const { return serviceWindow_.get(); }
  TTipsDlg* tips() const { return tips_.get(); }

  LauncherData data;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnTimer(int id) override;
  void OnFilesDropped(const std::vector<std::string>& paths) override;
  void OnDestroy() override;

 private:
  void RefreshCheckMarks();
  std::string SettingsPath() const;

  std::unique_ptr<view::TQELWin> serviceWindow_;
  std::unique_ptr<TTipsDlg> tips_;
  std::unique_ptr<platform::InstanceListener> listener_;
};

}  // namespace app

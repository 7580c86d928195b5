#pragma once
// The launcher's tips at start-up, its Tips command and its about box.
// Tips are not written yet: the launcher keeps the dialog's place and asks here, and nothing is
// shown; the about box names the program and its version.

#include <string>

#include "app/dlg.h"
#include "app/file_msg_win.h"

namespace app {

class LauncherTips {
 public:
  LauncherTips(platform::FrameWindow* frame, DlgPosition* position, std::string tipsFile);
  // Made in the launcher's set-up; shown at once when the user wants a tip at start-up.
  void Create();
  // The first time the launcher is on screen.
  void ActivateAtStart();
  // The Tips command: shows the dialog with the next tip.
  void ShowNext();
  bool closed() const { return true; }

 private:
  platform::FrameWindow* frame_;
  DlgPosition* position_;
  std::string tipsFile_;
};

// The About command, shown through `window` with its version number.
void ShowAboutBox(TFileMsgWin& window);

}  // namespace app

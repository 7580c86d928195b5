#pragma once
// The about box: the program's version, the platforms it runs on and the publisher's notes.

#include <string>
#include <string_view>

#include "shell/file_msg_win.h"
#include "platform/dialog.h"

namespace app {

class TAboutDlg : public platform::Dialog {
 public:
  TAboutDlg(platform::FrameWindow* parent, std::string_view caption, std::string_view resource, std::string body);

 protected:
  void SetupWindow() override;

 private:
  std::string caption_;
  std::string body_;
};

// The about box's texts for a window of that version number.
std::string AboutCaption(int version);
std::string AboutBody();

// Runs the about box over `window` (once at a time).
void About(shell::TFileMsgWin& window);

}  // namespace app

#pragma once
// The graphics window base: a window that holds a slot of the child-window table, may read its
// settings file and own a notebook, and shows help texts. Its companion text windows (the help
// window, the scratch window and, where the window kind offers one, the notebook) are created
// hidden with it, shown on demand, hidden when it hides and destroyed with it.

#include <cstdint>
#include <string_view>

#include "shell/pre_win.h"

namespace shell {
class TNoteWin;
class TTextWin;
}  // namespace shell

namespace view {

inline constexpr int kCmdNotebook = 75;
// Help texts are read into a buffer of this size.
inline constexpr int kHelpBufferSize = 100000;

class TQELWin : public shell::TPreWin {
 public:
  TQELWin(platform::FrameWindow* parent, std::string_view title);

  // The window's entry in the child-window table (freed when the window is destroyed); -1 for none.
  std::int32_t slotIndex = -1;
  // The set-up reads the window's settings file only when this is 1.
  std::uint8_t readSettings = 1;
  // The set-up creates the notebook companion only when this is 1.
  std::uint8_t notebook = 0;

  int LoadFile() override;
  bool Save() override;
  void Hide() override;
  // Shows the help text in the help window; a topic given is searched there and scrolled into view.
  void ShowHelp(std::string_view resourceName, std::string_view topic) override;

  // The companions; null before the set-up and after the window is destroyed.
  shell::TTextWin* helpWindow() const { return helpWindow_; }
  shell::TTextWin* scratchWindow() const { return scratchWindow_; }
  shell::TNoteWin* notebookWindow() const { return notebookWindow_; }

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnDestroy() override;
  // Loads the start-up file the window was given and reports a file that could not be loaded.
  void LoadStartupFile();

 private:
  void CreateCompanions();
  void ShowNotebook();

  // Owned as child windows.
  shell::TTextWin* helpWindow_ = nullptr;
  shell::TTextWin* scratchWindow_ = nullptr;
  shell::TNoteWin* notebookWindow_ = nullptr;
};

}  // namespace view

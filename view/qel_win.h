#pragma once
// The graphics window base: a window that holds a slot of the child-window table, may read its
// settings file and own a notebook, and shows help texts.

#include <cstdint>
#include <string_view>

#include "app/pre_win.h"

namespace view {

class TQELWin : public app::TPreWin {
 public:
  TQELWin(platform::FrameWindow* parent, std::string_view title);

  // The window's entry in the child-window table (freed when the window is destroyed); -1 for none.
  std::int32_t slotIndex = -1;
  // The set-up reads the window's settings file only when this is 1.
  std::uint8_t readSettings = 1;
  // The set-up creates the notebook companion only when this is 1.
  std::uint8_t notebook = 0;

  int LoadFile() override;
  void ShowHelp(std::string_view resourceName, std::string_view extraText) override;

 protected:
  void SetupWindow() override;
  void OnDestroy() override;
  // Loads the start-up file the window was given and reports a file that could not be loaded.
  void LoadStartupFile();
};

}  // namespace view

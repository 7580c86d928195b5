#include "special/guess_win.h"

#include "view/settings_files.h"

namespace special {

TGeomGWin::TGeomGWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {
  qelWin.settingsFileName = view::kGuessSettingsFile;
}

void TGeomGWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "GUESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

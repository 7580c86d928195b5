#include "special/guess_win.h"

#include "view/settings_files.h"

namespace special {

TGeomGWin::TGeomGWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {
  qelWin.settingsFileName = view::kGuessSettingsFile;
}

void TGeomGWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = "GUESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

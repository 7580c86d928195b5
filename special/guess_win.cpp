#include "special/guess_win.h"

#include "view/settings_files.h"

namespace special {

TGeomGWin::TGeomGWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {
  qelWin.settingsFileName = view::kGuessSettingsFile;
}

void TGeomGWin::SetupWindow() {
  TQELWing::SetupWindow();
  const char* menuName = "GUESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

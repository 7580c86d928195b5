#include "special/tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomTWin::TGeomTWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
}

void TGeomTWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = "TESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

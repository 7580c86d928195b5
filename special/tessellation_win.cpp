#include "special/tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomTWin::TGeomTWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
}

void TGeomTWin::SetupWindow() {
  TQELWing::SetupWindow();
  const char* menuName = "TESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

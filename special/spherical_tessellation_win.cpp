#include "special/spherical_tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomWWin::TGeomWWin(platform::FrameWindow* parent, std::string_view title) : TGeomSWin(parent, title) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
  fileMsg.mainHelp = "STESSHELP";
}

void TGeomWWin::SetupWindow() {
  TGeomSWin::SetupWindow();
  const char* menuName = "STESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

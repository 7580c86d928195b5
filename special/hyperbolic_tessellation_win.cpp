#include "special/hyperbolic_tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomUWin::TGeomUWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
  fileMsg.mainHelp = "HTESSHELP";
}

void TGeomUWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = "HTESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

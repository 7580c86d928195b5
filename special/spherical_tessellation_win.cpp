#include "special/spherical_tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomWWin::TGeomWWin(platform::FrameWindow* parent, std::string_view title) : TGeomSWin(parent, title) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
  fileMsg.mainHelp = "STESSHELP";
  menuName = "STESSMENU";
}

void TGeomWWin::SetupWindow() {
  TGeomSWin::SetupWindow();
  LoadStartupFile();
}

}  // namespace special

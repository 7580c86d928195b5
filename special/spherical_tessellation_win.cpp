#include "special/spherical_tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomWWin::TGeomWWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
}

void TGeomWWin::SetupWindow() {
  TQELWing::SetupWindow();
  const char* menuName = "STESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

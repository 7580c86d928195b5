#include "special/hyperbolic_tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomUWin::TGeomUWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
}

void TGeomUWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "HTESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

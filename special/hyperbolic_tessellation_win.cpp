#include "special/hyperbolic_tessellation_win.h"

#include "view/settings_files.h"

namespace special {

TGeomUWin::TGeomUWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
}

void TGeomUWin::SetupWindow() {
  TQELWing::SetupWindow();
  const char* menuName = "HTESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

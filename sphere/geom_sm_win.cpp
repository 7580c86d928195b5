#include "sphere/geom_sm_win.h"

#include "view/settings_files.h"

namespace sphere {

TGeomSMWin::TGeomSMWin(platform::FrameWindow* parent, std::string_view title) : TGeomSWin(parent, title) {
  qelWin.settingsFileName = view::kSphericalSettingsFile;
  qelWin.fileKind = view::kSphericalFileKind;
}

void TGeomSMWin::SetupWindow() {
  TGeomSWin::SetupWindow();
  const char* menuName = "GEOSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace sphere

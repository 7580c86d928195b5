#include "solidview/geom3_win.h"

#include "view/settings_files.h"

namespace solidview {

TGeom3Win::TGeom3Win(platform::FrameWindow* parent, std::string_view title) : TGeomRWin(parent, title) {
  qelWin.settingsFileName = view::kSolidSettingsFile;
  qelWin.fileKind = view::kSolidFileKind;
}

void TGeom3Win::SetupWindow() {
  TGeomRWin::SetupWindow();
  const char* menuName = "GEO3MENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace solidview

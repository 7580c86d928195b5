#include "special/voronoi_win.h"

#include "view/settings_files.h"

namespace special {

TGeomVWin::TGeomVWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {
  qelWin.settingsFileName = view::kVoronoiSettingsFile;
  qelWin.fileKind = view::kVoronoiFileKind;
}

void TGeomVWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = "VORMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

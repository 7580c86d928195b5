#include "special/voronoi_win.h"

#include "view/settings_files.h"

namespace special {

TGeomVWin::TGeomVWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {
  qelWin.settingsFileName = view::kVoronoiSettingsFile;
  qelWin.fileKind = view::kVoronoiFileKind;
}

void TGeomVWin::SetupWindow() {
  TQELWing::SetupWindow();
  const char* menuName = "VORMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

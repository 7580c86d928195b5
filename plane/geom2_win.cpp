#include "plane/geom2_win.h"

#include "view/settings_files.h"

namespace plane {

TGeom2Win::TGeom2Win(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane)
    : TGeomEWin(parent, title, hyperbolicPlane) {
  qelWin.settingsFileName = hyperbolic ? view::kHyperbolicSettingsFile : view::kPlaneSettingsFile;
  qelWin.fileKind = hyperbolic ? view::kHyperbolicFileKind : view::kPlaneFileKind;
}

void TGeom2Win::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = hyperbolic ? "GEOHMENU" : "GEO2MENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace plane

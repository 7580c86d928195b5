#include "plane/geom2_win.h"

namespace plane {

TGeom2Win::TGeom2Win(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane)
    : TQELWin(parent, title), hyperbolic(hyperbolicPlane) {}

void TGeom2Win::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = hyperbolic ? "GEOHMENU" : "GEO2MENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace plane

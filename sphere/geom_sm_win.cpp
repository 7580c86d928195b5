#include "sphere/geom_sm_win.h"

namespace sphere {

TGeomSMWin::TGeomSMWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeomSMWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "GEOSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace sphere

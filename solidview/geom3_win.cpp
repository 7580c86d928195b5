#include "solidview/geom3_win.h"

namespace solidview {

TGeom3Win::TGeom3Win(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeom3Win::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "GEO3MENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace solidview

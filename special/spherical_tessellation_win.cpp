#include "special/spherical_tessellation_win.h"

namespace special {

TGeomWWin::TGeomWWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeomWWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "STESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

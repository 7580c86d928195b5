#include "special/hyperbolic_tessellation_win.h"

namespace special {

TGeomUWin::TGeomUWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeomUWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "HTESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

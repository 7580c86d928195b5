#include "special/tessellation_win.h"

namespace special {

TGeomTWin::TGeomTWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeomTWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "TESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

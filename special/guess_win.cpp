#include "special/guess_win.h"

namespace special {

TGeomGWin::TGeomGWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeomGWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "GUESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

#include "special/voronoi_win.h"

namespace special {

TGeomVWin::TGeomVWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeomVWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = "VORMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

#include "solidview/geom3_win.h"

namespace solidview {

TGeom3Win::TGeom3Win(platform::FrameWindow* parent, std::string_view title) : TGeomRWin(parent, title) {}

void TGeom3Win::SetupWindow() {
  TGeomRWin::SetupWindow();
  LoadStartupFile();
}

}  // namespace solidview

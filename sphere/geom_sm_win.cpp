#include "sphere/geom_sm_win.h"

namespace sphere {

TGeomSMWin::TGeomSMWin(platform::FrameWindow* parent, std::string_view title) : TGeomSWin(parent, title) {}

void TGeomSMWin::SetupWindow() {
  TGeomSWin::SetupWindow();
  LoadStartupFile();
}

}  // namespace sphere

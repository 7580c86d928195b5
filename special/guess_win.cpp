#include "special/guess_win.h"

namespace special {

TGeomGWin::TGeomGWin(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {}

void TGeomGWin::SetupWindow() {
  TQELWin::SetupWindow();
  LoadStartupFile();
}

}  // namespace special

#include "special/penrose_win.h"

namespace special {

TPenrWin::TPenrWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t tilingKind)
    : TQELWin(parent, title), tiling(tilingKind) {}

void TPenrWin::SetupWindow() {
  TQELWin::SetupWindow();
  const char* menuName = tiling == 0 ? "KITEMENU" : "RHOMBMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

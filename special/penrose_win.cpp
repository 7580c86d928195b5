#include "special/penrose_win.h"

#include "view/settings_files.h"

namespace special {

TPenrWin::TPenrWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t tilingKind)
    : TFillWin(parent, title), tiling(tilingKind) {
  qelWin.settingsFileName = tiling == 0 ? view::kKiteSettingsFile : view::kRhombSettingsFile;
  qelWin.fileKind = tiling == 0 ? view::kKiteFileKind : view::kRhombFileKind;
}

void TPenrWin::SetupWindow() {
  TFillWin::SetupWindow();
  const char* menuName = tiling == 0 ? "KITEMENU" : "RHOMBMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

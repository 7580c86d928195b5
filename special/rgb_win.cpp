#include "special/rgb_win.h"

#include "view/settings_files.h"

namespace special {

TRGBWin::TRGBWin(platform::FrameWindow* parent, std::string_view title) : TPreRGBWin(parent, title) {
  qelWin.settingsFileName = view::kRgbSettingsFile;
}

void TRGBWin::SetupWindow() {
  TPreRGBWin::SetupWindow();
  const char* menuName = "RGBMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

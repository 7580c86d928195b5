#include "special/rgb_win.h"

#include "view/settings_files.h"

namespace special {

TRGBWin::TRGBWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {
  qelWin.settingsFileName = view::kRgbSettingsFile;
}

void TRGBWin::SetupWindow() {
  TQELWing::SetupWindow();
  const char* menuName = "RGBMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  LoadStartupFile();
}

}  // namespace special

#include "special/pre_rgb_win.h"

namespace special {

TPreRGBWin::TPreRGBWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {}

}  // namespace special

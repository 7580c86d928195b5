#include "engine/windows/fill_win.h"

namespace engine {

TFillWin::TFillWin(platform::FrameWindow* parent, std::string_view title) : TPreGeomWin(parent, title) {}

}  // namespace engine

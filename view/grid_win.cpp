#include "view/grid_win.h"

namespace view {

TGridWin::TGridWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {}

}  // namespace view

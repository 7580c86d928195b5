#include "solidview/geom_r_win.h"

namespace solidview {

TGeomRWin::TGeomRWin(platform::FrameWindow* parent, std::string_view title) : TGeomQWin(parent, title) {}

}  // namespace solidview

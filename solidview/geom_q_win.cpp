#include "solidview/geom_q_win.h"

namespace solidview {

TGeomQWin::TGeomQWin(platform::FrameWindow* parent, std::string_view title) : TGeomPSWin(parent, title) {}

}  // namespace solidview

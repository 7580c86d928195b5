#include "solid/geom_ps_win.h"

namespace solid {

TGeomPSWin::TGeomPSWin(platform::FrameWindow* parent, std::string_view title) : TGeomPWin(parent, title) {}

}  // namespace solid

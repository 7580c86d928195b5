#include "sphere/geom_s_win.h"

namespace sphere {

TGeomSWin::TGeomSWin(platform::FrameWindow* parent, std::string_view title) : TGeomQWin(parent, title, true) {}

}  // namespace sphere

#include "plane/geom_c_win.h"

namespace plane {

TGeomCWin::TGeomCWin(platform::FrameWindow* parent, std::string_view title) : TGeomBWin(parent, title) {}

}  // namespace plane

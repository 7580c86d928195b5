#include "plane/geom_c1_win.h"

namespace plane {

TGeomC1Win::TGeomC1Win(platform::FrameWindow* parent, std::string_view title) : TGeomCWin(parent, title) {}

}  // namespace plane

#include "plane/geom_a_win.h"

namespace plane {

TGeomAWin::TGeomAWin(platform::FrameWindow* parent, std::string_view title) : TMacWin(parent, title) {}

}  // namespace plane

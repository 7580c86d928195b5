#include "solid/geom_p_win.h"

namespace solid {

TGeomPWin::TGeomPWin(platform::FrameWindow* parent, std::string_view title) : TMacWin(parent, title) {
  SetGeometry(engine::kEuclideanPlane, 3);
}

}  // namespace solid

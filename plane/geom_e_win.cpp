#include "plane/geom_e_win.h"

namespace plane {

TGeomEWin::TGeomEWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane)
    : TGeomDWin(parent, title), hyperbolic(hyperbolicPlane) {
  SetGeometry(hyperbolic ? engine::kPoincareDisk : engine::kEuclideanPlane, 2);
}

}  // namespace plane

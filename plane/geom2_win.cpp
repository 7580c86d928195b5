#include "plane/geom2_win.h"

namespace plane {

TGeom2Win::TGeom2Win(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane)
    : TGeomEWin(parent, title, hyperbolicPlane) {}

}  // namespace plane

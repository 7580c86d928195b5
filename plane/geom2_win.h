#pragma once
// The plane geometry window, Euclidean or hyperbolic, that the launcher opens.

#include <cstdint>
#include <string_view>

#include "plane/geom_e_win.h"

namespace plane {

class TGeom2Win : public TGeomEWin {
 public:
  // hyperbolicPlane: 0 for the Euclidean plane, 1 for the hyperbolic plane.
  TGeom2Win(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane);
};

}  // namespace plane

#pragma once
// The plane step executors of movable points, intersections, centres, angles, perpendiculars,
// parallels, tangents, transformations, deletions, tangent circles, hyperbolic curves and conics.

#include <string_view>

#include "plane/geom_c1_win.h"

namespace plane {

class TGeomC2Win : public TGeomC1Win {
 public:
  TGeomC2Win(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace plane

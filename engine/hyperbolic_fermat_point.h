#pragma once
// The Fermat point of a hyperbolic triangle: the point whose hyperbolic distances to the three
// vertices have the least sum.

#include <array>

#include "engine/geometry_model.h"
#include "kernel/real.h"

namespace engine {

// The Fermat point of the triangle in the window's hyperbolic model: the vertex whose angle is
// 120 degrees or more, else the inner point from which the three sides are seen under 120 degrees
// each. False when the vertices do not span a triangle the search can handle (two coincide).
bool FermatPoint(const GeometryModel& model, const std::array<kernel::Point2, 3>& vertices,
                 kernel::Point2& out);

}  // namespace engine

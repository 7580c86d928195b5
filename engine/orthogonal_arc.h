#pragma once
// The arc through two points orthogonal to a circle of the plane: a geodesic of the disk bounded by
// that circle, as drawn.

#include "engine/geometry_model.h"
#include "kernel/real.h"

namespace engine {

// The circle (or line) through P1 and P2 orthogonal to the circle of centre C through Q.
// ends[2] is the centre of the carrying circle (and isLine false), or (0, 0) with isLine true when
// P1, P2 and the circle's centre are collinear; ends[0] and ends[1] are where it crosses the circle,
// ends[0] the one beyond P1. kDegenerateInput when P1 and P2 coincide (nothing written).
GeometryResult OrthogonalArc2(const kernel::Point2& C, const kernel::Point2& Q, const kernel::Point2& P1,
                              const kernel::Point2& P2, GeodesicEnds& ends, bool& isLine);

}  // namespace engine

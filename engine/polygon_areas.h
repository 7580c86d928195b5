#pragma once
// Area and perimeter of a polygon in the hyperbolic plane and on the unit sphere.
//
// Both work in place on the caller's vertices: consecutive vertices closer than 1e-13 (the closing
// side included) are first merged, dropping the later one, and the closed polygon is then written
// with copies of its first two vertices after the last. The span must therefore have room for
// last + 3 entries; without that room, or with a negative last, the result is (0, 0) and the
// vertices are left alone. A polygon that merges to one vertex gives (0, 0), one that merges to
// two vertices gives (0, twice their distance).

#include <span>

#include "engine/geometry_model.h"
#include "kernel/plane_primitives.h"
#include "kernel/real.h"

namespace engine {

// The hyperbolic polygon vertices[0..last] in the window's model: the area by the angle defect,
// (n - 2) pi minus the sum of the interior angles (reflex angles included, for whichever way the
// polygon runs), and the perimeter.
kernel::AreaPerimeter HyperbolicPolygonArea(const GeometryModel& model, std::span<kernel::Point2> vertices,
                                            int last);

// The spherical polygon of unit vectors vertices[0..last]: area 2 pi minus the absolute sum of the
// turning angles (in units of the squared radius), perimeter the sum of the central angles.
kernel::AreaPerimeter SphericalPolygonArea3(std::span<kernel::Point3> vertices, int last);

// The spherical area of the directions of points[1..n] seen from points[0], the sphere's centre.
// The vertices are replaced by their unit directions (with room for the closing copies after them,
// so the span needs n + 3 entries). 0 when a vertex coincides with the centre.
kernel::Real SphericalPolygonAreaOfPoints3(std::span<kernel::Point3> points, int n);

}  // namespace engine

#pragma once
// Where a point lies relative to a triangle, by the areas of the three triangles it makes with the
// sides: used to place a point in a triangle and keep it there while the triangle moves.

#include <array>

#include "kernel/real.h"

namespace kernel {

// The areas of PBC, PCA and PAB, each divided by their sum, and the largest of the three ratios.
// False (ratios and largest left alone) when the sum is below 1e-16.
bool PolygonAreas2(const Point2& a, const Point2& b, const Point2& c, const Point2& p, std::array<Real, 3>& ratios,
                   Real& largest);

}  // namespace kernel

#pragma once
// The outlines of the conic regions a figure fills: an ellipse as one closed polygon, the two
// branches of a hyperbola as one polygon each, and a parabola sampled over a stretch of its
// directrix far beyond the view. Each outline has kConicFillPoints points.

#include <array>

#include "kernel/conic_construction.h"
#include "kernel/real.h"

namespace kernel {

inline constexpr int kConicFillPoints = 101;
using ConicFillPolygon = std::array<Point2, kConicFillPoints>;

// centre + cos(k s) a + sin(k s) b for k = 0 .. 100, s = 2 pi / 100 (a and b the semi-axis
// vectors of the axes): the first and the last point coincide.
void EllipsePolygon(const ConicAxes& axes, ConicFillPolygon& out);

// The two branches: centre + w and centre - w with w = |sec t| a + tan t b for t = k 0.0314,
// k = 0 .. 100 (so t runs up to 3.14, past the quarter turn where the branch goes off to
// infinity and comes back along its other arm); point 0 is the vertex.
void HyperbolaPolygons(const ConicAxes& axes, ConicFillPolygon& first, ConicFillPolygon& second);

// The parabola of directrix AB and focus F over the stretch of the directrix from K + u to K - u,
// K the foot of the perpendicular from viewCentre and u the direction of AB of length
// 2 (halfWidth + halfHeight): point k lies over the directrix point K + u - k (2u / 100). Points
// that cannot be built (F on the directrix) are (0, 0). False, with out unchanged, when A and B
// coincide.
bool ParabolaPolygon(const Point2& a, const Point2& b, const Point2& focus, const Point2& viewCentre, Real halfWidth,
                     Real halfHeight, ConicFillPolygon& out);

}  // namespace kernel

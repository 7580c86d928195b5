#pragma once
// Points of a conic at a parameter: on an ellipse or a hyperbola given by its centre and semi-axis
// vectors, and on a parabola given by its focus and directrix.

#include "kernel/conic_construction.h"
#include "kernel/real.h"

namespace kernel {

// Where a hyperbola's point goes when its parameter points along an asymptote: far outside any view.
Real FarConicCoordinate();

// With angle 2 pi t: centre + A cos + B sin on an ellipse; centre + A / cos + B tan on a
// hyperbola (both branches as t runs over a turn), (FarConicCoordinate(), FarConicCoordinate())
// when |cos| is below 1e-13.
Point2 CentralConicPoint(const ConicAxes& axes, Real t, bool ellipse);

// The parabola of focus F and directrix D1 D2: with G the foot of F on the directrix and
// h = (G - F) / 2, the point G + t (-h.y, h.x) - (1 + t^2 / 4) h: the vertex at t = 0, an end of
// the latus rectum at t = 2 and -2. The focus itself when D1 and D2 coincide.
Point2 ParabolaPoint(const Point2& focus, const Point2& d1, const Point2& d2, Real t);

}  // namespace kernel

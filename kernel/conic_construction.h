#pragma once
// Conics from the user's defining data: ellipses and hyperbolas from foci, a point of the curve,
// an eccentricity or a directrix, and the equation of the conic through five points.
// Degenerate input gives false, never a non-finite value.

#include <array>
#include <span>

#include "kernel/real.h"

namespace kernel {

// An ellipse or hyperbola by its centre and two semi-axis vectors: [0] the centre; [1] the first
// semi-axis (from the centre towards the second focus, of length a); [2] the second semi-axis
// (the first turned by +90 degrees, of length b). For an ellipse a is the major and b the minor
// semi-axis; for a hyperbola a is the transverse and b the conjugate semi-axis.
using ConicAxes = std::array<Point2, 3>;

// Focal data of a conic, three points whose meaning depends on the routine (see below).
using FocalTriple = std::array<Point2, 3>;

// An eccentricity below this counts as 0, and one this close to 1 as a parabola's.
inline constexpr Real kEccentricityTolerance = SnapTolerance;

// Reads [A, B, F]: two points of the directrix and the focus. Writes [F, second focus, vertex
// between F and the directrix]. False, with the triple unchanged, when A and B coincide, when F
// lies on the directrix, or when e is not positive or is (within kEccentricityTolerance) 1: a
// parabola has no second focus.
bool FocusDirectrixToFoci(FocalTriple& triple, Real e);

// The ellipse (e < 1) or hyperbola (e > 1) of focus, directrix and eccentricity: the triple is
// turned by FocusDirectrixToFoci and then read by ConicFromFociPoint.
bool ConicFromFocusDirectrix(FocalTriple& triple, Real e, ConicAxes& axes);

// Reads [F1, F2, P]: the two foci and a point of the curve. Writes the axes and the eccentricity
// c / a. False when the foci coincide (the centre is written and axes[1] = P) or, for a
// hyperbola, when P is as far from one focus as from the other (a = 0; the centre and two copies
// of F2 - centre are written). The eccentricity is written only on success.
bool ConicFromFociPoint(const FocalTriple& triple, bool ellipse, ConicAxes& axes, Real& eccentricity);

// The ellipse (e < 1) or hyperbola (e > 1) of foci F1, F2 and eccentricity e. False, writing
// nothing, when e is not above kEccentricityTolerance or is within it of 1; false when the foci
// coincide (the centre and two copies of F2 - centre are then written).
bool ConicFromFociEcc(const Point2& f1, const Point2& f2, Real e, ConicAxes& axes);

// The coefficients a..f of a x^2 + b xy + c y^2 + d x + e y + f = 0 through the five points,
// scaled so that the coefficient of the column left without a pivot is 1 (f = 1 for points in
// general position). False, with coef unchanged, when the points do not fix one conic (two
// equal points, four on one line).
bool ConicThroughFivePoints(std::span<const Point2, 5> points, std::array<Real, 6>& coef);

}  // namespace kernel

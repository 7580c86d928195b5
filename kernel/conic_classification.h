#pragma once
// Sorting a conic equation into its shape: the nine kinds of ConicKind with the shape points the
// conic drawing reads, in the frame turned so that the equation has no xy term.

#include "kernel/conic_equation_records.h"

namespace kernel {

// Reads the record's coefficients a..f and writes its kind, shape points, circle flag and angle
// (see conic_equation_records.h for how shape points map to the plane):
//   ellipse:       centre; major semi-axis vector; minor semi-axis vector; centre-to-focus vector
//   parabola:      focus; two points of the directrix one unit apart; vertex
//   hyperbola:     centre; transverse semi-axis; conjugate semi-axis; centre-to-focus vector
//   one line:      two points of the line (a double line too)
//   parallel lines: two points of the first line; two points of the second
//   crossing lines: the crossing point; a point of each line; the crossing point again
//   single point:  the point
//   no real point: zero, or the centre of an imaginary ellipse
//   every point:   zero
// Shape points not listed are zero. The result is always defined: an equation the cases do not
// cover (a quadratic part too large for the constant term to tell its shape) comes out as
// kConicNoRealPoint with zero shape points.
void ClassifyConic(ConicRecord& record);

}  // namespace kernel

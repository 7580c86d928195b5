#pragma once
// The direction of a plane vector, as the drawing code measures it.

#include "kernel/vector2.h"

namespace kernel {

// The angle of (x, y) from the positive x axis in (-pi, pi]; a vector with |x| below
// NullTolerance points straight up (pi/2, the zero vector included) or down (-pi/2).
inline Real VectorAngle(Real x, Real y) { return ArcTan2(x, y); }

}  // namespace kernel

#pragma once
// Shared 80-bit constants, computed once when the program starts and read-only afterwards.

#include "kernel/real.h"

namespace kernel {

extern const Real SqrtPi;         // sqrt(pi)
extern const Real LnSqrtPi;       // ln(sqrt(pi))
extern const Real TwoOverSqrtPi;  // 2 / sqrt(pi)
extern const Real SqrtTwoPi;      // sqrt(2 pi)
extern const Real InvSqrtTwoPi;   // 1 / sqrt(2 pi)
extern const Real Sqrt2;
extern const Real Sqrt3;
extern const Real HalfSqrt3;      // sqrt(3) / 2
extern const Real TetraHeight;    // height of a regular tetrahedron of edge 2
extern const Real GoldenRatio;
extern const Real Ln2;
extern const Real Ln10;
extern const Real LnTwoPi;
extern const Real Log10E;         // 1 / ln(10)
extern const Real ExpArgLimit;    // 5000
extern const Real ExpHugeLimit;   // e^5000: a size at or above it is an overflow
extern const Real ExpTinyLimit;   // e^-5000: a size at or below it is nil
extern const Real HugeReal;       // e^42 in double precision, the kernel's stand-in for infinity
extern const Point2 UnitX2;       // (1, 0)
extern const Point2 Origin2;      // (0, 0)
extern const Point3 Origin3;      // (0, 0, 0)

}  // namespace kernel

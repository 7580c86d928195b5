#pragma once
// Reals and points of the whole program: 80-bit extended reals (long double on x86-64).

#include <cfloat>

namespace kernel {

using Real = long double;
static_assert(LDBL_MANT_DIG == 64, "Real must be the 80-bit x87 extended type");

// pi as the program has always used it: the double-precision pi widened to 80 bits
// (mantissa C90FDAA2 2168C000), not the full extended-precision value.
inline constexpr Real Pi = static_cast<Real>(3.14159265358979323846);
inline constexpr Real TwoPi = 2 * Pi;

// Tolerances are double-precision literals widened to 80 bits, on purpose.
inline constexpr Real SquaredLengthFloor = static_cast<Real>(1e-31);  // a sum of squares below it has length 0
inline constexpr Real NullTolerance = static_cast<Real>(1e-16);       // a length, pivot or determinant that counts as zero
inline constexpr Real SnapTolerance = static_cast<Real>(1e-13);       // a cosine, coordinate or discriminant snapped to its limit

struct Point2 {
  Real x = 0;
  Real y = 0;
};

struct Point3 {
  Real x = 0;
  Real y = 0;
  Real z = 0;
};

// On disk: x then y (then z), each as its 10-byte x87 image.
inline constexpr int kRealBytes = 10;
inline constexpr int kPoint2Bytes = 2 * kRealBytes;
inline constexpr int kPoint3Bytes = 3 * kRealBytes;

}  // namespace kernel

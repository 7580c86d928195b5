#pragma once
// Point2 read as a complex number z = x + iy, for the hyperbolic primitives and constructions.

#include <cmath>

#include "kernel/real.h"

namespace engine {

inline constexpr kernel::Point2 kComplexOne{1, 0};

inline kernel::Point2 ComplexConj(const kernel::Point2& z) {
  return {z.x, -z.y};
}

inline kernel::Point2 ComplexTimes(const kernel::Point2& a, const kernel::Point2& b) {
  return {a.x * b.x - a.y * b.y, a.x * b.y + a.y * b.x};
}

// |z|, exactly 0 when the squared modulus is below the squared-length floor.
inline kernel::Real ComplexModulus(const kernel::Point2& z) {
  const kernel::Real squared = z.x * z.x + z.y * z.y;
  return squared < kernel::SquaredLengthFloor ? 0 : std::sqrt(squared);
}

// num / den as num conj(den) / |den|^2; a squared modulus below the null tolerance is replaced by
// the factor 1e16, so a vanishing denominator gives a large but finite quotient.
inline kernel::Point2 ComplexQuotient(const kernel::Point2& num, const kernel::Point2& den) {
  const kernel::Real squared = den.x * den.x + den.y * den.y;
  const kernel::Real factor = squared < kernel::NullTolerance ? static_cast<kernel::Real>(1e16) : 1 / squared;
  const kernel::Point2 product = ComplexTimes(num, ComplexConj(den));
  return {product.x * factor, product.y * factor};
}

}  // namespace engine

#include "kernel/hyperbolic_triangle_data.h"

#include <cmath>
#include <numbers>

namespace kernel {

namespace {

constexpr Real kAngleSumMargin = static_cast<Real>(1e-13);
constexpr Real kPi = std::numbers::pi_v<Real>;

// The disk radius of the distance d whose hyperbolic cosine is X: e^d = X + sqrt(X^2 - 1).
Real DiskRadiusOfCosh(Real X) {
  if (X < 1) X = 1;  // rounding below 1 means a zero side
  const Real e = X + std::sqrt((X - 1) * (X + 1));
  return (e - 1) / (e + 1);
}

}  // namespace

Real DiskRadiusOfDistance(Real d) {
  // tanh(d/2) is (e^d - 1)/(e^d + 1) without the overflow of e^d for long sides.
  return std::tanh(d / 2);
}

int HyperbolicTriangleFromAngles(Real& A, Real& B, Real& C, HyperbolicTriangleShape& shape) {
  A *= kPi / 180;
  B *= kPi / 180;
  C *= kPi / 180;
  if (!(A + B + C + kAngleSumMargin <= kPi)) return kTriangleInconsistent;
  const Real coshA = (std::cos(A) + std::cos(B) * std::cos(C)) / (std::sin(B) * std::sin(C));
  const Real coshC = (std::cos(C) + std::cos(A) * std::cos(B)) / (std::sin(A) * std::sin(B));
  if (!std::isfinite(coshA) || !std::isfinite(coshC)) return kTriangleInconsistent;
  shape.angleB = B;
  shape.diskA = DiskRadiusOfCosh(coshA);
  shape.diskC = DiskRadiusOfCosh(coshC);
  return 0;
}

void HyperbolicTriangleFromSAS(Real c, Real B, Real a, HyperbolicTriangleShape& shape) {
  shape.angleB = B;
  shape.diskC = DiskRadiusOfDistance(c);
  shape.diskA = DiskRadiusOfDistance(a);
}

int HyperbolicTriangleFromSides(Real c, Real b, Real a, HyperbolicTriangleShape& shape) {
  Real cosB = (std::cosh(c) * std::cosh(a) - std::cosh(b)) / (std::sinh(c) * std::sinh(a));
  if (!(std::fabs(cosB) <= 1 + kCosineRoundingSlack)) return kTriangleInconsistent;
  if (cosB > 1) cosB = 1;
  if (cosB < -1) cosB = -1;
  shape.angleB = std::acos(cosB);
  shape.diskC = DiskRadiusOfDistance(c);
  shape.diskA = DiskRadiusOfDistance(a);
  return 0;
}

}  // namespace kernel

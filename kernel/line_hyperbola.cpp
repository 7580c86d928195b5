#include "kernel/line_hyperbola.h"

#include <algorithm>
#include <cmath>

#include "kernel/vector2.h"

namespace kernel {

namespace {

// Quadratic and linear coefficients below this count as zero.
constexpr Real kCoefficientTolerance = static_cast<Real>(1e-5);

KernelResult TwoPointCode(Real t_lo, Real t_hi) {
  if (t_hi <= 0) return kTwoBeforeA;
  if (t_lo >= 1) return kTwoBeyondB;
  if (t_lo <= 0 && t_hi >= 1) return kTwoAroundSegment;
  if (t_hi >= 1) return kFirstOnSecondBeyond;
  if (t_lo <= 0) return kFirstBeforeSecondOn;
  return kTwoOnSegment;
}

}  // namespace

KernelResult IntersectLineHyperbola2(const Point2& p, const Point2& q, const Point2& f1, const Point2& f2, Real e,
                                     std::array<Point2, 2>& out) {
  if (!(e > 1)) return kNoPoint;
  const Point2 centre = Midpoint2(f1, f2);
  Point2 u = f2 - centre;
  const Real c = Dot2(u, u) < SquaredLengthFloor ? 0 : std::sqrt(Dot2(u, u));
  if (!Normalize2(u)) return kNoPoint;  // the foci coincide
  const Real a = c / e;
  const Real a2 = a * a;
  const Real b2 = c * c - a2;
  if (!(b2 > 0)) return kNoPoint;
  const Real b = std::sqrt(b2);
  const Point2 v{-u.y, u.x};

  // The line in the frame of the focal axis, where the curve is x^2/a^2 - y^2/b^2 = 1.
  const Point2 from_centre = p - centre;
  const Point2 d = q - p;
  const Real px = Dot2(from_centre, u);
  const Real py = Dot2(from_centre, v);
  const Real dx = Dot2(d, u);
  const Real dy = Dot2(d, v);

  const Real quadratic = b2 * dx * dx - a2 * dy * dy;
  const Real w = dy * px - py * dx;
  const Real delta = quadratic + w * w;  // the discriminant over a^2 b^2
  if (delta < 0) return kNoPoint;
  const Real s = delta >= SnapTolerance ? a * b * std::sqrt(delta) : 0;
  const Real half_linear = a2 * dy * py - b2 * dx * px;  // minus half the coefficient of t

  if (std::fabs(quadratic) >= kCoefficientTolerance) {
    const Real inverse = 1 / quadratic;
    const Real t1 = (half_linear - s) * inverse;
    const Real t2 = (half_linear + s) * inverse;
    const Real t_lo = std::min(t1, t2);
    const Real t_hi = std::max(t1, t2);
    out = {p + t_hi * d, p + t_lo * d};
    return TwoPointCode(t_lo, t_hi);
  }
  // Parallel to an asymptote: the equation in t is linear.
  if (std::fabs(half_linear) < kCoefficientTolerance) return kNoPoint;
  const Real t = (b2 * (px * px - a2) - a2 * py * py) * static_cast<Real>(0.5) / half_linear;
  const Point2 point = p + t * d;
  out = {point, point};
  return kExactlyOnePoint;
}

}  // namespace kernel

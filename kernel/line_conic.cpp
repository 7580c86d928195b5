#include "kernel/line_conic.h"

#include <cmath>
#include <utility>

#include "kernel/conic_construction.h"
#include "kernel/conic_equation_records.h"
#include "kernel/kernel_result.h"
#include "kernel/line_ellipse_parabola.h"
#include "kernel/line_hyperbola.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kTolerance = SnapTolerance;

}  // namespace

int LineConicIntersection(const std::array<Real, 6>& coef, LineConicBlock& block) {
  const auto [a, b, c, d, e, f] = coef;
  const Point2 direction = block.q - block.p;
  if (Dot2(direction, direction) < NullTolerance) return 0;

  // Along the line the equation becomes qa s^2 + qb s + qc = 0 in s = x, with y = m x + k, or
  // in s = y on a vertical line x = x0.
  const bool vertical = std::fabs(direction.x) < kTolerance;
  const Real x0 = block.p.x;
  Real m = 0;
  Real k = 0;
  Real qa, qb, qc;
  if (vertical) {
    qa = c;
    qb = e + b * x0;
    qc = a * x0 * x0 + f + d * x0;
  } else {
    m = direction.y / direction.x;
    k = block.p.y - block.p.x * m;
    qa = c * m * m + a + b * m;
    qb = e * m + d + 2 * c * k * m + b * k;
    qc = c * k * k + f + e * k;
  }
  const auto point_at = [&](Real s) { return vertical ? Point2{x0, s} : Point2{s, k + s * m}; };

  const Real disc = qb * qb - 4 * qa * qc;
  if (disc < 0) return 0;
  if (std::fabs(qa) >= kTolerance) {
    const Real root = disc >= kTolerance ? std::sqrt(disc) : 0;  // a touching line: two equal points
    Point2 x1 = point_at((root - qb) / (2 * qa));
    Point2 x2 = point_at((-qb - root) / (2 * qa));
    if (Dot2(direction, x1 - x2) < 0) std::swap(x1, x2);
    block.first = x1;
    block.second = x2;
    return 2;
  }
  if (std::fabs(qb) >= kTolerance) {
    block.first = point_at(-qc / qb);
    return 1;
  }
  return 0;
}

int IntersectLineWithFivePointConic(LineConicBlock& block) {
  ConicRecord conic;
  InitConicRecord(conic);
  if (!ConicThroughFivePoints(block.conic_points, conic.coefficients)) return 0;
  return LineConicIntersection(conic.coefficients, block);
}

int IntersectLineWithConicKind(LineConicBlock& block, std::int16_t kind, Real e) {
  const std::array<Point2, 5>& focal = block.conic_points;
  std::array<Point2, 2> out{block.first, block.second};
  KernelResult code;
  switch (kind) {
    case kConicEllipse:
      code = IntersectLineEllipse2(block.p, block.q, focal[0], focal[1], e, out);
      break;
    case kConicHyperbola:
      code = IntersectLineHyperbola2(block.p, block.q, focal[0], focal[1], e, out);
      break;
    default:
      code = IntersectLineParabola2(block.p, block.q, focal[0], focal[1], focal[2], out);
      break;
  }
  block.first = out[0];
  block.second = out[1];
  if (code == kNoPoint) return 0;
  return IsSinglePoint(code) ? 1 : 2;
}

}  // namespace kernel

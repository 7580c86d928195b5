#include "kernel/conic_fill_polygons.h"

#include <cmath>

#include "kernel/line_intersection2.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kTwoPi = static_cast<Real>(6.283185307179586476925286766559L);
constexpr Real kHyperbolaStep = static_cast<Real>(0.0314);
constexpr Real kCoincidentSquare = static_cast<Real>(1e-16);

// (c, s) turned on by the angle whose cosine and sine are (dc, ds).
void Advance(Real& c, Real& s, Real dc, Real ds) {
  const Real nc = c * dc - s * ds;
  s = s * dc + c * ds;
  c = nc;
}

}  // namespace

void EllipsePolygon(const ConicAxes& axes, ConicFillPolygon& out) {
  const Real step = kTwoPi / 100;
  const Real dc = std::cos(step);
  const Real ds = std::sin(step);
  Real c = 1;
  Real s = 0;
  for (Point2& p : out) {
    p = axes[0] + axes[1] * c + axes[2] * s;
    Advance(c, s, dc, ds);
  }
}

void HyperbolaPolygons(const ConicAxes& axes, ConicFillPolygon& first, ConicFillPolygon& second) {
  const Real dc = std::cos(kHyperbolaStep);
  const Real ds = std::sin(kHyperbolaStep);
  Real c = 1;
  Real s = 0;
  for (int k = 0; k < kConicFillPoints; ++k) {
    // |sec t| a + tan t b; near the quarter turn the cosine is tiny but never zero at these steps.
    const Real sec = c == 0 ? 0 : 1 / c;
    const Point2 w = axes[1] * std::fabs(sec) + axes[2] * (s * sec);
    first[static_cast<std::size_t>(k)] = axes[0] + w;
    second[static_cast<std::size_t>(k)] = axes[0] - w;
    Advance(c, s, dc, ds);
  }
}

bool ParabolaPolygon(const Point2& a, const Point2& b, const Point2& focus, const Point2& viewCentre, Real halfWidth,
                     Real halfHeight, ConicFillPolygon& out) {
  const Point2 ab = b - a;
  if (Dot2(ab, ab) <= kCoincidentSquare) return false;
  Point2 k;
  if (!FootOnLine2(viewCentre, a, b, k)) return false;
  Point2 u = ab;
  ScaleTo2(u, 2 * (halfWidth + halfHeight));
  const Point2 s = k + u;
  const Point2 t = k - u;
  const Point2 v = t - s;
  const Point2 w{-v.y, v.x};
  const Point2 d = v * static_cast<Real>(0.01);
  for (int i = 0; i < kConicFillPoints; ++i) {
    const Point2 q = s + d * static_cast<Real>(i);
    const Point2 m = Midpoint2(focus, q);
    const Point2 fq = focus - q;
    const Point2 m2 = m + Point2{-fq.y, fq.x};
    Point2 x;
    if (IntersectLines2Point(q, q + w, m, m2, x) != kLinesMeet) x = {0, 0};
    out[static_cast<std::size_t>(i)] = x;
  }
  return true;
}

}  // namespace kernel

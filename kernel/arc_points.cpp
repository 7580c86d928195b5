#include "kernel/arc_points.h"

#include <algorithm>
#include <cmath>

#include "kernel/number_text.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

constexpr Real kLengthTolerance = static_cast<Real>(1e-13);

bool Finite(const Point2& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

Real Length(const Point2& v) {
  const Real s = v.x * v.x + v.y * v.y;
  return s < SquaredLengthFloor ? 0 : std::sqrt(s);
}

bool StrictlyInside(const Point2& p, const Box2& b) {
  return p.x > b.xmin && p.x < b.xmax && p.y > b.ymin && p.y < b.ymax;
}

}  // namespace

int ArcPoints(const Point2& centre, const Point2& startVector, Real sweep, Real pixelWidth, const Box2& view,
              std::vector<Point2>* out) {
  if (out) out->clear();
  if (!Finite(centre) || !Finite(startVector) || !std::isfinite(sweep) || !std::isfinite(pixelWidth)) return 0;
  const Real r = Length(startVector);
  int n = 2;
  if (!(r < pixelWidth + kLengthTolerance)) {
    const Real steps = (std::fabs(sweep) / 2) / std::acos(1 - (pixelWidth / 2) / r);
    // Bounded before it becomes an integer, so a huge radius cannot overflow the count.
    n = std::max(kArcFewestPoints, RoundLD(std::min<Real>(steps, 4 * kArcMostPoints)));
    if (n > kArcMostPoints) n = kArcMostPoints;
  }
  if (!out) return n;
  bool outside = false;
  out->reserve(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    Point2 v = startVector;
    Rotate2(v, k * sweep / (n - 1));
    const Point2 p = centre + v;
    outside = outside || !(p.x >= view.xmin && p.x <= view.xmax && p.y >= view.ymin && p.y <= view.ymax);
    out->push_back(p);
  }
  return outside ? -n : n;
}

void ArcPiecesInBox(const Point2& centre, const Point2& start, Real sweep, bool whole, const Box2& box,
                    std::vector<ArcPiece>& pieces) {
  pieces.clear();
  if (!Finite(centre) || !Finite(start) || !std::isfinite(sweep)) return;
  const Real r = Length(start - centre);
  std::vector<Real> angles;
  auto cut = [&](const Point2& at) {
    Real a = SignedAngle2(start, centre, at);
    if (a < 0) a += TwoPi;
    angles.push_back(a);
  };
  // The circle against the four side lines; a crossing counts strictly between the side's ends.
  for (const Real x : {box.xmin, box.xmax}) {
    const Real d = x - centre.x;
    const Real e = r * r - d * d;
    if (!(e > NullTolerance)) continue;
    for (const Real y : {centre.y - std::sqrt(e), centre.y + std::sqrt(e)})
      if (y > box.ymin && y < box.ymax) cut({x, y});
  }
  for (const Real y : {box.ymin, box.ymax}) {
    const Real d = y - centre.y;
    const Real e = r * r - d * d;
    if (!(e > NullTolerance)) continue;
    for (const Real x : {centre.x - std::sqrt(e), centre.x + std::sqrt(e)})
      if (x > box.xmin && x < box.xmax) cut({x, y});
  }
  const bool startInside = StrictlyInside(start, box);
  if (angles.empty()) {
    if (startInside) pieces.push_back({0, sweep});
    return;
  }
  Point2 endVector = start - centre;
  Rotate2(endVector, sweep);
  if (startInside) angles.push_back(0);
  if (StrictlyInside(centre + endVector, box)) angles.push_back(sweep);
  std::sort(angles.begin(), angles.end());
  if (whole && startInside && angles.size() > 2) {
    // The piece through the start: from the last cut (one turn back) to the first.
    angles.front() = angles[angles.size() - 2] - TwoPi;
    angles.resize(angles.size() - 2);
  }
  for (std::size_t k = 0; k + 1 < angles.size(); k += 2)
    if (angles[k + 1] < sweep + static_cast<Real>(0.0001)) pieces.push_back({angles[k], angles[k + 1]});
}

int SphereFillPath3(const Point3& O, const Point3& A, const Point3& B, std::vector<Point3>* out) {
  if (out) out->clear();
  const Real t = AngleAt3(A, O, B);
  const Real count = t * 50 / Pi;
  // t lies in 0..pi, so there are at most 50 points.
  const int n = std::isfinite(count) && count >= 2 ? static_cast<int>(count) : 2;
  if (!out) return n;
  const Point3 a = A - O;
  Point3 normal = Cross3(a, B - O);
  if (!Normalize3(normal)) {
    out->push_back(A);
    return 1;
  }
  const Point3 w = Cross3(normal, a);
  const Real s = t / (n - 1);
  const Real cs = std::cos(s);
  const Real sn = std::sin(s);
  Real c = 1;
  Real si = 0;
  out->reserve(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    out->push_back(O + c * a + si * w);
    const Real nextC = c * cs - si * sn;
    si = si * cs + c * sn;
    c = nextC;
  }
  return n;
}

}  // namespace kernel

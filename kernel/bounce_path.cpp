#include "kernel/bounce_path.h"

#include <array>
#include <cmath>

#include "kernel/conic_construction.h"
#include "kernel/kernel_result.h"
#include "kernel/line_ellipse_parabola.h"
#include "kernel/line_hyperbola.h"
#include "kernel/line_intersection2.h"
#include "kernel/plane_intersections.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kTolerance = static_cast<Real>(1e-13);
constexpr Real kTiny = static_cast<Real>(1e-16);
constexpr int kFamilies = 8;
// Farther than any wall: e^42.
const Real kFar = std::exp(static_cast<Real>(42));

struct Search {
  Point2 hit;
  int index = -1;
  Real distance = 0;
};

Real RayParameter(const Point2& p, const Point2& d, const Point2& x) {
  if (std::fabs(d.x) > kTiny) return (x.x - p.x) / d.x;
  if (std::fabs(d.y) > kTiny) return (x.y - p.y) / d.y;
  return kFar;
}

Search HitLines(const std::vector<BounceLineWall>& lines, const Point2& p, const Point2& d, int excluded) {
  Search best;
  best.distance = kFar;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const BounceLineWall& w = lines[i];
    if (!w.exists || static_cast<int>(i) == excluded) continue;
    Real t = 0;
    Real u = 0;
    Point2 x;
    if (IntersectLines2(p, p + d, w.first, w.last, t, u, x) != kLinesMeet) continue;
    if (!(t > 0 && t < best.distance)) continue;
    const bool onWall = (u >= 0 && u <= 1) || (u < 0 && w.continuesBefore) || (u > 1 && w.continuesAfter);
    if (!onWall) continue;
    best = {x, static_cast<int>(i), t};
  }
  return best;
}

// The shared rule of circles and conics: code and the two meeting points of one wall.
void TakeCurveHit(KernelResult code, const std::array<Point2, 2>& x, bool excluded, const Point2& p, const Point2& d,
                  Real tolerance, int index, Search& best) {
  if (excluded && code == kExactlyOnePoint) return;
  if (excluded && code == kFirstBeforeSecondOn && TaxiDist2(p, x[0]) < tolerance) return;
  const bool accepted = code == kTwoAroundSegment || code == kFirstBeforeSecondOn || code == kTwoOnSegment ||
                        code == kFirstOnSecondBeyond || code == kTwoBeyondB || code == kExactlyOnePoint;
  if (!accepted) return;
  const Point2 hit = code == kTwoAroundSegment || code == kFirstBeforeSecondOn || excluded ? x[0] : x[1];
  const Real t = RayParameter(p, d, hit);
  if (code == kExactlyOnePoint && !(t > 0)) return;
  if (t < best.distance) best = {hit, index, t};
}

KernelResult IntersectConic(const BounceConicWall& w, const Point2& p, const Point2& q, std::array<Point2, 2>& x) {
  switch (w.curve) {
    case BounceCurve::Ellipse: return IntersectLineEllipse2(p, q, w.a, w.b, w.e, x);
    case BounceCurve::Circle: return IntersectLineCircle2(p, q, w.a, Dist2(w.a, w.c), x);
    case BounceCurve::Hyperbola: return IntersectLineHyperbola2(p, q, w.a, w.b, w.e, x);
    case BounceCurve::Parabola: return IntersectLineParabola2(p, q, w.a, w.b, w.c, x);
    default: return kNoPoint;
  }
}

Search HitCircles(const std::vector<BounceCircleWall>& circles, const Point2& p, const Point2& d, int excluded,
                  Real tolerance) {
  Search best;
  best.distance = kFar;
  for (std::size_t i = 0; i < circles.size(); ++i) {
    const BounceCircleWall& w = circles[i];
    if (!w.exists) continue;
    std::array<Point2, 2> x{};
    const KernelResult code = IntersectLineCircle2(p, p + d, w.centre, Dist2(w.centre, w.onCircle), x);
    TakeCurveHit(code, x, static_cast<int>(i) == excluded, p, d, tolerance, static_cast<int>(i), best);
  }
  return best;
}

Search HitConics(const std::vector<BounceConicWall>& list, int kind, const Point2& p, const Point2& d, int excluded,
                 Real tolerance) {
  Search best;
  best.distance = kFar;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const BounceConicWall& w = list[i];
    if (w.kind != kind || w.curve == BounceCurve::None) continue;
    std::array<Point2, 2> x{};
    const KernelResult code = IntersectConic(w, p, p + d, x);
    TakeCurveHit(code, x, static_cast<int>(i) == excluded, p, d, tolerance, static_cast<int>(i), best);
  }
  return best;
}

// The tangent of a conic wall at h: the perpendicular of the sum of the unit vectors towards the
// two foci (the second reversed for a hyperbola); for a parabola the second is the directrix's
// normal on the focus's side.
Point2 ConicTangent(const BounceConicWall& w, const Point2& h) {
  Point2 u = w.a - h;
  Point2 v = w.b - h;
  if (w.curve == BounceCurve::Circle) v = u;
  if (w.curve == BounceCurve::Hyperbola) v = -v;
  if (w.curve == BounceCurve::Parabola) {
    u = w.c - h;
    const Point2 ab = w.b - w.a;
    v = {-ab.y, ab.x};
    if (Dot2(v, w.c - w.a) < 0) v = -v;
  }
  Normalize2(u);
  Normalize2(v);
  const Point2 s = u + v;
  return {-s.y, s.x};
}

}  // namespace

BounceConicWall ConicBounceWall(std::uint16_t kindWord, const Point2& a, const Point2& b, const Point2& c, Real e) {
  BounceConicWall w;
  w.a = a;
  w.b = b;
  w.c = c;
  w.e = e;
  int kind = kindWord;
  if (kindWord == 1 || kindWord == 4) {
    if (e + kTolerance < 1) kind = 0;
    else if (e > 1 + kTolerance) kind = 2;
  }
  if (kind == 4 || kind < 0 || kind > 2) return w;
  w.kind = kind;
  if (kindWord == 1 && kind != 1) {
    FocalTriple triple{a, b, c};
    if (!FocusDirectrixToFoci(triple, e)) {
      w.kind = -1;
      return w;
    }
    w.a = triple[0];
    w.b = triple[1];
  }
  if (kind == 1) w.curve = BounceCurve::Parabola;
  else if (kind == 2) w.curve = BounceCurve::Hyperbola;
  else w.curve = e > kTolerance ? BounceCurve::Ellipse : BounceCurve::Circle;
  return w;
}

int NextBounce(const BounceWalls& walls, Point2& position, Point2& direction, BounceWall& last, Real tolerance) {
  const Point2 p = position;
  const Point2 d = direction;
  int winner = -1;
  Search best;
  best.distance = kFar;
  for (int family = 0; family < kFamilies; ++family) {
    const int excluded = last.family == family ? last.index : -1;
    Search s;
    if (family == 0) s = HitLines(walls.lines, p, d, excluded);
    else if (family == 1) s = HitCircles(walls.circles, p, d, excluded, tolerance);
    else if (family < 5) s = HitConics(walls.threePointConics, family - 2, p, d, excluded, tolerance);
    else s = HitConics(walls.twoFociConics, family - 5, p, d, excluded, tolerance);
    if (s.index >= 0 && s.distance < best.distance) {
      best = s;
      winner = family;
    }
  }
  if (winner < 0) return kBounceNoWall;
  position = best.hit;
  last = {winner, best.index};
  Point2 tangent;
  if (winner == 0) {
    const BounceLineWall& w = walls.lines[static_cast<std::size_t>(best.index)];
    tangent = w.last - w.first;
  } else if (winner == 1) {
    const Point2 r = best.hit - walls.circles[static_cast<std::size_t>(best.index)].centre;
    tangent = {-r.y, r.x};
  } else {
    const auto& list = winner < 5 ? walls.threePointConics : walls.twoFociConics;
    tangent = ConicTangent(list[static_cast<std::size_t>(best.index)], best.hit);
  }
  if (!ReflectAcrossDirection2(direction, tangent)) return kBounceNoTangent;
  return 0;
}

int ComputeBouncePath(const BounceWalls& walls, const BounceRun& run, std::vector<Point2>& points) {
  const int m = run.maxBounces < 0 ? 0 : run.maxBounces;
  points.assign(1, run.start);
  Point2 p = run.start;
  Point2 d = run.aim - run.start;
  BounceWall last = run.startWall;
  for (int k = 1;; ++k) {
    const int result = NextBounce(walls, p, d, last, run.tolerance);
    if (result == 0 && k <= m) {
      points.push_back(p);
      continue;
    }
    if (result == 0) {
      points.push_back(Midpoint2(points.back(), p));
      return k;
    }
    Point2 leg = d;
    ScaleTo2(leg, run.reach);
    points.push_back(points.back() + leg);
    return k;
  }
}

}  // namespace kernel

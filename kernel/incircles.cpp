#include "kernel/incircles.h"

#include "kernel/side_tests.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// The projection of the centre on the plane of the great circle with the given pole (not unit).
Point3 FootOnGreatCircle(const Point3& pole, const Point3& centre) { return Cross3(pole, Cross3(centre, pole)); }

}  // namespace

void TriangleIncircle2(std::span<const Point2, 3> v, std::span<Point2, 4> out, std::span<Real, 3> len) {
  const Real a = Dist2(v[1], v[2]);
  const Real b = Dist2(v[2], v[0]);
  const Real c = Dist2(v[0], v[1]);
  len[0] = a;
  len[1] = b;
  len[2] = c;

  const Real perimeter = a + b + c;
  out[0] = perimeter >= NullTolerance ? v[1] + (c / perimeter) * (v[2] - v[1]) - (a / perimeter) * (v[1] - v[0])
                                      : v[0];
  // Each touch point lies at distance s minus the opposite side from the vertex it is measured from.
  out[1] = c >= NullTolerance ? v[1] - (((c + a - b) / 2) / c) * (v[1] - v[0]) : v[0];
  out[2] = a >= NullTolerance ? v[2] - (((a + b - c) / 2) / a) * (v[2] - v[1]) : v[1];
  out[3] = b >= NullTolerance ? v[0] - (((b + c - a) / 2) / b) * (v[0] - v[2]) : v[2];
}

void TriangleIncircleSphere3(std::span<const Point3, 3> v, std::span<Point3, 4> out) {
  Point3 mc = Cross3(v[0], v[1]);
  Point3 ma = Cross3(v[1], v[2]);
  Point3 mb = Cross3(v[2], v[0]);
  Normalize3(mc);
  Normalize3(ma);
  Normalize3(mb);

  // The point at equal angular distances from the three side great circles, on the triangle's side.
  Point3 centre = Cross3(mc - ma, mb - ma);
  Normalize3(centre);
  if (!SameSide3(v[0], v[1], v[2], centre)) centre = -centre;
  for (Point3* pole : {&mc, &ma, &mb}) {
    if (Dot3(*pole, centre) < 0) *pole = -*pole;
  }

  out[0] = centre;
  out[1] = FootOnGreatCircle(ma, centre);
  out[2] = FootOnGreatCircle(mb, centre);
  out[3] = FootOnGreatCircle(mc, centre);
  for (Point3& p : out) Normalize3(p);
}

void Kind134Plane2(std::span<const Point2, 3> v, std::span<Point2, 4> out) {
  const Real a = Dist2(v[1], v[2]);
  const Real b = Dist2(v[2], v[0]);
  const Real c = Dist2(v[0], v[1]);
  const Real d = (b + c) - a;
  const Real s = (a + b + c) / 2;

  out[0] = d > NullTolerance ? v[0] + (c / d) * (v[2] - v[0]) + (b / d) * (v[1] - v[0])
                             : Point2{kMissingExcentreCoordinate, kMissingExcentreCoordinate};
  out[1] = c >= NullTolerance ? v[0] + (s / c) * (v[1] - v[0]) : v[0];
  out[2] = a >= NullTolerance ? v[1] + ((s - c) / a) * (v[2] - v[1]) : v[1];
  out[3] = b >= NullTolerance ? v[0] + (s / b) * (v[2] - v[0]) : v[2];
}

bool Kind134Sphere3(std::span<const Point3, 3> v, std::span<Point3, 4> out) {
  Point3 mc = Cross3(v[0], v[1]);
  Point3 ma = Cross3(v[1], v[2]);
  Point3 mb = Cross3(v[2], v[0]);
  if (!Normalize3(mc) || !Normalize3(ma) || !Normalize3(mb)) return false;

  // Equal and opposite angular distances to side a and to sides b and c.
  Point3 excentre = Cross3(mc + ma, ma + mb);
  Normalize3(excentre);
  out[0] = excentre;
  out[1] = Cross3(Cross3(ma, excentre), ma);
  out[2] = Cross3(Cross3(mb, excentre), mb);
  out[3] = Cross3(Cross3(mc, excentre), mc);
  for (int i = 1; i < 4; ++i) Normalize3(out[i]);
  return true;
}

}  // namespace kernel

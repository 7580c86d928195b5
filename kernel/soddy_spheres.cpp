#include "kernel/soddy_spheres.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "kernel/constants.h"
#include "kernel/inversion.h"
#include "kernel/polygon_measures3.h"
#include "kernel/vector3.h"

namespace kernel {

bool SoddySpheresSolve(std::span<Point3, 2> centres, std::span<Point3, 8> points, std::span<Real, 2> radii) {
  const Point3 t = points[0];
  for (int i = 1; i <= 5; ++i) InvertInSphere3(t, 1, points[i]);

  // In the inverted picture: v the radius vector of the equal spheres across the planes, m1 and
  // m2 their centres.
  const Real half = static_cast<Real>(0.5);
  const Point3 v = half * (points[3] - points[1]);
  points[6] = Midpoint3(points[1], points[3]);
  points[7] = Midpoint3(points[2], points[4]);
  const Point3 m1 = points[6];
  const Point3 m2 = points[7];
  const Point3 w = m2 - m1;

  // The wanted centres complete equilateral triangles over m1 m2, in the mid-plane.
  Point3 n = Cross3(v, w);
  if (!ScaleTo3(n, std::sqrt(Dot3(w, w)) * HalfSqrt3)) return false;
  const Point3 mc = Midpoint3(m1, m2);

  std::array<Point3, 8> work;
  const Point3 wanted[2] = {mc + n, mc - n};
  for (int i = 0; i < 2; ++i) {
    const Point3& c = wanted[i];
    work[4 * i + 0] = c - v;
    work[4 * i + 1] = c + v;
    work[4 * i + 2] = Midpoint3(c, m1);
    work[4 * i + 3] = Midpoint3(c, m2);
  }
  for (Point3& p : work) InvertInSphere3(t, 1, p);

  // The second fit is tried only when the first succeeds. The centres and radii are written only
  // when both fits succeed: a caller never gets one sphere of the pair beside a stale other.
  Point3 fitted[2];
  bool found = Circumsphere3(work[0], work[1], work[2], work[3], fitted[0]) == 0;
  if (found) found = Circumsphere3(work[4], work[5], work[6], work[7], fitted[1]) == 0;
  std::copy(work.begin(), work.end(), points.begin());
  if (found) {
    for (int i = 0; i < 2; ++i) {
      centres[i] = fitted[i];
      radii[i] = Dist3(work[4 * i], fitted[i]);
    }
  }
  return found;
}

}  // namespace kernel

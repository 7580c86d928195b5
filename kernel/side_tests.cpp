#include "kernel/side_tests.h"

#include "kernel/vector3.h"

namespace kernel {

namespace {

Real Cross2(Real ax, Real ay, Real bx, Real by) { return ax * by - ay * bx; }

}  // namespace

bool SameSide2(const Point2& A, const Point2& B, const Point2& P, const Point2& Q) {
  const Real dx = B.x - A.x;
  const Real dy = B.y - A.y;
  const Real k1 = Cross2(dx, dy, P.x - A.x, P.y - A.y);
  const Real k2 = Cross2(dx, dy, Q.x - A.x, Q.y - A.y);
  return k1 * k2 > 0;
}

bool SameSide3(const Point3& P1, const Point3& P2, const Point3& P3, const Point3& Q) {
  const Point3 n = Cross3(P2 - P1, P3 - P2);
  return Dot3(n, P1) * Dot3(n, Q) > 0;
}

bool SphereCircumcentre3(const Point3& P1, const Point3& P2, const Point3& P3, Point3& out) {
  // Poles of the great circles that bisect P1P2 and P2P3 at right angles.
  const Point3 bisector1 = Cross3(Cross3(P1, P2), Midpoint3(P1, P2));
  const Point3 bisector2 = Cross3(Cross3(P2, P3), Midpoint3(P2, P3));
  out = Cross3(bisector1, bisector2);
  if (!SameSide3(P1, P2, P3, out)) out = -out;
  return Normalize3(out);
}

}  // namespace kernel

#include "kernel/conics3.h"

#include <cmath>

#include "kernel/constants.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// The parabola's angle pi, where 1 + cos(theta) vanishes, is its point at infinity.
bool IsParabolaInfinity(Real cosine) {
  return 1 + cosine < NullTolerance;
}

}  // namespace

void PointInFrame3(const Point3& c, const Point3& u, const Point3& v, Real a, Real b, Point3& out) {
  out = (c + a * u) + b * v;
}

void PointInFrameRational3(const Point3& c, const Point3& u, const Point3& v, Real w, Real s, Point3& out) {
  Real k;
  if (std::fabs(w) >= NullTolerance) {
    k = 1 / w;
  } else {
    k = w > 0 ? HugeReal : -HugeReal;
  }
  out = (c + k * u) + (k * s) * v;
}

bool ParabolaPointInFrame3(const Point3& c, const Point3& u, const Point3& v, Real cosine, Real sine,
                           Point3& out) {
  if (IsParabolaInfinity(cosine)) return false;
  const Real f = 2 / (1 + cosine);
  out = (c + (f * cosine) * u) + (f * sine) * v;
  return true;
}

bool SolveCosSinEquation(Real a, Real b, Real c, CurveAngles& angles) {
  const Real r2 = a * a + b * b;
  // Written so that a NaN fails too.
  if (!(r2 >= NullTolerance) || !std::isfinite(r2) || !std::isfinite(c)) return false;
  const Real r = std::sqrt(r2);
  a /= r;
  b /= r;
  c /= r;
  if (std::fabs(c) > 1) return false;
  if (a < 0) {
    a = -a;
    b = -b;
    c = -c;
  }
  // With sin(phi) = a and cos(phi) = b the equation reads sin(theta + phi) = c.
  Real phi = std::asin(a);
  if (b < 0) phi = Pi - phi;
  const Real psi = std::asin(c);
  Real first = psi - phi;
  Real second = Pi - psi - phi;
  if (first < 0) first += TwoPi;
  if (second < 0) second += TwoPi;
  angles = {first, second};
  return true;
}

bool ArcParameterAngles3(const Point3& c, const Point3& u, const Point3& v, const Point3& n, Real d,
                         CurveAngles& angles, bool ellipse) {
  if (ellipse) return SolveCosSinEquation(Dot3(n, u), Dot3(n, v), d - Dot3(n, c), angles);
  // The hyperbola's plane condition multiplied by cos(theta).
  return SolveCosSinEquation(Dot3(n, c) - d, Dot3(n, v), -Dot3(n, u), angles);
}

bool CurveParameterAngle3(const Point3& c, const Point3& u, const Point3& v, const Point3& n, Real d,
                          CurveAngles& angles) {
  // The plane condition multiplied by (1 + cos(theta)):
  // (K + 2 N.U) cos(theta) + (2 N.V) sin(theta) = -K with K = N.C - d.
  const Real k = Dot3(n, c) - d;
  CurveAngles found{};
  if (!SolveCosSinEquation(k + 2 * Dot3(n, u), 2 * Dot3(n, v), d - Dot3(n, c), found)) return false;
  if (IsParabolaInfinity(std::cos(found[0])) && IsParabolaInfinity(std::cos(found[1]))) return false;
  angles = found;
  return true;
}

}  // namespace kernel

#include "kernel/conic_classification.h"

#include <cmath>

namespace kernel {

namespace {

constexpr Real kTolerance = SnapTolerance;
// Squared semi-axes closer than this make a circle.
constexpr Real kCircleTolerance = static_cast<Real>(1e-10);

// The equation in the turned frame: A X^2 + C Y^2 + D X + E Y + F = 0 (no XY term).
struct TurnedEquation {
  Real a, c, d, e, f;
};

// The angle that removes the xy term.
Real RotationAngle(const std::array<Real, 6>& k) {
  const Real a = k[0], b = k[1], c = k[2];
  if (std::fabs(a - c) <= kTolerance) return std::fabs(b) >= kTolerance ? Pi / 4 : 0;
  return std::atan(b / (a - c)) / 2;
}

TurnedEquation TurnEquation(const std::array<Real, 6>& k, Real theta) {
  const Real c = std::cos(theta);
  const Real s = std::sin(theta);
  return {c * c * k[0] + c * s * k[1] + s * s * k[2], s * s * k[0] - c * s * k[1] + c * c * k[2],
          c * k[3] + s * k[4], c * k[4] - s * k[3], k[5]};
}

void SetShape(ConicRecord& r, ConicKind kind, Point2 q0 = {}, Point2 q1 = {}, Point2 q2 = {}, Point2 q3 = {}) {
  SetConicShape(r, kind, q0.x, q0.y, q1.x, q1.y, q2.x, q2.y, q3.x, q3.y);
}

// Both squared terms present: an ellipse, a hyperbola, or what is left of them.
void ClassifyCentral(ConicRecord& r, const TurnedEquation& q) {
  const Real x0 = -q.d / (2 * q.a);
  const Real y0 = -q.e / (2 * q.c);
  const Point2 centre{x0, y0};
  const Real k = q.a * x0 * x0 + q.c * y0 * y0 - q.f;
  // About the centre the curve is X^2 / p + Y^2 / q = 1.
  const Real p = k / q.a;
  const Real qq = k / q.c;
  bool classified = false;
  if (std::fabs(p) > kTolerance && std::fabs(qq) > kTolerance) {
    classified = true;
    Real ra = std::sqrt(std::fabs(p));
    Real rb = std::sqrt(std::fabs(qq));
    if (p < 0 && qq < 0) {
      SetShape(r, kConicNoRealPoint, centre);
    } else if (p < 0 || qq < 0) {
      const Real f = std::sqrt(std::fabs(p) + std::fabs(qq));
      if (p < 0) {
        SetShape(r, kConicHyperbola, centre, {0, rb}, {ra, 0}, {0, f});
      } else {
        SetShape(r, kConicHyperbola, centre, {ra, 0}, {0, rb}, {f, 0});
      }
    } else {
      if (std::fabs(qq - p) < kCircleTolerance) rb = ra;
      const Real g = std::sqrt(std::fabs(qq - p));
      if (rb > ra) {
        SetShape(r, kConicEllipse, centre, {0, rb}, {ra, 0}, {0, g});
      } else {
        SetShape(r, kConicEllipse, centre, {ra, 0}, {0, rb}, {g, 0});
      }
      if (std::fabs(ra - rb) < kTolerance) r.circle = 1;
    }
  }
  if (std::fabs(k) < kTolerance) {
    classified = true;
    if (q.a * q.c <= 0) {
      const Real m = std::sqrt(-q.a / q.c);
      SetShape(r, kConicCrossingLines, centre, {x0 + 1, y0 + m}, {x0 + 1, y0 - m}, centre);
    } else {
      SetShape(r, kConicSinglePoint, centre);
    }
  }
  if (!classified) SetShape(r, kConicNoRealPoint);
}

// One squared term, in X when along_x (A X^2 + D X + E Y + F = 0), else in Y with the roles of
// the axes exchanged. Shape points are built in (along, across) coordinates and swapped back.
void ClassifyOneSquare(ConicRecord& r, const TurnedEquation& q, bool along_x) {
  const Real sq = along_x ? q.a : q.c;
  const Real lin = along_x ? q.d : q.e;
  const Real other = along_x ? q.e : q.d;
  const auto at = [along_x](Real u, Real v) { return along_x ? Point2{u, v} : Point2{v, u}; };
  const Real disc = lin * lin - 4 * q.f * sq;
  const Real u0 = -lin / (2 * sq);
  if (std::fabs(other) >= kTolerance) {
    const Real vertex = disc / (4 * sq * other);
    const Real h = other / (4 * sq);
    SetShape(r, kConicParabola, at(u0, vertex - h), at(u0, vertex + h), at(u0 + 1, vertex + h), at(u0, vertex));
  } else if (std::fabs(disc) >= kTolerance) {
    if (disc >= 0) {
      const Real w = std::sqrt(disc) / (2 * sq);
      SetShape(r, kConicParallelLines, at(u0 + w, 0), at(u0 + w, 1), at(u0 - w, 0), at(u0 - w, 1));
    } else {
      SetShape(r, kConicNoRealPoint);
    }
  } else {
    SetShape(r, kConicOneLine, at(u0, 0), at(u0, 1));
  }
}

// No squared term: D X + E Y + F = 0 is a line, or nothing, or the whole plane.
void ClassifyLinear(ConicRecord& r, const TurnedEquation& q) {
  const bool has_x = std::fabs(q.d) >= kTolerance;
  const bool has_y = std::fabs(q.e) >= kTolerance;
  if (has_x && has_y) {
    if (std::fabs(q.f) > kTolerance) {
      // The intercepts on the two axes.
      SetShape(r, kConicOneLine, {0, -q.f / q.e}, {-q.f / q.d, 0});
    } else {
      // Through the origin the intercepts coincide: take the line's points at X = 0 and X = 1.
      SetShape(r, kConicOneLine, {0, -q.f / q.e}, {1, -(q.f + q.d) / q.e});
    }
  } else if (has_x) {
    SetShape(r, kConicOneLine, {-q.f / q.d, 0}, {-q.f / q.d, 1});
  } else if (has_y) {
    SetShape(r, kConicOneLine, {0, -q.f / q.e}, {1, -q.f / q.e});
  } else {
    SetShape(r, std::fabs(q.f) <= kTolerance ? kConicEveryPoint : kConicNoRealPoint);
  }
}

}  // namespace

void ClassifyConic(ConicRecord& record) {
  const Real theta = RotationAngle(record.coefficients);
  const TurnedEquation q = TurnEquation(record.coefficients, theta);
  const bool has_x2 = std::fabs(q.a) > kTolerance;
  const bool has_y2 = std::fabs(q.c) > kTolerance;
  if (has_x2 && has_y2) {
    ClassifyCentral(record, q);
  } else if (has_x2) {
    ClassifyOneSquare(record, q, true);
  } else if (has_y2) {
    ClassifyOneSquare(record, q, false);
  } else {
    ClassifyLinear(record, q);
  }
  record.angle = theta;
}

}  // namespace kernel

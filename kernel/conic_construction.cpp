#include "kernel/conic_construction.h"

#include <cmath>
#include <utility>

#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

// A usable eccentricity of an ellipse or hyperbola: positive and not a parabola's. NaN fails too.
bool IsFocalEccentricity(Real e) {
  return e >= kEccentricityTolerance && !(std::fabs(e - 1) < kEccentricityTolerance);
}

Point2 QuarterTurn(const Point2& v) { return {-v.y, v.x}; }

}  // namespace

bool FocusDirectrixToFoci(FocalTriple& triple, Real e) {
  if (!IsFocalEccentricity(e)) return false;
  const Point2 focus = triple[2];
  Point2 foot;
  if (!FootOnLine2(focus, triple[0], triple[1], foot)) return false;
  if (Dist2(focus, foot) < NullTolerance) return false;
  const Point2 v = focus - foot;
  triple[0] = focus;
  triple[1] = focus + v * (2 * e * e / (1 - e * e));
  triple[2] = foot + v * (1 / (e + 1));
  return true;
}

bool ConicFromFocusDirectrix(FocalTriple& triple, Real e, ConicAxes& axes) {
  if (!FocusDirectrixToFoci(triple, e)) return false;
  Real eccentricity = 0;
  return ConicFromFociPoint(triple, e < 1, axes, eccentricity);
}

bool ConicFromFociPoint(const FocalTriple& triple, bool ellipse, ConicAxes& axes, Real& eccentricity) {
  const Point2& f1 = triple[0];
  const Point2& f2 = triple[1];
  const Point2& p = triple[2];
  const Point2 centre = Midpoint2(f1, f2);
  axes[0] = centre;
  axes[1] = axes[2] = f2 - centre;
  const Real c = Dist2(centre, f2);
  const Real d1 = Dist2(f1, p);
  const Real d2 = Dist2(f2, p);
  const Real a = ellipse ? (d1 + d2) / 2 : std::fabs(d1 - d2) / 2;
  if (c < NullTolerance) {
    axes[1] = p;
    return false;
  }
  if (a < NullTolerance) return false;
  eccentricity = c / a;
  const Real b = std::sqrt(std::fabs(a * a - c * c));
  axes[2] = QuarterTurn(axes[2]) * (b / c);
  axes[1] = axes[1] * (a / c);
  return true;
}

bool ConicFromFociEcc(const Point2& f1, const Point2& f2, Real e, ConicAxes& axes) {
  if (!IsFocalEccentricity(e)) return false;
  const Point2 centre = Midpoint2(f1, f2);
  axes[0] = centre;
  const Real c = Dist2(centre, f2);
  const Real a = c / e;
  const Real b = std::sqrt(std::fabs(a * a - c * c));
  axes[1] = axes[2] = f2 - centre;
  if (c < SnapTolerance) return false;
  ScaleTo2(axes[1], a);
  ScaleTo2(axes[2], b);
  axes[2] = QuarterTurn(axes[2]);
  return true;
}

bool ConicThroughFivePoints(std::span<const Point2, 5> points, std::array<Real, 6>& coef) {
  constexpr int kRows = 5;
  constexpr int kColumns = 6;
  Real m[kRows][kColumns];
  for (int i = 0; i < kRows; ++i) {
    const Real x = points[i].x;
    const Real y = points[i].y;
    const Real row[kColumns] = {x * x, x * y, y * y, x, y, 1};
    for (int k = 0; k < kColumns; ++k) m[i][k] = row[k];
  }

  // Gauss-Jordan elimination: five pivots leave exactly one column free, whose unknown is 1.
  int pivot_row[kColumns] = {-1, -1, -1, -1, -1, -1};
  int r = -1;
  int free_column = kColumns - 1;
  for (int k = 0; k < kColumns && r < kRows - 1; ++k) {
    int j = r + 1;
    while (j < kRows && !(std::fabs(m[j][k]) > NullTolerance)) ++j;
    if (j == kRows) {
      free_column = k;
      continue;
    }
    ++r;
    if (j > r) std::swap(m[r], m[j]);
    const Real s = 1 / m[r][k];
    m[r][k] = 1;
    for (int c = k + 1; c < kColumns; ++c) m[r][c] *= s;
    for (int i = 0; i < kRows; ++i) {
      if (i == r) continue;
      const Real g = m[i][k];
      m[i][k] = 0;
      for (int c = k + 1; c < kColumns; ++c) m[i][c] -= m[r][c] * g;
    }
    pivot_row[k] = r;
  }
  if (r < kRows - 1) return false;

  for (int c = 0; c < kColumns; ++c) {
    coef[c] = c == free_column ? 1 : -m[pivot_row[c]][free_column];
  }
  return true;
}

}  // namespace kernel

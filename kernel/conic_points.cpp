#include "kernel/conic_points.h"

#include <cmath>
#include <numbers>

#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kAsymptoteCosine = static_cast<Real>(1e-13);

}  // namespace

Real FarConicCoordinate() { return std::exp(Real{42}); }

Point2 CentralConicPoint(const ConicAxes& axes, Real t, bool ellipse) {
  const Real angle = 2 * std::numbers::pi_v<Real> * t;
  const Real c = std::cos(angle);
  const Real s = std::sin(angle);
  if (ellipse) return axes[0] + c * axes[1] + s * axes[2];
  if (std::fabs(c) < kAsymptoteCosine) return {FarConicCoordinate(), FarConicCoordinate()};
  return axes[0] + axes[1] * (1 / c) + axes[2] * (s / c);
}

Point2 ParabolaPoint(const Point2& focus, const Point2& d1, const Point2& d2, Real t) {
  Point2 g;
  if (!FootOnLine2(focus, d1, d2, g)) return focus;
  const Point2 h = (g - focus) * Real{0.5};
  return g + t * Point2{-h.y, h.x} - (1 + t * t / 4) * h;
}

}  // namespace kernel

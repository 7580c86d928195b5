#include "engine/view_update.h"

#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"

namespace engine {

Real CircleRadius(const FigureTables& tables, int i) {
  if (i < 0 || i > tables.last_circle) return 0;
  const kernel::CircleRecord& c = tables.circles[i];
  if (c.centre >= kPointCapacity || c.points[0] >= kPointCapacity) return 0;
  const Point2 d = tables.xy[c.points[0]] - tables.xy[c.centre];
  const Real squared = d.x * d.x + d.y * d.y;
  if (squared <= kernel::SquaredLengthFloor) return 0;
  return std::sqrt(squared);
}

bool WithinViewLimit(const Point2& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) <= kViewCoordinateLimit &&
         std::fabs(p.y) <= kViewCoordinateLimit;
}

bool FigureBeyondViewLimit(const FigureTables& tables) {
  for (int i = 0; i <= tables.last_point; ++i) {
    if (tables.exists[i] && !WithinViewLimit(tables.xy[i])) return true;
  }
  return false;
}

ViewUpdate UpdateView(const FigureTables& tables, const GeometryModel& model, const Point2& lower_left,
                      const Point2& upper_right, bool keep_view) {
  ViewUpdate result;
  if (model.Hyperbolic && !model.HalfPlane) {
    result.redraw_only = true;
    result.view = {kernel::Midpoint2(lower_left, upper_right), (upper_right.x - lower_left.x) / 2,
                   (upper_right.y - lower_left.y) / 2};
    return result;
  }
  Point2 min = keep_view ? lower_left : Point2{};
  Point2 max = keep_view ? upper_right : Point2{};
  bool changed = false;
  for (int i = 0; i <= tables.last_point; ++i) {
    if (tables.exists[i] && WithinViewLimit(tables.xy[i]) && kernel::ExtendBox2(min, tables.xy[i], max)) changed = true;
  }
  auto extend_round = [&](const Point2& c, Real r) {
    if (!WithinViewLimit(c) || !std::isfinite(r) || std::fabs(r) > kViewCoordinateLimit) return;
    for (const Point2& p : {Point2{c.x + r, c.y}, Point2{c.x - r, c.y}, Point2{c.x, c.y + r}, Point2{c.x, c.y - r}}) {
      if (kernel::ExtendBox2(min, p, max)) changed = true;
    }
  };
  for (int i = 0; i <= tables.last_circle; ++i) {
    const kernel::CircleRecord& circle = tables.circles[i];
    if (!circle.exists || circle.centre >= kPointCapacity) continue;
    if (model.Hyperbolic) {
      if (circle.points[0] >= kPointCapacity) continue;
      const Point2& on_circle = tables.xy[circle.points[0]];
      Point2 centre;
      CircleModelCentre(model, tables.xy[circle.centre], on_circle, centre);
      extend_round(centre, kernel::Dist2(centre, on_circle));
    } else {
      extend_round(tables.xy[circle.centre], CircleRadius(tables, i));
    }
  }
  Point2 c = kernel::Midpoint2(min, max);
  if (!keep_view) {
    extend_round(c, static_cast<Real>(0.1));
    c = kernel::Midpoint2(min, max);
    result.view = {c, static_cast<Real>(0.65) * (max.x - min.x), static_cast<Real>(0.65) * (max.y - min.y)};
  } else {
    const Real f = changed ? static_cast<Real>(0.6) : static_cast<Real>(0.5);
    result.view = {c, f * (max.x - min.x), f * (max.y - min.y)};
  }
  return result;
}

}  // namespace engine

#include "platform/polygon_clip.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {
namespace {

struct PointD {
  double x, y;
};

int RoundToInt(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(std::round(v), double(std::numeric_limits<int>::min()),
                                     double(std::numeric_limits<int>::max())));
}

}  // namespace

// Sutherland and Hodgman.
std::vector<PointI> ClipPolygonToRect(std::span<const PointI> points, const Rect& r) {
  std::vector<PointD> polygon;
  polygon.reserve(points.size());
  for (const PointI& p : points) polygon.push_back({double(p.x), double(p.y)});
  for (int side = 0; side < 4; ++side) {
    const auto inside = [&](const PointD& p) {
      switch (side) {
        case 0: return p.x >= r.left;
        case 1: return p.x <= r.right;
        case 2: return p.y >= r.top;
        default: return p.y <= r.bottom;
      }
    };
    const auto cross = [&](const PointD& a, const PointD& b) {
      const double edge = side == 0 ? r.left : side == 1 ? r.right : side == 2 ? r.top : r.bottom;
      if (side < 2) {
        const double t = (edge - a.x) / (b.x - a.x);
        return PointD{edge, a.y + t * (b.y - a.y)};
      }
      const double t = (edge - a.y) / (b.y - a.y);
      return PointD{a.x + t * (b.x - a.x), edge};
    };
    std::vector<PointD> out;
    out.reserve(polygon.size() + 4);
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      const PointD& a = polygon[i];
      const PointD& b = polygon[(i + 1) % polygon.size()];
      const bool aIn = inside(a), bIn = inside(b);
      if (aIn) out.push_back(a);
      if (aIn != bIn) out.push_back(cross(a, b));
    }
    polygon = std::move(out);
    if (polygon.empty()) break;
  }
  std::vector<PointI> result;
  result.reserve(polygon.size());
  for (const PointD& p : polygon) result.push_back({RoundToInt(p.x), RoundToInt(p.y)});
  return result;
}

}  // namespace platform

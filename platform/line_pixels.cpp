#include "platform/line_pixels.h"

#include <cstdint>
#include <cstdlib>

namespace platform {

std::span<const int> CosmeticDashPattern(PenStyle style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case PenStyle::Dash: return kDash;
    case PenStyle::Dot: return kDot;
    case PenStyle::DashDot: return kDashDot;
    case PenStyle::DashDotDot: return kDashDotDot;
    case PenStyle::Solid:
    case PenStyle::Null: break;
  }
  return {};
}

void TraceLinePixels(std::span<const PointI> points, bool closed, PenStyle style,
                     LinePixels& out) {
  const std::span<const int> pattern = CosmeticDashPattern(style);
  std::size_t dash = 0;  // index into the pattern; even entries are dashes
  int left = pattern.empty() ? 0 : pattern[0];
  auto emit = [&](int x, int y) {
    if (pattern.empty()) {
      out.dashes.push_back({x, y});
      return;
    }
    (dash % 2 == 0 ? out.dashes : out.gaps).push_back({x, y});
    if (--left == 0) {
      dash = (dash + 1) % pattern.size();
      left = pattern[dash];
    }
  };
  const std::size_t segments = points.empty() ? 0 : closed ? points.size() : points.size() - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const PointI& to = points[(i + 1) % points.size()];
    int x = points[i].x;
    int y = points[i].y;
    const std::int64_t dx = std::abs(std::int64_t{to.x} - x);
    const std::int64_t dy = std::abs(std::int64_t{to.y} - y);
    const int sx = to.x >= x ? 1 : -1;
    const int sy = to.y >= y ? 1 : -1;
    if (dx >= dy) {
      std::int64_t error = 2 * dy - dx;
      for (std::int64_t step = 0; step < dx; ++step) {
        emit(x, y);
        if (error > 0) {
          y += sy;
          error -= 2 * dx;
        }
        error += 2 * dy;
        x += sx;
      }
    } else {
      std::int64_t error = 2 * dx - dy;
      for (std::int64_t step = 0; step < dy; ++step) {
        emit(x, y);
        if (error > 0) {
          x += sx;
          error -= 2 * dy;
        }
        error += 2 * dx;
        y += sy;
      }
    }
  }
}

}  // namespace platform

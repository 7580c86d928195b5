// Point markers and the dot patterns that stand in for hatched fills in EPS pictures.

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "view/eps_painter.h"

namespace view {

using kernel::ColorRef;
using kernel::Point2;
using kernel::Real;

namespace {

// Marker shapes 0 to 13.
constexpr std::uint32_t kEpsMarkerShapes = 14;

// The steps of a dot grid that may show in the view: the parameters start + step k (k >= 0, and
// below end) that lie in [low, high]. Empty (first > last) when there are none.
struct StepRange {
  Real first = 1;
  Real last = 0;
};

// The offsets d >= 0 that put c + d or c - d into [low, high], as one interval (low > high when
// there are none).
struct Interval {
  Real low = 1;
  Real high = 0;
};

Interval OffsetsOver(Real c, Real low, Real high) {
  Interval result;
  bool any = false;
  for (const Interval side : {Interval{low - c, high - c}, Interval{c - high, c - low}}) {
    if (side.high < 0) continue;
    const Real from = std::max<Real>(0, side.low);
    result.low = any ? std::min(result.low, from) : from;
    result.high = any ? std::max(result.high, side.high) : side.high;
    any = true;
  }
  return result;
}

StepRange StepsWithin(Real start, Real step, Real end, Real low, Real high) {
  StepRange range;
  // The last k with start + step k < end.
  const Real lastBelowEnd = std::ceil((end - start) / step) - 1;
  range.first = std::max<Real>(0, std::ceil((low - start) / step));
  range.last = std::min(lastBelowEnd, std::floor((high - start) / step));
  return range;
}

StepRange StepsWithin(Real start, Real step, Real end, const Interval& within) {
  if (within.low > within.high) return {};
  return StepsWithin(start, step, end, within.low, within.high);
}

// With very unequal scales a grid step can be far below a pixel in one direction; then only every
// stride-th step is written, at most about two per pixel.
std::int64_t Stride(Real steps, int pixels) {
  const Real most = 2 * static_cast<Real>(std::max(1, pixels)) + 2;
  return steps > most ? static_cast<std::int64_t>(std::ceil(steps / most)) : 1;
}

}  // namespace

void EpsPainter::DoMarker(const MarkerPlace& at, std::uint32_t style, int size) {
  if (style >= kEpsMarkerShapes) return;
  const std::array<Point2, 1> place{at.world};
  if (!AllNear(place)) return;  // far outside: nothing of it shows
  ColorRef color;
  if (state().pen.style != kLineNone) color = ColorOf(state().pen.color);
  else if (state().brush.filled) color = ColorOf(state().brush.color);
  else return;
  WriteMarker(at.world, style, size, color);
}

void EpsPainter::WriteMarker(const Point2& p, std::uint32_t shape, int size, ColorRef c) {
  const ViewMapping& m = mapping();
  const Real dx = size * m.unitsPerPixelX;
  const Real dy = size * m.unitsPerPixelY;
  const Real x = p.x;
  const Real y = p.y;
  auto triangle = [&](Point2 a, Point2 b, Point2 z) {
    const std::array<Point2, 3> corners{a, b, z};
    WriteFillPolygon(corners, false, c, 1, c, 0, kLineSolid);
  };
  auto stroked = [&](std::initializer_list<Point2> points, std::string_view letters) {
    const std::vector<Point2> list(points);
    WriteStrokedPath(list, letters, c, 2, kLineSolid);
  };
  switch (shape) {
    case 0: WriteRect({x - dx, y + dy}, {x + dx, y - dy}, false, c, 1, c, 0, kLineSolid); break;
    case 1: WriteFilledCircle(p, dx, 1, c, c, 0, kLineSolid); break;
    case 2: triangle({x - dx, y - dy}, {x + dx, y - dy}, {x, y + dy}); break;
    case 3: triangle({x - dx, y + dy}, {x + dx, y + dy}, {x, y - dy}); break;
    case 4: triangle({x - dx, y - dy}, {x - dx, y + dy}, {x + dx, y}); break;
    case 5: triangle({x + dx, y - dy}, {x + dx, y + dy}, {x - dx, y}); break;
    case 6:
    case 9: stroked({{x, y - dy}, {x, y + dy}, {x - dx, y}, {x + dx, y}}, "MLML"); break;
    case 7:
      stroked({{x, y - dy},
               {x, y + dy},
               {x - dx, y},
               {x + dx, y},
               {x - dx, y - dy},
               {x + dx, y - dy},
               {x + dx, y + dy},
               {x - dx, y + dy},
               {x - dx, y - dy}},
              "MLMLMLLLL");
      break;
    case 8: stroked({{x - dx, y - dy}, {x + dx, y + dy}, {x - dx, y + dy}, {x + dx, y - dy}}, "MLML"); break;
    case 10:
      stroked({{x - dx, y - dy},
               {x + dx, y + dy},
               {x - dx, y + dy},
               {x + dx, y - dy},
               {x - dx, y - dy},
               {x - dx, y + dy},
               {x + dx, y + dy},
               {x + dx, y - dy},
               {x - dx, y - dy}},
              "MLMLMLLLL");
      break;
    case 11: stroked({{x, y}, {x, y + 3 * dy}, {x, y}, {x + dx, y + dy}, {x, y}, {x - dx, y + dy}}, "MLMLML"); break;
    case 12: stroked({{x, y}, {x, y - 3 * dy}, {x, y}, {x + dx, y - dy}, {x, y}, {x - dx, y - dy}}, "MLMLML"); break;
    case 13: {
      const kernel::Box2& box = m.box;
      stroked({{x, box.ymin}, {x, box.ymax}, {box.xmin, y}, {box.xmax, y}}, "MLML");
      break;
    }
    default: break;
  }
}

// Dots of radius 0.4 pixel on a grid of 2.6 pixels. The grid is fixed by the shape; only its
// steps over the view (widened by one step) are written, counted with integers, so any shape,
// however large or far, gives a bounded number of dots.

void EpsPainter::AppendDotFillRect(std::string& text, const Point2& a, const Point2& b, ColorRef color) {
  const kernel::Box2& view = mapping().box;
  const Real s = static_cast<Real>(0.4) * mapping().unitsPerPixelX;
  const Real g = static_cast<Real>(2.6) * mapping().unitsPerPixelX;
  if (!(g > 0) || !std::isfinite(g) || !std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) ||
      !std::isfinite(b.y))
    return;
  const Real x0 = a.x + g / 2;
  const Real y0 = a.y - g / 2;
  // Columns x0 + g i below the right limit; rows y0 - g j above the bottom limit.
  const StepRange columns = StepsWithin(x0, g, b.x - s / 2, view.xmin - g, view.xmax + g);
  const StepRange rows = StepsWithin(-y0, g, -(b.y + s / 2), -(view.ymax + g), -(view.ymin - g));
  if (columns.first > columns.last || rows.first > rows.last) return;
  const auto columnCount = static_cast<std::int64_t>(columns.last - columns.first);
  const auto rowCount = static_cast<std::int64_t>(rows.last - rows.first);
  const std::int64_t columnStride = Stride(columns.last - columns.first, mapping().width);
  const std::int64_t rowStride = Stride(rows.last - rows.first, mapping().height);
  for (std::int64_t i = 0; i <= columnCount; i += columnStride) {
    const Real x = x0 + g * (columns.first + i);
    for (std::int64_t j = 0; j <= rowCount; j += rowStride) AppendDot(text, {x, y0 - g * (rows.first + j)}, s, color);
  }
}

void EpsPainter::AppendDotFillCircle(std::string& text, const Point2& p, Real r, ColorRef color) {
  const kernel::Box2& view = mapping().box;
  const Real s = static_cast<Real>(0.4) * mapping().unitsPerPixelX;
  const Real g = static_cast<Real>(2.6) * mapping().unitsPerPixelX;
  if (!(g > 0) || !std::isfinite(g) || !std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(r)) return;
  const Real limit = (r - s) * (r - s);
  const Real x0 = g / 2;
  // Offsets u = x0 + g i below r that put a dot right or left of the centre over the view, and
  // the same for v above and below it.
  const StepRange us = StepsWithin(x0, g, r, OffsetsOver(p.x, view.xmin - g, view.xmax + g));
  const StepRange vs = StepsWithin(x0, g, r, OffsetsOver(p.y, view.ymin - g, view.ymax + g));
  if (us.first > us.last || vs.first > vs.last) return;
  auto inView = [&](const Point2& q) {
    return q.x >= view.xmin - g && q.x <= view.xmax + g && q.y >= view.ymin - g && q.y <= view.ymax + g;
  };
  const auto uCount = static_cast<std::int64_t>(us.last - us.first);
  const auto vCount = static_cast<std::int64_t>(vs.last - vs.first);
  const std::int64_t uStride = Stride(us.last - us.first, mapping().width);
  const std::int64_t vStride = Stride(vs.last - vs.first, mapping().height);
  for (std::int64_t i = 0; i <= uCount; i += uStride) {
    const Real u = x0 + g * (us.first + i);
    for (std::int64_t j = 0; j <= vCount; j += vStride) {
      const Real v = x0 + g * (vs.first + j);
      if (!(u * u + v * v < limit)) continue;
      for (const Point2 dot : {Point2{p.x + u, p.y + v}, Point2{p.x - u, p.y + v}, Point2{p.x - u, p.y - v},
                               Point2{p.x + u, p.y - v}})
        if (inView(dot)) AppendDot(text, dot, s, color);
    }
  }
}

}  // namespace view

// Point markers and lattice crosses in SVG documents.

#include <array>
#include <initializer_list>
#include <vector>

#include "view/svg_painter.h"

namespace view {

using kernel::ColorRef;
using platform::PointI;

namespace {

// Marker shapes 0 to 13.
constexpr std::uint32_t kSvgMarkerShapes = 14;

}  // namespace

void SvgPainter::DoMarker(const MarkerPlace& at, std::uint32_t style, int size) {
  if (style >= kSvgMarkerShapes || !at.inside) return;
  ColorRef color;
  if (state().pen.style != kLineNone) color = ColorOf(state().pen.color);
  else if (state().brush.filled) color = ColorOf(state().brush.color);
  else return;
  WriteMarker(at.pixel, style, size, color);
}

void SvgPainter::DoLatticeCross(const kernel::Point2& /*p*/, PointI pixel, int armX, int /*armY*/, int /*extra*/) {
  if (state().pen.style == kLineNone) return;
  WriteCross(pixel, armX, ColorOf(state().pen.color), false);
}

void SvgPainter::WriteCross(PointI p, int r, ColorRef color, bool diagonal) {
  const int x = p.x;
  const int y = p.y;
  if (diagonal) {
    const std::array<PointI, 4> points{PointI{x - r, y - r}, PointI{x + r, y + r}, PointI{x + r, y - r},
                                       PointI{x - r, y + r}};
    WritePath(points, color, 1, "MLML", kLineSolid);
  } else {
    const std::array<PointI, 4> points{PointI{x, y - r}, PointI{x, y + r}, PointI{x - r, y}, PointI{x + r, y}};
    WritePath(points, color, 1, "MLML", kLineSolid);
  }
}

void SvgPainter::WriteMarker(PointI p, std::uint32_t shape, int r, ColorRef c) {
  const int x = p.x;
  const int y = p.y;
  auto triangle = [&](PointI a, PointI b, PointI z) {
    const std::array<PointI, 3> corners{a, b, z};
    WritePolygon(corners, false, c, 1, c, 0, kLineSolid);
  };
  auto openSquare = [&] { WriteRect(x - r, y - r, 2 * r, 2 * r, true, c, 1, c, 0, kLineSolid); };
  auto path = [&](std::initializer_list<PointI> points, std::string_view letters) {
    const std::vector<PointI> list(points);
    WritePath(list, c, 1, letters, kLineSolid);
  };
  switch (shape) {
    case 0: WriteRect(x - r, y - r, 2 * r, 2 * r, false, c, 1, c, 0, kLineSolid); break;
    case 1: WriteEllipse(p, r, c, c); break;
    case 2: triangle({x - r, y + r}, {x + r, y + r}, {x, y - r}); break;
    case 3: triangle({x - r, y - r}, {x + r, y - r}, {x, y + r}); break;
    case 4: triangle({x - r, y - r}, {x - r, y + r}, {x + r, y}); break;
    case 5: triangle({x + r, y - r}, {x + r, y + r}, {x - r, y}); break;
    case 6:
    case 9: WriteCross(p, r, c, false); break;
    case 7:
      // A plus in a square, as the screen and EPS draw it.
      WriteCross(p, r, c, false);
      openSquare();
      break;
    case 8: WriteCross(p, r, c, true); break;
    case 10:
      WriteCross(p, r, c, true);
      openSquare();
      break;
    case 11: path({{x, y}, {x, y - 3 * r}, {x, y}, {x + r, y - r}, {x, y}, {x - r, y - r}}, "MLMLML"); break;
    case 12: path({{x, y}, {x, y + 3 * r}, {x, y}, {x + r, y + r}, {x, y}, {x - r, y + r}}, "MLMLML"); break;
    case 13: {
      const int w = mapping().width;
      const int h = mapping().height;
      path({{x, 0}, {x, h}, {0, y}, {w, y}}, "MLML");
      break;
    }
    default: break;
  }
}

}  // namespace view

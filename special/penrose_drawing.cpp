#include "special/penrose_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "engine/windows/fill_win.h"
#include "kernel/export_polygon_clip.h"
#include "kernel/segment_clip.h"
#include "kernel/vector2.h"

namespace special {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr Real kDegree = std::numbers::pi_v<Real> / 180;
const view::LinePen kNoPen{view::InkColor::Index(0), 1, view::kLineNone};

// The last tile drawn, or -1 for none.
int LastDrawn(const PenroseTiling& tiling, int lastTile) { return std::min<int>(lastTile, tiling.LastTile()); }

std::array<Point2, 4> Corners(const PenroseTiling& tiling, const PenroseTile& tile) {
  return {tiling.vertices[tile.c[0]], tiling.vertices[tile.c[1]], tiling.vertices[tile.c[2]],
          tiling.vertices[tile.c[3]]};
}

Point2 Between(Real b, const Point2& p, Real a, const Point2& q) { return b * p + a * q; }

// Distance from p to the segment ab.
Real SegmentDistance(const Point2& p, const Point2& a, const Point2& b) {
  const Point2 ab = b - a;
  const Real len2 = kernel::Dot2(ab, ab);
  Real t = len2 > 0 ? kernel::Dot2(p - a, ab) / len2 : 0;
  t = std::clamp<Real>(t, 0, 1);
  return kernel::Dist2(p, a + t * ab);
}

}  // namespace

view::InkColor TileFillColor(std::uint16_t colorMode, int color, std::span<const kernel::ColorRef> greys) {
  if (colorMode == kWhiteTiles) return view::InkColor::Value(kernel::kWhiteRef);
  if (colorMode == kGreyTiles) {
    if (greys.empty()) return view::InkColor::Value(kernel::kWhiteRef);
    const std::size_t i = color >= 0 && static_cast<std::size_t>(color) < greys.size() ? color : 0;
    return view::InkColor::Value(greys[i]);
  }
  return view::InkColor::Index(color);
}

void DrawTilingLayers(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile) {
  if (LastDrawn(drawing.tiling, lastTile) < 0) return;
  FillAllTiles(painter, drawing, lastTile);
  DrawCurves(painter, drawing, lastTile);
  DrawAmmannBars(painter, drawing);
  DrawTileEdges(painter, drawing, lastTile);
}

void FillAllTiles(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile) {
  if (drawing.display.hideTiles) return;
  const PenroseTiling& tiling = drawing.tiling;
  const int last = LastDrawn(tiling, lastTile);
  const bool clip = !painter.ClipsToView();
  const kernel::Box2 clipBox = engine::FillClipBox(painter.mapping());
  std::vector<Point2> clipped;
  painter.Save();
  painter.SetPen(kNoPen);
  view::FillBrush brush{true, view::InkColor::Index(-2), 0};
  for (int i = 0; i <= last; ++i) {
    const PenroseTile& tile = tiling.tiles[i];
    const view::InkColor fillColor = TileFillColor(drawing.display.colorMode, tile.color, drawing.greys);
    if (!(fillColor == brush.color)) {
      brush.color = fillColor;
      painter.SetBrush(brush);
    }
    const std::array<Point2, 4> quad = Corners(tiling, tile);
    if (!clip) {
      painter.Region(quad, "polygon", false);
      continue;
    }
    kernel::ClipPolygonToBox(quad, clipBox, clipped);
    if (clipped.size() >= 3) painter.Region(clipped, "polygon", false);
  }
  painter.Restore();
}

void DrawCurves(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile) {
  if (!drawing.display.curves) return;
  const PenroseTiling& tiling = drawing.tiling;
  const int last = LastDrawn(tiling, lastTile);
  const Real phi = Phi();
  const view::LinePen pen1{view::InkColor::Index(drawing.display.curve1Color), 1, view::kLineSolid};
  const view::LinePen pen2{view::InkColor::Index(drawing.display.curve2Color), 1, view::kLineSolid};
  const auto arc = [&](const Point2& centre, const Point2& start, Real degrees, const view::LinePen& pen) {
    if (drawing.arc) {
      drawing.arc(centre, start, degrees * kDegree, pen);
      return;
    }
    painter.Save();
    painter.SetPen(pen);
    painter.Arc(centre, start, degrees * kDegree);
    painter.Restore();
  };
  painter.Save();
  painter.SetBrush({});
  for (int i = 0; i <= last; ++i) {
    const PenroseTile& tile = tiling.tiles[i];
    const std::array<Point2, 4> c = Corners(tiling, tile);
    const int t = tile.type == 1 ? 1 : 0;
    if (tiling.mode == 0) {
      const Real a = 2 - phi;
      const Real b = phi - 1;
      // The first arc turns about the kite's 144-degree corner or the dart's reflex corner (corner
      // t of the tile tables), from the point that divides the side c1 c[2t].
      arc(c[t], Between(b, c[1], a, c[2 * t]), (t + 2) * 72, pen1);
      arc(c[2 + t], Between(b, c[3], a, c[2 - 2 * t]), 72, pen2);
    } else {
      const Real a = (phi - 1) / 2;
      const Real b = 1 - a;
      arc(c[0], Between(b, c[0], a, c[1]), (t + 1) * 72, pen1);
      arc(c[2], Between(b, c[3 - t], a, c[2 + t]), (t + 1) * 72, pen2);
    }
  }
  painter.Restore();
}

std::optional<std::array<Point2, 2>> BarChord(const PenroseTiling& tiling, int family, Real position,
                                              const view::ViewMapping& mapping) {
  const Point2& d = tiling.unitDirs[2 * family + 1];
  Point2 p = position * d;
  Point2 q = p + Point2{-d.y, d.x};
  const kernel::Box2& box = mapping.box;
  const Real ux = std::fabs(mapping.unitsPerPixelX);
  const Real uy = std::fabs(mapping.unitsPerPixelY);
  if (!kernel::ClipSegment(box.xmin + ux, box.xmax - ux, box.ymin + uy, box.ymax - uy, p, q, true))
    return std::nullopt;
  return std::array<Point2, 2>{p, q};
}

void DrawAmmannBars(view::FigurePainter& painter, const PenroseDrawing& drawing) {
  const PenroseDisplay& display = drawing.display;
  painter.Save();
  painter.SetPen({view::InkColor::Index(display.barsColor), 1, display.dottedBars ? view::kLineDot : view::kLineSolid});
  for (int f = 0; f < 5; ++f) {
    if (!display.ammannFamily[f]) continue;
    for (const Real position : drawing.tiling.bars[f]) {
      const auto chord = BarChord(drawing.tiling, f, position, painter.mapping());
      if (chord) painter.Segment((*chord)[0], (*chord)[1], false);
    }
  }
  painter.Restore();
}

void DrawTileEdges(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile) {
  if (drawing.display.hideTiles) return;
  const PenroseTiling& tiling = drawing.tiling;
  const int last = LastDrawn(tiling, lastTile);
  if (last < 0) return;
  const int lastEdge = std::min<int>(tiling.tileLastEdge[last], tiling.LastEdge());
  painter.Save();
  painter.SetPen({view::InkColor::Index(0), 1, view::kLineSolid});
  for (int e = 0; e <= lastEdge; ++e) {
    const PenroseEdge& edge = tiling.edges[e];
    // Cut to the view: an edge reaching out of it keeps its direction.
    painter.Segment(tiling.vertices[edge.from], tiling.vertices[edge.to], true);
  }
  painter.Restore();
}

std::int16_t TileAtPoint(const PenroseTiling& tiling, const Point2& point, Real slack) {
  for (int i = 0; i < tiling.TileCount(); ++i) {
    const std::array<Point2, 4> c = Corners(tiling, tiling.tiles[i]);
    bool inside = false;
    for (int k = 0, j = 3; k < 4; j = k++) {
      const Point2& a = c[k];
      const Point2& b = c[j];
      if ((a.y > point.y) != (b.y > point.y) && point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x)
        inside = !inside;
    }
    if (!inside)
      for (int k = 0; k < 4 && !inside; ++k) inside = SegmentDistance(point, c[k], c[(k + 1) % 4]) <= slack;
    if (inside) return static_cast<std::int16_t>(i);
  }
  return -1;
}

std::optional<PenroseFit> FitTilingView(const PenroseTiling& tiling, bool keep, const kernel::Box2& current) {
  if (tiling.vertices.empty()) return std::nullopt;
  Point2 lo{0, 0};
  Point2 hi{0, 0};
  if (keep) {
    lo = {current.xmin, current.ymin};
    hi = {current.xmax, current.ymax};
  }
  bool widened = false;
  for (const Point2& v : tiling.vertices) widened = kernel::ExtendBox2(lo, v, hi) || widened;
  PenroseFit fit;
  fit.centre = kernel::Midpoint2(lo, hi);
  Real factor = widened ? static_cast<Real>(0.6) : static_cast<Real>(0.5);
  if (!keep) {
    const Real margin = static_cast<Real>(0.1);
    for (const Point2 off : {Point2{margin, 0}, Point2{-margin, 0}, Point2{0, margin}, Point2{0, -margin}})
      kernel::ExtendBox2(lo, fit.centre + off, hi);
    fit.centre = kernel::Midpoint2(lo, hi);
    factor = static_cast<Real>(0.65);
  }
  fit.halfWidth = factor * (hi.x - lo.x);
  fit.halfHeight = factor * (hi.y - lo.y);
  return fit;
}

}  // namespace special

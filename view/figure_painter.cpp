#include "view/figure_painter.h"

#include <array>

#include "kernel/arrowhead.h"
#include "kernel/flag_runs.h"
#include "kernel/vector2.h"
#include "view/arc_sampling.h"
#include "view/marker_shapes.h"

namespace view {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

FigurePainter::FigurePainter(const ViewMapping& mapping) : mapping_(mapping) {}

FigurePainter::~FigurePainter() = default;

void FigurePainter::SetPen(const LinePen& pen) {
  state_.pen = pen;
  DoStateChanged();
}

void FigurePainter::SetBrush(const FillBrush& brush) {
  state_.brush = brush;
  DoStateChanged();
}

void FigurePainter::SetTextStyle(const TextStyle& text) {
  state_.text = text;
  DoStateChanged();
}

void FigurePainter::Save() { saved_.push_back(state_); }

void FigurePainter::Restore() {
  if (saved_.empty()) return;
  state_ = saved_.back();
  saved_.pop_back();
  DoStateChanged();
}

bool FigurePainter::Segment(const Point2& p, const Point2& q, bool clip) { return DoSegment(p, q, clip); }

void FigurePainter::PixelSegment(PointI a, PointI b) { DoPixelSegment(a, b); }

void FigurePainter::Polyline(std::span<const Point2> points) {
  if (points.size() >= 2) DoPolyline(points);
}

void FigurePainter::FlaggedPolyline(std::span<const Point2> points, std::span<const std::uint8_t> flags, int mode) {
  if (points.size() >= 2 && flags.size() == points.size()) DoFlaggedPolyline(points, flags, mode);
}

void FigurePainter::Arc(const Point2& centre, const Point2& start, Real sweep) { DoArc(centre, start, sweep); }

void FigurePainter::Circle(const Point2& centre, Real radius) { DoCircle(centre, radius); }

void FigurePainter::PixelCircle(PointI centre, int radius) { DoPixelCircle(centre, radius); }

void FigurePainter::Polygon(std::span<const Point2> points) {
  if (points.size() >= 3) DoPolygon(points);
}

void FigurePainter::Region(std::span<const Point2> points, std::string_view kind, bool backdrop) {
  if (points.size() >= 3) DoRegion(points, kind, backdrop);
}

void FigurePainter::Rectangle(const Point2& topLeft, const Point2& bottomRight) { DoRectangle(topLeft, bottomRight); }

void FigurePainter::PixelRectangle(const platform::Rect& rect) { DoPixelRectangle(rect); }

void FigurePainter::Marker(const Point2& p, std::uint32_t style, int size) {
  MarkerPlace at{p, {}, true};
  at.inside = WorldToPixel(mapping_, p, at.pixel);
  DoMarker(at, style, size);
}

void FigurePainter::MarkerAtPixel(PointI p, std::uint32_t style, int size) {
  DoMarker({ToWorld(p), p, PixelInClient(mapping_, p.x, p.y)}, style, size);
}

void FigurePainter::LatticeCross(const Point2& p, int armX, int armY, int extra) {
  const PointI pixel{XToScreen(mapping_, p.x), YToScreen(mapping_, p.y)};
  DoLatticeCross(p, pixel, armX, armY, extra);
}

void FigurePainter::PictureFrame() {
  const kernel::Box2& box = mapping_.box;
  const Real dx = mapping_.unitsPerPixelX;
  const Real dy = mapping_.unitsPerPixelY;
  const std::array<Point2, 5> corners{Point2{box.xmin - dx, box.ymin - dy}, Point2{box.xmax + dx, box.ymin - dy},
                                      Point2{box.xmax + dx, box.ymax + dy}, Point2{box.xmin - dx, box.ymax + dy},
                                      Point2{box.xmin - dx, box.ymin - dy}};
  DoPictureFrame(corners);
}

void FigurePainter::Arrowhead(const Point2& tip, const Point2& direction, const ArrowheadShape& shape) {
  DoArrowhead(tip, direction, shape);
}

void FigurePainter::Text(PointI anchor, std::string_view text, int h, int v,
                         std::optional<kernel::ColorRef> background) {
  if (!text.empty()) DoText(anchor, text, h, v, background);
}

platform::SizeI FigurePainter::TextExtent(std::string_view text) { return DoTextExtent(text); }

void FigurePainter::TextAtPoint(const Point2& p, std::string_view text, int h, int v) {
  if (!text.empty()) DoTextAtPoint(p, text, h, v);
}

void FigurePainter::DoTextAtPoint(const Point2& p, std::string_view text, int h, int v) {
  DoText({view::XToScreen(mapping_, p.x), view::YToScreen(mapping_, p.y)}, text, h, v, std::nullopt);
}

void FigurePainter::Comment(std::string_view text) { DoComment(text); }

// --- Decompositions -----------------------------------------------------------------------------

void FigurePainter::DoPixelSegment(PointI a, PointI b) { DoSegment(ToWorld(a), ToWorld(b), false); }

void FigurePainter::DoPolyline(std::span<const Point2> points) {
  for (std::size_t i = 1; i < points.size(); ++i) DoSegment(points[i - 1], points[i], true);
}

void FigurePainter::DoFlaggedPolyline(std::span<const Point2> points, std::span<const std::uint8_t> flags, int mode) {
  int run = kernel::NextFlagRun(-1, flags[0] != 0);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const int next = kernel::NextFlagRun(run, flags[i] != 0);
    if (kernel::FlaggedSegmentDrawn(run, next, mode)) DoSegment(points[i - 1], points[i], true);
    run = next;
  }
}

void FigurePainter::DoArc(const Point2& centre, const Point2& start, Real sweep) {
  ArcPieces pieces;
  SampleArc(mapping_, centre, start, sweep, pieces);
  std::size_t from = 0;
  for (const std::size_t end : pieces.ends) {
    if (end - from >= 2) DoPolyline(std::span<const Point2>(pieces.points).subspan(from, end - from));
    from = end;
  }
}

void FigurePainter::DoCircle(const Point2& centre, Real radius) {
  if (!(radius > 0)) return;
  ArcPieces pieces;
  SampleArc(mapping_, centre, {centre.x + radius, centre.y}, kernel::TwoPi, pieces);
  if (state_.brush.filled) {
    if (pieces.ends.size() == 1 && pieces.points.size() >= 3) {
      DoPolygon(pieces.points);
      return;
    }
    if (pieces.ends.empty() && kernel::Dist2(centre, mapping_.centre) < radius) {
      // A disk around the whole view, with no edge in it.
      const kernel::Box2& b = mapping_.box;
      const std::array<Point2, 4> view{Point2{b.xmin, b.ymax}, Point2{b.xmax, b.ymax}, Point2{b.xmax, b.ymin},
                                       Point2{b.xmin, b.ymin}};
      DoPolygon(view);
      return;
    }
  }
  std::size_t from = 0;
  for (const std::size_t end : pieces.ends) {
    if (end - from >= 2) DoPolyline(std::span<const Point2>(pieces.points).subspan(from, end - from));
    from = end;
  }
}

void FigurePainter::DoPixelCircle(PointI centre, int radius) {
  const Point2 c = ToWorld(centre);
  DoCircle(c, XToWorld(mapping_, centre.x + radius) - c.x);
}

void FigurePainter::DoPolygon(std::span<const Point2> points) {
  scratch_.assign(points.begin(), points.end());
  scratch_.push_back(points.front());
  DoPolyline(scratch_);
}

void FigurePainter::DoRegion(std::span<const Point2> points, std::string_view /*kind*/, bool /*backdrop*/) {
  DoPolygon(points);
}

void FigurePainter::DoRectangle(const Point2& topLeft, const Point2& bottomRight) {
  const std::array<Point2, 4> corners{topLeft, Point2{bottomRight.x, topLeft.y}, bottomRight,
                                      Point2{topLeft.x, bottomRight.y}};
  DoPolygon(corners);
}

void FigurePainter::DoPixelRectangle(const platform::Rect& rect) {
  DoRectangle(ToWorld({rect.left, rect.top}), ToWorld({rect.right, rect.bottom}));
}

void FigurePainter::DoMarker(const MarkerPlace& at, std::uint32_t style, int size) {
  const MarkerShape shape = MarkerShapeAt(at.pixel, style, size);
  switch (shape.kind) {
    case MarkerShape::Kind::Square: DoPixelRectangle(shape.box); break;
    case MarkerShape::Kind::Disk: DoPixelCircle(at.pixel, size); break;
    case MarkerShape::Kind::Triangle: {
      std::array<Point2, 3> world;
      for (std::size_t k = 0; k < world.size(); ++k) world[k] = ToWorld(shape.corners[k]);
      DoPolygon(world);
      break;
    }
    case MarkerShape::Kind::Strokes:
      for (int k = 0; k < shape.strokeCount; ++k) DoPixelSegment(shape.strokes[k].from, shape.strokes[k].to);
      break;
    case MarkerShape::Kind::None: break;
  }
}

void FigurePainter::DoLatticeCross(const Point2& /*p*/, PointI pixel, int armX, int armY, int extra) {
  DoPixelSegment({pixel.x - armX - extra, pixel.y}, {pixel.x + armX + 1, pixel.y});
  DoPixelSegment({pixel.x, pixel.y - armY - extra}, {pixel.x, pixel.y + armY + 1});
}

void FigurePainter::DoPictureFrame(std::span<const Point2> corners) {
  for (std::size_t i = 1; i < corners.size(); ++i) DoSegment(corners[i - 1], corners[i], false);
}

void FigurePainter::DoArrowhead(const Point2& tip, const Point2& direction, const ArrowheadShape& shape) {
  Point2 c1;
  Point2 c2;
  if (!kernel::ArrowheadCorners(direction, shape.length, mapping_.aspect, shape.widthRatio, c1, c2)) return;
  const std::array<Point2, 3> head{tip + c1, tip, tip + c2};
  if (!shape.solid) {
    DoSegment(head[0], head[1], false);
    DoSegment(head[1], head[2], false);
    return;
  }
  Save();
  SetBrush({true, state_.pen.color, 0});
  DoPolygon(head);
  Restore();
}

PointI TextBoxCorner(PointI anchor, platform::SizeI size, int h, int v) {
  return {anchor.x + ((h - 1) * size.width) / 2, anchor.y - ((v + 1) * size.height) / 2};
}

}  // namespace view

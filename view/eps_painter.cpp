#include "view/eps_painter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "kernel/flag_runs.h"
#include "kernel/number_text.h"
#include "kernel/vector2.h"

namespace view {

using kernel::ColorRef;
using kernel::Point2;
using kernel::Real;

EpsPainter::EpsPainter(ExportOutput& output, const ViewMapping& mapping, const VectorExportSettings& settings)
    : ExportFilePainter(output, mapping, settings), page_(MakeEpsPage(mapping, settings)) {}

void EpsPainter::BeginPicture() {
  // Each frame of an animation maps its own view into the picture's half width H, as the PiCTeX
  // writer does, so a zoomed view still fills the picture and stays inside it.
  if (page_.frames >= 2) SetAnimationScale(page_.animationHalfWidth / mapping().halfWidth);
  Write(EpsHeaderText(page_, settings()));
}

void EpsPainter::EndPicture() { Write(EpsTrailerText()); }

Point2 EpsPainter::PagePoint(const Point2& world) const {
  if (page_.frames < 2) {
    const kernel::Box2& box = mapping().box;
    return {page_.xScale * (world.x - box.xmin), page_.yScale * (world.y - box.ymin)};
  }
  // An animation frame: the view centre goes to the middle of the picture, scaled by the frame's
  // factor.
  const Real s = settings().animationScale;
  const Point2& c = mapping().centre;
  return {page_.xScale * (page_.animationHalfWidth + (world.x - c.x) * s),
          page_.yScale * (page_.animationHalfHeight + (world.y - c.y) * s)};
}

// --- Text pieces --------------------------------------------------------------------------------

std::string EpsPainter::XY(const Point2& world) const {
  const Point2 p = PagePoint(world);
  return EpsNumber(p.x) + " " + EpsNumber(p.y);
}

std::string EpsPainter::Radius(Real worldRadius) const {
  // World lengths scale like the points do (by the frame's factor in an animation).
  const Real s = page_.frames < 2 ? 1 : settings().animationScale;
  return EpsNumber(worldRadius * s * page_.xScale);
}

std::string EpsPainter::Width(int width) { return EpsLineWidth(static_cast<Real>(0.32) * std::max(0, width)); }

std::string EpsPainter::Line(std::string_view text) { return std::string(text) + "\r\n"; }

const std::string& EpsPainter::Dash(int style) const {
  return style >= 0 && style < static_cast<int>(page_.dash.size()) ? page_.dash[style] : page_.dash[0];
}

int EpsPainter::StrokeWidth() const {
  const LinePen& pen = state().pen;
  return pen.style == kLineNone ? -1 : std::max(0, pen.width);
}

std::optional<ColorRef> EpsPainter::FillColor() const {
  const FillBrush& brush = state().brush;
  if (!brush.filled) return std::nullopt;
  return ColorOf(brush.color);
}

// --- Lines --------------------------------------------------------------------------------------

bool EpsPainter::DoSegment(const Point2& p, const Point2& q, bool clip) {
  Point2 a = p;
  Point2 b = q;
  if (clip && !ClipToView(mapping(), a, b)) return false;
  const std::array<Point2, 2> ends{a, b};
  if (!AllNear(ends) && !CutSegment(a, b)) return false;
  const LinePen& pen = state().pen;
  WriteLine(a, b, ColorOf(pen.color), pen.width, pen.style);
  return true;
}

void EpsPainter::WriteLine(const Point2& p, const Point2& q, ColorRef color, int width, int style) {
  // Pen styles outside 0 to 4 (the null pen among them) draw nothing.
  if (style < 0 || style > 4) return;
  std::string text;
  text += Line(EpsColorText(color) + " setrgbcolor");
  text += Line(Width(width) + " setlinewidth");
  text += Line(page_.dash[style]);
  text += Line("newpath");
  text += Line(XY(p) + " moveto");
  text += Line(XY(q) + " lineto");
  text += Line("stroke");
  Write(text);
}

void EpsPainter::AppendPath(std::string& text, std::span<const Point2> points, bool close) const {
  text += Line("newpath");
  for (std::size_t i = 0; i < points.size(); ++i) text += Line(XY(points[i]) + (i == 0 ? " moveto" : " lineto"));
  if (close && !points.empty()) text += Line(XY(points[0]) + " lineto");
}

void EpsPainter::AppendTemplatePath(std::string& text, std::span<const Point2> points, std::string_view letters) const {
  text += Line("newpath");
  for (std::size_t i = 0; i < points.size(); ++i) {
    const bool move = i < letters.size() && letters[i] == 'M';
    text += Line(XY(points[i]) + (move ? " moveto" : " lineto"));
  }
}

void EpsPainter::WriteStrokedPath(std::span<const Point2> points, std::string_view letters, ColorRef color, int width,
                                  int style) {
  if (points.size() < 2) return;
  std::string text;
  if (letters.empty()) AppendPath(text, points, false);
  else AppendTemplatePath(text, points, letters);
  text += Line(EpsColorText(color) + " setrgbcolor");
  text += Line(Width(width) + " setlinewidth");
  text += Line(Dash(style));
  text += Line("stroke");
  Write(text);
}

void EpsPainter::DoPolyline(std::span<const Point2> points) {
  const LinePen& pen = state().pen;
  if (pen.style == kLineNone) return;
  const ColorRef color = ColorOf(pen.color);
  if (AllNear(points)) {
    WriteStrokedPath(points, {}, color, pen.width, pen.style);
    return;
  }
  // Reaches far out: segment by segment, each cut to the margin around the view.
  for (std::size_t i = 1; i < points.size(); ++i) {
    std::array<Point2, 2> piece{points[i - 1], points[i]};
    if (CutSegment(piece[0], piece[1])) WriteStrokedPath(piece, {}, color, pen.width, pen.style);
  }
}

void EpsPainter::DoFlaggedPolyline(std::span<const Point2> points, std::span<const std::uint8_t> flags, int mode) {
  const LinePen& pen = state().pen;
  if (pen.style == kLineNone) return;
  if (!AllNear(points)) {
    FigurePainter::DoFlaggedPolyline(points, flags, mode);
    return;
  }
  std::string text = Line("newpath");
  int run = kernel::NextFlagRun(-1, flags[0] != 0);
  bool previousDrawn = false;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const int next = kernel::NextFlagRun(run, flags[i] != 0);
    const bool drawn = kernel::FlaggedSegmentDrawn(run, next, mode);
    if (drawn) {
      if (!previousDrawn) text += Line(XY(points[i - 1]) + " moveto");
      text += Line(XY(points[i]) + " lineto");
    }
    previousDrawn = drawn;
    run = next;
  }
  text += Line(Width(pen.width) + " setlinewidth");
  text += Line(Dash(pen.style));
  text += Line(EpsColorText(ColorOf(pen.color)) + " setrgbcolor");
  text += Line("stroke");
  Write(text);
}

namespace {

// The direction of a vector in degrees, in (-180, 180].
Real DirectionDegrees(const Point2& v) {
  if (std::fabs(v.x) < kernel::NullTolerance) return v.y >= 0 ? 90 : -90;
  Real a = std::atan(v.y / v.x) * 180 / kernel::Pi;
  if (v.x < 0) a += v.y >= 0 ? 180 : -180;
  return a;
}

}  // namespace

void EpsPainter::WriteArc(const Point2& centre, const Point2& start, Real sweep) {
  const LinePen& pen = state().pen;
  const Point2 c = PagePoint(centre);
  const Point2 s = PagePoint(start);
  const Real a1 = DirectionDegrees({start.x - centre.x, start.y - centre.y});
  const Real a2 = a1 + sweep * 180 / kernel::Pi;
  // PostScript draws arcs counter-clockwise: an arc turning clockwise is the same arc drawn from
  // its end back to its start.
  const Real from = sweep < 0 ? a2 : a1;
  const Real to = sweep < 0 ? a1 : a2;
  std::string text;
  text += Line(EpsColorText(ColorOf(pen.color)) + " setrgbcolor");
  text += Line(Width(pen.width) + " setlinewidth");
  text += Line(Dash(pen.style));
  text += Line("newpath");
  text += Line(EpsNumber(c.x) + " " + EpsNumber(c.y) + " " + EpsNumber(kernel::Dist2(c, s)) + " " + EpsAngle(from) +
               " " + EpsAngle(to) + " arc");
  text += Line("stroke");
  Write(text);
}

// --- Circles ------------------------------------------------------------------------------------

void EpsPainter::DoCircle(const Point2& centre, Real radius) {
  if (!(radius > 0)) return;
  const std::optional<ColorRef> fill = FillColor();
  const int width = StrokeWidth();
  if (!fill && width < 0) return;
  const LinePen& pen = state().pen;
  const ColorRef outline = ColorOf(pen.color);
  const int fillStyle = std::max(0, state().brush.pattern);
  if (!CircleNear(centre, radius)) {
    std::vector<Point2> area;
    std::vector<std::vector<Point2>> pieces;
    FarCirclePieces(centre, radius, fill.has_value() && fillStyle == 0, area, pieces);
    if (fill && fillStyle > 0) {
      std::string text = Line("% begin circle fill");
      AppendDotFillCircle(text, centre, radius, *fill);
      Write(text);
    } else if (area.size() >= 3) {
      WriteFillPolygon(area, false, *fill, -1, outline, 0, kLineSolid);
    }
    if (width >= 0)
      for (const std::vector<Point2>& piece : pieces) WriteStrokedPath(piece, {}, outline, width, pen.style);
    return;
  }
  if (!fill) WriteCircleOutline(centre, radius, width, outline, pen.style);
  else if (width < 0) WriteCircleFill(centre, radius, *fill, fillStyle);
  else WriteFilledCircle(centre, radius, width, *fill, outline, fillStyle, pen.style);
}

void EpsPainter::WriteCircleOutline(const Point2& p, Real r, int width, ColorRef color, int style) {
  std::string text;
  text += Line("newpath");
  text += Line(XY(p) + " " + Radius(r) + " 0 360 arc");
  text += Line(Width(width) + " setlinewidth");
  text += Line(Dash(style));
  text += Line(EpsColorText(color) + " setrgbcolor");
  text += Line("stroke");
  Write(text);
}

void EpsPainter::AppendDot(std::string& text, const Point2& p, Real r, ColorRef color) const {
  text += Line("% begin circle fill");
  text += Line("newpath");
  text += Line(XY(p) + " " + Radius(r) + " 0 360 arc");
  text += Line(EpsColorText(color) + " setrgbcolor");
  text += Line("fill");
}

void EpsPainter::WriteCircleFill(const Point2& p, Real r, ColorRef color, int fillStyle) {
  std::string text;
  if (fillStyle == 0) {
    AppendDot(text, p, r, color);
  } else {
    text += Line("% begin circle fill");
    text += Line("newpath");
    text += Line(XY(p) + " " + Radius(r) + " 0 360 arc");
    AppendDotFillCircle(text, p, r, color);
  }
  Write(text);
}

void EpsPainter::WriteFilledCircle(const Point2& p, Real r, int width, ColorRef fill, ColorRef outline, int fillStyle,
                                   int style) {
  std::string text;
  text += Line("% begin circle fill");
  text += Line("newpath");
  text += Line(XY(p) + " " + Radius(r) + " 0 360 arc");
  text += Line("gsave");
  if (fillStyle == 0) {
    text += Line(EpsColorText(fill) + " setrgbcolor");
    text += Line("fill");
  } else {
    AppendDotFillCircle(text, p, r, fill);
  }
  text += Line("grestore");
  text += Line(Width(width) + " setlinewidth");
  text += Line(Dash(style));
  text += Line(EpsColorText(outline) + " setrgbcolor");
  text += Line("stroke");
  Write(text);
}

// --- Polygons and rectangles --------------------------------------------------------------------

void EpsPainter::DoPolygon(std::span<const Point2> points) {
  WriteStatePolygon(points, std::max(0, state().brush.pattern));
}

void EpsPainter::DoRegion(std::span<const Point2> points, std::string_view kind, bool /*backdrop*/) {
  WriteComment("begin " + std::string(kind) + " fill");
  WriteStatePolygon(points, 0);
}

void EpsPainter::WriteStatePolygon(std::span<const Point2> points, int fillStyle) {
  const std::optional<ColorRef> fill = FillColor();
  const int width = StrokeWidth();
  if (!fill && width < 0) return;
  std::span<const Point2> shape = points;
  if (!AllNear(points)) {
    if (!CutPolygon(points, cut_)) return;
    shape = cut_;
  }
  const LinePen& pen = state().pen;
  WriteFillPolygon(shape, !fill, fill.value_or(0), width, ColorOf(pen.color), fillStyle, pen.style);
}

void EpsPainter::WriteFillPolygon(std::span<const Point2> points, bool noFill, ColorRef fill, int width,
                                  ColorRef outline, int fillStyle, int style) {
  if (noFill && width < 0) return;
  if (width == 0) width = 1;
  std::string text;
  AppendPath(text, points, true);
  text += Line("gsave");
  if (fillStyle == 0 && !noFill) {
    text += Line(EpsColorText(fill) + " setrgbcolor");
    text += Line("fill");
  }
  text += Line("grestore");
  if (width > 0) {
    text += Line(Dash(style));
    text += Line(EpsColorText(outline) + " setrgbcolor");
    text += Line(Width(width) + " setlinewidth");
    text += Line("stroke");
  }
  Write(text);
}

void EpsPainter::DoRectangle(const Point2& topLeft, const Point2& bottomRight) {
  const std::optional<ColorRef> fill = FillColor();
  const LinePen& pen = state().pen;
  WriteRect(topLeft, bottomRight, !fill, fill.value_or(0), StrokeWidth(), ColorOf(pen.color),
            std::max(0, state().brush.pattern), pen.style);
}

void EpsPainter::WriteRect(const Point2& a, const Point2& b, bool noFill, ColorRef fill, int width, ColorRef outline,
                           int fillStyle, int style) {
  if (noFill && width < 0) return;
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return;
  Real left = a.x;
  Real top = a.y;
  Real right = b.x;
  Real bottom = b.y;
  const std::array<Point2, 2> corners{a, b};
  if (!AllNear(corners)) {
    // An axis-parallel rectangle keeps its shape when its far sides are moved in.
    const kernel::Box2 box = CutBox();
    left = std::clamp(left, box.xmin, box.xmax);
    right = std::clamp(right, box.xmin, box.xmax);
    top = std::clamp(top, box.ymin, box.ymax);
    bottom = std::clamp(bottom, box.ymin, box.ymax);
  }
  std::string text;
  text += Line("newpath");
  text += Line(XY({right, top}) + " moveto");
  text += Line(XY({left, top}) + " lineto");
  text += Line(XY({left, bottom}) + " lineto");
  text += Line(XY({right, bottom}) + " lineto");
  text += Line(XY({right, top}) + " lineto");
  text += Line("gsave");
  if (width == 0) width = 1;
  if (!noFill) {
    if (fillStyle == 0) {
      text += Line(EpsColorText(fill) + " setrgbcolor");
      text += Line("fill");
    } else {
      // The grid starts at the top left corner, however the corners were given.
      AppendDotFillRect(text, {std::min(a.x, b.x), std::max(a.y, b.y)}, {std::max(a.x, b.x), std::min(a.y, b.y)},
                        fill);
    }
  }
  text += Line("grestore");
  if (width > 0) {
    text += Line(Dash(style));
    text += Line(EpsColorText(outline) + " setrgbcolor");
    text += Line(Width(width) + " setlinewidth");
    text += Line("stroke");
  }
  Write(text);
}

// --- Frame and comments -------------------------------------------------------------------------

void EpsPainter::DoPictureFrame(std::span<const Point2> corners) {
  WriteStrokedPath(corners, {}, kernel::kBlackRef, settings().framePenWidth, kLineSolid);
}

void EpsPainter::DoComment(std::string_view text) { WriteComment(text); }

void EpsPainter::WriteComment(std::string_view text) {
  // One comment line, whatever the text holds.
  std::string line = "% ";
  for (const char ch : text) line += static_cast<unsigned char>(ch) < 32 ? ' ' : ch;
  Write(Line(line));
}

}  // namespace view

#include "view/svg_painter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "kernel/colour_values.h"
#include "kernel/flag_runs.h"
#include "kernel/number_text.h"
#include "kernel/vector2.h"
#include "view/svg_document.h"

namespace view {

using kernel::ColorRef;
using kernel::Point2;
using kernel::Real;
using platform::PointI;

namespace {

constexpr const char* kLineEnd = "\r\n";
// Far shapes are held this many pixels outside the client area.
constexpr int kPixelMargin = 1024;

std::string Attr(std::string_view name, std::string_view value) {
  return std::string(name) + "=\"" + std::string(value) + "\"";
}
std::string Attr(std::string_view name, long value) { return Attr(name, std::to_string(value)); }

std::string Hex(ColorRef c) { return kernel::ColorToHex(c); }

std::string Px(int width) { return std::to_string(width) + "px"; }

// The dash array of a pen style: none for solid lines.
std::string DashAttribute(int style) {
  switch (style) {
    case kLineSolid: return {};
    case kLineDot: return " " + Attr("stroke-dasharray", "4,4");
    case kLineDash: return " " + Attr("stroke-dasharray", "20,8");
    case kLineDashDot: return " " + Attr("stroke-dasharray", "2,4,6,4");
    default: return " " + Attr("stroke-dasharray", "3,3,10,3,3,3");
  }
}

std::string Pair(PointI p, char separator) { return std::to_string(p.x) + separator + std::to_string(p.y); }

}  // namespace

SvgPainter::SvgPainter(ExportOutput& output, const ViewMapping& mapping, const VectorExportSettings& settings)
    : ExportFilePainter(output, mapping, settings) {}

void SvgPainter::BeginPicture() {
  patterns_ = 0;
  const ViewMapping& m = mapping();
  const int width = settings().pictureWidth > 0 ? settings().pictureWidth : m.width;
  const int height = settings().pictureHeight > 0 ? settings().pictureHeight : m.height;
  Write(SvgHeaderText(width, height, m.width, m.height, settings().title));
}

void SvgPainter::EndPicture() { Write(SvgTrailerText()); }

int SvgPainter::StrokeWidth() const {
  const LinePen& pen = state().pen;
  return pen.style == kLineNone ? -1 : std::max(1, pen.width);
}

PointI SvgPainter::Pixel(const Point2& world) const {
  const Point2 s = ScreenLD(world);
  return {kernel::RoundLD(s.x), kernel::RoundLD(s.y)};
}

// --- Fills and hatch patterns -------------------------------------------------------------------

std::string SvgPainter::HatchPattern(const std::string& fill, const std::string& stroke, int hatch) {
  if (patterns_ >= kSvgPatternLimit) return fill;
  const int tile = hatch == 1 || hatch == 3 || hatch == 4 ? 10 : 8;
  std::string id = std::to_string(patterns_);
  id = "fpat" + std::string(id.size() < 3 ? 3 - id.size() : 0, '0') + id;
  std::string strokes;
  auto path = [&strokes](std::string_view d) { strokes += "<path " + Attr("d", d) + "/>"; };
  switch (hatch) {
    case 1: path("M0,10 l10,-10"); break;
    case 2:
      path("M0,4 l8,0");
      path("M4,0 l0,8");
      break;
    case 3:
      path("M0,10 l10,-10");
      path("M0,0 l10,10");
      break;
    case 4: path("M0,0 l10,10"); break;
    case 5: path("M0,4 l8,0"); break;
    default: path("M4,0 l0,8"); break;
  }
  // Hatch lines of a shape without outline are drawn in the fill colour.
  const std::string& lines = stroke == "none" ? fill : stroke;
  std::string text;
  text += std::string("<defs>") + kLineEnd;
  text += "<pattern " + Attr("id", id) + " " + Attr("patternUnits", "userSpaceOnUse") + " " + Attr("x", 0) + " " +
          Attr("y", 0) + " " + Attr("width", tile) + " " + Attr("height", tile) + ">" + kLineEnd;
  text += "<g " + Attr("style", "fill:" + fill + "; stroke:" + lines + "; stroke-width:1px") + "> " + strokes + "</g>" +
          kLineEnd;
  text += std::string("</pattern>") + kLineEnd;
  text += std::string("</defs>") + kLineEnd;
  Write(text);
  ++patterns_;
  return "url(#" + id + ")";
}

std::string SvgPainter::FillText(bool noFill, ColorRef fill, int hatch, const std::string& stroke) {
  if (noFill) return "none";
  const std::string colour = Hex(fill);
  return hatch > 0 ? HatchPattern(colour, stroke, hatch) : colour;
}

// --- Elements -----------------------------------------------------------------------------------

void SvgPainter::WriteRect(int x, int y, int w, int h, bool noFill, ColorRef fill, int width, ColorRef stroke,
                           int hatch, int style) {
  if (noFill && width < 0) return;
  const std::string strokeText = width < 0 ? (noFill ? "none" : Hex(fill)) : Hex(stroke);
  const std::string f = FillText(noFill, fill, hatch, strokeText);
  std::string text = "<rect " + Attr("x", x) + " " + Attr("y", y) + " " + Attr("width", std::abs(w)) + " " +
                     Attr("height", std::abs(h));
  text += " " + Attr("fill", f);
  text += " " + Attr("stroke", width < 0 ? f : Hex(stroke));
  text += " " + Attr("stroke-width", Px(std::abs(width)));
  if (width >= 0) text += DashAttribute(style);
  text += std::string(" />") + kLineEnd;
  Write(text);
}

void SvgPainter::WritePolygon(std::span<const PointI> points, bool noFill, ColorRef fill, int width, ColorRef stroke,
                              int hatch, int style) {
  if (noFill && width < 0) return;
  if (width == 0) width = 1;
  const std::string strokeText = width < 0 ? Hex(fill) : Hex(stroke);
  const std::string f = FillText(noFill, fill, hatch, strokeText);
  std::string text = "<polygon " + Attr("fill", f);
  text += " " + Attr("stroke", strokeText);
  text += " " + Attr("stroke-width", Px(width < 0 ? 1 : width));
  if (width > 0) text += DashAttribute(style);
  text += " points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) text += ' ';
    text += Pair(points[i], ',');
  }
  text += "\"";
  text += std::string(" />") + kLineEnd;
  Write(text);
}

void SvgPainter::WriteCircle(PointI centre, int r, std::optional<ColorRef> stroke, int width,
                             std::optional<ColorRef> fill, int hatch, int style) {
  if (!stroke && !fill) return;
  width = std::max(1, width);
  const std::string s = stroke ? Hex(*stroke) : "none";
  const std::string f = fill ? (hatch > 0 ? HatchPattern(Hex(*fill), s, hatch) : Hex(*fill)) : "none";
  std::string text = "<circle " + Attr("cx", centre.x) + " " + Attr("cy", centre.y) + " " + Attr("r", r) + " " +
                     Attr("fill", f) + " " + Attr("stroke", s) + " " + Attr("stroke-width", Px(width));
  if (stroke) text += DashAttribute(style);
  text += std::string(" />") + kLineEnd;
  Write(text);
}

void SvgPainter::WriteEllipse(PointI centre, int r, ColorRef fill, ColorRef stroke) {
  Write("<ellipse " + Attr("cx", centre.x) + " " + Attr("cy", centre.y) + " " + Attr("rx", r) + " " + Attr("ry", r) +
        " " + Attr("fill", Hex(fill)) + " " + Attr("stroke", Hex(stroke)) + " " + Attr("stroke-width", "1px") + " />" +
        kLineEnd);
}

void SvgPainter::WriteLine(PointI a, PointI b, ColorRef color, int width, int dash) {
  std::string text = "<line " + Attr("x1", a.x) + " " + Attr("y1", a.y) + " " + Attr("x2", b.x) + " " +
                     Attr("y2", b.y) + " " + Attr("stroke", Hex(color)) + " " +
                     Attr("stroke-width", Px(std::max(1, width)));
  text += DashAttribute(dash);
  text += std::string(" />") + kLineEnd;
  Write(text);
}

void SvgPainter::WritePath(std::span<const PointI> points, ColorRef color, int width, std::string_view letters,
                           int style) {
  if (points.size() < 2) return;
  std::string d;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const bool move = letters.empty() ? i == 0 : (i < letters.size() && letters[i] == 'M');
    if (move) d += (i == 0 ? "M " : " M ") + Pair(points[i], ' ') + " L";
    else d += " " + Pair(points[i], ' ');
  }
  std::string text = "<path " + Attr("d", d) + " " + Attr("fill", "none") + " " + Attr("stroke", Hex(color)) + " " +
                     Attr("stroke-width", Px(std::max(1, width)));
  text += DashAttribute(style);
  text += std::string(" />") + kLineEnd;
  Write(text);
}

// --- Lines --------------------------------------------------------------------------------------

bool SvgPainter::DoSegment(const Point2& p, const Point2& q, bool clip) {
  Point2 a = p;
  Point2 b = q;
  if (clip && !ClipToView(mapping(), a, b)) return false;
  const std::array<Point2, 2> ends{a, b};
  if (!AllNear(ends) && !CutSegment(a, b)) return false;
  const LinePen& pen = state().pen;
  if (pen.style != kLineNone) WriteLine(Pixel(a), Pixel(b), ColorOf(pen.color), pen.width, pen.style);
  return true;
}

void SvgPainter::DoPixelSegment(PointI a, PointI b) {
  const LinePen& pen = state().pen;
  if (pen.style != kLineNone) WriteLine(a, b, ColorOf(pen.color), pen.width, pen.style);
}

void SvgPainter::DoPolyline(std::span<const Point2> points) {
  const LinePen& pen = state().pen;
  if (pen.style == kLineNone) return;
  const ColorRef color = ColorOf(pen.color);
  if (AllNear(points)) {
    pixels_.clear();
    for (const Point2& p : points) pixels_.push_back(Pixel(p));
    WritePath(pixels_, color, pen.width, {}, pen.style);
    return;
  }
  for (std::size_t i = 1; i < points.size(); ++i) {
    Point2 a = points[i - 1];
    Point2 b = points[i];
    if (!CutSegment(a, b)) continue;
    const std::array<PointI, 2> piece{Pixel(a), Pixel(b)};
    WritePath(piece, color, pen.width, {}, pen.style);
  }
}

void SvgPainter::DoFlaggedPolyline(std::span<const Point2> points, std::span<const std::uint8_t> flags, int mode) {
  const LinePen& pen = state().pen;
  if (pen.style == kLineNone) return;
  if (!AllNear(points)) {
    FigurePainter::DoFlaggedPolyline(points, flags, mode);
    return;
  }
  std::string d;
  int run = kernel::NextFlagRun(-1, flags[0] != 0);
  bool previousDrawn = false;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const int next = kernel::NextFlagRun(run, flags[i] != 0);
    const bool drawn = kernel::FlaggedSegmentDrawn(run, next, mode);
    if (drawn) {
      if (!previousDrawn) d += " M " + Pair(Pixel(points[i - 1]), ' ') + " L";
      d += " " + Pair(Pixel(points[i]), ' ');
    }
    previousDrawn = drawn;
    run = next;
  }
  if (d.empty()) return;  // no segment shows
  std::string text = "<path " + Attr("d", d) + " " + Attr("fill", "none") + " " + Attr("stroke", Hex(ColorOf(pen.color))) +
                     " " + Attr("stroke-width", Px(std::max(1, pen.width)));
  text += DashAttribute(pen.style);
  text += std::string(" />") + kLineEnd;
  Write(text);
}

void SvgPainter::WriteArc(const Point2& centre, const Point2& start, Real angle) {
  const LinePen& pen = state().pen;
  const int r = kernel::RoundLD(kernel::Dist2(centre, start) / mapping().unitsPerPixelX);
  const PointI a = Pixel(start);
  const std::string radius = " a" + std::to_string(r) + "," + std::to_string(r) + " 0 ";
  // Turning counter-clockwise in the world is turning counter-clockwise on the screen too: the
  // arc's sweep flag is 0 for it and 1 for a clockwise arc.
  const char sweep = angle < 0 ? '1' : '0';
  std::string d = "M " + Pair(a, ',');
  if (std::fabs(angle) >= kernel::TwoPi) {
    // A whole circle: two half circles through the point opposite the start.
    const PointI opposite = Pixel({2 * centre.x - start.x, 2 * centre.y - start.y});
    const PointI there{opposite.x - a.x, opposite.y - a.y};
    d += radius + " 1," + sweep + "  " + Pair(there, ',');
    d += radius + " 1," + sweep + "  " + Pair({-there.x, -there.y}, ',');
  } else {
    Point2 end = start - centre;
    kernel::Rotate2(end, angle);
    end = end + centre;
    const PointI b = Pixel(end);
    const char large = std::fabs(angle) > kernel::Pi ? '1' : '0';
    d += radius + " " + large + "," + sweep + "  " + Pair({b.x - a.x, b.y - a.y}, ',');
  }
  std::string text = "<path " + Attr("d", d) + " " + Attr("fill", "none") + " " + Attr("stroke", Hex(ColorOf(pen.color))) +
                     " " + Attr("stroke-width", Px(std::max(1, pen.width)));
  text += DashAttribute(pen.style);
  text += std::string(" />") + kLineEnd;
  Write(text);
}

// --- Shapes -------------------------------------------------------------------------------------

void SvgPainter::DoCircle(const Point2& centre, Real radius) {
  if (!(radius > 0)) return;
  const FillBrush& brush = state().brush;
  const LinePen& pen = state().pen;
  const int width = StrokeWidth();
  if (!brush.filled && width < 0) return;
  const std::optional<ColorRef> fill = brush.filled ? std::optional<ColorRef>(ColorOf(brush.color)) : std::nullopt;
  const std::optional<ColorRef> stroke = width < 0 ? std::nullopt : std::optional<ColorRef>(ColorOf(pen.color));
  if (!CircleNear(centre, radius)) {
    std::vector<Point2> area;
    std::vector<std::vector<Point2>> pieces;
    FarCirclePieces(centre, radius, fill.has_value(), area, pieces);
    if (area.size() >= 3) {
      pixels_.clear();
      for (const Point2& p : area) pixels_.push_back(Pixel(p));
      WritePolygon(pixels_, false, *fill, -1, *fill, brush.pattern, kLineSolid);
    }
    if (stroke) {
      for (const std::vector<Point2>& piece : pieces) {
        pixels_.clear();
        for (const Point2& p : piece) pixels_.push_back(Pixel(p));
        WritePath(pixels_, *stroke, width, {}, pen.style);
      }
    }
    return;
  }
  WriteCircle(Pixel(centre), kernel::RoundLD(radius / mapping().unitsPerPixelX), stroke, width, fill, brush.pattern,
              pen.style);
}

void SvgPainter::DoPixelCircle(PointI centre, int radius) {
  const FillBrush& brush = state().brush;
  const LinePen& pen = state().pen;
  const int width = StrokeWidth();
  const std::optional<ColorRef> fill = brush.filled ? std::optional<ColorRef>(ColorOf(brush.color)) : std::nullopt;
  const std::optional<ColorRef> stroke = width < 0 ? std::nullopt : std::optional<ColorRef>(ColorOf(pen.color));
  WriteCircle(centre, radius, stroke, width, fill, brush.pattern, pen.style);
}

void SvgPainter::DoPolygon(std::span<const Point2> points) {
  const FillBrush& brush = state().brush;
  const LinePen& pen = state().pen;
  const int width = StrokeWidth();
  if (!brush.filled && width < 0) return;
  std::span<const Point2> shape = points;
  if (!AllNear(points)) {
    if (!CutPolygon(points, cut_)) return;
    shape = cut_;
  }
  pixels_.clear();
  for (const Point2& p : shape) pixels_.push_back(Pixel(p));
  WritePolygon(pixels_, !brush.filled, ColorOf(brush.color), width, ColorOf(pen.color), brush.pattern, pen.style);
}

void SvgPainter::DoRectangle(const Point2& topLeft, const Point2& bottomRight) {
  const Point2 a = ScreenLD(topLeft);
  const Point2 b = ScreenLD(bottomRight);
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return;
  // An axis-parallel rectangle keeps its shape when its far sides are moved in.
  const ViewMapping& m = mapping();
  auto clampX = [&](Real x) {
    return kernel::RoundLD(std::clamp<Real>(x, m.offsetX - kPixelMargin, m.offsetX + m.width + kPixelMargin));
  };
  auto clampY = [&](Real y) {
    return kernel::RoundLD(std::clamp<Real>(y, m.offsetY - kPixelMargin, m.offsetY + m.height + kPixelMargin));
  };
  const int left = clampX(a.x);
  const int top = clampY(a.y);
  const int right = clampX(b.x);
  const int bottom = clampY(b.y);
  DoPixelRectangle({std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
}

void SvgPainter::DoPixelRectangle(const platform::Rect& rect) {
  const FillBrush& brush = state().brush;
  WriteRect(rect.left, rect.top, rect.Width(), rect.Height(), !brush.filled, ColorOf(brush.color), StrokeWidth(),
            ColorOf(state().pen.color), brush.pattern, state().pen.style);
}

void SvgPainter::DoPictureFrame(std::span<const Point2> corners) {
  pixels_.clear();
  for (std::size_t i = 0; i < corners.size() && i < 4; ++i) pixels_.push_back(Pixel(corners[i]));
  WritePolygon(pixels_, true, kernel::kBlackRef, std::max(1, settings().framePenWidth), kernel::kBlackRef, 0,
               kLineSolid);
}

}  // namespace view

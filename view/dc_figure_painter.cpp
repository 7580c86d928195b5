#include "view/dc_figure_painter.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "kernel/number_text.h"
#include "kernel/polygon_box_cut.h"
#include "kernel/segment_clip.h"
#include "kernel/vector2.h"
#include "view/arc_sampling.h"
#include "view/line_style.h"

namespace view {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

namespace {

// Screen coordinates within this distance of the client area go to the device as they are;
// shapes reaching farther are first cut to the client area widened by kCutMargin.
constexpr Real kFarPixels = 1 << 22;
constexpr Real kCutMargin = 1024;

platform::Color Rgb(kernel::ColorRef c) { return platform::Color::FromColorRef(c); }

platform::HatchStyle HatchOfPattern(int pattern) {
  switch (pattern) {
    case 1: return platform::HatchStyle::BackwardDiagonal;
    case 2: return platform::HatchStyle::Cross;
    case 3: return platform::HatchStyle::DiagonalCross;
    case 4: return platform::HatchStyle::ForwardDiagonal;
    case 5: return platform::HatchStyle::Horizontal;
    default: return platform::HatchStyle::Vertical;
  }
}

}  // namespace

kernel::ColorRef TableColor(const DcPaintRules& rules, int index) {
  return index >= 1 && index < kernel::kColorCount ? rules.colors[index] : rules.colors[0];
}

kernel::ColorRef PenColorOf(const DcPaintRules& rules, bool printing, const InkColor& color) {
  if (!color.IsIndex()) return color.value;
  if (printing && !rules.colorPrinting) return kernel::kBlackRef;
  int index = color.index;
  if (!printing && index == rules.backgroundIndex) index = index == 0 ? 1 : 0;
  return TableColor(rules, index);
}

kernel::ColorRef FillColorOf(const DcPaintRules& rules, bool printing, const InkColor& color) {
  if (!color.IsIndex()) return color.value;
  if (printing && !rules.colorPrinting) {
    const int index = color.index < kernel::kColorCount ? color.index : 0;
    const int g = rules.greys[index] & 0xFF;
    return kernel::Rgb(g, g, g);
  }
  return TableColor(rules, color.index);
}

platform::Pen DevicePen(const DcPaintRules& rules, bool printing, const LinePen& pen) {
  int width = pen.width + (printing ? rules.printerExtraWidth : 0);
  width = std::max(0, width) * std::max(1, rules.magnifier);
  return {PenStyleOfCode(pen.style), width, Rgb(PenColorOf(rules, printing, pen.color))};
}

platform::Brush DeviceBrush(const DcPaintRules& rules, bool printing, const FillBrush& brush) {
  if (!brush.filled) return platform::Brush::Hollow();
  const platform::Color c = Rgb(FillColorOf(rules, printing, brush.color));
  if (brush.pattern <= 0) return platform::Brush::Solid(c);
  return platform::Brush::Hatched(HatchOfPattern(brush.pattern), c);
}

DcFigurePainter::DcFigurePainter(platform::DC& dc, const ViewMapping& mapping, const DcPaintRules& rules)
    : FigurePainter(mapping), dc_(dc), rules_(rules), original_(dc.state()) {}

DcFigurePainter::~DcFigurePainter() {
  dc_.SelectPen(original_.pen);
  dc_.SelectBrush(original_.brush);
  dc_.SelectFont(original_.font);
  dc_.SetTextColor(original_.textColor);
  dc_.SetBackgroundColor(original_.backgroundColor);
  dc_.SetBackgroundMode(original_.backgroundMode);
  dc_.SetTextAlign(original_.textAlign);
}

void DcFigurePainter::Sync() {
  if (synced_) return;
  dc_.SelectPen(DevicePen(rules_, mapping().printing, state().pen));
  dc_.SelectBrush(DeviceBrush(rules_, mapping().printing, state().brush));
  synced_ = true;
}

Point2 DcFigurePainter::ScreenLD(const Point2& p) const {
  return {XToScreenLD(mapping(), p.x), YToScreenLD(mapping(), p.y)};
}

bool DcFigurePainter::Near(const Point2& screen) const {
  const ViewMapping& m = mapping();
  return std::fabs(screen.x - m.offsetX) < kFarPixels && std::fabs(screen.y - m.offsetY) < kFarPixels;
}

bool DcFigurePainter::PolygonPixels(std::span<const Point2> screen, std::vector<PointI>& out) {
  const ViewMapping& m = mapping();
  std::span<const Point2> points = screen;
  if (!std::all_of(screen.begin(), screen.end(), [this](const Point2& p) { return Near(p); })) {
    const kernel::Box2 cut{m.offsetX - kCutMargin, m.offsetX + m.width + kCutMargin, m.offsetY - kCutMargin,
                           m.offsetY + m.height + kCutMargin};
    kernel::CutPolygonToBox2(screen, cut, cut_);
    points = cut_;
  }
  out.clear();
  for (const Point2& p : points) out.push_back({kernel::RoundLD(p.x), kernel::RoundLD(p.y)});
  return out.size() >= 3;
}

// --- Lines --------------------------------------------------------------------------------------

bool DcFigurePainter::DoSegment(const Point2& p, const Point2& q, bool clip) {
  Point2 a = p;
  Point2 b = q;
  if (clip && !ClipToView(mapping(), a, b)) return false;
  PointI pa;
  PointI pb;
  WorldToPixel(mapping(), a, pa);
  WorldToPixel(mapping(), b, pb);
  Sync();
  dc_.MoveTo(pa);
  dc_.LineTo(pb);
  return true;
}

void DcFigurePainter::DoPixelSegment(PointI a, PointI b) {
  Sync();
  dc_.MoveTo(a);
  dc_.LineTo(b);
}

void DcFigurePainter::DoPolyline(std::span<const Point2> points) {
  pixels_.clear();
  for (const Point2& p : points) {
    const Point2 s = ScreenLD(p);
    if (!Near(s)) {
      // Reaches too far for the device: segment by segment, cut to the client area.
      for (std::size_t i = 1; i < points.size(); ++i) DrawCutSegment(points[i - 1], points[i]);
      return;
    }
    pixels_.push_back({kernel::RoundLD(s.x), kernel::RoundLD(s.y)});
  }
  Sync();
  dc_.Polyline(pixels_);
}

void DcFigurePainter::DoArc(const Point2& centre, const Point2& start, Real sweep) {
  const Real r = kernel::Dist2(centre, start);
  if (!(r > 0)) return;
  const Point2 topLeft = ScreenLD({centre.x - r, centre.y + r});
  const Point2 bottomRight = ScreenLD({centre.x + r, centre.y - r});
  if (!Near(topLeft) || !Near(bottomRight)) {
    DrawFarCircle(centre, r, start, sweep, false);
    return;
  }
  const platform::Rect box{kernel::RoundLD(topLeft.x), kernel::RoundLD(topLeft.y), kernel::RoundLD(bottomRight.x),
                           kernel::RoundLD(bottomRight.y)};
  Point2 end = start - centre;
  kernel::Rotate2(end, sweep);
  end = end + centre;
  const Point2 s = ScreenLD(start);
  const Point2 e = ScreenLD(end);
  PointI from{kernel::RoundLD(s.x), kernel::RoundLD(s.y)};
  PointI to{kernel::RoundLD(e.x), kernel::RoundLD(e.y)};
  if (std::fabs(sweep) >= kernel::TwoPi) to = from;
  else if (sweep < 0) std::swap(from, to);
  Sync();
  dc_.Arc(box, from, to);
}

void DcFigurePainter::DoCircle(const Point2& centre, Real radius) {
  if (!(radius > 0)) return;
  const Point2 topLeft = ScreenLD({centre.x - radius, centre.y + radius});
  const Point2 bottomRight = ScreenLD({centre.x + radius, centre.y - radius});
  if (!Near(topLeft) || !Near(bottomRight)) {
    DrawFarCircle(centre, radius, {centre.x + radius, centre.y}, kernel::TwoPi, state().brush.filled);
    return;
  }
  Sync();
  dc_.Ellipse({kernel::RoundLD(topLeft.x), kernel::RoundLD(topLeft.y), kernel::RoundLD(bottomRight.x),
               kernel::RoundLD(bottomRight.y)});
}

void DcFigurePainter::DrawFarCircle(const Point2& centre, Real radius, const Point2& start, Real sweep, bool fill) {
  ArcPieces pieces;
  SampleArc(mapping(), centre, start, sweep, pieces);
  if (fill) {
    const ViewMapping& m = mapping();
    screen_.clear();
    if (pieces.ends.size() == 1) {
      // The part of the disk over the view lies in the sector of the piece that passes the view.
      for (const Point2& p : pieces.points) screen_.push_back(ScreenLD(p));
      screen_.push_back(ScreenLD(centre));
    } else if (pieces.ends.empty() && kernel::Dist2(centre, m.centre) < radius) {
      // No edge passes the view, and the disk holds its centre: it covers the whole view.
      const Real left = m.offsetX - 1;
      const Real top = m.offsetY - 1;
      const Real right = m.offsetX + m.width + 1;
      const Real bottom = m.offsetY + m.height + 1;
      screen_ = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    }
    if (screen_.size() >= 3 && PolygonPixels(screen_, pixels_)) {
      Sync();
      const platform::Pen pen = dc_.SelectPen({platform::PenStyle::Null, 1, platform::kBlack});
      dc_.Polygon(pixels_);
      dc_.SelectPen(pen);
    }
  }
  if (state().pen.style == kLineNone) return;
  std::size_t from = 0;
  for (const std::size_t end : pieces.ends) {
    for (std::size_t i = from + 1; i < end; ++i) DrawCutSegment(pieces.points[i - 1], pieces.points[i]);
    from = end;
  }
}

void DcFigurePainter::DrawCutSegment(const Point2& p, const Point2& q) {
  const ViewMapping& m = mapping();
  const Real dx = 2 * m.unitsPerPixelX;
  const Real dy = 2 * m.unitsPerPixelY;
  Point2 a = p;
  Point2 b = q;
  if (!kernel::ClipSegment(m.box.xmin - dx, m.box.xmax + dx, m.box.ymin - dy, m.box.ymax + dy, a, b, false)) return;
  const Point2 sa = ScreenLD(a);
  const Point2 sb = ScreenLD(b);
  Sync();
  dc_.MoveTo({kernel::RoundLD(sa.x), kernel::RoundLD(sa.y)});
  dc_.LineTo({kernel::RoundLD(sb.x), kernel::RoundLD(sb.y)});
}

// --- Shapes -------------------------------------------------------------------------------------

void DcFigurePainter::DoPixelCircle(PointI centre, int radius) {
  Sync();
  dc_.Ellipse({centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1});
}

void DcFigurePainter::DoPolygon(std::span<const Point2> points) {
  screen_.clear();
  for (const Point2& p : points) screen_.push_back(ScreenLD(p));
  if (!PolygonPixels(screen_, pixels_)) return;
  Sync();
  dc_.Polygon(pixels_);
}

void DcFigurePainter::DoRectangle(const Point2& topLeft, const Point2& bottomRight) {
  const ViewMapping& m = mapping();
  // An axis-parallel rectangle keeps its shape when its far sides are moved in.
  auto clampX = [&](Real x) {
    return kernel::RoundLD(std::clamp<Real>(x, m.offsetX - kCutMargin, m.offsetX + m.width + kCutMargin));
  };
  auto clampY = [&](Real y) {
    return kernel::RoundLD(std::clamp<Real>(y, m.offsetY - kCutMargin, m.offsetY + m.height + kCutMargin));
  };
  const Point2 a = ScreenLD(topLeft);
  const Point2 b = ScreenLD(bottomRight);
  if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(b.x) || std::isnan(b.y)) return;
  Sync();
  dc_.Rectangle({clampX(a.x), clampY(a.y), clampX(b.x), clampY(b.y)});
}

void DcFigurePainter::DoPixelRectangle(const platform::Rect& rect) {
  Sync();
  dc_.Rectangle(rect);
}

// --- Text ---------------------------------------------------------------------------------------

void DcFigurePainter::SelectTextFont() {
  const TextStyle& text = state().text;
  if (dc_.state().font != text.font) dc_.SelectFont(text.font);
}

void DcFigurePainter::DoText(PointI anchor, std::string_view text, int h, int v,
                             std::optional<kernel::ColorRef> background) {
  SelectTextFont();
  dc_.SetTextColor(Rgb(PenColorOf(rules_, mapping().printing, state().text.color)));
  if (background && !rules_.transparentLabels) {
    dc_.SetBackgroundColor(Rgb(*background));
    dc_.SetBackgroundMode(platform::BackgroundMode::Opaque);
  } else {
    dc_.SetBackgroundMode(platform::BackgroundMode::Transparent);
  }
  dc_.SetTextAlign(platform::kAlignLeft | platform::kAlignTop);
  dc_.TextOut(TextBoxCorner(anchor, dc_.GetTextExtent(text), h, v), text);
}

platform::SizeI DcFigurePainter::DoTextExtent(std::string_view text) {
  SelectTextFont();
  return dc_.GetTextExtent(text);
}

}  // namespace view

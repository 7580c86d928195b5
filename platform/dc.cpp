#include "platform/dc.h"

#include <cassert>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "kernel/text_encoding.h"
#include "platform/bitmap.h"
#include "platform/polygon_clip.h"
#include "platform/stretch.h"

namespace platform {
namespace {

// Room kept around the visible area: what is cut away lies this far beyond what shows, so a cut
// shape's new edges, pen and all, never show.
constexpr std::int64_t kGuardMargin = 1 << 12;
constexpr std::int64_t kPenLimit = 1 << 16;
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

int ClampInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, kIntMin, kIntMax)); }

int RoundToInt(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(std::round(v), double(kIntMin), double(kIntMax)));
}

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

Rect Expanded(const Rect& r, std::int64_t by) {
  return {ClampInt(r.left - by), ClampInt(r.top - by), ClampInt(r.right + by), ClampInt(r.bottom + by)};
}

bool RectInside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

struct PointD {
  double x, y;
};

// The part of the segment a..b inside the rectangle (Liang and Barsky); the parameters of its
// ends along the segment. False when none of it is inside.
bool ClipSegment(PointD a, PointD b, const Rect& r, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - r.left, r.right - a.x, a.y - r.top, r.bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  return t0 <= t1;
}

// The ellipse inscribed in a box of whole pixels: centre and radii through pixel centres.
struct EllipseShape {
  double cx, cy, rx, ry;
  explicit EllipseShape(const Rect& box)
      : cx((double(box.left) + box.right - 1) / 2),
        cy((double(box.top) + box.bottom - 1) / 2),
        rx(std::max(0.0, (double(box.right) - box.left - 1) / 2)),
        ry(std::max(0.0, (double(box.bottom) - box.top - 1) / 2)) {}
  PointD At(double t) const { return {cx + rx * std::cos(t), cy - ry * std::sin(t)}; }
  // The parameter of the point where the ray from the centre through p meets the ellipse.
  double AngleOf(PointI p) const {
    const double phi = std::atan2(cy - p.y, p.x - cx);
    return std::atan2(rx * std::sin(phi), ry * std::cos(phi));
  }
};

// The points of the arc from parameter a0 on over the sweep: fine (within a quarter pixel) where
// it comes near the view, coarse elsewhere; a coarse chord keeps everything between it and the
// curve outside the view, so a fill of the points is the ellipse's fill wherever it shows.
void FlattenArc(const EllipseShape& e, double a0, double sweep, const Rect& view, std::vector<PointI>& out) {
  const auto add = [&](PointD p) { out.push_back({RoundToInt(p.x), RoundToInt(p.y)}); };
  add(e.At(a0));
  const double r = std::max(e.rx, e.ry);
  struct Piece {
    double a, b;
    int depth;
  };
  std::vector<Piece> pieces;
  const int n = std::max(1, static_cast<int>(std::ceil(sweep / (std::numbers::pi / 4))));
  for (int i = n - 1; i >= 0; --i) pieces.push_back({a0 + sweep * i / n, a0 + sweep * (i + 1) / n, 0});
  while (!pieces.empty()) {
    const Piece piece = pieces.back();
    pieces.pop_back();
    const PointD p = e.At(piece.a), q = e.At(piece.b);
    const double sag = r * (1 - std::cos((piece.b - piece.a) / 2));
    const bool near = std::max(p.x, q.x) + sag >= view.left && std::min(p.x, q.x) - sag <= view.right &&
                      std::max(p.y, q.y) + sag >= view.top && std::min(p.y, q.y) - sag <= view.bottom;
    if (!near || sag <= 0.25 || piece.depth >= 60) {
      add(q);
      continue;
    }
    const double m = (piece.a + piece.b) / 2;
    pieces.push_back({m, piece.b, piece.depth + 1});
    pieces.push_back({piece.a, m, piece.depth + 1});
  }
}

}  // namespace

DC::~DC() { assert(saved_.empty() && "every Push of a device context is popped before it ends"); }

Pen DC::SelectPen(const Pen& pen) {
  if (pen.width != state_.pen.width) guard_.reset();
  return std::exchange(state_.pen, pen);
}
Brush DC::SelectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
FontSpec DC::SelectFont(const FontSpec& font) { return std::exchange(state_.font, WithinFontLimits(font)); }
Color DC::SetTextColor(Color color) { return std::exchange(state_.textColor, color); }
Color DC::SetBackgroundColor(Color color) { return std::exchange(state_.backgroundColor, color); }
BackgroundMode DC::SetBackgroundMode(BackgroundMode mode) {
  return std::exchange(state_.backgroundMode, mode);
}
TextAlign DC::SetTextAlign(TextAlign align) { return std::exchange(state_.textAlign, align); }
RasterOp DC::SetRasterOp(RasterOp op) { return std::exchange(state_.rasterOp, op); }
FillMode DC::SetFillMode(FillMode mode) { return std::exchange(state_.fillMode, mode); }

void DC::Push() { saved_.push_back({state_, position_, clip_, clipVersion_}); }

void DC::Pop() {
  assert(!saved_.empty() && "Pop without a Push");
  if (saved_.empty()) return;
  Saved saved = std::move(saved_.back());
  saved_.pop_back();
  if (saved.state.pen.width != state_.pen.width) guard_.reset();
  state_ = saved.state;
  position_ = saved.position;
  if (saved.clipVersion != clipVersion_) {
    clip_ = std::move(saved.clip);
    ClipChanged();
    DoSetClip(clip_ ? &*clip_ : nullptr);
  }
}

// --- the area that shows ----------------------------------------------------------------------

Rect DC::VisibleBounds() const {
  if (!bounds_) {
    Rect b = DoDrawingBounds();
    if (b.IsEmpty()) {
      const DeviceCaps caps = DoDeviceCaps();
      b = caps.widthPixels > 0 && caps.heightPixels > 0 ? Rect{0, 0, caps.widthPixels, caps.heightPixels}
                                                        : Rect{kIntMin / 2, kIntMin / 2, kIntMax / 2, kIntMax / 2};
    }
    const_cast<DC*>(this)->bounds_ = b;
  }
  return clip_ ? Intersect(*bounds_, clip_->Bounds()) : *bounds_;
}

const Rect& DC::Guard() {
  if (!guard_) {
    const Rect visible = VisibleBounds();
    const std::int64_t pen = std::min<std::int64_t>(std::abs(std::int64_t{state_.pen.width}), kPenLimit);
    guard_ = visible.IsEmpty() ? Rect{} : Expanded(visible, kGuardMargin + pen);
  }
  return *guard_;
}

bool DC::Inside(std::span<const PointI> points) {
  const Rect& g = Guard();
  for (const PointI& p : points)
    if (p.x < g.left || p.x > g.right || p.y < g.top || p.y > g.bottom) return false;
  return true;
}

void DC::ClipChanged() {
  ++clipVersion_;
  guard_.reset();
}

void DC::TrackDrawnBox(bool on) {
  tracking_ = on;
  if (!on) drawnBox_ = {};
}

void DC::Touch(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  const Rect box{ClampInt(left), ClampInt(top), ClampInt(right), ClampInt(bottom)};
  drawnBox_ = Unite(drawnBox_, Intersect(box, VisibleBounds()));
}

void DC::TouchPoints(std::span<const PointI> points) {
  std::int64_t left = points[0].x, top = points[0].y, right = left, bottom = top;
  for (const PointI& p : points) {
    left = std::min<std::int64_t>(left, p.x);
    right = std::max<std::int64_t>(right, p.x);
    top = std::min<std::int64_t>(top, p.y);
    bottom = std::max<std::int64_t>(bottom, p.y);
  }
  const std::int64_t half = std::min<std::int64_t>(std::abs(std::int64_t{state_.pen.width}), kPenLimit) / 2 + 1;
  Touch(left - half, top - half, right + half + 1, bottom + half + 1);
}

// --- lines and shapes -------------------------------------------------------------------------

PointI DC::MoveTo(PointI p) { return std::exchange(position_, p); }

void DC::LineTo(PointI p) {
  const PointI points[2] = {position_, p};
  position_ = p;
  Polyline(points);
}

void DC::Polyline(std::span<const PointI> points) {
  if (points.size() < 2) return;
  if (tracking_) TouchPoints(points);
  if (held_) return;
  if ((state_.pen.width <= 1 && DoClipsThinLines()) || Inside(points)) {
    DoPolyline(points);
    return;
  }
  FarPolyline(points, false);
}

void DC::FarPolyline(std::span<const PointI> points, bool closed) {
  if (state_.pen.style == PenStyle::Null) return;
  const Rect g = Guard();
  std::vector<PointI> run;
  const auto flush = [&] {
    if (run.size() >= 2) DoPolyline(run);
    run.clear();
  };
  const std::size_t segments = closed ? points.size() : points.size() - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const PointI a = points[i], b = points[(i + 1) % points.size()];
    const PointD pa{double(a.x), double(a.y)}, pb{double(b.x), double(b.y)};
    double t0 = 0, t1 = 1;
    if (!ClipSegment(pa, pb, g, t0, t1)) {
      flush();
      continue;
    }
    const PointI from = t0 == 0 ? a : PointI{RoundToInt(pa.x + t0 * (pb.x - pa.x)), RoundToInt(pa.y + t0 * (pb.y - pa.y))};
    const PointI to = t1 == 1 ? b : PointI{RoundToInt(pa.x + t1 * (pb.x - pa.x)), RoundToInt(pa.y + t1 * (pb.y - pa.y))};
    if (t0 > 0 || run.empty()) {
      flush();
      run.push_back(from);
    }
    run.push_back(to);
    if (t1 < 1) flush();
  }
  flush();
}

void DC::Polygon(std::span<const PointI> points) {
  if (points.size() < 2) return;
  if (tracking_) TouchPoints(points);
  if (held_) return;
  if (Inside(points)) {
    DoPolygon(points);
    return;
  }
  FarPolygon(points);
}

void DC::FarPolygon(std::span<const PointI> points) {
  if (state_.brush.style != BrushStyle::Hollow && points.size() >= 3) {
    const std::vector<PointI> area = ClipPolygonToRect(points, Guard());
    if (area.size() >= 3) {
      const Pen pen = std::exchange(state_.pen, Pen{PenStyle::Null, 1, kBlack});
      DoPolygon(area);
      state_.pen = pen;
    }
  }
  if (state_.pen.style == PenStyle::Null) return;
  if (state_.pen.width <= 1 && DoClipsThinLines()) {
    std::vector<PointI> ring(points.begin(), points.end());
    ring.push_back(points[0]);
    DoPolyline(ring);
  } else {
    FarPolyline(points, true);
  }
}

void DC::Rectangle(const Rect& rect) {
  const Rect r = Normalized(rect);
  if (r.IsEmpty()) return;
  if (tracking_) Touch(r.left, r.top, r.right, r.bottom);
  if (held_) return;
  const Rect& g = Guard();
  if (RectInside(r, g)) {
    DoRectangle(rect);
  } else if (const Rect cut = Intersect(r, g); !cut.IsEmpty()) {
    DoRectangle(cut);
  }
}

void DC::Ellipse(const Rect& box) {
  const Rect r = Normalized(box);
  if (r.IsEmpty()) return;
  if (tracking_) Touch(std::int64_t{r.left} - state_.pen.width, std::int64_t{r.top} - state_.pen.width,
                       std::int64_t{r.right} + state_.pen.width, std::int64_t{r.bottom} + state_.pen.width);
  if (held_) return;
  if (RectInside(r, Guard())) {
    DoEllipse(box);
  } else {
    FarArc(ArcKind::Chord, r, {}, {}, true);
  }
}

void DC::Arc(const Rect& box, PointI start, PointI end) { AnyArc(ArcKind::Arc, box, start, end); }
void DC::Chord(const Rect& box, PointI start, PointI end) { AnyArc(ArcKind::Chord, box, start, end); }
void DC::Pie(const Rect& box, PointI start, PointI end) { AnyArc(ArcKind::Pie, box, start, end); }

void DC::AnyArc(ArcKind kind, const Rect& box, PointI start, PointI end) {
  const Rect r = Normalized(box);
  if (r.IsEmpty()) return;
  if (tracking_) Touch(std::int64_t{r.left} - state_.pen.width, std::int64_t{r.top} - state_.pen.width,
                       std::int64_t{r.right} + state_.pen.width, std::int64_t{r.bottom} + state_.pen.width);
  if (held_) return;
  if (RectInside(r, Guard())) {
    DoArc(kind, box, start, end);
  } else {
    FarArc(kind, r, start, end, false);
  }
}

// Curves reaching far beyond the target: as lines through their points near it.
void DC::FarArc(ArcKind kind, const Rect& box, PointI start, PointI end, bool whole) {
  const EllipseShape e(box);
  double from = 0, sweep = 2 * std::numbers::pi;
  if (!whole) {
    from = e.AngleOf(start);
    sweep = e.AngleOf(end) - from;
    while (sweep <= 0) sweep += 2 * std::numbers::pi;
  }
  const std::int64_t pen = std::min<std::int64_t>(std::abs(std::int64_t{state_.pen.width}), kPenLimit);
  const Rect view = Expanded(VisibleBounds(), pen + 2);
  if (view.IsEmpty()) return;
  std::vector<PointI> points;
  if (kind == ArcKind::Pie && !whole) points.push_back({RoundToInt(e.cx), RoundToInt(e.cy)});
  FlattenArc(e, from, sweep, view, points);
  if (kind == ArcKind::Arc) {
    FarPolyline(points, false);
    return;
  }
  if (whole) points.pop_back();  // back at the start
  if (points.size() >= 2) FarPolygon(points);
}

// --- pixels, fills and regions ------------------------------------------------------------------

void DC::SetPixel(PointI p, Color color) {
  if (tracking_) Touch(p.x, p.y, std::int64_t{p.x} + 1, std::int64_t{p.y} + 1);
  if (!held_) DoSetPixel(p, color);
}
std::optional<Color> DC::GetPixel(PointI p) const { return DoGetPixel(p); }

void DC::FillRect(const Rect& rect, const Brush& brush) {
  const Rect r = Intersect(Normalized(rect), Guard());
  if (r.IsEmpty()) return;
  if (tracking_) Touch(r.left, r.top, r.right, r.bottom);
  if (!held_) DoFillRect(r, brush, RasterOp::Copy);
}

void DC::PatBlt(const Rect& rect, RasterOp op) {
  const Rect r = Intersect(Normalized(rect), Guard());
  if (r.IsEmpty()) return;
  if (tracking_) Touch(r.left, r.top, r.right, r.bottom);
  if (!held_) DoFillRect(r, state_.brush, op);
}

void DC::PaintRegion(const Region& region) { FillRegion(region, state_.brush); }

void DC::FillRegion(const Region& region, const Brush& brush) {
  if (region.IsEmpty()) return;
  if (tracking_) {
    const Rect b = region.Bounds();
    Touch(b.left, b.top, b.right, b.bottom);
  }
  if (!held_) DoFillRegion(region, brush);
}

void DC::FrameRegion(const Region& region, const Brush& brush, int width, int height) {
  if (width <= 0 || height <= 0) return;
  FillRegion(region.Frame(width, height), brush);
}

void DC::SelectClipRegion(const Region& region) {
  clip_ = region;
  ClipChanged();
  DoSetClip(&*clip_);
}

void DC::ClearClipRegion() {
  clip_.reset();
  ClipChanged();
  DoSetClip(nullptr);
}

// --- text ---------------------------------------------------------------------------------------

std::string DC::MapText(std::string_view bytes) const {
  return state_.font.symbolCharset ? kernel::SymbolToUtf8(bytes) : kernel::ProgramTextToUtf8(bytes);
}

void DC::TextOut(PointI p, std::string_view bytes) {
  if (bytes.empty()) return;
  // Text far from the target cannot reach it: no text is longer than its characters at twice
  // their height.
  const std::int64_t height = state_.font.height == 0 ? 16 : std::abs(std::int64_t{state_.font.height});
  const std::int64_t reach = (std::int64_t(bytes.size()) + 2) * height * 2;
  const Rect view = VisibleBounds();
  if (view.IsEmpty() || p.x < view.left - reach || p.x > view.right + reach || p.y < view.top - reach ||
      p.y > view.bottom + reach) {
    return;
  }
  const std::string text = MapText(bytes);
  if (tracking_) {
    const SizeI extent = DoTextExtent(text);
    const std::int64_t r = std::int64_t{extent.width} + extent.height + 2;
    if (state_.font.escapement != 0) {
      Touch(std::int64_t{p.x} - r, std::int64_t{p.y} - r, std::int64_t{p.x} + r, std::int64_t{p.y} + r);
    } else {
      const TextAlign h = state_.textAlign & kAlignHorizontalMask;
      const TextAlign v = state_.textAlign & kAlignVerticalMask;
      const std::int64_t x = h == kAlignRight ? p.x - extent.width : h == kAlignCentre ? p.x - extent.width / 2 - 1 : p.x;
      const std::int64_t y = v == kAlignTop ? p.y : p.y - extent.height;
      Touch(x - 1, y - 1, x + extent.width + 2, y + 2 * std::int64_t{extent.height} + 1);
    }
  }
  if (!held_) DoTextOut(p, text);
}

SizeI DC::GetTextExtent(std::string_view bytes) { return DoTextExtent(MapText(bytes)); }

// --- bitmaps ------------------------------------------------------------------------------------

void DC::DrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) {
  if (dest.IsEmpty() || bitmap.IsEmpty()) return;
  const Rect cut = Intersect(dest, Guard());
  if (cut.IsEmpty()) return;
  const PointI from{ClampInt(std::int64_t{src.x} + cut.left - dest.left), ClampInt(std::int64_t{src.y} + cut.top - dest.top)};
  if (tracking_) Touch(cut.left, cut.top, cut.right, cut.bottom);
  if (!held_) DoDrawBitmap(cut, bitmap, from, op);
}

void DC::StretchBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, RasterOp op) {
  if (bitmap.IsEmpty() || dest.left == dest.right || dest.top == dest.bottom) return;
  const bool flipX = (dest.right < dest.left) != (source.right < source.left);
  const bool flipY = (dest.bottom < dest.top) != (source.bottom < source.top);
  const Rect to = Normalized(dest);
  // A source reaching beyond the bitmap is cut to it.
  const Rect from = Intersect(Normalized(source), Rect{0, 0, bitmap.width(), bitmap.height()});
  if (from.IsEmpty()) return;
  if (!flipX && !flipY && to.Width64() == from.Width64() && to.Height64() == from.Height64()) {
    DrawBitmap(to, bitmap, {from.left, from.top}, op);
    return;
  }
  StretchPart part;
  if (!VisibleStretch(to, from, flipX, flipY, VisibleBounds(), part)) return;
  if (tracking_) Touch(part.dest.left, part.dest.top, part.dest.right, part.dest.bottom);
  if (held_) return;
  DoStretchBitmap(part.dest, bitmap, part.source, flipX, flipY, op);
}

}  // namespace platform

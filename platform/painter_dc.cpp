#include "platform/painter_dc.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/bitmap_qt.h"
#include "platform/line_pixels.h"
#include "platform/qt_font.h"
#include "platform/region_qt.h"

namespace platform {
namespace {

// Lines and outlines of pens wider than one pixel, and curves, are drawn through pixel centres:
// the integer point (x, y) is the centre (x + 0.5, y + 0.5) of Qt's pixel square. Polygon fills
// sample pixel centres already and need no shift.
constexpr double kCentre = 0.5;
// Ellipses up to this size, with pens no wider, are drawn once and then copied as pixels.
constexpr int kSpriteLimit = 64;
constexpr std::size_t kSprites = 32;
// Qt draws no pen wider than this (it keeps a thin one instead); a pen so wide covers any
// picture the same.
constexpr int kQtPenWidthLimit = (1 << 15) - 1;
constexpr std::size_t kFonts = 16;
constexpr std::size_t kTextsPerFont = 2048;

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }
std::uint32_t ToPixel(Color c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

Qt::BrushStyle HatchPattern(HatchStyle hatch) {
  switch (hatch) {
    case HatchStyle::Horizontal: return Qt::HorPattern;
    case HatchStyle::Vertical: return Qt::VerPattern;
    case HatchStyle::ForwardDiagonal: return Qt::FDiagPattern;
    case HatchStyle::BackwardDiagonal: return Qt::BDiagPattern;
    case HatchStyle::Cross: return Qt::CrossPattern;
    case HatchStyle::DiagonalCross: return Qt::DiagCrossPattern;
  }
  return Qt::HorPattern;
}

QBrush ToQBrush(const Brush& brush) {
  switch (brush.style) {
    case BrushStyle::Solid: return QBrush(ToQColor(brush.color));
    case BrushStyle::Hatched: return QBrush(ToQColor(brush.color), HatchPattern(brush.hatch));
    case BrushStyle::Hollow: break;
  }
  return QBrush(Qt::NoBrush);
}

// Thin pens are cosmetic, their pattern counted in pixels; wider pens draw solid with round ends
// and joins, whatever their style (see dc.h).
QPen ToQPen(const Pen& pen) {
  if (pen.style == PenStyle::Null) return QPen(Qt::NoPen);
  QPen q(ToQColor(pen.color));
  if (pen.width <= 1) {
    q.setWidth(1);
    q.setCosmetic(true);
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    const std::span<const int> pattern = CosmeticDashPattern(pen.style);
    if (!pattern.empty()) q.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
  } else {
    q.setWidth(std::min(pen.width, kQtPenWidthLimit));
    q.setJoinStyle(Qt::RoundJoin);
    q.setCapStyle(Qt::RoundCap);
  }
  return q;
}

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The ellipse inscribed in a box whose right and bottom edges are exclusive, in centre
// coordinates; `shrink` pixels smaller in both directions.
QRectF EllipseRect(const Rect& box, int shrink) {
  const Rect r = Normalized(box);
  return QRectF(r.left + kCentre, r.top + kCentre, std::max(0, r.Width() - 1 - shrink),
                std::max(0, r.Height() - 1 - shrink));
}

// Qt's angle of the point where the ray from the ellipse's centre through p meets the ellipse:
// Qt measures the ellipse's parameter, in degrees counter-clockwise from 3 o'clock.
double EllipseAngle(const QRectF& ellipse, PointI p) {
  const QPointF c = ellipse.center();
  const double theta = std::atan2(c.y() - (p.y + kCentre), (p.x + kCentre) - c.x());
  const double rx = ellipse.width() / 2;
  const double ry = ellipse.height() / 2;
  return std::atan2(rx * std::sin(theta), ry * std::cos(theta)) * 180 / std::numbers::pi;
}

QPainterPath PolylinePath(std::span<const PointI> points, bool closed) {
  QPainterPath path;
  path.moveTo(points[0].x + kCentre, points[0].y + kCentre);
  for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i].x + kCentre, points[i].y + kCentre);
  if (closed) path.closeSubpath();
  return path;
}

void AppendPoints(const std::vector<PointI>& from, QList<QPoint>& to) {
  to.clear();
  to.reserve(static_cast<qsizetype>(from.size()));
  for (const PointI& p : from) to.append(QPoint(p.x, p.y));
}

}  // namespace

PainterDC::PainterDC(std::shared_ptr<PainterShare> share, bool raster)
    : share_(std::move(share)), painter_(*share_->painter), raster_(raster) {
  image_ = raster_ ? dynamic_cast<QImage*>(painter_.device()) : nullptr;
  direct_ = image_ != nullptr && image_->format() == QImage::Format_RGB32 &&
            painter_.deviceTransform().isIdentity();
  share_->user = nullptr;  // this DC's state goes onto the painter before it first draws
  UpdateClipRects();
}

PainterDC::~PainterDC() {
  if (share_->user == this) share_->user = nullptr;
}

// --- the painter's state ------------------------------------------------------------------------

void PainterDC::Sync() {
  if (share_->user == this) return;
  share_->user = this;
  penKind_ = PenKind::Unknown;
  brushKnown_ = false;
  background_.reset();
  composition_.reset();
  appliedFont_ = 0;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.resetTransform();
  ApplyClip();
}

void PainterDC::ApplyClip() {
  const std::optional<QRegion>& original = share_->originalClip;
  if (!clipRegion()) {
    if (original) {
      painter_.setClipRegion(*original);
    } else {
      painter_.setClipping(false);
    }
    return;
  }
  const QRegion& area = ToQRegion(*clipRegion());
  painter_.setClipRegion(original ? original->intersected(area) : area);
}

void PainterDC::UpdateClipRects() {
  clipRects_.clear();
  if (!direct_) return;
  imageSize_ = {image_->width(), image_->height()};
  QRegion area(image_->rect());
  if (share_->originalClip) area &= *share_->originalClip;
  if (clipRegion()) area &= ToQRegion(*clipRegion());
  for (const QRect& r : area) clipRects_.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
}

void PainterDC::SetCompositionFor(RasterOp op) {
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  if (raster_ && op == RasterOp::Xor) mode = QPainter::RasterOp_SourceXorDestination;
  if (raster_ && op == RasterOp::NotXor) mode = QPainter::RasterOp_NotSourceXorDestination;
  if (composition_ == mode) return;
  painter_.setCompositionMode(mode);
  composition_ = mode;
}

void PainterDC::UseStatePen() {
  if (!qpenFor_ || *qpenFor_ != state().pen) {
    qpen_ = ToQPen(state().pen);
    qpenFor_ = state().pen;
    penKind_ = PenKind::Unknown;
  }
  if (penKind_ == PenKind::State) return;
  painter_.setPen(qpen_);
  penKind_ = PenKind::State;
}

void PainterDC::UseNoPen() {
  if (penKind_ == PenKind::None) return;
  painter_.setPen(Qt::NoPen);
  penKind_ = PenKind::None;
}

void PainterDC::UseColorPen(Color color) {
  if (penKind_ == PenKind::Color && penColor_ == color) return;
  painter_.setPen(ToQColor(color));
  penKind_ = PenKind::Color;
  penColor_ = color;
}

void PainterDC::UseBrush(const Brush& brush) {
  if (brushKnown_ && brush_ == brush) return;
  painter_.setBrush(ToQBrush(brush));
  brush_ = brush;
  brushKnown_ = true;
}

void PainterDC::UseNoBrush() { UseBrush(Brush::Hollow()); }

void PainterDC::UseBackground() {
  const std::pair<BackgroundMode, Color> wanted{state().backgroundMode, state().backgroundColor};
  if (background_ == wanted) return;
  painter_.setBackground(ToQColor(wanted.second));
  painter_.setBackgroundMode(wanted.first == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
  background_ = wanted;
}

bool PainterDC::ThinPen() const { return state().pen.width <= 1; }

PixelTarget PainterDC::Pixels() {
  // An image given a new size under an open DC (a window resized meanwhile) is clipped anew.
  if (image_->width() != imageSize_.width || image_->height() != imageSize_.height) UpdateClipRects();
  PixelTarget t;
  t.pixels = reinterpret_cast<std::uint32_t*>(image_->bits());
  t.stride = image_->bytesPerLine() / 4;
  t.width = image_->width();
  t.height = image_->height();
  return t;
}

// --- lines and shapes -----------------------------------------------------------------------------

void PainterDC::StrokeOutline(std::span<const PointI> points, bool closed) {
  const Pen& pen = state().pen;
  if (pen.style == PenStyle::Null || points.size() < 2) return;
  if (ThinPen() && direct_) {
    platform::ThinPen thin;
    thin.color = ToPixel(pen.color);
    thin.pattern = CosmeticDashPattern(pen.style);
    thin.opaqueGaps = state().backgroundMode == BackgroundMode::Opaque;
    thin.gapColor = ToPixel(state().backgroundColor);
    thin.op = state().rasterOp;
    const PixelTarget target = Pixels();  // first: it may clip anew
    DrawThinLine(target, clipRects_, points, closed, thin);
    return;
  }
  Sync();
  SetCompositionFor(state().rasterOp);
  if (!(ThinPen() && raster_)) {
    StrokePath(PolylinePath(points, closed));
    return;
  }
  // A raster target that is not written directly (a transformed painter): the same pixels through Qt.
  LinePixels pixels;
  TraceLinePixels(points, closed, pen.style, pixels);
  QList<QPoint> dots;
  UseNoBrush();
  AppendPoints(pixels.dashes, dots);
  UseColorPen(pen.color);
  painter_.drawPoints(dots.data(), static_cast<int>(dots.size()));
  if (!pixels.gaps.empty() && state().backgroundMode == BackgroundMode::Opaque) {
    AppendPoints(pixels.gaps, dots);
    UseColorPen(state().backgroundColor);
    painter_.drawPoints(dots.data(), static_cast<int>(dots.size()));
  }
}

void PainterDC::StrokePath(const QPainterPath& path) {
  if (state().pen.style == PenStyle::Null) return;
  UseNoBrush();
  UseStatePen();
  UseBackground();
  painter_.drawPath(path);
}

void PainterDC::FillPath(const QPainterPath& path) {
  if (state().brush.style == BrushStyle::Hollow) return;
  UseNoPen();
  UseBrush(state().brush);
  UseBackground();
  painter_.drawPath(path);
}

void PainterDC::DoPolyline(std::span<const PointI> points) { StrokeOutline(points, false); }

void PainterDC::DoPolygon(std::span<const PointI> points) {
  if (state().brush.style != BrushStyle::Hollow && points.size() >= 3) {
    Sync();
    SetCompositionFor(state().rasterOp);
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PointI& p : points) polygon.append(QPoint(p.x, p.y));
    UseNoPen();
    UseBrush(state().brush);
    UseBackground();
    painter_.drawPolygon(polygon, state().fillMode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
  }
  StrokeOutline(points, true);
}

void PainterDC::DoRectangle(const Rect& rect) {
  const Rect r = Normalized(rect);
  if (r.IsEmpty()) return;
  const Pen& pen = state().pen;
  // The interior is filled apart from the frame, so XOR drawing touches every pixel once.
  const int inset = pen.style == PenStyle::Null ? 0 : ThinPen() ? 1 : pen.width / 2 + 1;
  const int outset = pen.style == PenStyle::Null ? 1 : inset;  // right and bottom
  const QRect interior(r.left + inset, r.top + inset, r.Width() - inset - outset, r.Height() - inset - outset);
  if (state().brush.style != BrushStyle::Hollow && interior.width() > 0 && interior.height() > 0) {
    Sync();
    SetCompositionFor(state().rasterOp);
    UseBackground();
    painter_.fillRect(interior, ToQBrush(state().brush));
  }
  if (pen.style == PenStyle::Null) return;
  const PointI corners[4] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
  StrokeOutline(corners, true);
}

void PainterDC::QtEllipse(const Rect& box) {
  Sync();
  SetCompositionFor(state().rasterOp);
  const bool nullPen = state().pen.style == PenStyle::Null;
  QPainterPath path;
  path.addEllipse(EllipseRect(box, nullPen ? 1 : 0));
  FillPath(path);
  StrokePath(path);
}

void PainterDC::DoEllipse(const Rect& box) {
  const Rect r = Normalized(box);
  if (r.IsEmpty()) return;
  if (direct_ && r.Width() <= kSpriteLimit && r.Height() <= kSpriteLimit && state().pen.width <= kSpriteLimit &&
      state().brush.style != BrushStyle::Hatched) {
    if (const Sprite* sprite = EllipseSprite(r)) {
      DrawSprite(*sprite, {r.left, r.top}, state().rasterOp);
      return;
    }
  }
  QtEllipse(r);
}

PainterDC::Caches& PainterDC::SharedCaches() {
  static Caches* caches = new Caches;  // kept to the end: Qt's fonts must not outlive Qt
  return *caches;
}

const PainterDC::Sprite* PainterDC::EllipseSprite(const Rect& box) {
  const GraphicsState& s = state();
  std::vector<std::unique_ptr<Sprite>>& sprites = SharedCaches().sprites;
  const bool nullPen = s.pen.style == PenStyle::Null;
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    const Sprite& c = *sprites[i];
    if (c.width == box.Width() && c.height == box.Height() && c.pen == s.pen && c.brush == s.brush &&
        c.backgroundMode == s.backgroundMode && c.backgroundColor == s.backgroundColor) {
      if (i != 0) std::rotate(sprites.begin(), sprites.begin() + static_cast<std::ptrdiff_t>(i),
                              sprites.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      return sprites.front().get();
    }
  }
  // Drawn through Qt at a whole-pixel offset, which moves Qt's pixels by exactly that offset.
  auto sprite = std::make_unique<Sprite>();
  sprite->width = box.Width();
  sprite->height = box.Height();
  sprite->pen = s.pen;
  sprite->brush = s.brush;
  sprite->backgroundMode = s.backgroundMode;
  sprite->backgroundColor = s.backgroundColor;
  const int margin = std::max(0, s.pen.width) / 2 + 2;
  QImage layer(box.Width() + 2 * margin, box.Height() + 2 * margin, QImage::Format_ARGB32_Premultiplied);
  if (layer.isNull()) return nullptr;
  const Rect local{margin, margin, margin + box.Width(), margin + box.Height()};
  QPainterPath path;
  path.addEllipse(EllipseRect(local, nullPen ? 1 : 0));
  const auto collect = [&](std::vector<Sprite::Dot>& dots) {
    for (int y = 0; y < layer.height(); ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(layer.constScanLine(y));
      for (int x = 0; x < layer.width(); ++x)
        if ((row[x] >> 24) != 0) dots.push_back({x - margin, y - margin, row[x] & 0x00FFFFFFu});
    }
  };
  for (int pass = 0; pass < 2; ++pass) {
    layer.fill(0);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setBackground(ToQColor(s.backgroundColor));
    p.setBackgroundMode(s.backgroundMode == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    if (pass == 0) {
      if (s.brush.style == BrushStyle::Hollow) continue;
      p.setPen(Qt::NoPen);
      p.setBrush(ToQBrush(s.brush));
    } else {
      if (nullPen) continue;
      p.setBrush(Qt::NoBrush);
      p.setPen(ToQPen(s.pen));
    }
    p.drawPath(path);
    p.end();
    collect(pass == 0 ? sprite->fill : sprite->outline);
  }
  sprite->left = sprite->top = 0;
  sprite->right = sprite->bottom = 0;
  bool first = true;
  for (const auto* dots : {&sprite->fill, &sprite->outline}) {
    for (const Sprite::Dot& d : *dots) {
      if (first) {
        sprite->left = d.dx;
        sprite->top = d.dy;
        sprite->right = d.dx + 1;
        sprite->bottom = d.dy + 1;
        first = false;
      }
      sprite->left = std::min(sprite->left, d.dx);
      sprite->top = std::min(sprite->top, d.dy);
      sprite->right = std::max(sprite->right, d.dx + 1);
      sprite->bottom = std::max(sprite->bottom, d.dy + 1);
    }
  }
  if (sprites.size() >= kSprites) sprites.pop_back();
  sprites.insert(sprites.begin(), std::move(sprite));
  return sprites.front().get();
}

void PainterDC::DrawSprite(const Sprite& sprite, PointI at, RasterOp op) {
  const PixelTarget t = Pixels();
  const Rect box{at.x + sprite.left, at.y + sprite.top, at.x + sprite.right, at.y + sprite.bottom};
  const Rect* whole = nullptr;  // a clip rectangle holding the whole sprite
  for (const Rect& c : clipRects_)
    if (box.left >= c.left && box.top >= c.top && box.right <= c.right && box.bottom <= c.bottom) whole = &c;
  const auto put = [&](const std::vector<Sprite::Dot>& dots) {
    for (const Sprite::Dot& d : dots) {
      const int x = at.x + d.dx, y = at.y + d.dy;
      if (whole == nullptr &&
          std::none_of(clipRects_.begin(), clipRects_.end(), [&](const Rect& c) { return c.Contains(x, y); })) {
        continue;
      }
      CombinePixel(t.pixels[std::ptrdiff_t{y} * t.stride + x], d.color, op);
    }
  };
  put(sprite.fill);
  put(sprite.outline);
}

void PainterDC::DoArc(ArcKind kind, const Rect& box, PointI start, PointI end) {
  if (Normalized(box).IsEmpty()) return;
  Sync();
  SetCompositionFor(state().rasterOp);
  const bool nullPen = state().pen.style == PenStyle::Null;
  const QRectF ellipse = EllipseRect(box, nullPen && kind != ArcKind::Arc ? 1 : 0);
  const double from = EllipseAngle(ellipse, start);
  double sweep = EllipseAngle(ellipse, end) - from;
  while (sweep <= 0) sweep += 360;
  QPainterPath path;
  if (kind == ArcKind::Pie) {
    path.moveTo(ellipse.center());
    path.arcTo(ellipse, from, sweep);
  } else {
    path.arcMoveTo(ellipse, from);
    path.arcTo(ellipse, from, sweep);
  }
  if (kind != ArcKind::Arc) {
    path.closeSubpath();
    FillPath(path);
  }
  StrokePath(path);
}

// --- pixels, fills, regions -----------------------------------------------------------------------

void PainterDC::DoSetPixel(PointI p, Color color) {
  if (direct_) {
    const PixelTarget t = Pixels();
    for (const Rect& c : clipRects_) {
      if (c.Contains(p.x, p.y)) {
        t.pixels[std::ptrdiff_t{p.y} * t.stride + p.x] = ToPixel(color) | 0xFF000000u;
        return;
      }
    }
    return;
  }
  Sync();
  SetCompositionFor(RasterOp::Copy);
  painter_.fillRect(QRect(p.x, p.y, 1, 1), ToQColor(color));
}

QImage* PainterDC::TargetImage() const { return image_; }

std::optional<Color> PainterDC::DoGetPixel(PointI p) const {
  const QImage* image = TargetImage();
  if (image == nullptr) return std::nullopt;
  const QPoint at = painter_.deviceTransform().map(QPoint(p.x, p.y));
  if (!image->rect().contains(at)) return std::nullopt;
  const QRgb rgb = image->pixel(at);
  return Color{static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
               static_cast<std::uint8_t>(qBlue(rgb))};
}

void PainterDC::DoFillRect(const Rect& rect, const Brush& brush, RasterOp op) {
  if (brush.style == BrushStyle::Hollow) return;
  Sync();
  SetCompositionFor(op);
  UseBackground();
  painter_.fillRect(ToQRect(Normalized(rect)), ToQBrush(brush));
}

void PainterDC::DoFillRegion(const Region& region, const Brush& brush) {
  if (brush.style == BrushStyle::Hollow || region.IsEmpty()) return;
  Sync();
  const QRegion& area = ToQRegion(region);
  SetCompositionFor(state().rasterOp);
  painter_.setClipRegion(painter_.hasClipping() ? painter_.clipRegion().intersected(area) : area);
  UseBackground();
  painter_.fillRect(area.boundingRect(), ToQBrush(brush));
  ApplyClip();
}

void PainterDC::DoSetClip(const Region*) {
  if (share_->user == this) ApplyClip();
  UpdateClipRects();
}

// --- text -----------------------------------------------------------------------------------------

PainterDC::CachedFont& PainterDC::CurrentFont() {
  const FontSpec& spec = state().font;
  Caches& caches = SharedCaches();
  std::vector<std::unique_ptr<CachedFont>>& fonts = caches.fonts;
  const int dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    if (fonts[i]->spec == spec && fonts[i]->dpi == dpi) {
      if (i != 0) std::rotate(fonts.begin(), fonts.begin() + static_cast<std::ptrdiff_t>(i),
                              fonts.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      return *fonts.front();
    }
  }
  auto font = std::make_unique<CachedFont>();
  font->spec = spec;
  font->dpi = dpi;
  font->font = ToQFont(spec, DefaultDrawingFont(), painter_.device());
  const QFontMetrics metrics(font->font, painter_.device());
  font->ascent = metrics.ascent();
  font->descent = metrics.descent();
  font->height = metrics.height();
  font->serial = ++caches.fontSerial;
  if (fonts.size() >= kFonts) fonts.pop_back();
  fonts.insert(fonts.begin(), std::move(font));
  return *fonts.front();
}

void PainterDC::DoTextOut(PointI p, std::string_view utf8) {
  CachedFont& font = CurrentFont();
  if (font.texts.size() >= kTextsPerFont) font.texts.clear();
  auto [it, added] = font.texts.try_emplace(std::string(utf8));
  TextEntry& entry = it->second;
  if (added) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    entry.width = QFontMetrics(font.font, painter_.device()).horizontalAdvance(text);
    entry.text.setText(text);
    entry.text.setTextFormat(Qt::PlainText);
    entry.text.setPerformanceHint(QStaticText::AggressiveCaching);
  }
  const TextAlign align = state().textAlign;
  const TextAlign horizontal = align & kAlignHorizontalMask;
  const TextAlign vertical = align & kAlignVerticalMask;
  const int width = entry.width;
  const int x = horizontal == kAlignRight ? -width : horizontal == kAlignCentre ? -width / 2 : 0;
  const int baseline = vertical == kAlignBaseline ? 0 : vertical == kAlignBottom ? -font.descent : font.ascent;

  Sync();
  SetCompositionFor(RasterOp::Copy);  // text is never combined
  if (appliedFont_ != font.serial) {
    painter_.setFont(font.font);
    appliedFont_ = font.serial;
  }
  const bool opaque = state().backgroundMode == BackgroundMode::Opaque;
  if (state().font.escapement == 0) {
    if (opaque) {
      painter_.fillRect(QRect(p.x + x, p.y + baseline - font.ascent, width, font.ascent + font.descent),
                        ToQColor(state().backgroundColor));
    }
    UseColorPen(state().textColor);
    if (raster_) {
      painter_.drawStaticText(QPoint(p.x + x, p.y + baseline - font.ascent), entry.text);
    } else {
      painter_.drawText(QPoint(p.x + x, p.y + baseline), entry.text.text());
    }
    return;
  }
  const QTransform saved = painter_.transform();
  painter_.translate(p.x, p.y);
  painter_.rotate(-state().font.escapement / 10.0);
  if (opaque) {
    painter_.fillRect(QRect(x, baseline - font.ascent, width, font.ascent + font.descent),
                      ToQColor(state().backgroundColor));
  }
  UseColorPen(state().textColor);
  // The box is filled above: Qt's own opaque text would fill it again in its background brush.
  const Qt::BGMode mode = painter_.backgroundMode();
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.drawText(QPoint(x, baseline), entry.text.text());
  painter_.setBackgroundMode(mode);
  painter_.setTransform(saved);
}

SizeI PainterDC::DoTextExtent(std::string_view utf8) {
  CachedFont& font = CurrentFont();
  const auto it = font.texts.find(std::string(utf8));
  if (it != font.texts.end()) return {it->second.width, font.height};
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  return {QFontMetrics(font.font, painter_.device()).horizontalAdvance(text), font.height};
}

// --- bitmaps --------------------------------------------------------------------------------------

void PainterDC::DoDrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) {
  const QImage& image = BitmapImage(bitmap);
  const QRect wanted(src.x, src.y, dest.Width(), dest.Height());
  const QRect valid = wanted.intersected(image.rect());
  if (valid.isEmpty()) return;
  const QPoint at(dest.left + valid.x() - src.x, dest.top + valid.y() - src.y);
  Sync();
  SetCompositionFor(op);
  if (painter_.device() == &image) {
    painter_.drawImage(at, image.copy(valid));  // a bitmap blitted onto itself
  } else {
    painter_.drawImage(at, image, valid);
  }
}

void PainterDC::DoStretchBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, bool flipX,
                                bool flipY, RasterOp op) {
  const QImage& image = BitmapImage(bitmap);
  if (direct_ && painter_.device() != &image) {
    // Each destination pixel that shows takes the source pixel it falls on.
    const PixelTarget t = Pixels();
    const std::int64_t dw = dest.Width64(), dh = dest.Height64();
    const std::int64_t sw = source.Width64(), sh = source.Height64();
    std::vector<int> columns;
    for (const Rect& c : clipRects_) {
      const Rect area = Intersect(dest, c);
      if (area.IsEmpty()) continue;
      columns.resize(static_cast<std::size_t>(area.Width()));
      for (int x = area.left; x < area.right; ++x) {
        const auto j = static_cast<int>(static_cast<__int128>(x - dest.left) * sw / dw);
        columns[static_cast<std::size_t>(x - area.left)] = flipX ? source.right - 1 - j : source.left + j;
      }
      for (int y = area.top; y < area.bottom; ++y) {
        const auto j = static_cast<int>(static_cast<__int128>(y - dest.top) * sh / dh);
        const int v = flipY ? source.bottom - 1 - j : source.top + j;
        const auto* from = reinterpret_cast<const std::uint32_t*>(image.constScanLine(v));
        std::uint32_t* to = t.pixels + std::ptrdiff_t{y} * t.stride + area.left;
        const int* column = columns.data();
        const int n = area.Width();
        if (op == RasterOp::Copy) {
          for (int i = 0; i < n; ++i) to[i] = from[column[i]] | 0xFF000000u;
        } else {
          for (int i = 0; i < n; ++i) CombinePixel(to[i], from[column[i]], op);
        }
      }
    }
    return;
  }
  Sync();
  SetCompositionFor(op);
  const QImage part = image.copy(ToQRect(source)).mirrored(flipX, flipY);
  painter_.drawImage(QRectF(dest.left, dest.top, double(dest.Width64()), double(dest.Height64())), part);
}

bool PainterDC::DoReadPixels(const Rect& rect, Bitmap& into, PointI at) const {
  const QImage* image = TargetImage();
  if (image == nullptr) return false;
  const QRect wanted = painter_.deviceTransform().mapRect(ToQRect(rect));
  const QRect valid = wanted.intersected(image->rect());
  if (valid.isEmpty()) return true;
  WriteImageInto(into, at.x + valid.x() - wanted.x(), at.y + valid.y() - wanted.y(), image->copy(valid));
  return true;
}

DeviceCaps PainterDC::DoDeviceCaps() const {
  DeviceCaps caps;
  caps.raster = raster_;
  const QPaintDevice* device = painter_.device();
  if (device == nullptr) return caps;
  caps.dpiX = device->logicalDpiX();
  caps.dpiY = device->logicalDpiY();
  caps.widthPixels = device->width();
  caps.heightPixels = device->height();
  caps.widthMm = device->widthMM();
  caps.heightMm = device->heightMM();
  if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(device)) {
    const QRect printable = paged->pageLayout().paintRectPixels(caps.dpiX);
    caps.physicalOffsetX = printable.left();
    caps.physicalOffsetY = printable.top();
  }
  return caps;
}

Rect PainterDC::DoDrawingBounds() const {
  const QPaintDevice* device = painter_.device();
  if (device == nullptr) return {};
  return {0, 0, device->width(), device->height()};
}

}  // namespace platform

#include "platform/painter_dc.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "kernel/text_encoding.h"
#include "platform/bitmap_qt.h"
#include "platform/region_qt.h"

namespace platform {
namespace {

// Lines and outlines of pens wider than one pixel, and curves, are drawn through pixel centres:
// GDI's integer point (x, y) is the centre (x + 0.5, y + 0.5) of Qt's pixel square. Polygon
// fills sample pixel centres already and need no shift.
constexpr double kCentre = 0.5;

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }

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

// Dash patterns of wide pens, in units of the pen's width.
QList<qreal> WideDashPattern(PenStyle style) {
  switch (style) {
    case PenStyle::Dash: return {3, 1};
    case PenStyle::Dot: return {1, 1};
    case PenStyle::DashDot: return {3, 1, 1, 1};
    case PenStyle::DashDotDot: return {3, 1, 1, 1, 1, 1};
    case PenStyle::Solid:
    case PenStyle::Null: break;
  }
  return {};
}

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
    q.setWidth(pen.width);
    q.setJoinStyle(Qt::RoundJoin);
    const QList<qreal> pattern = WideDashPattern(pen.style);
    if (pattern.isEmpty()) {
      q.setCapStyle(Qt::RoundCap);
    } else {
      q.setCapStyle(Qt::FlatCap);
      q.setDashPattern(pattern);
    }
  }
  return q;
}

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

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
  for (std::size_t i = 1; i < points.size(); ++i) {
    path.lineTo(points[i].x + kCentre, points[i].y + kCentre);
  }
  if (closed) path.closeSubpath();
  return path;
}

void AppendPoints(const std::vector<PointI>& from, QList<QPoint>& to) {
  to.clear();
  to.reserve(static_cast<qsizetype>(from.size()));
  for (const PointI& p : from) to.append(QPoint(p.x, p.y));
}

}  // namespace

PainterDC::PainterDC(QPainter& painter, bool raster) : painter_(painter), raster_(raster) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  if (painter_.hasClipping()) painterClip_ = painter_.clipRegion();
}

bool PainterDC::ThinPen() const { return state().pen.width <= 1; }

void PainterDC::SetRasterOp(RasterOp op) {
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  if (raster_ && op == RasterOp::Xor) mode = QPainter::RasterOp_SourceXorDestination;
  if (raster_ && op == RasterOp::NotXor) mode = QPainter::RasterOp_NotSourceXorDestination;
  if (painter_.compositionMode() != mode) painter_.setCompositionMode(mode);
}

void PainterDC::SetBrushAndBackground(const Brush& brush) {
  painter_.setBrush(ToQBrush(brush));
  painter_.setBackground(ToQColor(state().backgroundColor));
  painter_.setBackgroundMode(state().backgroundMode == BackgroundMode::Opaque ? Qt::OpaqueMode
                                                                              : Qt::TransparentMode);
}

void PainterDC::StrokeOutline(std::span<const PointI> points, bool closed) {
  const Pen& pen = state().pen;
  if (pen.style == PenStyle::Null || points.empty()) return;
  if (!(ThinPen() && raster_)) {
    StrokePath(PolylinePath(points, closed));
    return;
  }
  pixels_.Clear();
  TraceLinePixels(points, closed, pen.style, pixels_);
  painter_.setBrush(Qt::NoBrush);
  QPen dot(ToQColor(pen.color), 1);
  dot.setCosmetic(true);
  AppendPoints(pixels_.dashes, points_);
  painter_.setPen(dot);
  painter_.drawPoints(points_.data(), static_cast<int>(points_.size()));
  if (!pixels_.gaps.empty() && state().backgroundMode == BackgroundMode::Opaque) {
    dot.setColor(ToQColor(state().backgroundColor));
    AppendPoints(pixels_.gaps, points_);
    painter_.setPen(dot);
    painter_.drawPoints(points_.data(), static_cast<int>(points_.size()));
  }
}

void PainterDC::StrokePath(const QPainterPath& path) {
  if (state().pen.style == PenStyle::Null) return;
  painter_.setBrush(Qt::NoBrush);
  painter_.setPen(ToQPen(state().pen));
  painter_.setBackground(ToQColor(state().backgroundColor));
  painter_.setBackgroundMode(state().backgroundMode == BackgroundMode::Opaque ? Qt::OpaqueMode
                                                                              : Qt::TransparentMode);
  painter_.drawPath(path);
}

void PainterDC::FillPath(const QPainterPath& path) {
  if (state().brush.style == BrushStyle::Hollow) return;
  painter_.setPen(Qt::NoPen);
  SetBrushAndBackground(state().brush);
  painter_.drawPath(path);
}

void PainterDC::DoPolyline(std::span<const PointI> points) {
  SetRasterOp(state().rasterOp);
  StrokeOutline(points, false);
}

void PainterDC::DoPolygon(std::span<const PointI> points) {
  SetRasterOp(state().rasterOp);
  if (state().brush.style != BrushStyle::Hollow && points.size() >= 3) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PointI& p : points) polygon.append(QPoint(p.x, p.y));
    painter_.setPen(Qt::NoPen);
    SetBrushAndBackground(state().brush);
    painter_.drawPolygon(polygon, state().fillMode == FillMode::Winding ? Qt::WindingFill
                                                                        : Qt::OddEvenFill);
  }
  StrokeOutline(points, true);
}

void PainterDC::DoRectangle(const Rect& rect) {
  const Rect r = Normalized(rect);
  if (r.IsEmpty()) return;
  SetRasterOp(state().rasterOp);
  const Pen& pen = state().pen;
  const QBrush brush = ToQBrush(state().brush);
  SetBrushAndBackground(state().brush);
  // The interior is filled apart from the frame, so XOR drawing touches every pixel once.
  const int inset = pen.style == PenStyle::Null ? 0 : ThinPen() ? 1 : pen.width / 2 + 1;
  const int outset = pen.style == PenStyle::Null ? 1 : inset;  // right and bottom
  const QRect interior(r.left + inset, r.top + inset, r.Width() - inset - outset,
                       r.Height() - inset - outset);
  if (brush.style() != Qt::NoBrush && interior.width() > 0 && interior.height() > 0) {
    painter_.fillRect(interior, brush);
  }
  if (pen.style == PenStyle::Null) return;
  const PointI corners[4] = {
      {r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
  StrokeOutline(corners, true);
}

void PainterDC::DoEllipse(const Rect& box) {
  if (Normalized(box).IsEmpty()) return;
  SetRasterOp(state().rasterOp);
  const bool nullPen = state().pen.style == PenStyle::Null;
  QPainterPath path;
  path.addEllipse(EllipseRect(box, nullPen ? 1 : 0));
  FillPath(path);
  StrokePath(path);
}

void PainterDC::DoArc(ArcKind kind, const Rect& box, PointI start, PointI end) {
  if (Normalized(box).IsEmpty()) return;
  SetRasterOp(state().rasterOp);
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

void PainterDC::DoSetPixel(PointI p, Color color) {
  SetRasterOp(RasterOp::Copy);
  painter_.fillRect(QRect(p.x, p.y, 1, 1), ToQColor(color));
}

QImage* PainterDC::TargetImage() const {
  return raster_ ? dynamic_cast<QImage*>(painter_.device()) : nullptr;
}

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
  const Rect r = Normalized(rect);
  SetRasterOp(op);
  SetBrushAndBackground(brush);
  painter_.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQBrush(brush));
}

void PainterDC::DoFillRegion(const Region& region, const Brush& brush) {
  if (brush.style == BrushStyle::Hollow || region.IsEmpty()) return;
  const QRegion& area = ToQRegion(region);
  SetRasterOp(state().rasterOp);
  painter_.save();
  painter_.setClipRegion(painter_.hasClipping() ? painter_.clipRegion().intersected(area) : area);
  SetBrushAndBackground(brush);
  painter_.fillRect(area.boundingRect(), ToQBrush(brush));
  painter_.restore();
}

void PainterDC::DoSetClip(const Region* clip) {
  if (clip == nullptr) {
    if (painterClip_) {
      painter_.setClipRegion(*painterClip_);
    } else {
      painter_.setClipping(false);
    }
    return;
  }
  const QRegion& area = ToQRegion(*clip);
  painter_.setClipRegion(painterClip_ ? painterClip_->intersected(area) : area);
}

const QFont& PainterDC::CurrentFont() {
  const FontSpec& spec = state().font;
  if (fontSpec_ && *fontSpec_ == spec) return font_;
  QFont font;
  if (!spec.face.empty()) font.setFamily(QString::fromStdString(kernel::Cp1252ToUtf8(spec.face)));
  const int pixels = spec.height < 0 ? -spec.height : spec.height > 0 ? spec.height : 16;
  font.setPixelSize(std::max(1, pixels));
  if (spec.height > 0) {
    // A positive height is the cell height: scale the character height to fit it.
    const int cell = QFontMetrics(font, painter_.device()).height();
    if (cell > 0) font.setPixelSize(std::max(1, (pixels * pixels + cell / 2) / cell));
  }
  const int weight = spec.weight <= 0 ? 400 : std::clamp(spec.weight, 1, 1000);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  font.setKerning(false);
  // Characters are drawn one by one as they stand: no ligature turns "fi" of a label into one glyph.
  font.setStyleStrategy(QFont::PreferNoShaping);
  font_ = font;
  fontSpec_ = spec;
  return font_;
}

void PainterDC::DoTextOut(PointI p, std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFont& font = CurrentFont();
  const QFontMetrics metrics(font, painter_.device());
  const int width = metrics.horizontalAdvance(text);
  const int ascent = metrics.ascent();
  const int descent = metrics.descent();
  const TextAlign align = state().textAlign;
  const TextAlign horizontal = align & kAlignHorizontalMask;
  const TextAlign vertical = align & kAlignVerticalMask;
  const int x = horizontal == kAlignRight ? -width : horizontal == kAlignCentre ? -width / 2 : 0;
  const int baseline = vertical == kAlignBaseline ? 0 : vertical == kAlignBottom ? -descent : ascent;

  painter_.save();
  SetRasterOp(RasterOp::Copy);  // text is never combined
  painter_.translate(p.x, p.y);
  if (state().font.escapement != 0) painter_.rotate(-state().font.escapement / 10.0);
  if (state().backgroundMode == BackgroundMode::Opaque) {
    painter_.fillRect(QRect(x, baseline - ascent, width, ascent + descent),
                      ToQColor(state().backgroundColor));
  }
  painter_.setFont(font);
  painter_.setPen(ToQColor(state().textColor));
  painter_.drawText(QPoint(x, baseline), text);
  painter_.restore();
}

SizeI PainterDC::DoTextExtent(std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFontMetrics metrics(CurrentFont(), painter_.device());
  return {metrics.horizontalAdvance(text), metrics.height()};
}

void PainterDC::DoDrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) {
  const QImage& image = BitmapImage(bitmap);
  const QRect wanted(src.x, src.y, dest.Width(), dest.Height());
  const QRect valid = wanted.intersected(image.rect());
  if (valid.isEmpty()) return;
  const QPoint at(dest.left + valid.x() - src.x, dest.top + valid.y() - src.y);
  SetRasterOp(op);
  if (painter_.device() == &image) {
    painter_.drawImage(at, image.copy(valid));  // a bitmap blitted onto itself
  } else {
    painter_.drawImage(at, image, valid);
  }
}

bool PainterDC::DoReadPixels(const Rect& rect, Bitmap& into, PointI at) const {
  const QImage* image = TargetImage();
  if (image == nullptr) return false;
  const QRect wanted =
      painter_.deviceTransform().mapRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
  const QRect valid = wanted.intersected(image->rect());
  if (valid.isEmpty()) return true;
  WriteImageInto(into, at.x + valid.x() - wanted.x(), at.y + valid.y() - wanted.y(),
                 image->copy(valid));
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

}  // namespace platform

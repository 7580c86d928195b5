#include "platform/dc.h"

#include <utility>

#include "kernel/text_encoding.h"

namespace platform {

DC::~DC() = default;

Pen DC::SelectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush DC::SelectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
FontSpec DC::SelectFont(const FontSpec& font) { return std::exchange(state_.font, font); }
Color DC::SetTextColor(Color color) { return std::exchange(state_.textColor, color); }
Color DC::SetBackgroundColor(Color color) { return std::exchange(state_.backgroundColor, color); }
BackgroundMode DC::SetBackgroundMode(BackgroundMode mode) {
  return std::exchange(state_.backgroundMode, mode);
}
TextAlign DC::SetTextAlign(TextAlign align) { return std::exchange(state_.textAlign, align); }
RasterOp DC::SetRasterOp(RasterOp op) { return std::exchange(state_.rasterOp, op); }
FillMode DC::SetFillMode(FillMode mode) { return std::exchange(state_.fillMode, mode); }

PointI DC::MoveTo(PointI p) { return std::exchange(position_, p); }

void DC::LineTo(PointI p) {
  const PointI points[2] = {position_, p};
  position_ = p;
  DoPolyline(points);
}

void DC::Polyline(std::span<const PointI> points) {
  if (points.size() >= 2) DoPolyline(points);
}

void DC::Polygon(std::span<const PointI> points) {
  if (points.size() >= 2) DoPolygon(points);
}

void DC::Rectangle(const Rect& rect) { DoRectangle(rect); }
void DC::Ellipse(const Rect& box) { DoEllipse(box); }
void DC::Arc(const Rect& box, PointI start, PointI end) { DoArc(ArcKind::Arc, box, start, end); }
void DC::Chord(const Rect& box, PointI start, PointI end) {
  DoArc(ArcKind::Chord, box, start, end);
}
void DC::Pie(const Rect& box, PointI start, PointI end) { DoArc(ArcKind::Pie, box, start, end); }

void DC::SetPixel(PointI p, Color color) { DoSetPixel(p, color); }
std::optional<Color> DC::GetPixel(PointI p) const { return DoGetPixel(p); }

void DC::FillRect(const Rect& rect, const Brush& brush) {
  if (!rect.IsEmpty()) DoFillRect(rect, brush, RasterOp::Copy);
}

void DC::PatBlt(const Rect& rect, RasterOp op) {
  if (!rect.IsEmpty()) DoFillRect(rect, state_.brush, op);
}

void DC::PaintRegion(const Region& region) { DoFillRegion(region, state_.brush); }

void DC::FillRegion(const Region& region, const Brush& brush) { DoFillRegion(region, brush); }

void DC::FrameRegion(const Region& region, const Brush& brush, int width, int height) {
  if (width <= 0 || height <= 0) return;
  DoFillRegion(region.Frame(width, height), brush);
}

void DC::SelectClipRegion(const Region& region) {
  clip_ = region;
  DoSetClip(&*clip_);
}

void DC::ClearClipRegion() {
  clip_.reset();
  DoSetClip(nullptr);
}

std::string DC::MapText(std::string_view bytes) const {
  return state_.font.symbolCharset ? kernel::SymbolToUtf8(bytes) : kernel::Cp1252ToUtf8(bytes);
}

void DC::TextOut(PointI p, std::string_view bytes) {
  if (!bytes.empty()) DoTextOut(p, MapText(bytes));
}

SizeI DC::GetTextExtent(std::string_view bytes) { return DoTextExtent(MapText(bytes)); }

void DC::DrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) {
  if (!dest.IsEmpty()) DoDrawBitmap(dest, bitmap, src, op);
}

}  // namespace platform

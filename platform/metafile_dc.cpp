#include "platform/metafile_dc.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numbers>

#include "kernel/text_encoding.h"
#include "platform/dib.h"
#include "platform/metafile_format.h"
#include "platform/metafile_text.h"

namespace platform {
namespace {

constexpr int kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr int kInt16Max = std::numeric_limits<std::int16_t>::max();

int ClampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

void WriteRect(kernel::ByteWriter& out, int left, int top, int right, int bottom) {
  out.I32(left);
  out.I32(top);
  out.I32(right);
  out.I32(bottom);
}

void WritePoint(kernel::ByteWriter& out, PointI p) {
  out.I32(p.x);
  out.I32(p.y);
}

void WriteFloat(kernel::ByteWriter& out, float v) { out.U32(std::bit_cast<std::uint32_t>(v)); }

// The inclusive bounding box of points, as record bounds.
void WritePointBounds(kernel::ByteWriter& out, std::span<const PointI> points) {
  int left = points[0].x, top = points[0].y, right = left, bottom = top;
  for (const PointI& p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  WriteRect(out, left, top, right, bottom);
}

// RGNDATA: the header and the region's rectangles (right and bottom exclusive).
kernel::Bytes RegionData(const Region& region) {
  const std::vector<Rect> rects = region.Rects();
  const Rect bounds = region.Bounds();
  kernel::ByteWriter out;
  out.U32(emf::kRegionHeaderBytes);
  out.U32(emf::kRegionRectangles);
  out.U32(static_cast<std::uint32_t>(rects.size()));
  out.U32(static_cast<std::uint32_t>(rects.size() * 16));
  WriteRect(out, bounds.left, bounds.top, bounds.right, bounds.bottom);
  for (const Rect& r : rects) WriteRect(out, r.left, r.top, r.right, r.bottom);
  return out.Take();
}

std::uint32_t PenStyleCode(PenStyle style) {
  switch (style) {
    case PenStyle::Solid: return emf::kPenSolid;
    case PenStyle::Dash: return emf::kPenDash;
    case PenStyle::Dot: return emf::kPenDot;
    case PenStyle::DashDot: return emf::kPenDashDot;
    case PenStyle::DashDotDot: return emf::kPenDashDotDot;
    case PenStyle::Null: return emf::kPenNull;
  }
  return emf::kPenSolid;
}

// Pens compare by what they draw: widths 0 and 1 are the same thin pen, null pens are all alike,
// and wide pens draw solid whatever their style (see dc.h), so they are written solid for every
// player to agree.
Pen Canonical(const Pen& pen) {
  if (pen.style == PenStyle::Null) return Pen{PenStyle::Null, 1, kBlack};
  if (pen.width > 1) return Pen{PenStyle::Solid, pen.width, pen.color};
  return Pen{pen.style, std::max(1, pen.width), pen.color};
}

Brush Canonical(const Brush& brush) {
  if (brush.style == BrushStyle::Hollow) return Brush::Hollow();
  if (brush.style == BrushStyle::Solid) return Brush::Solid(brush.color);
  return brush;
}

std::uint32_t BlitOp(RasterOp op, bool pattern) {
  switch (op) {
    case RasterOp::Copy: return pattern ? emf::kPatCopy : emf::kSrcCopy;
    case RasterOp::Xor: return pattern ? emf::kPatInvert : emf::kSrcInvert;
    case RasterOp::NotXor: return pattern ? emf::kPatNotXor : emf::kSrcNotXor;
  }
  return emf::kSrcCopy;
}

// The reference device with sizes a frame can be computed from.
DeviceCaps UsableReference(DeviceCaps caps) {
  caps.raster = false;
  if (caps.dpiX <= 0) caps.dpiX = 96;
  if (caps.dpiY <= 0) caps.dpiY = 96;
  if (caps.widthPixels <= 0 || caps.widthMm <= 0) {
    caps.widthPixels = caps.dpiX * 10;  // ten inches
    caps.widthMm = 254;
  }
  if (caps.heightPixels <= 0 || caps.heightMm <= 0) {
    caps.heightPixels = caps.dpiY * 10;
    caps.heightMm = 254;
  }
  return caps;
}

int ToHundredthsMm(std::int64_t pixels, int millimetres, int devicePixels) {
  return ClampToInt(std::llround(static_cast<double>(pixels) * millimetres * 100 / devicePixels));
}

}  // namespace

MetafileDC::MetafileDC(const MetafileSetup& setup)
    : reference_(UsableReference(setup.reference)) {
  const std::int64_t scale = std::max(1, setup.scale);
  const Rect& p = setup.picture;
  frame_ = {ToHundredthsMm(p.left * scale, reference_.widthMm, reference_.widthPixels),
            ToHundredthsMm(p.top * scale, reference_.heightMm, reference_.heightPixels),
            ToHundredthsMm(p.right * scale, reference_.widthMm, reference_.widthPixels),
            ToHundredthsMm(p.bottom * scale, reference_.heightMm, reference_.heightPixels)};
  if (!setup.application.empty() || !setup.title.empty()) {
    description_ = ProgramTextToUtf16(setup.application);
    description_.push_back(0);
    description_ += ProgramTextToUtf16(setup.title);
    description_.push_back(0);
    description_.push_back(0);
  }
  measure_ = measureBitmap_.CreateDC();
  drawingBounds_ = {ClampToInt(p.left * scale), ClampToInt(p.top * scale), ClampToInt(p.right * scale),
                    ClampToInt(p.bottom * scale)};
}

MetafileDC::~MetafileDC() = default;

void MetafileDC::Emit(std::uint32_t type, const kernel::ByteWriter& body) {
  if (finished_) return;
  const std::size_t padding = (4 - body.size() % 4) % 4;
  body_.U32(type);
  body_.U32(static_cast<std::uint32_t>(8 + body.size() + padding));
  body_.Raw(body.bytes());
  body_.Zeros(padding);
  ++records_;
}

void MetafileDC::EmitValue(std::uint32_t type, std::uint32_t value) {
  kernel::ByteWriter body;
  body.U32(value);
  Emit(type, body);
}

std::uint32_t MetafileDC::NewHandle() {
  for (std::size_t i = 1; i < handleInUse_.size(); ++i) {
    if (!handleInUse_[i]) {
      handleInUse_[i] = true;
      return static_cast<std::uint32_t>(i);
    }
  }
  handleInUse_.push_back(true);
  return static_cast<std::uint32_t>(handleInUse_.size() - 1);
}

void MetafileDC::ReleaseHandle(std::uint32_t handle) {
  if ((handle & emf::kStockFlag) != 0 || handle == 0 || handle >= handleInUse_.size()) return;
  EmitValue(emf::kDeleteObject, handle);
  handleInUse_[handle] = false;
}

void MetafileDC::Replace(std::uint32_t& selected, std::uint32_t handle) {
  EmitValue(emf::kSelectObject, handle);
  ReleaseHandle(selected);
  selected = handle;
}

void MetafileDC::SyncPen() {
  const Pen wanted = Canonical(state().pen);
  if (wanted == selected_.pen) return;
  selected_.pen = wanted;
  if (wanted.style == PenStyle::Null) {
    Replace(selected_.penHandle, emf::kNullPen);
    return;
  }
  const std::uint32_t handle = NewHandle();
  kernel::ByteWriter body;
  body.U32(handle);
  body.U32(PenStyleCode(wanted.style));
  body.I32(wanted.width);
  body.I32(0);
  body.U32(wanted.color.ToColorRef());
  Emit(emf::kCreatePen, body);
  Replace(selected_.penHandle, handle);
}

void MetafileDC::SyncBrush(const Brush& brush) {
  const Brush wanted = Canonical(brush);
  if (wanted == selected_.brush) return;
  selected_.brush = wanted;
  if (wanted.style == BrushStyle::Hollow) {
    Replace(selected_.brushHandle, emf::kNullBrush);
    return;
  }
  const std::uint32_t handle = NewHandle();
  kernel::ByteWriter body;
  body.U32(handle);
  body.U32(wanted.style == BrushStyle::Hatched ? emf::kBrushHatched : emf::kBrushSolid);
  body.U32(wanted.color.ToColorRef());
  body.U32(wanted.style == BrushStyle::Hatched ? static_cast<std::uint32_t>(wanted.hatch) : 0);
  Emit(emf::kCreateBrushIndirect, body);
  Replace(selected_.brushHandle, handle);
}

void MetafileDC::SyncFont() {
  const FontSpec& wanted = state().font;
  if (selected_.font && *selected_.font == wanted) return;
  selected_.font = wanted;
  const std::uint32_t handle = NewHandle();
  kernel::ByteWriter body;
  body.U32(handle);
  body.I32(wanted.height);
  body.I32(0);  // width: the font's own
  body.I32(wanted.escapement);
  body.I32(wanted.escapement);  // orientation
  body.I32(wanted.weight);
  body.U8(wanted.italic ? 1 : 0);
  body.U8(wanted.underline ? 1 : 0);
  body.U8(0);  // strike-out
  body.U8(wanted.symbolCharset ? emf::kSymbolCharset : emf::kAnsiCharset);
  body.U8(0);  // output precision, clip precision, quality, pitch and family: defaults
  body.U8(0);
  body.U8(0);
  body.U8(0);
  std::u16string face = ProgramTextToUtf16(wanted.face);
  face.resize(emf::kFaceNameUnits - 1);  // cut, then NUL-padded
  for (std::size_t i = 0; i < emf::kFaceNameUnits; ++i) body.U16(i < face.size() ? face[i] : 0);
  Emit(emf::kExtCreateFontIndirectW, body);
  if (selected_.fontHandle == 0) {
    EmitValue(emf::kSelectObject, handle);
    selected_.fontHandle = handle;
  } else {
    Replace(selected_.fontHandle, handle);
  }
}

void MetafileDC::SyncBackground() {
  if (state().backgroundColor != selected_.backgroundColor) {
    selected_.backgroundColor = state().backgroundColor;
    EmitValue(emf::kSetBkColor, selected_.backgroundColor.ToColorRef());
  }
  if (state().backgroundMode != selected_.backgroundMode) {
    selected_.backgroundMode = state().backgroundMode;
    EmitValue(emf::kSetBkMode, selected_.backgroundMode == BackgroundMode::Opaque
                                   ? emf::kOpaque
                                   : emf::kTransparent);
  }
}

void MetafileDC::SyncRasterOp() {
  if (state().rasterOp == selected_.rasterOp) return;
  selected_.rasterOp = state().rasterOp;
  const std::uint32_t code = selected_.rasterOp == RasterOp::Xor      ? emf::kRop2XorPen
                             : selected_.rasterOp == RasterOp::NotXor ? emf::kRop2NotXorPen
                                                                      : emf::kRop2CopyPen;
  EmitValue(emf::kSetRop2, code);
}

void MetafileDC::SyncFillMode() {
  if (state().fillMode == selected_.fillMode) return;
  selected_.fillMode = state().fillMode;
  EmitValue(emf::kSetPolyFillMode,
            selected_.fillMode == FillMode::Winding ? emf::kWinding : emf::kAlternate);
}

void MetafileDC::SyncText() {
  SyncFont();
  SyncBackground();
  if (state().textColor != selected_.textColor) {
    selected_.textColor = state().textColor;
    EmitValue(emf::kSetTextColor, selected_.textColor.ToColorRef());
  }
  const TextAlign align = state().textAlign & (kAlignHorizontalMask | kAlignVerticalMask);
  if (align != selected_.textAlign) {
    selected_.textAlign = align;
    EmitValue(emf::kSetTextAlign, align);
  }
}

void MetafileDC::AddBounds(std::int64_t left, std::int64_t top, std::int64_t right,
                           std::int64_t bottom) {
  if (clipRegion()) {
    const Rect clip = clipRegion()->Bounds();
    left = std::max<std::int64_t>(left, clip.left);
    top = std::max<std::int64_t>(top, clip.top);
    right = std::min<std::int64_t>(right, clip.right);
    bottom = std::min<std::int64_t>(bottom, clip.bottom);
  }
  if (right <= left || bottom <= top) return;
  const Rect area{ClampToInt(left), ClampToInt(top), ClampToInt(right - 1), ClampToInt(bottom - 1)};
  if (!bounds_) {
    bounds_ = area;
    return;
  }
  bounds_->left = std::min(bounds_->left, area.left);
  bounds_->top = std::min(bounds_->top, area.top);
  bounds_->right = std::max(bounds_->right, area.right);
  bounds_->bottom = std::max(bounds_->bottom, area.bottom);
}

void MetafileDC::AddPointBounds(std::span<const PointI> points) {
  std::int64_t left = points[0].x, top = points[0].y, right = left, bottom = top;
  for (const PointI& p : points) {
    left = std::min<std::int64_t>(left, p.x);
    right = std::max<std::int64_t>(right, p.x);
    top = std::min<std::int64_t>(top, p.y);
    bottom = std::max<std::int64_t>(bottom, p.y);
  }
  const int pen = state().pen.style == PenStyle::Null ? 0 : std::max(1, state().pen.width);
  const std::int64_t half = pen / 2;
  AddBounds(left - half, top - half, right + pen - half, bottom + pen - half);
}

void MetafileDC::EmitPoints(std::uint32_t type16, std::uint32_t type32,
                            std::span<const PointI> points) {
  const bool small = std::all_of(points.begin(), points.end(), [](const PointI& p) {
    return p.x >= kInt16Min && p.x <= kInt16Max && p.y >= kInt16Min && p.y <= kInt16Max;
  });
  kernel::ByteWriter body;
  WritePointBounds(body, points);
  body.U32(static_cast<std::uint32_t>(points.size()));
  for (const PointI& p : points) {
    if (small) {
      body.I16(static_cast<std::int16_t>(p.x));
      body.I16(static_cast<std::int16_t>(p.y));
    } else {
      WritePoint(body, p);
    }
  }
  Emit(small ? type16 : type32, body);
  AddPointBounds(points);
}

void MetafileDC::DoPolyline(std::span<const PointI> points) {
  SyncPen();
  SyncBackground();
  SyncRasterOp();
  if (points.size() == 2) {
    kernel::ByteWriter move, line;
    WritePoint(move, points[0]);
    WritePoint(line, points[1]);
    Emit(emf::kMoveToEx, move);
    Emit(emf::kLineTo, line);
    AddPointBounds(points);
    return;
  }
  EmitPoints(emf::kPolyline16, emf::kPolyline, points);
}

void MetafileDC::DoPolygon(std::span<const PointI> points) {
  SyncPen();
  SyncBrush(state().brush);
  SyncBackground();
  SyncRasterOp();
  SyncFillMode();
  EmitPoints(emf::kPolygon16, emf::kPolygon, points);
}

// Boxes are stored inclusive: the last column and row they cover.
void MetafileDC::EmitBox(std::uint32_t type, const Rect& box) {
  kernel::ByteWriter body;
  WriteRect(body, box.left, box.top, box.right - 1, box.bottom - 1);
  Emit(type, body);
}

void MetafileDC::DoRectangle(const Rect& rect) {
  const Rect r = Normalized(rect);
  if (r.IsEmpty()) return;
  SyncPen();
  SyncBrush(state().brush);
  SyncBackground();
  SyncRasterOp();
  EmitBox(emf::kRectangle, r);
  AddBounds(r.left, r.top, r.right, r.bottom);
}

void MetafileDC::DoEllipse(const Rect& box) {
  const Rect r = Normalized(box);
  if (r.IsEmpty()) return;
  SyncPen();
  SyncBrush(state().brush);
  SyncBackground();
  SyncRasterOp();
  EmitBox(emf::kEllipse, r);
  const int half = state().pen.style == PenStyle::Null ? 0 : std::max(1, state().pen.width) / 2;
  AddBounds(std::int64_t{r.left} - half, std::int64_t{r.top} - half,
            std::int64_t{r.right} + half, std::int64_t{r.bottom} + half);
}

void MetafileDC::DoArc(ArcKind kind, const Rect& box, PointI start, PointI end) {
  const Rect r = Normalized(box);
  if (r.IsEmpty()) return;
  SyncPen();
  if (kind != ArcKind::Arc) SyncBrush(state().brush);
  SyncBackground();
  SyncRasterOp();
  kernel::ByteWriter body;
  WriteRect(body, r.left, r.top, r.right - 1, r.bottom - 1);
  WritePoint(body, start);
  WritePoint(body, end);
  Emit(kind == ArcKind::Arc ? emf::kArc : kind == ArcKind::Chord ? emf::kChord : emf::kPie, body);
  const int half = state().pen.style == PenStyle::Null ? 0 : std::max(1, state().pen.width) / 2;
  AddBounds(std::int64_t{r.left} - half, std::int64_t{r.top} - half,
            std::int64_t{r.right} + half, std::int64_t{r.bottom} + half);
}

void MetafileDC::DoSetPixel(PointI p, Color color) {
  kernel::ByteWriter body;
  WritePoint(body, p);
  body.U32(color.ToColorRef());
  Emit(emf::kSetPixelV, body);
  AddBounds(p.x, p.y, std::int64_t{p.x} + 1, std::int64_t{p.y} + 1);
}

std::optional<Color> MetafileDC::DoGetPixel(PointI) const { return std::nullopt; }

void MetafileDC::DoFillRect(const Rect& rect, const Brush& brush, RasterOp op) {
  if (brush.style == BrushStyle::Hollow) return;
  const Rect r = Normalized(rect);
  SyncBrush(brush);
  SyncBackground();
  // A pattern blit: no source bitmap.
  kernel::ByteWriter body;
  WriteRect(body, r.left, r.top, r.right - 1, r.bottom - 1);
  WriteRect(body, r.left, r.top, r.Width(), r.Height());
  body.U32(BlitOp(op, true));
  body.I32(0);  // source position
  body.I32(0);
  WriteFloat(body, 1);  // source transform: identity
  WriteFloat(body, 0);
  WriteFloat(body, 0);
  WriteFloat(body, 1);
  WriteFloat(body, 0);
  WriteFloat(body, 0);
  body.U32(0);  // source background colour
  body.U32(emf::kDibRgbColours);
  body.Zeros(16);  // no source bitmap: offsets and sizes of its info and bits
  Emit(emf::kBitBlt, body);
  AddBounds(r.left, r.top, r.right, r.bottom);
}

void MetafileDC::DoFillRegion(const Region& region, const Brush& brush) {
  if (brush.style == BrushStyle::Hollow || region.IsEmpty()) return;
  SyncBrush(brush);
  SyncBackground();
  SyncRasterOp();
  const Rect b = region.Bounds();
  const kernel::Bytes data = RegionData(region);
  kernel::ByteWriter body;
  WriteRect(body, b.left, b.top, b.right - 1, b.bottom - 1);
  body.U32(static_cast<std::uint32_t>(data.size()));
  body.U32(selected_.brushHandle);
  body.Raw(data);
  Emit(emf::kFillRgn, body);
  AddBounds(b.left, b.top, b.right, b.bottom);
}

void MetafileDC::DoSetClip(const Region* clip) {
  kernel::ByteWriter body;
  if (clip == nullptr) {
    body.U32(0);  // no region with the copy mode: back to no clipping
    body.U32(emf::kRgnCopy);
  } else {
    const kernel::Bytes data = RegionData(*clip);
    body.U32(static_cast<std::uint32_t>(data.size()));
    body.U32(emf::kRgnCopy);
    body.Raw(data);
  }
  Emit(emf::kExtSelectClipRgn, body);
}

std::string MetafileDC::BytesForFont(std::string_view utf8) const {
  const bool symbol = state().font.symbolCharset;
  if (symbol) return MetafileTextBytes(MetafileTextUnits(utf8, true), true);
  return kernel::Utf8ToProgramText(utf8);
}

SizeI MetafileDC::DoTextExtent(std::string_view utf8) {
  if (!measure_) return {};
  measure_->SelectFont(state().font);
  return measure_->GetTextExtent(BytesForFont(utf8));
}

void MetafileDC::DoTextOut(PointI p, std::string_view utf8) {
  SyncText();
  const std::u16string units = MetafileTextUnits(utf8, state().font.symbolCharset);
  const std::string bytes = BytesForFont(utf8);

  // Advances of the characters, the last one making up the whole width.
  const SizeI extent = DoTextExtent(utf8);
  std::vector<std::int32_t> advances(units.size(), 0);
  if (measure_ && bytes.size() == units.size()) {
    int sum = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      advances[i] = measure_->GetTextExtent(std::string_view(bytes).substr(i, 1)).width;
      sum += advances[i];
    }
    if (!advances.empty()) advances.back() += extent.width - sum;
  }

  // The text's box about its reference point, turned with the font.
  const TextAlign horizontal = state().textAlign & kAlignHorizontalMask;
  const TextAlign vertical = state().textAlign & kAlignVerticalMask;
  const double w = extent.width, h = extent.height;
  const double x0 = horizontal == kAlignRight ? -w : horizontal == kAlignCentre ? -w / 2 : 0;
  const double y0 = vertical == kAlignBottom ? -h : vertical == kAlignBaseline ? -h : 0;
  const double y1 = vertical == kAlignBottom ? 0 : vertical == kAlignBaseline ? h / 2 : h;
  const double angle = state().font.escapement / 10.0 * std::numbers::pi / 180;
  const double c = std::cos(angle), s = std::sin(angle);
  double left = p.x, top = p.y, right = p.x, bottom = p.y;
  for (const double dx : {x0, x0 + w}) {
    for (const double dy : {y0, y1}) {
      const double x = p.x + dx * c + dy * s;
      const double y = p.y - dx * s + dy * c;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  const auto fl = [](double v) { return static_cast<std::int64_t>(std::floor(v)); };
  const auto ce = [](double v) { return static_cast<std::int64_t>(std::ceil(v)); };

  const std::uint32_t stringBytes = static_cast<std::uint32_t>(units.size() * 2);
  const std::uint32_t paddedString = (stringBytes + 3) / 4 * 4;
  kernel::ByteWriter body;
  WriteRect(body, ClampToInt(fl(left)), ClampToInt(fl(top)), ClampToInt(ce(right) - 1),
            ClampToInt(ce(bottom) - 1));
  body.U32(emf::kGraphicsCompatible);
  WriteFloat(body, static_cast<float>(reference_.widthMm * 100.0 / reference_.widthPixels));
  WriteFloat(body, static_cast<float>(reference_.heightMm * 100.0 / reference_.heightPixels));
  WritePoint(body, p);
  body.U32(static_cast<std::uint32_t>(units.size()));
  body.U32(emf::kExtTextOutFixedBytes);  // the string follows the fixed part
  body.U32(0);                           // options: the background mode decides the box
  WriteRect(body, 0, 0, -1, -1);         // no opaque or clipping rectangle
  body.U32(emf::kExtTextOutFixedBytes + paddedString);
  for (const char16_t unit : units) body.U16(unit);
  body.Zeros(paddedString - stringBytes);
  for (const std::int32_t advance : advances) body.I32(advance);
  Emit(emf::kExtTextOutW, body);
  AddBounds(fl(left), fl(top), ce(right), ce(bottom));
}

void MetafileDC::DoDrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) {
  // The part of the bitmap that is there, placed as the screen places it.
  const std::int64_t left = std::max(src.x, 0);
  const std::int64_t top = std::max(src.y, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{src.x} + dest.Width(), bitmap.width());
  const std::int64_t bottom =
      std::min<std::int64_t>(std::int64_t{src.y} + dest.Height(), bitmap.height());
  if (right <= left || bottom <= top) return;
  const Rect valid{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                   static_cast<int>(bottom)};
  const PointI at{ClampToInt(dest.left + left - src.x), ClampToInt(dest.top + top - src.y)};
  EmitBitmap({at.x, at.y, ClampToInt(std::int64_t{at.x} + valid.Width()), ClampToInt(std::int64_t{at.y} + valid.Height())},
             bitmap, valid, op);
}

// Only the source pixels needed go into the record, at their own size: the player stretches them.
void MetafileDC::DoStretchBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, bool flipX,
                                 bool flipY, RasterOp op) {
  if (!flipX && !flipY) {
    EmitBitmap(dest, bitmap, source, op);
    return;
  }
  Bitmap part(source.Width(), source.Height());
  if (part.IsEmpty()) return;
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x)
      part.SetPixel(flipX ? source.Width() - 1 - x : x, flipY ? source.Height() - 1 - y : y,
                    bitmap.GetPixel(source.left + x, source.top + y).value_or(kWhite));
  EmitBitmap(dest, part, {0, 0, part.width(), part.height()}, op);
}

void MetafileDC::EmitBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& valid, RasterOp op) {
  const PointI at{dest.left, dest.top};
  const DibImage dib = EncodeDib(bitmap, valid);
  const std::uint32_t infoOffset = emf::kStretchDIBitsFixedBytes;
  const std::uint32_t bitsOffset = infoOffset + static_cast<std::uint32_t>(dib.info.size());

  kernel::ByteWriter body;
  WriteRect(body, at.x, at.y, ClampToInt(std::int64_t{dest.right} - 1), ClampToInt(std::int64_t{dest.bottom} - 1));
  WritePoint(body, at);
  body.I32(0);  // source position and size: the whole DIB
  body.I32(0);
  body.I32(valid.Width());
  body.I32(valid.Height());
  body.U32(infoOffset);
  body.U32(static_cast<std::uint32_t>(dib.info.size()));
  body.U32(bitsOffset);
  body.U32(static_cast<std::uint32_t>(dib.bits.size()));
  body.U32(emf::kDibRgbColours);
  body.U32(BlitOp(op, false));
  body.I32(dest.Width());
  body.I32(dest.Height());
  body.Raw(dib.info);
  body.Raw(dib.bits);
  Emit(emf::kStretchDIBits, body);
  AddBounds(dest.left, dest.top, dest.right, dest.bottom);
}

bool MetafileDC::DoReadPixels(const Rect&, Bitmap&, PointI) const { return false; }

DeviceCaps MetafileDC::DoDeviceCaps() const { return reference_; }

kernel::Bytes MetafileDC::Finish() {
  if (finished_) return *finished_;
  kernel::ByteWriter eof;
  eof.U32(0);                // no palette entries
  eof.U32(16);               // their offset: right after these fields
  eof.U32(emf::kEofBytes);  // this record's size, for reading backwards
  Emit(emf::kEof, eof);

  const std::uint32_t descriptionBytes = static_cast<std::uint32_t>(description_.size() * 2);
  const std::uint32_t headerBytes = emf::kHeaderBytes + (descriptionBytes + 3) / 4 * 4;
  const Rect bounds = bounds_.value_or(Rect{0, 0, -1, -1});
  kernel::ByteWriter out;
  out.U32(emf::kHeader);
  out.U32(headerBytes);
  WriteRect(out, bounds.left, bounds.top, bounds.right, bounds.bottom);
  WriteRect(out, frame_.left, frame_.top, frame_.right, frame_.bottom);
  out.U32(emf::kSignature);
  out.U32(emf::kVersion);
  out.U32(static_cast<std::uint32_t>(headerBytes + body_.size()));
  out.U32(records_ + 1);
  out.U16(static_cast<std::uint16_t>(std::min<std::size_t>(handleInUse_.size(), 0xFFFF)));
  out.U16(0);
  out.U32(static_cast<std::uint32_t>(description_.size()));
  out.U32(description_.empty() ? 0 : emf::kHeaderBytes);
  out.U32(0);  // no palette
  out.I32(reference_.widthPixels);
  out.I32(reference_.heightPixels);
  out.I32(reference_.widthMm);
  out.I32(reference_.heightMm);
  out.U32(0);  // no pixel format
  out.U32(0);
  out.U32(0);  // not OpenGL
  out.I32(ClampToInt(std::int64_t{reference_.widthMm} * 1000));
  out.I32(ClampToInt(std::int64_t{reference_.heightMm} * 1000));
  for (const char16_t unit : description_) out.U16(unit);
  out.Zeros(headerBytes - emf::kHeaderBytes - descriptionBytes);
  out.Raw(body_.bytes());
  finished_ = out.Take();
  return *finished_;
}

}  // namespace platform

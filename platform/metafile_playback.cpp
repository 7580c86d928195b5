#include "platform/metafile_playback.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>

#include "platform/bitmap.h"
#include "platform/dib.h"
#include "platform/metafile_format.h"
#include "platform/metafile_text.h"
#include "platform/polygon_clip.h"
#include "platform/stretch.h"

namespace platform {
namespace {

// Target coordinates are kept within this distance of the origin, so a picture scaled far
// beyond any device cannot make the drawing code step through billions of pixels.
constexpr double kCoordinateLimit = 1 << 17;
// Font heights and pen widths in target pixels: at most this, and at most twice the picture's
// larger side (a pen that wide covers the whole picture from any line through it).
constexpr double kSizeLimit = 4096;

Affine Then(const Affine& a, const Affine& b) {
  return {a.m11 * b.m11 + a.m12 * b.m21,          a.m11 * b.m12 + a.m12 * b.m22,
          a.m21 * b.m11 + a.m22 * b.m21,          a.m21 * b.m12 + a.m22 * b.m22,
          a.dx * b.m11 + a.dy * b.m21 + b.dx,     a.dx * b.m12 + a.dy * b.m22 + b.dy};
}

int Coordinate(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}

// A size in target pixels, at most the limit: at least 1 when the logical size is not 0.
int ScaledSize(int logical, double scale, double limit) {
  if (logical == 0) return 0;
  const double product = std::fabs(logical * scale);
  const double v = std::isfinite(product) ? std::clamp(product, 1.0, limit) : 1.0;
  const int size = static_cast<int>(std::lround(v));
  return logical < 0 ? -size : size;
}

Color ColorOf(std::uint32_t colorRef) { return Color::FromColorRef(colorRef & 0x00FFFFFF); }

PenStyle PenStyleOf(std::uint32_t style) {
  switch (style & emf::kPenStyleMask) {
    case emf::kPenDash: return PenStyle::Dash;
    case emf::kPenDot: return PenStyle::Dot;
    case emf::kPenDashDot: return PenStyle::DashDot;
    case emf::kPenDashDotDot: return PenStyle::DashDotDot;
    case emf::kPenNull: return PenStyle::Null;
    case 7: return PenStyle::Dash;  // a pattern of the writer's own
    case 8: return PenStyle::Dot;   // every other pixel
    default: return PenStyle::Solid;
  }
}

Brush BrushOf(std::uint32_t style, std::uint32_t colorRef, std::uint32_t hatch) {
  if (style == emf::kBrushNull) return Brush::Hollow();
  if (style == emf::kBrushHatched && hatch <= static_cast<std::uint32_t>(HatchStyle::DiagonalCross)) {
    return Brush::Hatched(static_cast<HatchStyle>(hatch), ColorOf(colorRef));
  }
  return Brush::Solid(ColorOf(colorRef));  // patterns show as their colour
}

RasterOp BlitRasterOp(std::uint32_t rop) {
  if (rop == emf::kSrcInvert || rop == emf::kPatInvert) return RasterOp::Xor;
  if (rop == emf::kSrcNotXor || rop == emf::kPatNotXor) return RasterOp::NotXor;
  return RasterOp::Copy;
}

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

PointI Map(const Affine& t, double x, double y) {
  return {Coordinate(x * t.m11 + y * t.m21 + t.dx), Coordinate(x * t.m12 + y * t.m22 + t.dy)};
}

// The rectangle covering the mapped one (right and bottom exclusive).
Rect Map(const Affine& t, double left, double top, double right, double bottom) {
  const PointI corners[4] = {Map(t, left, top), Map(t, right, top), Map(t, left, bottom),
                             Map(t, right, bottom)};
  Rect r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const PointI& p : corners) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

// Figures as one polygon with the same fill, joined through their first points: each joint is
// gone over once in each direction, which adds nothing to the fill.
std::vector<PointI> JoinFigures(const std::vector<std::vector<PointI>>& figures) {
  std::vector<PointI> joined;
  const PointI* first = nullptr;
  for (const std::vector<PointI>& figure : figures) {
    if (figure.empty()) continue;
    joined.insert(joined.end(), figure.begin(), figure.end());
    joined.push_back(figure.front());
    if (first != nullptr) joined.push_back(*first);
    if (first == nullptr) first = &figure.front();
  }
  return joined;
}

}  // namespace

struct MetafilePlayback::Reader {
  std::span<const std::uint8_t> record;
  kernel::ByteReader in;

  explicit Reader(std::span<const std::uint8_t> r) : record(r), in(r.data(), r.size()) {
    in.Skip(8);  // type and size
  }
  std::uint32_t U32() { return in.U32(); }
  std::int32_t I32() { return in.I32(); }
  float F32() { return std::bit_cast<float>(in.U32()); }
  bool ok() const { return in.ok(); }
  std::size_t remaining() const { return in.remaining(); }
  // The size bytes at the offset from the record's start; false when they are not all inside.
  bool Slice(std::uint32_t offset, std::uint64_t size, std::span<const std::uint8_t>& out) const {
    if (offset > record.size() || size > record.size() - offset) return false;
    out = record.subspan(offset, static_cast<std::size_t>(size));
    return true;
  }
};

MetafilePlayback::MetafilePlayback(const MetafileHeader& header, DC* dc, const Rect& source,
                                   const Rect& destination)
    : dc_(dc),
      devicePixels_(header.devicePixels),
      deviceMillimetres_(header.deviceMillimetres),
      objects_(header.handles) {
  const double sx = source.Width64() > 0 ? double(destination.Width64()) / double(source.Width64()) : 1;
  const double sy = source.Height64() > 0 ? double(destination.Height64()) / double(source.Height64()) : 1;
  playback_ = {sx, 0, 0, sy, destination.left - source.left * sx, destination.top - source.top * sy};
  const double side = static_cast<double>(std::max(std::abs(destination.Width64()), std::abs(destination.Height64())));
  sizeLimit_ = std::clamp(2 * side, 2.0, kSizeLimit);
  if (dc_ != nullptr) {
    dc_->Push();  // popped when the playback ends, however it ends
    targetClip_ = dc_->clipRegion();
    // One budget of bitmap pixels for the whole playback: a few times the target's own.
    const Rect visible = dc_->VisibleBounds();
    const std::int64_t area = std::min(visible.Width64(), std::int64_t{1} << 14) *
                              std::min(visible.Height64(), std::int64_t{1} << 14);
    pixelBudget_ = std::max<std::int64_t>(std::int64_t{1} << 24, 4 * area);
  }
}

// The area of the target where anything drawn can show, with room for the widest frame.
Rect MetafilePlayback::TargetArea(int margin) const {
  const Rect v = dc_->VisibleBounds();
  if (v.IsEmpty()) return {};
  const auto widen = [](std::int64_t x) { return static_cast<int>(std::clamp<std::int64_t>(x, INT32_MIN, INT32_MAX)); };
  return {widen(std::int64_t{v.left} - margin), widen(std::int64_t{v.top} - margin), widen(std::int64_t{v.right} + margin),
          widen(std::int64_t{v.bottom} + margin)};
}

MetafilePlayback::~MetafilePlayback() {
  if (dc_ != nullptr) dc_->Pop();
}

Affine MetafilePlayback::Transform() const {
  const State& s = state_;
  double sx = 1, sy = 1;
  double unitsPerMm = 0;
  switch (s.mapMode) {
    case emf::kMapLoMetric: unitsPerMm = 10; break;
    case emf::kMapHiMetric: unitsPerMm = 100; break;
    case emf::kMapLoEnglish: unitsPerMm = 100 / 25.4; break;
    case emf::kMapHiEnglish: unitsPerMm = 1000 / 25.4; break;
    case emf::kMapTwips: unitsPerMm = 1440 / 25.4; break;
    case emf::kMapIsotropic:
    case emf::kMapAnisotropic:
      sx = s.windowExtX != 0 ? s.viewportExtX / s.windowExtX : 1;
      sy = s.windowExtY != 0 ? s.viewportExtY / s.windowExtY : 1;
      if (s.mapMode == emf::kMapIsotropic) {
        const double m = std::min(std::fabs(sx), std::fabs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
      }
      break;
    default: break;
  }
  if (unitsPerMm > 0) {
    const bool known = devicePixels_.width > 0 && devicePixels_.height > 0 &&
                       deviceMillimetres_.width > 0 && deviceMillimetres_.height > 0;
    const double pxPerMmX = known ? double(devicePixels_.width) / deviceMillimetres_.width : 96 / 25.4;
    const double pxPerMmY = known ? double(devicePixels_.height) / deviceMillimetres_.height : 96 / 25.4;
    sx = pxPerMmX / unitsPerMm;
    sy = -pxPerMmY / unitsPerMm;  // these modes count y upwards
  }
  const Affine page{sx, 0, 0, sy, s.viewportOrgX - s.windowOrgX * sx,
                    s.viewportOrgY - s.windowOrgY * sy};
  return Then(Then(s.world, page), playback_);
}

PointI MetafilePlayback::ToTarget(double x, double y) const { return Map(Transform(), x, y); }

Rect MetafilePlayback::ToTarget(double left, double top, double right, double bottom) const {
  return Map(Transform(), left, top, right, bottom);
}

void MetafilePlayback::ApplyState() {
  const Affine t = Transform();
  const double penScale = std::sqrt(std::fabs(t.m11 * t.m22 - t.m12 * t.m21));
  const double fontScale = std::hypot(t.m21, t.m22);
  Pen pen = state_.pen;
  if (pen.width > 1) pen.width = ScaledSize(pen.width, penScale, sizeLimit_);  // thin pens stay thin
  FontSpec font = state_.font;
  font.height = ScaledSize(font.height, fontScale, sizeLimit_);
  dc_->SelectPen(pen);
  dc_->SelectBrush(state_.brush);
  dc_->SelectFont(font);
  dc_->SetTextColor(state_.textColor);
  dc_->SetBackgroundColor(state_.backgroundColor);
  dc_->SetBackgroundMode(state_.backgroundMode);
  dc_->SetTextAlign(state_.textAlign);
  dc_->SetRasterOp(state_.rasterOp);
  dc_->SetFillMode(state_.fillMode);
}

void MetafilePlayback::ApplyClip() {
  if (dc_ == nullptr) return;
  if (state_.clip) {
    dc_->SelectClipRegion(targetClip_ ? state_.clip->Intersected(*targetClip_) : *state_.clip);
  } else if (targetClip_) {
    dc_->SelectClipRegion(*targetClip_);
  } else {
    dc_->ClearClipRegion();
  }
}

std::optional<MetafilePlayback::Object> MetafilePlayback::ObjectAt(std::uint32_t handle) const {
  switch (handle) {
    case emf::kWhiteBrush: return Brush::Solid(kWhite);
    case emf::kLightGrayBrush: return Brush::Solid({192, 192, 192});
    case emf::kGrayBrush: return Brush::Solid({128, 128, 128});
    case emf::kDarkGrayBrush: return Brush::Solid({64, 64, 64});
    case emf::kBlackBrush: return Brush::Solid(kBlack);
    case emf::kNullBrush: return Brush::Hollow();
    case emf::kWhitePen: return Pen{PenStyle::Solid, 0, kWhite};
    case emf::kBlackPen: return Pen{PenStyle::Solid, 0, kBlack};
    case emf::kNullPen: return Pen{PenStyle::Null, 0, kBlack};
    default: break;
  }
  if ((handle & emf::kStockFlag) != 0) {
    if (handle >= 0x8000000A && handle <= 0x80000011) return FontSpec{};  // stock fonts
    return std::nullopt;
  }
  if (handle == 0 || handle >= objects_.size()) return std::nullopt;
  return objects_[handle];
}

void MetafilePlayback::Select(const Object& object) {
  if (const Pen* pen = std::get_if<Pen>(&object)) state_.pen = *pen;
  if (const Brush* brush = std::get_if<Brush>(&object)) state_.brush = *brush;
  if (const FontSpec* font = std::get_if<FontSpec>(&object)) state_.font = *font;
}

bool MetafilePlayback::Play(std::span<const std::uint8_t> record) {
  Reader in(record);
  kernel::ByteReader head(record.data(), record.size());
  const std::uint32_t type = head.U32();
  if (!head.ok()) return false;
  switch (type) {
    case emf::kHeader:
    case emf::kEof: return true;
    case emf::kPolyBezier:
    case emf::kPolygon:
    case emf::kPolyline:
    case emf::kPolyBezierTo:
    case emf::kPolylineTo:
    case emf::kPolyBezier16:
    case emf::kPolygon16:
    case emf::kPolyline16:
    case emf::kPolyBezierTo16:
    case emf::kPolylineTo16: return PlayPoints(type, in);
    case emf::kPolyPolyline:
    case emf::kPolyPolygon:
    case emf::kPolyPolyline16:
    case emf::kPolyPolygon16: return PlayPolyPoints(type, in);
    case emf::kMoveToEx:
    case emf::kLineTo:
    case emf::kRectangle:
    case emf::kEllipse:
    case emf::kArc:
    case emf::kChord:
    case emf::kPie:
    case emf::kSetPixelV: return PlayShape(type, in);
    case emf::kCreatePen:
    case emf::kExtCreatePen:
    case emf::kCreateBrushIndirect:
    case emf::kExtCreateFontIndirectW:
    case emf::kSelectObject:
    case emf::kDeleteObject: return PlayObject(type, in);
    case emf::kSetTextColor:
    case emf::kSetBkColor:
    case emf::kSetBkMode:
    case emf::kSetTextAlign:
    case emf::kSetRop2:
    case emf::kSetPolyFillMode:
    case emf::kSetArcDirection:
    case emf::kSaveDC:
    case emf::kRestoreDC: return PlayMode(type, in);
    case emf::kSetMapMode:
    case emf::kSetWindowExtEx:
    case emf::kSetWindowOrgEx:
    case emf::kSetViewportExtEx:
    case emf::kSetViewportOrgEx:
    case emf::kSetWorldTransform:
    case emf::kModifyWorldTransform: return PlayTransform(type, in);
    case emf::kExtSelectClipRgn:
    case emf::kIntersectClipRect: return PlayClip(type, in);
    case emf::kFillRgn:
    case emf::kFrameRgn:
    case emf::kPaintRgn: return PlayRegion(type, in);
    case emf::kExtTextOutA:
    case emf::kExtTextOutW: return PlayText(type, in);
    case emf::kBitBlt:
    case emf::kStretchBlt:
    case emf::kStretchDIBits: return PlayBlit(type, in);
    case emf::kBeginPath:
    case emf::kEndPath:
    case emf::kCloseFigure:
    case emf::kFillPath:
    case emf::kStrokeAndFillPath:
    case emf::kStrokePath:
    case emf::kSelectClipPath:
    case emf::kAbortPath: return PlayPath(type, in);
    default: return true;  // not drawn by this player
  }
}

std::vector<PointI> MetafilePlayback::Flatten(std::span<const PointI> bezier) const {
  std::vector<PointI> out{bezier[0]};
  for (std::size_t i = 0; i + 3 < bezier.size(); i += 3) {
    const PointI& p0 = bezier[i];
    const PointI& p1 = bezier[i + 1];
    const PointI& p2 = bezier[i + 2];
    const PointI& p3 = bezier[i + 3];
    const double length = std::hypot(p1.x - p0.x, p1.y - p0.y) +
                          std::hypot(p2.x - p1.x, p2.y - p1.y) +
                          std::hypot(p3.x - p2.x, p3.y - p2.y);
    const int steps = std::clamp(static_cast<int>(length / 4), 1, 64);
    for (int k = 1; k <= steps; ++k) {
      const double t = double(k) / steps, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      out.push_back({Coordinate(a * p0.x + b * p1.x + c * p2.x + d * p3.x),
                     Coordinate(a * p0.y + b * p1.y + c * p2.y + d * p3.y)});
    }
  }
  return out;
}

bool MetafilePlayback::PlayPoints(std::uint32_t type, Reader& in) {
  const bool small = type >= emf::kPolyBezier16;
  in.in.Skip(16);  // bounds
  const std::uint32_t count = in.U32();
  if (!in.ok() || count > in.remaining() / (small ? 4 : 8)) return false;
  const bool to = type == emf::kPolylineTo || type == emf::kPolylineTo16 ||
                  type == emf::kPolyBezierTo || type == emf::kPolyBezierTo16;
  std::vector<PointI> points;
  points.reserve(count + 1);
  if (to) points.push_back(ToTarget(state_.x, state_.y));
  double x = state_.x, y = state_.y;
  for (std::uint32_t i = 0; i < count; ++i) {
    x = small ? in.in.I16() : in.I32();
    y = small ? in.in.I16() : in.I32();
    points.push_back(ToTarget(x, y));
  }
  if (!in.ok()) return false;
  if (to && count > 0) {
    state_.x = x;
    state_.y = y;
  }
  if (dc_ == nullptr || points.size() < 2) return true;
  const bool polygon = type == emf::kPolygon || type == emf::kPolygon16;
  if (type == emf::kPolyBezier || type == emf::kPolyBezier16 || type == emf::kPolyBezierTo ||
      type == emf::kPolyBezierTo16) {
    if ((points.size() - 1) % 3 != 0) return true;  // not whole curves: the system draws nothing
    points = Flatten(points);
  }
  if (buildingPath_) {
    AddToPath(std::move(points), to, polygon);
    return true;
  }
  ApplyState();
  if (polygon) {
    dc_->Polygon(points);
  } else {
    dc_->Polyline(points);
  }
  return true;
}

void MetafilePlayback::AddToPath(std::vector<PointI> points, bool continues, bool closed) {
  if (continues && !path_.empty() && !path_.back().closed && !path_.back().points.empty() &&
      path_.back().points.back() == points.front()) {
    path_.back().points.insert(path_.back().points.end(), points.begin() + 1, points.end());
  } else {
    path_.push_back({std::move(points), false});
  }
  if (closed) path_.back().closed = true;
}

void MetafilePlayback::FillFigures(const std::vector<std::vector<PointI>>& figures) {
  const std::vector<PointI> joined = JoinFigures(figures);
  if (joined.size() < 3) return;
  const Pen pen = dc_->SelectPen(Pen{PenStyle::Null, 0, kBlack});
  dc_->Polygon(joined);
  dc_->SelectPen(pen);
}

bool MetafilePlayback::PlayPath(std::uint32_t type, Reader& in) {
  const std::uint32_t mode = type == emf::kSelectClipPath ? in.U32() : 0;
  if (!in.ok()) return false;
  if (dc_ == nullptr) return true;
  switch (type) {
    case emf::kBeginPath:
      buildingPath_ = true;
      path_.clear();
      return true;
    case emf::kEndPath: buildingPath_ = false; return true;
    case emf::kCloseFigure:
      if (!path_.empty()) path_.back().closed = true;
      return true;
    case emf::kAbortPath:
      buildingPath_ = false;
      path_.clear();
      return true;
    default: break;
  }
  if (buildingPath_) return true;  // a path is used only once it is ended
  std::vector<std::vector<PointI>> figures;
  for (const Figure& figure : path_) figures.push_back(figure.points);
  if (type == emf::kSelectClipPath) {
    // Cut to the target first, so the region never has more rows than the target.
    const std::vector<PointI> outline = ClipPolygonToRect(JoinFigures(figures), TargetArea(2));
    const Region area = Region::FromPolygon(outline, state_.fillMode);
    if (mode == emf::kRgnCopy || !state_.clip) {
      state_.clip = area;
    } else if (mode == emf::kRgnAnd) {
      state_.clip = state_.clip->Intersected(area);
    }
    ApplyClip();
  } else {
    ApplyState();
    if (type != emf::kStrokePath && state_.brush.style != BrushStyle::Hollow) FillFigures(figures);
    if (type != emf::kFillPath) {
      const Brush brush = dc_->SelectBrush(Brush::Hollow());
      for (const Figure& figure : path_) {
        if (figure.closed) {
          dc_->Polygon(figure.points);
        } else {
          dc_->Polyline(figure.points);
        }
      }
      dc_->SelectBrush(brush);
    }
  }
  path_.clear();
  return true;
}

bool MetafilePlayback::PlayPolyPoints(std::uint32_t type, Reader& in) {
  const bool small = type == emf::kPolyPolyline16 || type == emf::kPolyPolygon16;
  in.in.Skip(16);  // bounds
  const std::uint32_t figures = in.U32();
  const std::uint32_t count = in.U32();
  if (!in.ok() || figures > in.remaining() / 4) return false;
  std::vector<std::uint32_t> counts(figures);
  std::uint64_t total = 0;
  for (std::uint32_t& n : counts) {
    n = in.U32();
    total += n;
  }
  if (!in.ok() || total != count || count > in.remaining() / (small ? 4 : 8)) return false;
  std::vector<std::vector<PointI>> shapes;
  shapes.reserve(figures);
  for (const std::uint32_t n : counts) {
    std::vector<PointI>& shape = shapes.emplace_back();
    shape.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
      const double x = small ? in.in.I16() : in.I32();
      const double y = small ? in.in.I16() : in.I32();
      shape.push_back(ToTarget(x, y));
    }
  }
  if (!in.ok()) return false;
  if (dc_ == nullptr) return true;
  ApplyState();
  const bool polygons = type == emf::kPolyPolygon || type == emf::kPolyPolygon16;
  if (buildingPath_) {
    for (std::vector<PointI>& shape : shapes) {
      if (!shape.empty()) AddToPath(std::move(shape), false, polygons);
    }
    return true;
  }
  if (!polygons) {
    for (const std::vector<PointI>& shape : shapes) dc_->Polyline(shape);
    return true;
  }
  // One fill for all the polygons, so holes stay holes; then each outline on its own.
  FillFigures(shapes);
  const Brush brush = dc_->SelectBrush(Brush::Hollow());
  for (const std::vector<PointI>& shape : shapes) dc_->Polygon(shape);
  dc_->SelectBrush(brush);
  return true;
}

bool MetafilePlayback::PlayShape(std::uint32_t type, Reader& in) {
  if (type == emf::kMoveToEx || type == emf::kLineTo || type == emf::kSetPixelV) {
    const double x = in.I32();
    const double y = in.I32();
    const std::uint32_t color = type == emf::kSetPixelV ? in.U32() : 0;
    if (!in.ok()) return false;
    const PointI from = ToTarget(state_.x, state_.y);
    if (type != emf::kSetPixelV) {
      state_.x = x;
      state_.y = y;
    }
    if (dc_ == nullptr) return true;
    if (buildingPath_ && type != emf::kSetPixelV) {
      if (type == emf::kMoveToEx) {
        path_.push_back({{ToTarget(x, y)}, false});
      } else {
        AddToPath({from, ToTarget(x, y)}, true, false);
      }
      return true;
    }
    if (type == emf::kMoveToEx) return true;
    if (type == emf::kSetPixelV) {
      dc_->SetPixel(ToTarget(x, y), ColorOf(color));
      return true;
    }
    ApplyState();
    dc_->MoveTo(from);
    dc_->LineTo(ToTarget(x, y));
    return true;
  }
  // Boxes are stored inclusive.
  const double left = in.I32(), top = in.I32();
  const double right = in.I32() + 1.0, bottom = in.I32() + 1.0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  const bool arc = type == emf::kArc || type == emf::kChord || type == emf::kPie;
  if (arc) {
    x1 = in.I32();
    y1 = in.I32();
    x2 = in.I32();
    y2 = in.I32();
  }
  if (!in.ok()) return false;
  if (dc_ == nullptr) return true;
  const Rect box = ToTarget(std::min(left, right - 1), std::min(top, bottom - 1),
                            std::max(left + 1, right), std::max(top + 1, bottom));
  if (buildingPath_ && (type == emf::kRectangle || type == emf::kEllipse)) {
    std::vector<PointI> outline;
    if (type == emf::kRectangle) {
      outline = {{box.left, box.top}, {box.right - 1, box.top}, {box.right - 1, box.bottom - 1},
                 {box.left, box.bottom - 1}};
    } else {
      const double cx = (box.left + box.right - 1) / 2.0, cy = (box.top + box.bottom - 1) / 2.0;
      const double rx = (box.Width() - 1) / 2.0, ry = (box.Height() - 1) / 2.0;
      for (int i = 0; i < 64; ++i) {
        const double a = i * 2 * 3.14159265358979323846 / 64;
        outline.push_back({Coordinate(cx + rx * std::cos(a)), Coordinate(cy - ry * std::sin(a))});
      }
    }
    AddToPath(std::move(outline), false, true);
    return true;
  }
  ApplyState();
  if (type == emf::kRectangle) {
    dc_->Rectangle(box);
  } else if (type == emf::kEllipse) {
    dc_->Ellipse(box);
  } else {
    PointI start = ToTarget(x1, y1), end = ToTarget(x2, y2);
    const Affine t = Transform();
    const bool mirrored = t.m11 * t.m22 - t.m12 * t.m21 < 0;
    if (state_.clockwise != mirrored) std::swap(start, end);
    if (type == emf::kArc) dc_->Arc(box, start, end);
    if (type == emf::kChord) dc_->Chord(box, start, end);
    if (type == emf::kPie) dc_->Pie(box, start, end);
  }
  return true;
}

bool MetafilePlayback::PlayObject(std::uint32_t type, Reader& in) {
  const std::uint32_t handle = in.U32();
  if (!in.ok()) return false;
  const bool slot = handle != 0 && handle < objects_.size();
  switch (type) {
    case emf::kSelectObject:
      if (const std::optional<Object> object = ObjectAt(handle)) Select(*object);
      return true;
    case emf::kDeleteObject:
      if (slot) objects_[handle].reset();
      return true;
    case emf::kCreatePen: {
      const std::uint32_t style = in.U32();
      const std::int32_t width = in.I32();
      in.I32();
      const std::uint32_t color = in.U32();
      if (!in.ok()) return false;
      if (slot) objects_[handle] = Pen{PenStyleOf(style), std::max(0, width), ColorOf(color)};
      return true;
    }
    case emf::kExtCreatePen: {
      in.in.Skip(16);  // a brush bitmap's offsets and sizes: patterns show as their colour
      const std::uint32_t style = in.U32();
      const std::uint32_t width = in.U32();
      const std::uint32_t brushStyle = in.U32();
      const std::uint32_t color = in.U32();
      in.U32();  // hatch
      const std::uint32_t entries = in.U32();
      if (!in.ok() || entries > in.remaining() / 4) return false;
      const PenStyle penStyle = brushStyle == emf::kBrushNull ? PenStyle::Null : PenStyleOf(style);
      const int penWidth = static_cast<int>(std::min<std::uint32_t>(width, 1u << 20));
      if (slot) objects_[handle] = Pen{penStyle, penWidth, ColorOf(color)};
      return true;
    }
    case emf::kCreateBrushIndirect: {
      const std::uint32_t style = in.U32();
      const std::uint32_t color = in.U32();
      const std::uint32_t hatch = in.U32();
      if (!in.ok()) return false;
      if (slot) objects_[handle] = BrushOf(style, color, hatch);
      return true;
    }
    case emf::kExtCreateFontIndirectW: {
      FontSpec font;
      font.height = in.I32();
      in.I32();  // width
      font.escapement = in.I32();
      in.I32();  // orientation
      font.weight = in.I32();
      font.italic = in.in.U8() != 0;
      font.underline = in.in.U8() != 0;
      in.in.U8();  // strike-out
      font.symbolCharset = in.in.U8() == emf::kSymbolCharset;
      in.in.Skip(4);  // precisions, quality, pitch and family
      std::u16string face;
      bool ended = false;
      for (std::uint32_t i = 0; i < emf::kFaceNameUnits; ++i) {
        const char16_t unit = in.in.U16();
        ended = ended || unit == 0;
        if (!ended) face.push_back(unit);
      }
      if (!in.ok()) return false;
      font.face = Utf16ToProgramText(face);
      font.height = std::clamp(font.height, -(1 << 20), 1 << 20);  // logical units, scaled when drawn
      font.escapement = WithinFontLimits(font).escapement;
      if (slot) objects_[handle] = font;
      return true;
    }
    default: return true;
  }
}

bool MetafilePlayback::PlayMode(std::uint32_t type, Reader& in) {
  if (type == emf::kSaveDC) {
    saved_.push_back(state_);
    return true;
  }
  const std::uint32_t value = in.U32();
  if (!in.ok()) return false;
  switch (type) {
    case emf::kSetTextColor: state_.textColor = ColorOf(value); break;
    case emf::kSetBkColor: state_.backgroundColor = ColorOf(value); break;
    case emf::kSetBkMode:
      state_.backgroundMode =
          value == emf::kTransparent ? BackgroundMode::Transparent : BackgroundMode::Opaque;
      break;
    case emf::kSetTextAlign:
      state_.textAlign = value & (kAlignHorizontalMask | kAlignVerticalMask);
      state_.updateCurrentPosition = (value & emf::kTextUpdateCurrentPosition) != 0;
      break;
    case emf::kSetRop2:
      state_.rasterOp = value == emf::kRop2XorPen      ? RasterOp::Xor
                        : value == emf::kRop2NotXorPen ? RasterOp::NotXor
                                                       : RasterOp::Copy;
      break;
    case emf::kSetPolyFillMode:
      state_.fillMode = value == emf::kWinding ? FillMode::Winding : FillMode::Alternate;
      break;
    case emf::kSetArcDirection: state_.clockwise = value == emf::kArcClockwise; break;
    case emf::kRestoreDC: {
      // Negative: that many levels back; positive: the level of that number.
      const auto relative = static_cast<std::int32_t>(value);
      const std::int64_t keep = relative < 0 ? std::int64_t(saved_.size()) + relative
                                             : std::int64_t{relative} - 1;
      if (relative == 0 || keep < 0 || keep >= std::int64_t(saved_.size())) break;
      const bool hadClip = state_.clip.has_value();
      state_ = saved_[static_cast<std::size_t>(keep)];
      saved_.resize(static_cast<std::size_t>(keep));
      if (hadClip || state_.clip) ApplyClip();
      break;
    }
    default: break;
  }
  return true;
}

bool MetafilePlayback::PlayTransform(std::uint32_t type, Reader& in) {
  if (type == emf::kSetWorldTransform || type == emf::kModifyWorldTransform) {
    Affine x;
    x.m11 = in.F32();
    x.m12 = in.F32();
    x.m21 = in.F32();
    x.m22 = in.F32();
    x.dx = in.F32();
    x.dy = in.F32();
    const std::uint32_t mode = type == emf::kModifyWorldTransform ? in.U32() : emf::kTransformSet;
    if (!in.ok()) return false;
    for (const double v : {x.m11, x.m12, x.m21, x.m22, x.dx, x.dy}) {
      if (!std::isfinite(v)) return true;  // the system refuses such a transform
    }
    if (mode == emf::kTransformIdentity) state_.world = Affine{};
    if (mode == emf::kTransformSet) state_.world = x;
    if (mode == emf::kTransformLeftMultiply) state_.world = Then(x, state_.world);
    if (mode == emf::kTransformRightMultiply) state_.world = Then(state_.world, x);
    return true;
  }
  if (type == emf::kSetMapMode) {
    const std::uint32_t mode = in.U32();
    if (!in.ok()) return false;
    if (mode >= emf::kMapText && mode <= emf::kMapAnisotropic) state_.mapMode = mode;
    return true;
  }
  const double x = in.I32();
  const double y = in.I32();
  if (!in.ok()) return false;
  switch (type) {
    case emf::kSetWindowExtEx:
      if (x != 0 && y != 0) {
        state_.windowExtX = x;
        state_.windowExtY = y;
      }
      break;
    case emf::kSetViewportExtEx:
      if (x != 0 && y != 0) {
        state_.viewportExtX = x;
        state_.viewportExtY = y;
      }
      break;
    case emf::kSetWindowOrgEx:
      state_.windowOrgX = x;
      state_.windowOrgY = y;
      break;
    case emf::kSetViewportOrgEx:
      state_.viewportOrgX = x;
      state_.viewportOrgY = y;
      break;
    default: break;
  }
  return true;
}

// RGNDATA of the given size at the reader, its rectangles mapped to the target.
std::optional<Region> MetafilePlayback::ReadRegion(Reader& in, std::uint32_t bytes,
                                                   const Affine& map, bool& ok) {
  ok = false;
  if (bytes > in.remaining() || bytes < emf::kRegionHeaderBytes) return std::nullopt;
  const std::uint32_t headerBytes = in.U32();
  in.U32();  // type: rectangles
  const std::uint32_t count = in.U32();
  in.U32();        // size of the rectangles
  in.in.Skip(16);  // bounds
  if (!in.ok() || headerBytes != emf::kRegionHeaderBytes ||
      count > (bytes - emf::kRegionHeaderBytes) / 16) {
    return std::nullopt;
  }
  std::vector<Rect> rects;
  rects.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const double left = in.I32(), top = in.I32(), right = in.I32(), bottom = in.I32();
    rects.push_back(Map(map, left, top, right, bottom));
  }
  if (!in.ok()) return std::nullopt;
  ok = true;
  if (dc_ == nullptr) return Region();
  // What lies beyond the target (and the widest frame round it) is dropped before anything is
  // united, so a region of n rectangles costs n log n at most, and less the more are outside.
  const Rect within = TargetArea(static_cast<int>(sizeLimit_) + 2);
  return Region::FromRects(rects, &within);
}

bool MetafilePlayback::PlayClip(std::uint32_t type, Reader& in) {
  if (type == emf::kIntersectClipRect) {
    const double left = in.I32(), top = in.I32(), right = in.I32(), bottom = in.I32();
    if (!in.ok()) return false;
    if (dc_ == nullptr) return true;
    const Region area = Region::FromRect(Normalized(ToTarget(left, top, right, bottom)));
    state_.clip = state_.clip ? state_.clip->Intersected(area) : area;
    ApplyClip();
    return true;
  }
  const std::uint32_t bytes = in.U32();
  const std::uint32_t mode = in.U32();
  if (!in.ok()) return false;
  if (bytes == 0) {
    if (mode != emf::kRgnCopy) return true;
    state_.clip.reset();
    ApplyClip();
    return true;
  }
  // Clip regions are in the metafile's device units.
  bool ok = false;
  std::optional<Region> region = ReadRegion(in, bytes, playback_, ok);
  if (!ok) return false;
  if (dc_ == nullptr) return true;
  if (mode == emf::kRgnCopy) {
    state_.clip = std::move(region);
  } else if (mode == emf::kRgnAnd) {
    state_.clip = state_.clip ? state_.clip->Intersected(*region) : *region;
  } else if (mode == 2 && state_.clip) {  // union
    std::vector<Rect> rects = state_.clip->Rects();
    const std::vector<Rect> more = region->Rects();
    rects.insert(rects.end(), more.begin(), more.end());
    state_.clip = Region::FromRects(rects);
  } else {
    return true;  // differences are not kept: the clip stays as it was
  }
  ApplyClip();
  return true;
}

bool MetafilePlayback::PlayRegion(std::uint32_t type, Reader& in) {
  in.in.Skip(16);  // bounds
  const std::uint32_t bytes = in.U32();
  const std::uint32_t brushHandle = type == emf::kPaintRgn ? 0 : in.U32();
  const double strokeX = type == emf::kFrameRgn ? in.I32() : 0;
  const double strokeY = type == emf::kFrameRgn ? in.I32() : 0;
  if (!in.ok()) return false;
  bool ok = false;
  const std::optional<Region> region = ReadRegion(in, bytes, Transform(), ok);
  if (!ok) return false;
  if (dc_ == nullptr) return true;
  ApplyState();
  if (type == emf::kPaintRgn) {
    dc_->PaintRegion(*region);
    return true;
  }
  const std::optional<Object> object = ObjectAt(brushHandle);
  const Brush* brush = object ? std::get_if<Brush>(&*object) : nullptr;
  if (brush == nullptr) return true;
  if (type == emf::kFillRgn) {
    dc_->FillRegion(*region, *brush);
  } else {
    const Affine t = Transform();
    const int w = ScaledSize(static_cast<int>(std::clamp(strokeX, 0.0, kSizeLimit)), std::hypot(t.m11, t.m12), sizeLimit_);
    const int h = ScaledSize(static_cast<int>(std::clamp(strokeY, 0.0, kSizeLimit)), std::hypot(t.m21, t.m22), sizeLimit_);
    dc_->FrameRegion(*region, *brush, w, h);
  }
  return true;
}

bool MetafilePlayback::PlayText(std::uint32_t type, Reader& in) {
  in.in.Skip(16);  // bounds
  in.U32();        // graphics mode
  in.F32();        // scales
  in.F32();
  const double x = in.I32();
  const double y = in.I32();
  const std::uint32_t count = in.U32();
  const std::uint32_t offset = in.U32();
  const std::uint32_t options = in.U32();
  const double left = in.I32(), top = in.I32(), right = in.I32(), bottom = in.I32();
  in.U32();  // character advances: the target lays the text out itself
  if (!in.ok()) return false;
  const bool wide = type == emf::kExtTextOutW;
  std::span<const std::uint8_t> text;
  if (!in.Slice(offset, std::uint64_t{count} * (wide ? 2 : 1), text)) return false;
  if (dc_ == nullptr) return true;

  std::string bytes;
  if (wide) {
    std::u16string units(count, 0);
    for (std::uint32_t i = 0; i < count; ++i) {
      units[i] = static_cast<char16_t>(text[2 * i] | (text[2 * i + 1] << 8));
    }
    bytes = MetafileTextBytes(units, state_.font.symbolCharset);
  } else {
    bytes.assign(text.begin(), text.end());
  }
  ApplyState();
  const Rect box = Normalized(ToTarget(left, top, right, bottom));
  if ((options & emf::kTextOpaque) != 0 && !box.IsEmpty()) {
    dc_->FillRect(box, Brush::Solid(state_.backgroundColor));
  }
  const bool clipped = (options & emf::kTextClipped) != 0 && !box.IsEmpty();
  if (clipped) {
    const Region area = Region::FromRect(box);
    const std::optional<Region> current = dc_->clipRegion();
    dc_->SelectClipRegion(current ? current->Intersected(area) : area);
  }
  const PointI at = state_.updateCurrentPosition ? ToTarget(state_.x, state_.y) : ToTarget(x, y);
  dc_->TextOut(at, bytes);
  if (clipped) ApplyClip();
  return true;
}

bool MetafilePlayback::PlayBlit(std::uint32_t type, Reader& in) {
  in.in.Skip(16);  // bounds
  std::int32_t xDest = 0, yDest = 0, cxDest = 0, cyDest = 0, xSrc = 0, ySrc = 0, cxSrc = 0,
               cySrc = 0;
  std::uint32_t rop = 0, infoOffset = 0, infoBytes = 0, bitsOffset = 0, bitsBytes = 0;
  if (type == emf::kStretchDIBits) {
    xDest = in.I32();
    yDest = in.I32();
    xSrc = in.I32();
    ySrc = in.I32();
    cxSrc = in.I32();
    cySrc = in.I32();
    infoOffset = in.U32();
    infoBytes = in.U32();
    bitsOffset = in.U32();
    bitsBytes = in.U32();
    in.U32();  // colour usage
    rop = in.U32();
    cxDest = in.I32();
    cyDest = in.I32();
  } else {
    xDest = in.I32();
    yDest = in.I32();
    cxDest = in.I32();
    cyDest = in.I32();
    rop = in.U32();
    xSrc = in.I32();
    ySrc = in.I32();
    in.in.Skip(24 + 4 + 4);  // source transform, background colour, colour usage
    infoOffset = in.U32();
    infoBytes = in.U32();
    bitsOffset = in.U32();
    bitsBytes = in.U32();
    cxSrc = type == emf::kStretchBlt ? in.I32() : cxDest;
    cySrc = type == emf::kStretchBlt ? in.I32() : cyDest;
  }
  if (!in.ok()) return false;
  std::span<const std::uint8_t> info, bits;
  const bool hasBitmap = infoBytes != 0;
  if (hasBitmap && (!in.Slice(infoOffset, infoBytes, info) || !in.Slice(bitsOffset, bitsBytes, bits))) {
    return false;
  }
  if (dc_ == nullptr) return true;
  ApplyState();
  const double x1 = xDest, y1 = yDest;
  const double x2 = double(xDest) + cxDest, y2 = double(yDest) + cyDest;
  if (!hasBitmap) {
    const Rect area = Normalized(ToTarget(x1, y1, x2, y2));
    if (rop == emf::kBlackness) dc_->FillRect(area, Brush::Solid(kBlack));
    if (rop == emf::kWhiteness) dc_->FillRect(area, Brush::Solid(kWhite));
    if (rop == emf::kPatCopy || rop == emf::kPatInvert || rop == emf::kPatNotXor) {
      dc_->PatBlt(area, BlitRasterOp(rop));
    }
    return true;
  }
  const std::optional<SizeI> size = DibSize(info);
  if (!size) return true;  // a kind of bitmap this player does not read
  // A bottom-up DIB counts the source rows of this record from its bottom.
  if (type == emf::kStretchDIBits && DibIsBottomUp(info)) {
    ySrc = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        std::int64_t{size->height} - ySrc - cySrc, INT32_MIN / 2, INT32_MAX / 2));
  }
  const auto clampInt = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN / 2, INT32_MAX / 2));
  };
  const Rect source{clampInt(xSrc), clampInt(ySrc), clampInt(std::int64_t{xSrc} + cxSrc),
                    clampInt(std::int64_t{ySrc} + cySrc)};
  const PointI a = ToTarget(x1, y1), b = ToTarget(x2, y2);
  const Rect dest{a.x, a.y, b.x, b.y};
  // Only the source pixels that show are decoded, within the playback's budget.
  const bool flipX = (dest.right < dest.left) != (source.right < source.left);
  const bool flipY = (dest.bottom < dest.top) != (source.bottom < source.top);
  const Rect from = Intersect(Normalized(source), Rect{0, 0, size->width, size->height});
  StretchPart part;
  if (!VisibleStretch(Normalized(dest), from, flipX, flipY, dc_->VisibleBounds(), part)) return true;
  const Rect shown = Intersect(part.dest, dc_->VisibleBounds());
  const std::int64_t cost = part.source.Width64() * part.source.Height64() + shown.Width64() * shown.Height64();
  if (cost > pixelBudget_) return true;
  pixelBudget_ -= cost;
  const std::optional<Bitmap> bitmap = DecodeDib(info, bits, &part.source);
  if (!bitmap) return true;
  const Rect to{flipX ? part.dest.right : part.dest.left, flipY ? part.dest.bottom : part.dest.top,
                flipX ? part.dest.left : part.dest.right, flipY ? part.dest.top : part.dest.bottom};
  dc_->StretchBitmap(to, *bitmap, {0, 0, bitmap->width(), bitmap->height()}, BlitRasterOp(rop));
  return true;
}

}  // namespace platform

#include "platform/region.h"

#include <QPolygon>
#include <algorithm>
#include <vector>

#include "platform/polygon_clip.h"
#include "platform/region_qt.h"

namespace platform {

struct Region::Impl {
  QRegion region;
};

Region::Region() : impl_(std::make_unique<Impl>()) {}
Region::~Region() = default;
Region::Region(const Region& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
Region& Region::operator=(const Region& other) {
  if (this != &other) *impl_ = *other.impl_;
  return *this;
}
// A moved-from region stays valid and empty.
Region::Region(Region&& other) noexcept : impl_(std::make_unique<Impl>()) {
  impl_->region.swap(other.impl_->region);
}
Region& Region::operator=(Region&& other) noexcept {
  impl_->region.swap(other.impl_->region);
  other.impl_->region = QRegion();
  return *this;
}

const QRegion& RegionAccess::Get(const Region& region) { return region.impl_->region; }

Region RegionAccess::Make(QRegion qregion) {
  Region region;
  region.impl_->region = std::move(qregion);
  return region;
}

Region Region::FromRect(const Rect& rect) {
  if (rect.IsEmpty()) return Region();
  return FromQRegion(QRegion(rect.left, rect.top, rect.Width(), rect.Height()));
}

namespace {

// Unites the regions in pairs, then pairs of pairs.
QRegion UniteAll(std::vector<QRegion> parts) {
  if (parts.empty()) return QRegion();
  while (parts.size() > 1) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
      parts[kept++] = i + 1 < parts.size() ? parts[i].united(parts[i + 1]) : std::move(parts[i]);
    }
    parts.resize(kept);
  }
  return std::move(parts.front());
}

QRegion PolygonRegion(std::span<const PointI> points, Qt::FillRule rule) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PointI& p : points) polygon.append(QPoint(p.x, p.y));
  return QRegion(polygon, rule);
}

}  // namespace

Region Region::FromPolygon(std::span<const PointI> points, FillMode mode) {
  if (points.size() < 3) return Region();
  constexpr int kReach = 1 << 15;
  static constexpr Rect kArea{-kReach, -kReach, kReach, kReach};
  const Qt::FillRule rule = mode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill;
  const bool inside = std::all_of(points.begin(), points.end(), [](const PointI& p) {
    return p.x >= kArea.left && p.x <= kArea.right && p.y >= kArea.top && p.y <= kArea.bottom;
  });
  std::vector<PointI> cut;
  if (!inside) {
    cut = ClipPolygonToRect(points, kArea);
    if (cut.size() < 3) return Region();
    points = cut;
  }
  int left = points[0].x, right = left, top = points[0].y, bottom = top;
  for (const PointI& p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  // Qt's conversion slows down steeply with the rows; bands of rows keep it to its fast range.
  constexpr int kBand = 1024;
  if (bottom - top <= kBand) return FromQRegion(PolygonRegion(points, rule));
  std::vector<QRegion> bands;
  for (int y = top; y < bottom; y += kBand) {
    // Cut a little beyond the band, so its own edges are not the band's rows.
    const std::vector<PointI> band = ClipPolygonToRect(points, {left - 1, y - 1, right + 1, y + kBand + 1});
    if (band.size() < 3) continue;
    bands.push_back(PolygonRegion(band, rule).intersected(QRect(left - 1, y, right - left + 3, kBand)));
  }
  return FromQRegion(UniteAll(std::move(bands)));
}

Region Region::FromRects(std::span<const Rect> rects, const Rect* within) {
  std::vector<QRegion> parts;
  parts.reserve(rects.size());
  for (Rect r : rects) {
    if (within) r = Intersect(r, *within);
    if (!r.IsEmpty()) parts.emplace_back(r.left, r.top, r.Width(), r.Height());
  }
  return FromQRegion(UniteAll(std::move(parts)));
}

Region Region::Intersected(const Region& other) const {
  return FromQRegion(impl_->region.intersected(other.impl_->region));
}

Region Region::Frame(int width, int height) const {
  const QRegion& r = impl_->region;
  const QRegion inner = r.intersected(r.translated(width, 0))
                            .intersected(r.translated(-width, 0))
                            .intersected(r.translated(0, height))
                            .intersected(r.translated(0, -height));
  return FromQRegion(r.subtracted(inner));
}

bool Region::Contains(PointI p) const { return impl_->region.contains(QPoint(p.x, p.y)); }

bool Region::IsEmpty() const { return impl_->region.isEmpty(); }

Rect Region::Bounds() const {
  const QRect b = impl_->region.boundingRect();
  if (b.isEmpty()) return {};
  return {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> rects;
  for (const QRect& r : impl_->region) {
    rects.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
  }
  return rects;
}

}  // namespace platform

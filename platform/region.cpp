#include "platform/region.h"

#include <QPolygon>
#include <vector>

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

Region Region::FromPolygon(std::span<const PointI> points, FillMode mode) {
  if (points.size() < 3) return Region();
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PointI& p : points) polygon.append(QPoint(p.x, p.y));
  return FromQRegion(
      QRegion(polygon, mode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill));
}

Region Region::FromRects(std::span<const Rect> rects, const Rect* within) {
  std::vector<QRegion> parts;
  parts.reserve(rects.size());
  for (Rect r : rects) {
    if (within) r = Intersect(r, *within);
    if (!r.IsEmpty()) parts.emplace_back(r.left, r.top, r.Width(), r.Height());
  }
  if (parts.empty()) return Region();
  while (parts.size() > 1) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
      parts[kept++] = i + 1 < parts.size() ? parts[i].united(parts[i + 1]) : std::move(parts[i]);
    }
    parts.resize(kept);
  }
  return FromQRegion(std::move(parts.front()));
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

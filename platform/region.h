#pragma once
// An area of device pixels: a rectangle, a polygon or an intersection of them. Used to fill,
// frame and clip. A pixel belongs to a polygon region when a fill of that polygon would paint it.
// A polygon region keeps to the pixels within 2^15 of the origin (more than a page up to A2 at
// 1200 dots per inch): a polygon reaching beyond is cut there first, so its region never has
// more rows than that, however far its corners lie; a tall one is made a band of rows at a
// time, so its cost grows with its rows, no faster.

#include <memory>
#include <span>
#include <vector>

#include "platform/drawing_types.h"

namespace platform {

class Region {
 public:
  Region();  // empty
  ~Region();
  Region(const Region& other);
  Region& operator=(const Region& other);
  Region(Region&& other) noexcept;
  Region& operator=(Region&& other) noexcept;

  static Region FromRect(const Rect& rect);
  static Region FromPolygon(std::span<const PointI> points, FillMode mode = FillMode::Winding);
  // The union of the rectangles (for readers of region records), united in pairs, then pairs
  // of pairs, so n rectangles cost about n log n. With `within`, only what lies inside it is
  // kept: rectangles outside it cost nothing.
  static Region FromRects(std::span<const Rect> rects, const Rect* within = nullptr);

  Region Intersected(const Region& other) const;
  // The band of the given thickness along the inside of the region's edge.
  Region Frame(int width, int height) const;

  bool Contains(PointI p) const;
  bool IsEmpty() const;
  Rect Bounds() const;
  // The region as disjoint rectangles, top to bottom (for writers of region records).
  std::vector<Rect> Rects() const;

 private:
  friend struct RegionAccess;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform

#include "view/view_mapping.h"

#include <algorithm>

#include "kernel/number_text.h"
#include "kernel/segment_clip.h"
#include "kernel/vector3.h"

namespace view {

namespace {

// v already in pixels from the edge: -1 before the edge, limit + 1 beyond the far one.
int ClampPixel(Real v, int limit) {
  if (v > limit) return limit + 1;
  if (v >= 0) return kernel::RoundLD(v);
  return -1;  // before the edge, or not a number
}

bool Unclamped(Real v, int limit) { return v >= 0 && v <= limit; }

}  // namespace

void UpdateScale(ViewMapping& m) {
  m.unitsPerPixelX = 2 * m.halfWidth / std::max(1, m.width - 1);
  m.unitsPerPixelY = 2 * m.halfHeight / std::max(1, m.height - 1);
  m.pixelsPerUnitX = 1 / m.unitsPerPixelX;
  m.pixelsPerUnitY = 1 / m.unitsPerPixelY;
}

void FitViewToClient(ViewMapping& m) {
  const int width = std::max(1, m.width);
  const int height = std::max(1, m.height);
  if (m.unequal) {
    const Real boxWidth = m.box.xmax - m.box.xmin;
    const Real boxHeight = m.box.ymax - m.box.ymin;
    if (boxWidth > 0) m.aspect = width * boxHeight / (boxWidth * height);
    m.centre = {(m.box.xmin + m.box.xmax) / 2, (m.box.ymin + m.box.ymax) / 2};
    m.halfWidth = boxWidth / 2;
    m.halfHeight = boxHeight / 2;
  } else {
    m.halfHeight = height * m.aspect * m.halfWidth / width;
    m.box = {m.centre.x - m.halfWidth, m.centre.x + m.halfWidth, m.centre.y - m.halfHeight,
             m.centre.y + m.halfHeight};
  }
  UpdateScale(m);
}

int XToScreen(const ViewMapping& m, Real x) {
  return ClampPixel((x - m.box.xmin) * m.pixelsPerUnitX, m.width) + m.offsetX;
}

int YToScreen(const ViewMapping& m, Real y) {
  return ClampPixel((m.box.ymax - y) * m.pixelsPerUnitY, m.height) + m.offsetY;
}

bool XToScreenChecked(const ViewMapping& m, Real x, int& px) {
  const Real v = (x - m.box.xmin) * m.pixelsPerUnitX;
  px = ClampPixel(v, m.width) + m.offsetX;
  return Unclamped(v, m.width);
}

bool YToScreenChecked(const ViewMapping& m, Real y, int& py) {
  const Real v = (m.box.ymax - y) * m.pixelsPerUnitY;
  py = ClampPixel(v, m.height) + m.offsetY;
  return Unclamped(v, m.height);
}

bool WorldToPixel(const ViewMapping& m, const kernel::Point2& p, platform::PointI& pixel) {
  const bool x = XToScreenChecked(m, p.x, pixel.x);
  const bool y = YToScreenChecked(m, p.y, pixel.y);
  return x && y;
}

Real XToWorld(const ViewMapping& m, int px) {
  return static_cast<Real>(px - m.offsetX) * m.unitsPerPixelX + m.box.xmin;
}

Real YToWorld(const ViewMapping& m, int py) {
  return m.box.ymax - static_cast<Real>(py - m.offsetY) * m.unitsPerPixelY;
}

kernel::Point2 PixelToWorld(const ViewMapping& m, platform::PointI pixel) {
  return {XToWorld(m, pixel.x), YToWorld(m, pixel.y)};
}

bool PixelInClient(const ViewMapping& m, int px, int py) {
  if (m.printing) {
    px -= m.offsetX;
    py -= m.offsetY;
  }
  return px >= 0 && px <= m.width && py >= 0 && py <= m.height;
}

PixelBox BoxToPixelRect(const ViewMapping& m, const kernel::Box2& box) {
  return {std::max(XToScreen(m, box.xmin), m.offsetX), std::max(YToScreen(m, box.ymax), m.offsetY),
          std::min(XToScreen(m, box.xmax), m.offsetX + m.width),
          std::min(YToScreen(m, box.ymin), m.offsetY + m.height)};
}

kernel::Box2 PixelRectToBox(const ViewMapping& m, const PixelBox& rect) {
  return {XToWorld(m, rect.left), XToWorld(m, rect.right), YToWorld(m, rect.bottom), YToWorld(m, rect.top)};
}

bool InView(const ViewMapping& m, const kernel::Point2& p) { return kernel::InBox2(p, m.box); }

bool ClipToView(const ViewMapping& m, kernel::Point2& p, kernel::Point2& q) {
  if (InView(m, p) && InView(m, q)) return true;
  return kernel::ClipSegment(m.box.xmin + m.unitsPerPixelX, m.box.xmax - m.unitsPerPixelX,
                             m.box.ymin + m.unitsPerPixelY, m.box.ymax - m.unitsPerPixelY, p, q, false);
}

}  // namespace view

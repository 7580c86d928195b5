#pragma once
// The view of the world plane and its mapping to pixels: a centre, two half extents, the view box
// they give and the scales that tie world units to pixels of the client area (or of the printed
// picture, moved by the print offsets). World y points up, pixel y down. The view box's left edge
// maps to pixel column 0 and its right edge to column width - 1; its top (ymax) to row 0 and its
// bottom to row height - 1.

#include <cstdint>

#include "kernel/plain_records.h"
#include "kernel/real.h"
#include "platform/drawing_types.h"

namespace view {

using kernel::Real;

struct ViewMapping {
  kernel::Point2 centre{0, 0};
  Real halfWidth = 5;
  Real halfHeight = 5;
  Real unitsPerPixelX = static_cast<Real>(0.02);
  Real unitsPerPixelY = static_cast<Real>(0.02);
  Real pixelsPerUnitX = 50;
  Real pixelsPerUnitY = 50;
  kernel::Box2 box{-5, 5, -5, 5};
  // (world units per pixel in y) / (world units per pixel in x); 1 for equal scales.
  Real aspect = 1;
  // Set: the view box is authoritative and the two scales may differ. Clear: the centre and the
  // half width are, and the height follows the client area's shape.
  std::uint8_t unequal = 0;

  // The client area in pixels, and the offsets of the picture on the page while printing.
  int width = 11;
  int height = 11;
  int offsetX = 0;
  int offsetY = 0;
  bool printing = false;
};

// A pixel rectangle whose four edges are mapped coordinates (both edges included).
struct PixelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The scales from the half extents and the client size. A client 1 pixel wide or high counts as 2,
// so the scales stay finite.
void UpdateScale(ViewMapping& m);
// Makes box, extents and scales agree with the client size: with unequal scales the box stays and
// centre, half extents and aspect follow it; with equal scales centre and half width stay and the
// half height and the box follow the client's shape.
void FitViewToClient(ViewMapping& m);

// Screen coordinates, unrounded and unclamped.
inline Real XToScreenLD(const ViewMapping& m, Real x) { return (x - m.box.xmin) * m.pixelsPerUnitX + m.offsetX; }
inline Real YToScreenLD(const ViewMapping& m, Real y) { return (m.box.ymax - y) * m.pixelsPerUnitY + m.offsetY; }
// Pixel coordinates, rounded; beyond the client area they clamp to -1 or width + 1 (height + 1)
// before they are rounded, so a far point never overflows. Not-a-number counts as far before.
int XToScreen(const ViewMapping& m, Real x);
int YToScreen(const ViewMapping& m, Real y);
// The same; true when the coordinate did not clamp.
bool XToScreenChecked(const ViewMapping& m, Real x, int& px);
bool YToScreenChecked(const ViewMapping& m, Real y, int& py);
// Both coordinates; true when neither clamped.
bool WorldToPixel(const ViewMapping& m, const kernel::Point2& p, platform::PointI& pixel);

Real XToWorld(const ViewMapping& m, int px);
Real YToWorld(const ViewMapping& m, int py);
kernel::Point2 PixelToWorld(const ViewMapping& m, platform::PointI pixel);

// Whether the pixel lies in the client area (both edges included), the print offsets taken off
// while printing.
bool PixelInClient(const ViewMapping& m, int px, int py);
// The pixel rectangle of a world box, held within the client area; and back.
PixelBox BoxToPixelRect(const ViewMapping& m, const kernel::Box2& box);
kernel::Box2 PixelRectToBox(const ViewMapping& m, const PixelBox& rect);

// Whether a world point lies in the view box (bounds inside).
bool InView(const ViewMapping& m, const kernel::Point2& p);
// A segment to draw: unchanged when both ends lie in the view; otherwise cut to the view box
// shrunk by one pixel step on every side. False when nothing of it is in view.
bool ClipToView(const ViewMapping& m, kernel::Point2& p, kernel::Point2& q);

}  // namespace view

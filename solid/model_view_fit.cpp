#include "solid/model_view_fit.h"

#include "kernel/vector3.h"

namespace solid {

namespace {

// Each side of the view holds this share of the projected box's extent.
constexpr kernel::Real kViewShare = static_cast<kernel::Real>(0.55);
// A box that projects to a point still gets a view of this extent.
constexpr kernel::Real kLeastExtent = static_cast<kernel::Real>(0.01);

}  // namespace

kernel::ModelBoxView ComputeModelBox(const engine::FigureTables& tables, const engine::SolidTables& solid,
                                     const kernel::Point3& axisLengths, bool axesFixed, kernel::Point3& lo,
                                     kernel::Point3& hi) {
  const kernel::Real big = kernel::ModelBoxInfinity();
  lo = {big, big, big};
  hi = {-big, -big, -big};
  for (int i = 0; i <= tables.last_point; ++i) {
    if (tables.exists[i]) kernel::ExtendBox3(lo, tables.xyz[i], hi);
  }
  for (const kernel::SurfaceRecord& surface : solid.Surfaces()) {
    if (surface.active) kernel::ExtendBoxBySurface(surface, tables.xyz, lo, hi);
  }
  if (axesFixed || tables.last_point < 0) {
    kernel::ExtendBox3(lo, {axisLengths.x, 0, 0}, hi);
    kernel::ExtendBox3(lo, {0, axisLengths.y, 0}, hi);
    kernel::ExtendBox3(lo, {0, 0, axisLengths.z}, hi);
  }
  return kernel::FinishModelBox(lo, hi);
}

bool FitViewToBox(const kernel::ViewFrame& frame, const kernel::Point3& lo, const kernel::Point3& hi,
                  view::ViewMapping& mapping) {
  if (mapping.width <= 0 || mapping.height <= 0) return false;
  const kernel::Box2 extent = kernel::ProjectedBoxExtent(frame, lo, hi);
  const kernel::Real hx = kViewShare * (extent.xmax + kLeastExtent - extent.xmin);
  const kernel::Real hy = kViewShare * (extent.ymax + kLeastExtent - extent.ymin);
  mapping.unequal = 0;
  mapping.centre = {(extent.xmin + extent.xmax) / 2, (extent.ymin + extent.ymax) / 2};
  mapping.halfWidth = hx;
  view::FitViewToClient(mapping);
  if (mapping.halfHeight < hy && mapping.halfHeight > 0) {
    mapping.halfWidth = hy * mapping.halfWidth / mapping.halfHeight;
    view::FitViewToClient(mapping);
  }
  return true;
}

}  // namespace solid

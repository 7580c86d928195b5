#include "kernel/model_box.h"

#include <algorithm>
#include <cmath>

#include "kernel/vector3.h"

namespace kernel {

namespace {

// A coordinate narrower than this counts as flat and gets a quarter unit on each side.
constexpr Real kFlatWidth = static_cast<Real>(0.0001);
constexpr Real kFlatMargin = static_cast<Real>(0.25);
constexpr Real kWidening = static_cast<Real>(0.01);
constexpr Real kEpsilonPerDiagonal = static_cast<Real>(0.0001);
// The thickness of the box around a flat curve.
constexpr Real kCurveThickness = static_cast<Real>(0.001);

bool InTable(std::span<const Point3> points, int i) { return i >= 0 && static_cast<std::size_t>(i) < points.size(); }

void OpenFlat(Real& lo, Real& hi) {
  if (hi < lo + kFlatWidth) {
    lo -= kFlatMargin;
    hi += kFlatMargin;
  }
}

void Widen(Real& lo, Real& hi) {
  const Real d = hi - lo;
  hi += kWidening * d;
  lo -= kWidening * d;
}

}  // namespace

Real ModelBoxInfinity() {
  static const Real big = std::exp(static_cast<Real>(42));
  return big;
}

void ExtendBoxBySurface(const SurfaceRecord& surface, std::span<const Point3> points, Point3& lo, Point3& hi) {
  const int first = surface.points[0];
  if (!InTable(points, first)) return;
  Point3 m;
  Point3 a;
  Point3 b;
  Point3 c;
  if (surface.kind >= kSurfaceCylinder && surface.kind <= kSurfaceCone) {
    const int second = surface.points[1];
    if (!InTable(points, second)) return;
    m = Midpoint3(points[first], points[second]);
    c = (surface.param2 / 2) * surface.w;
    const Real r = surface.param0 < surface.param1 ? surface.param1 : surface.param0;
    a = r * surface.u;
    b = r * surface.v;
  } else if (surface.kind >= kSurfaceSphere && surface.kind <= kSurfaceCircle2) {
    a = surface.param0 * surface.u;
    b = surface.param0 * surface.v;
    m = points[first] + surface.param1 * surface.w;
    c = (surface.param0 * (1 - surface.param1) / 2) * surface.w;
  } else {
    m = points[first];
    a = surface.u;
    b = surface.v;
    c = surface.w;
    ScaleTo3(c, kCurveThickness);
  }
  for (const Real i : {-1, 1}) {
    for (const Real j : {-1, 1}) {
      for (const Real k : {-1, 1}) ExtendBox3(lo, m + i * a + j * b + k * c, hi);
    }
  }
}

ModelBoxView FinishModelBox(Point3& lo, Point3& hi) {
  OpenFlat(lo.x, hi.x);
  OpenFlat(lo.y, hi.y);
  OpenFlat(lo.z, hi.z);
  ExtendBox3(lo, {0, 0, 0}, hi);
  const ModelBoxView view{Midpoint3(lo, hi), kEpsilonPerDiagonal * Dist3(lo, hi)};
  Widen(lo.x, hi.x);
  Widen(lo.y, hi.y);
  Widen(lo.z, hi.z);
  return view;
}

Box2 ProjectedBoxExtent(const ViewFrame& frame, const Point3& lo, const Point3& hi) {
  const Real big = ModelBoxInfinity();
  Box2 extent{big, -big, big, -big};
  for (const int i : {0, 1}) {
    for (const int j : {0, 1}) {
      for (const int k : {0, 1}) {
        const Point3 corner{i == 0 ? hi.x : lo.x, j == 0 ? hi.y : lo.y, k == 0 ? hi.z : lo.z};
        const Point2 p = ProjectToView(frame, corner);
        extent.xmin = std::min(extent.xmin, p.x);
        extent.xmax = std::max(extent.xmax, p.x);
        extent.ymin = std::min(extent.ymin, p.y);
        extent.ymax = std::max(extent.ymax, p.y);
      }
    }
  }
  return extent;
}

}  // namespace kernel

// Whether the observer sees a point of the model, and segments in space drawn with their hidden
// parts told apart.
#include <algorithm>
#include <cmath>

#include "kernel/segment_clip.h"
#include "kernel/vector3.h"
#include "solid/model_projection.h"
#include "solidview/geom_q_win.h"

namespace solidview {

namespace {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;

// A point is moved this many model epsilons towards the observer before it is tested.
constexpr Real kTestPointLift = 10;
// Samples of a hidden-line segment per half width of the view, and the fewest.
constexpr Real kSamplesPerHalfWidth = 40;
constexpr int kFewestSamples = 2;

bool HiddenRunsShown(int mode) { return mode == kDotHiddenLines || mode == kPaintedAndDotted; }

// How far in front of the observer p lies, along the line of sight (the divisor of the
// projection).
Real Depth(const kernel::ViewFrame& frame, const Point3& p) { return kernel::Dot3(frame.sight, frame.observer - p); }

// The point of AB that projects to the point a fraction `along` of the way from A's projection to
// B's: the projection is not linear along the segment, so the fraction is weighted by depth.
Point3 PointProjectingAt(const kernel::ViewFrame& frame, const Point3& a, const Point3& b, Real along) {
  const Real da = Depth(frame, a);
  const Real db = Depth(frame, b);
  const Real denominator = along * da + (1 - along) * db;
  const Real s = denominator == 0 ? along : along * da / denominator;
  return a + s * (b - a);
}

// Where q lies along the projected segment from p to r (0 at p, 1 at r).
Real FractionAlong(const Point2& p, const Point2& r, const Point2& q) {
  const Real dx = r.x - p.x;
  const Real dy = r.y - p.y;
  if (std::fabs(dx) >= std::fabs(dy)) return dx == 0 ? 0 : (q.x - p.x) / dx;
  return (q.y - p.y) / dy;
}

}  // namespace

bool TGeomQWin::IsPointVisible(const Point3& p) {
  if (display.displayMode == kShowHiddenLines) return true;
  Point3 lift = observer - p;
  kernel::ScaleTo3(lift, kTestPointLift * modelEpsilon);
  const Point3 q = p + lift;
  const engine::SolidTables& s = solid();
  if (s.last_face >= 0) {
    const engine::PixelPoint pixel = PointToScreen(q);
    for (int i = 0; i <= s.last_face; ++i) {
      if (FaceHidesPoint(i, q, pixel.x, pixel.y)) return false;
    }
  }
  for (int i = 0; i <= s.last_surface; ++i) {
    if (SurfaceHidesPoint(i, q)) return false;
  }
  return true;
}

bool TGeomQWin::FaceHidesPoint(int i, const Point3& q, int px, int py) const {
  const kernel::FaceRecord& face = solid().faces[static_cast<std::size_t>(i)];
  if (!face.visible || face.count < 3 || face.transparent) return false;
  const kernel::PlaneRecord& plane = modelTables.face_planes[static_cast<std::size_t>(i)];
  if (kernel::PlaneValue3(plane, observer) * kernel::PlaneValue3(plane, q) >= 0) return false;
  // The face covers the pixel only within the client area.
  if (px < 0 || py < 0 || px >= mapping.width || py >= mapping.height) return false;
  if (static_cast<std::size_t>(i) >= faceOutlines.counts.size()) return false;
  return kernel::PixelInPolygonNonZero(px, py, faceOutlines.pixels[static_cast<std::size_t>(i)],
                                       faceOutlines.counts[static_cast<std::size_t>(i)]);
}

bool TGeomQWin::SurfaceHidesPoint(int i, const Point3& /*q*/) const {
  const kernel::SurfaceRecord& s = solid().surfaces[static_cast<std::size_t>(i)];
  if (s.transparent || !s.active || !kernel::IsFillableKind(s)) return false;
  // Whether the sight line from q to the observer meets the surface (the lateral surface of a
  // cylinder, frustum or cone, a sphere, a disk or a conic region; a circle never hides) is asked
  // of the line-surface queries of the model layer. Until they are there, curved elements hide
  // nothing.
  return false;
}

void TGeomQWin::DrawSegment3D(view::FigurePainter& painter, const Point3& a, const Point3& b, const view::LinePen& pen,
                              bool dotted) {
  if (dotted && display.displayMode == kPainted && Exporting(view::ExportKind::PiCTeX)) return;
  painter.SetPen(pen);
  painter.Segment(ProjectToView(a), ProjectToView(b), true);
}

void TGeomQWin::DrawSegmentHidden(view::FigurePainter& painter, const Point3& a, const Point3& b,
                                  const view::LinePen& visiblePen, const view::LinePen& hiddenPen) {
  const int mode = display.displayMode;
  if (convexityAssumed) {
    if (IsPointVisible(a) && IsPointVisible(b) && IsPointVisible(kernel::Midpoint3(a, b))) {
      DrawSegment3D(painter, a, b, visiblePen, false);
    } else if (mode != kRayTraced) {
      DrawSegment3D(painter, a, b, hiddenPen, true);
    }
    return;
  }
  Point3 start = a;
  Point3 end = b;
  Point2 p = ProjectToView(a);
  Point2 q = ProjectToView(b);
  if (!view::InView(mapping, p) || !view::InView(mapping, q)) {
    // Only the part in view (widened by a pixel) is sampled, so the samples stay as dense there.
    const Point2 wholeP = p;
    const Point2 wholeQ = q;
    const kernel::Box2& box = mapping.box;
    const Real mx = mapping.unitsPerPixelX;
    const Real my = mapping.unitsPerPixelY;
    if (!kernel::ClipSegment(box.xmin - mx, box.xmax + mx, box.ymin - my, box.ymax + my, p, q, false)) return;
    if (Depth(frame, a) > 0 && Depth(frame, b) > 0) {
      start = PointProjectingAt(frame, a, b, FractionAlong(wholeP, wholeQ, p));
      end = PointProjectingAt(frame, a, b, FractionAlong(wholeP, wholeQ, q));
    }
  }
  const Real length = std::hypot(q.x - p.x, q.y - p.y);
  const Real count = mapping.halfWidth > 0 ? std::floor(kSamplesPerHalfWidth * length / mapping.halfWidth) : 0;
  const int n = count < kFewestSamples ? kFewestSamples : static_cast<int>(count);
  const bool showHidden = HiddenRunsShown(mode);

  Point3 runStart = start;
  bool runVisible = IsPointVisible(start);
  for (int k = 1; k <= n; ++k) {
    const Point3 sample = start + (static_cast<Real>(k) / n) * (end - start);
    const bool visible = IsPointVisible(sample);
    if (visible == runVisible) continue;
    if (runVisible) DrawSegment3D(painter, runStart, sample, visiblePen, false);
    else if (showHidden) DrawSegment3D(painter, runStart, sample, hiddenPen, true);
    runVisible = visible;
    runStart = sample;
  }
  if (runVisible) DrawSegment3D(painter, runStart, end, visiblePen, false);
  else if (showHidden) DrawSegment3D(painter, runStart, end, hiddenPen, true);
}

}  // namespace solidview

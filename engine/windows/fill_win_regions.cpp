// The fills of the layer: polygons, faces in the window's model, disks and sectors, and the
// background of the upper half-plane.

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "engine/windows/fill_win.h"
#include "kernel/export_polygon_clip.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace engine {

using kernel::Point2;
using kernel::Real;

namespace {

// Vertex lists end at the first entry of this value or above.
constexpr std::uint16_t kVertexListEnd = 0x8000;
constexpr Real kWholeCircleDegrees = static_cast<Real>(359.9999);
constexpr Real kSmallestSectorDegrees = static_cast<Real>(1e-13);
constexpr int kBackgroundRole = 10;

// The brush of a fill: its colour index and, for the targets with patterns, the hatch.
view::FillBrush FillBrushOf(int color, int pattern) {
  return {true, view::InkColor::Index(color), std::max(0, pattern)};
}

const view::LinePen kNoOutline{view::InkColor::Index(0), 1, view::kLineNone};

}  // namespace

bool TFillWin::FillPolygonShape(view::FigurePainter& painter, std::span<const Point2> points, bool clip,
                                int fillColor, int outlineColor, int fillOption, int outlineOption) {
  if (points.size() < 3) return false;
  std::span<const Point2> shape = points;
  if (clip && !painter.ClipsToView()) {
    kernel::ClipPolygonToBox(points, FillClipBox(painter.mapping()), clipped_);
    if (clipped_.size() < 3) return false;
    shape = clipped_;
  }
  painter.Save();
  painter.SetBrush(FillBrushOf(fillColor, outlineOption));
  painter.SetPen(fillOption < 0 ? kNoOutline : view::LinePen{view::InkColor::Index(outlineColor), fillOption});
  painter.Region(shape, FillShapeWord(fill.shapeKind), false);
  painter.Restore();
  return true;
}

bool TFillWin::FaceVertices(const kernel::FillRecord& face) {
  facePoints_.clear();
  for (const std::uint16_t index : face.vertices) {
    if (index >= kVertexListEnd) break;
    Point2 p;
    if (!FacePoint(index, p)) return false;
    facePoints_.push_back(p);
  }
  return true;
}

bool TFillWin::FillFace(view::FigurePainter& painter, const kernel::FillRecord& face) {
  if (model().Hyperbolic) return FillHyperbolicFace(painter, face);
  if (model().Spherical) return FillFaceSphere(painter, face);
  if (!FaceVertices(face)) return false;
  return FillPolygonShape(painter, facePoints_, true, face.style, 0, -1, face.word214);
}

bool TFillWin::FillHyperbolicFace(view::FigurePainter& painter, const kernel::FillRecord& face) {
  if (!FaceVertices(face)) return false;
  const view::ViewMapping& m = painter.mapping();
  const std::size_t n = facePoints_.size();
  regionPoints_.clear();
  for (std::size_t i = 0; i < n; ++i) {
    const Point2& p = facePoints_[i];
    const Point2& q = facePoints_[(i + 1) % n];
    GeodesicEnds ends;
    bool isLine = false;
    if (Geodesic(model(), p, q, ends, isLine) != kGeometryOk || isLine) {
      regionPoints_.push_back(p);
      regionPoints_.push_back(q);
      continue;
    }
    const Point2& centre = ends[2];
    kernel::ArcPoints(centre, p - centre, kernel::SignedAngle2(p, centre, q), m.unitsPerPixelX, m.box, &arcPoints_);
    regionPoints_.insert(regionPoints_.end(), arcPoints_.begin(), arcPoints_.end());
  }
  // The disk needs no cut while the whole square around it is in view.
  const bool clip =
      model().HalfPlane || !(m.box.xmin <= -1 && m.box.xmax >= 1 && m.box.ymin <= -1 && m.box.ymax >= 1);
  return FillPolygonShape(painter, regionPoints_, clip, face.style, 0, -1, face.word214);
}

void TFillWin::FillEllipseShape(view::FigurePainter& painter, const Point2& centre, const Point2& point,
                                Real sweepDegrees, int fillColor, int outlineOption) {
  if (!std::isfinite(sweepDegrees)) return;
  Point2 v = point - centre;
  if (sweepDegrees < 0) {
    // The same sector, from its other end.
    kernel::Rotate2(v, sweepDegrees * kernel::Pi / 180);
    sweepDegrees = -sweepDegrees;
  }
  const bool whole = sweepDegrees > kWholeCircleDegrees;
  if (whole) sweepDegrees = 360;
  else fill.shapeKind = kShapeSector;
  const Real r = kernel::Dist2(centre, centre + v);
  if (!(r >= kernel::NullTolerance) || !std::isfinite(r)) return;
  if (whole) {
    painter.Save();
    painter.SetBrush(FillBrushOf(fillColor, outlineOption));
    painter.SetPen(kNoOutline);
    painter.Circle(centre, r);
    painter.Restore();
    return;
  }
  if (sweepDegrees < kSmallestSectorDegrees) return;
  const view::ViewMapping& m = painter.mapping();
  const int n = kernel::ArcPoints(centre, v, sweepDegrees * kernel::Pi / 180, m.unitsPerPixelX, m.box, &regionPoints_);
  regionPoints_.push_back(centre);
  FillPolygonShape(painter, regionPoints_, n < 0, fillColor, 0, -1, outlineOption);
}

void TFillWin::FillBackground(view::FigurePainter& painter) {
  const view::ViewMapping& m = painter.mapping();
  const kernel::Box2& b = m.box;
  if (!(b.ymax > 0)) return;  // the half-plane is out of view
  // On the screen the rectangle reaches one pixel past the edges of the client area, so that it
  // covers them whatever the device's polygon rule.
  const bool screen = painter.ClipsToView();
  const Real dx = screen ? m.unitsPerPixelX : 0;
  const Real dy = screen ? m.unitsPerPixelY : 0;
  const Real bottom = b.ymin > 0 ? b.ymin - dy : 0;
  const std::array<Point2, 4> rect{Point2{b.xmin - dx, b.ymax + dy}, Point2{b.xmax + dx, b.ymax + dy},
                                   Point2{b.xmax + dx, bottom}, Point2{b.xmin - dx, bottom}};
  painter.Save();
  painter.SetBrush(FillBrushOf(preWin.roles[kBackgroundRole], 0));
  painter.SetPen(kNoOutline);
  painter.Region(rect, FillShapeWord(kShapeBackground), true);
  painter.Restore();
}

}  // namespace engine

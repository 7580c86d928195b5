// The filled regions of a plane figure: polygons through listed points, discs and sectors of
// circles, and the regions of conics, laid over the picture under the window's fill mix mode.
#include <algorithm>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "engine/windows/geom10_win.h"
#include "kernel/conic_classification.h"
#include "kernel/conic_fill_polygons.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "platform/dc.h"

namespace engine {

using kernel::Point2;

namespace {

constexpr std::uint16_t kVertexEnd = 0x8000;
constexpr Real kDegreesPerRadian = static_cast<Real>(57.29577951308232L);
constexpr Real kParabolaTolerance = static_cast<Real>(1e-13);
constexpr std::uint32_t kShapePolygon = 4;
constexpr std::uint32_t kShapeConic = 6;

platform::RasterOp RasterOpOf(int mixMode) {
  if (mixMode == kCmdFillXor) return platform::RasterOp::Xor;
  if (mixMode == kCmdFillNotXor) return platform::RasterOp::NotXor;
  return platform::RasterOp::Copy;
}

}  // namespace

void TGeom10Win::DrawFillsXor(view::FigurePainter& painter) {
  if (fill.hideColor || fills.empty()) return;
  platform::DC* dc = painter.Device();
  const platform::RasterOp old = dc ? dc->SetRasterOp(RasterOpOf(fillMixMode)) : platform::RasterOp::Copy;
  for (const kernel::FillRecord& record : fills) {
    if (FillInPass(record)) DrawFill(painter, record);
  }
  if (dc) dc->SetRasterOp(old);
}

void TGeom10Win::DrawFill(view::FigurePainter& painter, const kernel::FillRecord& record) {
  fill.shapeKind = record.mode == kernel::kFillPolygon ? kShapePolygon : kShapeConic;
  switch (record.mode) {
    case kernel::kFillPolygon: FillFace(painter, record); return;
    case kernel::kFillInsideCircle: DrawGeometryModel(painter, record); return;
    case 2: FillConicFociEcc(painter, record); return;
    case 3: FillConicFocusDirectrix(painter, record); return;
    case 4: FillEquationConic(painter, record); return;
    case 5: FillFivePointConic(painter, record); return;
    default: return;
  }
}

void TGeom10Win::FillOutline(view::FigurePainter& painter, const kernel::FillRecord& record,
                             std::span<const Point2> points) {
  FillPolygonShape(painter, points, true, record.style, 0, -1, record.word214);
}

void TGeom10Win::DrawGeometryModel(view::FigurePainter& painter, const kernel::FillRecord& record) {
  const FigureTables& t = tables();
  const int i = record.circle;
  if (i < 0 || i > t.last_circle || !t.circles[i].exists) return;
  const kernel::CircleRecord& circle = t.circles[i];
  if (circle.count < 1 || !t.PointExists(circle.centre) || !t.PointExists(circle.points[0])) return;
  const Point2& c = t.xy[circle.centre];
  const Point2& p = t.xy[circle.points[0]];
  Point2 x = c;
  Real sweep = circle.arc_angle;
  if (model().Hyperbolic) {
    if (!CircleModelCentre(model(), c, p, x)) return;
    if (circle.full_circle) {
      sweep = 360;
    } else {
      const Real radians = static_cast<std::size_t>(i) < t.circle_arc_radians.size() ? t.circle_arc_radians[i] : 0;
      const Point2 q = RotatePoint(model(), c, p, radians);
      sweep = kernel::SignedAngle2(p, x, q) * kDegreesPerRadian;
      if (sweep < 0) sweep += 360;
    }
  } else if (circle.full_circle) {
    sweep = 360;
  }
  FillEllipseShape(painter, x, p, sweep, record.style, record.word214);
}

// The listed points from the first: false when one of the first n is not a point of the figure.
static bool ListedPoints(const FigureTables& t, const kernel::FillRecord& record, int n, Point2* out) {
  for (int k = 0; k < n; ++k) {
    const std::uint16_t index = record.vertices[static_cast<std::size_t>(k)];
    if (index >= kVertexEnd || !t.PointExists(index)) return false;
    out[k] = t.xy[index];
  }
  return true;
}

void TGeom10Win::FillCentralConic(view::FigurePainter& painter, const kernel::FillRecord& record,
                                  const std::array<Point2, 3>& shape, bool ellipse) {
  kernel::ConicFillPolygon first;
  if (ellipse) {
    kernel::EllipsePolygon(shape, first);
    FillOutline(painter, record, first);
    return;
  }
  kernel::ConicFillPolygon second;
  kernel::HyperbolaPolygons(shape, first, second);
  FillOutline(painter, record, first);
  FillOutline(painter, record, second);
}

void TGeom10Win::FillConicFociEcc(view::FigurePainter& painter, const kernel::FillRecord& record) {
  Point2 foci[2];
  if (!ListedPoints(tables(), record, 2, foci)) return;
  Real e = 0;
  if (ParseNumber(record.expression, e) != 0) return;
  kernel::ConicAxes shape;
  if (!kernel::ConicFromFociEcc(foci[0], foci[1], e, shape)) return;
  FillCentralConic(painter, record, shape, e < 1);
}

void TGeom10Win::FillConicFocusDirectrix(view::FigurePainter& painter, const kernel::FillRecord& record) {
  Point2 p[3];
  if (!ListedPoints(tables(), record, 3, p)) return;
  kernel::ConicAxes shape;
  bool ellipse = true;
  if (record.word4 == 1) {
    Real e = 0;
    if (ParseNumber(record.expression, e) != 0 || e < 0) return;
    if (std::fabs(e - 1) <= kParabolaTolerance) {
      kernel::ConicFillPolygon outline;
      const view::ViewMapping& m = painter.mapping();
      const Point2 centre{(m.box.xmin + m.box.xmax) / 2, (m.box.ymin + m.box.ymax) / 2};
      if (!kernel::ParabolaPolygon(p[0], p[1], p[2], centre, (m.box.xmax - m.box.xmin) / 2,
                                   (m.box.ymax - m.box.ymin) / 2, outline)) {
        return;
      }
      FillOutline(painter, record, outline);
      return;
    }
    kernel::FocalTriple triple{p[0], p[1], p[2]};
    if (!kernel::ConicFromFocusDirectrix(triple, e, shape)) return;
    ellipse = e < 1;
  } else {
    ellipse = record.word4 == 0;
    Real e = 0;
    if (!kernel::ConicFromFociPoint({p[0], p[1], p[2]}, ellipse, shape, e)) return;
  }
  FillCentralConic(painter, record, shape, ellipse);
}

void TGeom10Win::FillConicByCoefficients(view::FigurePainter& painter, const kernel::FillRecord& record,
                                         const std::array<Real, 6>& coefficients) {
  kernel::ConicRecord conic;
  kernel::InitConicRecord(conic);
  conic.coefficients = coefficients;
  kernel::ClassifyConic(conic);
  kernel::RotateConicShape(conic);
  if (conic.kind == kernel::kConicEllipse || conic.kind == kernel::kConicHyperbola) {
    FillCentralConic(painter, record, {conic.shape[0], conic.shape[1], conic.shape[2]},
                     conic.kind == kernel::kConicEllipse);
    return;
  }
  if (conic.kind != kernel::kConicParabola) return;
  kernel::ConicFillPolygon outline;
  const view::ViewMapping& m = painter.mapping();
  const Point2 centre{(m.box.xmin + m.box.xmax) / 2, (m.box.ymin + m.box.ymax) / 2};
  if (!kernel::ParabolaPolygon(conic.shape[1], conic.shape[2], conic.shape[0], centre, (m.box.xmax - m.box.xmin) / 2,
                               (m.box.ymax - m.box.ymin) / 2, outline)) {
    return;
  }
  FillOutline(painter, record, outline);
}

void TGeom10Win::FillFivePointConic(view::FigurePainter& painter, const kernel::FillRecord& record) {
  std::array<Point2, 5> p;
  if (!ListedPoints(tables(), record, 5, p.data())) return;
  std::array<Real, 6> coefficients{};
  if (!kernel::ConicThroughFivePoints(p, coefficients)) return;
  FillConicByCoefficients(painter, record, coefficients);
}

void TGeom10Win::FillEquationConic(view::FigurePainter& painter, const kernel::FillRecord& record) {
  if (!record.has_texts) return;
  std::array<Real, 6> coefficients{};
  for (std::size_t k = 0; k < coefficients.size(); ++k) {
    if (ParseNumber(record.texts[k], coefficients[k]) != 0) return;
  }
  FillConicByCoefficients(painter, record, coefficients);
}

void TGeom10Win::SetFillMixMode(int id) {
  if (id == fillMixMode) return;
  fillMixMode = id;
  SetupMenuChecks(false);
  SetModified();
  if (!fills.empty()) {
    wing.pictureValid = 0;
    Invalidate(false);
  }
}

}  // namespace engine

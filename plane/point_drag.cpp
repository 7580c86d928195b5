// Dragging points with the mouse: a free point follows it, a bound point slides along its line,
// circle, polygon boundary, hypercycle or horocycle, a group moves as one, a fixed point moves the
// view (or, in the hyperbolic plane, the whole figure); rotation mode turns a point or group about
// the rotation centre. Every mouse move runs again the steps downstream of what moved and repaints
// only what moved, over the still part of the picture.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_dependencies.h"
#include "kernel/plane_primitives.h"
#include "kernel/polygon_side2.h"
#include "kernel/vector2.h"
#include "plane/drag_repaint.h"
#include "plane/geom_d_win.h"
#include "platform/modal_loop.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

constexpr int kDragDone = 1;
constexpr int kFreePointKind = 121;
constexpr int kHypercycleLinks = 10000;
constexpr int kHorocycleLinks = 20000;
constexpr Real kDegreesPerRadian = 57.29577951308232L;
constexpr Real kPerimeterFloor = 1e-16L;

// The hyperbolic motion that takes A to B along the line AB, applied to Z.
bool HyperbolicMotion(const engine::GeometryModel& model, const Point2& a, const Point2& b, Point2& z) {
  Point2 target = b;
  if (!engine::TranslateToOrigin(model, a, target, false)) return false;
  Point2 w = z;
  if (!engine::TranslateToOrigin(model, a, w, false)) return false;
  if (!engine::TranslateFromOrigin(engine::kPoincareDisk, target, w, true)) return false;
  if (!engine::TranslateFromOrigin(model, a, w, false)) return false;
  z = w;
  return true;
}

// The fraction of the arc of `arcDegrees` at the signed angle `degrees` from its start.
Real ArcFraction(Real degrees, Real arcDegrees) {
  if (degrees > 0 && arcDegrees < 0) degrees -= 360;
  if (degrees < 0 && arcDegrees > 0) degrees += 360;
  return std::fabs(arcDegrees) < kPerimeterFloor ? 0 : degrees / arcDegrees;
}

}  // namespace

// --- Bound points ---------------------------------------------------------------------------------

bool TGeomDWin::DragPointOnLine(int i, int line, const Point2& q, bool moved) {
  engine::FigureTables& t = tables();
  if (!moved || IsOutsideDomain(q) || line < 0 || line > t.last_line || !t.lines[line].exists) return false;
  const kernel::SegmentRecord& record = t.lines[line];
  // The point's parameter runs from the step's first point (0) to its second (1).
  const int a = t.attrs[i].words[2];
  const int b = t.attrs[i].words[3];
  if (!t.PointExists(a) || !t.PointExists(b)) return false;
  Point2 foot;
  Real u = 0;
  if (model().Hyperbolic) {
    if (engine::PerpendicularThrough(model(), t.xy[a], t.xy[b], q, foot, engine::kFootOfPerpendicular) !=
        engine::kGeometryOk) {
      return false;
    }
    u = engine::HyperbolicLineParameter(t, model(), line, foot, a, b);
  } else if (!kernel::ProjectOnLine2(q, t.xy[a], t.xy[b], foot, u)) {
    return false;
  }
  const bool allowed = autoExtend || (u >= 0 && u <= 1) || (u > 1 && record.extends_first) ||
                       (u < 0 && record.extends_second);
  if (!allowed) {
    // Held at the end it would pass.
    u = std::clamp<Real>(u, 0, 1);
  }
  t.attrs[i].value = u;
  t.xy[i] = PlacePointOnSegment(t.xy[a], t.xy[b], u);
  return true;
}

bool TGeomDWin::DragPointOnCircle(int i, int circle, const Point2& q, bool moved) {
  engine::FigureTables& t = tables();
  if (!moved || IsOutsideDomain(q) || circle < 0 || circle > t.last_circle || !t.circles[circle].exists) return false;
  const kernel::CircleRecord& record = t.circles[circle];
  const int centre = t.attrs[i].words[2];
  const int reference = t.attrs[i].words[3];
  if (!t.PointExists(centre) || !t.PointExists(reference)) return false;
  const Real angle = model().Hyperbolic ? engine::AngleAt(model(), t.xy[reference], t.xy[centre], q)
                                        : kernel::SignedAngle2(t.xy[reference], t.xy[centre], q);
  const Real u = ArcFraction(angle * kDegreesPerRadian, record.arc_angle);
  if (!(autoExtend || record.full_circle || (u >= 0 && u <= 1))) return false;
  t.attrs[i].value = u;
  t.xy[i] = PlacePointOnCircle(t.xy[centre], t.xy[reference], (kernel::Pi / 180) * record.arc_angle * u);
  return true;
}

bool TGeomDWin::DragPointOnPolygon(int i, int polygon, const Point2& q, bool moved) {
  engine::FigureTables& t = tables();
  if (!moved || IsOutsideDomain(q) || polygon < 0 || polygon > stepEngine.last_polygon) return false;
  const engine::PolygonRecord& record = stepEngine.polygons[polygon];
  const int n = record.n;
  if (n < 1 || n + 2 > static_cast<int>(record.vertices.size())) return false;
  std::array<Point2, 32> v{};
  for (int k = 0; k <= n; ++k) {
    if (!t.PointExists(record.vertices[k])) return false;
    v[k] = t.xy[record.vertices[k]];
  }
  v[n + 1] = v[0];
  const Point2 centre = kernel::Centroid2(std::span<const Point2>(v.data(), n + 1));
  Point2 hit;
  std::int16_t edge = 0;
  Real along = 0;
  if (!kernel::RayPolygonHit2(centre, q, static_cast<std::int16_t>(n + 1), std::span<const Point2>(v.data(), n + 2),
                              hit, edge, along)) {
    return false;
  }
  std::array<Real, 32> lengths{};
  stepEngine.PolygonPerimeter(n, std::span<const Point2>(v.data(), n + 2), lengths);
  Real walked = 0;
  for (int k = 1; k < edge; ++k) walked += lengths[k];
  walked += kernel::Dist2(v[edge - 1], hit);
  t.attrs[i].value = lengths[0] > kPerimeterFloor ? walked / lengths[0] : walked;
  return true;
}

bool TGeomDWin::DragPointOnHypercycle(int i, int curve, const Point2& q, bool moved) {
  engine::FigureTables& t = tables();
  if (!moved || IsOutsideDomain(q) || curve < 0 || curve > t.last_hypercycle) return false;
  // The nearest place on the curve: on its carrying circle or line.
  Point2 p = q;
  const kernel::HypCurveRecord& r = t.hypercycles[curve];
  if (r.shape == 0) {
    const Real radius = kernel::Dist2(r.points[0], r.points[2]);
    Point2 d = q - r.points[2];
    if (!kernel::ScaleTo2(d, radius)) return false;
    p = r.points[2] + d;
  } else {
    Real u = 0;
    if (!kernel::ProjectOnLine2(q, r.points[0], r.points[1], p, u)) return false;
  }
  if (IsOutsideDomain(p)) return false;
  t.xy[i] = p;
  return true;
}

bool TGeomDWin::DragPointOnHorocycle(int i, int curve, const Point2& q, bool moved) {
  engine::FigureTables& t = tables();
  if (!moved || IsOutsideDomain(q) || curve < 0 || curve > t.last_horocycle) return false;
  const kernel::HypCurveRecord& r = t.horocycles[curve];
  const Real radius = kernel::Dist2(r.points[0], r.points[1]);
  Point2 d = q - r.points[1];
  if (!kernel::ScaleTo2(d, radius)) return false;
  const Point2 p = r.points[1] + d;
  // The horocycle's ideal point is not a point of the plane: the point cannot pass it.
  if (IsOutsideDomain(p)) return false;
  t.xy[i] = p;
  return true;
}

// --- The drag loop ---------------------------------------------------------------------------------

void TGeomDWin::MarkMovingObjects(std::span<const int> positions, std::span<const std::uint16_t> moved) {
  moving.Mark(stepEngine.ends, positions, moved);
  // Fills lie under the lines and circles: when one moves, the whole figure is drawn as moving.
  if (std::any_of(fills.begin(), fills.end(), [&](const kernel::FillRecord& r) { return FillMoves(r); })) {
    moving.MarkAll();
  }
}

void TGeomDWin::RunPointDrag(PointI press, int point, std::span<const std::uint16_t> moved, bool everything,
                             const std::function<DragEffect(PointI, bool)>& move) {
  // The steps to run at every move: those downstream of the moved points, and the steps that
  // place bound points from their parameters.
  std::vector<int> positions;
  if (!everything) {
    // A moved point that is not free is placed again by its own step (from its parameter, or
    // where its construction puts it), and so is everything that step made.
    std::vector<int> makers;
    if (stepEngine.ends.size() == history().steps.size()) {
      for (const std::uint16_t p : moved) {
        const int pos = StepOfPoint(stepEngine.ends, p);
        if (pos >= 0 && history().steps[pos].kind != kFreePointKind) makers.push_back(pos);
      }
    }
    std::sort(makers.begin(), makers.end());
    makers.erase(std::unique(makers.begin(), makers.end()), makers.end());
    engine::DownstreamFinder finder;
    positions = finder.Find(history(), stepEngine.ends, moved, makers);
    MarkMovingObjects(positions, moved);
    if (PictureFollowsEveryPoint()) moving.MarkAll();
  } else {
    moving.MarkAll();
  }
  DragRepaint picture(*this, dragHighlight ? point : -1);
  if (std::unique_ptr<platform::DC> dc = GetDC()) picture.Begin(*dc);

  auto step = [&](PointI pixel) {
    const bool movedMouse = pixel.x != press.x || pixel.y != press.y;
    const DragEffect effect = move(pixel, movedMouse);
    if (effect == DragEffect::kNone) return;
    // Dragged images of a magnified copy stay where they are put when the copy runs again.
    if (effect != DragEffect::kView) KeepMagnifiedCopyPlaces(moved, everything || effect == DragEffect::kWhole);
    if (effect == DragEffect::kView || effect == DragEffect::kWhole) {
      if (effect == DragEffect::kWhole) ReplayConstruction(true);
      moving.MarkAll();
      std::unique_ptr<platform::DC> dc = GetDC();
      if (dc) picture.Begin(*dc);
      return;
    }
    const int ran = ReplayDragSteps(positions, everything);
    if (!everything && ran != static_cast<int>(positions.size())) {
      // The figure changed its shape (a step made more or fewer objects): all of it is redrawn.
      everything = true;
      moving.MarkAll();
      if (std::unique_ptr<platform::DC> dc = GetDC()) picture.Begin(*dc);
      return;
    }
    if (std::unique_ptr<platform::DC> dc = GetDC()) picture.Frame(*dc);
    DrawGraphs();
  };

  platform::ModalLoop loop(*this);
  loop.onMouseMove = [&](const platform::MouseEvent& e) { step({e.x, e.y}); };
  loop.onMouseUp = [&](const platform::MouseEvent& e) {
    if (e.button != platform::MouseButton::Left) return;
    step({e.x, e.y});
    loop.End(kDragDone);
  };
  CaptureMouse();
  loop.Run();
  ReleaseMouse();
}

int TGeomDWin::ReplayDragSteps(std::span<const int> positions, bool everything) {
  PrepareStepEngine();
  const int ran = everything ? ReplayConstruction(true) : stepEngine.ReplaySteps(positions);
  RecordTrailSample();
  return ran;
}

void TGeomDWin::EndPointDrag() {
  moving = {};
  drawLayer = DrawLayer::kAll;
  if (IsDestroyed()) return;
  SetupMenuChecks(false);
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeomDWin::DragVertices(PointI pixel) {
  const int i = PointNearPixel(pixel, kPressPixels);
  if (i < 0) return;
  engine::FigureTables& t = tables();
  const engine::PointAttrRecord attr = t.attrs[i];
  const int lineLink = attr.words[0];
  const int circleLink = attr.words[1];
  const int faceLink = attr.words[2];
  const bool onPolygon = lineLink < 0 && circleLink < 0 && faceLink >= 0 && faceLink <= stepEngine.last_polygon &&
                         stepEngine.polygons[faceLink].n >= 1;
  const bool bound = onPolygon || lineLink >= 0 || circleLink >= 0;
  dragging = 1;

  // What moves: the point, or its whole group, or (a fixed point) the view or the whole figure.
  std::vector<std::uint16_t> moved{static_cast<std::uint16_t>(i)};
  if (!bound && attr.tag > 0) {
    moved.clear();
    for (int k = 0; k <= t.last_point; ++k) {
      if (t.exists[k] && t.attrs[k].tag == attr.tag) moved.push_back(static_cast<std::uint16_t>(k));
    }
  }
  const bool fixed = !bound && attr.tag < 0;
  std::vector<Point2> saved;
  if (fixed && model().Hyperbolic) saved.assign(t.xy.begin(), t.xy.begin() + (t.last_point + 1));
  const Point2 pressed = t.xy[i];

  auto move = [&](PointI at, bool movedMouse) -> DragEffect {
    const Point2 q = WorldOf(at);
    const bool inside = !RefusesDragTo(q, i);
    const Point2 d = q - t.xy[i];
    if (onPolygon) return DragPointOnPolygon(i, faceLink, q, movedMouse) ? DragEffect::kReplay : DragEffect::kNone;
    if (lineLink >= 0 && lineLink < kHypercycleLinks) {
      return DragPointOnLine(i, lineLink, q, movedMouse) ? DragEffect::kReplay : DragEffect::kNone;
    }
    if (circleLink >= 0) return DragPointOnCircle(i, circleLink, q, movedMouse) ? DragEffect::kReplay : DragEffect::kNone;
    if (lineLink >= kHypercycleLinks && lineLink < kHorocycleLinks) {
      return DragPointOnHypercycle(i, lineLink - kHypercycleLinks, q, movedMouse) ? DragEffect::kReplay
                                                                                  : DragEffect::kNone;
    }
    if (lineLink >= kHorocycleLinks) {
      return DragPointOnHorocycle(i, lineLink - kHorocycleLinks, q, movedMouse) ? DragEffect::kReplay
                                                                                : DragEffect::kNone;
    }
    if (!inside) return DragEffect::kNone;
    if (fixed) {
      if (!model().Hyperbolic) {
        // The picture follows the mouse: the view moves the other way.
        SetView(mapping.centre.x - d.x, mapping.centre.y - d.y, mapping.halfWidth, mapping.halfHeight,
                mapping.unequal != 0);
        UpdateView();
        return DragEffect::kView;
      }
      for (int k = 0; k <= t.last_point && k < static_cast<int>(saved.size()); ++k) {
        Point2 z = saved[k];
        if (HyperbolicMotion(model(), pressed, q, z)) t.xy[k] = z;
      }
      if (sideRecordFlag) {
        for (int l = 0; l <= t.last_line; ++l) {
          const kernel::SegmentRecord& line = t.lines[l];
          if (line.exists && line.points.count >= 2) {
            stepEngine.FillSideRecord2D(l, line.points.entries[0], line.points.entries[line.points.count - 1]);
          }
        }
      }
      return DragEffect::kWhole;
    }
    if (attr.tag == 0) {
      // In lattice-point mode a free point moves from lattice point to lattice point.
      const Point2 to = LatticePoint(q);
      if (to.x == t.xy[i].x && to.y == t.xy[i].y) return DragEffect::kNone;
      t.xy[i] = to;
      return DragEffect::kReplay;
    }
    if (!movedMouse) return DragEffect::kNone;
    const Point2 from = t.xy[i];
    for (const std::uint16_t k : moved) {
      if (model().Hyperbolic) {
        HyperbolicMotion(model(), from, q, t.xy[k]);
      } else {
        t.xy[k] = t.xy[k] + d;
      }
    }
    return DragEffect::kReplay;
  };
  RunPointDrag(pixel, i, moved, fixed && model().Hyperbolic, move);
  dragging = 0;
  EndPointDrag();
}

void TGeomDWin::SetRotationCentre(PointI pixel) {
  const int i = PointNearPixel(pixel, kPressPixels);
  rotationCentre = i >= 0 ? tables().xy[i] : WorldOf(pixel);
}

void TGeomDWin::DragRotation(PointI pixel) {
  const int i = PointNearPixel(pixel, kPressPixels);
  if (i < 0) return;
  engine::FigureTables& t = tables();
  const engine::PointAttrRecord attr = t.attrs[i];
  if (kernel::TaxiDist2(t.xy[i], rotationCentre) < PixelTolerance(1)) return;
  if (attr.tag < 0 || attr.words[0] >= 0 || attr.words[1] >= 0) return;
  std::vector<std::uint16_t> moved{static_cast<std::uint16_t>(i)};
  if (attr.tag > 0) {
    moved.clear();
    for (int k = 0; k <= t.last_point; ++k) {
      if (t.exists[k] && t.attrs[k].tag == attr.tag) moved.push_back(static_cast<std::uint16_t>(k));
    }
  }
  auto move = [&](PointI at, bool) -> DragEffect {
    const Point2 q = WorldOf(at);
    if (IsOutsideDomain(q)) return DragEffect::kNone;
    const Real angle = model().Hyperbolic ? engine::AngleAt(model(), t.xy[i], rotationCentre, q)
                                          : kernel::SignedAngle2(t.xy[i], rotationCentre, q);
    Point2 turn;
    if (!kernel::FromPolar(1, angle, turn)) return DragEffect::kNone;
    for (const std::uint16_t k : moved) {
      if (model().Hyperbolic) {
        engine::RotatePointCosSin(model(), rotationCentre, turn, t.xy[k]);
      } else {
        kernel::RotateAbout2(rotationCentre, turn.x, turn.y, t.xy[k]);
      }
    }
    return DragEffect::kReplay;
  };
  RunPointDrag(pixel, i, moved, false, move);
  EndPointDrag();
}

}  // namespace plane

// The random starting figures of a plane construction: triangles, quadrilaterals, a circle and
// polygons whose free vertices are drawn at random while the step is new and kept (or dragged)
// on every later execution. Edit > Randomize runs them again as new.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/plane_triangle_steps.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/line_circle_records.h"
#include "kernel/random.h"
#include "kernel/random_figures.h"
#include "kernel/triangle_solvers.h"
#include "kernel/vector2.h"
#include "plane/geom_c1_win.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;
using kernel::RandomBetween;

// The radius in the Poincare disk the hyperbolic random figures are drawn at.
constexpr Real kDiskFigureRadius = static_cast<Real>(0.618);
// The Euclidean triangles and rectangles: the circle's radius as a part of the view's half-width.
constexpr Real kFigureRadiusPart = static_cast<Real>(0.705);
// The disk view the hyperbolic trapezoids and rectangles are drawn in, so that every vertex lies
// well inside the disk.
constexpr Real kDiskFigureHalfExtent = static_cast<Real>(0.5);
// The hyperbolic parallelogram: drawn as in a view of half extents 5, then shrunk so that every
// vertex (at most 2 sqrt 2 + 10 from the origin) lies inside the disk.
constexpr Real kDefaultHalfExtent = 5;
constexpr Real kShrinkIntoDisk = static_cast<Real>(1) / 16;

// Words of the descriptions.
constexpr std::int16_t kWordRandomCircle = 180;
constexpr std::int16_t kWordParallelogram = 182;
constexpr std::int16_t kWordKite = 183;
constexpr std::int16_t kWordIsoscelesTrapezoid = 184;
constexpr std::int16_t kWordTriangle = 185;
constexpr std::int16_t kWordRightTriangle = 186;
constexpr std::int16_t kWordConvexPolygon = 187;
constexpr std::int16_t kWordInscribedPolygon = 188;
constexpr std::int16_t kWordIsoscelesTriangle = 191;
constexpr std::int16_t kWordRectangle = 192;
constexpr std::int16_t kWordTrapezoid = 193;
constexpr std::int16_t kWordRhombus = 196;

Real U(Real a, Real b) { return RandomBetween(a, b); }

// A random point of the disk near its centre.
Point2 NearDiskCentre() {
  return {U(static_cast<Real>(-0.3), static_cast<Real>(0.3)), U(static_cast<Real>(-0.3), static_cast<Real>(0.3))};
}

// The centre of the hyperbolic right triangle and kite, in the window's model: near i in the
// half-plane, near 0 in the disk.
Point2 NearModelCentre(const engine::StepEngine& e) {
  if (!e.model.HalfPlane) return NearDiskCentre();
  return {e.view_centre.x + U(static_cast<Real>(-0.3), static_cast<Real>(0.3)),
          1 + U(static_cast<Real>(-0.3), static_cast<Real>(0.3))};
}

// Points built about the origin of the disk, carried to the disk centred at c and stored in the
// window's model.
void MoveFromDiskCentre(const engine::GeometryModel& model, const Point2& c, std::span<Point2> v) {
  for (Point2& p : v) {
    engine::TranslateFromOrigin(model, c, p, true);
    p = engine::StoredFromDisk(model, p);
  }
}

void StoreFromDisk(const engine::GeometryModel& model, std::span<Point2> v) {
  for (Point2& p : v) p = engine::StoredFromDisk(model, p);
}

}  // namespace

std::span<Point2> TGeomC1Win::NewVertices(int n) {
  engine::FigureTables& t = stepEngine.tables;
  const int first = t.last_point + 1;
  if (n < 1 || first + n > engine::kPointCapacity) return {};
  return {&t.xy[first], static_cast<std::size_t>(n)};
}

template <class Place>
int TGeomC1Win::RandomPolygonStep(int n, bool unitTag, std::int16_t word, std::string* out, Place place) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{static_cast<std::int16_t>(n), static_cast<std::int16_t>(n)};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  place(NewVertices(n), e.building != 0);
  e.randomize_allowed = 1;
  const std::uint16_t tag = unitTag ? ++e.figure_counter : 0;
  e.SetLineStyle(step.operands[3], step.operands[4], step.operands[5]);
  if (const int code = e.AddPolygon(n, tag, 1); code != 0) return engine::FailStep(e, creates, code);
  const std::array<std::int16_t, 11> items{4, static_cast<std::int16_t>(n), ' ', '=', ' ', 5, word, ' ', 30, 3,
                                           engine::kTemplateEnd};
  e.ExpandTemplate(out, items);
  return 0;
}

int TGeomC1Win::DoRandomTriangle(std::string* out) {
  return RandomPolygonStep(3, false, kWordTriangle, out, [&](std::span<Point2> v, bool building) {
    if (!building) return;
    const Real r = model().Hyperbolic ? kDiskFigureRadius : kFigureRadiusPart * stepEngine.half_width;
    kernel::RandomTriangleVertices(r, v.first<3>());
    StoreFromDisk(model(), v);
  });
}

int TGeomC1Win::DoRandomIsoscelesTriangle(std::string* out) {
  return RandomPolygonStep(3, true, kWordIsoscelesTriangle, out, [&](std::span<Point2> v, bool building) {
    if (!building) return;
    const Real r = model().Hyperbolic ? kDiskFigureRadius : kFigureRadiusPart * stepEngine.half_width;
    kernel::RandomIsoscelesTriangleVertices(r, v.first<3>());
    StoreFromDisk(model(), v);
  });
}

int TGeomC1Win::DoRandomRectangle(std::string* out) {
  return RandomPolygonStep(4, true, kWordRectangle, out, [&](std::span<Point2> v, bool building) {
    if (!building) return;
    const Real r = model().Hyperbolic ? kDiskFigureRadius : kFigureRadiusPart * stepEngine.half_width;
    kernel::RandomRectangleVertices(r, v.first<4>());
    StoreFromDisk(model(), v);
  });
}

int TGeomC1Win::DoRandomIsoscelesTrapezoid(std::string* out) {
  return RandomPolygonStep(4, true, kWordIsoscelesTrapezoid, out, [&](std::span<Point2> v, bool building) {
    if (!building) return;
    if (model().Hyperbolic) {
      kernel::RandomIsoscelesTrapezoidVertices({0, 0}, kDiskFigureHalfExtent, kDiskFigureHalfExtent, v.first<4>());
      StoreFromDisk(model(), v);
    } else {
      kernel::RandomIsoscelesTrapezoidVertices(stepEngine.view_centre, stepEngine.half_width, stepEngine.half_height,
                                               v.first<4>());
    }
  });
}

int TGeomC1Win::DoRandomTrapezoid(std::string* out) {
  return RandomPolygonStep(4, true, kWordTrapezoid, out, [&](std::span<Point2> v, bool building) {
    if (!building) return;
    bool placed = false;
    if (model().Hyperbolic) {
      placed = kernel::RandomTrapezoidVertices({0, 0}, kDiskFigureHalfExtent, kDiskFigureHalfExtent, v.first<4>());
      if (placed) StoreFromDisk(model(), v);
    } else {
      placed = kernel::RandomTrapezoidVertices(stepEngine.view_centre, stepEngine.half_width, stepEngine.half_height,
                                               v.first<4>());
    }
    if (!placed) std::fill(v.begin(), v.end(), stepEngine.view_centre);
  });
}

void TGeomC1Win::RandomFigureHook(std::uint16_t kind) { engine::RandomFigureHookStep(stepEngine, kind); }

int TGeomC1Win::SolveTriangleASA() { return engine::SolveTriangleASAStep(stepEngine); }

int TGeomC1Win::SolveTrianglePlane() { return engine::SolveTrianglePlaneStep(stepEngine); }

int TGeomC1Win::DoRandomParallelogram(std::string* out) {
  // The hook places the figure on every execution: while the step is new from fresh parameters,
  // later from its first vertex and the direction of its first side.
  kernel::ConstructionRecord& step = *stepEngine.current();
  return RandomPolygonStep(4, true, kWordParallelogram, out, [&](std::span<Point2> v, bool building) {
    if (model().Hyperbolic) {
      // A Euclidean parallelogram of the default view, shrunk into the disk; its vertices are
      // free points from then on.
      if (!building) return;
      step.parameters[0] = kDefaultHalfExtent;
      step.parameters[1] = 2 * U(0, 1) + static_cast<Real>(0.5);
      step.parameters[2] = (static_cast<Real>(0.7) * U(0, 1) + static_cast<Real>(0.3)) * kDefaultHalfExtent;
      kernel::PlaceQuadrilateral(kernel::kParallelogramKind, step.parameters, true, v.first<4>(), {0, 0},
                                 kDefaultHalfExtent, kDefaultHalfExtent);
      for (Point2& p : v) p = engine::StoredFromDisk(model(), p * kShrinkIntoDisk);
      return;
    }
    if (building) {
      step.parameters[0] = stepEngine.half_width;
    step.parameters[1] = 2 * U(0, 1) + static_cast<Real>(0.5);
      step.parameters[2] = (static_cast<Real>(0.7) * U(0, 1) + static_cast<Real>(0.3)) * stepEngine.half_height;
    }
    RandomFigureHook(kernel::kParallelogramKind);
  });
}

int TGeomC1Win::DoRandomRhombus(std::string* out) {
  kernel::ConstructionRecord& step = *stepEngine.current();
  return RandomPolygonStep(4, true, kWordRhombus, out, [&](std::span<Point2> v, bool building) {
    if (model().Hyperbolic) {
      if (!building) return;
      const Real a = U(static_cast<Real>(-0.6), static_cast<Real>(-0.3));
      const Real b = U(static_cast<Real>(-0.6), static_cast<Real>(-0.3));
      v[0] = {a, 0};
      v[1] = {0, b};
      v[2] = {-a, 0};
      v[3] = {0, -b};
      MoveFromDiskCentre(model(), NearDiskCentre(), v);
      return;
    }
    if (building) {
      step.parameters[0] = stepEngine.half_width;
      step.parameters[1] = 2 * U(0, 1) + static_cast<Real>(0.5);
      step.parameters[2] = step.parameters[0];
    }
    RandomFigureHook(kernel::kParallelogramKind);
  });
}

int TGeomC1Win::DoRandomKite(std::string* out) {
  kernel::ConstructionRecord& step = *stepEngine.current();
  return RandomPolygonStep(4, true, kWordKite, out, [&](std::span<Point2> v, bool building) {
    if (model().Hyperbolic) {
      if (!building) return;
      const Point2 c = NearModelCentre(stepEngine);
      v[0] = {U(static_cast<Real>(-0.7), static_cast<Real>(-0.2)), 0};
      v[1] = {0, U(static_cast<Real>(-0.6), static_cast<Real>(-0.3))};
      v[2] = {U(static_cast<Real>(0.2), static_cast<Real>(0.7)), 0};
      v[3] = {0, -v[1].y};
      for (Point2& p : v) engine::TranslateFromOrigin(model(), c, p, false);
      return;
    }
    if (building) {
      step.parameters[0] = stepEngine.half_width;
      step.parameters[1] = 2 * U(0, 1) + static_cast<Real>(0.5);
      step.parameters[2] = U(0, 1) * stepEngine.half_width + static_cast<Real>(0.3);
    }
    RandomFigureHook(kernel::kKiteKind);
  });
}

int TGeomC1Win::DoRandomRightTriangle(std::string* out) {
  kernel::ConstructionRecord& step = *stepEngine.current();
  return RandomPolygonStep(3, true, kWordRightTriangle, out, [&](std::span<Point2> v, bool building) {
    if (model().Hyperbolic) {
      if (!building) return;
      const Point2 c = NearModelCentre(stepEngine);
      v[0] = {U(static_cast<Real>(0.4), static_cast<Real>(0.7)), 0};
      v[1] = {0, U(static_cast<Real>(0.4), static_cast<Real>(0.7))};
      engine::TranslateFromOrigin(model(), c, v[0], false);
      engine::TranslateFromOrigin(model(), c, v[1], false);
      v[2] = c;
      return;
    }
    if (building) {
      step.parameters[0] = kernel::Pi / 2;
      step.parameters[1] = static_cast<Real>(0.7) * stepEngine.half_width;
      step.parameters[2] = static_cast<Real>(1.2) * U(0, 1) + static_cast<Real>(0.2);
    }
    SolveTriangleASA();
  });
}

int TGeomC1Win::DoKind62(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int n = step.operands[0];
  if (n < 3 || n > engine::kPointCapacity) return engine::kMsgOutOfBounds;
  const bool convex = step.flag != 0;
  const engine::StepCreates creates{static_cast<std::int16_t>(n), static_cast<std::int16_t>(n)};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  if (e.building) {
    const std::span<Point2> v = NewVertices(n);
    const bool hyperbolic = model().Hyperbolic != 0;
    const Real r = hyperbolic ? kDiskFigureRadius : std::min(e.half_width, e.half_height);
    kernel::RandomPolygonVertices(r, convex, v);
    if (hyperbolic) {
      MoveFromDiskCentre(model(), NearDiskCentre(), v);
    } else {
      for (Point2& p : v) p = p + e.view_centre;
    }
  }
  e.randomize_allowed = 1;
  const std::uint16_t tag = convex ? 0 : ++e.figure_counter;
  e.SetLineStyle(step.operands[3], step.operands[4], step.operands[5]);
  if (const int code = e.AddPolygon(n, tag, 1); code != 0) return engine::FailStep(e, creates, code);
  const auto count = static_cast<std::int16_t>(n);
  const std::array<std::int16_t, 17> items{25, count, 12, ' ', '=', ' ', 5,
                                           convex ? kWordConvexPolygon : kWordInscribedPolygon,
                                           '(', 23, count, ')', ' ', 30, 3, engine::kTemplateEnd, 0};
  e.ExpandTemplate(out, items);
  return 0;
}

int TGeomC1Win::DoRandomCircle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{2, 0, 1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  engine::FigureTables& t = e.tables;
  const int first = t.last_point + 1;
  Point2 centre = t.xy[first];
  Point2 onCircle = t.xy[first + 1];
  if (e.building) {
    if (model().Hyperbolic) {
      centre = NearDiskCentre();
      onCircle = {U(static_cast<Real>(0.3), static_cast<Real>(0.6)), 0};
      engine::TranslateFromOrigin(model(), centre, onCircle, true);
      centre = engine::StoredFromDisk(model(), centre);
      onCircle = engine::StoredFromDisk(model(), onCircle);
    } else {
      const Point2 c = e.view_centre;
      centre = {c.x + U(static_cast<Real>(0.1), static_cast<Real>(0.2)) * e.half_width,
                c.y + U(static_cast<Real>(0.1), static_cast<Real>(0.2)) * e.half_height};
      const Real r = U(static_cast<Real>(0.25), static_cast<Real>(0.65)) * e.half_width;
      const Real a = U(0, 1) * kernel::TwoPi;
      onCircle = {c.x + r * std::cos(a), c.y + r * std::sin(a)};
    }
  }
  e.randomize_allowed = 1;
  if (e.AddPoint(centre, 0, -1) < 0 || e.AddPoint(onCircle, 0, -1) < 0) {
    return engine::FailStep(e, {static_cast<std::int16_t>(first + 2 - (t.last_point + 1)), 0, 1},
                            engine::kMsgNoMoreRoom);
  }
  const int c = ++t.last_circle;
  kernel::CircleRecord& circle = t.circles[c];
  kernel::InitCircleRecord(circle, static_cast<std::uint16_t>(first), static_cast<std::int16_t>(first + 1), 360, -1,
                           -1);
  circle.pen = {static_cast<std::uint16_t>(step.operands[3] + 1), static_cast<std::uint16_t>(step.operands[4] + 1),
                static_cast<std::uint16_t>(step.operands[5] + 1)};
  t.circle_radius[c] = engine::Distance(model(), centre, onCircle);
  static constexpr std::array<std::int16_t, 11> kItems{4, 2, ' ', '=', ' ', 5, kWordRandomCircle, ' ', 30, 3,
                                                      engine::kTemplateEnd};
  e.ExpandTemplate(out, kItems);
  return 0;
}

}  // namespace plane

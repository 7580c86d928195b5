// The units of typed size: regular and star polygons, a segment of given length and direction,
// and a grid of points. Their sizes are expressions, evaluated again at every execution.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/line_intersection2.h"
#include "kernel/random.h"
#include "kernel/regular_polygons.h"
#include "kernel/vector2.h"
#include "plane/geom_c1_win.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr Real kDegree = kernel::Pi / 180;
constexpr Real kSmallest = static_cast<Real>(1e-16);
constexpr Real kAngleSumSlack = static_cast<Real>(1e-13);
constexpr int kMsgCoincidentPoints = 127;

// The side counts of a grid: a gridline lists at most 50 points, and a row or column needs two.
constexpr int kGridMin = 2;
constexpr int kGridMax = 50;

constexpr std::int16_t kWordRegularPolygon = 181;
constexpr std::int16_t kWordLength = 163;
constexpr std::int16_t kWordSegment = 189;
constexpr std::int16_t kWordGrid = 190;
constexpr std::int16_t kWordDegrees = 199;
constexpr std::int16_t kWordAngle = 208;

// The hyperbolic polygon's modes: its side typed, or its interior angle.
constexpr int kModeSide = 1;
constexpr int kModeAngle = 2;

Real U(Real a, Real b) { return kernel::RandomBetween(a, b); }

kernel::LinePen PenOf(const kernel::ConstructionRecord& step) {
  return {static_cast<std::uint16_t>(step.operands[3] + 1), static_cast<std::uint16_t>(step.operands[4] + 1),
          static_cast<std::uint16_t>(step.operands[5] + 1)};
}

}  // namespace

int TGeomC1Win::DoRegularPolygon(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const int n = step.operands[0];
  if (n < 3 || n > engine::kPointCapacity) return engine::kMsgOutOfBounds;
  const bool hyperbolic = model().Hyperbolic != 0;
  const bool star = !hyperbolic && step.flag != 0;
  const int k = star ? step.operands[1] : 1;
  const int mode = hyperbolic ? (step.operands[1] == kModeAngle ? kModeAngle : kModeSide) : 0;
  if (star && (k < 1 || k >= n)) return engine::kMsgOutOfBounds;
  const engine::StepCreates creates{static_cast<std::int16_t>(n), static_cast<std::int16_t>(n)};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);

  Real side = 0;
  if (e.Evaluate(step.text[0], side) != 0) return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  if (side < kSmallest) return engine::FailStep(e, creates, engine::kMsgPositiveValue);
  const std::span<Point2> v = NewVertices(n);
  if (hyperbolic) {
    const Real t = kernel::Pi / n;
    Real angle = 0;
    if (mode == kModeAngle) {
      Real degrees = 0;
      if (e.Evaluate(step.text[1], degrees) != 0) return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
      if (degrees < kSmallest) return engine::FailStep(e, creates, engine::kMsgPositiveValue);
      // The angle sum of a hyperbolic polygon stays below that of a Euclidean one.
      if (n * (180 - degrees) < 360 + kAngleSumSlack) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
      angle = degrees * kDegree;
      side = 2 * std::acosh(std::cos(t) / std::sin(angle / 2));
    } else {
      angle = 2 * std::asin(std::cos(t) / std::cosh(side / 2));
    }
    if (e.building) {
      const Point2 c{U(static_cast<Real>(-0.3), static_cast<Real>(0.3)), U(static_cast<Real>(-0.3), static_cast<Real>(0.3))};
      v[0] = engine::StoredFromDisk(model(), c);
      v[1] = engine::StoredFromDisk(model(), {-2 * c.y, 2 * c.x});
    }
    if (!engine::PointAtDistance(model(), v[0], v[1], side)) return engine::FailStep(e, creates, kMsgCoincidentPoints);
    engine::CompleteRegularPolygon(model(), v, n, angle);
  } else {
    if (e.building) {
      v[0] = {e.view_centre.x + U(static_cast<Real>(-0.2), static_cast<Real>(0.2)) * e.half_width,
              e.view_centre.y + U(static_cast<Real>(-0.2), static_cast<Real>(0.2)) * e.half_height};
      const Real f = 3 * kernel::Pi * k / n + kernel::Pi / 2;
      v[1] = v[0] + side * Point2{std::cos(f), std::sin(f)};
    }
    if (!kernel::PlacePointAtDistance2(v[0], v[1], side) || !kernel::RegularStarPolygon2(v, k, side, e.building != 0)) {
      return engine::FailStep(e, creates, kMsgCoincidentPoints);
    }
  }
  e.randomize_allowed = 1;
  const std::uint16_t tag = ++e.figure_counter;
  e.SetLineStyle(step.operands[3], step.operands[4], step.operands[5]);
  if (const int code = e.AddPolygon(n, tag, k); code != 0) return engine::FailStep(e, creates, code);

  const auto count = static_cast<std::int16_t>(n);
  std::vector<std::int16_t> items{25, count, 12, ' ', '=', ' ', 5, kWordRegularPolygon, '(', 23, count, ',', ' '};
  if (star) items.insert(items.end(), {23, static_cast<std::int16_t>(k), ',', ' '});
  if (mode == kModeAngle) {
    items.insert(items.end(), {5, kWordAngle, ' ', 2});
  } else {
    items.insert(items.end(), {5, kWordLength, ' ', 1});
  }
  items.insert(items.end(), {')', ' ', 30, 3, engine::kTemplateEnd});
  e.ExpandTemplate(out, items);
  return 0;
}

int TGeomC1Win::DoUnitSegment(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{2, 1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  Real length = 0;
  Real degrees = 0;
  if (e.Evaluate(step.text[0], length) != 0 || length < kSmallest || e.Evaluate(step.text[1], degrees) != 0) {
    return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  }
  engine::FigureTables& t = e.tables;
  const int first = t.last_point + 1;
  Point2 a = t.xy[first];
  if (e.building) {
    a = {e.view_centre.x + static_cast<Real>(0.1) * (1 - 2 * U(0, 1)),
         e.view_centre.y + static_cast<Real>(0.1) * (1 - 2 * U(0, 1))};
  }
  const Point2 direction{std::cos(degrees * kDegree), std::sin(degrees * kDegree)};
  Point2 b = a + length * direction;
  if (model().Hyperbolic) {
    // The same length measured in the hyperbolic plane, along the same direction at a.
    b = std::tanh(length / 2) * direction;
    engine::TranslateFromOrigin(model(), a, b, false);
  }
  e.randomize_allowed = 1;
  const std::uint16_t tag = ++e.figure_counter;
  if (e.AddPoint(a, tag, -1) < 0 || e.AddPoint(b, tag, -1) < 0 || e.AddLine(first, first + 1, PenOf(step)) != 0) {
    return engine::kMsgNoMoreRoom;
  }
  if (model().Hyperbolic) e.FillSideRecord2D(t.last_line, first, first + 1);
  static constexpr std::array<std::int16_t, 23> kItems{4, 2, ' ', '=', ' ', 5, kWordSegment, '(', 1, ';', ' ', 2,
                                                      ' ', 5, kWordDegrees, ')', ' ', 30, 3, engine::kTemplateEnd,
                                                      0, 0, 0};
  e.ExpandTemplate(out, kItems);
  return 0;
}

int TGeomC1Win::DoUnitGrid(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int m = static_cast<std::int16_t>(step.operands[0]);
  const int n = static_cast<std::int16_t>(step.operands[1]);
  const bool gridlines = step.flag != 0;
  const bool sized = m >= kGridMin && m <= kGridMax && n >= kGridMin && n <= kGridMax;
  const engine::StepCreates creates{static_cast<std::int16_t>(sized ? m * n : 0),
                                    static_cast<std::int16_t>(sized && gridlines ? m + n : 0)};
  if (!sized) return engine::kMsgOutOfBounds;
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  Real width = 0;
  Real height = 0;
  Real degrees = 0;
  if (e.Evaluate(step.text[0], width) != 0 || e.Evaluate(step.text[1], height) != 0 ||
      e.Evaluate(step.text[2], degrees) != 0 || width < kSmallest || height < kSmallest) {
    return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  }
  engine::FigureTables& t = e.tables;
  const int first = t.last_point + 1;
  Point2 corner = t.xy[first];
  if (e.building) corner = {e.view_centre.x - U(0, 1) * e.half_width, e.view_centre.y - U(0, 1) * e.half_height};
  const Real a = degrees * kDegree;
  const Point2 u = (width / (m - 1)) * Point2{std::cos(a), std::sin(a)};
  const Point2 w = (height / (n - 1)) * Point2{-std::sin(a), std::cos(a)};
  e.randomize_allowed = 1;
  const std::uint16_t tag = ++e.figure_counter;
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < m; ++i) {
      if (e.AddPoint(corner + static_cast<Real>(i) * u + static_cast<Real>(j) * w, tag, -1) < 0) {
        return engine::kMsgNoMoreRoom;
      }
    }
  }
  if (gridlines) {
    // Each gridline lists every grid point on it, in order: the rows, then the columns.
    auto addLine = [&](int start, int stride, int count) {
      e.AddLine(start, start + stride * (count - 1), PenOf(step));
      kernel::SegmentRecord& line = t.lines[t.last_line];
      line.points.count = static_cast<std::int16_t>(count);
      for (int k = 0; k < count; ++k) line.points.entries[k] = static_cast<std::uint16_t>(start + stride * k);
      if (model().Hyperbolic) e.FillSideRecord2D(t.last_line, start, start + stride * (count - 1));
    };
    for (int j = 0; j < n; ++j) addLine(first + j * m, 1, m);
    for (int i = 0; i < m; ++i) addLine(first + i, m, n);
  }
  const std::array<std::int16_t, 35> items{6, static_cast<std::int16_t>(first), '-', 9, ' ', '=', ' ', 23,
                                           static_cast<std::int16_t>(m), ' ', 'X', ' ', 23, static_cast<std::int16_t>(n),
                                           ' ', 5, kWordGrid, ' ', '(', 1, ' ', 'X', ' ', 2, ';', ' ', 3, ' ', 5,
                                           kWordDegrees, ')', ' ', 30, 3, engine::kTemplateEnd};
  e.ExpandTemplate(out, items);
  return 0;
}

}  // namespace plane

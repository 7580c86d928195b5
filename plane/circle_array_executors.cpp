// Arrays of equal touching circles of a typed radius: rows and columns of circles (kind 167), and
// rows of n, n - 1, ..., 1 circles packed as in a hexagonal packing (kind 168). Each circle owns
// two new points, its centre and a point on it, in that order.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr Real kSmallestRadius = static_cast<Real>(1e-16);
constexpr std::int16_t kWordRectangularArray = 233;
constexpr std::int16_t kWordTriangularArray = 234;
// With this many new points or more the description names only the first two and the last two.
constexpr int kPointsNamedInFull = 13;
// The new points are labelled and marked in the second colour.
constexpr std::uint8_t kLabelShown = 1;
constexpr std::uint16_t kSecondColourDot = 2;

// The number of circles of an array, or 0 when its counts are out of range.
int CircleCount(int kind, int rows, int columns) {
  if (rows < 1) return 0;
  if (kind == 167) return columns < 1 ? 0 : rows * columns;
  return rows * (rows + 1) / 2;
}

// The part both arrays share: the radius, the room, the positions (by place, which writes the
// coordinates of the new points), the points and the circles, the description.
template <class Place>
int ArrayOfCircles(TGeomC2Win& w, int kind, std::string* out, Place place) {
  engine::StepEngine& e = w.stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const int rows = Op(step, 0);
  const int columns = kind == 167 ? Op(step, 1) : 1;
  const int points = Op(step, 2);
  const int circles = Op(step, 3);
  const engine::StepCreates creates{static_cast<std::int16_t>(std::max(points, 0)), 0,
                                    static_cast<std::int16_t>(std::max(circles, 0))};
  const int n = CircleCount(kind, rows, columns);
  if (n == 0 || circles != n || points != 2 * n) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  Real r = 0;
  if (const int code = e.Evaluate(step.text[0], r); code != 0) return engine::FailStep(e, creates, code);
  if (r < kSmallestRadius) return engine::FailStep(e, creates, engine::kMsgPositiveValue);

  const int last = t.last_point;
  const std::span<Point2> xy(&t.xy[static_cast<std::size_t>(last) + 1], static_cast<std::size_t>(points));
  place(xy, r, e.building != 0);
  for (const Point2& p : xy) {
    if (w.IsOutsideDomain(p)) return engine::FailStep(e, creates, engine::kMsgOutOfBounds);
  }
  const std::uint16_t tag = ++e.figure_counter;
  if (!t.AddPoints(points, static_cast<std::int16_t>(tag), e.building != 0, kLabelShown, kSecondColourDot)) {
    return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  }
  const kernel::LinePen pen = PenFromOperands(step, 4);
  for (int c = 0; c < n; ++c) {
    const int centre = last + 1 + 2 * c;
    const int circle = AddCircleRecord(e, centre, centre + 1, 360, -1, pen);
    t.circle_radius[circle] = engine::Distance(e.model, t.xy[centre], t.xy[centre + 1]);
  }

  if (out != nullptr) {
    const auto first = static_cast<std::int16_t>(last + 1);
    const auto newest = static_cast<std::int16_t>(t.last_point);
    std::vector<std::int16_t> items;
    if (points < kPointsNamedInFull) {
      items = {4, static_cast<std::int16_t>(points)};
    } else {
      items = {6, first, 6, static_cast<std::int16_t>(first + 1), '.', '.', '.', 6, static_cast<std::int16_t>(newest - 1),
               6, newest};
    }
    items.insert(items.end(), {' ', '=', ' '});
    if (kind == 167) {
      items.insert(items.end(), {23, static_cast<std::int16_t>(rows), 'x', 23, static_cast<std::int16_t>(columns), ' ',
                                 5, kWordRectangularArray});
    } else {
      items.insert(items.end(), {5, kWordTriangularArray});
    }
    items.insert(items.end(), {' ', '(', 1, ')', ' ', 30, 4, engine::kTemplateEnd});
    e.ExpandTemplate(out, items);
  }
  return 0;
}

}  // namespace

int TGeomC2Win::DoKind167(std::string* out) {
  const kernel::ConstructionRecord& step = *stepEngine.current();
  const int m = Op(step, 0);
  const int q = Op(step, 1);
  return ArrayOfCircles(*this, 167, out, [&](std::span<Point2> xy, Real r, bool building) {
    // New: centred on the view, rows apart along y. Again: the first centre, its point on the
    // circle and the second centre are handles that move, turn and shear the whole array.
    Point2 base{stepEngine.view_centre.x - r * (q - 1), stepEngine.view_centre.y - r * (m - 1)};
    Point2 d1{r, 0};
    Point2 d2{0, 2 * r};
    if (!building) {
      base = xy[0];
      Point2 along = xy[1] - base;
      if (kernel::ScaleTo2(along, r)) d1 = along;
      if (xy.size() > 2) {
        Point2 across = xy[2] - base;
        if (kernel::ScaleTo2(across, 2 * r)) d2 = across;
      }
    }
    for (int j = 0; j < q; ++j) {
      for (int i = 0; i < m; ++i) {
        const std::size_t c = static_cast<std::size_t>(j * m + i);
        xy[2 * c] = base + static_cast<Real>(i) * d2 + static_cast<Real>(2 * j) * d1;
        xy[2 * c + 1] = xy[2 * c] + d1;
      }
    }
  });
}

int TGeomC2Win::DoKind168(std::string* out) {
  const int n = Op(*stepEngine.current(), 0);
  return ArrayOfCircles(*this, 168, out, [&](std::span<Point2> xy, Real r, bool building) {
    // Only a new array is placed: later every centre and point on a circle stays where it is.
    if (!building) return;
    const Real h = r * std::sqrt(static_cast<Real>(3));
    const Real x0 = stepEngine.view_centre.x - r * (n - 1);
    const Real y0 = stepEngine.view_centre.y - h * (n - 1) / 3;
    std::size_t c = 0;
    for (int i = 0; i < n; ++i) {
      for (int k = 0; k < n - i; ++k, ++c) {
        xy[2 * c] = {x0 + r * (i + 2 * k), y0 + h * i};
        xy[2 * c + 1] = xy[2 * c] + Point2{r, 0};
      }
    }
  });
}

}  // namespace plane

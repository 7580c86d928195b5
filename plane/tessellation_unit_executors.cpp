// The starting units of the classic tessellations (kinds 11 to 22): a small patch of regular
// polygons, or a random quadrilateral with its half-turn image, from which the plane is tiled with
// the transformation commands. The eleven units of regular polygons are one routine driven by
// their tables: the vertices, how many of them form the outer cycle, and the inner sides.
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>

#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/random.h"
#include "kernel/vector2.h"
#include "plane/geom_c1_win.h"
#include "plane/tessellation_units.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordInitiates = 813;
constexpr std::int16_t kWordQuadTess = 800;
// The sides of every unit: colour 0, thickness 1, style 0, as the records hold them.
constexpr kernel::LinePen kUnitSidePen{0, 1, 0};
// The extra points of a unit are labelled and marked in the second colour.
constexpr std::uint8_t kLabelShown = 1;
constexpr std::uint16_t kSecondColourDot = 2;

void Describe(engine::StepEngine& e, std::string* out, std::int16_t word) {
  const std::array<std::int16_t, 8> items{26, ' ', 5, kWordInitiates, ' ', 5, word, engine::kTemplateEnd};
  e.ExpandTemplate(out, items);
}

// Writes the side from point a to point b at line index `line` (a new index raises the last one).
void PutSide(engine::StepEngine& e, int line, int a, int b) {
  engine::FigureTables& t = e.tables;
  kernel::InitSegmentRecord(t.lines[line], static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b),
                            kUnitSidePen.colour, kUnitSidePen.width, kUnitSidePen.style);
  if (e.model.Hyperbolic) e.FillSideRecord2D(line, a, b);
  if (line > t.last_line) t.last_line = static_cast<std::int16_t>(line);
}

}  // namespace

int TGeomC1Win::DoTessellationUnit(int kind, std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const TessellationUnit& unit = TessellationUnitOfKind(kind);
  const int n = unit.cycle + unit.extra;
  const engine::StepCreates creates{static_cast<std::int16_t>(n), static_cast<std::int16_t>(unit.lastSide + 1)};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  // Point and side numbers of the tables count from the first entries the unit takes.
  const int first = t.last_point + 1;
  const int firstSide = t.last_line + 1;
  const std::span<Point2> v(&t.xy[static_cast<std::size_t>(first)], static_cast<std::size_t>(n));
  const bool leftHanded = kind == kKindTess33336 && step.flag == 1;
  if (e.building) {
    Real angle = 0;
    if (e.Evaluate(step.text[0], angle) != 0) angle = 0;
    if (kind == kKindTess33336) angle += std::atan(std::sqrt(static_cast<Real>(3)) / 2);
    UnitVertices(unit, v);
    for (Point2& p : v) {
      kernel::Rotate2(p, angle);
      if (leftHanded) p.x = -p.x;
    }
  }
  for (const Point2& p : v) {
    if (IsOutsideDomain(p)) return engine::FailStep(e, creates, engine::kMsgOutOfBounds);
  }
  const std::uint16_t tag = ++e.figure_counter;
  e.line_style = kUnitSidePen;
  if (const int code = e.AddPolygon(unit.cycle, tag, 1); code != 0) return engine::FailStep(e, creates, code);
  if (unit.extra > 0 && !t.AddPoints(unit.extra, static_cast<std::int16_t>(tag), e.building != 0, kLabelShown,
                                     kSecondColourDot)) {
    return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  }
  for (const UnitSide& side : unit.sides) PutSide(e, firstSide + side.line, first + side.a, first + side.b);
  t.last_line = static_cast<std::int16_t>(firstSide + unit.lastSide);
  Describe(e, out, leftHanded ? unit.leftWord : unit.word);
  return 0;
}

int TGeomC1Win::DoQuadTess(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const engine::StepCreates creates{6, 7};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  const int first = t.last_point + 1;
  const int firstSide = t.last_line + 1;
  if (e.building) {
    auto u = [](Real a, Real b) { return kernel::RandomBetween(a, b); };
    t.xy[first] = {u(2.8L, 3.2L), u(0.8L, 1.2L)};
    t.xy[first + 1] = {u(8.8L, 9.2L), u(7.0L, 7.4L)};
    t.xy[first + 2] = {u(10.8L, 11.2L), u(12.8L, 13.2L)};
    t.xy[first + 3] = {u(0.8L, 1.2L), u(7.8L, 8.2L)};
  }
  // The half-turn about the midpoint of the third side carries the first two vertices over it.
  const Point2 m2 = t.xy[first + 2] + t.xy[first + 3];
  const Point2 images[2] = {m2 - t.xy[first], m2 - t.xy[first + 1]};
  for (const Point2& p : {t.xy[first], t.xy[first + 1], t.xy[first + 2], t.xy[first + 3], images[0], images[1]}) {
    if (IsOutsideDomain(p)) return engine::FailStep(e, creates, engine::kMsgOutOfBounds);
  }
  e.randomize_allowed = 1;
  e.line_style = kUnitSidePen;
  if (const int code = e.AddPolygon(4, 0, 1); code != 0) return engine::FailStep(e, creates, code);
  constexpr std::uint16_t kNoTag = 0xFFFF;
  e.AddPoint(images[0], kNoTag, -1);
  e.AddPoint(images[1], kNoTag, -1);
  PutSide(e, firstSide + 4, first + 2, first + 4);
  PutSide(e, firstSide + 5, first + 4, first + 5);
  PutSide(e, firstSide + 6, first + 5, first + 3);
  Describe(e, out, kWordQuadTess);
  return 0;
}

}  // namespace plane

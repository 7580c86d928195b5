// Three circles about the vertices of a triangle that touch each other at the points where the
// incircle touches the sides, and the two Soddy circles that touch three such circles.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/incircles.h"
#include "kernel/plane_primitives.h"
#include "kernel/soddy_circles.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_objects.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kMsgCoincidentPoints = 127;
constexpr int kMsgNotEnoughCircles = 146;
constexpr std::int16_t kEnd = engine::kTemplateEnd;
constexpr int kWordSoddyCircles = 698;
constexpr int kWordTangentCircles = 820;
// How close a Soddy circle's centre and first touching point must come to those of a circle of
// the figure for the two to count as one.
constexpr Real kSameCircle = static_cast<Real>(1e-5);

// Operands of the Soddy step.
constexpr int kGoOnWithSoddy = 3;
constexpr int kFirstPen = 4;
constexpr int kFirstCircle = 7;
constexpr int kAddedCircles = 10;
constexpr int kAddedPoints = 11;
constexpr int kPresentCircle = 12;
constexpr int kArrangement = 13;
// Operand 13 with this value: two circles and a line (operand 9) take the place of three circles.
constexpr int kCirclesAndLine = 13;

int Operand(const kernel::ConstructionRecord& step, int n) {
  return static_cast<std::int16_t>(step.operands[n]);
}

// The incircle of the triangle with the points where it touches V0V1, V1V2 and V2V0, in the
// window's geometry; false when a hyperbolic triangle has none.
bool IncircleTouches(const engine::GeometryModel& model, const std::array<Point2, 3>& p,
                     std::array<Point2, 4>& out) {
  if (model.Hyperbolic) return engine::Incentre(model, p, out, true);
  std::array<Real, 3> sides{};
  kernel::TriangleIncircle2(p, out, sides);
  return true;
}

// Three circles that touch each other: their centres and radii, O where circles 0 and 1 touch, P
// where circle 2 touches circle 0, Q where it touches circle 1.
struct TouchingCircles {
  std::array<Point2, 3> centres{};
  std::array<Real, 3> radii{};
  std::array<Point2, 3> touches{};  // O, P, Q
};

// The point at distance r from c towards toward, in the window's geometry.
Point2 TowardAt(const engine::GeometryModel& model, const Point2& c, const Point2& toward, Real r) {
  Point2 z = toward;
  if (model.Hyperbolic) {
    engine::PointAtDistance(model, c, z, r);
    return z;
  }
  const Real d = kernel::Dist2(c, toward);
  return d > 0 ? c + (r / d) * (toward - c) : c;
}

// The three circles of the step: 0 or a message number.
int GatherCircles(const engine::StepEngine& e, const kernel::ConstructionRecord& step, TouchingCircles& out) {
  const engine::FigureTables& t = e.tables;
  if (!t.AllPointsExist(3, step.operands)) return engine::kMsgCouldNotFind;
  for (int i = 0; i < 3; ++i) out.centres[i] = t.xy[step.operands[i]];
  if (step.flag == 0) {
    std::array<Point2, 4> incircle{};
    if (!IncircleTouches(e.model, out.centres, incircle)) return kMsgCoincidentPoints;
    out.touches = {incircle[1], incircle[3], incircle[2]};
    for (int i = 0; i < 3; ++i) out.radii[i] = engine::Distance(e.model, out.centres[i], incircle[1 + i]);
  } else {
    for (int i = 0; i < 3; ++i) {
      const int c = Operand(step, kFirstCircle + i);
      if (!CircleExists(t, c)) return engine::kMsgCouldNotFind;
      out.radii[i] = t.circle_radius[c];
    }
    out.touches = {TowardAt(e.model, out.centres[0], out.centres[1], out.radii[0]),
                   TowardAt(e.model, out.centres[0], out.centres[2], out.radii[0]),
                   TowardAt(e.model, out.centres[1], out.centres[2], out.radii[1])};
  }
  for (const Real r : out.radii) {
    if (!(r >= kernel::NullTolerance)) return kMsgCoincidentPoints;
  }
  return 0;
}

// The ends of the line that takes the third circle's place: a line of the figure, the x axis
// (-10 to -1) or the y axis (below -10); false when there is none.
bool ThirdLine(const engine::StepEngine& e, int line, Point2& a, Point2& b) {
  if (line >= 0) {
    if (!LineExists(e.tables, line) || e.tables.lines[line].points.count < 2) return false;
    a = e.tables.xy[e.tables.lines[line].points.entries[0]];
    b = e.tables.xy[e.tables.lines[line].points.entries[1]];
    return true;
  }
  const bool xAxis = line >= -10;
  // The boundary of the half-plane is no line of the hyperbolic plane.
  if (xAxis && e.model.Hyperbolic && e.model.HalfPlane) return false;
  const Point2 origin = e.model.Hyperbolic && e.model.HalfPlane ? Point2{0, 1} : Point2{0, 0};
  a = origin;
  b = xAxis ? Point2{origin.x + static_cast<Real>(0.5), origin.y}
            : Point2{origin.x, origin.y + static_cast<Real>(0.5)};
  return true;
}

// Two circles that touch each other (centres in operands 0 and 1) and a line that touches both
// (operand 9): the circles of operands 7 and 8, or with the flag byte 0 the circles about the two
// centres that touch the line.
int GatherCirclesAndLine(const engine::StepEngine& e, const kernel::ConstructionRecord& step,
                         TouchingCircles& out) {
  const engine::FigureTables& t = e.tables;
  if (!t.AllPointsExist(2, step.operands)) return engine::kMsgCouldNotFind;
  Point2 a;
  Point2 b;
  if (!ThirdLine(e, Operand(step, kFirstCircle + 2), a, b)) return engine::kMsgCouldNotFind;
  std::array<Point2, 2> feet{};
  for (int i = 0; i < 2; ++i) {
    out.centres[i] = t.xy[step.operands[i]];
    if (!FootInModel(e.model, out.centres[i], a, b, feet[i])) return engine::kMsgCouldNotFind;
    if (step.flag == 0) {
      out.radii[i] = engine::Distance(e.model, out.centres[i], feet[i]);
    } else {
      const int c = Operand(step, kFirstCircle + i);
      if (!CircleExists(t, c)) return engine::kMsgCouldNotFind;
      out.radii[i] = t.circle_radius[c];
    }
  }
  out.centres[2] = feet[0];
  out.radii[2] = 1;  // a line has no radius to test
  out.touches = {TowardAt(e.model, out.centres[0], out.centres[1], out.radii[0]), feet[0], feet[1]};
  for (const Real r : out.radii) {
    if (!(r >= kernel::NullTolerance)) return kMsgCoincidentPoints;
  }
  return 0;
}

// A Soddy circle: its centre, then where it touches circles 1, 0 and 2 of the step.
struct SoddyCircle {
  std::array<Point2, 4> points{};
  bool formed = false;
  bool line = false;  // formed as the straight line through its touching points, without a centre
};

// Whether every point lies in the part of the plane the window's model shows.
bool InModel(const engine::GeometryModel& model, std::span<const Point2> points) {
  if (!model.Hyperbolic) return true;
  for (const Point2& p : points) {
    if (model.HalfPlane ? !(p.y >= kernel::NullTolerance) : !(p.x * p.x + p.y * p.y < 1)) return false;
  }
  return true;
}

// The inner and the outer Soddy circle of the touching circles.
std::array<SoddyCircle, 2> SoddyCircles(const engine::GeometryModel& model, const TouchingCircles& given) {
  std::array<SoddyCircle, 2> soddy{};
  kernel::Kind127Plane2(given.touches, soddy[0].points, soddy[1].points);
  for (SoddyCircle& circle : soddy) {
    const std::array<Point2, 4>& p = circle.points;
    Point2 centre;
    circle.formed = kernel::Circumcenter2(p[1], p[2], p[3], centre) &&
                    InModel(model, std::span<const Point2>(p.data() + 1, 3));
    // In the hyperbolic plane the centre of the circle is its hyperbolic centre.
    // A touching point left at the point where the first two circles touch is one the
    // construction could not find (the circle runs off to infinity there).
    for (int i = 1; i <= 3; ++i)
      circle.formed = circle.formed && kernel::Dist2(p[i], given.touches[0]) > kSameCircle;
    if (circle.formed && model.Hyperbolic)
      circle.formed = engine::Circumcentre(model, p[1], p[2], p[3], circle.points[0]);
    // In the plane the outer circle flattens into a line through three distinct touching points;
    // a touching point left at the inversion centre is one the construction could not find.
    if (!circle.formed && !model.Hyperbolic) {
      bool distinct = true;
      for (int i = 1; i <= 3; ++i) {
        distinct = distinct && std::isfinite(static_cast<double>(p[i].x)) &&
                   std::isfinite(static_cast<double>(p[i].y)) &&
                   kernel::Dist2(p[i], given.touches[0]) > kSameCircle &&
                   kernel::Dist2(p[i], p[i % 3 + 1]) > kSameCircle;
      }
      circle.formed = circle.line = distinct;
    }
  }
  return soddy;
}

// Whether the Soddy circle is the given circle of the figure: centres and first points close.
bool SameCircle(const engine::StepEngine& e, const SoddyCircle& soddy, int circle) {
  const engine::FigureTables& t = e.tables;
  if (!CircleExists(t, circle) || t.circles[circle].count < 1) return false;
  const kernel::CircleRecord& record = t.circles[circle];
  return engine::Distance(e.model, soddy.points[0], t.xy[record.centre]) < kSameCircle &&
         engine::Distance(e.model, soddy.points[1], t.xy[record.points[0]]) < kSameCircle;
}

void AppendToCircle(engine::FigureTables& t, int circle, int point) {
  if (CircleExists(t, circle))
    kernel::CircleAppendPoint(t.circles[circle], static_cast<std::uint16_t>(point));
}

// Adds the centre, the three touching points (each listed on the circle it touches) and the circle.
void AddSoddyCircle(engine::StepEngine& e, const kernel::ConstructionRecord& step, const SoddyCircle& soddy,
                    int tag) {
  int centre = -1;
  if (soddy.line) {
    e.AdjustTables(1, 0, 0);
    centre = e.tables.last_point;
  } else {
    centre = AddTaggedPoint(e, soddy.points[0], tag);
  }
  std::array<int, 3> touch{};
  for (int i = 0; i < 3; ++i) touch[i] = AddTaggedPoint(e, soddy.points[1 + i], tag);
  AppendToCircle(e.tables, Operand(step, kFirstCircle + 1), touch[0]);
  AppendToCircle(e.tables, Operand(step, kFirstCircle), touch[1]);
  const int third = Operand(step, kFirstCircle + 2);
  if (Operand(step, kArrangement) != kCirclesAndLine) {
    AppendToCircle(e.tables, third, touch[2]);
  } else if (third >= 0) {
    engine::AddPointToLine(e.tables, e.model, e.dimension, touch[2], third);
  }
  const int circle = AddFullCircle(e, centre, {touch[0], touch[1], touch[2]}, PenFromOperands(step, kFirstPen));
  if (soddy.line && circle >= 0) {
    e.tables.circles[circle].drawn = 0;  // drawn as the line through its first two points
    e.tables.circle_radius[circle] = 0;
  }
}

int AddedCircleCount(const kernel::ConstructionRecord& step) {
  const int n = Operand(step, kAddedCircles);
  return n >= 0 && n <= 2 ? n : 2;
}

}  // namespace

int TGeomC2Win::DoKind127(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const bool first = step.sequence < 0;
  const auto fail = [&](int code) {
    if (!first) {
      const int n = AddedCircleCount(step);
      e.AdjustTables(4 * n, 0, n);
    }
    return code;
  };
  if (first) {
    if (const int code = engine::CheckRoom(e.tables, {8, 0, 2}); code != 0) return code;
  }
  TouchingCircles given;
  const int gathered = Operand(step, kArrangement) == kCirclesAndLine ? GatherCirclesAndLine(e, step, given)
                                                                      : GatherCircles(e, step, given);
  if (gathered != 0) return fail(gathered);
  const std::array<SoddyCircle, 2> soddy = SoddyCircles(e.model, given);

  // Which of the two are in the figure already.
  std::array<int, 2> present{-1, -1};
  if (first) {
    // Beside two circles and a line one Soddy circle may run off to infinity (it touches the line
    // there); it then keeps the places of its objects empty.
    const bool bothNeeded = Operand(step, kArrangement) != kCirclesAndLine;
    if (bothNeeded ? !soddy[0].formed || !soddy[1].formed : !soddy[0].formed && !soddy[1].formed) {
      return kMsgNotEnoughCircles;
    }
    int added = 2;
    step.operands[kPresentCircle] = kernel::kNoOperand;
    for (int s = 0; s < 2; ++s) {
      if (soddy[s].line || !soddy[s].formed) continue;
      present[s] = engine::FindEqualCircle(e.tables, e.model, soddy[s].points[0], soddy[s].points[1]);
      if (present[s] >= 0) {
        --added;
        step.operands[kPresentCircle] = static_cast<std::uint16_t>(present[s]);
      }
    }
    if (added == 0) return engine::kMsgNothingToDo;
    step.operands[kAddedCircles] = static_cast<std::uint16_t>(added);
    step.operands[kAddedPoints] = static_cast<std::uint16_t>(4 * added);
  } else if (AddedCircleCount(step) == 1) {
    // Exactly one of the two was there when the step was made; it keeps its place even when the
    // figure has moved since, so that the step adds the same number of objects.
    const int circle = Operand(step, kPresentCircle);
    int s = SameCircle(e, soddy[1], circle) && !SameCircle(e, soddy[0], circle) ? 1 : 0;
    if (!SameCircle(e, soddy[s], circle) && CircleExists(e.tables, circle) && soddy[1].formed &&
        soddy[0].formed) {
      const Point2 at = e.tables.xy[e.tables.circles[circle].centre];
      s = engine::Distance(e.model, soddy[1].points[0], at) <
                  engine::Distance(e.model, soddy[0].points[0], at)
              ? 1
              : 0;
    }
    present[s] = circle;
  }

  const int tag = e.tables.CommonPointTag(Operand(step, 0), Operand(step, 1), Operand(step, 2));
  std::array<std::array<int, 2>, 2> named{};  // centre and first point of each circle
  for (int s = 0; s < 2; ++s) {
    if (present[s] >= 0) {
      const kernel::CircleRecord& record = e.tables.circles[present[s]];
      named[s] = {record.centre, record.count > 0 ? record.points[0] : record.centre};
    } else if (soddy[s].formed) {
      AddSoddyCircle(e, step, soddy[s], tag);
      // A line has no centre to name: its first two touching points stand for it.
      named[s] = soddy[s].line ? std::array<int, 2>{e.tables.last_point - 2, e.tables.last_point - 1}
                               : std::array<int, 2>{e.tables.last_point - 3, e.tables.last_point - 2};
    } else {
      e.AdjustTables(4, 0, 1);
      named[s] = {-1, -1};
    }
  }
  if (out != nullptr) {
    std::string& text = *out;
    text = e.words(kWordSoddyCircles);
    bool firstName = true;
    for (int s = 0; s < 2; ++s) {
      if (named[s][0] < 0) continue;
      text += firstName ? " " : ", ";
      firstName = false;
      e.tables.AppendPointName(text, named[s][0]);
      e.tables.AppendPointName(text, named[s][1]);
    }
    text += ' ';
    e.AttributeTripleText(text, kFirstPen);
  }
  return 0;
}

int TGeomC2Win::DoTangentCircles(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const bool goOn = Operand(step, kGoOnWithSoddy) > 0;
  // With the Soddy circles the step also makes four points and a circle for each of them that
  // was not in the figure when the step was made.
  const int soddy = goOn ? AddedCircleCount(step) : 0;
  const engine::StepCreates creates{static_cast<std::int16_t>(3 + 4 * soddy), 0,
                                    static_cast<std::int16_t>(3 + soddy)};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  std::array<Point2, 4> incircle{};
  if (!IncircleTouches(e.model, TrianglePoints(e.tables, v), incircle)) {
    return engine::FailStep(e, creates, kMsgCoincidentPoints);
  }
  std::array<int, 3> touch{};
  for (int i = 0; i < 3; ++i) {
    touch[i] = AddTaggedPoint(e, incircle[1 + i], tag);
    const int side = engine::FindLineThrough(e.tables, v[i], v[(i + 1) % 3]);
    if (side >= 0) engine::AddPointToLine(e.tables, e.model, e.dimension, touch[i], side);
  }
  const kernel::LinePen pen = PenFromOperands(step, kFirstPen);
  for (int i = 0; i < 3; ++i) {
    const int c = AddFullCircle(e, v[i], {touch[i], touch[(i + 2) % 3]}, pen);
    step.operands[kFirstCircle + i] = static_cast<std::uint16_t>(c);
  }
  if (out != nullptr) {
    std::string& text = *out;
    text = e.words(kWordTangentCircles);
    for (int i = 0; i < 3; ++i) {
      text += i == 0 ? " " : ", ";
      e.tables.AppendPointName(text, v[i]);
      e.tables.AppendPointName(text, touch[i]);
    }
    text += ' ';
    e.AttributeTripleText(text, kFirstPen);
  }
  if (!goOn) return 0;
  std::string soddyText;
  const int code = DoKind127(out != nullptr ? &soddyText : nullptr);
  if (out != nullptr && code == 0) *out += "; " + soddyText;
  return code;
}

}  // namespace plane

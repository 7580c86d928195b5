// The centres of a triangle and of a point list: circumcentre and circumcircle, incentre, Fermat
// point, the nine-point circle, a point by affine coordinates in a triangle and the centroids.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_fermat_point.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/incircles.h"
#include "kernel/line_intersection2.h"
#include "kernel/plane_primitives.h"
#include "kernel/text_utils.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_objects.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kMsgCollinearPoints = 129;
constexpr int kMsgCoincidentPoints = 127;
constexpr std::int16_t kEnd = engine::kTemplateEnd;

constexpr int kWordOn = 202;
constexpr int kWordTriangle = 204;
constexpr int kWordAt = 179;
constexpr int kWordCircumcenter = 212;
constexpr int kWordIncenter = 213;
constexpr int kWordNinePointCircle = 696;
constexpr int kWordFermatPoint = 780;
constexpr int kWordPointCentroid = 781;
constexpr int kWordPolygonCentroid = 783;

// The circumcentre of the three points in the window's geometry: 0, 2 when a hyperbolic triangle
// has none, 129 for collinear points of the plane.
int CircumcentreOf(const engine::GeometryModel& model, const std::array<Point2, 3>& p, Point2& centre) {
  if (model.Hyperbolic)
    return engine::Circumcentre(model, p[0], p[1], p[2], centre) ? 0 : engine::kMsgCouldNotFind;
  return kernel::Circumcenter2(p[0], p[1], p[2], centre) ? 0 : kMsgCollinearPoints;
}

// The vertex whose angle exceeds 120 degrees, or -1.
int WideVertex(const std::array<Point2, 3>& p) {
  std::array<Real, 3> s{};
  for (int i = 0; i < 3; ++i) {
    const Point2 side = p[(i + 1) % 3] - p[i];
    s[i] = kernel::Dot2(side, side);
  }
  for (int i = 0; i < 3; ++i) {
    // Twice the product of the two sides at vertex i times the cosine of its angle.
    const Real d = s[(i + 2) % 3] + s[i] - s[(i + 1) % 3];
    if (d < 0 && d * d > s[i] * s[(i + 2) % 3]) return i;
  }
  return -1;
}

// The Fermat point of the Euclidean triangle; the code of the line intersection when the lines from
// the vertices to the apexes of the outer equilateral triangles do not meet.
int FermatPointOf(const std::array<Point2, 3>& p, Point2& out) {
  if (const int wide = WideVertex(p); wide >= 0) {
    out = p[wide];
    return 0;
  }
  const Point2 e0 = p[1] - p[0];
  const Point2 e2 = p[0] - p[2];
  Real k = kernel::Pi / 3;
  if (kernel::Cross2(e0, e2) < 0) k = -k;
  Point2 turned0 = e0;
  kernel::Rotate2(turned0, k);
  Point2 turned2 = e2;
  kernel::Rotate2(turned2, -k);
  const Point2 a1 = p[0] + turned0;
  const Point2 a2 = p[0] - turned2;
  return kernel::IntersectLines2Point(p[1], a2, p[2], a1, out);
}

}  // namespace

int TGeomC2Win::DoCircumcenter(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const engine::StepCreates creates{1};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  Point2 centre;
  if (const int code = CircumcentreOf(e.model, TrianglePoints(e.tables, v), centre); code != 0) {
    return engine::FailStep(e, creates, code);
  }
  AddTaggedPoint(e, centre, tag);
  DescribeTriangleCentre(e, out, kWordCircumcenter);
  return 0;
}

int TGeomC2Win::DoCircumcenter131(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1, 0, 1};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  Point2 centre;
  if (const int code = CircumcentreOf(e.model, TrianglePoints(e.tables, v), centre); code != 0) {
    return engine::FailStep(e, creates, code);
  }
  const int c = AddTaggedPoint(e, centre, tag);
  AddFullCircle(e, c, {v[0]}, PenFromOperands(step, 4));
  if (out != nullptr) {
    static constexpr std::array<std::int16_t, 13> kItems{9,   ' ', '=', ' ', 5,   kWordCircumcenter, '(', 1,
                                                         ')', ' ', 30,  4,   kEnd};
    e.ExpandTemplate(out, kItems);
  }
  return 0;
}

int TGeomC2Win::DoIncenter(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const engine::StepCreates creates{1};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  const std::array<Point2, 3> p = TrianglePoints(e.tables, v);
  std::array<Point2, 4> touch{};
  if (e.model.Hyperbolic) {
    if (!engine::Incentre(e.model, p, touch, false))
      return engine::FailStep(e, creates, kMsgCoincidentPoints);
  } else {
    std::array<Real, 3> sides{};
    kernel::TriangleIncircle2(p, touch, sides);
  }
  AddTaggedPoint(e, touch[0], tag);
  DescribeTriangleCentre(e, out, kWordIncenter);
  return 0;
}

int TGeomC2Win::DoFermatPoint(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const engine::StepCreates creates{1};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  const std::array<Point2, 3> p = TrianglePoints(e.tables, v);
  Point2 fermat;
  if (e.model.Hyperbolic) {
    if (!engine::FermatPoint(e.model, p, fermat))
      return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  } else if (const int code = FermatPointOf(p, fermat); code != 0) {
    return engine::FailStep(e, creates, code);
  }
  AddTaggedPoint(e, fermat, tag);
  DescribeTriangleCentre(e, out, kWordFermatPoint);
  return 0;
}

int TGeomC2Win::DoNinePointCircle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{4, 0, 1};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  std::array<int, 3> sides{};
  for (int i = 0; i < 3; ++i) {
    sides[i] = static_cast<std::int16_t>(step.operands[3 + i]);
    if (!LineExists(e.tables, sides[i])) return engine::FailStep(e, creates, engine::kMsgNoSuchLine);
  }
  const std::array<Point2, 3> p = TrianglePoints(e.tables, v);
  std::array<Point2, 3> feet{};
  for (int i = 0; i < 3; ++i) {
    if (!FootInModel(e.model, p[i], p[(i + 1) % 3], p[(i + 2) % 3], feet[i])) {
      return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
    }
  }
  Point2 centre;
  if (const int code = CircumcentreOf(e.model, feet, centre); code != 0)
    return engine::FailStep(e, creates, code);

  std::array<int, 3> footIndex{};
  for (int i = 0; i < 3; ++i) {
    footIndex[i] = AddTaggedPoint(e, feet[i], tag);
    engine::AddPointToLine(e.tables, e.model, e.dimension, footIndex[i], sides[i]);
  }
  const int c = AddTaggedPoint(e, centre, tag);
  AddFullCircle(e, c, {footIndex[0], footIndex[1], footIndex[2]}, PenFromOperands(step, 6));
  if (out != nullptr) {
    static constexpr std::array<std::int16_t, 16> kItems{
        9, 8, 7, 16, ' ', '=', ' ', 5, kWordNinePointCircle, '(', 1, ')', ' ', 30, 6, kEnd};
    e.ExpandTemplate(out, kItems);
  }
  return 0;
}

int TGeomC2Win::DoPointInTriangle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0)
    return engine::FailStep(e, creates, code);
  const std::array<int, 3> v{step.operands[1], step.operands[2], step.operands[3]};
  for (const int i : v) {
    if (!e.tables.PointExists(i)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  std::string sText;
  std::string tText;
  if (step.operands[8] == kernel::kNoOperand || static_cast<std::int16_t>(step.operands[8]) < 0) {
    sText = step.text[0];
    tText = step.text[1];
  } else {
    const std::vector<std::string> fields = kernel::SplitCommaList(kernel::JoinConstructionText(step), 2);
    sText = fields[0];
    tText = fields[1];
  }
  Real s = 0;
  Real t = 0;
  if (e.Evaluate(sText, s) != 0 || e.Evaluate(tText, t) != 0) {
    return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  }
  const Point2 a = e.tables.xy[v[0]];
  const Point2 point = a + s * (e.tables.xy[v[1]] - a) + t * (e.tables.xy[v[2]] - a);
  AddTaggedPoint(e, point, e.tables.CommonPointTag(v[0], v[1], v[2]));
  if (out != nullptr) {
    std::string& text = *out;
    text.clear();
    e.tables.AppendPointName(text, e.tables.last_point);
    text += " " + e.words(kWordOn) + " " + e.words(kWordTriangle) + " ";
    for (const int i : v) e.tables.AppendPointName(text, i);
    text += " " + e.words(kWordAt) + " (" + sText + "," + tText + ")";
  }
  return 0;
}

int TGeomC2Win::DoCentroid(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0)
    return engine::FailStep(e, creates, code);
  std::vector<std::uint16_t>& scratch = e.tables.scratch;
  const int lastEntry = e.tables.ParsePointList(step.text[1], scratch, engine::kPointCapacity);
  std::vector<int> listed;
  for (int k = 0; k <= lastEntry; ++k) {
    if (scratch[k] != engine::kGroupEnd) listed.push_back(scratch[k]);
  }
  const int type = step.operands[0] == kernel::kNoOperand ? 0 : step.operands[0];
  const bool supported = e.model.Hyperbolic ? type == 0 && listed.size() == 3 : listed.size() >= 3;
  if (!supported) return engine::FailStep(e, creates, engine::kMsgNothingToDo);
  for (const int i : listed) {
    if (!e.tables.PointExists(i)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  int tag = e.tables.attrs[listed[0]].tag;
  for (const int i : listed) {
    if (e.tables.attrs[i].tag != tag) tag = -1;
  }
  if (tag < 1) tag = -1;

  std::vector<Point2> points;
  for (const int i : listed) points.push_back(e.tables.xy[i]);
  Point2 centroid{0, 0};
  if (type == 0 && e.model.Hyperbolic) {
    centroid = engine::Centroid(e.model, points[0], points[1], points[2]);
  } else if (type == 0) {
    for (const Point2& q : points) centroid = centroid + q;
    centroid = (static_cast<Real>(1) / static_cast<Real>(points.size())) * centroid;
  } else if (type == 2) {
    centroid = kernel::PolygonCentroid2(points);
  }
  AddTaggedPoint(e, centroid, tag);
  if (out != nullptr) {
    const std::int16_t word = type == 2 ? kWordPolygonCentroid : kWordPointCentroid;
    const std::array<std::int16_t, 10> items{9, ' ', '=', ' ', 5, word, '(', 2, ')', kEnd};
    e.ExpandTemplate(out, items);
  }
  return 0;
}

}  // namespace plane

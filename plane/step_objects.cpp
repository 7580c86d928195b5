#include "plane/step_objects.h"

#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "kernel/plane_primitives.h"

namespace plane {

int AddTaggedPoint(engine::StepEngine& e, const kernel::Point2& p, int tag) {
  if (e.AddPoint(p, static_cast<std::uint16_t>(tag), -1) < 0) return -1;
  return e.tables.last_point;
}

int AddFullCircle(engine::StepEngine& e, int centre, std::initializer_list<int> listed,
                  const kernel::LinePen& pen) {
  engine::FigureTables& t = e.tables;
  if (t.last_circle >= engine::kLastCircleLimit) return -1;
  const int c = ++t.last_circle;
  kernel::CircleRecord& circle = t.circles[c];
  kernel::InitCircleRecord(circle, static_cast<std::uint16_t>(centre), -1, 360, -1, -1);
  circle.count = 0;
  for (const int p : listed) kernel::CircleAppendPoint(circle, static_cast<std::uint16_t>(p));
  circle.pen = pen;
  const int first = listed.size() > 0 ? *listed.begin() : centre;
  t.circle_radius[c] = engine::Distance(e.model, t.xy[centre], t.xy[first]);
  return c;
}

int AddStepLine(engine::StepEngine& e, int a, int b, const kernel::LinePen& pen) {
  if (e.AddLine(a, b, pen) != 0) return -1;
  const int line = e.tables.last_line;
  if (e.model.Hyperbolic) e.FillSideRecord2D(line, a, b);
  return line;
}

void DescribeTriangleCentre(engine::StepEngine& e, std::string* out, int word) {
  if (out == nullptr) return;
  const std::array<std::int16_t, 10> items{
      9, ' ', '=', ' ', 5, static_cast<std::int16_t>(word), '(', 1, ')', engine::kTemplateEnd};
  e.ExpandTemplate(out, items);
}

bool FootInModel(const engine::GeometryModel& model, const kernel::Point2& p, const kernel::Point2& a,
                 const kernel::Point2& b, kernel::Point2& foot) {
  if (model.Hyperbolic) {
    return engine::PerpendicularThrough(model, a, b, p, foot, engine::kFootOfPerpendicular) ==
           engine::kGeometryOk;
  }
  return kernel::FootOnLine2(p, a, b, foot);
}

std::array<kernel::Point2, 3> TrianglePoints(const engine::FigureTables& t, const std::array<int, 3>& v) {
  return {t.xy[v[0]], t.xy[v[1]], t.xy[v[2]]};
}

}  // namespace plane

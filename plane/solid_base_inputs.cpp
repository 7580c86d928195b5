#include "plane/solid_base_inputs.h"

#include <array>
#include <cstdint>

#include "engine/step_engine.h"

namespace plane {

int ReadSolidBase(engine::StepEngine& e, SolidBaseTexts texts, int choice, SolidBase& out) {
  out = {};
  engine::FigureTables& t = e.tables;
  std::array<std::uint16_t, kSolidBaseVertices + 1> points{};
  const int n = t.ParseExistingPoints(texts.base, points, kSolidBaseVertices);
  if (n < 3) return engine::kMsgCannotUnderstand;
  out.vertices.assign(points.begin(), points.begin() + n);
  if (const int code = e.Evaluate(texts.altitude, out.altitude); code != 0) return code;
  if (choice == 1) {
    const int foot = t.FindPointByName(texts.foot);
    if (foot < 0 || !t.PointExists(foot)) return engine::kMsgCouldNotFind;
    const kernel::Point2 d{t.xy[foot].x - t.xy[out.vertices[0]].x, t.xy[foot].y - t.xy[out.vertices[0]].y};
    out.dx = d.x;
    out.dy = d.y;
    return 0;
  }
  if (const int code = e.Evaluate(texts.xOffset, out.dx); code != 0) return code;
  return e.Evaluate(texts.yOffset, out.dy);
}

}  // namespace plane

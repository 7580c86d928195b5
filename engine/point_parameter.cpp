#include "engine/point_parameter.h"

#include "engine/step_engine.h"

namespace engine {

bool PointHasParameter(const StepEngine& engine, int point) {
  const FigureTables& t = engine.tables;
  if (!t.PointExists(point)) return false;
  const PointAttrRecord& attr = t.attrs[static_cast<std::size_t>(point)];
  // The line (hypercycle, horocycle) or circle the point slides on.
  if (attr.words[0] >= 0 || attr.words[1] >= 0) return true;
  // A point on a polygon slides when its parameter is a number, not a typed expression.
  const int polygon = attr.words[2];
  return polygon >= 0 && polygon <= engine.last_polygon && static_cast<std::size_t>(polygon) < engine.polygons.size() &&
         engine.polygons[static_cast<std::size_t>(polygon)].fixed_parameter != 0;
}

}  // namespace engine

// The test a polygon passes before a point may slide along it: the point follows the mouse along
// the ray from the polygon's centroid, which needs a polygon that turns one way at every vertex
// and sees its centroid strictly inside.
#include <array>
#include <cstdint>
#include <span>

#include "engine/step_engine.h"
#include "kernel/convex_turns2.h"
#include "kernel/polygon_side2.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"

namespace plane {

namespace {

constexpr int kMaxPolygonVertices = 24;
constexpr int kMsgPolygonTooConcave = 144;
constexpr std::uint16_t kListEndBit = 0x8000;

}  // namespace

int TGeomC2Win::CheckConvexPolygon(std::span<const std::uint16_t> list) {
  const engine::FigureTables& t = stepEngine.tables;
  std::array<kernel::Point2, kMaxPolygonVertices + 1> v{};
  int n = 0;
  for (const std::uint16_t p : list) {
    if (n == kMaxPolygonVertices || (p & kListEndBit) != 0) break;
    if (p >= engine::kPointCapacity) return kMsgPolygonTooConcave;
    v[static_cast<std::size_t>(n++)] = t.xy[p];
  }
  if (n < 3) return kMsgPolygonTooConcave;
  v[static_cast<std::size_t>(n)] = v[0];
  const std::span<const kernel::Point2> closed(v.data(), static_cast<std::size_t>(n) + 1);
  const kernel::Point2 centroid = kernel::Centroid2(closed.first(static_cast<std::size_t>(n)));
  const bool convex = kernel::TurnsStrictlyOneWay2(closed, n) &&
                      kernel::IsStrictlyConvex2(closed, static_cast<std::int16_t>(n), centroid);
  return convex ? 0 : kMsgPolygonTooConcave;
}

}  // namespace plane

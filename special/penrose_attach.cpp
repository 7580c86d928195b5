#include "special/penrose_attach.h"

#include <cmath>

#include "kernel/vector2.h"
#include "special/penrose_forcing.h"

namespace special {

std::int16_t EdgeAtPoint(const PenroseTiling& t, const Point2& m, Real unitsX, Real unitsY) {
  const Real reachX = 5 * std::fabs(unitsX);
  const Real reachY = 5 * std::fabs(unitsY);
  for (std::size_t e = 0; e < t.edges.size(); ++e) {
    const Point2& a = t.vertices[static_cast<std::size_t>(t.edges[e].from)];
    const Point2& b = t.vertices[static_cast<std::size_t>(t.edges[e].to)];
    const Point2 ab = b - a;
    const Real length2 = kernel::Dot2(ab, ab);
    if (!(length2 > kernel::SquaredLengthFloor)) continue;
    const Real s = kernel::Dot2(m - a, ab) / length2;
    if (!(s > 0 && s < 1)) continue;
    const Point2 foot = a + ab * s;
    if (std::fabs(foot.x - m.x) < reachX && std::fabs(foot.y - m.y) < reachY) return static_cast<std::int16_t>(e);
  }
  return -1;
}

AttachResult AttachToEdge(PenroseTiling& t, int which, std::int16_t edge) {
  AttachResult result;
  if (edge < 0 || edge > t.LastEdge()) return result;
  const PenroseEdge& e = t.edges[static_cast<std::size_t>(edge)];
  if ((e.tile0 < 0) == (e.tile1 < 0)) return result;
  const std::int16_t side = e.tile1 < 0 ? 1 : 0;
  result.attempted = true;

  // A new action ends what Redo could bring back.
  t.placements.resize(static_cast<std::size_t>(t.lastPlacement + 1));
  const PenroseCounts before = CountsOf(t);
  t.journal.sides.clear();
  t.journal.bars.clear();
  t.journal.active = true;
  result.code = which == 0 ? AddKite(t, edge, side) : AddDart(t, edge, side);
  if (result.code < 1) {
    if (t.lastPlacement >= 0) t.placements[static_cast<std::size_t>(t.lastPlacement)].continued = 0;
  } else {
    RollBack(t, before);
  }
  t.journal.active = false;
  t.journal.sides.clear();
  t.journal.bars.clear();
  return result;
}

AttachResult AttachAtPoint(PenroseTiling& t, int which, const Point2& point, Real unitsX, Real unitsY) {
  return AttachToEdge(t, which, EdgeAtPoint(t, point, unitsX, unitsY));
}

}  // namespace special

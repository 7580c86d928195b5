#pragma once
// The tables of the units of regular polygons that start the classic tessellations: each vertex
// exactly, as a + b·root in both coordinates (root = sqrt 3, or sqrt 2 for the octagons), the
// number of vertices on the unit's outer cycle (the rest are inner points), and the inner sides.

#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace plane {

inline constexpr int kKindFirstTessUnit = 11;
inline constexpr int kKindLastTableUnit = 21;
// The unit of triangles and hexagons that comes in a right- and a left-handed form.
inline constexpr int kKindTess33336 = 21;

// x = ax + bx·root, y = ay + by·root.
struct UnitVertex {
  std::int8_t ax, bx, ay, by;
};

// A side from vertex a to vertex b at a line index counted from the unit's first side.
struct UnitSide {
  std::int16_t line, a, b;
};

struct TessellationUnit {
  int cycle = 0;     // vertices 0 to cycle - 1 form the outline, joined by sides 0 to cycle - 1
  int extra = 0;     // inner vertices after them
  int lastSide = 0;  // the unit's last side, counted from its first
  int root = 3;      // the square root the coordinates are written with
  std::span<const UnitVertex> vertices;
  std::span<const UnitSide> sides;  // the inner sides, from index cycle up to lastSide
  std::int16_t word = 0;            // the name of the tessellation
  std::int16_t leftWord = 0;        // the name of its left-handed form (kind 21)
};

// The unit of kinds 11 to 21.
const TessellationUnit& TessellationUnitOfKind(int kind);
// The unit's vertices at their table positions.
void UnitVertices(const TessellationUnit& unit, std::span<kernel::Point2> out);

}  // namespace plane

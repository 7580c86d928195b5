#pragma once
// The edges of a model in space: every side of a visible face once, whichever way round the faces
// run along it.

#include <cstdint>
#include <vector>

#include "engine/solid_tables.h"
#include "solid/model_tables.h"

namespace solid {

// Reused work space of BuildEdgeList, so that a paint allocates nothing once it has run.
struct EdgeListScratch {
  struct Side {
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    std::int32_t order = 0;  // the position of the side in face order
    std::int16_t face = -1;
  };
  std::vector<Side> sides;
};

// Fills model.edges and model.last_edge with the unique undirected sides of the visible faces of
// two or more vertices, in the order they first appear face by face (a side runs from vertex k to
// vertex k + 1, the last back to the first), lower vertex first, each with the first face that
// has it. Sides past the table's capacity are left out. Returns the last edge index, -1 for none.
int BuildEdgeList(const engine::SolidTables& solid, ModelTables& model, EdgeListScratch& scratch);

}  // namespace solid

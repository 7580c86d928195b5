#pragma once
// Attaching kites and darts (or rhombs) with the tiles they force. With forced tiles on, each new
// tile is followed by the tiles the local rules of the tiling force around it, placed through the
// same two operations, so the rules recurse. A rule stops at the first result above 0 and passes it
// up; -1 (side taken) and 0 let it go on.
//
// Rules name an edge by its two vertices; a missing edge gives kTileInconsistent, and where a rule
// checks the arrow an edge running the other way gives kTileArrowConflict.

#include <cstdint>

#include "special/penrose_tiles.h"

namespace special {

// A kite (72-degree rhomb) or a dart (36-degree rhomb) on the side of the edge, in the tiling's
// colour for that type, followed by its forced tiles when forcedTiles is set.
std::int16_t AddKite(PenroseTiling& tiling, std::int16_t edge, std::int16_t side);
std::int16_t AddDart(PenroseTiling& tiling, std::int16_t edge, std::int16_t side);

// The rules, each for the tile or vertex named.
std::int16_t ForceKiteStar(PenroseTiling& tiling, int vertex);
std::int16_t ForceDartStar(PenroseTiling& tiling, int vertex);
std::int16_t ForceKiteTailPair(PenroseTiling& tiling, int vertex);
std::int16_t ForceDartSides(PenroseTiling& tiling, std::int16_t dart);
std::int16_t ForceAcrossEdge(PenroseTiling& tiling, std::int16_t edge);
std::int16_t ForceKiteFan(PenroseTiling& tiling, std::int16_t dart);
std::int16_t ForceFatRhomb(PenroseTiling& tiling, std::int16_t rhomb);
std::int16_t ForceSkinnyRhomb(PenroseTiling& tiling, std::int16_t rhomb);

}  // namespace special

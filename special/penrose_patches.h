#pragma once
// The library of named patches: Sun, Star, Ace, Deuce, Jack, Queen, King, the two bowties, Bat,
// and the single kite and dart (in the rhombs: the rhomb star and the two single rhombs). A patch
// is a start rotation and a placement list that replaces the tiling's own.

#include <cstdint>
#include <span>

#include "special/penrose_tiles.h"

namespace special {

inline constexpr int kLibraryPatchCount = 12;

// A placement record without the continued byte (0 for every record of a patch).
struct PatchRecord {
  std::int16_t edge;
  std::int16_t side;
  std::int16_t type;
  std::int16_t color;
};

struct LibraryPatch {
  std::int16_t rotation;
  std::span<const PatchRecord> records;
};

// Patch 0..11; patch 1 has one table for each mode. Null for another number.
const LibraryPatch* FindLibraryPatch(int patch, int mode);

// Resets the tiling at the patch's rotation, makes its records the placement list (each record
// its own action, so Undo removes one at a time; the redo limit is the last record) and rebuilds.
// No forced tiles are added. False, with the tiling unchanged, for a patch number out of range.
bool LoadLibraryPatch(PenroseTiling& tiling, int patch);

}  // namespace special

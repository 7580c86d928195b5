#pragma once
// The tables of a Penrose tiling and the placement list they are grown from. A tiling is kites and
// darts (mode 0) or the 72-degree and 36-degree rhombs (mode 1); type 0 is the kite or the
// 72-degree rhomb, type 1 the dart or the 36-degree rhomb. Tiles are attached one at a time to one
// side of an existing edge; the stored order of an edge's two vertices is its arrow, and a tile
// whose side meets an edge with the other arrow does not fit.
//
// The vertex, edge and tile tables are always the result of replaying the placement list from the
// start edge, so reset, rebuild, undo, redo and rotate all work on the list. The window owns a
// PenroseTiling by value and changes it only through the functions here and in penrose_forcing.h;
// painting walks the public tables.

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "kernel/real.h"

namespace special {

using kernel::Point2;
using kernel::Real;

// Every table holds at most this many entries.
inline constexpr int kPenroseCapacity = 6000;

// Results of placing a tile (the positive ones are message numbers).
inline constexpr std::int16_t kTileOk = 0;
inline constexpr std::int16_t kTileSideTaken = -1;      // nothing happens, not an error
inline constexpr std::int16_t kTileNoRoom = 4;          // "no more room"
inline constexpr std::int16_t kTileInconsistent = 6;    // "inconsistent data"
inline constexpr std::int16_t kTileArrowConflict = 124; // "segments do not match"
inline constexpr std::int16_t kTileIncompatible = 145;  // "incompatible tile"

struct PenroseEdge {
  std::int16_t from = 0;  // from -> to is the arrow
  std::int16_t to = 0;
  std::int16_t tile0 = -1;  // the tile on side 0 (left of the arrow), -1 when open
  std::int16_t tile1 = -1;  // the tile on side 1
  std::int16_t dir = 0;     // 0..9, steps of 36 degrees
  std::int16_t kind = 0;    // kites and darts: 1 long, 0 short; rhombs: the marking
};

struct PenroseTile {
  std::array<std::int16_t, 4> c{};  // corners in counter-clockwise order
  std::int16_t reserved = -1;
  std::int16_t dir = 0;  // direction of the side c0 -> c1
  std::int16_t type = 0;
  std::int16_t color = 0;  // index into the window's colour table
};

struct TilePlacement {
  std::int16_t edge = 0;
  std::int16_t side = 0;
  std::int16_t type = 0;
  std::int16_t color = 0;
  // 1 while more records of the same user action follow; 0 on an action's last record.
  std::uint8_t continued = 0;
};

inline constexpr int kPenroseEdgeBytes = 12;
inline constexpr int kPenroseTileBytes = 16;
inline constexpr int kTilePlacementBytes = 9;

// Ammann bar positions of the five families, each list in ascending order. A position p of family
// f is the line of points x with Dot2(x, unitDirs[2f + 1]) = p.
using AmmannBarLists = std::array<std::vector<Real>, 5>;

// Lookups derived from the tables so that finding a vertex, an edge or the tiles at a vertex does
// not scan whole tables. Kept in step by the functions of the engine.
struct PenroseLookup {
  struct VertexTiles {
    std::array<std::int16_t, 10> tiles{};  // ascending tile indices
    std::uint8_t count = 0;
    std::uint8_t angle = 0;  // the corner angles of those tiles, in units of 36 degrees
  };
  std::unordered_map<std::int64_t, std::int16_t> cellHead;  // newest vertex of each grid cell
  std::vector<std::int16_t> nextInCell;                     // per vertex
  std::vector<std::int16_t> edgeHead;                       // per vertex: newest edge touching it
  std::vector<std::int16_t> nextAtFrom;                     // per edge: next edge at its `from`
  std::vector<std::int16_t> nextAtTo;                       // per edge: next edge at its `to`
  std::vector<VertexTiles> vertexTiles;                     // per vertex
};

// What an attach changed in place, so a refused attach can be taken back exactly.
struct PenroseJournal {
  struct SideChange {
    std::int16_t edge;
    std::int16_t side;
    std::int16_t old;
  };
  struct BarInsert {
    std::int16_t family;
    Real position;
  };
  bool active = false;
  std::vector<SideChange> sides;
  std::vector<BarInsert> bars;
};

struct PenroseTiling {
  // mode: 0 kites and darts, 1 rhombs. The capacity is that of the window; benchmarks may ask for
  // more (indices stay 16-bit).
  explicit PenroseTiling(std::uint8_t tilingMode = 0, int tableCapacity = kPenroseCapacity);

  std::uint8_t mode = 0;
  int capacity = kPenroseCapacity;

  // Settings of the window that the engine follows.
  bool forcedTiles = false;    // attach the tiles each new tile forces
  bool compatibility = true;   // refuse tiles that break the Ammann bar spacing
  std::int16_t kiteColor = 8;  // colour indices of new tiles of type 0 and 1
  std::int16_t dartColor = 7;
  Real vertexTolerance = static_cast<Real>(1e-8);  // taxicab distance below which points are one vertex

  // Persistent state: the rotation in whole degrees and the placement list. `placements` holds the
  // records up to the redo limit; the tiling is records 0 .. lastPlacement.
  std::int16_t rotation = 0;
  std::vector<TilePlacement> placements;
  std::int16_t lastPlacement = -1;

  // Derived state.
  std::array<Point2, 10> unitDirs{};
  std::array<Point2, 10> longDirs{};
  std::vector<Point2> vertices;
  std::vector<PenroseEdge> edges;
  std::vector<PenroseTile> tiles;
  std::vector<std::int16_t> tileLastEdge;  // per tile: the last edge index once its edges were added
  std::vector<std::int16_t> tileRecord;    // per tile: the placement record that made it
  AmmannBarLists bars;
  bool replaying = false;
  std::int16_t replayRecord = -1;  // the record being replayed

  PenroseLookup lookup;
  PenroseJournal journal;

  std::int16_t LastVertex() const { return static_cast<std::int16_t>(vertices.size()) - 1; }
  std::int16_t LastEdge() const { return static_cast<std::int16_t>(edges.size()) - 1; }
  std::int16_t LastTile() const { return static_cast<std::int16_t>(tiles.size()) - 1; }
  int TileCount() const { return static_cast<int>(tiles.size()); }
  // Redo may raise lastPlacement back up to this.
  std::int16_t RedoLimit() const { return static_cast<std::int16_t>(placements.size()) - 1; }
};

// The golden ratio (sqrt 5 + 1) / 2.
Real Phi();

// Empties the tables and lays the start edge: vertex 0 at the origin, vertex 1 at unitDirs[0], and
// edge 0 from 0 to 1 of direction 0 and kind 0. The placement list is kept.
void ResetTiling(PenroseTiling& tiling, std::int16_t rotation);

// The lowest vertex within `tolerance` of the point (taxicab distance), else -1.
std::int16_t FindVertex(const PenroseTiling& tiling, const Point2& point, Real tolerance);
// The edge joining a and b in either order, else -1; forward tells whether it runs from a to b.
std::int16_t FindEdge(const PenroseTiling& tiling, int a, int b, bool& forward);
// The tile on the given side of the edge from a to b (either order), -1 when there is none.
std::int16_t TileOnSide(const PenroseTiling& tiling, int a, int b, int side);

// Attaches a tile of `type` on `side` of `edge`. Returns kTileOk; kTileSideTaken when that side
// holds a tile already; kTileNoRoom when a table could overflow; kTileInconsistent for an edge,
// side or type out of range; kTileArrowConflict when a side of the new tile meets an edge with
// the other arrow; kTileIncompatible when the tile would overlap a tile already there (a side
// taken or a corner angle over 360 degrees) or its Ammann bars break the spacing. For all but the
// last the tables are left exactly as they were; a bar conflict leaves the tile in place for the
// caller to take back. Outside a replay the placement is appended to the placement list.
std::int16_t PlaceTile(PenroseTiling& tiling, std::int16_t edge, std::int16_t side, std::int16_t type,
                       std::int16_t color);

// Replays placements 0 .. lastPlacement on the current tables (after a reset), with empty bar
// lists, no forced tiles and results ignored. Records naming an edge beyond the last edge, or a
// side or type other than 0 and 1, are skipped.
void RebuildTiling(PenroseTiling& tiling);

// Removes the last user action (its records down to the previous record with continued 0), never
// record 0, and rebuilds. False when there is nothing to remove.
bool UndoAction(PenroseTiling& tiling);
// Puts back one record below the redo limit and rebuilds. False when there is none.
bool RedoPlacement(PenroseTiling& tiling);
// Adds `degrees` to the rotation (the remainder of the sum by 360, with the sum's sign) and rebuilds.
void RotateTiling(PenroseTiling& tiling, std::int32_t degrees);

// Gives a tile a new colour, in its tile record and in the placement record that made it; false
// for a tile index out of range.
bool RecolorTile(PenroseTiling& tiling, int tile, std::int16_t color);

// The corner angle of a tile's corner k (0..3), in units of 36 degrees.
int CornerAngle(int mode, int type, int corner);

// The counts of the tables, for taking back an attach.
struct PenroseCounts {
  std::size_t vertices = 0;
  std::size_t edges = 0;
  std::size_t tiles = 0;
  std::size_t placements = 0;
  std::int16_t lastPlacement = -1;
};
PenroseCounts CountsOf(const PenroseTiling& tiling);
// Drops everything beyond the counts and undoes the journalled changes of older records.
void RollBack(PenroseTiling& tiling, const PenroseCounts& counts);

}  // namespace special

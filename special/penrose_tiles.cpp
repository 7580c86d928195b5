#include "special/penrose_tiles.h"

#include <algorithm>
#include <cmath>

#include "kernel/vector2.h"
#include "special/penrose_bars.h"

namespace special {

namespace {

// Where the two new corners of a tile lie, by i = 8 mode + 4 type + 2 kind + side: the new corner
// beside the arrow's head, the one beside its tail, the tile's direction, and the corner of the
// cycle (tail, head, new head-side corner, new tail-side corner) that is the tile's c0.
constexpr std::array<int, 16> kEndOffset = {3, 7, 3, 7, 9, 1, 3, 7, 2, 8, 2, 8, 4, 6, 1, 9};
constexpr std::array<int, 16> kStartOffset = {4, 6, 2, 8, 1, 9, 1, 9, 2, 8, 2, 8, 4, 6, 1, 9};
constexpr std::array<int, 16> kTileOffset = {0, 6, 4, 2, 0, 6, 7, 9, 0, 8, 5, 3, 0, 6, 6, 0};
constexpr std::array<int, 16> kFirstCorner = {0, 4, 2, 6, 0, 6, 2, 4, 0, 4, 2, 6, 0, 4, 3, 3};

// Corner angles in units of 36 degrees: kite, dart, 72-degree rhomb, 36-degree rhomb.
constexpr int kCornerAngles[2][2][4] = {{{4, 2, 2, 2}, {1, 6, 1, 2}}, {{2, 3, 2, 3}, {4, 1, 4, 1}}};

// Grid cells of half a unit: a vertex is at least 0.618 from any other. Cells are found in double
// precision, which is monotonic, so a point within the tolerance of a vertex always looks in the
// vertex's cell (and the x87 float-to-integer conversions stay out of the hot path).
constexpr Real kCellSize = static_cast<Real>(0.5);
constexpr double kCellsPerUnit = 2.0;
// Beyond this a coordinate is not put in the grid (it cannot come from a real tiling).
constexpr double kGridLimit = 1e9;

bool CellOf(const Point2& p, std::int64_t& cx, std::int64_t& cy) {
  const double x = static_cast<double>(p.x) * kCellsPerUnit;
  const double y = static_cast<double>(p.y) * kCellsPerUnit;
  if (!(std::fabs(x) < kGridLimit && std::fabs(y) < kGridLimit)) return false;
  cx = static_cast<std::int64_t>(std::floor(x));
  cy = static_cast<std::int64_t>(std::floor(y));
  return true;
}

std::int64_t CellKey(std::int64_t cx, std::int64_t cy) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(cx) << 32) ^
                                   (static_cast<std::uint64_t>(cy) & 0xffffffffULL));
}

// Vertices outside the grid sit in one list of their own under this key.
constexpr std::int64_t kFarKey = INT64_MIN;

std::int64_t KeyOf(const Point2& p) {
  std::int64_t cx = 0;
  std::int64_t cy = 0;
  return CellOf(p, cx, cy) ? CellKey(cx, cy) : kFarKey;
}

void AppendVertex(PenroseTiling& t, const Point2& p) {
  const auto v = static_cast<std::int16_t>(t.vertices.size());
  t.vertices.push_back(p);
  auto [it, inserted] = t.lookup.cellHead.try_emplace(KeyOf(p), std::int16_t{-1});
  t.lookup.nextInCell.push_back(it->second);
  it->second = v;
  t.lookup.edgeHead.push_back(-1);
  t.lookup.vertexTiles.emplace_back();
}

void AppendEdge(PenroseTiling& t, const PenroseEdge& e) {
  const auto index = static_cast<std::int16_t>(t.edges.size());
  t.edges.push_back(e);
  auto& head = t.lookup.edgeHead;
  t.lookup.nextAtFrom.push_back(head[static_cast<std::size_t>(e.from)]);
  t.lookup.nextAtTo.push_back(head[static_cast<std::size_t>(e.to)]);
  head[static_cast<std::size_t>(e.from)] = index;
  head[static_cast<std::size_t>(e.to)] = index;
}

void SetEdgeSide(PenroseTiling& t, std::int16_t edge, int side, std::int16_t tile) {
  PenroseEdge& e = t.edges[static_cast<std::size_t>(edge)];
  std::int16_t& slot = side == 0 ? e.tile0 : e.tile1;
  if (t.journal.active) t.journal.sides.push_back({edge, static_cast<std::int16_t>(side), slot});
  slot = tile;
}

bool VertexExists(const PenroseTiling& t, int v) { return v >= 0 && v < static_cast<int>(t.vertices.size()); }

// One side of a new tile: the edge it matches or makes.
struct TileSide {
  int from;
  int to;
  int tileSide;
  int dir;
  int kind;
};

std::array<TileSide, 4> SidesOf(int mode, int type, const std::array<int, 4>& w, int dir) {
  const int t = type;
  const int r = mode == 1 ? t : 0;
  const int m = mode == 1 ? 1 - t : 0;
  std::array<TileSide, 4> sides{};
  sides[0] = {w[0], w[1], 0, dir, 0};
  const int dir2 = (dir + 18 - 4 * t - m) % 10;
  if (mode == 0 || t == 0) {
    sides[1] = {w[2], w[1], 1, dir2, 1 - t};
  } else {
    sides[1] = {w[1], w[2], 0, dir2, 1};
  }
  const int dir3 = (dir + 16 - 3 * t - m - 3 * r) % 10;
  if (r == 0) {
    sides[2] = {w[2], w[3], 0, dir3, 1};
  } else {
    sides[2] = {w[3], w[2], 1, dir3, 1};
  }
  sides[3] = {w[0], w[3], 1, (dir + 14 - 3 * t + 3 * r - 2 * m) % 10, t - r};
  return sides;
}

std::int16_t FindVertexScan(const PenroseTiling& t, const Point2& point, Real tolerance) {
  for (std::size_t v = 0; v < t.vertices.size(); ++v) {
    if (kernel::TaxiDist2(t.vertices[v], point) < tolerance) return static_cast<std::int16_t>(v);
  }
  return -1;
}

}  // namespace

Real Phi() { return (std::sqrt(static_cast<Real>(5)) + 1) / 2; }

int CornerAngle(int mode, int type, int corner) { return kCornerAngles[mode & 1][type & 1][corner & 3]; }

PenroseTiling::PenroseTiling(std::uint8_t tilingMode, int tableCapacity)
    : mode(tilingMode), capacity(std::clamp(tableCapacity, 2, 32767)) {
  const auto n = static_cast<std::size_t>(capacity);
  vertices.reserve(n);
  edges.reserve(n);
  tiles.reserve(n);
  tileLastEdge.reserve(n);
  tileRecord.reserve(n);
  placements.reserve(n);
  ResetTiling(*this, 0);
}

void ResetTiling(PenroseTiling& t, std::int16_t rotation) {
  t.rotation = rotation;
  Point2 u{1, 0};
  kernel::Rotate2(u, static_cast<Real>(rotation) * kernel::Pi / 180);
  const Real phi = Phi();
  for (int k = 0; k < 10; ++k) {
    t.unitDirs[static_cast<std::size_t>(k)] = u;
    t.longDirs[static_cast<std::size_t>(k)] = u * phi;
    kernel::Rotate2(u, kernel::Pi / 5);
  }
  t.vertices.clear();
  t.edges.clear();
  t.tiles.clear();
  t.tileLastEdge.clear();
  t.tileRecord.clear();
  t.lookup.cellHead.clear();
  t.lookup.nextInCell.clear();
  t.lookup.edgeHead.clear();
  t.lookup.nextAtFrom.clear();
  t.lookup.nextAtTo.clear();
  t.lookup.vertexTiles.clear();
  t.journal = {};
  AppendVertex(t, {0, 0});
  AppendVertex(t, t.unitDirs[0]);
  AppendEdge(t, PenroseEdge{0, 1, -1, -1, 0, 0});
}

std::int16_t FindVertex(const PenroseTiling& t, const Point2& point, Real tolerance) {
  if (!(tolerance > 0)) return -1;
  std::int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  const bool far = !t.lookup.cellHead.empty() && t.lookup.cellHead.count(kFarKey) != 0;
  if (far || !(tolerance < 4 * kCellSize) || !CellOf({point.x - tolerance, point.y - tolerance}, x0, y0) ||
      !CellOf({point.x + tolerance, point.y + tolerance}, x1, y1)) {
    return FindVertexScan(t, point, tolerance);
  }
  std::int16_t best = -1;
  for (std::int64_t cx = x0; cx <= x1; ++cx) {
    for (std::int64_t cy = y0; cy <= y1; ++cy) {
      const auto it = t.lookup.cellHead.find(CellKey(cx, cy));
      if (it == t.lookup.cellHead.end()) continue;
      for (std::int16_t v = it->second; v >= 0; v = t.lookup.nextInCell[static_cast<std::size_t>(v)]) {
        if ((best < 0 || v < best) && kernel::TaxiDist2(t.vertices[static_cast<std::size_t>(v)], point) < tolerance) {
          best = v;
        }
      }
    }
  }
  return best;
}

std::int16_t FindEdge(const PenroseTiling& t, int a, int b, bool& forward) {
  forward = false;
  if (!VertexExists(t, a) || !VertexExists(t, b)) return -1;
  // Only one edge can join two vertices: edges are made only where FindEdge found none.
  for (std::int16_t e = t.lookup.edgeHead[static_cast<std::size_t>(a)]; e >= 0;) {
    const PenroseEdge& edge = t.edges[static_cast<std::size_t>(e)];
    if (edge.from == a && edge.to == b) {
      forward = true;
      return e;
    }
    if (edge.from == b && edge.to == a) return e;
    e = edge.from == a ? t.lookup.nextAtFrom[static_cast<std::size_t>(e)] : t.lookup.nextAtTo[static_cast<std::size_t>(e)];
  }
  return -1;
}

std::int16_t TileOnSide(const PenroseTiling& t, int a, int b, int side) {
  bool forward = false;
  const std::int16_t e = FindEdge(t, a, b, forward);
  if (e < 0) return -1;
  const PenroseEdge& edge = t.edges[static_cast<std::size_t>(e)];
  return side == 0 ? edge.tile0 : edge.tile1;
}

std::int16_t PlaceTile(PenroseTiling& t, std::int16_t edge, std::int16_t side, std::int16_t type,
                       std::int16_t color) {
  if (edge < 0 || edge > t.LastEdge() || side < 0 || side > 1 || type < 0 || type > 1) return kTileInconsistent;
  const PenroseEdge e = t.edges[static_cast<std::size_t>(edge)];
  if ((side == 0 ? e.tile0 : e.tile1) >= 0) return kTileSideTaken;
  const std::size_t cap = static_cast<std::size_t>(t.capacity);
  const std::size_t placementsAfter = static_cast<std::size_t>(t.lastPlacement + 1) + 1;
  if (t.vertices.size() + 2 > cap || t.edges.size() + 3 > cap || t.tiles.size() + 1 > cap ||
      (!t.replaying && placementsAfter > cap)) {
    return kTileNoRoom;
  }

  const int mode = t.mode & 1;
  const int i = 8 * mode + 4 * type + 2 * (e.kind & 1) + side;
  const bool longFromHead = mode == 0 && type == e.kind;
  const auto& headTable = longFromHead ? t.longDirs : t.unitDirs;
  const auto& tailTable = (mode == 0 && !longFromHead) ? t.longDirs : t.unitDirs;
  const Point2 P = t.vertices[static_cast<std::size_t>(e.to)] +
                   headTable[static_cast<std::size_t>((e.dir + kEndOffset[static_cast<std::size_t>(i)]) % 10)];
  const Point2 Q = t.vertices[static_cast<std::size_t>(e.from)] +
                   tailTable[static_cast<std::size_t>((e.dir + kStartOffset[static_cast<std::size_t>(i)]) % 10)];
  const int dir = (e.dir + kTileOffset[static_cast<std::size_t>(i)]) % 10;

  // Existing vertices are reused; new ones get the next indices, P before Q.
  int next = static_cast<int>(t.vertices.size());
  int p = FindVertex(t, P, t.vertexTolerance);
  const bool newP = p < 0;
  if (newP) p = next++;
  int q = FindVertex(t, Q, t.vertexTolerance);
  const bool newQ = q < 0;
  if (newQ) q = next++;

  // Only a tolerance as wide as a tile could merge corners; such a tile cannot be placed.
  if (p == q || p == e.from || p == e.to || q == e.from || q == e.to) return kTileIncompatible;
  const std::array<int, 4> cycle = {e.from, e.to, p, q};
  const int first = kFirstCorner[static_cast<std::size_t>(i)] % 4;
  std::array<int, 4> w{};
  for (int k = 0; k < 4; ++k) {
    const int at = side == 0 ? first + k : first - k + 4;
    w[static_cast<std::size_t>(k)] = cycle[static_cast<std::size_t>(at % 4)];
  }
  const std::array<TileSide, 4> sides = SidesOf(mode, type, w, dir);

  // Everything that can refuse the tile is checked before anything is written.
  std::array<std::int16_t, 4> found{};
  for (std::size_t k = 0; k < 4; ++k) {
    bool forward = false;
    found[k] = FindEdge(t, sides[k].from, sides[k].to, forward);
    if (found[k] < 0) continue;
    if (!forward) return kTileArrowConflict;
    const PenroseEdge& other = t.edges[static_cast<std::size_t>(found[k])];
    const std::int16_t holder = sides[k].tileSide == 0 ? other.tile0 : other.tile1;
    if (holder >= 0) return kTileIncompatible;  // another tile lies there already
  }
  for (int k = 0; k < 4; ++k) {
    const int v = w[static_cast<std::size_t>(k)];
    if (!VertexExists(t, v)) continue;
    if (t.lookup.vertexTiles[static_cast<std::size_t>(v)].angle + CornerAngle(mode, type, k) > 10) {
      return kTileIncompatible;
    }
  }

  if (newP) AppendVertex(t, P);
  if (newQ) AppendVertex(t, Q);
  const auto T = static_cast<std::int16_t>(t.tiles.size());
  PenroseTile tile;
  for (std::size_t k = 0; k < 4; ++k) tile.c[k] = static_cast<std::int16_t>(w[k]);
  tile.dir = static_cast<std::int16_t>(dir);
  tile.type = type;
  tile.color = color;
  t.tiles.push_back(tile);
  SetEdgeSide(t, edge, side, T);
  for (std::size_t k = 0; k < 4; ++k) {
    const TileSide& s = sides[k];
    if (found[k] >= 0) {
      SetEdgeSide(t, found[k], s.tileSide, T);
    } else {
      PenroseEdge made{static_cast<std::int16_t>(s.from), static_cast<std::int16_t>(s.to), -1, -1,
                       static_cast<std::int16_t>(s.dir), static_cast<std::int16_t>(s.kind)};
      (s.tileSide == 0 ? made.tile0 : made.tile1) = T;
      AppendEdge(t, made);
    }
  }
  t.tileLastEdge.push_back(t.LastEdge());
  for (int k = 0; k < 4; ++k) {
    auto& at = t.lookup.vertexTiles[static_cast<std::size_t>(w[static_cast<std::size_t>(k)])];
    at.tiles[at.count++] = T;
    at.angle = static_cast<std::uint8_t>(at.angle + CornerAngle(mode, type, k));
  }

  if (!t.replaying) {
    t.placements.resize(static_cast<std::size_t>(t.lastPlacement + 1));
    t.placements.push_back({edge, side, type, color, 1});
    ++t.lastPlacement;
  }
  t.tileRecord.push_back(t.replaying ? t.replayRecord : t.lastPlacement);
  return RegisterTileBars(t, T) ? kTileOk : kTileIncompatible;
}

void RebuildTiling(PenroseTiling& t) {
  FreeAmmannBars(t);
  t.replaying = true;
  const int last = std::min<int>(t.lastPlacement, static_cast<int>(t.placements.size()) - 1);
  for (int k = 0; k <= last; ++k) {
    const TilePlacement& r = t.placements[static_cast<std::size_t>(k)];
    if (r.edge < 0 || r.edge > t.LastEdge() || r.side < 0 || r.side > 1 || r.type < 0 || r.type > 1) continue;
    t.replayRecord = static_cast<std::int16_t>(k);
    PlaceTile(t, r.edge, r.side, r.type, r.color);
  }
  t.replaying = false;
  t.replayRecord = -1;
}

bool UndoAction(PenroseTiling& t) {
  if (t.lastPlacement < 1) return false;
  do {
    --t.lastPlacement;
  } while (t.lastPlacement > 0 && t.placements[static_cast<std::size_t>(t.lastPlacement)].continued != 0);
  ResetTiling(t, t.rotation);
  RebuildTiling(t);
  return true;
}

bool RedoPlacement(PenroseTiling& t) {
  if (t.lastPlacement >= t.RedoLimit()) return false;
  ++t.lastPlacement;
  ResetTiling(t, t.rotation);
  RebuildTiling(t);
  return true;
}

void RotateTiling(PenroseTiling& t, std::int32_t degrees) {
  const std::int64_t sum = static_cast<std::int64_t>(t.rotation) + degrees;
  ResetTiling(t, static_cast<std::int16_t>(sum % 360));
  RebuildTiling(t);
}

bool RecolorTile(PenroseTiling& t, int tile, std::int16_t color) {
  if (tile < 0 || tile >= t.TileCount()) return false;
  t.tiles[static_cast<std::size_t>(tile)].color = color;
  const int record = t.tileRecord[static_cast<std::size_t>(tile)];
  if (record >= 0 && record < static_cast<int>(t.placements.size())) t.placements[static_cast<std::size_t>(record)].color = color;
  return true;
}

PenroseCounts CountsOf(const PenroseTiling& t) {
  return {t.vertices.size(), t.edges.size(), t.tiles.size(), t.placements.size(), t.lastPlacement};
}

void RollBack(PenroseTiling& t, const PenroseCounts& counts) {
  auto& j = t.journal;
  for (auto it = j.sides.rbegin(); it != j.sides.rend(); ++it) {
    if (static_cast<std::size_t>(it->edge) >= t.edges.size()) continue;
    PenroseEdge& e = t.edges[static_cast<std::size_t>(it->edge)];
    (it->side == 0 ? e.tile0 : e.tile1) = it->old;
  }
  for (auto it = j.bars.rbegin(); it != j.bars.rend(); ++it) {
    auto& list = t.bars[static_cast<std::size_t>(it->family)];
    const auto found = std::find(list.begin(), list.end(), it->position);
    if (found != list.end()) list.erase(found);
  }
  j.sides.clear();
  j.bars.clear();

  const int mode = t.mode & 1;
  while (t.tiles.size() > counts.tiles) {
    const PenroseTile& tile = t.tiles.back();
    for (int k = 0; k < 4; ++k) {
      auto& at = t.lookup.vertexTiles[static_cast<std::size_t>(tile.c[static_cast<std::size_t>(k)])];
      --at.count;
      at.angle = static_cast<std::uint8_t>(at.angle - CornerAngle(mode, tile.type, k));
    }
    t.tiles.pop_back();
    t.tileLastEdge.pop_back();
    t.tileRecord.pop_back();
  }
  while (t.edges.size() > counts.edges) {
    const std::size_t e = t.edges.size() - 1;
    const PenroseEdge& edge = t.edges[e];
    t.lookup.edgeHead[static_cast<std::size_t>(edge.from)] = t.lookup.nextAtFrom[e];
    t.lookup.edgeHead[static_cast<std::size_t>(edge.to)] = t.lookup.nextAtTo[e];
    t.edges.pop_back();
    t.lookup.nextAtFrom.pop_back();
    t.lookup.nextAtTo.pop_back();
  }
  while (t.vertices.size() > counts.vertices) {
    const std::size_t v = t.vertices.size() - 1;
    const auto it = t.lookup.cellHead.find(KeyOf(t.vertices[v]));
    if (it != t.lookup.cellHead.end()) {
      it->second = t.lookup.nextInCell[v];
      if (it->second < 0) t.lookup.cellHead.erase(it);
    }
    t.vertices.pop_back();
    t.lookup.nextInCell.pop_back();
    t.lookup.edgeHead.pop_back();
    t.lookup.vertexTiles.pop_back();
  }
  if (t.placements.size() > counts.placements) t.placements.resize(counts.placements);
  t.lastPlacement = counts.lastPlacement;
}

}  // namespace special

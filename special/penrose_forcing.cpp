#include "special/penrose_forcing.h"

namespace special {

namespace {

PenroseTile TileAt(const PenroseTiling& t, std::int16_t index) { return t.tiles[static_cast<std::size_t>(index)]; }

int Corner(const PenroseTile& tile, int k) { return tile.c[static_cast<std::size_t>(k)]; }

std::int16_t AddTile(PenroseTiling& t, int type, std::int16_t edge, std::int16_t side);

// A tile of `type` on the side of the edge joining a and b; with checkArrow the edge must run
// from a to b.
std::int16_t AddOn(PenroseTiling& t, int type, int a, int b, int side, bool checkArrow) {
  bool forward = false;
  const std::int16_t e = FindEdge(t, a, b, forward);
  if (e >= 0 && checkArrow && !forward) return kTileArrowConflict;
  if (e < 0) return kTileInconsistent;
  return AddTile(t, type, e, static_cast<std::int16_t>(side));
}

std::int16_t KiteOn(PenroseTiling& t, int a, int b, int side) { return AddOn(t, 0, a, b, side, false); }
std::int16_t DartOn(PenroseTiling& t, int a, int b, int side) { return AddOn(t, 1, a, b, side, false); }
std::int16_t FatOn(PenroseTiling& t, int a, int b, int side) { return AddOn(t, 0, a, b, side, true); }
std::int16_t SkinnyOn(PenroseTiling& t, int a, int b, int side) { return AddOn(t, 1, a, b, side, true); }

// The edge from a to b for the rhomb rules: its index, kArrowConflict or kInconsistent as a
// negative code.
std::int16_t CheckedEdge(const PenroseTiling& t, int a, int b, std::int16_t& code) {
  bool forward = false;
  const std::int16_t e = FindEdge(t, a, b, forward);
  code = kTileOk;
  if (e >= 0 && !forward) code = kTileArrowConflict;
  if (e < 0) code = kTileInconsistent;
  return e;
}

std::int16_t SideTile(const PenroseTiling& t, std::int16_t edge, int side) {
  const PenroseEdge& e = t.edges[static_cast<std::size_t>(edge)];
  return side == 0 ? e.tile0 : e.tile1;
}

bool IsType(const PenroseTiling& t, std::int16_t tile, int type) {
  return tile >= 0 && t.tiles[static_cast<std::size_t>(tile)].type == type;
}

// Up to `most` tiles of `type` whose corner `corner` is the vertex, in tile order.
int TilesWithCorner(const PenroseTiling& t, int vertex, int type, int corner, int most, std::int16_t* out) {
  if (vertex < 0 || vertex > t.LastVertex()) return 0;
  const auto& at = t.lookup.vertexTiles[static_cast<std::size_t>(vertex)];
  int n = 0;
  for (int k = 0; k < at.count && n < most; ++k) {
    const PenroseTile& tile = t.tiles[static_cast<std::size_t>(at.tiles[static_cast<std::size_t>(k)])];
    if (tile.type == type && Corner(tile, corner) == vertex) out[n++] = at.tiles[static_cast<std::size_t>(k)];
  }
  return n;
}

std::int16_t AddTile(PenroseTiling& t, int type, std::int16_t edge, std::int16_t side) {
  if (t.TileCount() >= t.capacity) return kTileNoRoom;
  const std::int16_t placed =
      PlaceTile(t, edge, side, static_cast<std::int16_t>(type), type == 0 ? t.kiteColor : t.dartColor);
  if (placed != kTileOk || !t.forcedTiles) return placed;
  const std::int16_t T = t.LastTile();
  const PenroseTile tile = TileAt(t, T);
  std::int16_t r = kTileOk;
  if (t.mode == 0 && type == 0) {
    r = ForceKiteStar(t, Corner(tile, 2));
    if (r < 1) r = ForceKiteTailPair(t, Corner(tile, 0));
    if (r < 1) r = ForceAcrossEdge(t, edge);
  } else if (t.mode == 0) {
    r = ForceDartSides(t, T);
    if (r < 1) r = ForceDartStar(t, Corner(tile, 3));
    if (r < 1) r = ForceAcrossEdge(t, edge);
  } else if (type == 0) {
    r = ForceFatRhomb(t, T);
  } else {
    r = ForceSkinnyRhomb(t, T);
  }
  return r;
}

}  // namespace

std::int16_t AddKite(PenroseTiling& t, std::int16_t edge, std::int16_t side) { return AddTile(t, 0, edge, side); }
std::int16_t AddDart(PenroseTiling& t, std::int16_t edge, std::int16_t side) { return AddTile(t, 1, edge, side); }

std::int16_t ForceKiteStar(PenroseTiling& t, int x) {
  std::int16_t kites[5];
  const int n = TilesWithCorner(t, x, 0, 2, 5, kites);
  if (n < 3) return kTileOk;
  std::int16_t r = kTileOk;
  for (int k = 0; k < n; ++k) {
    const PenroseTile K = TileAt(t, kites[k]);
    if ((r = KiteOn(t, Corner(K, 2), Corner(K, 1), 0)) > 0) return r;
    if ((r = KiteOn(t, Corner(K, 2), Corner(K, 3), 1)) > 0) return r;
  }
  return r;
}

std::int16_t ForceDartStar(PenroseTiling& t, int x) {
  std::int16_t darts[5];
  const int n = TilesWithCorner(t, x, 1, 3, 5, darts);
  if (n < 4) return kTileOk;
  std::int16_t r = kTileOk;
  for (int k = 0; k < n; ++k) {
    const PenroseTile D = TileAt(t, darts[k]);
    if ((r = DartOn(t, Corner(D, 0), Corner(D, 3), 0)) > 0) return r;
    if ((r = DartOn(t, Corner(D, 2), Corner(D, 3), 1)) > 0) return r;
  }
  return r;
}

std::int16_t ForceKiteTailPair(PenroseTiling& t, int x) {
  std::int16_t kites[2];
  if (TilesWithCorner(t, x, 0, 0, 2, kites) < 2) return kTileOk;
  PenroseTile A = TileAt(t, kites[0]);
  PenroseTile B = TileAt(t, kites[1]);
  if (Corner(A, 3) == Corner(B, 1)) std::swap(A, B);
  const std::int16_t r = DartOn(t, x, Corner(A, 3), 0);
  if (r > 0) return r;
  return DartOn(t, x, Corner(B, 1), 1);
}

std::int16_t ForceDartSides(PenroseTiling& t, std::int16_t dart) {
  const PenroseTile D = TileAt(t, dart);
  const std::int16_t r = KiteOn(t, Corner(D, 0), Corner(D, 1), 1);
  if (r > 0) return r;
  return KiteOn(t, Corner(D, 2), Corner(D, 1), 0);
}

std::int16_t ForceKiteFan(PenroseTiling& t, std::int16_t dart) {
  const PenroseTile D = TileAt(t, dart);
  std::int16_t r = KiteOn(t, Corner(D, 0), Corner(D, 1), 1);
  if (r > 0) return r;
  std::int16_t T = TileOnSide(t, Corner(D, 0), Corner(D, 1), 1);
  if (T < 0) return kTileInconsistent;
  for (int k = 0; k < 4; ++k) {
    const PenroseTile tile = TileAt(t, T);
    if ((r = KiteOn(t, Corner(tile, 2), Corner(tile, 1), 0)) > 0) return r;
    T = TileOnSide(t, Corner(tile, 2), Corner(tile, 1), 0);
    if (T < 0) return kTileInconsistent;
  }
  return r;
}

std::int16_t ForceAcrossEdge(PenroseTiling& t, std::int16_t edge) {
  const PenroseEdge e = t.edges[static_cast<std::size_t>(edge)];
  if (e.kind != 1 || e.tile0 < 0 || e.tile1 < 0) return kTileOk;
  const PenroseTile first = TileAt(t, e.tile0);
  const PenroseTile second = TileAt(t, e.tile1);
  if (first.type + second.type != 1) return kTileOk;
  const bool kiteOnSide0 = first.type == 0;
  const PenroseTile K = kiteOnSide0 ? first : second;
  std::int16_t r = ForceKiteFan(t, kiteOnSide0 ? e.tile1 : e.tile0);
  if (r > 0) return r;

  const int j = kiteOnSide0 ? 1 : 3;
  const int s = j / 2;
  if ((r = KiteOn(t, Corner(K, 2), Corner(K, j), s)) > 0) return r;
  const std::int16_t n = TileOnSide(t, Corner(K, 2), Corner(K, j), s);
  if (n < 0) return kTileInconsistent;
  const PenroseTile N = TileAt(t, n);
  if ((r = DartOn(t, Corner(N, 2), Corner(N, j), s)) > 0) return r;
  if ((r = DartOn(t, Corner(N, 0), Corner(N, 4 - j), s)) > 0) return r;
  bool forward = false;
  const std::int16_t across = FindEdge(t, Corner(N, 0), Corner(N, 4 - j), forward);
  if (across < 0) return kTileInconsistent;
  const PenroseEdge a = t.edges[static_cast<std::size_t>(across)];
  const std::int16_t m = a.tile0 == n ? a.tile1 : a.tile0;
  if (m < 0) return kTileInconsistent;
  const PenroseTile M = TileAt(t, m);
  if ((r = DartOn(t, Corner(M, 0), Corner(M, 3), 0)) > 0) return r;
  return DartOn(t, Corner(M, 2), Corner(M, 3), 1);
}

std::int16_t ForceFatRhomb(PenroseTiling& t, std::int16_t rhomb) {
  const PenroseTile R = TileAt(t, rhomb);
  const int pairs[4][2] = {{0, 1}, {2, 1}, {2, 3}, {0, 3}};
  std::int16_t sides[4];
  for (int k = 0; k < 4; ++k) {
    std::int16_t code = kTileOk;
    sides[k] = CheckedEdge(t, Corner(R, pairs[k][0]), Corner(R, pairs[k][1]), code);
    if (code != kTileOk) return code;
  }
  const std::int16_t A = SideTile(t, sides[0], 1);
  const std::int16_t B = SideTile(t, sides[3], 0);
  std::int16_t r = kTileOk;
  if (IsType(t, A, 1)) {
    if ((r = AddTile(t, 0, sides[1], 0)) > 0) return r;
    const std::int16_t c = SideTile(t, sides[1], 0);
    if (c < 0) return kTileInconsistent;
    const PenroseTile C = TileAt(t, c);
    if ((r = SkinnyOn(t, Corner(C, 0), Corner(C, 3), 0)) > 0) return r;
  }
  if (IsType(t, B, 1)) {
    if (AddTile(t, 0, sides[2], 1) > 0) return kTileInconsistent;
    const std::int16_t c = SideTile(t, sides[2], 1);
    if (c < 0) return kTileInconsistent;
    const PenroseTile C = TileAt(t, c);
    r = SkinnyOn(t, Corner(C, 0), Corner(C, 1), 1);
  }
  return r;
}

std::int16_t ForceSkinnyRhomb(PenroseTiling& t, std::int16_t rhomb) {
  const PenroseTile S = TileAt(t, rhomb);
  const int pairs[4][2] = {{0, 1}, {1, 2}, {3, 2}, {0, 3}};
  std::int16_t sides[4];
  for (int k = 0; k < 4; ++k) {
    std::int16_t code = kTileOk;
    sides[k] = CheckedEdge(t, Corner(S, pairs[k][0]), Corner(S, pairs[k][1]), code);
    if (code != kTileOk) return code;
  }
  std::int16_t r = kTileOk;
  if ((r = AddTile(t, 0, sides[1], 1)) > 0) return r;
  if ((r = AddTile(t, 0, sides[2], 0)) > 0) return r;

  std::int16_t A = SideTile(t, sides[0], 1);
  std::int16_t B = SideTile(t, sides[3], 0);
  if (IsType(t, A, 1)) {
    if ((r = AddTile(t, 0, sides[3], 0)) > 0) return r;
    B = SideTile(t, sides[3], 0);
  }
  if (IsType(t, B, 1)) {
    if ((r = AddTile(t, 0, sides[0], 1)) > 0) return r;
    A = SideTile(t, sides[0], 1);
  }
  if (IsType(t, A, 0)) {
    const PenroseTile a = TileAt(t, A);
    if ((r = FatOn(t, Corner(a, 2), Corner(a, 3), 1)) > 0) return r;
    const std::int16_t c = TileOnSide(t, Corner(a, 2), Corner(a, 3), 1);
    if (c < 0) return kTileInconsistent;
    const PenroseTile C = TileAt(t, c);
    if ((r = SkinnyOn(t, Corner(C, 0), Corner(C, 1), 1)) > 0) return r;
  }
  if (IsType(t, B, 0)) {
    const PenroseTile b = TileAt(t, B);
    if ((r = FatOn(t, Corner(b, 2), Corner(b, 1), 0)) > 0) return r;
    const std::int16_t c = TileOnSide(t, Corner(b, 2), Corner(b, 1), 0);
    if (c < 0) return kTileInconsistent;
    const PenroseTile C = TileAt(t, c);
    if ((r = SkinnyOn(t, Corner(C, 0), Corner(C, 3), 0)) > 0) return r;
  }
  if (IsType(t, A, 0) && IsType(t, B, 0)) {
    const PenroseTile a = TileAt(t, A);
    r = FatOn(t, Corner(a, 0), Corner(a, 1), 1);
  }
  return r;
}

}  // namespace special

#pragma once
// Laying a reference Penrose tiling over the engine's tiles: finding where a patch sits in it, and
// growing a patch outwards with tiles taken from it, so that every tile of the patch is a tile of a
// genuine Penrose tiling.

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "special/penrose_tiles.h"
#include "support/penrose_reference.h"

namespace penrose_test {

using C = std::complex<long double>;
using special::PenroseTiling;
using testsupport::ReferenceTile;

using VertexKey = std::pair<long long, long long>;
inline VertexKey KeyOf(const C& z) { return {std::llround(z.real() * 1e5L), std::llround(z.imag() * 1e5L)}; }
inline C ToC(const kernel::Point2& p) { return {p.x, p.y}; }

// A tile as its type and its sorted corner keys.
using TileKey = std::pair<int, std::array<VertexKey, 4>>;
inline TileKey KeyOfTile(int type, std::array<C, 4> corners) {
  TileKey key{type, {}};
  for (int k = 0; k < 4; ++k) key.second[static_cast<std::size_t>(k)] = KeyOf(corners[static_cast<std::size_t>(k)]);
  std::sort(key.second.begin(), key.second.end());
  return key;
}
inline TileKey KeyOfEngineTile(const PenroseTiling& t, int index) {
  const special::PenroseTile& tile = t.tiles[static_cast<std::size_t>(index)];
  std::array<C, 4> c;
  for (int k = 0; k < 4; ++k) c[static_cast<std::size_t>(k)] = ToC(t.vertices[static_cast<std::size_t>(tile.c[static_cast<std::size_t>(k)])]);
  return KeyOfTile(tile.type, c);
}

// x -> rot * x (or its mirror image) + shift.
struct Placement {
  bool mirror = false;
  C rot{1, 0};
  C shift{0, 0};
  C Apply(const C& x) const { return rot * (mirror ? std::conj(x) : x) + shift; }
  C Invert(const C& y) const {
    const C x = (y - shift) / rot;
    return mirror ? std::conj(x) : x;
  }
};

struct PlacedReference {
  std::vector<std::array<C, 4>> corners;  // in engine coordinates
  std::vector<int> types;
  std::map<TileKey, int> byKey;
  std::map<std::pair<VertexKey, VertexKey>, std::vector<int>> bySide;
};

inline PlacedReference PlaceReference(const std::vector<ReferenceTile>& ref, const Placement& where) {
  PlacedReference out;
  for (const ReferenceTile& r : ref) {
    std::array<C, 4> c;
    for (int k = 0; k < 4; ++k) c[static_cast<std::size_t>(k)] = where.Apply(ToC(r.c[static_cast<std::size_t>(k)]));
    const int index = static_cast<int>(out.corners.size());
    out.corners.push_back(c);
    out.types.push_back(r.type);
    out.byKey[KeyOfTile(r.type, c)] = index;
    for (int k = 0; k < 4; ++k) {
      VertexKey a = KeyOf(c[static_cast<std::size_t>(k)]);
      VertexKey b = KeyOf(c[static_cast<std::size_t>((k + 1) % 4)]);
      if (b < a) std::swap(a, b);
      out.bySide[{a, b}].push_back(index);
    }
  }
  return out;
}

// Where the reference tiling holds the engine's first `count` tiles: the placement whose match for
// tile 0 lies nearest the reference's centre. None when the tiles are nowhere in it.
inline std::optional<Placement> FindInReference(const PenroseTiling& t, int count, const std::vector<ReferenceTile>& ref) {
  if (t.tiles.empty()) return std::nullopt;
  const special::PenroseTile& first = t.tiles[0];
  std::array<C, 4> e;
  for (int k = 0; k < 4; ++k) e[static_cast<std::size_t>(k)] = ToC(t.vertices[static_cast<std::size_t>(first.c[static_cast<std::size_t>(k)])]);
  const TileKey firstKey = KeyOfTile(first.type, e);

  std::vector<std::pair<long double, Placement>> candidates;
  for (const ReferenceTile& r : ref) {
    if (r.type != first.type) continue;
    for (int mirror = 0; mirror < 2; ++mirror) {
      for (int k = 0; k < 4; ++k) {
        for (int step : {1, 3}) {
          Placement p;
          p.mirror = mirror != 0;
          const C a = p.mirror ? std::conj(ToC(r.c[static_cast<std::size_t>(k)])) : ToC(r.c[static_cast<std::size_t>(k)]);
          const C b = p.mirror ? std::conj(ToC(r.c[static_cast<std::size_t>((k + step) % 4)])) : ToC(r.c[static_cast<std::size_t>((k + step) % 4)]);
          p.rot = (e[1] - e[0]) / (b - a);
          if (std::fabs(std::abs(p.rot) - 1) > 1e-9L) continue;
          p.shift = e[0] - p.rot * a;
          std::array<C, 4> mapped;
          for (int j = 0; j < 4; ++j) mapped[static_cast<std::size_t>(j)] = p.Apply(ToC(r.c[static_cast<std::size_t>(j)]));
          if (KeyOfTile(r.type, mapped) != firstKey) continue;
          C centre = 0;
          for (const auto& q : r.c) centre += ToC(q);
          candidates.push_back({std::abs(centre / 4.0L), p});
        }
      }
    }
  }
  std::sort(candidates.begin(), candidates.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::set<TileKey> refKeys;
  for (const ReferenceTile& r : ref) {
    std::array<C, 4> c;
    for (int k = 0; k < 4; ++k) c[static_cast<std::size_t>(k)] = ToC(r.c[static_cast<std::size_t>(k)]);
    refKeys.insert(KeyOfTile(r.type, c));
  }
  for (const auto& [distance, p] : candidates) {
    bool all = true;
    for (int i = 0; i < count && all; ++i) {
      const special::PenroseTile& tile = t.tiles[static_cast<std::size_t>(i)];
      std::array<C, 4> c;
      for (int k = 0; k < 4; ++k) {
        c[static_cast<std::size_t>(k)] = p.Invert(ToC(t.vertices[static_cast<std::size_t>(tile.c[static_cast<std::size_t>(k)])]));
      }
      all = refKeys.count(KeyOfTile(tile.type, c)) != 0;
    }
    if (all) return p;
  }
  return std::nullopt;
}

// Grows the tiling by whole user actions of one tile each, always with the reference tile nearest
// `centre` that lies on an open side of an edge, until the placement list has `records` records.
// colourOf gives a new tile's colour. False when a reference tile could not be placed as itself.
template <typename ColourOf>
bool GrowFromReference(PenroseTiling& t, const PlacedReference& ref, const C& centre, int records, ColourOf colourOf) {
  std::set<int> placed;
  for (int i = 0; i < t.TileCount(); ++i) {
    const auto it = ref.byKey.find(KeyOfEngineTile(t, i));
    if (it == ref.byKey.end()) return false;
    placed.insert(it->second);
  }
  while (t.lastPlacement + 1 < records) {
    long double best = 1e30L;
    int bestEdge = -1;
    int bestSide = 0;
    int bestTile = -1;
    for (int e = 0; e < static_cast<int>(t.edges.size()); ++e) {
      const special::PenroseEdge& edge = t.edges[static_cast<std::size_t>(e)];
      if ((edge.tile0 < 0) == (edge.tile1 < 0)) continue;
      VertexKey a = KeyOf(ToC(t.vertices[static_cast<std::size_t>(edge.from)]));
      VertexKey b = KeyOf(ToC(t.vertices[static_cast<std::size_t>(edge.to)]));
      if (b < a) std::swap(a, b);
      const auto it = ref.bySide.find({a, b});
      if (it == ref.bySide.end()) continue;
      for (int r : it->second) {
        if (placed.count(r) != 0) continue;
        C mid = 0;
        for (const C& z : ref.corners[static_cast<std::size_t>(r)]) mid += z;
        const long double d = std::abs(mid / 4.0L - centre);
        if (d < best - 1e-9L) {
          best = d;
          bestEdge = e;
          bestSide = edge.tile0 < 0 ? 0 : 1;
          bestTile = r;
        }
      }
    }
    if (bestTile < 0) return false;
    const int type = ref.types[static_cast<std::size_t>(bestTile)];
    const std::int16_t code = special::PlaceTile(t, static_cast<std::int16_t>(bestEdge), static_cast<std::int16_t>(bestSide),
                                                 static_cast<std::int16_t>(type), colourOf(t, bestTile, type));
    if (code != special::kTileOk) return false;
    t.placements.back().continued = 0;
    if (ref.byKey.count(KeyOfEngineTile(t, t.LastTile())) == 0 ||
        ref.byKey.at(KeyOfEngineTile(t, t.LastTile())) != bestTile) {
      return false;
    }
    placed.insert(bestTile);
  }
  return true;
}

}  // namespace penrose_test

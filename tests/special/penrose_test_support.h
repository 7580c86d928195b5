#pragma once
// Small helpers for the Penrose engine tests: comparing whole tables and seeding a tiling.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "kernel/vector2.h"
#include "special/penrose_tiles.h"

namespace penrose_test {

// Every table and counter the window and the painter see, compared value by value (the reals
// exactly).
inline ::testing::AssertionResult SameTiling(const special::PenroseTiling& a, const special::PenroseTiling& b) {
  auto fail = [](const char* what) { return ::testing::AssertionFailure() << what << " differ"; };
  if (a.vertices.size() != b.vertices.size()) return fail("vertex counts");
  for (std::size_t i = 0; i < a.vertices.size(); ++i) {
    if (!(a.vertices[i] == b.vertices[i])) return ::testing::AssertionFailure() << "vertex " << i << " differs";
  }
  if (a.edges.size() != b.edges.size()) return fail("edge counts");
  for (std::size_t i = 0; i < a.edges.size(); ++i) {
    const auto& x = a.edges[i];
    const auto& y = b.edges[i];
    if (x.from != y.from || x.to != y.to || x.tile0 != y.tile0 || x.tile1 != y.tile1 || x.dir != y.dir ||
        x.kind != y.kind) {
      return ::testing::AssertionFailure() << "edge " << i << " differs";
    }
  }
  if (a.tiles.size() != b.tiles.size()) return fail("tile counts");
  for (std::size_t i = 0; i < a.tiles.size(); ++i) {
    const auto& x = a.tiles[i];
    const auto& y = b.tiles[i];
    if (x.c != y.c || x.reserved != y.reserved || x.dir != y.dir || x.type != y.type || x.color != y.color) {
      return ::testing::AssertionFailure() << "tile " << i << " differs";
    }
  }
  if (a.tileLastEdge != b.tileLastEdge) return fail("last edges of tiles");
  if (a.tileRecord != b.tileRecord) return fail("records of tiles");
  if (a.lastPlacement != b.lastPlacement || a.placements.size() != b.placements.size()) return fail("placement counts");
  for (std::size_t i = 0; i < a.placements.size(); ++i) {
    const auto& x = a.placements[i];
    const auto& y = b.placements[i];
    if (x.edge != y.edge || x.side != y.side || x.type != y.type || x.color != y.color || x.continued != y.continued) {
      return ::testing::AssertionFailure() << "placement " << i << " differs";
    }
  }
  if (a.bars != b.bars) return fail("Ammann bars");
  if (a.rotation != b.rotation) return fail("rotations");
  return ::testing::AssertionSuccess();
}

// Places records as a library patch does: each its own action.
struct Record {
  std::int16_t edge, side, type, color;
};
inline std::vector<std::int16_t> PlaceRecords(special::PenroseTiling& t, const std::vector<Record>& records) {
  std::vector<std::int16_t> codes;
  for (const Record& r : records) {
    codes.push_back(special::PlaceTile(t, r.edge, r.side, r.type, r.color));
    if (t.lastPlacement >= 0) t.placements.back().continued = 0;
  }
  return codes;
}

// The angle of the corner at p between the sides to q and r, in degrees 0..360.
inline long double CornerDegrees(const kernel::Point2& p, const kernel::Point2& q, const kernel::Point2& r) {
  const kernel::Point2 u = q - p;
  const kernel::Point2 v = r - p;
  long double a = std::atan2(kernel::Cross2(u, v), kernel::Dot2(u, v)) * 180 / std::acos(-1.0L);
  if (a < 0) a += 360;
  return a;
}

}  // namespace penrose_test

// Tilings grown at random, as a user clicking anywhere on the rim would: every refused attach
// leaves the tiling exactly as it was, and whatever grows keeps the geometry and the Ammann bars
// of a Penrose tiling.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "kernel/vector2.h"
#include "special/penrose_attach.h"
#include "special/penrose_bars.h"
#include "special/penrose_tiles.h"
#include "special/penrose_test_support.h"

namespace {

using kernel::Point2;
using penrose_test::SameTiling;
using special::PenroseTiling;

struct Grown {
  PenroseTiling tiling;
  int refused = 0;
};

Grown GrowAtRandom(int mode, bool forced, unsigned seed, int attaches) {
  std::mt19937 random(seed);
  Grown g{PenroseTiling(static_cast<std::uint8_t>(mode)), 0};
  PenroseTiling& t = g.tiling;
  t.forcedTiles = forced;
  special::ResetTiling(t, static_cast<std::int16_t>(random() % 360));
  penrose_test::PlaceRecords(t, {{0, 0, static_cast<std::int16_t>(random() % 2), 8}});
  for (int k = 0; k < attaches; ++k) {
    std::vector<std::int16_t> open;
    for (std::size_t e = 0; e < t.edges.size(); ++e) {
      if ((t.edges[e].tile0 < 0) != (t.edges[e].tile1 < 0)) open.push_back(static_cast<std::int16_t>(e));
    }
    if (open.empty()) break;
    const std::int16_t edge = open[random() % open.size()];
    const PenroseTiling before = t;
    const special::AttachResult r = special::AttachToEdge(t, static_cast<int>(random() % 2), edge);
    EXPECT_TRUE(r.attempted);
    if (r.code > 0) {
      ++g.refused;
      EXPECT_TRUE(SameTiling(t, before)) << "refused attach " << k << " with " << r.code;
    }
  }
  return g;
}

void ExpectPenroseGeometry(const PenroseTiling& t) {
  const long double phi = (1 + std::sqrt(5.0L)) / 2;
  const long double degree = std::acos(-1.0L) / 180;
  for (std::size_t i = 0; i < t.edges.size(); ++i) {
    const special::PenroseEdge& e = t.edges[i];
    const Point2 v = t.vertices[static_cast<std::size_t>(e.to)] - t.vertices[static_cast<std::size_t>(e.from)];
    const long double length = std::hypot(v.x, v.y);
    EXPECT_NEAR(static_cast<double>(length), static_cast<double>(t.mode == 0 && e.kind == 1 ? phi : 1.0L), 1e-12) << "edge " << i;
    // Its direction is the rotation plus a whole number of 36-degree steps.
    const long double steps = (std::atan2(v.y, v.x) / degree - t.rotation) / 36;
    EXPECT_NEAR(static_cast<double>(steps), std::round(static_cast<double>(steps)), 1e-12) << "edge " << i;
    EXPECT_TRUE(e.tile0 >= 0 || e.tile1 >= 0) << "edge " << i;
  }
  std::vector<int> angleAt(t.vertices.size(), 0);
  for (std::size_t i = 0; i < t.tiles.size(); ++i) {
    const special::PenroseTile& tile = t.tiles[i];
    for (int k = 0; k < 4; ++k) {
      const Point2& p = t.vertices[static_cast<std::size_t>(tile.c[static_cast<std::size_t>(k)])];
      const Point2& next = t.vertices[static_cast<std::size_t>(tile.c[static_cast<std::size_t>((k + 1) % 4)])];
      const Point2& prev = t.vertices[static_cast<std::size_t>(tile.c[static_cast<std::size_t>((k + 3) % 4)])];
      const long double angle = penrose_test::CornerDegrees(p, next, prev);
      EXPECT_NEAR(static_cast<double>(angle), 36.0 * special::CornerAngle(t.mode, tile.type, k), 1e-9) << "tile " << i;
      angleAt[static_cast<std::size_t>(tile.c[static_cast<std::size_t>(k)])] += static_cast<int>(std::lround(angle));
    }
  }
  for (std::size_t v = 0; v < angleAt.size(); ++v) EXPECT_LE(angleAt[v], 360) << "vertex " << v;
}

// Within each family the gaps are the long and the short spacing, in the golden ratio, and no
// two short gaps follow each other.
void ExpectFibonacciBars(const PenroseTiling& t) {
  const long double phi = (1 + std::sqrt(5.0L)) / 2;
  const long double shortGap = (std::sqrt(5.0L) + 5) / 4;
  const long double longGap = shortGap * phi;
  for (int f = 0; f < 5; ++f) {
    const auto& bars = t.bars[static_cast<std::size_t>(f)];
    EXPECT_GE(bars.size(), 2u) << "family " << f;
    bool lastShort = false;
    for (std::size_t k = 1; k < bars.size(); ++k) {
      const long double gap = bars[k] - bars[k - 1];
      const bool isShort = std::fabs(gap - shortGap) < 1e-9L;
      const bool isLong = std::fabs(gap - longGap) < 1e-9L;
      EXPECT_TRUE(isShort || isLong) << "family " << f << " gap " << static_cast<double>(gap);
      EXPECT_FALSE(isShort && lastShort) << "family " << f << " two short gaps at " << k;
      lastShort = isShort;
    }
  }
}

TEST(PenroseGrowth, RandomGrowthKeepsTheGeometryAndTheBars) {
  for (int mode = 0; mode < 2; ++mode) {
    for (bool forced : {false, true}) {
      for (unsigned seed : {11u, 12u}) {
        SCOPED_TRACE(::testing::Message() << "mode " << mode << " forced " << forced << " seed " << seed);
        const Grown g = GrowAtRandom(mode, forced, seed, 250);
        const PenroseTiling& t = g.tiling;
        EXPECT_GE(t.TileCount(), 40);
        EXPECT_GT(g.refused, 0);
        ExpectPenroseGeometry(t);
        ExpectFibonacciBars(t);
        // The tables are always the replay of the placement list.
        PenroseTiling replayed = t;
        special::ResetTiling(replayed, t.rotation);
        special::RebuildTiling(replayed);
        EXPECT_TRUE(SameTiling(replayed, t));
      }
    }
  }
}

}  // namespace

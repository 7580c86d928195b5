// The tile placement engine: the start edge, the shapes and markings of placed tiles, shared
// vertices, refusals that leave the tables as they were, history operations and picking edges.

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/vector2.h"
#include "special/penrose_attach.h"
#include "special/penrose_tiles.h"
#include "special/penrose_test_support.h"

namespace {

using kernel::Point2;
using penrose_test::CornerDegrees;
using penrose_test::PlaceRecords;
using penrose_test::SameTiling;
using special::PenroseTiling;

static_assert(sizeof(special::PenroseEdge) == special::kPenroseEdgeBytes);
static_assert(sizeof(special::PenroseTile) == special::kPenroseTileBytes);

TEST(PenroseTiles, ResetLaysTheStartEdgeAndKeepsThePlacementList) {
  PenroseTiling t(0);
  PlaceRecords(t, {{0, 0, 0, 8}});
  special::ResetTiling(t, 30);
  ASSERT_EQ(t.vertices.size(), 2u);
  EXPECT_EQ(t.vertices[0].x, 0);
  EXPECT_EQ(t.vertices[0].y, 0);
  EXPECT_NEAR(static_cast<double>(t.vertices[1].x), std::sqrt(3.0) / 2, 1e-15);
  EXPECT_NEAR(static_cast<double>(t.vertices[1].y), 0.5, 1e-15);
  ASSERT_EQ(t.edges.size(), 1u);
  const special::PenroseEdge& e = t.edges[0];
  EXPECT_EQ(e.from, 0);
  EXPECT_EQ(e.to, 1);
  EXPECT_EQ(e.tile0, -1);
  EXPECT_EQ(e.tile1, -1);
  EXPECT_EQ(e.dir, 0);
  EXPECT_EQ(e.kind, 0);
  EXPECT_TRUE(t.tiles.empty());
  EXPECT_EQ(t.TileCount(), 0);
  EXPECT_EQ(t.lastPlacement, 0);
  EXPECT_EQ(t.placements.size(), 1u);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(t.longDirs[3], {0, 0})), (1 + std::sqrt(5.0)) / 2, 1e-15);
}

// Every entry of the placement tables: the tile has its proper side lengths and corner angles,
// runs counter-clockwise, lies on the asked side of the edge, and all its edges carry the
// direction and kind of their geometry and the marking of its type.
TEST(PenroseTiles, EveryPlacementGivesTheRightTileWithConsistentEdges) {
  const long double phi = (1 + std::sqrt(5.0L)) / 2;
  const long double lengths[2][2][4] = {{{1, phi, phi, 1}, {1, 1, phi, phi}}, {{1, 1, 1, 1}, {1, 1, 1, 1}}};
  // The sides of each type as (corner, corner) in arrow order, and their kinds.
  const int sides[2][2][4][2] = {{{{0, 1}, {2, 1}, {2, 3}, {0, 3}}, {{0, 1}, {2, 1}, {2, 3}, {0, 3}}},
                                 {{{0, 1}, {2, 1}, {2, 3}, {0, 3}}, {{0, 1}, {1, 2}, {3, 2}, {0, 3}}}};
  const int kinds[2][2][4] = {{{0, 1, 1, 0}, {0, 0, 1, 1}}, {{0, 1, 1, 0}, {0, 1, 1, 0}}};
  for (int mode = 0; mode < 2; ++mode) {
    for (int type = 0; type < 2; ++type) {
      for (int kind = 0; kind < 2; ++kind) {
        for (int side = 0; side < 2; ++side) {
          SCOPED_TRACE(::testing::Message() << "mode " << mode << " type " << type << " kind " << kind << " side " << side);
          PenroseTiling t(static_cast<std::uint8_t>(mode));
          special::ResetTiling(t, 18);
          if (kind == 1) {
            // A start edge of the other kind (long in mode 0).
            t.edges[0].kind = 1;
            if (mode == 0) t.vertices[1] = t.longDirs[0];
          }
          ASSERT_EQ(special::PlaceTile(t, 0, static_cast<std::int16_t>(side), static_cast<std::int16_t>(type), 5), special::kTileOk);
          ASSERT_EQ(t.tiles.size(), 1u);
          const special::PenroseTile& tile = t.tiles[0];
          EXPECT_EQ(side == 0 ? t.edges[0].tile0 : t.edges[0].tile1, 0);
          EXPECT_EQ(tile.reserved, -1);
          EXPECT_EQ(tile.color, 5);
          Point2 c[4];
          for (int k = 0; k < 4; ++k) c[k] = t.vertices[static_cast<std::size_t>(tile.c[static_cast<std::size_t>(k)])];
          long double area = 0;
          for (int k = 0; k < 4; ++k) {
            area += kernel::Cross2(c[k], c[(k + 1) % 4]);
            EXPECT_NEAR(static_cast<double>(kernel::Dist2(c[k], c[(k + 1) % 4])), static_cast<double>(lengths[mode][type][k]), 1e-15);
            EXPECT_NEAR(static_cast<double>(CornerDegrees(c[k], c[(k + 1) % 4], c[(k + 3) % 4])),
                        36.0 * special::CornerAngle(mode, type, k), 1e-9);
          }
          EXPECT_GT(area, 0);
          EXPECT_LT(kernel::TaxiDist2(c[1] - c[0], t.unitDirs[static_cast<std::size_t>(tile.dir)]), 1e-15L);
          EXPECT_EQ(t.edges.size(), 4u);
          EXPECT_EQ(t.tileLastEdge, std::vector<std::int16_t>{3});
          for (int k = 0; k < 4; ++k) {
            bool forward = false;
            const int e = special::FindEdge(t, tile.c[static_cast<std::size_t>(sides[mode][type][k][0])],
                                            tile.c[static_cast<std::size_t>(sides[mode][type][k][1])], forward);
            ASSERT_GE(e, 0);
            EXPECT_TRUE(forward);
            EXPECT_EQ(t.edges[static_cast<std::size_t>(e)].kind, kinds[mode][type][k]);
          }
          for (const special::PenroseEdge& e : t.edges) {
            const Point2 v = t.vertices[static_cast<std::size_t>(e.to)] - t.vertices[static_cast<std::size_t>(e.from)];
            const auto& table = (mode == 0 && e.kind == 1) ? t.longDirs : t.unitDirs;
            EXPECT_LT(kernel::TaxiDist2(v, table[static_cast<std::size_t>(e.dir)]), 1e-15L);
            EXPECT_EQ((e.tile0 >= 0) + (e.tile1 >= 0), 1);
          }
        }
      }
    }
  }
}

TEST(PenroseTiles, ASunOfFiveKitesSharesItsCentreAndSpokes) {
  PenroseTiling t(0);
  special::ResetTiling(t, 18);
  const auto codes = PlaceRecords(t, {{0, 0, 0, 3}, {1, 0, 0, 3}, {5, 0, 0, 3}, {8, 0, 0, 3}, {11, 0, 0, 3}});
  EXPECT_EQ(codes, (std::vector<std::int16_t>{0, 0, 0, 0, 0}));
  EXPECT_EQ(t.vertices.size(), 11u);  // the centre, five side corners, five 144-degree corners
  EXPECT_EQ(t.edges.size(), 15u);
  for (const special::PenroseTile& k : t.tiles) EXPECT_EQ(k.c[2], t.tiles[0].c[2]);
  int shared = 0;
  for (const special::PenroseEdge& e : t.edges) shared += e.tile0 >= 0 && e.tile1 >= 0;
  EXPECT_EQ(shared, 5);
}

TEST(PenroseTiles, ATakenSideChangesNothing) {
  PenroseTiling t(0);
  PlaceRecords(t, {{0, 0, 0, 8}});
  const PenroseTiling before = t;
  EXPECT_EQ(special::PlaceTile(t, 0, 0, 1, 7), special::kTileSideTaken);
  EXPECT_TRUE(SameTiling(t, before));
}

TEST(PenroseTiles, OutOfRangeArgumentsAreRefused) {
  PenroseTiling t(1);
  const PenroseTiling before = t;
  EXPECT_EQ(special::PlaceTile(t, 1, 0, 0, 8), special::kTileInconsistent);
  EXPECT_EQ(special::PlaceTile(t, -1, 0, 0, 8), special::kTileInconsistent);
  EXPECT_EQ(special::PlaceTile(t, 0, 2, 0, 8), special::kTileInconsistent);
  EXPECT_EQ(special::PlaceTile(t, 0, 0, 2, 8), special::kTileInconsistent);
  EXPECT_TRUE(SameTiling(t, before));
}

// In the rhombs a tile whose side meets an edge with the other arrow is refused, by PlaceTile and
// by a mouse attach alike, and the tables stay exactly as they were.
TEST(PenroseTiles, AnArrowConflictLeavesTheTablesAsTheyWere) {
  PenroseTiling t(1);
  PlaceRecords(t, {{0, 0, 0, 8}});
  ASSERT_EQ(special::AttachToEdge(t, 0, 0).code, 0);
  ASSERT_EQ(special::AttachToEdge(t, 0, 1).code, 0);
  const PenroseTiling before = t;
  const special::AttachResult r = special::AttachToEdge(t, 1, 9);
  EXPECT_TRUE(r.attempted);
  EXPECT_EQ(r.code, special::kTileArrowConflict);
  EXPECT_TRUE(SameTiling(t, before));
  const std::int16_t side = t.edges[9].tile0 < 0 ? 0 : 1;
  EXPECT_EQ(special::PlaceTile(t, 9, side, 1, 7), special::kTileArrowConflict);
  EXPECT_TRUE(SameTiling(t, before));
}

// A tile that would lie over another one is refused although no arrow disagrees.
TEST(PenroseTiles, OverlappingTilesAreRefused) {
  PenroseTiling t(0);
  t.compatibility = false;
  PlaceRecords(t, {{0, 0, 0, 8}});
  for (int e : {0, 1, 2}) ASSERT_EQ(special::AttachToEdge(t, 0, static_cast<std::int16_t>(e)).code, 0);
  const PenroseTiling before = t;
  EXPECT_EQ(special::AttachToEdge(t, 0, 3).code, special::kTileIncompatible);
  EXPECT_TRUE(SameTiling(t, before));
}

TEST(PenroseTiles, AToleranceWideEnoughToMergeCornersPlacesNothing) {
  PenroseTiling t(1);
  t.vertexTolerance = 3;
  const PenroseTiling before = t;
  EXPECT_EQ(special::PlaceTile(t, 0, 0, 1, 7), special::kTileIncompatible);
  EXPECT_TRUE(SameTiling(t, before));
}

TEST(PenroseTiles, AFullTableRefusesBeforeWritingAnything) {
  PenroseTiling t(0, 10);
  std::int16_t code = 0;
  int attaches = 0;
  while (code == 0 && attaches < 20) {
    std::int16_t open = -1;
    for (std::size_t e = 0; e < t.edges.size() && open < 0; ++e) {
      if ((t.edges[e].tile0 < 0) != (t.edges[e].tile1 < 0) || t.tiles.empty()) open = static_cast<std::int16_t>(e);
    }
    ASSERT_GE(open, 0);
    const PenroseTiling before = t;
    if (t.tiles.empty()) {
      code = special::PlaceTile(t, open, 0, 0, 8);
    } else {
      code = special::AttachToEdge(t, 0, open).code;
    }
    if (code == special::kTileNoRoom) {
      EXPECT_TRUE(SameTiling(t, before));
    }
    ++attaches;
  }
  EXPECT_EQ(code, special::kTileNoRoom);
  EXPECT_LE(t.edges.size(), 10u);
}

TEST(PenroseTiles, RotatingKeepsTheRemainderWithTheSignOfTheSum) {
  struct Case {
    std::int16_t from;
    std::int32_t by;
    std::int16_t expected;
  };
  for (const Case& c : {Case{10, -30, -20}, Case{350, 20, 10}, Case{-350, 365, 15}, Case{10, -400, -30},
                        Case{0, 720, 0}, Case{100, 2147483647, 227}}) {
    PenroseTiling t(0);
    special::ResetTiling(t, c.from);
    PlaceRecords(t, {{0, 0, 0, 8}, {0, 1, 1, 7}});
    special::RotateTiling(t, c.by);
    EXPECT_EQ(t.rotation, c.expected) << c.from << " + " << c.by;
    EXPECT_EQ(t.TileCount(), 2);
    const long double angle = static_cast<long double>(c.expected) * std::acos(-1.0L) / 180;
    EXPECT_NEAR(static_cast<double>(t.vertices[1].x), static_cast<double>(std::cos(angle)), 1e-15);
    EXPECT_NEAR(static_cast<double>(t.vertices[1].y), static_cast<double>(std::sin(angle)), 1e-15);
  }
}

TEST(PenroseTiles, RebuildSkipsRecordsItCannotPlace) {
  PenroseTiling t(0);
  t.placements = {{0, 0, 0, 8, 0}, {99, 0, 0, 8, 0}, {1, 2, 0, 8, 0}, {1, 0, 3, 8, 0},
                  {1, 0, -1, 8, 0}, {-4, 0, 0, 8, 0}, {0, 1, 1, 7, 0}};
  t.lastPlacement = 6;
  special::ResetTiling(t, 0);
  special::RebuildTiling(t);
  ASSERT_EQ(t.TileCount(), 2);
  EXPECT_EQ(t.tiles[0].type, 0);
  EXPECT_EQ(t.tiles[1].type, 1);
  EXPECT_EQ(t.placements.size(), 7u);  // a replay never appends
  EXPECT_FALSE(t.replaying);
}

// A recoloured tile keeps its colour through a rebuild, also when an earlier record was skipped.
TEST(PenroseTiles, RecolouringChangesTheTileAndTheRecordThatMadeIt) {
  PenroseTiling t(0);
  t.placements = {{0, 0, 0, 8, 0}, {77, 0, 0, 8, 0}, {0, 1, 1, 7, 0}};
  t.lastPlacement = 2;
  special::RebuildTiling(t);
  ASSERT_EQ(t.TileCount(), 2);
  EXPECT_EQ(t.tileRecord, (std::vector<std::int16_t>{0, 2}));
  ASSERT_TRUE(special::RecolorTile(t, 1, 14));
  EXPECT_EQ(t.tiles[1].color, 14);
  EXPECT_EQ(t.placements[2].color, 14);
  EXPECT_EQ(t.placements[1].color, 8);
  special::RotateTiling(t, 0);
  EXPECT_EQ(t.tiles[1].color, 14);
  EXPECT_FALSE(special::RecolorTile(t, 2, 14));
  EXPECT_FALSE(special::RecolorTile(t, -1, 14));
}

TEST(PenroseTiles, AClickAttachesOnlyNearTheInsideOfAnEdgeWithOneOpenSide) {
  PenroseTiling t(0);
  const PenroseTiling fresh = t;
  const Point2 middle{0.5, 0};
  const kernel::Real perPixel = static_cast<kernel::Real>(0.01);
  EXPECT_EQ(special::EdgeAtPoint(t, middle, perPixel, perPixel), 0);
  EXPECT_FALSE(special::AttachAtPoint(t, 0, middle, perPixel, perPixel).attempted);  // both sides open
  EXPECT_TRUE(SameTiling(t, fresh));

  PlaceRecords(t, {{0, 0, 0, 8}});
  EXPECT_EQ(special::EdgeAtPoint(t, {0.5, -0.06}, perPixel, perPixel), -1);          // 6 pixels off
  EXPECT_EQ(special::EdgeAtPoint(t, {0.5, -0.04}, perPixel, perPixel), 0);
  EXPECT_EQ(special::EdgeAtPoint(t, {1.06, 0.0}, perPixel, perPixel), -1);  // beyond the end
  const special::AttachResult r = special::AttachAtPoint(t, 1, {0.5, -0.04}, perPixel, perPixel);
  EXPECT_TRUE(r.attempted);
  EXPECT_EQ(r.code, 0);
  ASSERT_EQ(t.TileCount(), 2);
  EXPECT_EQ(t.tiles[1].type, 1);
  EXPECT_EQ(t.edges[0].tile1, 1);
  EXPECT_EQ(t.placements.back().continued, 0);
  EXPECT_EQ(t.RedoLimit(), t.lastPlacement);
}

}  // namespace

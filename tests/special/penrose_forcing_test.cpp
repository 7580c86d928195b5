// Forced tiles and the Ammann bar rule: what an attach brings with it, how one Undo takes an action
// back, and which tiles the bar spacing refuses.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "special/penrose_attach.h"
#include "special/penrose_bars.h"
#include "special/penrose_forcing.h"
#include "special/penrose_tiles.h"
#include "special/penrose_test_support.h"

namespace {

using penrose_test::PlaceRecords;
using penrose_test::SameTiling;
using special::PenroseTiling;

std::int16_t EdgeOf(const PenroseTiling& t, int a, int b) {
  bool forward = false;
  return special::FindEdge(t, a, b, forward);
}

int KitesWithApexAt(const PenroseTiling& t, int vertex) {
  int n = 0;
  for (const special::PenroseTile& tile : t.tiles) n += tile.type == 0 && tile.c[2] == vertex;
  return n;
}

PenroseTiling WithoutRedoTail(PenroseTiling t) {
  t.placements.resize(static_cast<std::size_t>(t.lastPlacement + 1));
  return t;
}

// Two kites share an apex; attaching a third there completes the sun of five in one action, and
// one Undo takes the whole action back; Redo returns it one record at a time.
TEST(PenroseForcing, AThirdKiteAtAnApexCompletesTheSunAndOneUndoRemovesIt) {
  PenroseTiling t(0);
  t.forcedTiles = true;
  PlaceRecords(t, {{0, 0, 0, 8}});
  const int apex = t.tiles[0].c[2];
  ASSERT_EQ(special::AttachToEdge(t, 0, EdgeOf(t, apex, t.tiles[0].c[1])).code, 0);
  ASSERT_EQ(KitesWithApexAt(t, apex), 2);
  const PenroseTiling twoKites = t;

  const special::PenroseTile second = t.tiles[1];
  const std::int16_t edge = EdgeOf(t, apex, second.c[1] == t.tiles[0].c[1] ? second.c[3] : second.c[1]);
  ASSERT_EQ(special::AttachToEdge(t, 0, edge).code, 0);
  EXPECT_EQ(KitesWithApexAt(t, apex), 5);
  EXPECT_EQ(t.tiles.size(), t.placements.size());
  for (int i = 2; i <= t.lastPlacement; ++i) {
    EXPECT_EQ(t.placements[static_cast<std::size_t>(i)].continued, i == t.lastPlacement ? 0 : 1) << i;
  }
  const PenroseTiling sun = t;
  const int added = sun.TileCount() - twoKites.TileCount();
  EXPECT_GE(added, 3);

  ASSERT_TRUE(special::UndoAction(t));
  EXPECT_TRUE(SameTiling(WithoutRedoTail(t), twoKites));
  EXPECT_EQ(t.RedoLimit(), sun.lastPlacement);
  for (int k = 1; k <= added; ++k) {
    ASSERT_TRUE(special::RedoPlacement(t));
    EXPECT_EQ(t.TileCount(), twoKites.TileCount() + k);
  }
  EXPECT_FALSE(special::RedoPlacement(t));
  EXPECT_TRUE(SameTiling(t, sun));
}

TEST(PenroseForcing, UndoNeverRemovesTheFirstRecord) {
  PenroseTiling t(0);
  PlaceRecords(t, {{0, 0, 1, 3}, {0, 1, 0, 3}, {1, 0, 0, 3}});  // a library patch: every record its own action
  EXPECT_TRUE(special::UndoAction(t));
  EXPECT_EQ(t.TileCount(), 2);
  EXPECT_TRUE(special::UndoAction(t));
  EXPECT_EQ(t.TileCount(), 1);
  EXPECT_FALSE(special::UndoAction(t));
  EXPECT_EQ(t.TileCount(), 1);
}

TEST(PenroseForcing, ANewDartIsFlankedByKitesOnItsShortSides) {
  PenroseTiling t(0);
  t.forcedTiles = true;
  PlaceRecords(t, {{0, 0, 0, 8}});
  ASSERT_EQ(special::AttachToEdge(t, 1, 0).code, 0);
  std::int16_t dart = -1;
  for (int i = 0; i < t.TileCount(); ++i) {
    if (t.tiles[static_cast<std::size_t>(i)].type == 1) dart = static_cast<std::int16_t>(i);
  }
  ASSERT_GE(dart, 0);
  const special::PenroseTile d = t.tiles[static_cast<std::size_t>(dart)];
  for (int from : {0, 2}) {
    const std::int16_t e = EdgeOf(t, d.c[static_cast<std::size_t>(from)], d.c[1]);
    ASSERT_GE(e, 0);
    const special::PenroseEdge& edge = t.edges[static_cast<std::size_t>(e)];
    const std::int16_t other = edge.tile0 == dart ? edge.tile1 : edge.tile0;
    ASSERT_GE(other, 0);
    EXPECT_EQ(t.tiles[static_cast<std::size_t>(other)].type, 0);
  }
}

TEST(PenroseForcing, ASkinnyRhombBringsFatRhombsOnItsMarkedSides) {
  PenroseTiling t(1);
  t.forcedTiles = true;
  PlaceRecords(t, {{0, 0, 0, 8}});
  ASSERT_LT(special::AttachToEdge(t, 1, 0).code, 1);  // -1: the last rule found its side taken
  const special::PenroseTile& s = t.tiles[1];
  ASSERT_EQ(s.type, 1);
  // The 36-degree rhomb's sides c1 -> c2 (it lies on side 0) and c3 -> c2 (side 1).
  const std::int16_t across12 = special::TileOnSide(t, s.c[1], s.c[2], 1);
  const std::int16_t across32 = special::TileOnSide(t, s.c[3], s.c[2], 0);
  ASSERT_GE(across12, 0);
  ASSERT_GE(across32, 0);
  EXPECT_EQ(t.tiles[static_cast<std::size_t>(across12)].type, 0);
  EXPECT_EQ(t.tiles[static_cast<std::size_t>(across32)].type, 0);
}

TEST(PenroseForcing, ForcedTilesOffPlacesOnlyTheClickedTile) {
  for (int mode = 0; mode < 2; ++mode) {
    PenroseTiling t(static_cast<std::uint8_t>(mode));
    PlaceRecords(t, {{0, 0, 0, 8}});
    ASSERT_EQ(special::AttachToEdge(t, 1, 0).code, 0);
    EXPECT_EQ(t.TileCount(), 2);
  }
}

// A dart whose bars would fall between the others at gaps that are neither spacing is refused,
// and leaves neither tiles nor bars behind. Without the rule the same dart is placed and its bars
// are still recorded.
TEST(PenroseBars, ATileBreakingTheSpacingIsRefusedAndLeavesNoBars) {
  PenroseTiling t(0);
  PlaceRecords(t, {{0, 0, 0, 8}});
  for (int e : {0, 1, 2}) ASSERT_EQ(special::AttachToEdge(t, 0, static_cast<std::int16_t>(e)).code, 0);
  PenroseTiling off = t;
  const PenroseTiling before = t;
  EXPECT_EQ(special::AttachToEdge(t, 1, 5).code, special::kTileIncompatible);
  EXPECT_TRUE(SameTiling(t, before));

  off.compatibility = false;
  EXPECT_EQ(special::AttachToEdge(off, 1, 5).code, 0);
  EXPECT_EQ(off.TileCount(), before.TileCount() + 1);
  bool someFamilyIllegal = false;
  std::size_t barsBefore = 0, barsAfter = 0;
  for (int f = 0; f < 5; ++f) {
    someFamilyIllegal |= !special::BarGapsLegal(off.bars[static_cast<std::size_t>(f)]);
    barsBefore += before.bars[static_cast<std::size_t>(f)].size();
    barsAfter += off.bars[static_cast<std::size_t>(f)].size();
  }
  EXPECT_TRUE(someFamilyIllegal);
  EXPECT_GT(barsAfter, barsBefore);
}

TEST(PenroseBars, ABarOnAnExistingOneAddsNothing) {
  PenroseTiling t(0);
  EXPECT_TRUE(special::InsertAmmannBar(t, 0, {1, 0}));
  // Code 0 is measured along the opposite direction 5: the point (1, 0) lies at -1 in family 2.
  ASSERT_EQ(t.bars[2].size(), 1u);
  EXPECT_NEAR(static_cast<double>(t.bars[2][0]), -1.0, 1e-18);
  EXPECT_TRUE(special::InsertAmmannBar(t, 10, {1, 0.00005L}));  // same direction, within 1e-4
  EXPECT_TRUE(special::InsertAmmannBar(t, 5, {1.00009L, 3}));
  EXPECT_EQ(t.bars[2].size(), 1u);
  // A bar 0.5 away breaks the spacing but stays listed.
  EXPECT_FALSE(special::InsertAmmannBar(t, 5, {0.5, 0}));
  EXPECT_EQ(t.bars[2].size(), 2u);
  EXPECT_TRUE(special::InsertAmmannBar(t, 5, {0.50001L, 0}));  // already there: never a conflict
}

TEST(PenroseBars, GapsMustBeTheTwoSpacingsWithoutTwoShortsInARow) {
  const kernel::Real L = special::LongBarSpacing();
  const kernel::Real S = special::ShortBarSpacing();
  EXPECT_NEAR(static_cast<double>(L / S), (1 + std::sqrt(5.0)) / 2, 1e-15);
  EXPECT_NEAR(static_cast<double>(S), (std::sqrt(5.0) + 5) / 4, 1e-15);
  struct Case {
    std::vector<kernel::Real> positions;
    bool legal;
  };
  const std::vector<Case> cases = {
      {{}, true},
      {{3}, true},
      {{0, L, L + S, 2 * L + S, 3 * L + S}, true},
      {{0, S, S + L}, true},                       // a short gap may come first
      {{0, S, 2 * S}, false},                      // two shorts
      {{0, L, L + S, L + 2 * S}, false},
      {{0, L + static_cast<kernel::Real>(2e-5)}, false},
      {{0, L + static_cast<kernel::Real>(5e-6)}, true},
      {{0, L + S}, false},                         // a missing bar
  };
  for (const Case& c : cases) EXPECT_EQ(special::BarGapsLegal(c.positions), c.legal) << c.positions.size();
}

}  // namespace

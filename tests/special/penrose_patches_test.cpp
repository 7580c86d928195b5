// The library patches: each begins with its given records, replays legally under the engine (every
// record placed, the Ammann bars legal throughout), is a piece of a genuine Penrose tiling, and
// shows its named vertex configuration.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "special/penrose_bars.h"
#include "special/penrose_patch_builder.h"
#include "special/penrose_patch_records.h"
#include "special/penrose_patches.h"
#include "special/penrose_tiles.h"
#include "special/penrose_test_support.h"

namespace {

using penrose_test::PatchStart;
using penrose_test::PatchStarts;
using special::PenroseTiling;

TEST(PenrosePatches, TablesHaveTheirSizesRotationsAndFirstRecords) {
  for (const PatchStart& p : PatchStarts()) {
    SCOPED_TRACE(p.name);
    const special::LibraryPatch* patch = special::FindLibraryPatch(p.patch, p.mode);
    ASSERT_NE(patch, nullptr);
    EXPECT_EQ(patch->rotation, p.rotation);
    ASSERT_EQ(static_cast<int>(patch->records.size()), p.records);
    for (std::size_t i = 0; i < p.first.size(); ++i) {
      const special::PatchRecord& r = patch->records[i];
      EXPECT_EQ(r.edge, p.first[i].edge) << i;
      EXPECT_EQ(r.side, p.first[i].side) << i;
      EXPECT_EQ(r.type, p.first[i].type) << i;
      EXPECT_EQ(r.color, p.first[i].color) << i;
    }
  }
  EXPECT_EQ(special::FindLibraryPatch(12, 0), nullptr);
  EXPECT_EQ(special::FindLibraryPatch(-1, 1), nullptr);
}

// Every record of every patch is placed, with compatibility on, without any refusal.
TEST(PenrosePatches, EveryPatchReplaysLegally) {
  for (const PatchStart& p : PatchStarts()) {
    SCOPED_TRACE(p.name);
    const special::LibraryPatch* patch = special::FindLibraryPatch(p.patch, p.mode);
    PenroseTiling t(static_cast<std::uint8_t>(p.mode));
    t.compatibility = true;
    special::ResetTiling(t, patch->rotation);
    t.replaying = true;
    for (std::size_t i = 0; i < patch->records.size(); ++i) {
      const special::PatchRecord& r = patch->records[i];
      ASSERT_LE(r.edge, t.LastEdge()) << i;
      ASSERT_EQ(special::PlaceTile(t, r.edge, r.side, r.type, r.color), special::kTileOk) << "record " << i;
    }
    for (const auto& family : t.bars) EXPECT_TRUE(special::BarGapsLegal(family));
    EXPECT_EQ(t.TileCount(), p.records);
  }
}

// The reference itself: each of its complete vertices is one of the seven that kites and darts
// allow, counted by the kites and darts round it.
TEST(PenrosePatches, TheReferenceTilingHasOnlyTheSevenVertices) {
  const std::set<std::pair<int, int>> seven = {{5, 0}, {0, 5}, {2, 1}, {2, 2}, {3, 2}, {4, 1}, {2, 3}};
  std::map<penrose_test::VertexKey, std::array<int, 3>> at;  // angle, kites, darts
  for (const auto& tile : testsupport::ReferenceTiling(0, 6)) {
    for (int k = 0; k < 4; ++k) {
      auto& v = at[penrose_test::KeyOf(penrose_test::ToC(tile.c[static_cast<std::size_t>(k)]))];
      v[0] += special::CornerAngle(0, tile.type, k);
      ++v[1 + tile.type];
    }
  }
  int complete = 0;
  for (const auto& [key, v] : at) {
    ASSERT_LE(v[0], 10);
    if (v[0] < 10) continue;
    ++complete;
    EXPECT_EQ(seven.count({v[1], v[2]}), 1u) << v[1] << " kites, " << v[2] << " darts";
  }
  EXPECT_GT(complete, 500);
}

// Found, all its tiles at once, in a tiling made by subdividing Robinson triangles.
TEST(PenrosePatches, EveryPatchIsAPieceOfAGenuinePenroseTiling) {
  const auto kitesAndDarts = testsupport::ReferenceTiling(0, 7);
  const auto rhombs = testsupport::ReferenceTiling(1, 7);
  for (const PatchStart& p : PatchStarts()) {
    SCOPED_TRACE(p.name);
    PenroseTiling t(static_cast<std::uint8_t>(p.mode));
    ASSERT_TRUE(special::LoadLibraryPatch(t, p.patch));
    EXPECT_TRUE(penrose_test::FindInReference(t, t.TileCount(), p.mode == 0 ? kitesAndDarts : rhombs).has_value());
  }
}

// The highlighted tiles (colour 3) are exactly the tiles round one vertex, which they close, in
// the make-up of the vertex the patch is named after.
TEST(PenrosePatches, TheHighlightedTilesFormTheNamedVertex) {
  struct Named {
    const char* name;
    int kites;  // or 72-degree rhombs
    int darts;
  };
  const std::map<std::string, Named> named = {
      {"Sun", {"sun", 5, 0}},     {"Star", {"star", 0, 5}},   {"Rhomb star", {"star", 5, 0}},
      {"Ace", {"ace", 2, 1}},     {"Deuce", {"deuce", 2, 2}}, {"Jack", {"jack", 3, 2}},
      {"Queen", {"queen", 4, 1}}, {"King", {"king", 2, 3}},
  };
  for (const PatchStart& p : PatchStarts()) {
    const auto it = named.find(p.name);
    if (it == named.end()) continue;
    SCOPED_TRACE(p.name);
    PenroseTiling t(static_cast<std::uint8_t>(p.mode));
    ASSERT_TRUE(special::LoadLibraryPatch(t, p.patch));
    std::set<int> highlighted;
    for (int i = 0; i < t.TileCount(); ++i) {
      if (t.tiles[static_cast<std::size_t>(i)].color == 3) highlighted.insert(i);
    }
    int hub = -1;
    for (int v = 0; v <= t.LastVertex() && hub < 0; ++v) {
      std::set<int> at;
      int angle = 0;
      for (int i = 0; i < t.TileCount(); ++i) {
        const special::PenroseTile& tile = t.tiles[static_cast<std::size_t>(i)];
        for (int k = 0; k < 4; ++k) {
          if (tile.c[static_cast<std::size_t>(k)] != v) continue;
          at.insert(i);
          angle += special::CornerAngle(p.mode, tile.type, k);
        }
      }
      if (at == highlighted && angle == 10) hub = v;
    }
    ASSERT_GE(hub, 0) << "no vertex closed by the highlighted tiles";
    int kites = 0;
    int darts = 0;
    for (int i : highlighted) (t.tiles[static_cast<std::size_t>(i)].type == 0 ? kites : darts)++;
    EXPECT_EQ(kites, it->second.kites);
    EXPECT_EQ(darts, it->second.darts);
  }
}

TEST(PenrosePatches, LoadingReplacesTheListWithSingleRecordActions) {
  PenroseTiling t(0);
  t.forcedTiles = true;
  penrose_test::PlaceRecords(t, {{0, 0, 1, 7}, {0, 1, 0, 8}});
  special::ResetTiling(t, 40);
  ASSERT_TRUE(special::LoadLibraryPatch(t, 2));  // Ace
  EXPECT_EQ(t.rotation, 18);
  EXPECT_EQ(t.TileCount(), 3);  // forced tiles are not added by a replay
  EXPECT_EQ(t.lastPlacement, 2);
  EXPECT_EQ(t.RedoLimit(), 2);
  for (const auto& r : t.placements) EXPECT_EQ(r.continued, 0);
  int darts = 0;
  for (const auto& tile : t.tiles) darts += tile.type;
  EXPECT_EQ(darts, 1);
  EXPECT_TRUE(special::UndoAction(t));
  EXPECT_EQ(t.TileCount(), 2);
  EXPECT_TRUE(special::UndoAction(t));
  EXPECT_EQ(t.TileCount(), 1);
  EXPECT_FALSE(special::UndoAction(t));

  const PenroseTiling before = t;
  EXPECT_FALSE(special::LoadLibraryPatch(t, 12));
  EXPECT_TRUE(penrose_test::SameTiling(t, before));
}

TEST(PenrosePatches, TheRhombsLoadTheRhombStar) {
  PenroseTiling t(1);
  ASSERT_TRUE(special::LoadLibraryPatch(t, 1));
  EXPECT_EQ(t.TileCount(), 174);
  ASSERT_TRUE(special::LoadLibraryPatch(t, 11));
  ASSERT_EQ(t.TileCount(), 1);
  EXPECT_EQ(t.tiles[0].type, 1);
  EXPECT_EQ(t.tiles[0].color, 7);
}

}  // namespace

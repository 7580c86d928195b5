// Writes the records of the long library patches (run with --gtest_also_run_disabled_tests and
// --gtest_filter=*PrintLongPatches*). Each grows from the records it must begin with by the tiles
// of a genuine Penrose tiling nearest its centre; the Bat first gets the tiles its own tiles force
// (coloured 12 for kites, 20 for darts).

#include <gtest/gtest.h>

#include <cstdio>

#include "special/penrose_forcing.h"
#include "special/penrose_patch_builder.h"
#include "special/penrose_patch_records.h"

namespace {

using penrose_test::C;

TEST(PenrosePatchGenerator, DISABLED_PrintLongPatches) {
  const auto kitesAndDarts = testsupport::ReferenceTiling(0, 8);
  const auto rhombs = testsupport::ReferenceTiling(1, 8);
  for (const penrose_test::PatchStart& p : penrose_test::PatchStarts()) {
    if (p.records <= static_cast<int>(p.first.size())) continue;
    special::PenroseTiling t(static_cast<std::uint8_t>(p.mode));
    special::ResetTiling(t, static_cast<std::int16_t>(p.rotation));
    for (std::int16_t code : penrose_test::PlaceRecords(t, p.first)) ASSERT_EQ(code, 0) << p.name;
    const int given = t.TileCount();
    const auto& ref = p.mode == 0 ? kitesAndDarts : rhombs;
    const auto where = penrose_test::FindInReference(t, given, ref);
    ASSERT_TRUE(where.has_value()) << p.name;
    const penrose_test::PlacedReference placed = penrose_test::PlaceReference(ref, *where);

    // The centre: the vertex all highlighted tiles share, else the middle of the given tiles.
    C centre = 0;
    for (int i = 0; i < given; ++i) {
      for (int k = 0; k < 4; ++k) centre += penrose_test::ToC(t.vertices[static_cast<std::size_t>(t.tiles[static_cast<std::size_t>(i)].c[static_cast<std::size_t>(k)])]);
    }
    centre /= static_cast<long double>(4 * given);
    int hub = -1;
    for (int v = 0; v < static_cast<int>(t.vertices.size()); ++v) {
      bool all = true;
      for (const auto& tile : t.tiles) {
        if (tile.color != 3) continue;
        all = all && (tile.c[0] == v || tile.c[1] == v || tile.c[2] == v || tile.c[3] == v);
      }
      if (all) hub = v;
    }
    if (hub >= 0 && p.patch != 9) centre = penrose_test::ToC(t.vertices[static_cast<std::size_t>(hub)]);

    if (p.patch == 9) {
      t.forcedTiles = true;
      t.kiteColor = 12;
      t.dartColor = 20;
      for (std::int16_t i = 0; i < given; ++i) {
        const special::PenroseTile tile = t.tiles[static_cast<std::size_t>(i)];
        if (tile.type == 0) {
          ASSERT_LT(special::ForceKiteStar(t, tile.c[2]), 1);
          ASSERT_LT(special::ForceKiteTailPair(t, tile.c[0]), 1);
        } else {
          ASSERT_LT(special::ForceDartSides(t, i), 1);
          ASSERT_LT(special::ForceDartStar(t, tile.c[3]), 1);
        }
        for (int k = 0; k < 4; ++k) {
          bool forward = false;
          const std::int16_t e = special::FindEdge(t, tile.c[static_cast<std::size_t>(k)], tile.c[static_cast<std::size_t>((k + 1) % 4)], forward);
          if (e >= 0 && t.edges[static_cast<std::size_t>(e)].kind == 1) {
            ASSERT_LT(special::ForceAcrossEdge(t, e), 1);
          }
        }
      }
      for (auto& r : t.placements) r.continued = 0;
      t.forcedTiles = false;
    }
    const C hubPoint = hub >= 0 ? penrose_test::ToC(t.vertices[static_cast<std::size_t>(hub)]) : C(1e9L, 0);
    const bool grown = penrose_test::GrowFromReference(t, placed, centre, p.records, [&](const special::PenroseTiling&, int r, int type) {
      // In the rhomb star the rest of the five 72-degree rhombs round the hub are highlighted too.
      if (p.mode == 1 && type == 0) {
        for (const C& z : placed.corners[static_cast<std::size_t>(r)]) {
          if (std::abs(z - hubPoint) < 1e-9L) return static_cast<std::int16_t>(3);
        }
      }
      return static_cast<std::int16_t>(type == 0 ? 8 : 7);
    });
    ASSERT_TRUE(grown) << p.name;
    std::printf("// %s: %d records, rotation %d\n", p.name, t.lastPlacement + 1, p.rotation);
    for (int i = 0; i <= t.lastPlacement; ++i) {
      const special::TilePlacement& r = t.placements[static_cast<std::size_t>(i)];
      std::printf("{%d, %d, %d, %d},%s", r.edge, r.side, r.type, r.color, i % 8 == 7 || i == t.lastPlacement ? "\n" : " ");
    }
  }
}

}  // namespace

// The tiling's blocks of KIT and RHO files: exact bytes, round trips that keep the user actions,
// refusals of short or out-of-range files, and the data summary.

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

#include "kernel/byte_io.h"
#include "special/penrose_attach.h"
#include "special/penrose_data_text.h"
#include "special/penrose_file.h"
#include "special/penrose_patches.h"
#include "special/penrose_test_support.h"

namespace {

using kernel::Bytes;
using penrose_test::SameTiling;
using special::PenroseFileBlocks;
using special::PenroseTiling;

Bytes FromHex(const std::string& hex) {
  Bytes out;
  for (std::size_t i = 0; i + 1 < hex.size();) {
    if (hex[i] == ' ' || hex[i] == '\n') {
      ++i;
      continue;
    }
    out.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    i += 2;
  }
  return out;
}

PenroseFileBlocks SingleKiteBlocks() {
  PenroseTiling t(0);
  special::LoadLibraryPatch(t, 10);
  PenroseFileBlocks b;
  b.decimals = 3;
  b.mouseMode = 122;
  b.pictexStyle = -2;
  b.thickenPrint = 1;
  b.colorMode = 2;
  b.ammannFamily = {1, 0, 0, 0, 1};
  b.curves = 1;
  b.centreX = 0.25L;
  b.centreY = -0.75L;
  b.halfWidth = 1.5L;
  b.zoom = 1;
  special::CopyTilingToBlocks(t, b);
  return b;
}

Bytes Write(const PenroseFileBlocks& b) {
  kernel::ByteWriter w;
  special::WritePenroseBlocks(w, b);
  return w.Take();
}

TEST(PenroseFile, ASingleKiteIsWrittenByteForByte) {
  const Bytes expected = FromHex(
      // decimals, mouse mode, last placement, rotation, 0, PiCTeX style, thickness, colour mode
      "0300 7a00 0000 0000 0000 feff 0100 0200"
      "000000000000000000000000000000000000000000000000"
      // families 1..5, dotted, hide, forced, curves, compatibility, zeros
      "0100000001 01 00 00 01 01 00000000000000000000"
      // centre x 0.25, centre y -0.75, half width 1.5, zoom 1
      "0000000000000080fd3f 000000000000 00c0 febf 000000000000 00c0 ff3f 0000000000000080ff3f"
      "000000000000000000000000000000000000000000000000000000000000"
      "000000000000000000000000000000000000000000000000000000000000"
      // one record: edge 0, side 0, type 0, colour 8, continued 0
      "0000 0000 0000 0800 00");
  const Bytes bytes = Write(SingleKiteBlocks());
  ASSERT_EQ(bytes.size(), 40u + 20u + 100u + 9u);
  EXPECT_EQ(bytes, expected);
}

TEST(PenroseFile, ReadingGivesBackWhatWasWritten) {
  const PenroseFileBlocks written = SingleKiteBlocks();
  const Bytes bytes = Write(written);
  kernel::ByteReader in(bytes);
  PenroseFileBlocks read;
  ASSERT_EQ(special::ReadPenroseBlocks(in, read), 0);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(Write(read), bytes);
  EXPECT_EQ(read.pictexStyle, -2);
  EXPECT_EQ(read.centreY, -0.75L);
  ASSERT_EQ(read.placements.size(), 1u);
  PenroseTiling t(0);
  special::BuildTilingFromBlocks(read, t);
  ASSERT_EQ(t.TileCount(), 1);
  EXPECT_EQ(t.tiles[0].type, 0);
  EXPECT_EQ(t.tiles[0].color, 8);
  EXPECT_TRUE(t.compatibility);
  EXPECT_FALSE(t.forcedTiles);
}

// The continued bytes survive, so Undo after opening takes back the same actions as before saving.
TEST(PenroseFile, ARoundTripKeepsTheTilingAndItsActions) {
  PenroseTiling t(0);
  t.forcedTiles = true;
  special::ResetTiling(t, 10);
  penrose_test::PlaceRecords(t, {{0, 0, 0, 8}});
  for (std::int16_t e : {0, 1, 4, 9}) special::AttachToEdge(t, static_cast<std::int16_t>(e % 2), e);
  ASSERT_GT(t.TileCount(), 5);
  PenroseFileBlocks b;
  special::CopyTilingToBlocks(t, b);
  const Bytes bytes = Write(b);
  kernel::ByteReader in(bytes);
  PenroseFileBlocks read;
  ASSERT_EQ(special::ReadPenroseBlocks(in, read), 0);
  PenroseTiling opened(0);
  special::BuildTilingFromBlocks(read, opened);
  EXPECT_TRUE(SameTiling(opened, t));
  EXPECT_TRUE(opened.forcedTiles);
  while (special::UndoAction(t)) {
    ASSERT_TRUE(special::UndoAction(opened));
    EXPECT_EQ(opened.TileCount(), t.TileCount());
  }
  EXPECT_FALSE(special::UndoAction(opened));
}

TEST(PenroseFile, ShortFilesAreRefusedAndTheOpenTilingStays) {
  const Bytes bytes = Write(SingleKiteBlocks());
  PenroseTiling open(0);
  special::LoadLibraryPatch(open, 2);
  const PenroseTiling before = open;
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    kernel::ByteReader in(bytes.data(), size);
    PenroseFileBlocks read;
    EXPECT_EQ(special::ReadPenroseBlocks(in, read), 11) << size;
  }
  EXPECT_TRUE(SameTiling(open, before));
}

TEST(PenroseFile, OutOfRangeCountsAndViewsAreRefused) {
  struct Case {
    const char* what;
    std::int16_t last;
    long double halfWidth;
    long double zoom;
    int result;
  };
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const long double inf = std::numeric_limits<long double>::infinity();
  for (const Case& c : {Case{"no records", -1, 1, 1, 0}, Case{"index -2", -2, 1, 1, 11}, Case{"index 6000", 6000, 1, 1, 11},
                        Case{"index 32767", 32767, 1, 1, 11}, Case{"index 5999", 5999, 1, 1, 0},
                        Case{"zero half width", 0, 0, 1, 11}, Case{"NaN zoom", 0, 1, nan, 11},
                        Case{"infinite half width", 0, inf, 1, 11}, Case{"negative zoom", 0, 1, -2, 11}}) {
    PenroseFileBlocks b;
    b.halfWidth = c.halfWidth;
    b.zoom = c.zoom;
    b.placements.assign(static_cast<std::size_t>(std::max(0, c.last + 1)), {0, 0, 0, 8, 0});
    Bytes bytes = Write(b);
    bytes[4] = static_cast<std::uint8_t>(c.last & 0xff);
    bytes[5] = static_cast<std::uint8_t>((c.last >> 8) & 0xff);
    kernel::ByteReader in(bytes);
    PenroseFileBlocks read;
    EXPECT_EQ(special::ReadPenroseBlocks(in, read), c.result) << c.what;
    if (c.result == 0) {
      EXPECT_EQ(static_cast<int>(read.placements.size()), c.last + 1) << c.what;
    }
  }
}

TEST(PenroseFile, OddSettingsReadAsDefaultsAndBadRecordsAreSkipped) {
  PenroseFileBlocks b;
  b.mouseMode = 7;
  b.colorMode = 9;
  b.placements = {{0, 0, 0, 200, 0}, {50, 0, 0, 8, 0}, {0, 1, 2, 8, 0}, {0, 1, -1, 8, 0}, {0, 3, 1, 7, 0},
                  {-1, 1, 1, 7, 0},  {0, 1, 1, 7, 0}};
  Bytes bytes = Write(b);
  bytes[40 + 7] = 5;  // forced tiles stored as 5
  kernel::ByteReader in(bytes);
  PenroseFileBlocks read;
  ASSERT_EQ(special::ReadPenroseBlocks(in, read), 0);
  EXPECT_EQ(read.mouseMode, 121);
  EXPECT_EQ(read.colorMode, 0);
  EXPECT_EQ(read.forcedTiles, 1);
  EXPECT_EQ(read.placements[0].color, 8);
  PenroseTiling t(0);
  special::BuildTilingFromBlocks(read, t);
  ASSERT_EQ(t.TileCount(), 2);
  EXPECT_EQ(t.tiles[1].type, 1);
  EXPECT_EQ(t.lastPlacement, 6);
  EXPECT_EQ(t.RedoLimit(), 6);
}

TEST(PenroseDataText, CountsKitesDartsTilesEdgesAndVertices) {
  PenroseTiling t(0);
  special::LoadLibraryPatch(t, 10);
  EXPECT_EQ(special::PenroseDataText(t), "kites: 1\r\ndarts: 0\r\n\r\ntiles: 1\r\nedges: 4\r\nvertices: 4");
  special::LoadLibraryPatch(t, 2);
  EXPECT_EQ(special::PenroseDataText(t), "kites: 2\r\ndarts: 1\r\n\r\ntiles: 3\r\nedges: 9\r\nvertices: 7");
  PenroseTiling r(1);
  special::LoadLibraryPatch(r, 11);
  EXPECT_EQ(special::PenroseDataText(r), "kites: 0\r\ndarts: 1\r\n\r\ntiles: 1\r\nedges: 4\r\nvertices: 4");
}

}  // namespace

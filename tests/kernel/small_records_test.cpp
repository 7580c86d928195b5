#include "kernel/small_records.h"

#include <gtest/gtest.h>

using namespace kernel;

TEST(SmallRecords, WinPlacementHasItsSeventeenByteImage) {
  WinPlacement p;
  SetWinRect(p, 10, -20, 640, 480, 1);
  ByteWriter w;
  WriteWinPlacement(w, p);
  const Bytes expected = {10, 0, 0, 0, 0xEC, 0xFF, 0xFF, 0xFF, 0x80, 2, 0, 0, 0xE0, 1, 0, 0, 1};
  ASSERT_EQ(w.size(), static_cast<std::size_t>(kWinPlacementBytes));
  EXPECT_EQ(w.bytes(), expected);

  ByteReader r(w.bytes());
  const WinPlacement back = ReadWinPlacement(r);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(back.x, 10);
  EXPECT_EQ(back.y, -20);
  EXPECT_EQ(back.width, 640);
  EXPECT_EQ(back.height, 480);
  EXPECT_EQ(back.zoomed, 1);

  ByteReader short_reader(w.bytes().data(), 16);
  ReadWinPlacement(short_reader);
  EXPECT_FALSE(short_reader.ok());

  LDRect rect;
  SetLDRect(rect, 1, 2, 3, 4);
  EXPECT_EQ(rect.x1, 1);
  EXPECT_EQ(rect.y1, 2);
  EXPECT_EQ(rect.x2, 3);
  EXPECT_EQ(rect.y2, 4);
}

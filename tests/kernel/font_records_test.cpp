#include "kernel/font_records.h"

#include <gtest/gtest.h>

using namespace kernel;

TEST(FontRecords, HeightsOfTwelveAndTenPointsAtNinetySixDpi) {
  EXPECT_EQ(PointsToFontHeight(12, 96), -16);
  EXPECT_EQ(PointsToFontHeight(10, 96), -13);  // 13.33 rounds to 13
  EXPECT_EQ(PointsToFontHeight(8, 96), -11);   // 10.67 rounds to 11
  EXPECT_EQ(PointsToFontHeight(12, 120), -20);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);   // halves away from zero
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 7, 0), -1);
}

TEST(FontRecords, DefaultSlots) {
  const auto slots = DefaultFontSlots(96);
  EXPECT_EQ(slots[0].font.faceName, "Courier New");
  EXPECT_EQ(slots[0].font.height, -16);
  EXPECT_EQ(slots[0].points, 12);
  EXPECT_EQ(slots[1].font.faceName, "Symbol");
  EXPECT_EQ(slots[1].font.charset, kSymbolCharset);
  EXPECT_EQ(slots[1].font.height, -13);
  EXPECT_EQ(slots[3].points, 8);
  EXPECT_EQ(slots[4].font.faceName, "Times");
  EXPECT_EQ(slots[4].font.pitchAndFamily, kVariablePitch);
  for (int k = 6; k < kFontSlotCount; ++k) EXPECT_EQ(slots[k].font, slots[2].font) << k;
  for (const FontSlot& s : slots) {
    EXPECT_EQ(s.font.weight, 400);
    EXPECT_EQ(s.font.outPrecision, 8);
    EXPECT_EQ(s.font.clipPrecision, 2);
    EXPECT_EQ(s.font.quality, 1);
  }
}

TEST(FontRecords, SixtyBytesInTheirOrderAndBack) {
  FontRecord font = DefaultFontSlots(96)[1].font;
  font.italic = 1;
  font.escapement = 900;
  ByteWriter out;
  WriteFontRecord(out, font);
  ASSERT_EQ(out.size(), kFontRecordBytes);
  const Bytes& b = out.bytes();
  EXPECT_EQ(b[0], 0xF3);  // -13
  EXPECT_EQ(b[3], 0xFF);
  EXPECT_EQ(b[8], 0x84);  // 900
  EXPECT_EQ(b[16], 0x90);  // 400
  EXPECT_EQ(b[20], 1);     // italic
  EXPECT_EQ(b[23], kSymbolCharset);
  EXPECT_EQ(b[27], kFixedModernPitch);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[28])), "Symbol");
  ByteReader in(b);
  EXPECT_EQ(ReadFontRecord(in), font);
  EXPECT_TRUE(in.ok() && in.AtEnd());

  // A face too long for the field keeps the field's terminating NUL; a short record fails.
  font.faceName = std::string(40, 'x');
  ByteWriter longOut;
  WriteFontRecord(longOut, font);
  ASSERT_EQ(longOut.size(), kFontRecordBytes);
  EXPECT_EQ(longOut.bytes().back(), 0);
  ByteReader back(longOut.bytes());
  EXPECT_EQ(ReadFontRecord(back).faceName, std::string(31, 'x'));
  ByteReader shortIn(longOut.bytes().data(), 59);
  ReadFontRecord(shortIn);
  EXPECT_FALSE(shortIn.ok());
}

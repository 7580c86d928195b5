#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "support/record_images.h"
#include "kernel/conic_equation_records.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

using std::uint8_t;

Bytes ImageOf(const ConicRecord& record) { return ::ImageOf(record, WriteConicRecord); }

Bytes ImageOf(const EquationRecord& record) { return ::ImageOf(record, WriteEquationRecord); }

TEST(ConicEquationRecords, ConicGoldenImageAndRoundTrip) {
  ConicRecord record;
  ConicRecord other;
  InitConicRecord(record);
  EXPECT_EQ(record.shape_set, 0);
  SetConicShape(record, kConicHyperbola, 1, 0, 0, 0, 0, 0, 0, -2);
  record.coefficients[5] = 1;
  record.angle = 1;
  record.values[9] = -2;
  record.circle = 1;
  record.next = &other;  // never stored

  Bytes expected(kConicRecordBytes, 0);
  Put(expected, 0, {0, 0, 1, 0, 2, 0, 3, 0, 4, 0, 0, 0, 2, 0});
  Put(expected, 14, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});   // shape[0].x = 1
  Put(expected, 84, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0});   // shape[3].y = -2
  Put(expected, 144, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});  // f = 1
  Put(expected, 154, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});  // angle = 1
  Put(expected, 254, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0});  // last further value = -2
  Put(expected, 264, {1, 1});
  EXPECT_EQ(ImageOf(record), expected);

  ByteReader reader(expected);
  const auto back = ReadConicRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(back->next, nullptr);
  EXPECT_EQ(ImageOf(*back), expected);

  ByteReader short_reader(expected.data(), expected.size() - 1);
  EXPECT_FALSE(ReadConicRecord(short_reader).has_value());
}

TEST(ConicEquationRecords, InitLeavesTheFlagsAndSetShapeClearsTheCircle) {
  ConicRecord record;
  record.shape_set = 1;
  record.circle = 1;
  record.kind = kConicEllipse;
  record.values[3] = 5;
  InitConicRecord(record);
  EXPECT_EQ(record.kind, kConicNoRealPoint);
  EXPECT_EQ(record.values[3], 0);
  EXPECT_EQ(record.shape_set, 1);
  EXPECT_EQ(record.circle, 1);

  record.angle = 2;
  SetConicShape(record, kConicEllipse, 1, 2, 3, 4, 5, 6, 7, 8);
  EXPECT_EQ(record.angle, 0);
  EXPECT_EQ(record.circle, 0);
  EXPECT_EQ(record.shape[2].x, 5);
  EXPECT_EQ(record.shape[3].y, 8);
}

TEST(ConicEquationRecords, RotateTurnsEveryShapePoint) {
  ConicRecord record;
  SetConicShape(record, kConicEllipse, 1, 0, 0, 2, -3, 0, 1, 1);
  record.angle = Pi / 2;
  RotateConicShape(record);
  const Point2 expected[4] = {{0, 1}, {-2, 0}, {0, -3}, {-1, 1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_REAL_NEAR(record.shape[i].x, expected[i].x, 1e-15L);
    EXPECT_REAL_NEAR(record.shape[i].y, expected[i].y, 1e-15L);
  }
}

TEST(ConicEquationRecords, EquationGoldenImageAndRoundTrip) {
  EquationRecord record;
  EquationRecord other;
  record.word = 0x0201;
  AllocCoefTexts(record);
  record.coefficient_texts[0] = "x";  // texts are not part of the image
  record.data[0] = 0xAA;
  record.data[79] = 0xBB;
  record.next = &other;

  Bytes expected(kEquationRecordBytes, 0);
  Put(expected, 0, {0x01, 0x02});
  Put(expected, 26, {0xAA});
  Put(expected, 105, {0xBB});
  EXPECT_EQ(ImageOf(record), expected);

  ByteReader reader(expected);
  const auto back = ReadEquationRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(back->has_texts);
  EXPECT_EQ(ImageOf(*back), expected);
}

TEST(ConicEquationRecords, CoefficientTextsJoinSplitAndFormat) {
  const CoefficientTexts texts = {"1", "0", "1", "0", "0", "-4"};
  std::string joined = "old";
  JoinSixStrings(joined, texts);
  EXPECT_EQ(joined, "1,0,1,0,0,-4,");
  JoinSixStrings(joined, CoefficientTexts{});
  EXPECT_EQ(joined, ",,,,,,");

  CoefficientTexts back;
  SplitSixStrings(back, "1,0,1,0,0,-4,");
  EXPECT_EQ(back, texts);
  SplitSixStrings(back, "a,b,");  // missing fields come out empty
  EXPECT_EQ(back, (CoefficientTexts{"a", "b", "", "", "", ""}));
  SplitSixStrings(back, std::string(200, '7') + ",2,3,4,5,6,");
  EXPECT_EQ(back[0], std::string(kCoefficientTextChars, '7'));
  EXPECT_EQ(back[1], "2");

  std::string equation = "E: ";
  FormatConicEquation(equation, texts);
  EXPECT_EQ(equation, "E: (1)xx+(0)xy+(1)yy+(0)x+(0)y+(-4)=0");
}

TEST(ConicEquationRecords, ListsAreCounted) {
  ConicRecord c1, c2, c3;
  c1.next = &c2;
  c2.next = &c3;
  EXPECT_EQ(CountConicList(&c1), 3);
  EXPECT_EQ(CountConicList(nullptr), 0);
  EquationRecord e1;
  EXPECT_EQ(CountEquationList(&e1), 1);
  EXPECT_EQ(CountEquationList(nullptr), 0);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "support/record_images.h"
#include "kernel/line_circle_records.h"

using namespace kernel;

namespace {

using std::uint16_t;
using std::uint8_t;

std::vector<uint16_t> Listed(const SegmentRecord& record) {
  return {record.points.entries.begin(), record.points.entries.begin() + record.points.count};
}

std::vector<uint16_t> Listed(const CircleRecord& record) {
  return {record.points.begin(), record.points.begin() + record.count};
}

TEST(LineCircleRecords, SegmentGoldenImageAndRoundTrip) {
  SegmentRecord record;
  EXPECT_EQ(::ImageOf(record, WriteSegmentRecord), Bytes(kSegmentRecordBytes, 0));

  InitSegmentRecord(record, 0x0102, 7, 3, 2, 0x0A0B);
  ASSERT_EQ(IndexListInsert(record.points, 9, 1), 1);
  record.extends_first = 1;

  Bytes expected(kSegmentRecordBytes, 0);
  Put(expected, 0, {3, 0});
  Put(expected, 2, {0x02, 0x01, 9, 0, 7, 0});
  Put(expected, 104, {1, 0, 1});
  Put(expected, 107, {3, 0, 2, 0, 0x0B, 0x0A});
  EXPECT_EQ(::ImageOf(record, WriteSegmentRecord), expected);

  ByteReader reader(expected);
  const auto back = ReadSegmentRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(::ImageOf(*back, WriteSegmentRecord), expected);
}

TEST(LineCircleRecords, CircleGoldenImageAndRoundTrip) {
  CircleRecord record;
  EXPECT_EQ(::ImageOf(record, WriteCircleRecord), Bytes(kCircleRecordBytes, 0));

  // p2 missing: the count is the highest slot holding a point, with 0xFFFF in the gap.
  InitCircleRecord(record, 0x0304, 5, -90, -1, 6);
  EXPECT_EQ(record.count, 3);
  EXPECT_EQ(Listed(record), (std::vector<uint16_t>{5, kNoListedPoint, 6}));

  Bytes expected(kCircleRecordBytes, 0xFF);
  Put(expected, 0, {3, 0, 0x04, 0x03, 5, 0, 0xFF, 0xFF, 6, 0});
  Put(expected, 104, {0});
  Put(expected, 105, {0, 0, 0, 0, 0, 0, 0, 0xB4, 0x05, 0xC0});  // -90
  Put(expected, 115, {1, 1});
  for (std::size_t i = 117; i < 137; ++i) expected[i] = 0;
  Put(expected, 137, {0, 0, 1, 0, 0, 0});
  EXPECT_EQ(::ImageOf(record, WriteCircleRecord), expected);

  ByteReader reader(expected);
  const auto back = ReadCircleRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(back->arc_angle, -90);
  EXPECT_EQ(::ImageOf(*back, WriteCircleRecord), expected);
}

TEST(LineCircleRecords, HypCurveGoldenImageAndRoundTrip) {
  HypCurveRecord record;
  EXPECT_EQ(::ImageOf(record, WriteHypCurveRecord), Bytes(kHypCurveRecordBytes, 0));

  InitHypCurveRecord(record);
  record.shape = 2;
  record.points[1] = {1, -2};
  Bytes expected(kHypCurveRecordBytes, 0);
  Put(expected, 0, {2});
  Put(expected, 21, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});  // 1
  Put(expected, 31, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0});  // -2
  Put(expected, 61, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(::ImageOf(record, WriteHypCurveRecord), expected);

  ByteReader reader(expected);
  const auto back = ReadHypCurveRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(::ImageOf(*back, WriteHypCurveRecord), expected);
}

TEST(LineCircleRecords, ReadersRefuseShortInputAndOversizedCounts) {
  Bytes segment(kSegmentRecordBytes, 0);
  Put(segment, 0, {52, 0});
  ByteReader long_line(segment);
  EXPECT_FALSE(ReadSegmentRecord(long_line).has_value());
  Put(segment, 0, {0xFF, 0xFF});
  ByteReader negative_count(segment);
  EXPECT_FALSE(ReadSegmentRecord(negative_count).has_value());

  Bytes circle(kCircleRecordBytes, 0);
  Put(circle, 0, {51, 0});
  ByteReader crowded_circle(circle);
  EXPECT_FALSE(ReadCircleRecord(crowded_circle).has_value());

  const Bytes short_image(kHypCurveRecordBytes - 1, 0);
  ByteReader short_reader(short_image);
  EXPECT_FALSE(ReadHypCurveRecord(short_reader).has_value());
}

TEST(LineCircleRecords, ArcAngleSetsTheFullCircleFlag) {
  const struct {
    Real angle;
    uint8_t full;
  } cases[] = {{359.99999L, 0}, {360, 1}, {-360, 1}, {-359.99999L, 0}, {180, 0}, {720, 1}};
  for (const auto& c : cases) {
    CircleRecord record;
    SetArcAngle(record, c.angle);
    EXPECT_EQ(record.full_circle, c.full) << static_cast<double>(c.angle);
    EXPECT_EQ(record.arc_angle, c.angle);
  }
}

TEST(LineCircleRecords, LinePointListInsertsFindsAndRemoves) {
  SegmentRecord line;
  InitSegmentRecord(line, 10, 20, 0, 1, 0);
  EXPECT_EQ(IndexListInsert(line.points, 15, 1), 1);
  EXPECT_EQ(IndexListInsert(line.points, 25, 3), 3);
  EXPECT_EQ(IndexListInsert(line.points, 5, 0), 0);
  EXPECT_EQ(Listed(line), (std::vector<uint16_t>{5, 10, 15, 20, 25}));
  EXPECT_EQ(IndexListFind(line.points, 20), 3);
  EXPECT_EQ(IndexListFind(line.points, 99), -1);
  EXPECT_EQ(IndexListLast(line.points), 25);
  EXPECT_EQ(IndexListInsert(line.points, 1, 7), -1);  // beyond the end of the list
  EXPECT_EQ(IndexListInsert(line.points, 1, -1), -1);

  EXPECT_EQ(SegmentRemovePoint(line, 99), 0);
  EXPECT_EQ(SegmentRemovePoint(line, 10), -1);
  EXPECT_EQ(SegmentRemovePoint(line, 25), -1);
  EXPECT_EQ(SegmentRemovePoint(line, 5), -1);
  EXPECT_EQ(Listed(line), (std::vector<uint16_t>{15, 20}));
  EXPECT_EQ(SegmentRemovePoint(line, 15), 1);  // a line keeps its last two points
  EXPECT_EQ(Listed(line), (std::vector<uint16_t>{15, 20}));

  IndexList empty;
  EXPECT_EQ(IndexListLast(empty), 0);
}

TEST(LineCircleRecords, AFullLineRefusesAFurtherPoint) {
  SegmentRecord line;
  InitSegmentRecord(line, 0, 1, 0, 1, 0);
  for (uint16_t p = 2; p < kLinePointCapacity; ++p) ASSERT_EQ(IndexListInsert(line.points, p, 1), 1);
  ASSERT_EQ(line.points.count, kLinePointCapacity);
  const SegmentRecord before = line;
  EXPECT_EQ(IndexListInsert(line.points, 999, 1), -1);
  EXPECT_EQ(::ImageOf(line, WriteSegmentRecord), ::ImageOf(before, WriteSegmentRecord));
}

TEST(LineCircleRecords, CirclePointListAppendsFindsAndRemoves) {
  CircleRecord circle;
  InitCircleRecord(circle, 0, 4, 360, -1, -1);
  EXPECT_EQ(circle.count, 1);
  EXPECT_EQ(CircleRemovePoint(circle, 4), 1);  // the only listed point stays
  EXPECT_EQ(CircleRemovePoint(circle, 0), 0);  // the centre is not listed
  EXPECT_EQ(CirclePointFind(circle, 0), -1);

  for (uint16_t p = 5; circle.count < kCirclePointCapacity; ++p) ASSERT_TRUE(CircleAppendPoint(circle, p));
  EXPECT_EQ(CirclePointFind(circle, 4), 1);
  EXPECT_EQ(CirclePointFind(circle, 53), 50);
  EXPECT_FALSE(CircleAppendPoint(circle, 999));  // the 51st point is refused
  EXPECT_EQ(circle.count, kCirclePointCapacity);
  EXPECT_EQ(CirclePointFind(circle, 999), -1);

  EXPECT_EQ(CircleRemovePoint(circle, 4), -1);
  EXPECT_EQ(circle.count, 49);
  EXPECT_EQ(CirclePointFind(circle, 5), 1);
  EXPECT_EQ(CirclePointFind(circle, 53), 49);
}

TEST(LineCircleRecords, InitCircleWithoutPointsKeepsTheCount) {
  CircleRecord circle;
  circle.count = 7;
  InitCircleRecord(circle, 3, -1, 90, -1, -1);
  EXPECT_EQ(circle.count, 7);
  EXPECT_EQ(circle.centre, 3);
  EXPECT_EQ(circle.points[0], kNoListedPoint);
}

TEST(LineCircleRecords, CommonPointsAndFlaggedCounts) {
  const struct {
    std::vector<uint16_t> a, b;
    int found;
    std::array<uint16_t, 2> out;
  } cases[] = {
      {{4, 7, 9}, {9, 4}, 2, {4, 9}},
      {{4, 7, 9}, {7}, 1, {7, 0}},
      {{1, 2, 3}, {4, 5}, 0, {0, 0}},
      {{1, 2, 3}, {3, 2, 1}, 2, {1, 2}},
      {{}, {1}, 0, {0, 0}},
  };
  for (const auto& c : cases) {
    std::array<uint16_t, 2> out{};
    EXPECT_EQ(IndexListsCommon(c.a, c.b, out), c.found);
    EXPECT_EQ(out, c.out);
  }

  SegmentRecord line;
  InitSegmentRecord(line, 1, 3, 0, 1, 0);
  IndexListInsert(line.points, 4, 2);
  IndexListInsert(line.points, 60000, 3);  // beyond the flag array
  const std::vector<uint8_t> flags = {0, 1, 0, 1, 1};
  EXPECT_EQ(CountFlaggedUpTo2(line.points, flags), 2);
  EXPECT_EQ(CountFlaggedUpTo2(line.points, std::span<const uint8_t>(flags).first(2)), 1);
}

TEST(LineCircleRecords, SmallInitialisers) {
  AngleRange range{5, 5};
  InitFullAngleRange(range);
  EXPECT_EQ(range.start, 0);
  EXPECT_EQ(range.end, static_cast<Real>(6.283185307179586));

  PointNameHead head;
  EXPECT_EQ(&SetIndexTriple(head, 7, 1, 3), &head);
  EXPECT_EQ(head.label, 7);
  EXPECT_EQ(head.shown, 1);
  EXPECT_EQ(head.marker, 3);

  IndexWords5 words{};
  EXPECT_EQ(SetIndex5(words, 1, 2, 3, 4, 5), (IndexWords5{1, 2, 3, 4, 5}));
}

}  // namespace

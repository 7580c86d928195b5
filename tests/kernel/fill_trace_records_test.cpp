#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "support/record_images.h"
#include "kernel/fill_trace_records.h"
#include "kernel/linked_record_lists.h"

using namespace kernel;

namespace {

using std::uint16_t;
using std::uint8_t;

Bytes ImageOf(const FillRecord& record) { return ::ImageOf(record, WriteFillRecord); }

Bytes ImageOf(const TraceRecord& record) { return ::ImageOf(record, WriteTraceRecord); }

void SetVertices(FillRecord& fill, std::vector<uint16_t> vertices) {
  std::copy(vertices.begin(), vertices.end(), fill.vertices.begin());
  fill.vertices[vertices.size()] = kFillListEnd;
}

std::vector<uint16_t> Vertices(const FillRecord& fill) {
  std::vector<uint16_t> listed;
  for (uint16_t v : fill.vertices) {
    if (v == kFillListEnd) break;
    listed.push_back(v);
  }
  return listed;
}

TEST(FillTraceRecords, FillGoldenImageAndRoundTrip) {
  FillRecord record;
  InitFillRecord(record);
  EXPECT_EQ(record.expression, "0.0");
  record.mode = kFillPolygon;
  SetVertices(record, {3, 0x0105});
  record.values[0] = 1;
  record.points[5] = {0, -2};
  AllocFillTexts(record);
  record.texts[2] = "t";  // texts are not part of the image

  Bytes expected(kFillRecordBytes, 0);
  Put(expected, 0, {0xFF, 0xFF, 0, 0, 0xFF, 0xFF});
  Put(expected, 6, {3, 0, 0x05, 0x01, 0xFF, 0xFF});
  Put(expected, 208, {0xFF, 0xFF, 1, 0});
  Put(expected, 216, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});  // first value 1
  Put(expected, 296, {'0', '.', '0'});
  Put(expected, 471, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0});  // points[5].y = -2
  EXPECT_EQ(ImageOf(record), expected);

  ByteReader reader(expected);
  const auto back = ReadFillRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(back->has_texts);
  EXPECT_EQ(back->expression, "0.0");
  EXPECT_EQ(ImageOf(*back), expected);

  ByteReader short_reader(expected.data(), 100);
  EXPECT_FALSE(ReadFillRecord(short_reader).has_value());
}

TEST(FillTraceRecords, FillExpressionKeepsItsTerminator) {
  FillRecord record;
  record.expression = std::string(50, 'x');
  const Bytes image = ImageOf(record);
  EXPECT_EQ(image.size(), kFillRecordBytes);
  EXPECT_EQ(image[296 + 39], 'x');
  EXPECT_EQ(image[296 + 40], 0);
}

TEST(FillTraceRecords, DropClosingVertex) {
  const struct {
    uint16_t mode;
    std::vector<uint16_t> before, after;
  } cases[] = {
      {kFillPolygon, {3, 5, 8, 3}, {3, 5, 8}},
      {kFillPolygon, {3, 5, 8}, {3, 5, 8}},
      {kFillPolygon, {4}, {}},
      {kFillPolygon, {}, {}},
      {kFillInsideCircle, {3, 5, 8, 3}, {3, 5, 8, 3}},
  };
  for (const auto& c : cases) {
    FillRecord fill;
    InitFillRecord(fill);
    fill.mode = c.mode;
    SetVertices(fill, c.before);
    DropClosingVertex(fill);
    EXPECT_EQ(Vertices(fill), c.after);
  }

  FillRecord full;  // every entry used: no end mark to look for
  full.mode = kFillPolygon;
  full.vertices.fill(6);
  DropClosingVertex(full);
  EXPECT_EQ(full.vertices[kFillVertexCapacity - 1], kFillListEnd);
  EXPECT_EQ(full.vertices[kFillVertexCapacity - 2], 6);
}

TEST(FillTraceRecords, TraceGoldenImageAndRoundTrip) {
  TraceRecord record;
  record.word0 = 0x0A0B;
  record.bytes13 = {1, 2, 3, 4};
  InitTraceRecord(record, 0x0102, 3, 0x0405, 0x0607, 1, -2, 0x0809, 0x11, 0x22);

  Bytes expected(kTraceRecordBytes, 0);
  Put(expected, 0, {0x0B, 0x0A, 0x02, 0x01, 3, 0x05, 0x04, 0x07, 0x06, 0x09, 0x08, 0x11, 0x22, 1, 2, 3, 4});
  Put(expected, 17, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});
  Put(expected, 27, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0});
  EXPECT_EQ(ImageOf(record), expected);

  ByteReader reader(expected);
  const auto back = ReadTraceRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(ImageOf(*back), expected);
}

TEST(FillTraceRecords, FillListLastCountAndFree) {
  EXPECT_EQ(FillListLast(nullptr), nullptr);
  EXPECT_EQ(CountFillList(nullptr), 0);
  FillRecord* head = new FillRecord;
  head->next = new FillRecord;
  head->next->next = new FillRecord;
  EXPECT_EQ(CountFillList(head), 3);
  EXPECT_EQ(FillListLast(head), head->next->next);
  FreeLinkedList(head);  // the sanitizer build reports a leak or a double free
  EXPECT_EQ(head, nullptr);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "support/record_images.h"
#include "kernel/face_surface_records.h"

using namespace kernel;

namespace {

using std::uint16_t;
using std::uint8_t;

Bytes ImageOf(const FaceRecord& face) { return ::ImageOf(face, WriteFaceRecord); }

Bytes ImageOf(const SurfaceRecord& record) { return ::ImageOf(record, WriteSurfaceRecord); }

FaceRecord FaceOf(std::vector<uint16_t> vertices) {
  FaceRecord face;
  EXPECT_TRUE(InitFaceListFrom(face, static_cast<int>(vertices.size()), vertices));
  return face;
}

TEST(FaceSurfaceRecords, FaceGoldenImageAndRoundTrip) {
  EXPECT_EQ(ImageOf(FaceRecord{}), Bytes(kFaceRecordBytes, 0));

  FaceRecord face;
  ASSERT_TRUE(InitFaceList(face, 3, 0x0102, 5, 6, 40, 41, 42));
  face.style = {2, 0, 7};

  Bytes expected(kFaceRecordBytes, 0xFF);
  Put(expected, 0, {3, 0, 1});
  Put(expected, 3, {0x02, 0x01, 5, 0, 6, 0, 0x02, 0x01});
  Put(expected, 53, {1, 0, 2, 0, 0, 0, 7, 0, 0});
  EXPECT_EQ(ImageOf(face), expected);

  ByteReader reader(expected);
  const auto back = ReadFaceRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(ImageOf(*back), expected);

  Put(expected, 0, {25, 0});
  ByteReader too_many(expected);
  EXPECT_FALSE(ReadFaceRecord(too_many).has_value());
}

TEST(FaceSurfaceRecords, FaceListsCloseOnVertexZero) {
  FaceRecord full;
  ASSERT_TRUE(InitFaceListRange(full, kFaceVertexCapacity, 100));
  EXPECT_EQ(full.vertices[23], 123);
  EXPECT_EQ(full.vertices[24], 100);  // no room left for an end mark

  FaceRecord segment;
  ASSERT_TRUE(InitFaceList(segment, 2, 8, 9, 1, 1, 1, 1));
  EXPECT_EQ(segment.vertices[2], 8);
  EXPECT_EQ(segment.vertices[3], kNoFaceVertex);
  EXPECT_EQ(segment.visible, 1);
  EXPECT_EQ(segment.colour, 1);
}

TEST(FaceSurfaceRecords, FaceListsRefuseMoreThan24Vertices) {
  FaceRecord face;
  ASSERT_TRUE(InitFaceList(face, 3, 1, 2, 3, 0, 0, 0));
  const Bytes before = ImageOf(face);
  const std::vector<uint16_t> many(25, 7);
  EXPECT_FALSE(InitFaceListFrom(face, 25, many));
  EXPECT_FALSE(InitFaceListFrom(face, 4, std::span<const uint16_t>(many).first(3)));  // fewer given than counted
  EXPECT_FALSE(InitFaceListRange(face, 25, 0));
  EXPECT_FALSE(InitFaceList(face, -1, 1, 2, 3, 4, 5, 6));
  EXPECT_EQ(ImageOf(face), before);

  face.count = 30;
  EXPECT_FALSE(FinishFaceList(face));
}

TEST(FaceSurfaceRecords, FaceSearchAndSameSet) {
  const FaceRecord face = FaceOf({4, 9, 2});
  EXPECT_EQ(FaceListFind(face, 2), 2);
  EXPECT_EQ(FaceListFind(face, 4), 0);
  EXPECT_EQ(FaceListFind(face, kNoFaceVertex), -1);  // the end marks are not vertices

  const struct {
    std::vector<uint16_t> a, b;
    bool same;
  } cases[] = {
      {{1, 2, 3}, {3, 1, 2}, true},
      {{1, 2, 3}, {1, 2, 3, 4}, false},
      {{1, 2, 3}, {1, 2, 5}, false},
      {{1, 2, 3}, {1, 2, 60000}, false},  // beyond the marks
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> marks(10, 0);
    EXPECT_EQ(FaceListsSameSet(FaceOf(c.a), FaceOf(c.b), marks), c.same);
  }
}

TEST(FaceSurfaceRecords, SurfaceGoldenImageAndRoundTrip) {
  EXPECT_EQ(ImageOf(SurfaceRecord{}), Bytes(kSurfaceRecordBytes, 0));

  SurfaceRecord record;
  InitSurfaceRecord(record, kSurfaceHyperbola, 4, -1, 1, -2, 0, 0, 0x0102, -1);
  record.construction_data[0] = 0xAB;
  record.w = {0, 0, 1};
  record.section_points = {1, 2, 3, 4};

  Bytes expected(kSurfaceRecordBytes, 0);
  Put(expected, 0, {12, 0, 2, 0, 3, 0});
  Put(expected, 6, {4, 0, 0xFF, 0xFF, 0x02, 0x01, 0xFF, 0xFF});
  Put(expected, 14, {0xAB});
  Put(expected, 108, {1, 0});
  Put(expected, 117, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});  // a = 1
  Put(expected, 127, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0});  // b = -2
  Put(expected, 237, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});  // w.z = 1
  Put(expected, 247, {1, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0});
  Put(expected, 258, {2, 0, 1, 0, 151, 0});
  EXPECT_EQ(ImageOf(record), expected);

  ByteReader reader(expected);
  const auto back = ReadSurfaceRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(ImageOf(*back), expected);

  const Bytes short_image(kSurfaceRecordBytes - 1, 0);
  ByteReader short_reader(short_image);
  EXPECT_FALSE(ReadSurfaceRecord(short_reader).has_value());
}

TEST(FaceSurfaceRecords, SurfaceKindsGiveTheirCodesAndCounts) {
  const struct {
    std::int16_t kind;
    uint16_t code, section_points;
    bool conic, fillable;
  } cases[] = {
      {0, 1, 4, false, true},   {1, 1, 4, false, true},   {2, 1, 4, false, true},  {3, 1, 3, false, true},
      {4, 1, 0, false, false},  {5, 1, 0, false, true},   {6, 2, 2, false, true},  {7, 1, 0, false, false},
      {8, 1, 0, false, false},  {9, 3, 0, false, false},  {10, 1, 0, false, false}, {11, 2, 2, true, true},
      {12, 3, 2, true, true},   {13, 1, 2, true, true},   {14, 1, 0, false, false}, {15, 1, 0, false, false},
      {16, 1, 0, false, false},
  };
  for (const auto& c : cases) {
    SurfaceRecord record;
    InitSurfaceRecord(record, c.kind, 1, 2, 0, 0, 0, 0, -1, 3);
    EXPECT_EQ(record.code, c.code) << c.kind;
    EXPECT_EQ(record.section_point_count, c.section_points) << c.kind;
    EXPECT_EQ(IsConicKind(record), c.conic) << c.kind;
    EXPECT_EQ(IsFillableKind(record), c.fillable) << c.kind;
    EXPECT_EQ(record.point_count, 3);
  }
}

TEST(FaceSurfaceRecords, CodeHundredsAndPointSearch) {
  SurfaceRecord record;
  InitSurfaceRecord(record, kSurfaceHyperbola, 7, 8, 0, 0, 0, 0, -1, 9);
  SetCodeHundreds(record, 2);
  EXPECT_EQ(record.code, 203);
  SetCodeHundreds(record, 5);
  EXPECT_EQ(record.code, 503);

  // The count of valid points bounds the search, whatever stands in the later slots.
  EXPECT_EQ(SurfaceRecordFind(record, 8), 1);
  EXPECT_EQ(SurfaceRecordFind(record, 9), -1);
  EXPECT_EQ(SurfaceRecordFind(record, 5), -1);
}

}  // namespace

// The imported point-list block: the lists of plane points and of points in space, byte for byte,
// and a damaged block refused with the lists kept.
#include "engine/imported_point_lists.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using engine::ImportedPointList2;
using engine::ImportedPointList3;

ImportedPointList3 ListOf3(int n, int seed) {
  ImportedPointList3 list;
  for (int i = 0; i < n; ++i) {
    list.points.push_back({seed + i + 0.25L, -i / 3.0L, 1e-300L * i});
    engine::PointNameRecord name;
    name.label = static_cast<std::uint16_t>(seed + i);
    name.shown = static_cast<std::uint8_t>(i % 2);
    name.marker = 2;
    name.dx = static_cast<std::int16_t>(-i);
    list.names.push_back(name);
  }
  return list;
}

template <class List>
kernel::Bytes Written(const std::vector<List>& lists) {
  kernel::ByteWriter out;
  engine::WritePointLists(out, lists);
  return out.bytes();
}

TEST(ImportedPointLists, NoListsAreTwoZeroBytes) {
  EXPECT_EQ(Written(std::vector<ImportedPointList3>{}), (kernel::Bytes{0, 0}));
  EXPECT_EQ(Written(std::vector<ImportedPointList2>{}), (kernel::Bytes{0, 0}));
}

TEST(ImportedPointLists, ListsOfOneNoneAndFivePointsComeBackByteForByte) {
  const std::vector<ImportedPointList3> lists{ListOf3(1, 3), ListOf3(0, 0), ListOf3(5, 40)};
  const kernel::Bytes bytes = Written(lists);
  ASSERT_EQ(bytes.size(), 2u + 3 * 2 + 6 * (30 + 17));
  EXPECT_EQ(bytes[2], 1);   // the first list's count
  EXPECT_EQ(bytes[51], 0);  // the empty list: its count alone
  EXPECT_EQ(bytes[53], 5);
  std::vector<ImportedPointList3> read;
  kernel::ByteReader in(bytes);
  ASSERT_TRUE(engine::ReadPointLists(in, read));
  EXPECT_TRUE(in.AtEnd());
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[2].points[4].y, lists[2].points[4].y);
  EXPECT_EQ(Written(read), bytes);

  // The plane's lists: 20-byte points.
  ImportedPointList2 plane;
  plane.points = {{1, 2}, {3, 4}};
  plane.names.resize(2);
  const kernel::Bytes planeBytes = Written(std::vector<ImportedPointList2>{plane});
  EXPECT_EQ(planeBytes.size(), 2u + 2 + 2 * (20 + 17));
  std::vector<ImportedPointList2> planeRead;
  kernel::ByteReader planeIn(planeBytes);
  ASSERT_TRUE(engine::ReadPointLists(planeIn, planeRead));
  EXPECT_EQ(Written(planeRead), planeBytes);
}

TEST(ImportedPointLists, ADamagedBlockIsRefusedAndTheListsStay) {
  const kernel::Bytes bytes = Written(std::vector<ImportedPointList3>{ListOf3(1, 3), ListOf3(0, 0), ListOf3(5, 40)});
  const std::vector<ImportedPointList3> kept{ListOf3(2, 9)};
  const kernel::Bytes keptBytes = Written(kept);
  auto refused = [&](const kernel::Bytes& block) {
    std::vector<ImportedPointList3> lists = kept;
    kernel::ByteReader in(block);
    const bool ok = engine::ReadPointLists(in, lists);
    EXPECT_EQ(Written(lists), keptBytes);
    return !ok;
  };
  // Cut short at every byte.
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    EXPECT_TRUE(refused(kernel::Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)))) << n;
  }
  // More than 26 lists, a negative count, a count above 7878.
  kernel::Bytes many(2 + 27 * 2, 0);
  many[0] = 27;
  EXPECT_TRUE(refused(many));
  many[0] = 26;
  std::vector<ImportedPointList3> empties;
  kernel::ByteReader manyIn(many);
  EXPECT_TRUE(engine::ReadPointLists(manyIn, empties));
  EXPECT_EQ(empties.size(), 26u);
  EXPECT_TRUE(refused(kernel::Bytes{1, 0, 0xFF, 0xFF}));
  kernel::Bytes huge{1, 0, 0xC7, 0x1E};  // 7879 points
  huge.resize(huge.size() + 7879 * 47, 0);
  EXPECT_TRUE(refused(huge));
}

}  // namespace

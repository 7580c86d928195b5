#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "kernel/index_heap_sort.h"

using namespace kernel;

namespace {

std::vector<std::uint32_t> Sorted(const std::vector<Real>& keys, std::uint8_t direction) {
  SortKeys context;
  InitSortKeys(context, keys, direction);
  std::vector<std::uint32_t> out(keys.size(), 99);
  EXPECT_TRUE(HeapSortIndices(context, out));
  EXPECT_TRUE(context.keys.empty());
  return out;
}

using Order = std::vector<std::uint32_t>;

TEST(IndexHeapSort, KnownOrdersIncludingTies) {
  const struct {
    std::vector<Real> keys;
    Order ascending, descending;
  } cases[] = {
      {{5, 1, 4}, {1, 2, 0}, {0, 2, 1}},
      {{7}, {0}, {0}},
      {{}, {}, {}},
      // Equal keys: the painter's drawing order depends on exactly these orders.
      {{1, 1, 1}, {1, 2, 0}, {0, 1, 2}},
      {{2, 1, 2, 1, 2}, {1, 3, 2, 4, 0}, {0, 4, 2, 1, 3}},
      {{3, 3, 1, 1, 2, 2, 3}, {2, 3, 5, 4, 6, 1, 0}, {1, 6, 0, 4, 5, 3, 2}},
      {{0, 0, 0, 0, 0, 0}, {1, 2, 3, 4, 5, 0}, {3, 4, 1, 2, 0, 5}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sorted(c.keys, kSortAscending), c.ascending);
    EXPECT_EQ(Sorted(c.keys, kSortDescending), c.descending);
  }
}

TEST(IndexHeapSort, RandomKeysComeOutAsAPermutationInOrder) {
  std::mt19937 random(12345);
  for (int round = 0; round < 300; ++round) {
    std::vector<Real> keys(random() % 40);
    for (Real& key : keys) key = static_cast<Real>(random() % 6) / 3;
    for (std::uint8_t direction : {kSortAscending, kSortDescending}) {
      const Order order = Sorted(keys, direction);
      Order indices = order;
      std::sort(indices.begin(), indices.end());
      for (std::uint32_t i = 0; i < indices.size(); ++i) ASSERT_EQ(indices[i], i);
      for (std::size_t i = 1; i < order.size(); ++i) {
        if (direction == kSortAscending) {
          ASSERT_LE(keys[order[i - 1]], keys[order[i]]);
        } else {
          ASSERT_GE(keys[order[i - 1]], keys[order[i]]);
        }
      }
    }
  }
}

TEST(IndexHeapSort, RefusesTooSmallAnOutput) {
  SortKeys context;
  const std::vector<Real> keys = {3, 2, 1};
  InitSortKeys(context, keys, kSortAscending);
  EXPECT_EQ(context.count, 3);
  std::vector<std::uint32_t> out(2, 7);
  EXPECT_FALSE(HeapSortIndices(context, out));
  EXPECT_EQ(out, (Order{7, 7}));
}

}  // namespace

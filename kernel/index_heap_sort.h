#pragma once
// Orders indices 0..n-1 by 80-bit keys with a heap sort. The 3-D painter draws faces and edges in
// this order, and the order it gives to equal keys is part of the picture, so the steps of the
// sort must not change (in particular a descending sort lets equal keys displace each other).

#include <cstdint>
#include <span>
#include <vector>

#include "kernel/real.h"

namespace kernel {

enum SortDirection : std::uint8_t {
  kSortDescending = 0,
  kSortAscending = 1,
};

// A sort in preparation: a private copy of the keys and the direction.
struct SortKeys {
  std::vector<Real> keys;
  std::int32_t count = 0;
  std::uint8_t direction = kSortAscending;
};

// Copies the keys and remembers their number and the direction (1 ascending, 0 descending).
void InitSortKeys(SortKeys& context, std::span<const Real> keys, std::uint8_t direction);
// Writes the indices 0..n-1 ordered by their keys into out, then releases the key copy.
// False, with nothing written, when out has room for fewer than n indices.
bool HeapSortIndices(SortKeys& context, std::span<std::uint32_t> out);

}  // namespace kernel

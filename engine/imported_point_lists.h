#pragma once
// The point lists a figure keeps from the figures attached to it: each the positions and the
// names of the points as they were when they were attached. The 2-D windows keep plane points,
// the 3-D windows points of space; both store them in one block of the figure file:
//   u16 number of lists, then for each list: u16 count n, n points (20 or 30 bytes each), n
//   17-byte point-name records.

#include <cstddef>
#include <vector>

#include "engine/figure_tables.h"
#include "kernel/byte_io.h"

namespace engine {

// A window keeps at most this many lists.
inline constexpr int kImportedListCapacity = 26;

template <class Point>
struct ImportedPointList {
  std::vector<Point> points;
  std::vector<PointNameRecord> names;  // one per point
};

using ImportedPointList2 = ImportedPointList<Point2>;
using ImportedPointList3 = ImportedPointList<Point3>;

void WritePointLists(kernel::ByteWriter& out, const std::vector<ImportedPointList2>& lists);
void WritePointLists(kernel::ByteWriter& out, const std::vector<ImportedPointList3>& lists);
// Reads the block into lists. A block of more than 26 lists, a count above 7878 or bytes that run
// out is refused (false) and lists stays as it was.
bool ReadPointLists(kernel::ByteReader& in, std::vector<ImportedPointList2>& lists);
bool ReadPointLists(kernel::ByteReader& in, std::vector<ImportedPointList3>& lists);

}  // namespace engine

#include "engine/imported_point_lists.h"

#include <optional>

namespace engine {

namespace {

void WritePoint(kernel::ByteWriter& out, const Point2& p) { out.Point(p); }
void WritePoint(kernel::ByteWriter& out, const Point3& p) { out.Point(p); }
void ReadPoint(kernel::ByteReader& in, Point2& p) { p = in.ReadPoint2(); }
void ReadPoint(kernel::ByteReader& in, Point3& p) { p = in.ReadPoint3(); }

template <class Point>
constexpr std::size_t kPointBytes = sizeof(Point) == sizeof(Point2) ? kernel::kPoint2Bytes : kernel::kPoint3Bytes;

template <class Point>
void WriteLists(kernel::ByteWriter& out, const std::vector<ImportedPointList<Point>>& lists) {
  out.U16(static_cast<std::uint16_t>(lists.size()));
  for (const ImportedPointList<Point>& list : lists) {
    out.U16(static_cast<std::uint16_t>(list.points.size()));
    for (const Point& p : list.points) WritePoint(out, p);
    for (std::size_t i = 0; i < list.points.size(); ++i) {
      WritePointNameRecord(out, i < list.names.size() ? list.names[i] : PointNameRecord{});
    }
  }
}

template <class Point>
bool ReadLists(kernel::ByteReader& in, std::vector<ImportedPointList<Point>>& lists) {
  const int listCount = in.U16();
  if (!in.ok() || listCount > kImportedListCapacity) return false;
  std::vector<ImportedPointList<Point>> read(static_cast<std::size_t>(listCount));
  constexpr std::size_t kEntryBytes = kPointBytes<Point> + kPointNameRecordBytes;
  for (ImportedPointList<Point>& list : read) {
    const int count = in.I16();
    if (!in.ok() || count < 0 || count > kPointCapacity) return false;
    if (static_cast<std::size_t>(count) * kEntryBytes > in.remaining()) return false;
    list.points.resize(static_cast<std::size_t>(count));
    for (Point& p : list.points) ReadPoint(in, p);
    list.names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      std::optional<PointNameRecord> name = ReadPointNameRecord(in);
      if (!name) return false;
      list.names.push_back(*name);
    }
  }
  if (!in.ok()) return false;
  lists = std::move(read);
  return true;
}

}  // namespace

void WritePointLists(kernel::ByteWriter& out, const std::vector<ImportedPointList2>& lists) { WriteLists(out, lists); }
void WritePointLists(kernel::ByteWriter& out, const std::vector<ImportedPointList3>& lists) { WriteLists(out, lists); }
bool ReadPointLists(kernel::ByteReader& in, std::vector<ImportedPointList2>& lists) { return ReadLists(in, lists); }
bool ReadPointLists(kernel::ByteReader& in, std::vector<ImportedPointList3>& lists) { return ReadLists(in, lists); }

}  // namespace engine

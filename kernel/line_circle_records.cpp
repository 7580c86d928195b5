#include "kernel/line_circle_records.h"

#include <algorithm>
#include <cmath>

namespace kernel {

namespace {

// An arc of larger magnitude is drawn as a full circle.
constexpr Real kFullCircleThreshold = 359.99999L;

// The count of a list, held to the list's room so a damaged count never reaches past it.
int Listed(std::int16_t count, int capacity) { return std::clamp<int>(count, 0, capacity); }

void WritePen(ByteWriter& writer, const LinePen& pen) {
  writer.U16(pen.colour);
  writer.U16(pen.width);
  writer.U16(pen.style);
}

LinePen ReadPen(ByteReader& reader) {
  LinePen pen;
  pen.colour = reader.U16();
  pen.width = reader.U16();
  pen.style = reader.U16();
  return pen;
}

}  // namespace

void InitSegmentRecord(SegmentRecord& record, std::uint16_t a, std::uint16_t b, std::uint16_t colour,
                       std::uint16_t width, std::uint16_t style) {
  record.points.count = 2;
  record.points.entries[0] = a;
  record.points.entries[1] = b;
  record.extends_first = 0;
  record.extends_second = 0;
  record.exists = 1;
  record.pen = {colour, width, style};
}

int IndexListFind(const IndexList& list, std::uint16_t value) {
  const int n = Listed(list.count, kLinePointCapacity);
  for (int i = 0; i < n; ++i) {
    if (list.entries[i] == value) return i;
  }
  return -1;
}

std::uint16_t IndexListLast(const IndexList& list) {
  const int n = Listed(list.count, kLinePointCapacity);
  return n == 0 ? 0 : list.entries[n - 1];
}

int IndexListInsert(IndexList& list, std::uint16_t value, int position) {
  const int n = Listed(list.count, kLinePointCapacity);
  if (n >= kLinePointCapacity || position < 0 || position > n) return -1;
  for (int i = n; i > position; --i) list.entries[i] = list.entries[i - 1];
  list.entries[position] = value;
  list.count = static_cast<std::int16_t>(n + 1);
  return position;
}

int SegmentRemovePoint(SegmentRecord& record, std::uint16_t point) {
  IndexList& list = record.points;
  const int at = IndexListFind(list, point);
  if (at < 0) return 0;
  const int n = Listed(list.count, kLinePointCapacity);
  if (n <= 2) return 1;
  for (int i = at; i + 1 < n; ++i) list.entries[i] = list.entries[i + 1];
  list.count = static_cast<std::int16_t>(n - 1);
  return -1;
}

int CountFlaggedUpTo2(const IndexList& list, std::span<const std::uint8_t> flags) {
  const int n = Listed(list.count, kLinePointCapacity);
  int flagged = 0;
  for (int i = 0; i < n && flagged < 2; ++i) {
    const std::uint16_t entry = list.entries[i];
    if (entry < flags.size() && flags[entry] != 0) ++flagged;
  }
  return flagged;
}

int IndexListsCommon(std::span<const std::uint16_t> a, std::span<const std::uint16_t> b,
                     std::array<std::uint16_t, 2>& out) {
  int found = 0;
  for (std::uint16_t value : a) {
    if (std::find(b.begin(), b.end(), value) == b.end()) continue;
    out[found++] = value;
    if (found == 2) break;
  }
  return found;
}

void InitCircleRecord(CircleRecord& record, std::uint16_t centre, std::int16_t p1, Real angle, std::int16_t p2,
                      std::int16_t p3) {
  record.centre = centre;
  record.points.fill(kNoListedPoint);
  const std::int16_t given[3] = {p1, p2, p3};
  for (int slot = 0; slot < 3; ++slot) {
    if (given[slot] < 0) continue;
    record.points[slot] = static_cast<std::uint16_t>(given[slot]);
    record.count = static_cast<std::int16_t>(slot + 1);
  }
  SetArcAngle(record, angle);
  record.exists = 1;
  record.drawn = 1;
  record.point = {0, 0};
  record.pen = {0, 1, 0};
}

void SetArcAngle(CircleRecord& record, Real angle) {
  record.arc_angle = angle;
  record.full_circle = std::fabs(angle) > kFullCircleThreshold ? 1 : 0;
}

bool CircleAppendPoint(CircleRecord& record, std::uint16_t point) {
  const int n = Listed(record.count, kCirclePointCapacity);
  if (n >= kCirclePointCapacity) return false;
  record.points[n] = point;
  record.count = static_cast<std::int16_t>(n + 1);
  return true;
}

int CirclePointFind(const CircleRecord& record, std::uint16_t point) {
  const int n = Listed(record.count, kCirclePointCapacity);
  for (int i = 0; i < n; ++i) {
    if (record.points[i] == point) return i + 1;
  }
  return -1;
}

int CircleRemovePoint(CircleRecord& record, std::uint16_t point) {
  const int position = CirclePointFind(record, point);
  if (position < 0) return 0;
  const int n = Listed(record.count, kCirclePointCapacity);
  if (n <= 1) return 1;
  for (int i = position - 1; i + 1 < n; ++i) record.points[i] = record.points[i + 1];
  record.count = static_cast<std::int16_t>(n - 1);
  return -1;
}

void InitHypCurveRecord(HypCurveRecord& record) {
  record.shape = 0;
  record.points.fill(Point2{0, 0});
  record.owner = kNoListedPoint;
  record.index1 = kNoListedPoint;
  record.index2 = kNoListedPoint;
}

void InitFullAngleRange(AngleRange& range) {
  range.start = 0;
  range.end = TwoPi;
}

PointNameHead& SetIndexTriple(PointNameHead& record, std::uint16_t label, std::uint8_t shown,
                              std::uint16_t marker) {
  record.label = label;
  record.shown = shown;
  record.marker = marker;
  return record;
}

IndexWords5& SetIndex5(IndexWords5& record, std::uint16_t w0, std::uint16_t w1, std::uint16_t w2,
                       std::uint16_t w3, std::uint16_t w4) {
  record = {w0, w1, w2, w3, w4};
  return record;
}

void WriteSegmentRecord(ByteWriter& writer, const SegmentRecord& record) {
  writer.I16(record.points.count);
  for (std::uint16_t entry : record.points.entries) writer.U16(entry);
  writer.U8(record.extends_first);
  writer.U8(record.extends_second);
  writer.U8(record.exists);
  WritePen(writer, record.pen);
}

std::optional<SegmentRecord> ReadSegmentRecord(ByteReader& reader) {
  SegmentRecord record;
  record.points.count = reader.I16();
  for (std::uint16_t& entry : record.points.entries) entry = reader.U16();
  record.extends_first = reader.U8();
  record.extends_second = reader.U8();
  record.exists = reader.U8();
  record.pen = ReadPen(reader);
  if (!reader.ok() || record.points.count < 0 || record.points.count > kLinePointCapacity) return std::nullopt;
  return record;
}

void WriteCircleRecord(ByteWriter& writer, const CircleRecord& record) {
  writer.I16(record.count);
  writer.U16(record.centre);
  for (std::uint16_t point : record.points) writer.U16(point);
  writer.U8(record.full_circle);
  writer.Real80(record.arc_angle);
  writer.U8(record.exists);
  writer.U8(record.drawn);
  writer.Point(record.point);
  WritePen(writer, record.pen);
}

std::optional<CircleRecord> ReadCircleRecord(ByteReader& reader) {
  CircleRecord record;
  record.count = reader.I16();
  record.centre = reader.U16();
  for (std::uint16_t& point : record.points) point = reader.U16();
  record.full_circle = reader.U8();
  record.arc_angle = reader.Real80();
  record.exists = reader.U8();
  record.drawn = reader.U8();
  record.point = reader.ReadPoint2();
  record.pen = ReadPen(reader);
  if (!reader.ok() || record.count < 0 || record.count > kCirclePointCapacity) return std::nullopt;
  return record;
}

void WriteHypCurveRecord(ByteWriter& writer, const HypCurveRecord& record) {
  writer.U8(record.shape);
  for (const Point2& p : record.points) writer.Point(p);
  writer.U16(record.owner);
  writer.U16(record.index1);
  writer.U16(record.index2);
}

std::optional<HypCurveRecord> ReadHypCurveRecord(ByteReader& reader) {
  HypCurveRecord record;
  record.shape = reader.U8();
  for (Point2& p : record.points) p = reader.ReadPoint2();
  record.owner = reader.U16();
  record.index1 = reader.U16();
  record.index2 = reader.U16();
  if (!reader.ok()) return std::nullopt;
  return record;
}

}  // namespace kernel

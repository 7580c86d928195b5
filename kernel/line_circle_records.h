#pragma once
// Lines and circles of a plane figure, kept as ordered lists of the points that lie on them, and
// the hyperbolic window's curve record. Figure files hold these records as their exact byte
// images (113, 143 and 67 bytes).
//
// A default-constructed record is an unused table slot: every byte of its image is zero.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "kernel/byte_io.h"
#include "kernel/real.h"

namespace kernel {

// Marks an unused entry of a point list.
inline constexpr std::uint16_t kNoListedPoint = 0xFFFF;

inline constexpr int kLinePointCapacity = 51;
inline constexpr int kCirclePointCapacity = 50;
inline constexpr std::size_t kSegmentRecordBytes = 113;
inline constexpr std::size_t kCircleRecordBytes = 143;
inline constexpr std::size_t kHypCurveRecordBytes = 67;

// The pen of a line or circle: the drawing layer turns it into a pen.
struct LinePen {
  std::uint16_t colour = 0;  // colour index
  std::uint16_t width = 0;
  std::uint16_t style = 0;   // style code
};

// The counted list a line record begins with: entries[0..count-1] are 0-based point indices;
// positions in the list are 0-based.
struct IndexList {
  std::int16_t count = 0;
  std::array<std::uint16_t, kLinePointCapacity> entries{};
};

// A line, ray or segment of the plane figure: its two defining points first, then every further
// point constructed on it, in order along the line.
struct SegmentRecord {
  IndexList points;
  std::uint8_t extends_first = 0;   // the line goes on past one end (rays and full lines)
  std::uint8_t extends_second = 0;  // the line goes on past the other end (full lines)
  std::uint8_t exists = 0;          // 0 for a deleted slot
  LinePen pen;
};

// A circle or arc: its centre and the points constructed on it. Positions are 1-based.
struct CircleRecord {
  std::int16_t count = 0;  // listed points, the centre not counted
  std::uint16_t centre = 0;
  std::array<std::uint16_t, kCirclePointCapacity> points{};
  std::uint8_t full_circle = 0;  // the arc angle's magnitude exceeds 359.99999
  Real arc_angle = 0;            // degrees; a full circle is 360
  std::uint8_t exists = 0;       // 0 for a deleted slot
  std::uint8_t drawn = 0;        // the curve is drawn with the pen only when set
  Point2 point;                  // kept for the plane construction code
  LinePen pen;
};

// Beside each line of the hyperbolic window: the curve as the window's model draws it.
struct HypCurveRecord {
  std::uint8_t shape = 0;
  std::array<Point2, 3> points{};
  std::uint16_t owner = 0;  // compared with an object index when the tables are searched
  std::uint16_t index1 = 0;
  std::uint16_t index2 = 0;
};

// The angle range of the hyperbolic window.
struct AngleRange {
  Real start = 0;
  Real end = 0;
};

// The five head bytes of a point's name record: label id, a byte, a word.
struct PointNameHead {
  std::uint16_t label = 0;
  std::uint8_t shown = 0;
  std::uint16_t marker = 0;
};

using IndexWords5 = std::array<std::uint16_t, 5>;

// --- Lines --------------------------------------------------------------------------------

// Count 2 with the entries a and b, both extension flags 0, exists 1, and the pen.
void InitSegmentRecord(SegmentRecord& record, std::uint16_t a, std::uint16_t b, std::uint16_t colour,
                       std::uint16_t width, std::uint16_t style);

// 0-based position of the first entry equal to value, or -1.
int IndexListFind(const IndexList& list, std::uint16_t value);
// The last entry; for an empty list the count, 0.
std::uint16_t IndexListLast(const IndexList& list);
// Moves entries position..count-1 up one place and puts value at position; returns position.
// -1 and no change when the list is full or position lies outside 0..count.
int IndexListInsert(IndexList& list, std::uint16_t value, int position);
// 0 when the point is not listed; 1 and no change when only two points remain; otherwise the
// point is removed (later entries move down) and the result is -1.
int SegmentRemovePoint(SegmentRecord& record, std::uint16_t point);
// How many listed entries have their flag set in flags (indexed by object index), counting
// stops at 2. Entries beyond the end of flags count as not flagged.
int CountFlaggedUpTo2(const IndexList& list, std::span<const std::uint8_t> flags);
// Walks a in order; each entry that also occurs in b is a common value. The first two go to
// out[0] and out[1]; returns how many were found (0, 1 or 2).
int IndexListsCommon(std::span<const std::uint16_t> a, std::span<const std::uint16_t> b,
                     std::array<std::uint16_t, 2>& out);

// --- Circles ------------------------------------------------------------------------------

// Centre, the given points p1..p3 in slots 1..3 (kNoListedPoint for a negative one), the count
// the highest slot holding a point (unchanged when none does), the arc angle by SetArcAngle,
// exists 1, drawn 1, point (0, 0) and the pen (0, 1, 0). Slots 4..50 become kNoListedPoint.
void InitCircleRecord(CircleRecord& record, std::uint16_t centre, std::int16_t p1, Real angle, std::int16_t p2,
                      std::int16_t p3);
// Stores the angle; the full-circle flag is set when its magnitude exceeds 359.99999.
void SetArcAngle(CircleRecord& record, Real angle);
// Adds the point as the new last entry; false and no change when 50 points are listed.
bool CircleAppendPoint(CircleRecord& record, std::uint16_t point);
// 1-based position among the listed points (the centre is not searched), or -1.
int CirclePointFind(const CircleRecord& record, std::uint16_t point);
// 0 when not listed; 1 and no change when it is the only listed point; otherwise removed (later
// entries move down) and -1.
int CircleRemovePoint(CircleRecord& record, std::uint16_t point);

// --- Hyperbolic window --------------------------------------------------------------------

// Shape 0, the three points (0, 0), the three indices kNoListedPoint.
void InitHypCurveRecord(HypCurveRecord& record);
// 0 to 2 pi.
void InitFullAngleRange(AngleRange& range);

// --- Point record heads -------------------------------------------------------------------

PointNameHead& SetIndexTriple(PointNameHead& record, std::uint16_t label, std::uint8_t shown,
                              std::uint16_t marker);
IndexWords5& SetIndex5(IndexWords5& record, std::uint16_t w0, std::uint16_t w1, std::uint16_t w2,
                       std::uint16_t w3, std::uint16_t w4);

// --- Byte images --------------------------------------------------------------------------
// Readers return nullopt when the bytes run out or a count exceeds the list's room.

void WriteSegmentRecord(ByteWriter& writer, const SegmentRecord& record);
std::optional<SegmentRecord> ReadSegmentRecord(ByteReader& reader);
void WriteCircleRecord(ByteWriter& writer, const CircleRecord& record);
std::optional<CircleRecord> ReadCircleRecord(ByteReader& reader);
void WriteHypCurveRecord(ByteWriter& writer, const HypCurveRecord& record);
std::optional<HypCurveRecord> ReadHypCurveRecord(ByteReader& reader);

}  // namespace kernel

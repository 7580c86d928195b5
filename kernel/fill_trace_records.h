#pragma once
// Filled regions of a plane figure and the settings record of the trace dialogs. Fills are kept
// in a singly linked list (see linked_record_lists.h); figure files hold a fill as its 485-byte
// image (text pointers and the link written as zero bytes) and a trace record as its 37 bytes.
//
// Fields whose meaning belongs to the fill and trace dialogs are named by their byte offsets.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "kernel/byte_io.h"
#include "kernel/real.h"

namespace kernel {

inline constexpr std::size_t kFillRecordBytes = 485;
inline constexpr std::size_t kTraceRecordBytes = 37;
inline constexpr int kFillVertexCapacity = 101;
inline constexpr std::uint16_t kFillListEnd = 0xFFFF;
inline constexpr std::size_t kFillExpressionChars = 40;  // a 41-byte field with its NUL
inline constexpr std::size_t kFillTextChars = 119;       // each of the six texts: 120 bytes with its NUL

enum FillMode : std::uint16_t {
  kFillPolygon = 0,       // the polygon through the listed points
  kFillInsideCircle = 1,  // the inside of a circle
  kFillOther = 2,
};

struct FillRecord {
  std::uint16_t word0 = 0;
  std::uint16_t mode = 0;  // a FillMode
  std::uint16_t word4 = 0;
  // Vertex point indices, ended by kFillListEnd unless all 101 entries are used.
  std::array<std::uint16_t, kFillVertexCapacity> vertices{};
  std::int16_t circle = 0;  // circle index, -1 for none
  std::uint16_t style = 0;
  std::uint16_t word212 = 0;
  std::uint16_t word214 = 0;
  std::array<Real, 6> values{};
  Real value276 = 0;
  Real value286 = 0;
  std::string expression;               // at most kFillExpressionChars
  bool has_texts = false;               // the six expression texts are allocated
  std::array<std::string, 6> texts;     // each at most kFillTextChars
  std::array<Point2, 6> points{};
  FillRecord* next = nullptr;           // not owned, never stored
};

struct TraceRecord {
  std::uint16_t word0 = 0;  // not set by InitTraceRecord
  std::uint16_t word2 = 0;
  std::uint8_t byte4 = 0;
  std::uint16_t word5 = 0;
  std::uint16_t word7 = 0;
  std::uint16_t word9 = 0;
  std::uint8_t low11 = 0;
  std::uint8_t high11 = 0;
  std::array<std::uint8_t, 4> bytes13{};  // not set by InitTraceRecord
  Real value17 = 0;
  Real value27 = 0;
};

// Words 0, 2 and 4 and the first vertex kFillListEnd (no vertices), circle -1, style 1, words
// 212 and 214 0, values 0, expression "0.0", no texts, points (0, 0). The link is left alone.
void InitFillRecord(FillRecord& record);
// The six texts become allocated and empty / are dropped.
void AllocFillTexts(FillRecord& record);
void FreeFillTexts(FillRecord& record);
// In polygon mode only: when the last listed vertex equals the first, it is dropped (so a single
// listed vertex empties the list).
void DropClosingVertex(FillRecord& record);

// Stores each argument at its place.
void InitTraceRecord(TraceRecord& record, std::uint16_t word2, std::uint8_t byte4, std::uint16_t word5,
                     std::uint16_t word7, Real value17, Real value27, std::uint16_t word9, std::uint8_t low11,
                     std::uint8_t high11);

// The last fill of a list (null when empty) and the number of fills.
FillRecord* FillListLast(FillRecord* head);
int CountFillList(const FillRecord* head);

// Byte images. Readers return nullopt when the bytes run out; the stored pointers are ignored and
// a fill is read without texts.
void WriteFillRecord(ByteWriter& writer, const FillRecord& record);
std::optional<FillRecord> ReadFillRecord(ByteReader& reader);
void WriteTraceRecord(ByteWriter& writer, const TraceRecord& record);
std::optional<TraceRecord> ReadTraceRecord(ByteReader& reader);

}  // namespace kernel

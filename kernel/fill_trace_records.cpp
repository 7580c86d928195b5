#include "kernel/fill_trace_records.h"

#include <algorithm>

#include "kernel/linked_record_lists.h"

namespace kernel {

namespace {

constexpr std::size_t kLinkBytes = 4;
constexpr std::size_t kTextPointerBytes = 6 * 4;
constexpr std::size_t kExpressionFieldBytes = kFillExpressionChars + 1;

}  // namespace

void InitFillRecord(FillRecord& record) {
  record.word0 = 0xFFFF;
  record.mode = 0xFFFF;
  record.word4 = 0xFFFF;
  record.vertices[0] = kFillListEnd;
  record.circle = -1;
  record.style = 1;
  record.word212 = 0;
  record.word214 = 0;
  record.values.fill(0);
  record.value276 = 0;
  record.value286 = 0;
  record.expression = "0.0";
  FreeFillTexts(record);
  record.points.fill(Point2{0, 0});
}

void AllocFillTexts(FillRecord& record) {
  record.has_texts = true;
  for (std::string& text : record.texts) text.clear();
}

void FreeFillTexts(FillRecord& record) {
  record.has_texts = false;
  for (std::string& text : record.texts) text.clear();
}

void DropClosingVertex(FillRecord& record) {
  if (record.mode != kFillPolygon) return;
  const auto end = std::find(record.vertices.begin(), record.vertices.end(), kFillListEnd);
  const auto listed = end - record.vertices.begin();
  if (listed == 0) return;
  std::uint16_t& last = record.vertices[listed - 1];
  if (last == record.vertices[0]) last = kFillListEnd;
}

void InitTraceRecord(TraceRecord& record, std::uint16_t word2, std::uint8_t byte4, std::uint16_t word5,
                     std::uint16_t word7, Real value17, Real value27, std::uint16_t word9, std::uint8_t low11,
                     std::uint8_t high11) {
  record.word2 = word2;
  record.byte4 = byte4;
  record.word5 = word5;
  record.word7 = word7;
  record.word9 = word9;
  record.low11 = low11;
  record.high11 = high11;
  record.value17 = value17;
  record.value27 = value27;
}

FillRecord* FillListLast(FillRecord* head) { return LinkedListLast(head); }

int CountFillList(const FillRecord* head) { return CountLinkedList(head); }

void WriteFillRecord(ByteWriter& writer, const FillRecord& record) {
  writer.U16(record.word0);
  writer.U16(record.mode);
  writer.U16(record.word4);
  for (std::uint16_t vertex : record.vertices) writer.U16(vertex);
  writer.I16(record.circle);
  writer.U16(record.style);
  writer.U16(record.word212);
  writer.U16(record.word214);
  for (Real v : record.values) writer.Real80(v);
  writer.Real80(record.value276);
  writer.Real80(record.value286);
  writer.FixedText(std::string_view(record.expression).substr(0, kFillExpressionChars), kExpressionFieldBytes);
  writer.Zeros(kTextPointerBytes);
  for (const Point2& p : record.points) writer.Point(p);
  writer.Zeros(kLinkBytes);
}

std::optional<FillRecord> ReadFillRecord(ByteReader& reader) {
  FillRecord record;
  record.word0 = reader.U16();
  record.mode = reader.U16();
  record.word4 = reader.U16();
  for (std::uint16_t& vertex : record.vertices) vertex = reader.U16();
  record.circle = reader.I16();
  record.style = reader.U16();
  record.word212 = reader.U16();
  record.word214 = reader.U16();
  for (Real& v : record.values) v = reader.Real80();
  record.value276 = reader.Real80();
  record.value286 = reader.Real80();
  record.expression = reader.FixedText(kExpressionFieldBytes).substr(0, kFillExpressionChars);
  reader.Skip(kTextPointerBytes);
  for (Point2& p : record.points) p = reader.ReadPoint2();
  reader.Skip(kLinkBytes);
  if (!reader.ok()) return std::nullopt;
  return record;
}

void WriteTraceRecord(ByteWriter& writer, const TraceRecord& record) {
  writer.U16(record.word0);
  writer.U16(record.word2);
  writer.U8(record.byte4);
  writer.U16(record.word5);
  writer.U16(record.word7);
  writer.U16(record.word9);
  writer.U8(record.low11);
  writer.U8(record.high11);
  writer.Raw(record.bytes13.data(), record.bytes13.size());
  writer.Real80(record.value17);
  writer.Real80(record.value27);
}

std::optional<TraceRecord> ReadTraceRecord(ByteReader& reader) {
  TraceRecord record;
  record.word0 = reader.U16();
  record.word2 = reader.U16();
  record.byte4 = reader.U8();
  record.word5 = reader.U16();
  record.word7 = reader.U16();
  record.word9 = reader.U16();
  record.low11 = reader.U8();
  record.high11 = reader.U8();
  reader.Raw(record.bytes13.data(), record.bytes13.size());
  record.value17 = reader.Real80();
  record.value27 = reader.Real80();
  if (!reader.ok()) return std::nullopt;
  return record;
}

}  // namespace kernel

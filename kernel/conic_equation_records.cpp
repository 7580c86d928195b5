#include "kernel/conic_equation_records.h"

#include <cmath>
#include <vector>

#include "kernel/linked_record_lists.h"
#include "kernel/text_utils.h"

namespace kernel {

namespace {

constexpr std::size_t kLinkBytes = 4;
constexpr std::size_t kTextPointerBytes = 6 * 4;

}  // namespace

void InitConicRecord(ConicRecord& record) {
  record.point_slots = {0, 1, 2, 3, 4};
  record.drawing_word = 0;
  record.kind = kConicNoRealPoint;
  record.shape.fill(Point2{0, 0});
  record.coefficients.fill(0);
  record.angle = 0;
  record.values.fill(0);
}

void SetConicShape(ConicRecord& record, std::uint16_t kind, Real x0, Real y0, Real x1, Real y1, Real x2, Real y2,
                   Real x3, Real y3) {
  record.kind = kind;
  record.shape = {Point2{x0, y0}, Point2{x1, y1}, Point2{x2, y2}, Point2{x3, y3}};
  record.angle = 0;
  record.shape_set = 1;
  record.circle = 0;
}

void RotateConicShape(ConicRecord& record) {
  const Real c = std::cos(record.angle);
  const Real s = std::sin(record.angle);
  for (Point2& p : record.shape) p = {c * p.x - s * p.y, s * p.x + c * p.y};
}

void AllocCoefTexts(EquationRecord& record) {
  record.has_texts = true;
  for (std::string& text : record.coefficient_texts) text.clear();
}

void FreeCoefTexts(EquationRecord& record) {
  record.has_texts = false;
  for (std::string& text : record.coefficient_texts) text.clear();
}

void JoinSixStrings(std::string& out, const CoefficientTexts& t) {
  out.clear();
  StrCat8(out, t[0], ",", t[1], ",", t[2], ",", t[3], ",");
  StrCat8(out, t[4], ",", t[5], ",");
}

void SplitSixStrings(CoefficientTexts& texts, std::string_view text) {
  const std::vector<std::string> fields = SplitCommaList(text, static_cast<int>(texts.size()));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i] = i < fields.size() ? fields[i].substr(0, kCoefficientTextChars) : std::string();
  }
}

void FormatConicEquation(std::string& out, const CoefficientTexts& t) {
  StrCat8(out, "(", t[0], ")xx+(", t[1], ")xy+(", t[2], ")yy+(");
  StrCat8(out, t[3], ")x+(", t[4], ")y+(", t[5], ")=0");
}

int CountConicList(const ConicRecord* head) { return CountLinkedList(head); }

int CountEquationList(const EquationRecord* head) { return CountLinkedList(head); }

void WriteConicRecord(ByteWriter& writer, const ConicRecord& record) {
  for (std::uint16_t slot : record.point_slots) writer.U16(slot);
  writer.U16(record.drawing_word);
  writer.U16(record.kind);
  for (const Point2& p : record.shape) writer.Point(p);
  for (Real c : record.coefficients) writer.Real80(c);
  writer.Real80(record.angle);
  for (Real v : record.values) writer.Real80(v);
  writer.U8(record.shape_set);
  writer.U8(record.circle);
  writer.Zeros(kLinkBytes);
}

std::optional<ConicRecord> ReadConicRecord(ByteReader& reader) {
  ConicRecord record;
  for (std::uint16_t& slot : record.point_slots) slot = reader.U16();
  record.drawing_word = reader.U16();
  record.kind = reader.U16();
  for (Point2& p : record.shape) p = reader.ReadPoint2();
  for (Real& c : record.coefficients) c = reader.Real80();
  record.angle = reader.Real80();
  for (Real& v : record.values) v = reader.Real80();
  record.shape_set = reader.U8();
  record.circle = reader.U8();
  reader.Skip(kLinkBytes);
  if (!reader.ok()) return std::nullopt;
  return record;
}

void WriteEquationRecord(ByteWriter& writer, const EquationRecord& record) {
  writer.U16(record.word);
  writer.Zeros(kTextPointerBytes);
  writer.Raw(record.data.data(), record.data.size());
  writer.Zeros(kLinkBytes);
}

std::optional<EquationRecord> ReadEquationRecord(ByteReader& reader) {
  EquationRecord record;
  record.word = reader.U16();
  reader.Skip(kTextPointerBytes);
  reader.Raw(record.data.data(), record.data.size());
  reader.Skip(kLinkBytes);
  if (!reader.ok()) return std::nullopt;
  return record;
}

}  // namespace kernel

#include "kernel/construction_record.h"

namespace kernel {

namespace {

constexpr std::size_t kTextFieldBytes = kConstructionTextFieldChars + 1;
constexpr std::size_t kNextFieldBytes = 4;

// A field's text as a C string of at most 40 characters: stops at the first NUL.
std::string FieldText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  return std::string(text.substr(0, kConstructionTextFieldChars));
}

}  // namespace

void InitConstruction(ConstructionRecord& record, StepKind kind, std::int16_t op0, std::int16_t op1,
                      std::int16_t op2, std::int16_t op3, std::int16_t op4, std::int16_t op5, Real p0, Real p1,
                      Real p2, Real p3, Real p4, Real p5) {
  record.sequence = -1;
  record.kind = kind;
  record.operands.fill(kNoOperand);
  const std::int16_t given[] = {op0, op1, op2, op3, op4, op5};
  for (int i = 0; i < 6; ++i) record.operands[i] = static_cast<std::uint16_t>(given[i]);
  record.parameters = {p0, p1, p2, p3, p4, p5};
  record.extra_words.fill(kNoOperand);
  record.flag = 0;
  for (std::string& field : record.text) field.clear();
  record.next = nullptr;
}

void SetConstructionOperands3(ConstructionRecord& record, int first, const Short3& numbers) {
  const std::uint16_t values[] = {numbers.a, numbers.b, numbers.c};
  for (int i = 0; i < 3; ++i) {
    const int slot = first + i;
    if (slot < 0 || slot >= kConstructionOperands) continue;
    record.operands[slot] = static_cast<std::uint16_t>(values[i] - 1);
  }
}

void SplitConstructionText(ConstructionRecord& record, std::string_view text) {
  text = text.substr(0, text.find('\0'));
  for (std::size_t i = 0; i < record.text.size(); ++i) {
    const std::size_t start = i * kConstructionTextFieldChars;
    record.text[i] = start < text.size() ? std::string(text.substr(start, kConstructionTextFieldChars)) : "";
  }
}

std::string JoinConstructionText(const ConstructionRecord& record) {
  std::string joined;
  for (const std::string& field : record.text) joined += FieldText(field);
  return joined;
}

void CopyConstruction(ConstructionRecord& dest, const ConstructionRecord& src) {
  if (&dest == &src) {
    dest.next = nullptr;
    return;
  }
  dest.sequence = src.sequence;
  dest.kind = src.kind;
  dest.operands = src.operands;
  dest.parameters = src.parameters;
  dest.extra_words = src.extra_words;
  dest.flag = src.flag;
  for (std::size_t i = 0; i < dest.text.size(); ++i) dest.text[i] = FieldText(src.text[i]);
  dest.next = nullptr;
}

ConstructionRecord* ConstructionListLast(ConstructionRecord* head) {
  if (head == nullptr) return nullptr;
  while (head->next != nullptr) head = head->next;
  return head;
}

const ConstructionRecord* ConstructionListLast(const ConstructionRecord* head) {
  return ConstructionListLast(const_cast<ConstructionRecord*>(head));
}

int CountConstructions(const ConstructionRecord* head) {
  int count = 0;
  for (; head != nullptr; head = head->next) ++count;
  return count;
}

void WriteConstructionRecord(ByteWriter& writer, const ConstructionRecord& record) {
  writer.I16(record.sequence);
  writer.U16(record.kind);
  for (std::uint16_t operand : record.operands) writer.U16(operand);
  for (Real parameter : record.parameters) writer.Real80(parameter);
  for (std::uint16_t word : record.extra_words) writer.U16(word);
  writer.U8(record.flag);
  for (const std::string& field : record.text) writer.FixedText(FieldText(field), kTextFieldBytes);
  writer.Zeros(kNextFieldBytes);
}

std::optional<ConstructionRecord> ReadConstructionRecord(ByteReader& reader) {
  ConstructionRecord record;
  record.sequence = reader.I16();
  record.kind = reader.U16();
  for (std::uint16_t& operand : record.operands) operand = reader.U16();
  for (Real& parameter : record.parameters) parameter = reader.Real80();
  for (std::uint16_t& word : record.extra_words) word = reader.U16();
  record.flag = reader.U8();
  for (std::string& field : record.text) field = FieldText(reader.FixedText(kTextFieldBytes));
  reader.Skip(kNextFieldBytes);
  if (!reader.ok()) return std::nullopt;
  return record;
}

}  // namespace kernel

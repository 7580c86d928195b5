#include "plane/plane_file_pieces.h"

#include <algorithm>
#include <string>

namespace plane {

namespace {

constexpr std::size_t kParameterTextOffset = 10;
constexpr std::size_t kParameterValueOffset = 51;
constexpr std::size_t kDefinitionLinkOffset = 61;
constexpr int kListCapacity = 65535;

bool CountFits(const kernel::ByteReader& in, int count, std::size_t recordBytes, int capacity) {
  if (!in.ok() || count < 0 || count > capacity) return false;
  return static_cast<std::size_t>(count) * recordBytes <= in.remaining();
}

}  // namespace

void WriteConicDefinitions(kernel::ByteWriter& out, const std::vector<ConicDefinition>& list) {
  out.U16(static_cast<std::uint16_t>(list.size()));
  for (const ConicDefinition& record : list) out.Raw(record.data(), record.size());
}

bool ReadConicDefinitions(kernel::ByteReader& in, bool currentForm, std::vector<ConicDefinition>& list) {
  const int count = in.U16();
  const std::size_t size = currentForm ? kConicDefinitionBytes : kOldConicDefinitionBytes;
  if (!CountFits(in, count, size, kListCapacity)) return false;
  list.assign(static_cast<std::size_t>(count), {});
  for (ConicDefinition& record : list) {
    in.Raw(record.data(), size);
    if (currentForm) {
      record[kParameterValueOffset - 1] = 0;  // the parameter text ends within its field
    } else {
      std::fill(record.begin() + kParameterTextOffset, record.end(), std::uint8_t{0});
      const std::string one = "1.0";
      std::copy(one.begin(), one.end(), record.begin() + kParameterTextOffset);
      kernel::RealToBytes(1.0L, record.data() + kParameterValueOffset);
    }
    std::fill(record.begin() + kDefinitionLinkOffset, record.end(), std::uint8_t{0});
  }
  return in.ok();
}

void WriteConicList(kernel::ByteWriter& out, const std::vector<kernel::ConicRecord>& list) {
  out.U16(static_cast<std::uint16_t>(list.size()));
  for (const kernel::ConicRecord& record : list) kernel::WriteConicRecord(out, record);
}

bool ReadConicList(kernel::ByteReader& in, std::vector<kernel::ConicRecord>& list) {
  const int count = in.U16();
  if (!CountFits(in, count, kernel::kConicRecordBytes, kListCapacity)) return false;
  list.clear();
  for (int i = 0; i < count; ++i) {
    std::optional<kernel::ConicRecord> record = kernel::ReadConicRecord(in);
    if (!record) return false;
    record->next = nullptr;
    list.push_back(*record);
  }
  return true;
}

bool EquationFits(const kernel::EquationRecord& equation) {
  std::string joined;
  kernel::JoinSixStrings(joined, equation.coefficient_texts);
  return joined.size() < kEquationTextBytes;
}

bool WriteEquationList(kernel::ByteWriter& out, const std::vector<kernel::EquationRecord>& list) {
  if (!std::all_of(list.begin(), list.end(), EquationFits)) return false;
  out.U16(static_cast<std::uint16_t>(list.size()));
  for (const kernel::EquationRecord& record : list) {
    std::string joined;
    kernel::JoinSixStrings(joined, record.coefficient_texts);
    out.U16(record.word);
    out.FixedText(joined, kEquationTextBytes);
  }
  return true;
}

bool ReadEquationList(kernel::ByteReader& in, std::vector<kernel::EquationRecord>& list) {
  const int count = in.U16();
  if (!CountFits(in, count, 2 + kEquationTextBytes, kListCapacity)) return false;
  list.assign(static_cast<std::size_t>(count), {});
  for (kernel::EquationRecord& record : list) {
    kernel::AllocCoefTexts(record);
    record.word = in.U16();
    kernel::SplitSixStrings(record.coefficient_texts, in.FixedText(kEquationTextBytes));
  }
  return in.ok();
}

}  // namespace plane

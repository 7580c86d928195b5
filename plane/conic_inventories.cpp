#include "plane/conic_inventories.h"

#include <algorithm>

#include "kernel/byte_io.h"

namespace plane {

namespace {

constexpr std::size_t kPointOffset = 0;
constexpr std::size_t kColourOffset = 6;
constexpr std::size_t kCodeOffset = 8;
constexpr std::size_t kTextOffset = 10;
constexpr std::size_t kValueOffset = 51;

std::uint16_t WordAt(const ConicDefinition& r, std::size_t at) {
  return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}
void PutWord(ConicDefinition& r, std::size_t at, std::uint16_t w) {
  r[at] = static_cast<std::uint8_t>(w & 0xFF);
  r[at + 1] = static_cast<std::uint8_t>(w >> 8);
}

}  // namespace

ConicDefinitionFields ReadDefinition(const ConicDefinition& record) {
  ConicDefinitionFields f;
  for (std::size_t i = 0; i < 3; ++i) f.points[i] = static_cast<std::int16_t>(WordAt(record, kPointOffset + 2 * i));
  f.colour = WordAt(record, kColourOffset);
  f.code = WordAt(record, kCodeOffset);
  const auto* text = record.data() + kTextOffset;
  const auto* end = std::find(text, record.data() + kValueOffset, std::uint8_t{0});
  f.text.assign(text, end);
  f.value = kernel::RealFromBytes(record.data() + kValueOffset);
  return f;
}

ConicDefinition MakeDefinition(const ConicDefinitionFields& fields) {
  ConicDefinition r{};
  for (std::size_t i = 0; i < 3; ++i) PutWord(r, kPointOffset + 2 * i, static_cast<std::uint16_t>(fields.points[i]));
  PutWord(r, kColourOffset, fields.colour);
  PutWord(r, kCodeOffset, fields.code);
  const std::size_t n = std::min(fields.text.size(), kDefinitionTextChars);
  std::copy_n(fields.text.begin(), n, r.begin() + kTextOffset);
  SetDefinitionValue(r, fields.value);
  return r;
}

void SetDefinitionValue(ConicDefinition& record, kernel::Real value) {
  kernel::RealToBytes(value, record.data() + kValueOffset);
}

void ConicInventories::Clear() {
  twoFoci.clear();
  threePoint.clear();
  fivePoint.clear();
  equations.clear();
}

int ConicInventories::Count() const {
  return static_cast<int>(twoFoci.size() + threePoint.size() + fivePoint.size() + equations.size());
}

std::array<int, 4> ConicInventories::Counts() const {
  return {static_cast<int>(twoFoci.size()), static_cast<int>(threePoint.size()), static_cast<int>(fivePoint.size()),
          static_cast<int>(equations.size())};
}

CurveListPlace ConicInventories::Locate(int index) const { return engine::LocateCurveEntry(Counts(), index); }

ConicInventories::Entry ConicInventories::EntryAt(int index) const {
  Entry entry;
  entry.place = Locate(index);
  const int n = entry.place.position;
  switch (entry.place.list) {
    case kCurveListTwoFoci: entry.definition = NthCurveA(n); break;
    case kCurveListThreePoint: entry.definition = NthCurveB(n); break;
    case kCurveListFivePoint: entry.conic = NthConic(n); break;
    case kCurveListEquation: entry.equation = NthCurveD(n); break;
    default: break;
  }
  return entry;
}

kernel::ConicRecord MakeFivePointRecord(const std::array<int, 5>& points, std::uint16_t colour) {
  kernel::ConicRecord record{};
  kernel::InitConicRecord(record);
  for (std::size_t i = 0; i < 5; ++i) record.point_slots[i] = static_cast<std::uint16_t>(points[i]);
  record.drawing_word = colour;
  return record;
}

kernel::EquationRecord MakeEquationRecord(const kernel::CoefficientTexts& texts, std::uint16_t colour) {
  kernel::EquationRecord record{};
  kernel::AllocCoefTexts(record);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    record.coefficient_texts[i] = texts[i].substr(0, kernel::kCoefficientTextChars);
  }
  record.word = colour;
  return record;
}

}  // namespace plane

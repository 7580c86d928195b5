#pragma once
// One construction step of a figure's history: its kind, operands, real parameters and text.
// The history is a singly linked list of these records, owned by the figure engine; figure files
// hold them as 278-byte images (a count, then the records).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kernel/byte_io.h"
#include "kernel/real.h"
#include "kernel/plain_records.h"

namespace kernel {

// The code of a step (preset figures, plane, 3-D and polyhedron constructions); the record does
// not interpret it.
using StepKind = std::uint16_t;

inline constexpr std::uint16_t kNoOperand = 0xFFFF;
inline constexpr int kConstructionOperands = 40;
inline constexpr int kConstructionParameters = 6;
inline constexpr int kConstructionExtraWords = 3;
inline constexpr int kConstructionTextFields = 3;
inline constexpr std::size_t kConstructionTextFieldChars = 40;  // each field is 41 bytes with its NUL
inline constexpr std::size_t kConstructionTextChars = kConstructionTextFields * kConstructionTextFieldChars;
inline constexpr std::size_t kConstructionRecordBytes = 278;

template <std::size_t N>
constexpr std::array<std::uint16_t, N> NoOperandWords() {
  std::array<std::uint16_t, N> words{};
  words.fill(kNoOperand);
  return words;
}

// A default record equals one made by InitConstruction with kind 0, no operands and zero parameters.
struct ConstructionRecord {
  std::int16_t sequence = -1;  // position in the history; -1 until appended
  StepKind kind = 0;
  // 0-based object indices or small numbers as the kind defines them; kNoOperand for none.
  std::array<std::uint16_t, kConstructionOperands> operands = NoOperandWords<kConstructionOperands>();
  std::array<Real, kConstructionParameters> parameters{};
  std::array<std::uint16_t, kConstructionExtraWords> extra_words = NoOperandWords<kConstructionExtraWords>();
  std::uint8_t flag = 0;  // an option of the kind, tested when the step is replayed
  // The step's text (Windows-1252 bytes) in three pieces of at most 40 characters.
  std::array<std::string, kConstructionTextFields> text;
  ConstructionRecord* next = nullptr;  // next step of the history; not owned, never stored
};

// Fills every field: sequence -1, the kind, operand slots 0..5 from the six operands and the rest
// kNoOperand (so an operand of -1 is none), the six parameters, the further words kNoOperand,
// flag 0, empty texts and no next record.
void InitConstruction(ConstructionRecord& record, StepKind kind, std::int16_t op0, std::int16_t op1,
                      std::int16_t op2, std::int16_t op3, std::int16_t op4, std::int16_t op5, Real p0, Real p1,
                      Real p2, Real p3, Real p4, Real p5);

// Stores three 1-based numbers into operand slots first, first + 1 and first + 2 as 0-based
// indices (0 becomes kNoOperand). Slots outside 0..39 are left alone.
void SetConstructionOperands3(ConstructionRecord& record, int first, const Short3& numbers);

// Distributes a text of up to 120 characters over the three fields (40 characters each); text
// beyond 120 characters, or after a NUL, is dropped and fields the text does not reach are emptied.
void SplitConstructionText(ConstructionRecord& record, std::string_view text);
// The three fields joined: the inverse of SplitConstructionText.
std::string JoinConstructionText(const ConstructionRecord& record);

// Copies every field of src into dest; the copy belongs to no list (next is null).
void CopyConstruction(ConstructionRecord& dest, const ConstructionRecord& src);

// The last record of a history (whose next is null); null for an empty history.
ConstructionRecord* ConstructionListLast(ConstructionRecord* head);
const ConstructionRecord* ConstructionListLast(const ConstructionRecord* head);
// The number of records of a history; 0 for an empty history.
int CountConstructions(const ConstructionRecord* head);

// The 278-byte file image: the next field is written as 4 zero bytes.
void WriteConstructionRecord(ByteWriter& writer, const ConstructionRecord& record);
// Reads one image; nullopt when the bytes run out. The stored next field is ignored.
std::optional<ConstructionRecord> ReadConstructionRecord(ByteReader& reader);

}  // namespace kernel

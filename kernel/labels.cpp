#include "kernel/labels.h"

namespace kernel {

namespace {

constexpr int kSubscriptStates = 101;  // no subscript, then 0..99

}  // namespace

bool IndexToLabel(int index, std::string& letter_and_prime, std::string& subscript) {
  letter_and_prime.clear();
  if (index < 0 || index >= kLabelCount) return false;
  letter_and_prime += static_cast<char>('A' + index % kLabelLetters);
  const int primes = index / kLabelsPerPrime;
  if (primes == 1) letter_and_prime += '\'';
  if (primes == 2) letter_and_prime += '"';
  const int subscript_state = index / kLabelLetters % kSubscriptStates;
  subscript = subscript_state == 0 ? std::string() : std::to_string(subscript_state - 1);
  return true;
}

bool FormatLabel(int index, std::string& out) {
  std::string subscript;
  if (!IndexToLabel(index, out, subscript)) return false;
  if (!subscript.empty()) out += "_" + subscript;
  return true;
}

std::string FormatLabelList(std::span<const std::uint16_t> indices) {
  std::string text;
  std::string label;
  for (std::uint16_t index : indices) {
    if (FormatLabel(index, label)) text += label;
  }
  return text;
}

bool IndexToTeXLabel(int index, std::string& out) {
  std::string subscript;
  if (!IndexToLabel(index, out, subscript)) return false;
  // TeX's prime is the apostrophe: a double prime is two of them.
  if (out.back() == '"') out.replace(out.size() - 1, 1, "''");
  if (!subscript.empty()) out += "_{" + subscript + "}";
  return true;
}

bool IsLabelChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '\'' || c == '"' ||
         c == '_' || c == '-';
}

bool IsLabelCharUpper(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '\'' || c == '"' || c == '_';
}

bool IsLetterAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return false;
  const char c = text[pos];
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigitAt(std::string_view text, std::size_t pos) {
  return pos < text.size() && text[pos] >= '0' && text[pos] <= '9';
}

int IndexArrayFind(std::span<const std::uint16_t> entries, std::uint16_t value) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] == value) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace kernel

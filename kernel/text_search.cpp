#include "kernel/text_search.h"

namespace kernel {

namespace {
// The lower-case form of a Windows-1252 character.
unsigned char LowerCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:  // S with caron
    case 0x8C:  // OE
    case 0x8E:  // Z with caron
      return static_cast<unsigned char>(c + 0x10);
    case 0x9F:  // Y with diaeresis
      return 0xFF;
    default:
      return c;
  }
}
}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerCase(static_cast<unsigned char>(a[i])) != LowerCase(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::optional<std::size_t> FindTextFrom(std::string_view text, std::string_view pattern, std::size_t start,
                                        bool testStart, bool caseSensitive) {
  if (pattern.empty()) return std::nullopt;
  std::size_t p = testStart ? start : start + 1;
  for (; p <= text.size() && pattern.size() <= text.size() - p; ++p) {
    const std::string_view candidate = text.substr(p, pattern.size());
    if (caseSensitive ? candidate == pattern : EqualIgnoringCase(candidate, pattern)) return p;
  }
  return std::nullopt;
}

}  // namespace kernel

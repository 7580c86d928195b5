#include "platform/metafile_text.h"

#include <optional>

#include "kernel/text_encoding.h"

namespace platform {
namespace {

constexpr char32_t kSymbolPrivateBase = 0xF000;

std::optional<std::uint8_t> SymbolCode(char32_t c) {
  for (int b = 0; b < 256; ++b) {
    if (kernel::SymbolToUnicode(static_cast<std::uint8_t>(b)) == c) {
      return static_cast<std::uint8_t>(b);
    }
  }
  return std::nullopt;
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
    return;
  }
  c -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

// Decodes the character at pos (advancing it); a lone surrogate is taken as it stands.
char32_t NextUtf16(std::u16string_view units, std::size_t& pos) {
  const char32_t first = units[pos++];
  if (first >= 0xD800 && first < 0xDC00 && pos < units.size() && units[pos] >= 0xDC00 &&
      units[pos] < 0xE000) {
    const char32_t second = units[pos++];
    return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
  }
  return first;
}

}  // namespace

std::u16string MetafileTextUnits(std::string_view utf8, bool symbolFont) {
  std::u16string units;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t c = kernel::DecodeUtf8(utf8, pos).value_or(U'?');
    if (symbolFont) {
      if (const std::optional<std::uint8_t> code = SymbolCode(c)) {
        units.push_back(static_cast<char16_t>(kSymbolPrivateBase + *code));
        continue;
      }
    }
    AppendUtf16(units, c);
  }
  return units;
}

std::string MetafileTextBytes(std::u16string_view units, bool symbolFont) {
  std::string bytes;
  std::size_t pos = 0;
  while (pos < units.size()) {
    const char32_t c = NextUtf16(units, pos);
    std::optional<std::uint8_t> byte;
    if (symbolFont) {
      if (c >= kSymbolPrivateBase && c <= kSymbolPrivateBase + 0xFF) {
        byte = static_cast<std::uint8_t>(c - kSymbolPrivateBase);
      } else if (c < 0x100) {
        byte = static_cast<std::uint8_t>(c);
      } else {
        byte = SymbolCode(c);
      }
    } else {
      byte = kernel::UnicodeToProgramText(c);
    }
    bytes.push_back(static_cast<char>(byte.value_or('?')));
  }
  return bytes;
}

std::u16string ProgramTextToUtf16(std::string_view bytes) {
  std::u16string units;
  for (const char b : bytes) {
    AppendUtf16(units, kernel::ProgramTextToUnicode(static_cast<std::uint8_t>(b)));
  }
  return units;
}

std::string Utf16ToProgramText(std::u16string_view units) {
  std::string bytes;
  std::size_t pos = 0;
  while (pos < units.size()) {
    bytes.push_back(static_cast<char>(kernel::UnicodeToProgramText(NextUtf16(units, pos)).value_or('?')));
  }
  return bytes;
}

}  // namespace platform

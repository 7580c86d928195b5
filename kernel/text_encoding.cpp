#include "kernel/text_encoding.h"

#include <array>

namespace kernel {
namespace {

// Windows-1252 0x80..0x9F; free positions keep their C1 control value.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

// Symbol font 0x20..0x7F (0 = empty position).
constexpr std::array<char32_t, 96> kSymbolLow = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,  // 20
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,  // 28
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,  // 38
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,  // 40
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,  // 48
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,  // 50
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,  // 58
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,  // 60
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,  // 68
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,  // 70
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,       // 78
};

// Symbol font 0xA0..0xFF (0 = empty position).
constexpr std::array<char32_t, 96> kSymbolHigh = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,  // A0
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,  // A8
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,  // B0
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,  // B8
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,  // C0
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,  // C8
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,  // D0
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,  // D8
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,  // E0
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,  // E8
    0,      0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,  // F0
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,       // F8
};

// Code page 437: the display symbols of 0x00..0x1F, then 0x80..0xFF.
constexpr std::array<char32_t, 32> kCp437Low = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,  // 00
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,  // 08
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,  // 10
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,  // 18
};
constexpr char32_t kCp437Delete = 0x2302;
constexpr std::array<char32_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8
};

template <typename ToUnicode>
std::string BytesToUtf8(std::string_view bytes, ToUnicode to_unicode) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) AppendUtf8(out, to_unicode(static_cast<std::uint8_t>(b)));
  return out;
}

template <typename FromUnicode>
std::string Utf8ToBytes(std::string_view utf8, char replacement, FromUnicode from_unicode) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::optional<char32_t> c = DecodeUtf8(utf8, pos);
    const std::optional<std::uint8_t> byte = c ? from_unicode(*c) : std::nullopt;
    out.push_back(byte ? static_cast<char>(*byte) : replacement);
  }
  return out;
}

}  // namespace

char32_t Cp1252ToUnicode(std::uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
  return byte;
}

std::optional<std::uint8_t> UnicodeToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::uint8_t>(c);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] == c) return static_cast<std::uint8_t>(0x80 + i);
  }
  return std::nullopt;
}

std::string Cp1252ToUtf8(std::string_view bytes) { return BytesToUtf8(bytes, Cp1252ToUnicode); }

std::string Utf8ToCp1252(std::string_view utf8, char replacement) {
  return Utf8ToBytes(utf8, replacement, UnicodeToCp1252);
}

char32_t SymbolToUnicode(std::uint8_t byte) {
  char32_t c = 0;
  if (byte >= 0x20 && byte < 0x80) c = kSymbolLow[byte - 0x20];
  if (byte >= 0xA0) c = kSymbolHigh[byte - 0xA0];
  return c != 0 ? c : Cp1252ToUnicode(byte);
}

std::string SymbolToUtf8(std::string_view bytes) { return BytesToUtf8(bytes, SymbolToUnicode); }

char32_t Cp437ToUnicode(std::uint8_t byte) {
  if (byte < 0x20) return kCp437Low[byte];
  if (byte == 0x7F) return kCp437Delete;
  if (byte >= 0x80) return kCp437High[byte - 0x80];
  return byte;
}

std::optional<std::uint8_t> UnicodeToCp437(char32_t c) {
  if (c < 0x80) return static_cast<std::uint8_t>(c);
  if (c == kCp437Delete) return 0x7F;
  for (std::size_t i = 1; i < kCp437Low.size(); ++i) {
    if (kCp437Low[i] == c) return static_cast<std::uint8_t>(i);
  }
  for (std::size_t i = 0; i < kCp437High.size(); ++i) {
    if (kCp437High[i] == c) return static_cast<std::uint8_t>(0x80 + i);
  }
  return std::nullopt;
}

std::string Cp437ToUtf8(std::string_view bytes) { return BytesToUtf8(bytes, Cp437ToUnicode); }

std::string Utf8ToCp437(std::string_view utf8, char replacement) {
  return Utf8ToBytes(utf8, replacement, UnicodeToCp437);
}

bool IsProgramSymbol(std::uint8_t byte) {
  return byte == kPiSymbol || byte == kPhiSymbol || byte == kDegreeSymbol || byte == kRootSymbol ||
         byte == kSquareSymbol;
}

char32_t ProgramTextToUnicode(std::uint8_t byte) {
  return IsProgramSymbol(byte) ? Cp437ToUnicode(byte) : Cp1252ToUnicode(byte);
}

std::optional<std::uint8_t> UnicodeToProgramText(char32_t c) {
  for (const std::uint8_t symbol : {kPiSymbol, kPhiSymbol, kDegreeSymbol, kRootSymbol, kSquareSymbol}) {
    if (Cp437ToUnicode(symbol) == c) return symbol;
  }
  if (c == U'\u03C6') return kPhiSymbol;  // the small phi
  const std::optional<std::uint8_t> byte = UnicodeToCp1252(c);
  if (byte && IsProgramSymbol(*byte)) return std::nullopt;
  return byte;
}

std::string ProgramTextToUtf8(std::string_view bytes) { return BytesToUtf8(bytes, ProgramTextToUnicode); }

std::string Utf8ToProgramText(std::string_view utf8, char replacement) {
  return Utf8ToBytes(utf8, replacement, UnicodeToProgramText);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::optional<char32_t> DecodeUtf8(std::string_view utf8, std::size_t& pos) {
  const auto lead = static_cast<std::uint8_t>(utf8[pos]);
  std::size_t length = 0;
  char32_t c = 0;
  char32_t smallest = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, smallest = 0x10000;
  } else {
    ++pos;
    return std::nullopt;
  }
  if (utf8.size() - pos < length) {
    ++pos;
    return std::nullopt;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(utf8[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return std::nullopt;
    }
    c = (c << 6) | (next & 0x3F);
  }
  if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return std::nullopt;
  }
  pos += length;
  return c;
}

}  // namespace kernel

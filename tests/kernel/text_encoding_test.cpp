#include <gtest/gtest.h>

#include <set>

#include "kernel/text_encoding.h"

using namespace kernel;

namespace {

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  return bytes;
}

}  // namespace

TEST(TextEncoding, EveryCp1252ByteSurvivesTheTripThroughUtf8) {
  const std::string bytes = AllBytes();
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
  std::set<char32_t> seen;
  for (int b = 0; b < 256; ++b) seen.insert(Cp1252ToUnicode(static_cast<std::uint8_t>(b)));
  EXPECT_EQ(seen.size(), 256u) << "two bytes share a character";
}

TEST(TextEncoding, EveryCp437ByteSurvivesTheTripThroughUtf8) {
  const std::string bytes = AllBytes();
  EXPECT_EQ(Utf8ToCp437(Cp437ToUtf8(bytes)), bytes);
  std::set<char32_t> seen;
  for (int b = 0; b < 256; ++b) seen.insert(Cp437ToUnicode(static_cast<std::uint8_t>(b)));
  EXPECT_EQ(seen.size(), 256u) << "two codes share a character";
}

TEST(TextEncoding, KnownCharacters) {
  struct Case {
    const char* what;
    char32_t (*map)(std::uint8_t);
    std::uint8_t byte;
    char32_t expected;
  };
  const Case cases[] = {
      {"cp1252 euro", Cp1252ToUnicode, 0x80, 0x20AC},
      {"cp1252 en dash", Cp1252ToUnicode, 0x96, 0x2013},
      {"cp1252 free 0x81", Cp1252ToUnicode, 0x81, 0x0081},
      {"cp1252 free 0x9D", Cp1252ToUnicode, 0x9D, 0x009D},
      {"cp1252 e acute", Cp1252ToUnicode, 0xE9, 0x00E9},
      {"cp437 pi", Cp437ToUnicode, 227, 0x03C0},
      {"cp437 squared", Cp437ToUnicode, 253, 0x00B2},
      {"cp437 root", Cp437ToUnicode, 251, 0x221A},
      {"cp437 phi", Cp437ToUnicode, 232, 0x03A6},
      {"cp437 division", Cp437ToUnicode, 246, 0x00F7},
      {"cp437 integral top", Cp437ToUnicode, 244, 0x2320},
      {"cp437 degree", Cp437ToUnicode, 248, 0x00B0},
      {"cp437 smiley", Cp437ToUnicode, 0x01, 0x263A},
      {"symbol alpha", SymbolToUnicode, 'a', 0x03B1},
      {"symbol pi", SymbolToUnicode, 'p', 0x03C0},
      {"symbol omega", SymbolToUnicode, 'w', 0x03C9},
      {"symbol Omega", SymbolToUnicode, 'W', 0x03A9},
      {"symbol Delta", SymbolToUnicode, 'D', 0x0394},
      {"symbol digit", SymbolToUnicode, '2', U'2'},
      {"symbol minus", SymbolToUnicode, '-', 0x2212},
      {"symbol degree", SymbolToUnicode, 0xB0, 0x00B0},
      {"symbol less-equal", SymbolToUnicode, 0xA3, 0x2264},
      {"symbol infinity", SymbolToUnicode, 0xA5, 0x221E},
      {"symbol root", SymbolToUnicode, 0xD6, 0x221A},
      {"symbol integral", SymbolToUnicode, 0xF2, 0x222B},
      {"symbol empty 0xF0 falls back", SymbolToUnicode, 0xF0, 0x00F0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.map(c.byte), c.expected) << c.what;
}

TEST(TextEncoding, SymbolTextBecomesGreekUtf8) {
  EXPECT_EQ(SymbolToUtf8("apb"), "\xCE\xB1\xCF\x80\xCE\xB2");  // alpha pi beta
}

TEST(TextEncoding, UnmappableAndMalformedUtf8BecomeTheReplacement) {
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xAC" "b"), "a\x80" "b");  // euro
  EXPECT_EQ(Utf8ToCp1252("x\xE4\xB8\xADy"), "x?y");            // a CJK character has no byte
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");                         // truncated sequence
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");                    // overlong slash
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80", '#'), "###");          // a surrogate
  EXPECT_EQ(Utf8ToCp437("\xCF\x80r\xC2\xB2"), "\xE3r\xFD");     // pi r squared
}

TEST(TextEncoding, ProgramTextShowsTheSymbolsAndEveryOtherByteAsWindows1252) {
  struct Case {
    std::uint8_t byte;
    char32_t shown;
  };
  const Case symbols[] = {
      {227, 0x03C0},  // pi
      {232, 0x03A6},  // Phi, the golden ratio
      {248, 0x00B0},  // the degree sign behind angles
      {251, 0x221A},  // the radical sign
      {253, 0x00B2},  // the superscript two
  };
  for (const Case& c : symbols) {
    EXPECT_TRUE(IsProgramSymbol(c.byte)) << int{c.byte};
    EXPECT_EQ(ProgramTextToUnicode(c.byte), c.shown) << int{c.byte};
    EXPECT_EQ(ProgramTextToUnicode(c.byte), Cp437ToUnicode(c.byte)) << int{c.byte};
    EXPECT_EQ(UnicodeToProgramText(c.shown), c.byte) << int{c.byte};
  }
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    if (IsProgramSymbol(byte)) continue;
    EXPECT_EQ(ProgramTextToUnicode(byte), Cp1252ToUnicode(byte)) << b;
    EXPECT_EQ(UnicodeToProgramText(ProgramTextToUnicode(byte)), b == 176 ? 248 : b == 178 ? 253 : b) << b;
  }
  // An angle with units, accented text and typed symbols.
  EXPECT_EQ(ProgramTextToUtf8("<ABC = -40.48283\xF8"), "<ABC = -40.48283\xC2\xB0");
  EXPECT_EQ(ProgramTextToUtf8("caf\xE9 \xE3r\xFD"), "caf\xC3\xA9 \xCF\x80r\xC2\xB2");
  EXPECT_EQ(Utf8ToProgramText("\xCF\x80r\xC2\xB2 \xE2\x88\x9A(2) \xCF\x86 30\xC2\xB0"), "\xE3r\xFD \xFB(2) \xE8 30\xF8");
  // The letters Windows-1252 has at the symbols' codes are no program text.
  EXPECT_EQ(Utf8ToProgramText("\xC3\xA8\xC3\xB8"), "??");
}

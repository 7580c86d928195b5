#pragma once
// The byte encodings of the program's texts and their Unicode characters. Labels and texts are
// program text (below): Windows-1252 bytes with the program's five symbol codes; a font with the
// symbol character set shows its byte codes as Greek and mathematical characters. Texts read from
// a file and shown are not changed by being shown; only what is typed is converted back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kernel {

// Windows-1252. The five positions the code page leaves free (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the C1 control characters of the same number, so round trips are lossless.
char32_t Cp1252ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToCp1252(char32_t c);
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a byte, and malformed UTF-8 sequences, become `replacement`.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');

// The symbol font's byte codes: 'a'..'z' are alpha..zeta in the font's order, 'A'..'Z' the
// capitals, the high half the mathematical signs. Codes the font leaves empty show as their
// Windows-1252 character.
char32_t SymbolToUnicode(std::uint8_t byte);
std::string SymbolToUtf8(std::string_view bytes);

// Code page 437, all 256 codes (0x01..0x1F and 0x7F as their display symbols). Going back, the
// control characters U+0001..U+001F and U+007F also give their own code.
char32_t Cp437ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToCp437(char32_t c);
std::string Cp437ToUtf8(std::string_view bytes);
std::string Utf8ToCp437(std::string_view utf8, char replacement = '?');

// Program text, the one mapping of the program's bytes wherever they are shown, typed or exported:
// Windows-1252, except the five codes the expression language and the measurements use for their
// symbols, which are code page 437's characters there: 227 pi, 232 Phi (the golden ratio), 248 the
// degree sign, 251 the radical sign, 253 the superscript two. The letters Windows-1252 has at
// those codes (a tilde, e grave, o slash, u circumflex, y acute) are not program text.
// Going back, each symbol gives its code, and so do the degree sign and the superscript two that
// Windows-1252 has at 176 and 178 (which still show as themselves) and the small phi.
inline constexpr std::uint8_t kPiSymbol = 227;
inline constexpr std::uint8_t kPhiSymbol = 232;
inline constexpr std::uint8_t kDegreeSymbol = 248;
inline constexpr std::uint8_t kRootSymbol = 251;
inline constexpr std::uint8_t kSquareSymbol = 253;
bool IsProgramSymbol(std::uint8_t byte);
char32_t ProgramTextToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToProgramText(char32_t c);
std::string ProgramTextToUtf8(std::string_view bytes);
std::string Utf8ToProgramText(std::string_view utf8, char replacement = '?');

// UTF-8 helpers.
void AppendUtf8(std::string& out, char32_t c);
// Decodes one character at `pos` (which must be before the end) and advances it; a malformed or truncated sequence (overlong
// forms, surrogates and values past U+10FFFF included) gives nullopt and skips one byte.
std::optional<char32_t> DecodeUtf8(std::string_view utf8, std::size_t& pos);

}  // namespace kernel

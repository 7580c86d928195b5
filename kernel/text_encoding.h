#pragma once
// The byte encodings of the program's texts and their Unicode characters. Labels and texts are
// Windows-1252 bytes; a font with the symbol character set shows its byte codes as Greek and
// mathematical characters; expressions use a few code page 437 symbol codes. Every byte maps to
// one character and every mapped character back to the same byte, so texts read from a file,
// shown and edited, are written back unchanged.

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

// UTF-8 helpers.
void AppendUtf8(std::string& out, char32_t c);
// Decodes one character at `pos` (which must be before the end) and advances it; a malformed or truncated sequence (overlong
// forms, surrogates and values past U+10FFFF included) gives nullopt and skips one byte.
std::optional<char32_t> DecodeUtf8(std::string_view utf8, std::size_t& pos);

}  // namespace kernel

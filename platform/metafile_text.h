#pragma once
// Internal to platform/: the UTF-16 texts of metafile records. A device context draws Unicode
// text mapped from the program's bytes; a metafile stores UTF-16 code units, where a symbol
// font's codes are written as U+F000 plus the byte, as the system does for symbol fonts. The
// player turns the units back into the bytes a DC draws, so the program's own texts come back
// unchanged.

#include <string>
#include <string_view>

namespace platform {

// The text (UTF-8) as UTF-16 units; with a symbol font each character that has a symbol code
// becomes U+F000 plus that code.
std::u16string MetafileTextUnits(std::string_view utf8, bool symbolFont);

// The units as the bytes a DC draws: symbol codes with a symbol font, else program text;
// characters without a byte become '?'.
std::string MetafileTextBytes(std::u16string_view units, bool symbolFont);

// Face names and the description: program text and UTF-16 units.
std::u16string ProgramTextToUtf16(std::string_view bytes);
std::string Utf16ToProgramText(std::u16string_view units);

}  // namespace platform

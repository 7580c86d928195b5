#pragma once
// The characters above ASCII of the program's texts (Windows-1252 bytes) as TeX writes them with
// its standard fonts: accents and letters by their commands, symbols as small formulas. TeX's
// standard fonts have nothing at those byte codes, so a byte written as it is would not show.

#include <string_view>

namespace view {

// The TeX text of a byte from 128 to 255, good in text and in math mode; empty for a byte without
// one (and for ASCII).
std::string_view TeXCharacter(unsigned char byte);

}  // namespace view

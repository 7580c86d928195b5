#pragma once
// The characters above ASCII of the program's texts (program text: Windows-1252 with the
// program's symbols) as TeX writes them with its standard fonts: accents and letters by their
// commands, symbols as small formulas ("$\pi$", "$^\circ$", "$\sqrt{}$"). TeX's
// standard fonts have nothing at those byte codes, so a byte written as it is would not show.

#include <string_view>

namespace view {

// The TeX text of a byte from 128 to 255, good in text and in math mode; empty for ASCII and for
// the five codes that are no character (0x81, 0x8D, 0x8F, 0x90, 0x9D).
std::string_view TeXCharacter(unsigned char byte);

}  // namespace view

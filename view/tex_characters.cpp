#include "view/tex_characters.h"

#include <array>

namespace view {

namespace {

// Bytes 128 to 255 of program text: Windows-1252, with the program's symbols at 227 (pi), 232
// (Phi), 248 (degree), 251 (radical) and 253 (square). Every entry is one group in TeX's eyes (no
// brace or dollar left open), so it can stand in a box. Only the five codes Windows-1252 leaves
// free have none.
constexpr std::array<const char*, 128> kCharacters{
    "EUR", "", ",", "$f$", ",,", "\\dots", "$\\dagger$", "$\\ddagger$",
    "\\^{}", "\\%o", "\\v S", "$<$", "\\OE", "", "\\v Z", "",
    "", "`", "'", "``", "''", "$\\bullet$", "--", "---",
    "\\~{}", "TM", "\\v s", "$>$", "\\oe", "", "\\v z", "\\\"Y",
    "~", "!`", "\\rlap/c", "{\\it\\$}", "$\\diamond$", "Y", "$|$", "\\S",
    "\\\"{}", "\\copyright", "$^{\\rm a}$", "$\\ll$", "$\\neg$", "-", "(R)", "\\={}",
    "$^\\circ$", "$\\pm$", "$^2$", "$^3$", "\\'{}", "$\\mu$", "\\P", "$\\cdot$",
    "\\c{}", "$^1$", "$^{\\rm o}$", "$\\gg$", "1/4", "1/2", "3/4", "?`",
    "\\`A", "\\'A", "\\^A", "\\~A", "\\\"A", "\\AA", "\\AE", "\\c C",
    "\\`E", "\\'E", "\\^E", "\\\"E", "\\`I", "\\'I", "\\^I", "\\\"I",
    "D", "\\~N", "\\`O", "\\'O", "\\^O", "\\~O", "\\\"O", "$\\times$",
    "\\O", "\\`U", "\\'U", "\\^U", "\\\"U", "\\'Y", "Th", "\\ss",
    "\\`a", "\\'a", "\\^a", "$\\pi$", "\\\"a", "\\aa", "\\ae", "\\c c",
    "$\\Phi$", "\\'e", "\\^e", "\\\"e", "\\`\\i", "\\'\\i", "\\^\\i", "\\\"\\i",
    "d", "\\~n", "\\`o", "\\'o", "\\^o", "\\~o", "\\\"o", "$\\div$",
    "$^\\circ$", "\\`u", "\\'u", "$\\sqrt{}$", "\\\"u", "$^2$", "th", "\\\"y",
};

}  // namespace

std::string_view TeXCharacter(unsigned char byte) { return byte < 128 ? std::string_view{} : kCharacters[byte - 128]; }

}  // namespace view

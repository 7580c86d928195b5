#include "view/tex_characters.h"

#include <array>

namespace view {

namespace {

// Bytes 128 to 255. Every entry is one group in TeX's eyes (no brace or dollar left open), so it
// can stand in a box.
constexpr std::array<const char*, 128> kCharacters{
    "EUR", "", ",", "", ",,", "\\dots", "$\\dagger$", "$\\ddagger$",
    "", "\\%o", "\\v S", "$<$", "\\OE", "", "\\v Z", "",
    "", "`", "'", "``", "''", "$\\bullet$", "--", "---",
    "\\~{}", "TM", "\\v s", "$>$", "\\oe", "", "\\v z", "\\\"Y",
    "~", "!`", "", "{\\it\\$}", "", "Y", "", "\\S",
    "\\\"{}", "\\copyright", "", "$\\ll$", "$\\neg$", "-", "(R)", "\\={}",
    "$^\\circ$", "$\\pm$", "$^2$", "$^3$", "\\'{}", "$\\mu$", "\\P", "$\\cdot$",
    "\\c{}", "$^1$", "", "$\\gg$", "1/4", "1/2", "3/4", "?`",
    "\\`A", "\\'A", "\\^A", "\\~A", "\\\"A", "\\AA", "\\AE", "\\c C",
    "\\`E", "\\'E", "\\^E", "\\\"E", "\\`I", "\\'I", "\\^I", "\\\"I",
    "D", "\\~N", "\\`O", "\\'O", "\\^O", "\\~O", "\\\"O", "$\\times$",
    "\\O", "\\`U", "\\'U", "\\^U", "\\\"U", "\\'Y", "Th", "\\ss",
    "\\`a", "\\'a", "\\^a", "\\~a", "\\\"a", "\\aa", "\\ae", "\\c c",
    "\\`e", "\\'e", "\\^e", "\\\"e", "\\`\\i", "\\'\\i", "\\^\\i", "\\\"\\i",
    "d", "\\~n", "\\`o", "\\'o", "\\^o", "\\~o", "\\\"o", "$\\div$",
    "\\o", "\\`u", "\\'u", "\\^u", "\\\"u", "\\'y", "th", "\\\"y",
};

}  // namespace

std::string_view TeXCharacter(unsigned char byte) { return byte < 128 ? std::string_view{} : kCharacters[byte - 128]; }

}  // namespace view

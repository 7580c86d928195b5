// Texts in EPS pictures.
//
// The standard PostScript fonts show bytes 128 to 255 by their own encoding, not by the
// Windows-1252 meaning the program's texts have. A text with such bytes therefore gets a copy of
// its font whose encoding puts the right glyph names at those bytes; texts of plain ASCII, and
// texts in a symbol font, use the font as it is.

#include <algorithm>
#include <array>
#include <bitset>

#include "view/eps_painter.h"

namespace view {

using kernel::ColorRef;
using kernel::Point2;

namespace {

// Glyph names of the Windows-1252 bytes 128 to 255; empty where the code page has no character.
constexpr std::array<const char*, 128> kGlyphNames{
    "Euro",          "",           "quotesinglbase", "florin",      "quotedblbase", "ellipsis",     "dagger",
    "daggerdbl",     "circumflex", "perthousand",    "Scaron",      "guilsinglleft", "OE",          "",
    "Zcaron",        "",           "",               "quoteleft",   "quoteright",   "quotedblleft", "quotedblright",
    "bullet",        "endash",     "emdash",         "tilde",       "trademark",    "scaron",       "guilsinglright",
    "oe",            "",           "zcaron",         "Ydieresis",   "space",        "exclamdown",   "cent",
    "sterling",      "currency",   "yen",            "brokenbar",   "section",      "dieresis",     "copyright",
    "ordfeminine",   "guillemotleft", "logicalnot",  "hyphen",      "registered",   "macron",       "degree",
    "plusminus",     "twosuperior", "threesuperior", "acute",       "mu",           "paragraph",    "periodcentered",
    "cedilla",       "onesuperior", "ordmasculine",  "guillemotright", "onequarter", "onehalf",     "threequarters",
    "questiondown",  "Agrave",     "Aacute",         "Acircumflex", "Atilde",       "Adieresis",    "Aring",
    "AE",            "Ccedilla",   "Egrave",         "Eacute",      "Ecircumflex",  "Edieresis",    "Igrave",
    "Iacute",        "Icircumflex", "Idieresis",     "Eth",         "Ntilde",       "Ograve",       "Oacute",
    "Ocircumflex",   "Otilde",     "Odieresis",      "multiply",    "Oslash",       "Ugrave",       "Uacute",
    "Ucircumflex",   "Udieresis",  "Yacute",         "Thorn",       "germandbls",   "agrave",       "aacute",
    "acircumflex",   "atilde",     "adieresis",      "aring",       "ae",           "ccedilla",     "egrave",
    "eacute",        "ecircumflex", "edieresis",     "igrave",      "iacute",       "icircumflex",  "idieresis",
    "eth",           "ntilde",     "ograve",         "oacute",      "ocircumflex",  "otilde",       "odieresis",
    "divide",        "oslash",     "ugrave",         "uacute",      "ucircumflex",  "udieresis",    "yacute",
    "thorn",         "ydieresis"};

// A face name as a PostScript name: blanks (and anything else that would end a name) become "-".
std::string FontName(const platform::FontSpec& font) {
  std::string name;
  for (const char ch : font.face) {
    const auto byte = static_cast<unsigned char>(ch);
    const bool delimiter = byte <= 32 || byte >= 127 || std::string_view("()<>[]{}/%").find(ch) != std::string_view::npos;
    name += delimiter ? '-' : ch;
  }
  if (font.italic) name += "-Italic";
  return name;
}

// "/name findfont", or for a text with bytes above 127 a copy of the font encoded for them.
std::string FindFontText(const std::string& name, std::string_view text, bool symbol) {
  std::bitset<128> used;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 128 && kGlyphNames[byte - 128][0] != '\0') used.set(byte - 128);
  }
  if (symbol || used.none()) return "/" + name + " findfont";
  std::string out = "/" + name +
                    " findfont dup length dict begin {1 index /FID ne {def} {pop pop} ifelse} forall"
                    " /Encoding Encoding 256 array copy";
  for (std::size_t i = 0; i < used.size(); ++i)
    if (used.test(i)) out += " dup " + std::to_string(128 + i) + " /" + kGlyphNames[i] + " put";
  out += " def currentdict end /" + name + "-Cp1252 exch definefont";
  return out;
}

}  // namespace

void EpsPainter::DoText(platform::PointI anchor, std::string_view text, int h, int v,
                        std::optional<ColorRef> background) {
  WriteText(anchor, text, h, v, background);
}

void EpsPainter::WriteText(platform::PointI anchor, std::string_view text, int h, int v,
                           std::optional<ColorRef> background) {
  const TextStyle& style = state().text;
  const int e = style.font.escapement;
  const TextBoxPlace place = TextBoxLayout(anchor, DoTextExtent(text), e, h, v);
  if (background) {
    const platform::PointI& t = place.corner;
    const platform::PointI& wv = place.widthVector;
    const platform::PointI& hv = place.heightVector;
    const std::array<Point2, 4> corners{ToWorld(t), ToWorld({t.x + wv.x, t.y + wv.y}),
                                        ToWorld({t.x + wv.x + hv.x, t.y + wv.y + hv.y}),
                                        ToWorld({t.x + hv.x, t.y + hv.y})};
    WriteFillPolygon(corners, false, *background, 1, *background, 0, kLineSolid);
  }
  std::string out;
  out += Line(FindFontText(FontName(style.font), text, style.font.symbolCharset));
  out += Line(std::to_string(style.pointSize) + " scalefont setfont");
  out += Line(XY(ToWorld(place.baseline)) + " moveto");
  if (e != 0) out += Line(std::to_string(e / 10) + " rotate");
  out += Line(EpsColorText(ColorOf(style.color)) + " setrgbcolor");
  out += Line("(" + PostScriptEscape(text) + ") show");
  if (e != 0) out += Line(std::to_string(-e / 10) + " rotate");
  Write(out);
}

}  // namespace view

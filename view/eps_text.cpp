// Texts in EPS pictures.
//
// The standard PostScript fonts show bytes 128 to 255 by their own encoding, not by the meaning
// the program's texts have (program text: Windows-1252 with the program's symbols). A text with
// such bytes therefore gets a copy of its font whose encoding puts the right glyph names at those
// bytes; texts of plain ASCII, and texts in a symbol font, use the font as it is. The text fonts
// have no pi, Phi or radical sign: those symbols are shown in the Symbol font, each run of them
// between runs in the text's own font.

#include <algorithm>
#include <array>
#include <bitset>

#include "kernel/text_encoding.h"
#include "view/eps_painter.h"

namespace view {

using kernel::ColorRef;
using kernel::Point2;

namespace {

// Glyph names of the Windows-1252 bytes 128 to 255; empty where the code page has no character.
// GlyphName puts the program's symbols in their places.
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

// The glyph name of a program-text byte from 128 to 255 in a text font; empty for none and for
// the symbols the Symbol font shows.
std::string_view GlyphName(unsigned char byte) {
  switch (byte) {
    case kernel::kDegreeSymbol: return "degree";
    case kernel::kSquareSymbol: return "twosuperior";
    case kernel::kPiSymbol:
    case kernel::kPhiSymbol:
    case kernel::kRootSymbol: return {};
    default: return kGlyphNames[byte - 128];
  }
}

// The code of a symbol in the Symbol font's encoding, or 0 for a byte the text font shows.
char SymbolFontCode(unsigned char byte) {
  switch (byte) {
    case kernel::kPiSymbol: return 'p';
    case kernel::kPhiSymbol: return 'F';
    case kernel::kRootSymbol: return static_cast<char>(0xD6);
    default: return 0;
  }
}

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

// "/name findfont", or for a text with bytes above 127 a copy of the font encoded for them; the
// name the font is found by again is left in `found`.
std::string FindFontText(const std::string& name, std::string_view text, bool symbol, std::string& found) {
  std::bitset<128> used;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 128 && !GlyphName(byte).empty()) used.set(byte - 128);
  }
  found = name;
  if (symbol || used.none()) return "/" + name + " findfont";
  found = name + "-Cp1252";
  std::string out = "/" + name +
                    " findfont dup length dict begin {1 index /FID ne {def} {pop pop} ifelse} forall"
                    " /Encoding Encoding 256 array copy";
  for (std::size_t i = 0; i < used.size(); ++i)
    if (used.test(i)) out += " dup " + std::to_string(128 + i) + " /" + std::string(GlyphName(static_cast<unsigned char>(128 + i))) + " put";
  out += " def currentdict end /" + found + " exch definefont";
  return out;
}

// The "show" lines of a text: one for a text without the Symbol font's symbols; else a line for
// each run, the runs of symbols in the Symbol font and the font set back after them.
std::string ShowText(std::string_view text, bool symbolFont, const std::string& font, int size) {
  const auto inSymbolFont = [&](char ch) { return !symbolFont && SymbolFontCode(static_cast<unsigned char>(ch)) != 0; };
  if (std::none_of(text.begin(), text.end(), inSymbolFont)) return "(" + PostScriptEscape(text) + ") show\r\n";
  const std::string scale = " " + std::to_string(size) + " scalefont setfont\r\n";
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const bool symbols = inSymbolFont(text[i]);
    std::string run;
    for (; i < text.size() && inSymbolFont(text[i]) == symbols; ++i)
      run += symbols ? SymbolFontCode(static_cast<unsigned char>(text[i])) : text[i];
    if (symbols) out += "/Symbol findfont" + scale;
    out += "(" + PostScriptEscape(run) + ") show\r\n";
    if (symbols && i < text.size()) out += "/" + font + " findfont" + scale;
  }
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
  std::string font;
  out += Line(FindFontText(FontName(style.font), text, style.font.symbolCharset, font));
  out += Line(std::to_string(style.pointSize) + " scalefont setfont");
  out += Line(XY(ToWorld(place.baseline)) + " moveto");
  if (e != 0) out += Line(std::to_string(e / 10) + " rotate");
  out += Line(EpsColorText(ColorOf(style.color)) + " setrgbcolor");
  out += ShowText(text, style.font.symbolCharset, font, style.pointSize);
  if (e != 0) out += Line(std::to_string(-e / 10) + " rotate");
  Write(out);
}

}  // namespace view

#pragma once
// Texts of SVG documents: the document's head and end, and the escaping that keeps every
// document well-formed XML whatever the program's 8-bit texts hold.

#include <string>
#include <string_view>

namespace view {

// The head of an SVG 1.1 document of width x height pixels with its title, and its end. The
// drawing's own coordinates are the pixels of a view of viewWidth x viewHeight, scaled into the
// picture.
std::string SvgHeaderText(int width, int height, int viewWidth, int viewHeight, std::string_view title);
std::string SvgTrailerText();

// An 8-bit (Windows-1252) text as XML character data: "&", "<" and ">" as entities, bytes 128 to
// 255 as character references of the characters they show, control characters other than tab,
// line feed and carriage return left out. With symbol set, the bytes are the symbol font's codes
// (Greek letters and mathematical signs) and are written as those characters.
std::string SvgEscapeText(std::string_view text, bool symbol = false);
// The same for an attribute value in double quotes: '"' also becomes an entity.
std::string SvgEscapeAttribute(std::string_view text);

}  // namespace view

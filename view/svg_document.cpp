#include "view/svg_document.h"

#include "kernel/text_encoding.h"

namespace view {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string Escape(std::string_view text, bool symbol, bool attribute) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto byte = static_cast<std::uint8_t>(ch);
    const char32_t c = symbol ? kernel::SymbolToUnicode(byte) : kernel::ProgramTextToUnicode(byte);
    if (c == U'&') out += "&amp;";
    else if (c == U'<') out += "&lt;";
    else if (c == U'>') out += "&gt;";
    else if (c == U'"' && attribute) out += "&quot;";
    else if (c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r') continue;  // no XML character
    else if (c < 0x80) out += static_cast<char>(c);
    else out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
  }
  return out;
}

}  // namespace

std::string SvgHeaderText(int width, int height, int viewWidth, int viewHeight, std::string_view title) {
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  std::string text;
  text += std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>") + kLineEnd;
  text += std::string("<svg version=\"1.1\"") + kLineEnd;
  text += std::string("baseProfile=\"full\"") + kLineEnd;
  text += "width=\"" + w + "\" height=\"" + h + "\"" + kLineEnd;
  // "defer" alone is no valid value: readers that keep to the standard then draw nothing at all.
  text += "viewBox=\"0 0 " + std::to_string(viewWidth) + " " + std::to_string(viewHeight) +
          "\" preserveAspectRatio=\"defer xMidYMid\"" + kLineEnd;
  text += std::string("xmlns=\"http://www.w3.org/2000/svg\"") + kLineEnd;
  text += std::string("xmlns:xlink=\"http://www.w3.org/1999/xlink\"") + kLineEnd;
  text += std::string("xmlns:ev=\"http://www.w3.org/2001/xml-events\">") + kLineEnd;
  text += "<title>" + SvgEscapeText(title) + "</title>" + kLineEnd;
  return text;
}

std::string SvgTrailerText() { return std::string("</svg>") + kLineEnd; }

std::string SvgEscapeText(std::string_view text, bool symbol) { return Escape(text, symbol, false); }

std::string SvgEscapeAttribute(std::string_view text) { return Escape(text, false, true); }

}  // namespace view

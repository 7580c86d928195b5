// Texts in SVG documents.

#include <algorithm>
#include <array>

#include "kernel/colour_values.h"
#include "view/svg_document.h"
#include "view/svg_painter.h"

namespace view {

using kernel::ColorRef;
using platform::PointI;

namespace {

// A font weight as SVG knows them: 100 to 900 in steps of 100; 0 (the default) is normal.
int SvgWeight(int weight) {
  if (weight <= 0) return 400;
  return std::clamp((weight + 50) / 100 * 100, 100, 900);
}

}  // namespace

void SvgPainter::DoText(PointI anchor, std::string_view text, int h, int v, std::optional<ColorRef> background) {
  WriteText(anchor, text, h, v, background);
}

void SvgPainter::WriteText(PointI anchor, std::string_view text, int h, int v, std::optional<ColorRef> background) {
  const TextStyle& style = state().text;
  const int angle = style.font.escapement;
  const TextBoxPlace place = TextBoxLayout(anchor, DoTextExtent(text), angle, h, v);
  if (background) {
    const PointI& t = place.corner;
    const PointI& u = place.widthVector;
    const PointI& w = place.heightVector;
    const std::array<PointI, 4> corners{t, PointI{t.x + u.x, t.y + u.y}, PointI{t.x + u.x + w.x, t.y + u.y + w.y},
                                        PointI{t.x + w.x, t.y + w.y}};
    WritePolygon(corners, false, *background, 1, *background, 0, kLineSolid);
  }
  int x = place.baseline.x;
  int y = place.baseline.y;
  std::string out;
  if (angle != 0) {
    out += "<g transform=\"translate(" + std::to_string(x) + "," + std::to_string(y) + ") rotate(" +
           std::to_string(-angle / 10) + ")\">\r\n";
    x = 0;
    y = 0;
  }
  out += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" font-family=\"" +
         SvgEscapeAttribute(style.font.face) + "\" font-size=\"" + std::to_string(style.pointSize * 4 / 3) +
         "\" font-weight=\"" + std::to_string(SvgWeight(style.font.weight)) + "\"";
  if (style.font.italic) out += " font-style=\"italic\"";
  out += " fill=\"" + kernel::ColorToHex(ColorOf(style.color)) + "\" text-anchor=\"start\"> ";
  out += SvgEscapeText(text, style.font.symbolCharset);
  out += " </text>\r\n";
  if (angle != 0) out += "</g>\r\n";
  Write(out);
}

}  // namespace view

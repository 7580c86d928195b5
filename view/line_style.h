#pragma once
// The figure's line attributes and what pens they give: a packed attribute holds a colour index
// (low 16 bits) and a pen width in pixels (high 16 bits, signed); a style code picks the dashes.

#include <cstdint>

#include "platform/drawing_types.h"
#include "view/figure_painter.h"

namespace view {

constexpr int AttributeColorIndex(std::int32_t attribute) {
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(attribute) & 0xFFFFu);
}
constexpr int AttributeWidth(std::int32_t attribute) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(attribute) >> 16));
}
constexpr std::int32_t MakeAttribute(int colorIndex, int width) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(width)) << 16) |
                                   static_cast<std::uint16_t>(colorIndex));
}

// The pen of an attribute drawn in the style code.
inline LinePen PenOfAttribute(std::int32_t attribute, int styleCode) {
  return {InkColor::Index(AttributeColorIndex(attribute)), AttributeWidth(attribute), styleCode};
}

// -1 no line, 1 dotted, 2 dashed, 3 dash-dot, 4 dash-dot-dot; any other code solid.
platform::PenStyle PenStyleOfCode(int styleCode);

// The printed pen width in device pixels for a line thickness setting on a device that many
// pixels wide: about (2 thickness + 1) / 2048 of the width, at least 1, times the metafile
// magnifier.
int PrintPenWidthFor(int deviceWidthPixels, int thickness, int magnifier);

}  // namespace view

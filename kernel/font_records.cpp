#include "kernel/font_records.h"

#include <cstdlib>
#include <limits>

namespace kernel {

void WriteFontRecord(ByteWriter& out, const FontRecord& font) {
  out.I32(font.height);
  out.I32(font.width);
  out.I32(font.escapement);
  out.I32(font.orientation);
  out.I32(font.weight);
  out.U8(font.italic);
  out.U8(font.underline);
  out.U8(font.strikeOut);
  out.U8(font.charset);
  out.U8(font.outPrecision);
  out.U8(font.clipPrecision);
  out.U8(font.quality);
  out.U8(font.pitchAndFamily);
  out.FixedText(std::string_view(font.faceName).substr(0, kFaceNameBytes - 1), kFaceNameBytes);
}

FontRecord ReadFontRecord(ByteReader& in) {
  FontRecord font;
  font.height = in.I32();
  font.width = in.I32();
  font.escapement = in.I32();
  font.orientation = in.I32();
  font.weight = in.I32();
  font.italic = in.U8();
  font.underline = in.U8();
  font.strikeOut = in.U8();
  font.charset = in.U8();
  font.outPrecision = in.U8();
  font.clipPrecision = in.U8();
  font.quality = in.U8();
  font.pitchAndFamily = in.U8();
  font.faceName = in.FixedText(kFaceNameBytes);
  return font;
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const long long product = static_cast<long long>(a) * b;
  const long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(c)) / 2) /
                              std::llabs(static_cast<long long>(c));
  const long long result = (product < 0) != (c < 0) ? -magnitude : magnitude;
  if (result > std::numeric_limits<std::int32_t>::max() || result < std::numeric_limits<std::int32_t>::min())
    return -1;
  return static_cast<std::int32_t>(result);
}

std::int32_t PointsToFontHeight(std::int32_t points, std::int32_t dpi) { return -MulDiv(points, dpi, 72); }

std::array<FontSlot, kFontSlotCount> DefaultFontSlots(std::int32_t dpi) {
  struct Default {
    const char* face;
    std::int32_t points;
    std::uint8_t charset;
    std::uint8_t pitch;
  };
  constexpr Default kDefaults[kFontSlotCount] = {
      {"Courier New", 12, kAnsiCharset, kFixedModernPitch}, {"Symbol", 10, kSymbolCharset, kFixedModernPitch},
      {"Courier New", 10, kAnsiCharset, kFixedModernPitch}, {"Courier New", 8, kAnsiCharset, kFixedModernPitch},
      {"Times", 12, kAnsiCharset, kVariablePitch},          {"Times", 10, kAnsiCharset, kVariablePitch},
      {"Courier New", 10, kAnsiCharset, kFixedModernPitch}, {"Courier New", 10, kAnsiCharset, kFixedModernPitch},
      {"Courier New", 10, kAnsiCharset, kFixedModernPitch}, {"Courier New", 10, kAnsiCharset, kFixedModernPitch},
  };
  std::array<FontSlot, kFontSlotCount> slots;
  for (int k = 0; k < kFontSlotCount; ++k) {
    FontSlot& slot = slots[k];
    slot.points = kDefaults[k].points;
    slot.font.height = PointsToFontHeight(kDefaults[k].points, dpi);
    slot.font.charset = kDefaults[k].charset;
    slot.font.pitchAndFamily = kDefaults[k].pitch;
    slot.font.faceName = kDefaults[k].face;
  }
  return slots;
}

}  // namespace kernel

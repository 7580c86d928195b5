#pragma once
// The stored form of a font: a 60-byte record (height, width, escapement, orientation and weight
// as i32; italic, underline, strike-out, character set, output precision, clip precision,
// quality, pitch and family as bytes; a 32-byte face name), the ten font slots every window
// starts with, and the pixel height of a point size.

#include <array>
#include <cstdint>
#include <string>

#include "kernel/byte_io.h"

namespace kernel {

inline constexpr std::size_t kFontRecordBytes = 60;
inline constexpr std::size_t kFaceNameBytes = 32;
inline constexpr int kFontSlotCount = 10;

inline constexpr std::uint8_t kAnsiCharset = 0;
inline constexpr std::uint8_t kSymbolCharset = 2;
inline constexpr std::uint8_t kFixedModernPitch = 0x31;  // modern family, fixed pitch
inline constexpr std::uint8_t kVariablePitch = 2;
inline constexpr std::int32_t kNormalWeight = 400;

struct FontRecord {
  std::int32_t height = 0;  // negative: character height in pixels
  std::int32_t width = 0;
  std::int32_t escapement = 0;  // tenths of a degree
  std::int32_t orientation = 0;
  std::int32_t weight = kNormalWeight;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charset = kAnsiCharset;
  std::uint8_t outPrecision = 8;   // outline fonts
  std::uint8_t clipPrecision = 2;  // stroke clipping
  std::uint8_t quality = 1;        // draft
  std::uint8_t pitchAndFamily = kFixedModernPitch;
  std::string faceName;  // Windows-1252, at most 31 characters in the file
  friend bool operator==(const FontRecord&, const FontRecord&) = default;
};

// The face name is cut to 31 characters so that the field keeps its terminating NUL.
void WriteFontRecord(ByteWriter& out, const FontRecord& font);
FontRecord ReadFontRecord(ByteReader& in);

// a * b / c rounded to the nearest integer (halves away from zero); -1 when c is 0 or the result
// does not fit 32 bits.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// The negative character height of a font of `points` points on a device of dpi dots per inch.
std::int32_t PointsToFontHeight(std::int32_t points, std::int32_t dpi);

struct FontSlot {
  FontRecord font;
  std::int32_t points = 0;
};

// The ten default slots: 0 Courier New 12, 1 Symbol 10, 2 Courier New 10, 3 Courier New 8,
// 4 Times 12, 5 Times 10, 6 to 9 Courier New 10; heights for dpi dots per inch.
std::array<FontSlot, kFontSlotCount> DefaultFontSlots(std::int32_t dpi);

}  // namespace kernel

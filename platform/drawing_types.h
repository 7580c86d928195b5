#pragma once
// The plain records of drawing: colours, points, rectangles, pens, brushes, fonts and the modes of
// a device context. Coordinates are device pixels.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace platform {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  // The colour value as the program stores it: 0x00BBGGRR.
  static constexpr Color FromColorRef(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16)};
  }
  constexpr std::uint32_t ToColorRef() const {
    return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
  }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};

struct PointI {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const PointI&, const PointI&) = default;
};

struct SizeI {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const SizeI&, const SizeI&) = default;
};

// Right and bottom are exclusive: the rectangle covers the pixels left..right-1, top..bottom-1.
// Its sides may lie anywhere in the int range; a span wider than an int can hold is reported as
// the largest int of that sign, never by an overflow.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr std::int64_t Width64() const { return std::int64_t{right} - left; }
  constexpr std::int64_t Height64() const { return std::int64_t{bottom} - top; }
  constexpr int Width() const { return Saturated(Width64()); }
  constexpr int Height() const { return Saturated(Height64()); }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;

 private:
  static constexpr int Saturated(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
  }
};

// The common part of two rectangles (empty when they do not meet).
constexpr Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// The smallest rectangle holding both; an empty one adds nothing.
constexpr Rect Unite(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

// A pen of width 0 or 1 is cosmetic: one pixel wide, its dash pattern counted in pixels. Wider
// pens have round ends and joins; their dash pattern grows with the width.
struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Color color = kBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Hatched, Hollow };
enum class HatchStyle { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal, Cross, DiagonalCross };

struct Brush {
  BrushStyle style = BrushStyle::Solid;
  HatchStyle hatch = HatchStyle::Horizontal;  // for hatched brushes
  Color color = kWhite;

  static constexpr Brush Solid(Color c) { return {BrushStyle::Solid, HatchStyle::Horizontal, c}; }
  static constexpr Brush Hatched(HatchStyle h, Color c) { return {BrushStyle::Hatched, h, c}; }
  static constexpr Brush Hollow() { return {BrushStyle::Hollow, HatchStyle::Horizontal, kBlack}; }
  friend bool operator==(const Brush&, const Brush&) = default;
};

struct FontSpec {
  std::string face = "Arial";
  // Negative: the character height (without internal leading) in pixels; positive: the cell
  // height (ascent plus descent); 0: a default size.
  int height = -16;
  int weight = 400;  // 100 thin .. 400 normal .. 700 bold .. 900 black; 0 means normal
  bool italic = false;
  bool underline = false;
  int escapement = 0;  // text angle in tenths of a degree, counter-clockwise
  // The symbol character set: the text's byte codes are the symbol font's Greek and
  // mathematical characters.
  bool symbolCharset = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The tallest font drawn, in pixels: fonts from files and pasted pictures are brought within it
// (text sizes are squared on the way to the screen).
inline constexpr int kFontHeightLimit = 16384;

// The font as it can be drawn: the height within the limit either way (0 stays the default) and
// the escapement turned into one turn, -3599..3599 tenths of a degree.
inline FontSpec WithinFontLimits(FontSpec font) {
  font.height = static_cast<int>(std::clamp<std::int64_t>(font.height, -kFontHeightLimit, kFontHeightLimit));
  font.escapement = static_cast<int>(std::int64_t{font.escapement} % 3600);
  font.weight = std::clamp(font.weight, 0, 1000);
  return font;
}

// Text alignment: one horizontal and one vertical flag or-ed together (the reference point of
// TextOut is the text's left, right or centre and its top, bottom or baseline).
using TextAlign = unsigned;
inline constexpr TextAlign kAlignLeft = 0;
inline constexpr TextAlign kAlignRight = 2;
inline constexpr TextAlign kAlignCentre = 6;
inline constexpr TextAlign kAlignTop = 0;
inline constexpr TextAlign kAlignBottom = 8;
inline constexpr TextAlign kAlignBaseline = 24;
inline constexpr TextAlign kAlignHorizontalMask = 6;
inline constexpr TextAlign kAlignVerticalMask = 24;

// How drawn pixels combine with the pixels already there. XOR and not-XOR work on raster
// targets; vector targets draw plainly.
enum class RasterOp { Copy, Xor, NotXor };

// Opaque: text boxes, the gaps of dashed pens and of hatched brushes get the background colour.
enum class BackgroundMode { Opaque, Transparent };

enum class FillMode { Winding, Alternate };

struct DeviceCaps {
  int dpiX = 96;
  int dpiY = 96;
  int widthPixels = 0;
  int heightPixels = 0;
  int widthMm = 0;
  int heightMm = 0;
  // The printable area's offset from the paper's corner; 0 for screens and bitmaps.
  int physicalOffsetX = 0;
  int physicalOffsetY = 0;
  bool raster = true;
};

}  // namespace platform

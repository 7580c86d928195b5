#pragma once
// The block at the head of every figure file and every window settings file, and the body that
// follows it in a settings file. Both are plain records written and read field by field,
// little-endian, reals as their 10-byte x87 images.
//
// Common block (1102 bytes with 61 colours):
//   header, twenty i32: 0 file kind, 1 format version, 2-5 x, y, width, height, 6 maximised,
//     7 colours flag, 8 colour count n, 9 print scale x 100, 10 print width x 100, 11 left margin
//     x 100, 12 top margin x 100, 13 frame drawn, 14 colour printing, 15 the number 10,
//     16 the number 15, 17 and 18 the magic words, 19 block version
//   ten i32 point sizes, ten 60-byte font records, ten i32 font colours, four reserved 17-byte
//   blocks, fifteen u16 colour-role indices, n colours (0x00bbggrr)
// Settings body: six integer arrays (84 bytes each), six real arrays (210 bytes each) and six
// byte arrays (21 bytes each) in two sets of three of each kind (ints, reals, bytes), then the
// last figure file's name in a 256-byte field.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "kernel/byte_io.h"
#include "kernel/colour_table.h"
#include "kernel/font_records.h"
#include "kernel/real.h"
#include "kernel/small_records.h"
#include "shell/output_formats.h"

namespace view {

inline constexpr std::int32_t kFirstMagicWord = 19451947;
inline constexpr std::int32_t kSecondMagicWord = 19471945;
inline constexpr std::size_t kCommonHeaderBytes = 80;
inline constexpr std::size_t kCommonBlockBytes = 1102;
inline constexpr int kBlockRoleCount = 15;
inline constexpr int kReservedBlocks = 4;
inline constexpr std::size_t kReservedBlockBytes = 17;
// A print scale stored as 0 reads back as this (1 cm per unit).
inline constexpr kernel::Real kDefaultPrintScale = -1 / shell::kCentimetresPerInch;

struct CommonBlock {
  std::int32_t fileKind = 0;
  std::int32_t formatVersion = 1;
  kernel::WinPlacement placement;
  std::uint8_t colorsFlag = 1;
  // Print layout in inches: printed length of a world unit, picture width, left and top margin.
  kernel::Real printScale = kDefaultPrintScale;
  kernel::Real printWidth = 3.0;
  kernel::Real leftMargin = 1.0;
  kernel::Real topMargin = 1.0;
  std::uint8_t frame = 0;
  std::uint8_t colorPrinting = 0;
  std::int32_t blockVersion = 1;
  std::array<std::int32_t, kernel::kFontSlotCount> pointSizes{};
  std::array<kernel::FontRecord, kernel::kFontSlotCount> fonts{};
  std::array<kernel::ColorRef, kernel::kFontSlotCount> fontColors{};
  std::array<std::uint16_t, kBlockRoleCount> roles{};
  kernel::ColorArray colors{};
  // Read back: how many leading entries of colors the file gave (0 when its magic words were
  // wrong, so that its colours are not to be taken).
  int colorsRead = kernel::kColorCount;
};

// Always 61 colours.
void WriteCommonBlock(kernel::ByteWriter& out, const CommonBlock& block);

enum class BlockStatus {
  Read,
  OtherKind,  // the file belongs to another kind of window; only the header was read
  Damaged,    // short, or a font name without its end; block holds nothing usable
};

// Reads a block for a window whose file-kind number is expectedKind. A colour count above 61 is
// read whole and its surplus dropped; a count of 0 or less reads no colours.
BlockStatus ReadCommonBlock(kernel::ByteReader& in, std::int32_t expectedKind, CommonBlock& block);

inline constexpr int kSettingsArrayLength = 21;
inline constexpr int kSettingsArraysPerKind = 6;
inline constexpr std::size_t kIntArrayBytes = kSettingsArrayLength * 4;
inline constexpr std::size_t kRealArrayBytes = kSettingsArrayLength * kernel::kRealBytes;
inline constexpr std::size_t kByteArrayBytes = kSettingsArrayLength;
inline constexpr std::size_t kLastFileNameBytes = 256;
inline constexpr std::size_t kSettingsBodyBytes =
    2 * 3 * (kIntArrayBytes + kRealArrayBytes + kByteArrayBytes) + kLastFileNameBytes;

// Option values of the window layers, kept in the settings file. Integer array 0 starts with the
// animation delay, the count of saved values and the saved values themselves.
struct SettingsArrays {
  using Ints = std::array<std::int32_t, kSettingsArrayLength>;
  using Reals = std::array<kernel::Real, kSettingsArrayLength>;
  using Bytes = std::array<std::uint8_t, kSettingsArrayLength>;
  std::array<Ints, kSettingsArraysPerKind> ints{};
  std::array<Reals, kSettingsArraysPerKind> reals{};
  std::array<Bytes, kSettingsArraysPerKind> bytes{};
};

struct SettingsBody {
  SettingsArrays arrays;
  std::string lastFileName;  // cut to 255 characters in the file
};

void WriteSettingsBody(kernel::ByteWriter& out, const SettingsBody& body);
// Reads the body that follows a block of blockVersion: both sets of arrays, or only the first
// when blockVersion is 0 or less (the second set then keeps what body held). False for a short
// body or a name without its end.
bool ReadSettingsBody(kernel::ByteReader& in, std::int32_t blockVersion, SettingsBody& body);

}  // namespace view

#pragma once
// The blocks of a kites-and-darts (.kit) or rhombs (.rho) file that belong to the tiling: view and
// mode, flags, view, and the placement list. The file layers write the common block before them
// and the texts, pictures and notebook after them. A tiling is stored as its placement list and
// rebuilt from it on opening.
//
// Layout (little-endian, packed): a 40-byte block (u16 decimals, u16 mouse mode, i16 last
// placement index, i16 rotation, u16 0, i16 PiCTeX style, u16 extra print thickness, u16 colour
// mode, 24 zero bytes); a 20-byte block of flags (the five Ammann families, dotted bars, hide
// tiles, forced tiles, curves, compatibility, 10 zero bytes); a 100-byte view block (centre x,
// centre y, half width and zoom as 10-byte reals, 60 zero bytes); then the placement records of
// 9 bytes each (u16 edge, side, type, colour; u8 continued).

#include <array>
#include <cstdint>
#include <vector>

#include "kernel/byte_io.h"
#include "special/penrose_tiles.h"

namespace special {

inline constexpr int kPenroseModeBlockBytes = 40;
inline constexpr int kPenroseFlagsBlockBytes = 20;
inline constexpr int kPenroseViewBlockBytes = 100;

// The file kinds of the common block and the format version written.
inline constexpr std::uint16_t kKiteFileKind = 1945;
inline constexpr std::uint16_t kRhombFileKind = 1947;
inline constexpr std::uint16_t kPenroseFileVersion = 1;

struct PenroseFileBlocks {
  std::uint16_t decimals = 0;
  std::uint16_t mouseMode = 121;  // 121..124
  std::int16_t rotation = 0;
  std::int16_t pictexStyle = 0;
  std::uint16_t thickenPrint = 0;
  std::uint16_t colorMode = 0;  // 0 full colour, 1 grey tiles, 2 white tiles
  std::array<std::uint8_t, 5> ammannFamily{};
  std::uint8_t dottedBars = 1;
  std::uint8_t hideTiles = 0;
  std::uint8_t forcedTiles = 0;
  std::uint8_t curves = 0;
  std::uint8_t compatibility = 1;
  Real centreX = 0;
  Real centreY = 0;
  Real halfWidth = 5;
  Real zoom = 1;
  std::vector<TilePlacement> placements;  // records 0 .. the last placement index
};

void WritePenroseBlocks(kernel::ByteWriter& out, const PenroseFileBlocks& blocks);

// Reads the blocks into `blocks` (read into a fresh record: on failure its contents mean nothing).
// Returns 0, or 11 ("cannot open file") when the file ends early, the last placement index lies
// outside -1..5999, or the view is not a finite view with positive extent and zoom. A mouse mode
// or colour mode out of range reads as the default, a flag as 0 or 1, and a record's colour
// outside the colour table as its type's usual colour.
int ReadPenroseBlocks(kernel::ByteReader& in, PenroseFileBlocks& blocks);

// The tiling's part of the blocks: its rotation, flags and records 0 .. lastPlacement.
void CopyTilingToBlocks(const PenroseTiling& tiling, PenroseFileBlocks& blocks);

// Rebuilds the tiling from read blocks: a new tiling of the same mode and settings with the
// blocks' rotation, flags and placement list (the redo limit its last record) replaces the old
// one only when complete.
void BuildTilingFromBlocks(const PenroseFileBlocks& blocks, PenroseTiling& tiling);

}  // namespace special

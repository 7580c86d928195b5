#include "special/penrose_file.h"

#include <cmath>
#include <utility>

#include "kernel/colour_table.h"

namespace special {

namespace {

constexpr int kReadFailed = 11;

std::uint8_t Flag(std::uint8_t byte) { return byte != 0 ? 1 : 0; }

}  // namespace

void WritePenroseBlocks(kernel::ByteWriter& out, const PenroseFileBlocks& b) {
  out.U16(b.decimals);
  out.U16(b.mouseMode);
  out.I16(static_cast<std::int16_t>(static_cast<int>(b.placements.size()) - 1));
  out.I16(b.rotation);
  out.U16(0);
  out.I16(b.pictexStyle);
  out.U16(b.thickenPrint);
  out.U16(b.colorMode);
  out.Zeros(24);

  for (std::uint8_t f : b.ammannFamily) out.U8(f);
  out.U8(b.dottedBars);
  out.U8(b.hideTiles);
  out.U8(b.forcedTiles);
  out.U8(b.curves);
  out.U8(b.compatibility);
  out.Zeros(10);

  out.Real80(b.centreX);
  out.Real80(b.centreY);
  out.Real80(b.halfWidth);
  out.Real80(b.zoom);
  out.Zeros(60);

  for (const TilePlacement& r : b.placements) {
    out.U16(static_cast<std::uint16_t>(r.edge));
    out.U16(static_cast<std::uint16_t>(r.side));
    out.U16(static_cast<std::uint16_t>(r.type));
    out.U16(static_cast<std::uint16_t>(r.color));
    out.U8(r.continued);
  }
}

int ReadPenroseBlocks(kernel::ByteReader& in, PenroseFileBlocks& b) {
  b.decimals = in.U16();
  b.mouseMode = in.U16();
  const std::int16_t last = in.I16();
  b.rotation = in.I16();
  in.Skip(2);
  b.pictexStyle = in.I16();
  b.thickenPrint = in.U16();
  b.colorMode = in.U16();
  in.Skip(24);
  for (std::uint8_t& f : b.ammannFamily) f = Flag(in.U8());
  b.dottedBars = Flag(in.U8());
  b.hideTiles = Flag(in.U8());
  b.forcedTiles = Flag(in.U8());
  b.curves = Flag(in.U8());
  b.compatibility = Flag(in.U8());
  in.Skip(10);
  b.centreX = in.Real80();
  b.centreY = in.Real80();
  b.halfWidth = in.Real80();
  b.zoom = in.Real80();
  in.Skip(60);
  if (!in.ok() || last < -1 || last >= kPenroseCapacity) return kReadFailed;
  if (!std::isfinite(b.centreX) || !std::isfinite(b.centreY) || !std::isfinite(b.halfWidth) ||
      !std::isfinite(b.zoom) || !(b.halfWidth > 0) || !(b.zoom > 0)) {
    return kReadFailed;
  }
  const std::size_t count = static_cast<std::size_t>(last + 1);
  if (in.remaining() < count * kTilePlacementBytes) return kReadFailed;
  b.placements.assign(count, TilePlacement{});
  for (TilePlacement& r : b.placements) {
    r.edge = in.I16();
    r.side = in.I16();
    r.type = in.I16();
    r.color = in.I16();
    r.continued = Flag(in.U8());
    if (r.color < 0 || r.color >= kernel::kColorCount) r.color = r.type == 1 ? 7 : 8;
  }
  if (!in.ok()) return kReadFailed;
  if (b.mouseMode < 121 || b.mouseMode > 124) b.mouseMode = 121;
  if (b.colorMode > 2) b.colorMode = 0;
  return 0;
}

void CopyTilingToBlocks(const PenroseTiling& t, PenroseFileBlocks& b) {
  b.rotation = t.rotation;
  b.forcedTiles = t.forcedTiles ? 1 : 0;
  b.compatibility = t.compatibility ? 1 : 0;
  const std::size_t count = static_cast<std::size_t>(t.lastPlacement + 1);
  b.placements.assign(t.placements.begin(), t.placements.begin() + static_cast<std::ptrdiff_t>(count));
}

void BuildTilingFromBlocks(const PenroseFileBlocks& b, PenroseTiling& tiling) {
  PenroseTiling fresh(tiling.mode, tiling.capacity);
  fresh.kiteColor = tiling.kiteColor;
  fresh.dartColor = tiling.dartColor;
  fresh.vertexTolerance = tiling.vertexTolerance;
  fresh.forcedTiles = b.forcedTiles != 0;
  fresh.compatibility = b.compatibility != 0;
  fresh.placements = b.placements;
  fresh.lastPlacement = static_cast<std::int16_t>(static_cast<int>(b.placements.size()) - 1);
  ResetTiling(fresh, b.rotation);
  RebuildTiling(fresh);
  tiling = std::move(fresh);
}

}  // namespace special

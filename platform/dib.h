#pragma once
// Internal to platform/: device-independent bitmaps, as metafile records and BMP files hold them:
// a BITMAPINFOHEADER (with its palette or colour masks) and the rows of pixels.

#include <cstdint>
#include <optional>
#include <span>

#include "kernel/byte_io.h"
#include "platform/bitmap.h"

namespace platform {

struct DibImage {
  kernel::Bytes info;  // the 40-byte info header
  kernel::Bytes bits;  // 24-bit rows, bottom-up, each padded to 4 bytes
};

// The pixels of the area (which must lie inside the bitmap).
DibImage EncodeDib(const Bitmap& bitmap, const Rect& area);

// A top-down bitmap of the DIB's pixels: 1, 4, 8, 16, 24 or 32 bits, uncompressed or with colour
// masks; the palette of the smaller depths follows the info header. Anything that does not fit
// the given bytes, or that this reader does not know, gives nothing. With an area (in top-down
// pixels, inside the DIB), only its pixels are decoded, a row at a time, into a bitmap of its size.
std::optional<Bitmap> DecodeDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits,
                                const Rect* area = nullptr);

// The width and height of the DIB the info header describes, when this reader knows it.
std::optional<SizeI> DibSize(std::span<const std::uint8_t> info);

// Whether the DIB's rows are stored bottom-up (a positive height); false for malformed headers.
bool DibIsBottomUp(std::span<const std::uint8_t> info);

}  // namespace platform

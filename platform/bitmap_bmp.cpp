// BMP files of bitmaps: a BITMAPFILEHEADER (14 bytes) before a device-independent bitmap.
// Written as 24-bit bottom-up rows of blue, green, red, each padded to 4 bytes.
#include <span>

#include "kernel/file_bytes.h"
#include "platform/bitmap.h"
#include "platform/dib.h"

namespace platform {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS

}  // namespace

kernel::Bytes Bitmap::ToBmp() const {
  if (IsEmpty()) return {};
  const DibImage dib = EncodeDib(*this, {0, 0, width(), height()});
  const auto headers = static_cast<std::uint32_t>(kFileHeaderBytes + dib.info.size());
  kernel::ByteWriter out;
  out.U8('B');
  out.U8('M');
  out.U32(headers + static_cast<std::uint32_t>(dib.bits.size()));
  out.U16(0);
  out.U16(0);
  out.U32(headers);  // the pixels follow the headers
  out.Raw(dib.info);
  out.Raw(dib.bits);
  return out.Take();
}

std::optional<Bitmap> Bitmap::FromBmp(const kernel::Bytes& bytes) {
  kernel::ByteReader in(bytes);
  const std::uint8_t b = in.U8();
  const std::uint8_t m = in.U8();
  in.Skip(8);  // file size and reserved words, not trusted
  const std::uint32_t pixelOffset = in.U32();
  in.Skip(14);  // info header size, width, height, planes: checked with the rest of the DIB
  const std::uint16_t bitsPerPixel = in.U16();
  const std::uint32_t compression = in.U32();
  if (!in.ok() || b != 'B' || m != 'M') return std::nullopt;
  // Files take the layouts BMP files commonly have: 8-bit palettes, 24 bits, and 32 bits with
  // or without the usual colour masks.
  if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) return std::nullopt;
  if (compression == kBitFields) {
    kernel::ByteReader masks(bytes);
    masks.Skip(kFileHeaderBytes + kInfoHeaderBytes);
    const std::uint32_t red = masks.U32();
    const std::uint32_t green = masks.U32();
    const std::uint32_t blue = masks.U32();
    if (bitsPerPixel != 32 || !masks.ok() || red != 0x00FF0000 || green != 0x0000FF00 || blue != 0x000000FF) {
      return std::nullopt;
    }
  }
  if (pixelOffset < kFileHeaderBytes || pixelOffset > bytes.size()) return std::nullopt;
  const std::span<const std::uint8_t> all(bytes);
  return DecodeDib(all.subspan(kFileHeaderBytes, pixelOffset - kFileHeaderBytes), all.subspan(pixelOffset));
}

bool Bitmap::WriteBmpFile(const std::string& path) const {
  if (IsEmpty()) return false;
  return kernel::WriteFileAtomically(path, ToBmp());
}

std::optional<Bitmap> Bitmap::ReadBmpFile(const std::string& path) {
  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return FromBmp(*bytes);
}

}  // namespace platform

// BMP files of bitmaps: a BITMAPFILEHEADER (14 bytes) and a BITMAPINFOHEADER (40 bytes), then
// the rows. Written as 24-bit bottom-up rows of blue, green, red, each padded to 4 bytes.
#include <QImage>
#include <cstdlib>

#include "kernel/file_bytes.h"
#include "platform/bitmap.h"
#include "platform/bitmap_qt.h"

namespace platform {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kBitFields = 3;     // BI_BITFIELDS
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch

std::uint64_t RowStride(std::uint64_t width, std::uint64_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

}  // namespace

kernel::Bytes Bitmap::ToBmp() const {
  if (IsEmpty()) return {};
  const QImage& image = BitmapImage(*this);
  const auto w = static_cast<std::uint32_t>(width());
  const auto h = static_cast<std::uint32_t>(height());
  const auto stride = static_cast<std::uint32_t>(RowStride(w, 24));
  const std::uint32_t imageBytes = stride * h;

  kernel::ByteWriter out;
  out.U8('B');
  out.U8('M');
  out.U32(kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
  out.U16(0);
  out.U16(0);
  out.U32(kFileHeaderBytes + kInfoHeaderBytes);
  out.U32(kInfoHeaderBytes);
  out.I32(static_cast<std::int32_t>(w));
  out.I32(static_cast<std::int32_t>(h));  // positive: bottom-up
  out.U16(1);                              // planes
  out.U16(24);                             // bits per pixel
  out.U32(kUncompressed);
  out.U32(imageBytes);
  out.I32(kPixelsPerMetre);
  out.I32(kPixelsPerMetre);
  out.U32(0);  // colours used
  out.U32(0);  // important colours

  kernel::Bytes row(stride, 0);
  for (int y = height() - 1; y >= 0; --y) {
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (std::uint32_t x = 0; x < w; ++x) {
      row[3 * x] = static_cast<std::uint8_t>(qBlue(pixels[x]));
      row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(pixels[x]));
      row[3 * x + 2] = static_cast<std::uint8_t>(qRed(pixels[x]));
    }
    out.Raw(row);
  }
  return out.Take();
}

std::optional<Bitmap> Bitmap::FromBmp(const kernel::Bytes& bytes) {
  kernel::ByteReader in(bytes);
  const std::uint8_t b = in.U8();
  const std::uint8_t m = in.U8();
  in.Skip(8);  // file size and reserved words, not trusted
  const std::uint32_t pixelOffset = in.U32();
  const std::uint32_t infoBytes = in.U32();
  const std::int32_t width = in.I32();
  const std::int32_t height = in.I32();
  const std::uint16_t planes = in.U16();
  const std::uint16_t bitsPerPixel = in.U16();
  const std::uint32_t compression = in.U32();
  in.Skip(12);  // image size and resolution
  const std::uint32_t coloursUsed = in.U32();
  if (!in.ok() || b != 'B' || m != 'M' || infoBytes < kInfoHeaderBytes || planes != 1) {
    return std::nullopt;
  }
  if (width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) return std::nullopt;
  const bool bitFields = compression == kBitFields && bitsPerPixel == 32;
  if (compression != kUncompressed && !bitFields) return std::nullopt;
  if (bitFields) {
    // Only the usual layout: red, green and blue masks in the bytes after the info header.
    kernel::ByteReader masks(bytes);
    masks.Skip(kFileHeaderBytes + kInfoHeaderBytes);
    const std::uint32_t red = masks.U32();
    const std::uint32_t green = masks.U32();
    const std::uint32_t blue = masks.U32();
    if (!masks.ok() || red != 0x00FF0000 || green != 0x0000FF00 || blue != 0x000000FF) {
      return std::nullopt;
    }
  }

  // The palette of an 8-bit file follows the info header.
  std::vector<QRgb> palette;
  if (bitsPerPixel == 8) {
    const std::uint32_t count = coloursUsed == 0 ? 256 : coloursUsed;
    if (count > 256) return std::nullopt;
    kernel::ByteReader entries(bytes);
    if (!entries.Skip(kFileHeaderBytes + std::uint64_t{infoBytes})) return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t blue = entries.U8();
      const std::uint8_t green = entries.U8();
      const std::uint8_t red = entries.U8();
      entries.U8();
      palette.push_back(qRgb(red, green, blue));
    }
    if (!entries.ok()) return std::nullopt;
  }

  // Every row must be in the file before anything is allocated.
  const bool topDown = height < 0;
  const std::uint64_t rows = topDown ? -std::int64_t{height} : std::int64_t{height};
  const std::uint64_t stride = RowStride(static_cast<std::uint64_t>(width), bitsPerPixel);
  if (pixelOffset > bytes.size() || (bytes.size() - pixelOffset) / stride < rows) {
    return std::nullopt;
  }

  Bitmap bitmap(width, static_cast<int>(rows));
  if (bitmap.IsEmpty()) return std::nullopt;
  QImage& image = BitmapImage(bitmap);
  const std::size_t bytesPerPixel = bitsPerPixel / 8;
  for (std::uint64_t i = 0; i < rows; ++i) {
    const std::uint8_t* source = bytes.data() + pixelOffset + i * stride;
    const int y = static_cast<int>(topDown ? i : rows - 1 - i);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* pixel = source + x * bytesPerPixel;
      if (bitsPerPixel == 8) {
        if (pixel[0] >= palette.size()) return std::nullopt;
        target[x] = palette[pixel[0]];
      } else {
        target[x] = qRgb(pixel[2], pixel[1], pixel[0]);
      }
    }
  }
  return bitmap;
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

#include "platform/dib.h"

#include <bit>
#include <vector>

#include "platform/bitmap_qt.h"

namespace platform {
namespace {

constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kBitFields = 3;     // BI_BITFIELDS
constexpr std::int32_t kPixelsPerMetre = 3780;

std::uint64_t RowStride(std::uint64_t width, std::uint64_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

// One colour channel taken out of a pixel value by its mask and widened to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t maximum = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    maximum = m >> shift;
  }
  std::uint8_t Of(std::uint32_t value) const {
    if (maximum == 0) return 0;
    return static_cast<std::uint8_t>(std::uint64_t{(value & mask) >> shift} * 255 / maximum);
  }
};

}  // namespace

DibImage EncodeDib(const Bitmap& bitmap, const Rect& area) {
  const auto width = static_cast<std::uint32_t>(area.Width());
  const auto height = static_cast<std::uint32_t>(area.Height());
  const auto stride = static_cast<std::uint32_t>(RowStride(width, 24));
  DibImage dib;
  kernel::ByteWriter info;
  info.U32(kInfoHeaderBytes);
  info.I32(static_cast<std::int32_t>(width));
  info.I32(static_cast<std::int32_t>(height));  // positive: bottom-up
  info.U16(1);
  info.U16(24);
  info.U32(kUncompressed);
  info.U32(stride * height);
  info.I32(kPixelsPerMetre);
  info.I32(kPixelsPerMetre);
  info.U32(0);
  info.U32(0);
  dib.info = info.Take();

  dib.bits.assign(std::size_t{stride} * height, 0);
  for (std::uint32_t row = 0; row < height; ++row) {
    std::uint8_t* out = dib.bits.data() + std::size_t{row} * stride;
    const int y = area.bottom - 1 - static_cast<int>(row);
    for (std::uint32_t i = 0; i < width; ++i) {
      const Color c = bitmap.GetPixel(area.left + static_cast<int>(i), y).value_or(kWhite);
      out[3 * i] = c.b;
      out[3 * i + 1] = c.g;
      out[3 * i + 2] = c.r;
    }
  }
  return dib;
}

bool DibIsBottomUp(std::span<const std::uint8_t> info) {
  kernel::ByteReader in(info.data(), info.size());
  in.Skip(8);
  const std::int32_t height = in.I32();
  return in.ok() && height > 0;
}

namespace {

// Everything about a DIB but its rows, checked against the info header's bytes.
struct DibLayout {
  int width = 0;
  int height = 0;  // rows
  bool topDown = false;
  std::uint16_t depth = 0;
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};  // 16-bit pixels without masks: 5-5-5
  std::vector<Color> palette;
  std::uint64_t stride = 0;
};

std::optional<DibLayout> ReadLayout(std::span<const std::uint8_t> info) {
  kernel::ByteReader in(info.data(), info.size());
  const std::uint32_t headerBytes = in.U32();
  const std::int32_t width = in.I32();
  const std::int32_t height = in.I32();
  const std::uint16_t planes = in.U16();
  const std::uint16_t bitsPerPixel = in.U16();
  const std::uint32_t compression = in.U32();
  in.Skip(12);  // image size and resolution
  const std::uint32_t coloursUsed = in.U32();
  if (!in.ok() || headerBytes < kInfoHeaderBytes || headerBytes > info.size() || planes != 1) {
    return std::nullopt;
  }
  if (width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  DibLayout dib;
  dib.width = width;
  dib.topDown = height < 0;
  dib.height = dib.topDown ? -height : height;
  dib.depth = bitsPerPixel;
  const std::uint16_t depth = bitsPerPixel;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
    return std::nullopt;
  }
  const bool masked = compression == kBitFields && (depth == 16 || depth == 32);
  if (compression != kUncompressed && !masked) return std::nullopt;

  // Colour masks follow a 40-byte header (newer headers hold them in their own fields, at the
  // same place).
  if (depth == 32) {
    dib.masks[0] = 0x00FF0000;
    dib.masks[1] = 0x0000FF00;
    dib.masks[2] = 0x000000FF;
  }
  if (masked) {
    kernel::ByteReader m(info.data(), info.size());
    m.Skip(kInfoHeaderBytes);
    for (std::uint32_t& mask : dib.masks) mask = m.U32();
    if (!m.ok()) return std::nullopt;
  }
  if (depth <= 8) {
    const std::uint32_t full = 1u << depth;
    const std::uint32_t count = coloursUsed == 0 ? full : coloursUsed;
    if (count > full) return std::nullopt;
    kernel::ByteReader entries(info.data(), info.size());
    entries.Skip(headerBytes);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t b = entries.U8();
      const std::uint8_t g = entries.U8();
      const std::uint8_t r = entries.U8();
      entries.U8();
      dib.palette.push_back({r, g, b});
    }
    if (!entries.ok()) return std::nullopt;
  }
  dib.stride = RowStride(static_cast<std::uint64_t>(width), depth);
  if (dib.stride == 0) return std::nullopt;
  return dib;
}

}  // namespace

std::optional<SizeI> DibSize(std::span<const std::uint8_t> info) {
  const std::optional<DibLayout> dib = ReadLayout(info);
  if (!dib) return std::nullopt;
  return SizeI{dib->width, dib->height};
}

std::optional<Bitmap> DecodeDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits,
                                const Rect* wanted) {
  const std::optional<DibLayout> layout = ReadLayout(info);
  if (!layout) return std::nullopt;
  const DibLayout& dib = *layout;
  // Every row must be there before anything is allocated.
  if (bits.size() / dib.stride < static_cast<std::uint64_t>(dib.height)) return std::nullopt;
  const Rect whole{0, 0, dib.width, dib.height};
  const Rect area = wanted ? Intersect(*wanted, whole) : whole;
  if (area.IsEmpty()) return std::nullopt;
  const Channel red(dib.masks[0]), green(dib.masks[1]), blue(dib.masks[2]);
  const std::uint16_t depth = dib.depth;

  Bitmap bitmap(area.Width(), area.Height());
  if (bitmap.IsEmpty()) return std::nullopt;
  QImage& image = BitmapImage(bitmap);
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint64_t row = dib.topDown ? std::uint64_t(y) : std::uint64_t(dib.height - 1 - y);
    const std::uint8_t* source = bits.data() + row * dib.stride;
    auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(y - area.top));
    for (int x = area.left; x < area.right; ++x) {
      Color c;
      if (depth <= 8) {
        const std::size_t bitOffset = static_cast<std::size_t>(x) * depth;
        const std::uint8_t byte = source[bitOffset / 8];
        const unsigned index = (byte >> (8 - depth - bitOffset % 8)) & ((1u << depth) - 1);
        if (index >= dib.palette.size()) return std::nullopt;
        c = dib.palette[index];
      } else if (depth == 24) {
        const std::uint8_t* p = source + 3 * static_cast<std::size_t>(x);
        c = {p[2], p[1], p[0]};
      } else {
        const std::uint8_t* p = source + (depth / 8) * static_cast<std::size_t>(x);
        std::uint32_t value = p[0] | (std::uint32_t{p[1]} << 8);
        if (depth == 32) value |= (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
        c = {red.Of(value), green.Of(value), blue.Of(value)};
      }
      out[x - area.left] = 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
    }
  }
  return bitmap;
}

}  // namespace platform

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>

#include "kernel/byte_io.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "support/test_colours.h"

using namespace platform;

namespace {

using test_colours::kBlue;
using test_colours::kGreen;
using test_colours::kOdd;
using test_colours::kRed;

// 3 x 2: top row red, green, blue; bottom row white, black, (1, 2, 3).
Bitmap SmallBitmap() {
  Bitmap b(3, 2);
  b.SetPixel(0, 0, kRed);
  b.SetPixel(1, 0, kGreen);
  b.SetPixel(2, 0, kBlue);
  b.SetPixel(0, 1, kWhite);
  b.SetPixel(1, 1, kBlack);
  b.SetPixel(2, 1, kOdd);
  return b;
}

void ExpectSamePixels(const Bitmap& a, const Bitmap& b) {
  ASSERT_EQ(a.width(), b.width());
  ASSERT_EQ(a.height(), b.height());
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) EXPECT_EQ(a.GetPixel(x, y), b.GetPixel(x, y)) << x << "," << y;
}

// A BMP file built field by field, to feed the reader files it did not write.
kernel::Bytes HandMadeBmp(int width, int height, int bits, std::uint32_t compression,
                          const kernel::Bytes& palette, const kernel::Bytes& pixels) {
  kernel::ByteWriter w;
  const std::uint32_t offset = 54 + static_cast<std::uint32_t>(palette.size());
  w.U8('B');
  w.U8('M');
  w.U32(offset + static_cast<std::uint32_t>(pixels.size()));
  w.U32(0);
  w.U32(offset);
  w.U32(40);
  w.I32(width);
  w.I32(height);
  w.U16(1);
  w.U16(static_cast<std::uint16_t>(bits));
  w.U32(compression);
  w.U32(static_cast<std::uint32_t>(pixels.size()));
  w.I32(0);
  w.I32(0);
  w.U32(bits == 8 ? static_cast<std::uint32_t>(palette.size() / 4) : 0);
  w.U32(0);
  w.Raw(palette);
  w.Raw(pixels);
  return w.Take();
}

}  // namespace

TEST(Bitmap, BmpIsWrittenByteForByteWithRowsPaddedToFourBytes) {
  const kernel::Bytes bmp = SmallBitmap().ToBmp();
  const kernel::Bytes expected = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,     // file header: size 54 + 2 x 12, offset 54
      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,  // info header: 3 x 2, 1 plane, 24 bits
      0, 0, 0, 0, 24, 0, 0, 0,                           // uncompressed, 24 bytes of pixels
      0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0,                // 3780 pixels per metre (96 dpi)
      0, 0, 0, 0, 0, 0, 0, 0,                            // no palette
      255, 255, 255, 0, 0, 0, 3, 2, 1, 0, 0, 0,          // bottom row first, blue-green-red, 3 pad
      0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,          // then the top row
  };
  EXPECT_EQ(bmp, expected);
  const std::optional<Bitmap> back = Bitmap::FromBmp(bmp);
  ASSERT_TRUE(back.has_value());
  ExpectSamePixels(*back, SmallBitmap());
}

TEST(Bitmap, BmpFileRoundTrip) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kv_bitmap_test_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "picture.bmp").string();
  Bitmap picture(37, 5, kGreen);  // 37 x 3 = 111 bytes a row, padded to 112
  picture.SetPixel(36, 4, kOdd);
  ASSERT_TRUE(picture.WriteBmpFile(path));
  EXPECT_EQ(std::filesystem::file_size(path), 54u + 112u * 5u);
  const std::optional<Bitmap> back = Bitmap::ReadBmpFile(path);
  ASSERT_TRUE(back.has_value());
  ExpectSamePixels(*back, picture);
  EXPECT_FALSE(Bitmap::ReadBmpFile((dir / "missing.bmp").string()).has_value());
  EXPECT_FALSE(Bitmap().WriteBmpFile(path));
  std::filesystem::remove_all(dir);
}

TEST(Bitmap, ReaderAcceptsPaletteAndThirtyTwoBitFiles) {
  // 8-bit, 3 x 2 bottom-up, a palette of three colours; rows padded to 4 bytes.
  const kernel::Bytes palette = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};  // red, green, blue
  const kernel::Bytes indices = {1, 1, 1, 0, 0, 1, 2, 0};
  std::optional<Bitmap> b = Bitmap::FromBmp(HandMadeBmp(3, 2, 8, 0, palette, indices));
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->GetPixel(0, 0), kRed);
  EXPECT_EQ(b->GetPixel(2, 0), kBlue);
  EXPECT_EQ(b->GetPixel(0, 1), kGreen);

  // 32-bit top-down (negative height), blue-green-red-unused.
  const kernel::Bytes pixels = {255, 0, 0, 0, 0, 0, 255, 0, 3, 2, 1, 0, 0, 255, 0, 0};
  b = Bitmap::FromBmp(HandMadeBmp(2, -2, 32, 0, {}, pixels));
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->GetPixel(0, 0), kBlue);
  EXPECT_EQ(b->GetPixel(1, 0), kRed);
  EXPECT_EQ(b->GetPixel(0, 1), kOdd);
  EXPECT_EQ(b->GetPixel(1, 1), kGreen);

  // 32-bit with the usual colour masks.
  const kernel::Bytes masks = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
  kernel::Bytes withMasks = HandMadeBmp(2, -2, 32, 3, masks, pixels);
  b = Bitmap::FromBmp(withMasks);
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->GetPixel(1, 1), kGreen);
  withMasks[54] = 0xFF;  // an unusual red mask
  EXPECT_FALSE(Bitmap::FromBmp(withMasks).has_value());
}

TEST(Bitmap, MalformedBmpFilesAreRefused) {
  const kernel::Bytes good = SmallBitmap().ToBmp();
  ASSERT_TRUE(Bitmap::FromBmp(good).has_value());
  auto with = [&](std::size_t at, std::initializer_list<std::uint8_t> values) {
    kernel::Bytes bytes = good;
    for (std::uint8_t v : values) bytes[at++] = v;
    return bytes;
  };
  const kernel::Bytes palette = {0, 0, 255, 0};
  const struct {
    const char* what;
    kernel::Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"only the file header", kernel::Bytes(good.begin(), good.begin() + 14)},
      {"one byte short", kernel::Bytes(good.begin(), good.end() - 1)},
      {"wrong magic", with(0, {'B', 'N'})},
      {"pixel offset past the end", with(10, {0xFF, 0xFF, 0, 0})},
      {"small info header", with(14, {12, 0, 0, 0})},
      {"zero width", with(18, {0, 0, 0, 0})},
      {"negative width", with(18, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"zero height", with(22, {0, 0, 0, 0})},
      {"huge height", with(22, {0xFF, 0xFF, 0xFF, 0x7F})},
      {"two planes", with(26, {2, 0})},
      {"16 bits", with(28, {16, 0})},
      {"run-length compressed", with(30, {1, 0, 0, 0})},
      {"palette index past the palette", HandMadeBmp(1, 1, 8, 0, palette, {1, 0, 0, 0})},
      {"palette of 300 colours", [&] {
         kernel::Bytes b = HandMadeBmp(1, 1, 8, 0, palette, {0, 0, 0, 0});
         b[46] = 0x2C, b[47] = 0x01;
         return b;
       }()},
  };
  for (const auto& c : cases) EXPECT_FALSE(Bitmap::FromBmp(c.bytes).has_value()) << c.what;
}

TEST(Bitmap, CopiesAreIndependentAndEmptySizesGiveEmptyBitmaps) {
  Bitmap original(4, 4, kRed);
  Bitmap copy = original;
  copy.SetPixel(0, 0, kBlue);
  EXPECT_EQ(original.GetPixel(0, 0), kRed);
  Bitmap moved = std::move(copy);
  EXPECT_EQ(moved.GetPixel(0, 0), kBlue);
  EXPECT_EQ(original.GetPixel(4, 0), std::nullopt);
  original.SetPixel(-1, 0, kBlue);  // ignored
  for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 4}}) {
    const Bitmap empty(w, h);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(empty.ToBmp().empty());
  }
  EXPECT_EQ(Bitmap().CreateDC(), nullptr);
}

TEST(Bitmap, BlitsToAndFromDeviceContexts) {
  const Bitmap source = SmallBitmap();
  Bitmap target(8, 8);
  {
    std::unique_ptr<DC> dc = target.CreateDC();
    // The source's right column at (5, 5), then cut by the target's edge at (7, 7).
    dc->DrawBitmap({5, 5, 6, 7}, source, {2, 0}, RasterOp::Copy);
    dc->DrawBitmap({6, 6, 10, 10}, source, {0, 0}, RasterOp::Copy);
    EXPECT_EQ(dc->GetPixel({5, 5}), kBlue);
    EXPECT_EQ(dc->GetPixel({5, 6}), kOdd);
    EXPECT_EQ(dc->GetPixel({6, 6}), kRed);
    EXPECT_EQ(dc->GetPixel({7, 7}), kBlack);
    EXPECT_EQ(dc->GetPixel({6, 5}), kWhite);

    // Reading back from the same context, partly outside it, while it is open.
    Bitmap grab(3, 3, kBlack);
    ASSERT_TRUE(grab.CopyFrom(*dc, {5, 5, 9, 9}, {0, 0}));
    EXPECT_EQ(grab.GetPixel(0, 0), kBlue);
    EXPECT_EQ(grab.GetPixel(1, 0), kWhite);
    EXPECT_EQ(grab.GetPixel(1, 1), kRed);
    EXPECT_EQ(grab.GetPixel(2, 2), kBlack);
    Bitmap shifted(3, 3, kBlack);
    ASSERT_TRUE(shifted.CopyFrom(*dc, {5, 5, 7, 7}, {2, 2}));
    EXPECT_EQ(shifted.GetPixel(2, 2), kBlue);
    EXPECT_EQ(shifted.GetPixel(1, 1), kBlack);

    // A bitmap blitted onto itself.
    dc->DrawBitmap({0, 0, 2, 2}, target, {5, 5}, RasterOp::Copy);
    EXPECT_EQ(dc->GetPixel({0, 0}), kBlue);
  }
  Bitmap copy = target;
  EXPECT_EQ(copy.GetPixel(0, 0), kBlue);
}

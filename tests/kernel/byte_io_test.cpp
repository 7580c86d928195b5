#include <gtest/gtest.h>

#include <cmath>

#include <unistd.h>

#include <filesystem>
#include <type_traits>

#include "kernel/byte_io.h"
#include "kernel/file_bytes.h"
#include "kernel/number_text.h"

using namespace kernel;

TEST(ByteIo, LittleEndianIntegersRealsAndTextsRoundTrip) {
  ByteWriter w;
  w.U16(0x1234);
  w.I32(-2);
  w.Real80(static_cast<Real>(1.5));
  w.FixedText("abc", 5);
  w.FixedText("toolong", 3);
  const Bytes expected_head = {0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF};
  ASSERT_EQ(w.size(), 6u + 10u + 5u + 3u);
  EXPECT_TRUE(std::equal(expected_head.begin(), expected_head.end(), w.bytes().begin()));
  // 1.5 = mantissa C000000000000000, exponent 3FFF
  EXPECT_EQ(w.bytes()[6 + 7], 0xC0);
  EXPECT_EQ(w.bytes()[6 + 8], 0xFF);
  EXPECT_EQ(w.bytes()[6 + 9], 0x3F);

  ByteReader r(w.bytes());
  EXPECT_EQ(r.U16(), 0x1234);
  EXPECT_EQ(r.I32(), -2);
  EXPECT_EQ(r.Real80(), static_cast<Real>(1.5));
  EXPECT_EQ(r.FixedText(5), "abc");
  EXPECT_EQ(r.FixedText(3), "too");
  EXPECT_TRUE(r.ok());
  EXPECT_TRUE(r.AtEnd());
}

// A reader points into its bytes: one made from a temporary buffer would read freed memory, so it
// must not compile. Named buffers (and writers' buffers) are fine.
static_assert(std::is_constructible_v<ByteReader, const Bytes&>);
static_assert(std::is_constructible_v<ByteReader, Bytes&>);
static_assert(!std::is_constructible_v<ByteReader, Bytes>);
static_assert(!std::is_constructible_v<ByteReader, Bytes&&>);
static_assert(!std::is_constructible_v<ByteReader, const Bytes&&>);

TEST(ByteIo, APseudoDenormalReadsAsTheValueTheArithmeticSees) {
  // Exponent field 0 with the integer bit set: the arithmetic unit takes it as exponent 1.
  for (const std::uint8_t sign : {0x00, 0x80}) {
    std::uint8_t image[kernel::kRealBytes] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, sign};
    const kernel::Real v = kernel::RealFromBytes(image);
    const kernel::Real expected = std::ldexp(static_cast<kernel::Real>(0xFFFFFFFFFFFFFFFFULL), -16382 - 63);
    EXPECT_EQ(v, sign ? -expected : expected);
    // The text of the number reads back as the number.
    EXPECT_EQ(kernel::StrToLD(kernel::FormatSci(v, 25, false)), v);
  }
  // A denormal proper (integer bit clear) stays as it is.
  const std::uint8_t denormal[kernel::kRealBytes] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(kernel::RealFromBytes(denormal), std::ldexp(static_cast<kernel::Real>(1), -16445));
}

TEST(ByteIo, ReadingPastTheEndFailsAndStaysFailed) {
  const Bytes bytes = {1, 2, 3};
  ByteReader r(bytes);
  EXPECT_EQ(r.U16(), 0x0201);
  EXPECT_EQ(r.U32(), 0u);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.U8(), 0);  // even though one byte remains
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(FileBytes, AtomicWriteReplacesOnlyOnSuccess) {
  const auto folder = std::filesystem::temp_directory_path() / ("kv_file_bytes_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "fig.bin").string();
  ASSERT_TRUE(WriteFileAtomically(path, {1, 2, 3}));
  EXPECT_EQ(*ReadFileBytes(path), (Bytes{1, 2, 3}));
  // A folder in the way of the target: the write fails and nothing is left behind.
  const std::string blocked = (folder / "sub").string();
  std::filesystem::create_directories(folder / "sub" / "x");
  EXPECT_FALSE(WriteFileAtomically(blocked, {9}));
  EXPECT_FALSE(std::filesystem::exists(blocked + ".kvtmp"));
  EXPECT_FALSE(ReadFileBytes((folder / "missing").string()).has_value());
  std::filesystem::remove_all(folder);
}

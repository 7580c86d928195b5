// 10-byte reals written as text and read back, as the figure texts and the numeric fields do. Input:
// byte 0 the decimals of a fixed-point text (modulo 40); bytes 3-12 the real. A real the arithmetic
// unit takes as a finite number reads back from its 21-digit text as the same number, and a small
// one that the automatic text does not count as zero (below e^-5000) does not read back as zero.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_support.h"
#include "kernel/byte_io.h"
#include "kernel/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3 + kernel::kRealBytes) return 0;
  const kernel::Real x = kernel::RealFromBytes(data + 3);
  kernel::FormatLD(x, 0, data[0] % 40);
  kernel::FormatLDAuto(x, data[0] % 40);
  kernel::FormatSci(x, data[0] % 40, (data[1] & 1) != 0);
  // Finite as the arithmetic unit sees it (the library's classification may call a pseudo-denormal
  // something else).
  if (!(x - x == 0)) return 0;
  const std::string text = kernel::FormatSci(x, 20, false);
  kvfuzz::Require(kernel::StrToLD(text) == x, "a real written as text reads back as another number");
  const kernel::Real a = x < 0 ? -x : x;
  if (a >= 1e-2000L && a <= 0.1L)
    kvfuzz::Require(kernel::StrToLD(kernel::FormatLDAuto(x, data[0] % 20)) != 0, "a small real reads back as zero");
  return 0;
}

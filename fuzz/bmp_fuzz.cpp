// BMP files (background bitmaps, pasted pictures): anything malformed gives nothing; a file that is
// read writes a BMP that reads and writes again to the same bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "platform/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvfuzz::StartApplication();
  const std::optional<platform::Bitmap> bitmap = platform::Bitmap::FromBmp(kvfuzz::ToBytes(data, size));
  if (!bitmap) return 0;
  const kernel::Bytes first = bitmap->ToBmp();
  const std::optional<platform::Bitmap> again = platform::Bitmap::FromBmp(first);
  kvfuzz::Require(again.has_value(), "a written BMP is not read back");
  kvfuzz::Require(again->ToBmp() == first, "a BMP read and written twice gives other bytes");
  return 0;
}

// File > Open of a 2-D figure file on a plane window that holds a figure: a refused file leaves the
// figure as it was; an accepted one paints, replays, saves and opens again to the same bytes.
// The file's kind word picks the Euclidean or the hyperbolic window.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "fuzz/support/window_files.h"
#include "view/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kernel::Bytes input = kvfuzz::ToBytes(data, size);
  const bool hyperbolic = size >= 2 && (data[0] | data[1] << 8) == view::kHyperbolicFileKind;
  const std::uint8_t plane = hyperbolic ? 1 : 0;
  kvfuzz::CheckFileOpen(kvfuzz::PlaneWindowOf(plane), kvfuzz::PlaneBaseFile(plane), input, hyperbolic ? ".kvh" : ".kv2");
  return 0;
}

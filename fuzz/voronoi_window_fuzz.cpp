// File > Open of a .vor file on a Voronoi window that holds sites: a refused file leaves them as
// they were; an accepted one paints its cells, saves and opens again to the same bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "fuzz/support/window_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvfuzz::CheckFileOpen(kvfuzz::VoronoiWindow(), kvfuzz::VoronoiBaseFile(), kvfuzz::ToBytes(data, size), ".vor");
  return 0;
}

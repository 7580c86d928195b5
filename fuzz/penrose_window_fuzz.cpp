// File > Open of a .kit or .rho file on a Penrose window that holds a tiling and a text: a refused
// file leaves the tiling, texts and colours as they were; an accepted one paints, saves and opens
// again to the same bytes. The file's kind word picks the kites-and-darts or the rhombs window.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "fuzz/support/window_files.h"
#include "view/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kernel::Bytes input = kvfuzz::ToBytes(data, size);
  const bool rhombs = size >= 2 && (data[0] | data[1] << 8) == view::kRhombFileKind;
  const std::uint8_t kind = rhombs ? 1 : 0;
  kvfuzz::CheckFileOpen(kvfuzz::PenroseWindowOf(kind), kvfuzz::PenroseBaseFile(kind), input, rhombs ? ".rho" : ".kit");
  return 0;
}

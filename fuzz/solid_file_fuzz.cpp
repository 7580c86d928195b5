// The 3-D figure file read without a window: no input reads past its bytes or misbehaves, its
// steps are repaired without harm; a file that is read, written and read again writes the same
// bytes the second time.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "kernel/byte_io.h"
#include "solid/loaded_step_repair.h"
#include "solid/solid_figure_file.h"
#include "view/settings_files.h"

namespace {

kernel::Bytes Written(const solid::SolidFigureFile& file) {
  kernel::ByteWriter out;
  solid::WriteSolidFigureFile(out, view::kSolidFileKind, file);
  return out.Take();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kernel::Bytes input = kvfuzz::ToBytes(data, size);
  solid::SolidFigureFile file;
  kernel::ByteReader in(input);
  if (solid::ReadSolidFigureFile(in, view::kSolidFileKind, 0, file) != 0) return 0;
  solid::RepairLoadedSteps(file.history);
  const kernel::Bytes first = Written(file);
  solid::SolidFigureFile again;
  kernel::ByteReader reread(first);
  kvfuzz::Require(solid::ReadSolidFigureFile(reread, view::kSolidFileKind, 0, again) == 0,
                  "a written file is not read back");
  kvfuzz::Require(Written(again) == first, "a file read and written twice gives other bytes");
  return 0;
}

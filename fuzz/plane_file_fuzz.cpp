// The 2-D figure file read without a window: no input reads past its bytes or misbehaves; a file
// that is read, written and read again writes the same bytes the second time.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "kernel/byte_io.h"
#include "plane/plane_figure_file.h"
#include "view/settings_files.h"

namespace {

kernel::Bytes Written(std::int32_t kind, const plane::PlaneFigureFile& file) {
  kernel::ByteWriter out;
  if (!plane::WritePlaneFigureFile(out, kind, file)) return {};
  return out.Take();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kernel::Bytes input = kvfuzz::ToBytes(data, size);
  for (const std::int32_t kind : {view::kPlaneFileKind, view::kHyperbolicFileKind}) {
    plane::PlaneFigureFile file;
    kernel::ByteReader in(input);
    if (plane::ReadPlaneFigureFile(in, kind, 1, file) != 0) continue;
    const kernel::Bytes first = Written(kind, file);
    if (first.empty()) continue;  // an equation whose texts do not fit their field
    plane::PlaneFigureFile again;
    kernel::ByteReader reread(first);
    kvfuzz::Require(plane::ReadPlaneFigureFile(reread, kind, 1, again) == 0, "a written file is not read back");
    kvfuzz::Require(Written(kind, again) == first, "a file read and written twice gives other bytes");
  }
  return 0;
}

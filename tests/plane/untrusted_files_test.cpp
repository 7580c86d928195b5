// Files that once made the 2-D figure reader misbehave. Each is read without a window; a refused
// one is refused cleanly, and an accepted one is written, read again and written again with the
// very bytes of the first save.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "plane/plane_figure_file.h"
#include "support/source_paths.h"
#include "view/settings_files.h"

namespace {

kernel::Bytes UntrustedInput(const std::string& name) {
  std::ifstream in(test_support::SourceRoot() + "/tests/plane/data/untrusted/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return kernel::Bytes(std::istreambuf_iterator<char>(in), {});
}

int ReadUntrusted(const kernel::Bytes& bytes, plane::PlaneFigureFile& file) {
  kernel::ByteReader in(bytes);
  return plane::ReadPlaneFigureFile(in, view::kPlaneFileKind, 0, file);
}

kernel::Bytes WriteUntrusted(const plane::PlaneFigureFile& file) {
  kernel::ByteWriter out;
  EXPECT_TRUE(plane::WritePlaneFigureFile(out, view::kPlaneFileKind, file));
  return out.Take();
}

TEST(UntrustedPlaneFile, EachInputIsRefusedOrSavesTheSameBytesTwice) {
  const struct {
    const char* name;
    int result;
  } cases[] = {
      {"picture-of-size-0-memcpy-null", 11},  // an empty picture is no metafile
      {"v40-graph-trace-number-not-reset", 0},
      {"huge-point-no-saved-view-nan-axes.kv2", 0},
      {"slider-panels-stay-open-after-next-file", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    plane::PlaneFigureFile file;
    ASSERT_EQ(ReadUntrusted(UntrustedInput(c.name), file), c.result);
    if (c.result != 0) continue;
    const kernel::Bytes first = WriteUntrusted(file);
    plane::PlaneFigureFile again;
    ASSERT_EQ(ReadUntrusted(first, again), 0);
    EXPECT_EQ(WriteUntrusted(again), first);
  }
}

}  // namespace

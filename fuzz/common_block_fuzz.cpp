// The common block at the head of every figure and settings file, and the settings body after it:
// no input reads past its bytes; a block and body that are read write bytes that read back to the
// same block and body.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "kernel/byte_io.h"
#include "view/common_block.h"

namespace {

// As the windows write them: the body always has both sets of arrays, so the block says version 1
// at least.
kernel::Bytes Written(view::CommonBlock block, const view::SettingsBody& body) {
  if (block.blockVersion < 1) block.blockVersion = 1;
  kernel::ByteWriter out;
  view::WriteCommonBlock(out, block);
  view::WriteSettingsBody(out, body);
  return out.Take();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kernel::Bytes input = kvfuzz::ToBytes(data, size);
  // The kind the block names, so that a well-formed block is read whole.
  const std::int32_t kind = size >= 4 ? static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                                   static_cast<std::uint32_t>(data[3]) << 24)
                                      : 625;
  view::CommonBlock block;
  view::SettingsBody body;
  kernel::ByteReader in(input);
  if (view::ReadCommonBlock(in, kind, block) != view::BlockStatus::Read) return 0;
  if (!view::ReadSettingsBody(in, block.blockVersion, body)) return 0;
  const kernel::Bytes first = Written(block, body);
  view::CommonBlock again;
  view::SettingsBody againBody;
  kernel::ByteReader reread(first);
  kvfuzz::Require(view::ReadCommonBlock(reread, kind, again) == view::BlockStatus::Read, "a written block is not read back");
  kvfuzz::Require(view::ReadSettingsBody(reread, again.blockVersion, againBody), "a written body is not read back");
  kvfuzz::Require(Written(again, againBody) == first, "a block read and written twice gives other bytes");
  return 0;
}

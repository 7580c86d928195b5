// Enhanced metafiles as the clipboard, a figure file or an .emf file hands them over: the player
// refuses what is malformed and plays the rest onto a bitmap; the bytes of a metafile it took read
// again to the same header.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/metafile_player.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvfuzz::StartApplication();
  const platform::MetafileRead read = platform::MetafilePlayer::Read(kvfuzz::ToBytes(data, size));
  if (!read.player) return 0;
  const platform::MetafilePlayer& player = *read.player;
  platform::Bitmap bitmap(96, 64);
  {
    const auto dc = bitmap.CreateDC();
    player.Play(*dc, {0, 0, 96, 64});
  }
  const platform::MetafileRead again = platform::MetafilePlayer::Read(player.bytes());
  kvfuzz::Require(again.player.has_value(), "the bytes of a metafile taken are refused");
  kvfuzz::Require(again.player->bytes() == player.bytes() && again.player->header().records == player.header().records,
                  "a metafile taken reads again to another one");
  return 0;
}

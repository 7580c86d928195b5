// Text pasted onto a plane window that holds a figure, as points (Point > Paste coordinates) and
// into the table: whatever the text, the figure then saves and opens again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/object_list_text.h"
#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "fuzz/support/window_files.h"
#include "platform/scripted_responder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  plane::TGeom2Win& w = kvfuzz::PlaneWindowOf(0);
  kvfuzz::Require(kvfuzz::OpenBase(w, kvfuzz::PlaneBaseFile(0)), "the base figure does not open");
  engine::PastedNumbers(text);
  {
    platform::ScriptedResponder script;
    w.ImportPointsText(text);
    w.AppendTableText(text);
  }
  w.UpdateClientArea();
  const kernel::Bytes first = kvfuzz::SavedBytes(w, "pasted.kv2");
  kvfuzz::Require(!first.empty(), "a figure with pasted text does not save");
  kvfuzz::Require(kvfuzz::OpenBase(w, kvfuzz::ScratchPath("pasted.kv2")), "a figure with pasted text does not open");
  kvfuzz::Require(kvfuzz::SavedBytes(w, "pasted.kv2") == first, "a figure with pasted text saves to other bytes");
  return 0;
}

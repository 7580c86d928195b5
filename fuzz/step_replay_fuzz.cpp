// The replay of hostile steps as a figure file's history holds them, on a plane window. Input: byte
// 0 bit 0 picks the hyperbolic window; bytes 1-80 the x, y of four free points (10-byte reals);
// then 278-byte step records. The replay and a paint must end, and end soundly, whatever the steps.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "kernel/byte_io.h"
#include "kernel/construction_record.h"
#include "platform/scripted_responder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 81) return 0;
  const kernel::Bytes input = kvfuzz::ToBytes(data, size);
  kernel::ByteReader in(input);
  const std::uint8_t hyperbolic = in.U8() & 1;
  plane::TGeom2Win& w = kvfuzz::PlaneWindowOf(hyperbolic);
  kvfuzz::DeliverPendingEvents();
  platform::ScriptedResponder script;
  w.ClearFigure();
  for (int i = 0; i < 4; ++i) {
    const kernel::Real x = in.Real80();
    const kernel::Real y = in.Real80();
    kvfuzz::AddFreePoint(w, x, y);
  }
  while (const auto record = kernel::ReadConstructionRecord(in)) w.history().steps.push_back(*record);
  w.ReplayConstruction(true);
  w.UpdateClientArea();
  return 0;
}

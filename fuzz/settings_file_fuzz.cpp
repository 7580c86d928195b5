// The plane window's settings file: a file the window refuses changes none of its settings (what it
// writes is what it wrote before); a file it takes is written back and, read again, written to the
// same bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "kernel/file_bytes.h"
#include "platform/scripted_responder.h"

namespace {

kernel::Bytes WrittenSettings(plane::TGeom2Win& w) {
  w.qelWin.writeSettings = 1;
  kvfuzz::Require(w.WriteSettings(), "the settings file cannot be written");
  w.qelWin.writeSettings = 0;
  return kvfuzz::ReadWholeFile(w.SettingsPath());
}

bool ReadSettingsFrom(plane::TGeom2Win& w, const kernel::Bytes& bytes) {
  kvfuzz::Require(kernel::WriteFileAtomically(w.SettingsPath(), bytes), "the settings file cannot be written");
  platform::ScriptedResponder script;  // a damaged file is reported
  w.readSettings = 1;
  return w.ReadSettings();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plane::TGeom2Win& w = kvfuzz::PlaneWindowOf(0);
  static const kernel::Bytes base = WrittenSettings(w);
  kvfuzz::Require(ReadSettingsFrom(w, base), "the window's own settings file is refused");
  const kernel::Bytes before = WrittenSettings(w);
  if (!ReadSettingsFrom(w, kvfuzz::ToBytes(data, size))) {
    kvfuzz::Require(WrittenSettings(w) == before, "a refused settings file changed the settings");
    return 0;
  }
  const kernel::Bytes first = WrittenSettings(w);
  kvfuzz::Require(ReadSettingsFrom(w, first), "written settings are refused");
  kvfuzz::Require(WrittenSettings(w) == first, "settings read and written twice give other bytes");
  return 0;
}

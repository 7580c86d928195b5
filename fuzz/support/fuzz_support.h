#pragma once
// What the fuzz targets share: a scratch folder of the process (also its settings and runtime
// folders, so no target reads the user's settings), the headless application the window targets
// need, files in the scratch folder, and the check that ends the run when a property fails.

#include <cstddef>
#include <cstdint>
#include <string>

#include "kernel/byte_io.h"

namespace kvfuzz {

// The process's own folder, made (and the settings and runtime folders pointed into it) on the
// first call.
const std::string& ScratchFolder();
std::string ScratchPath(const std::string& name);

// The headless application, started on the first call.
void StartApplication();

// Delivers the events the input before left behind (deferred deletions, repaints), as the
// program's event loop does between two commands; without it they gather from input to input.
void DeliverPendingEvents();

// Writes the bytes to the file of the scratch folder; its path.
std::string WriteScratchFile(const std::string& name, const kernel::Bytes& bytes);
kernel::Bytes ReadWholeFile(const std::string& path);

inline kernel::Bytes ToBytes(const std::uint8_t* data, std::size_t size) {
  return data == nullptr ? kernel::Bytes{} : kernel::Bytes(data, data + size);
}

// A property of the reader that failed: says which and aborts, so the fuzzer keeps the input.
[[noreturn]] void Fail(const char* what);
inline void Require(bool ok, const char* what) {
  if (!ok) Fail(what);
}

}  // namespace kvfuzz

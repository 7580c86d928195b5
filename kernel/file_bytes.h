#pragma once
// Whole files as bytes. Writing goes to a temporary file in the same folder that is renamed over
// the target only when everything was written, so a failed save never destroys the old file.

#include <optional>
#include <string>

#include "kernel/byte_io.h"

namespace kernel {

std::optional<Bytes> ReadFileBytes(const std::string& path);
bool WriteFileAtomically(const std::string& path, const Bytes& bytes);

}  // namespace kernel

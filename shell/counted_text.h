#pragma once
// Texts in files: a u16 length that counts the terminating NUL, then the bytes with the NUL.

#include <string>
#include <string_view>

#include "kernel/byte_io.h"

namespace shell {

// Writes text up to its first NUL.
void WriteCountedText(kernel::ByteWriter& out, std::string_view text);

// Reads one text into buffer, which holds at most capacity - 1 characters (C buffers of capacity
// bytes): the rest of a longer text is skipped, and the text ends at its first NUL. A length of 0
// reads nothing and leaves buffer as it was. False when the length runs past the end of the file.
bool ReadCountedText(kernel::ByteReader& in, std::string& buffer, int capacity);

}  // namespace shell

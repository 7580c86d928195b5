#pragma once
// The history piece of a figure file: a signed 16-bit count, then each step as its 278-byte
// record image.

#include <deque>

#include "kernel/byte_io.h"
#include "kernel/construction_record.h"

namespace engine {

void WriteHistory(kernel::ByteWriter& writer, const std::deque<kernel::ConstructionRecord>& steps);

// Reads the piece into steps (which the caller passes empty and swaps in on success), numbering
// the steps 0, 1, 2 ... in file order. 0 when read; 6 ("inconsistent data") when the piece ends
// early; 1 ("cannot understand") when a step's operands do not fit its kind. A count of 0 or
// below is an empty history.
int ReadHistory(kernel::ByteReader& reader, std::deque<kernel::ConstructionRecord>& steps);

// Numbers the steps 0, 1, 2 ... in order.
void RenumberHistory(std::deque<kernel::ConstructionRecord>& steps);

}  // namespace engine

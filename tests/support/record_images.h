#pragma once
// Test fixtures for the byte images of records: golden images are built by putting bytes at
// offsets, and compared with what a record's writer makes.

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "kernel/byte_io.h"

inline void Put(kernel::Bytes& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) image[offset++] = b;
}

// The bytes `write` makes of the record.
template <class Record, class Writer>
kernel::Bytes ImageOf(const Record& record, Writer write) {
  kernel::ByteWriter writer;
  write(writer, record);
  return writer.Take();
}

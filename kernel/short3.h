#pragma once
// Three 16-bit words in order: a triple of point numbers, or the options of a face-list item.

#include <cstdint>

namespace kernel {

struct Short3 {
  std::uint16_t a = 0;
  std::uint16_t b = 0;
  std::uint16_t c = 0;
};

}  // namespace kernel

#pragma once
// The fields of a 65-byte conic definition of the two plane curve lists (by two foci and an
// eccentricity, by three points): three point indices, the style word, the shape code, the
// parameter text and its value.

#include <array>
#include <cstdint>
#include <string>

#include "kernel/real.h"
#include "plane/plane_file_pieces.h"

namespace plane {

struct ConicDefinitionFields {
  std::array<std::uint16_t, 3> points{};
  std::uint16_t style = 0;
  std::uint16_t shape = 0;  // 4 in the two-foci list; 0, 1 or 2 in the three-point list
  std::string text;         // the parameter's expression
  kernel::Real value = 0;   // its value when last evaluated
};

ConicDefinitionFields DecodeConicDefinition(const ConicDefinition& record);

}  // namespace plane

#pragma once
// Small plain records shared by the drawing, export, label and face code.

#include <cstdint>

#include "kernel/real.h"

namespace kernel {

// A box of the plane; a point on the boundary counts as inside.
struct Box2 {
  Real xmin = 0;
  Real xmax = 0;
  Real ymin = 0;
  Real ymax = 0;
};

// Pen of the vector-graphics export: a colour value, then two attribute words.
struct PenRec {
  std::uint32_t colour = 0;
  std::uint16_t first = 0;
  std::uint16_t second = 0;
};

// Three 16-bit words, in order (label triples, construction operands, face style words).
struct Short3 {
  std::uint16_t a = 0;
  std::uint16_t b = 0;
  std::uint16_t c = 0;
};

}  // namespace kernel

#pragma once
// Test fixtures: the coefficients (x^2, xy, y^2, x, y, 1) of sum w (p x + q y + r)^2 + constant,
// expanded independently of the kernel, to build conics of known shape.

#include <array>
#include <initializer_list>

#include "kernel/real.h"

struct LinearForm {
  kernel::Real p, q, r, weight;
};

inline std::array<kernel::Real, 6> SumOfSquares(std::initializer_list<LinearForm> forms, kernel::Real constant) {
  std::array<kernel::Real, 6> k{0, 0, 0, 0, 0, constant};
  for (const LinearForm& f : forms) {
    k[0] += f.weight * f.p * f.p;
    k[1] += f.weight * 2 * f.p * f.q;
    k[2] += f.weight * f.q * f.q;
    k[3] += f.weight * 2 * f.p * f.r;
    k[4] += f.weight * 2 * f.q * f.r;
    k[5] += f.weight * f.r * f.r;
  }
  return k;
}

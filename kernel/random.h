#pragma once
// The program's one source of random numbers: 31-bit values like the C library's rand().
// The program seeds it once from the clock at start-up; tests seed it to get a known sequence.
// It is meant for the user-interface thread only.

#include <cstdint>

#include "kernel/real.h"

namespace kernel {

void SeedRandom(std::uint32_t seed);

// The next value, 0 .. 2147483647.
std::int32_t Rand31();

// A real strictly between a and b (either order): the midpoint of one of a million equal steps of
// the interval, a + (b - a) * 5e-7 * (2k + 1) with k = Rand31() mod 1000000.
Real RandomBetween(Real a, Real b);

}  // namespace kernel

#include "kernel/random.h"

#include <random>

namespace kernel {

namespace {

std::mt19937& Generator() {
  static std::mt19937 generator;
  return generator;
}

}  // namespace

void SeedRandom(std::uint32_t seed) {
  Generator().seed(seed);
}

std::int32_t Rand31() {
  return static_cast<std::int32_t>(Generator()() & 0x7FFFFFFFu);
}

Real RandomBetween(Real a, Real b) {
  const std::int32_t k = Rand31() % 1000000;
  return a + (b - a) * static_cast<Real>(5e-7) * (2 * k + 1);
}

}  // namespace kernel

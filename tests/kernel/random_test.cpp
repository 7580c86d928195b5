#include "kernel/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace kernel;

TEST(Random, SeededSequenceRepeatsAndStaysIn31Bits) {
  SeedRandom(1234);
  std::int32_t first[50];
  for (std::int32_t& r : first) {
    r = Rand31();
    EXPECT_GE(r, 0);
  }
  SeedRandom(1234);
  for (std::int32_t r : first) EXPECT_EQ(Rand31(), r);
}

TEST(Random, RandomBetweenIsAMidpointStrictlyInside) {
  SeedRandom(7);
  std::set<long long> steps;
  for (int i = 0; i < 2000; ++i) {
    const Real x = RandomBetween(-1, 3);
    EXPECT_GT(x, -1);
    EXPECT_LT(x, 3);
    // x = -1 + 4 * 5e-7 * (2k + 1): an odd number of half steps
    const Real half_steps = (x + 1) / (4 * static_cast<Real>(5e-7));
    const long long k2 = std::llround(static_cast<double>(half_steps));
    EXPECT_NEAR(static_cast<double>(half_steps), static_cast<double>(k2), 1e-6);
    EXPECT_EQ(k2 % 2, 1);
    steps.insert(k2);
  }
  EXPECT_GT(steps.size(), 1990u);  // a million steps: repeats are rare

  // Reversed bounds still give a value strictly between them.
  const Real y = RandomBetween(1, 0);
  EXPECT_GT(y, 0);
  EXPECT_LT(y, 1);

  // An empty interval gives its one value.
  EXPECT_EQ(RandomBetween(5, 5), 5);
}

// The random trapezoid: always inside the view with a margin, its two chords parallel, the view
// centre between them, and the four vertices running around the figure (no crossed sides).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>

#include "kernel/random.h"
#include "kernel/random_figures.h"
#include "kernel/vector2.h"

namespace {

using kernel::Point2;
using kernel::Real;

TEST(RandomTrapezoid, StaysInsideTheViewAndRunsAround) {
  const Point2 c{3, -2};
  const Real hx = 5;
  const Real hy = 2;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    kernel::SeedRandom(seed);
    std::array<Point2, 4> v;
    ASSERT_TRUE(kernel::RandomTrapezoidVertices(c, hx, hy, v));
    for (const Point2& p : v) {
      EXPECT_LE(std::fabs(p.x - c.x), 0.9L * hx + 1e-12L) << seed;
      EXPECT_LE(std::fabs(p.y - c.y), 0.9L * hy + 1e-12L) << seed;
    }
    const Point2 first = v[1] - v[0];
    const Point2 second = v[2] - v[3];
    EXPECT_NEAR(static_cast<double>(kernel::Cross2(first, second)), 0, 1e-9) << seed;
    // Going around: every turn has the same sense.
    Real signs[4];
    for (int i = 0; i < 4; ++i) signs[i] = kernel::Cross2(v[(i + 1) % 4] - v[i], v[(i + 2) % 4] - v[(i + 1) % 4]);
    for (int i = 1; i < 4; ++i) EXPECT_GT(signs[0] * signs[i], 0) << seed;
    // The centre lies between the chords.
    EXPECT_LT(kernel::Cross2(first, c - v[0]) * kernel::Cross2(first, c - v[3]), 0) << seed;
  }
}

}  // namespace

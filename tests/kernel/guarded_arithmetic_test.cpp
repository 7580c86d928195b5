#include "kernel/guarded_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/constants.h"
#include "support/extended_expect.h"

namespace {

using kernel::HugeReal;
using kernel::Real;

TEST(GuardedArithmetic, ProductsAndQuotientsStayWithinTheBounds) {
  Real r = -1;
  EXPECT_TRUE(kernel::GuardedMultiply(HugeReal, 1, r));
  EXPECT_EQ(r, HugeReal);
  EXPECT_FALSE(kernel::GuardedMultiply(HugeReal * 1.01L, 0.5L, r));  // a factor beyond the bound
  EXPECT_FALSE(kernel::GuardedMultiply(2e9L, 1e9L, r));             // the product beyond it
  EXPECT_TRUE(kernel::GuardedMultiply(1e-9L, 1e-8L, r));
  EXPECT_EQ(r, 0);                                                  // flushed
  EXPECT_TRUE(kernel::GuardedDivide(1, 4, r));
  EXPECT_EQ(r, 0.25L);
  EXPECT_FALSE(kernel::GuardedDivide(1, 1e-17L, r));
  EXPECT_FALSE(kernel::GuardedDivide(1e10L, 1e-9L, r));
  EXPECT_TRUE(kernel::GuardedDivide(1, 1e17L, r));
  EXPECT_EQ(r, 0);
}

TEST(GuardedArithmetic, Powers) {
  const struct {
    bool integer;
    Real x;
    Real y;
    bool ok;
    Real expected;
  } cases[] = {
      {true, 0, 0, true, 1},      {true, 0, -1, false, 0},  {true, 2, -2, true, 0.25L},
      {true, -2, 3, true, -8},    {true, 2, 60, true, 1152921504606846976.0L},
      {true, 2, 62, false, 0},    {true, 0.5L, 60, true, 0},  // 2^-60 is below the flush bound
      {false, 0, 0, true, 1},     {false, 0, -1, false, 0},   {false, 0, -0.5L, false, 0},
      {false, 0, 2, true, 0},     {false, -1, 2, false, 0},   {false, 4, 0.5L, true, 2},
      {false, 10, 2200, false, 0}, {false, 1e-20L, 1, true, 0},
  };
  for (const auto& c : cases) {
    Real r = -1;
    const bool ok = c.integer ? kernel::IntegerPower(c.x, static_cast<std::int32_t>(c.y), r)
                              : kernel::RealPower(c.x, c.y, r);
    EXPECT_EQ(ok, c.ok) << c.x << "^" << c.y;
    if (ok) {
      EXPECT_REAL_NEAR(r, c.expected, std::fabs(c.expected) * 1e-17L) << c.x << "^" << c.y;
    }
  }
}

TEST(GuardedArithmetic, ExponentialLimits) {
  Real r = -1;
  EXPECT_FALSE(kernel::GuardedExp(5000, r));
  EXPECT_TRUE(kernel::GuardedExp(-5000, r));
  EXPECT_EQ(r, 0);
  EXPECT_TRUE(kernel::GuardedExp(4999, r));
  EXPECT_GT(r, 1e2170L);
}

TEST(GuardedArithmetic, LineThroughPoints) {
  Real m = 0;
  Real q = 0;
  EXPECT_TRUE(kernel::LineThroughPoints(0, 1, 1, 3, m, q));
  EXPECT_EQ(m, 2);
  EXPECT_EQ(q, 1);
  EXPECT_FALSE(kernel::LineThroughPoints(1, 0, 1, 5, m, q));
  EXPECT_EQ(m, 1);
}

TEST(GuardedArithmetic, NearIntegers) {
  const struct {
    Real x;
    bool near;
    std::int32_t n;
  } cases[] = {{3, true, 3},           {3 + 1e-14L, true, 3}, {-3 - 1e-14L, true, -3}, {3 + 1e-12L, false, 0},
               {2.5L, false, 0},       {-2.5L, false, 0},      {2147483647, true, 2147483647},
               {3e9L, false, 0}};
  for (const auto& c : cases) {
    std::int32_t n = 0;
    EXPECT_EQ(kernel::IsNearInteger(c.x, n), c.near) << static_cast<double>(c.x);
    if (c.near) {
      EXPECT_EQ(n, c.n);
    }
  }
}

}  // namespace

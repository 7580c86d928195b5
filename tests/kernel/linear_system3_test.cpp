#include "kernel/linear_system3.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/extended_expect.h"

using namespace kernel;

namespace {

const Point3 kUntouched{-4, -5, -6};

struct SolvableCase {
  const char* name;
  Point3 r0, r1, r2, rhs;
  Point3 expected;
};

TEST(PlaneSectionKernel, SolvesRegularSystems) {
  const SolvableCase cases[] = {
      {"identity", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 2, 3}, {1, 2, 3}},
      {"first rows exchanged", {0, 1, 0}, {1, 0, 0}, {0, 0, 1}, {5, 7, 9}, {7, 5, 9}},
      {"first and last rows exchanged", {0, 1, 1}, {0, 1, -1}, {2, 0, 0}, {3, 1, 4}, {2, 2, 1}},
      {"second column needs the last row", {1, 1, 1}, {1, 1, 2}, {1, 2, 1}, {6, 9, 8}, {1, 2, 3}},
      {"three planes through (1, -2, 0.5)",
       {2, -1, 4},
       {1, 3, -2},
       {-3, 1, 1},
       {6, -6, -4.5L},
       {1, -2, 0.5L}},
  };
  for (const SolvableCase& c : cases) {
    SCOPED_TRACE(c.name);
    Point3 solution = kUntouched;
    EXPECT_EQ(PlaneSectionKernel(c.r0, c.r1, c.r2, c.rhs, solution), 0);
    EXPECT_POINT3_NEAR(solution, c.expected, 1e-17L);
  }
}

TEST(PlaneSectionKernel, SingularSystemsLeaveTheSolutionUntouched) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const SolvableCase cases[] = {
      {"two equal rows", {1, 2, 3}, {1, 2, 3}, {0, 0, 1}, {1, 1, 1}, {}},
      {"no first-column pivot", {0, 1, 0}, {0, 0, 1}, {0, 1, 1}, {1, 1, 1}, {}},
      {"dependent third row", {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 2, 3}, {}},
      {"pivot 9e-17 is below the tolerance", {9e-17, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 2, 3}, {}},
      {"a solution that overflows", {1e-16, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1e4932L, 0, 0}, {}},
      {"not a number", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {nan, 0, 0}, {}},
  };
  for (const SolvableCase& c : cases) {
    SCOPED_TRACE(c.name);
    Point3 solution = kUntouched;
    EXPECT_EQ(PlaneSectionKernel(c.r0, c.r1, c.r2, c.rhs, solution), kNoPoint);
    EXPECT_POINT3_NEAR(solution, kUntouched, 0);
  }
}

TEST(PlaneSectionKernel, PivotOfExactlyTheToleranceIsUsable) {
  // The double 1e-16 widened: the tolerance itself, which the test "below 1e-16" lets through.
  const Real pivot = static_cast<Real>(1e-16);
  Point3 solution = kUntouched;
  EXPECT_EQ(PlaneSectionKernel({pivot, 0, 0}, {0, 1, 0}, {0, 0, 1}, {pivot, 2, 3}, solution), 0);
  EXPECT_POINT3_NEAR(solution, (Point3{1, 2, 3}), 0);
}

}  // namespace

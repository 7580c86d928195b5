#pragma once
// Comparisons done in the 80-bit type itself: EXPECT_NEAR rounds both sides to double, which
// hides differences below about 1e-16 and turns small tolerances into exact comparisons.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "kernel/real.h"

namespace kernel_test {

inline ::testing::AssertionResult RealsClose(const char* actualText, const char* expectedText, const char*,
                                             kernel::Real actual, kernel::Real expected, kernel::Real tolerance) {
  if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
  std::ostringstream out;
  out.precision(21);
  out << actualText << " = " << actual << " differs from " << expectedText << " = " << expected << " by "
      << std::fabs(actual - expected) << ", more than " << tolerance;
  return ::testing::AssertionFailure() << out.str();
}

inline ::testing::AssertionResult PointsClose(const char* actualText, const char* expectedText, const char*,
                                              const kernel::Point3& actual, const kernel::Point3& expected,
                                              kernel::Real tolerance) {
  const kernel::Real dx = std::fabs(actual.x - expected.x);
  const kernel::Real dy = std::fabs(actual.y - expected.y);
  const kernel::Real dz = std::fabs(actual.z - expected.z);
  if (dx <= tolerance && dy <= tolerance && dz <= tolerance) return ::testing::AssertionSuccess();
  std::ostringstream out;
  out.precision(21);
  out << actualText << " = (" << actual.x << ", " << actual.y << ", " << actual.z << ") differs from "
      << expectedText << " = (" << expected.x << ", " << expected.y << ", " << expected.z << ") by more than "
      << tolerance;
  return ::testing::AssertionFailure() << out.str();
}

}  // namespace kernel_test

#define EXPECT_REAL_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::kernel_test::RealsClose, actual, expected, tolerance)
#define EXPECT_POINT3_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::kernel_test::PointsClose, actual, expected, tolerance)

#pragma once
// Shared helpers of the hyperbolic tests: the two hyperbolic models as test parameters, figures
// given in disk coordinates and placed in either model, and 80-bit point comparisons.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>
#include <string>

#include "engine/geometry_model.h"
#include "engine/hyperbolic_primitives.h"
#include "kernel/real.h"

namespace engine_test {

using kernel::Point2;
using kernel::Real;

// A point given in the Poincare disk, as the model holds it.
inline Point2 InModel(const engine::GeometryModel& model, Point2 diskPoint) {
  if (model.HalfPlane) engine::DiskToHalfPlane(diskPoint);
  return diskPoint;
}

inline std::string ModelName(const ::testing::TestParamInfo<engine::GeometryModel>& info) {
  return info.param.HalfPlane ? "HalfPlane" : "Disk";
}

inline ::testing::AssertionResult Points2Close(const char* actualText, const char* expectedText, const char*,
                                               const Point2& actual, const Point2& expected, Real tolerance) {
  if (std::fabs(actual.x - expected.x) <= tolerance && std::fabs(actual.y - expected.y) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  std::ostringstream out;
  out.precision(21);
  out << actualText << " = (" << actual.x << ", " << actual.y << ") differs from " << expectedText << " = ("
      << expected.x << ", " << expected.y << ") by more than " << tolerance;
  return ::testing::AssertionFailure() << out.str();
}

}  // namespace engine_test

namespace engine {
inline void PrintTo(const GeometryModel& model, std::ostream* out) {
  *out << (model.HalfPlane ? "half-plane" : model.Hyperbolic ? "disk" : "plane");
}
}  // namespace engine

#define EXPECT_POINT2_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::engine_test::Points2Close, actual, expected, tolerance)

// Conics as chains of points and the pieces of them a box shows.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel/conic_sampling.h"

namespace {

using kernel::Box2;
using kernel::CurveSample;
using kernel::Point2;
using kernel::Real;

std::vector<std::vector<Point2>> Runs(const std::vector<CurveSample>& samples, const Box2& box, bool closed) {
  std::vector<std::vector<Point2>> runs;
  kernel::VisibleRuns(samples, box, runs, closed);
  return runs;
}

TEST(ConicSampling, AWholeEllipseInViewIsOneRunAndACutOneAPieceEach) {
  std::vector<CurveSample> samples;
  kernel::SampleCentralConic({Point2{0, 0}, Point2{2, 0}, Point2{0, 1}}, true, samples);
  ASSERT_EQ(samples.size(), 151u);
  EXPECT_EQ(Runs(samples, {-3, 3, -3, 3}, true).size(), 1u);
  // A box across the middle: the upper and the lower arc, each ending on the box's sides.
  const auto runs = Runs(samples, {-3, 3, -0.5L, 0.5L}, true);
  ASSERT_EQ(runs.size(), 2u);
  for (const auto& run : runs) {
    EXPECT_NEAR(static_cast<double>(std::fabs(run.front().y)), 0.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(std::fabs(run.back().y)), 0.5, 1e-12);
  }
}

TEST(ConicSampling, AHyperbolaBreaksAtEachAsymptote) {
  std::vector<CurveSample> samples;
  kernel::SampleCentralConic({Point2{0, 0}, Point2{1, 0}, Point2{0, 1}}, false, samples);
  // One run per branch: no chord crosses between the branches, and the right branch, where the
  // turn starts and ends, is one piece.
  const auto runs = Runs(samples, {-5, 5, -5, 5}, true);
  ASSERT_EQ(runs.size(), 2u);
  for (const auto& run : runs) {
    const bool right = run.front().x > 0;
    // The ends are cut on the box's sides; the points between lie on the curve.
    for (std::size_t i = 0; i < run.size(); ++i) {
      EXPECT_EQ(run[i].x > 0, right);
      if (i > 0 && i + 1 < run.size()) {
        EXPECT_NEAR(static_cast<double>(run[i].x * run[i].x - run[i].y * run[i].y), 1, 1e-9);
      }
    }
  }
}

TEST(ConicSampling, AParabolaAcrossTheBox) {
  std::vector<CurveSample> samples;
  // y = x^2 / 4: focus (0, 1), directrix y = -1.
  kernel::SampleParabola({0, 1}, {-1, -1}, {1, -1}, {-4, 4, -2, 6}, samples);
  ASSERT_EQ(samples.size(), 301u);
  for (const CurveSample& s : samples) EXPECT_NEAR(static_cast<double>(s.p.y - s.p.x * s.p.x / 4), 0, 1e-12);
  EXPECT_EQ(Runs(samples, {-4, 4, -2, 6}, false).size(), 1u);
  // The focus on the directrix: nothing.
  kernel::SampleParabola({0, -1}, {-1, -1}, {1, -1}, {-4, 4, -2, 6}, samples);
  EXPECT_TRUE(samples.empty());
}

}  // namespace

// Points and lines taken from conics as steps: the features of an equation or five-point conic,
// the asymptotes of a hyperbola, points at a parameter; what each step refuses.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "engine/step_engine.h"
#include "kernel/conic_points.h"
#include "kernel/construction_record.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using ConicSteps = IsolatedFolders;

// 40xx - 24xy + 33yy - 16x - 54y - 263 = 0, its negative coefficients written as differences.
constexpr char kEllipse[] = "40,0-24,33,0-16,0-54,0-263,";

void ExpectPoint(const PlaneWindow& w, int p, Point2 at, Real tolerance = 1e-12L) {
  ASSERT_TRUE(w.tables().PointExists(p));
  EXPECT_REAL_NEAR(w.tables().xy[p].x, at.x, tolerance);
  EXPECT_REAL_NEAR(w.tables().xy[p].y, at.y, tolerance);
}

TEST_F(ConicSteps, TheFeaturesOfAnEquationEllipse) {
  PlaneWindow w(0);
  ASSERT_EQ(w.NewConicFeatureStep(0, 1, 0, kEllipse), 0);
  ExpectPoint(w, 0, {0.5L, 1});
  EXPECT_EQ(w.stepText, "A = center{(40)xx+(0-24)xy+(33)yy+(0-16)x+(0-54)y+(0-263)=0}");

  // Each focus-vertex button gives a focus and the vertex on its side.
  ASSERT_EQ(w.NewConicFeatureStep(2, 2, 0, kEllipse), 0);
  ASSERT_EQ(w.NewConicFeatureStep(1, 2, 0, kEllipse), 0);
  EXPECT_EQ(w.stepText.substr(0, 19), "D,E = focus,vertex{");
  const bool firstUp = w.tables().xy[1].x > 1;
  const std::array<Point2, 2> foci{Point2{2, 3}, Point2{-1, -1}};
  const std::array<Point2, 2> vertices{Point2{2.6L, 3.8L}, Point2{-1.6L, -1.8L}};
  ExpectPoint(w, 1, foci[firstUp ? 0 : 1]);
  ExpectPoint(w, 2, vertices[firstUp ? 0 : 1]);
  ExpectPoint(w, 3, foci[firstUp ? 1 : 0]);
  ExpectPoint(w, 4, vertices[firstUp ? 1 : 0]);

  // An ellipse has no asymptotes: message 10, and nothing stays behind.
  const std::size_t steps = w.history().steps.size();
  EXPECT_EQ(w.NewConicFeatureStep(3, 3, 2, kEllipse), 10);
  EXPECT_EQ(w.tables().last_point, 4);
  EXPECT_EQ(w.tables().last_line, -1);
  EXPECT_EQ(w.history().steps.size(), steps);

  // A coefficient that does not evaluate stops the step with the compiler's code.
  EXPECT_GE(w.NewConicFeatureStep(0, 1, 0, "40,0-24,(,0-16,0-54,0-263,"), 1);
  EXPECT_EQ(w.tables().last_point, 4);
}

TEST_F(ConicSteps, AsymptotesOfAFivePointHyperbolaFollowItsPoints) {
  PlaneWindow w(0);
  const Real r = std::sqrt(Real{2});
  std::array<int, 5> five{};
  const std::array<Point2, 5> at{Point2{1, 0}, Point2{-1, 0}, Point2{r, 1}, Point2{r, -1}, Point2{-r, 1}};
  for (int i = 0; i < 5; ++i) five[i] = w.FreePoint(at[i].x, at[i].y);
  ASSERT_EQ(w.NewConicFeatureStepFromPoints(3, 3, 2, five), 0);
  const int c = five[4] + 1;
  ExpectPoint(w, c, {0, 0});
  for (int k = 1; k <= 2; ++k) {
    const Point2 p = w.tables().xy[c + k];
    EXPECT_REAL_NEAR(std::fabs(p.x), std::fabs(p.y), 1e-12L);
    const kernel::SegmentRecord& line = w.tables().lines[w.tables().last_line - 2 + k];
    EXPECT_EQ(line.points.entries[0], c);
    EXPECT_TRUE(line.extends_first && line.extends_second);
  }
  EXPECT_EQ(w.stepText.substr(0, 20), "FG,FH = asymptotes{(");
  const std::string before = kernel::JoinConstructionText(w.history().steps.back());
  EXPECT_EQ(before.substr(0, 7), "-1.000,");

  // The step shows the equation of its points as they are now.
  w.tables().xy[five[2]] = {2, std::sqrt(Real{3})};
  w.tables().xy[five[3]] = {2, -std::sqrt(Real{3})};
  w.tables().xy[five[4]] = {-2, std::sqrt(Real{3})};
  w.tables().xy[five[1]] = {-1, 0};
  w.tables().xy[five[0]] = {1, 0};
  w.ReplayConstruction(false);
  EXPECT_EQ(kernel::JoinConstructionText(w.history().steps.back()), before);
  w.tables().xy[five[0]] = {3, 0};
  w.tables().xy[five[1]] = {-3, 0};
  w.tables().xy[five[2]] = {5, 4};
  w.tables().xy[five[3]] = {5, -4};
  w.tables().xy[five[4]] = {-5, 4};
  w.ReplayConstruction(false);
  const std::string after = kernel::JoinConstructionText(w.history().steps.back());
  EXPECT_NE(after, before);
  EXPECT_EQ(after.substr(0, 6), "-0.111") << after;

  // Four of five points on one line fix no conic.
  w.tables().xy[five[2]] = {5, 0};
  w.tables().xy[five[3]] = {7, 0};
  EXPECT_EQ(w.NewConicFeatureStepFromPoints(0, 1, 0, five), 6);
}

TEST_F(ConicSteps, AsymptotesOfAHyperbolaByFociAndEccentricity) {
  PlaneWindow w(0);
  const int a = w.FreePoint(-2, 0);
  const int b = w.FreePoint(2, 0);
  ASSERT_EQ(w.NewAsymptotesStep(a, b, -1, 0, "2"), 0);
  ExpectPoint(w, 2, {0, 0});
  EXPECT_REAL_NEAR(std::fabs(w.tables().xy[3].x), 1, 1e-12L);
  EXPECT_REAL_NEAR(w.tables().xy[3].y, std::sqrt(Real{3}), 1e-12L);
  EXPECT_REAL_NEAR(w.tables().xy[4].x, -w.tables().xy[3].x, 1e-12L);
  EXPECT_EQ(w.tables().last_line, 1);
  EXPECT_EQ(w.stepText, "CD,CE = asymptotes{hyperbola AB; eccentricity 2}");

  for (const char* ecc : {"1", "0.5"}) EXPECT_EQ(w.NewAsymptotesStep(a, b, -1, 0, ecc), 6) << ecc;
  EXPECT_EQ(w.tables().last_point, 4);

  // Foci and a point: |d1 - d2| = 2 gives the same hyperbola.
  const int p = w.FreePoint(1, 0);
  ASSERT_EQ(w.NewAsymptotesStep(a, b, p, 2, "2"), 0);
  EXPECT_REAL_NEAR(w.tables().xy[p + 2].y, std::sqrt(Real{3}), 1e-12L);
  EXPECT_EQ(w.stepText, "GH,GI = asymptotes{hyperbola AB;F}");
}

TEST_F(ConicSteps, PointsOnAConicAtAParameter) {
  PlaneWindow w(0);
  const int f1 = w.FreePoint(-1, 0);
  const int f2 = w.FreePoint(1, 0);
  const int on = w.FreePoint(2, 0);
  ASSERT_EQ(w.Step(203, {2, f1, f2, on}, {"0.25"}), 0);
  ExpectPoint(w, 3, {0, std::sqrt(Real{3})});
  EXPECT_EQ(w.stepText, "D on ellipse{AB;C} at 0.25");

  // Focus and directrix with eccentricity 1: a parabola; t = 2 ends the latus rectum.
  const int focus = w.FreePoint(0, 1);
  const int d1 = w.FreePoint(-1, -1);
  const int d2 = w.FreePoint(1, -1);
  ASSERT_EQ(w.Step(203, {1, focus, d1, d2}, {"2", "1"}), 0);
  ExpectPoint(w, w.tables().last_point, {2, 1});
  EXPECT_EQ(w.stepText, "H on parabola{EF; eccentricity 1} at 2");
  ASSERT_EQ(w.Step(203, {1, focus, d1, d2}, {"0", "1"}), 0);
  ExpectPoint(w, w.tables().last_point, {0, 0});

  // A hyperbola's point along an asymptote direction goes far away; a negative eccentricity and
  // a missing point are refused.
  ASSERT_EQ(w.Step(203, {3, f1, f2, w.FreePoint(0.5L, 0)}, {"0.25"}), 0);
  EXPECT_GT(w.tables().xy[w.tables().last_point].x, 1e15L);
  const int last = w.tables().last_point;
  EXPECT_EQ(w.Step(203, {4, f1, f2, f2}, {"0", "0-1"}), 14);
  EXPECT_EQ(w.Step(203, {2, f1, f2, 999}, {"0"}), 2);
  EXPECT_EQ(w.tables().last_point, last);
}

TEST(ConicPoints, ParabolaAndCentralConicPoints) {
  // Foot of the focus on the directrix missing: the focus itself.
  const Point2 focus = kernel::ParabolaPoint({0, 1}, {3, 3}, {3, 3}, 1);
  EXPECT_EQ(focus.x, 0);
  EXPECT_EQ(focus.y, 1);
  const kernel::ConicAxes hyperbola{Point2{1, 1}, Point2{2, 0}, Point2{0, 1}};
  const Point2 p = kernel::CentralConicPoint(hyperbola, 0.125L, false);
  // (x - 1)^2 / 4 - (y - 1)^2 = 1
  EXPECT_REAL_NEAR((p.x - 1) * (p.x - 1) / 4 - (p.y - 1) * (p.y - 1), 1, 1e-15L);
}

}  // namespace

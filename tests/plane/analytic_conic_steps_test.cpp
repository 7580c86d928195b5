// Lines and circles typed as equations, points on the window's conics and the tangents from a
// point to them: what each step makes, what it refuses, and that a refused step leaves nothing.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "kernel/construction_record.h"
#include "kernel/vector2.h"
#include "plane/conic_inventories.h"
#include "plane_window.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using AnalyticConicSteps = IsolatedFolders;

struct Counts {
  int points, lines, circles;
  std::size_t steps;
};
Counts CountsOf(const PlaneWindow& w) {
  return {w.tables().last_point, w.tables().last_line, w.tables().last_circle, w.history().steps.size()};
}
void ExpectUnchanged(const PlaneWindow& w, const Counts& before) {
  EXPECT_EQ(w.tables().last_point, before.points);
  EXPECT_EQ(w.tables().last_line, before.lines);
  EXPECT_EQ(w.tables().last_circle, before.circles);
  EXPECT_EQ(w.history().steps.size(), before.steps);
}

TEST_F(AnalyticConicSteps, AnalyticLinesInTheirThreeForms) {
  PlaneWindow w(0);
  ASSERT_EQ(w.NewAnalyticLineStep("3.0,4.0,12.0,1.0,", 0), 0);
  for (int p : {0, 1}) {
    const Point2 q = w.tables().xy[p];
    EXPECT_REAL_NEAR(3 * q.x + 4 * q.y, 12, 1e-15L);
  }
  const kernel::SegmentRecord& line = w.tables().lines[0];
  EXPECT_TRUE(line.extends_first && line.extends_second);
  EXPECT_EQ(w.stepText.substr(0, 29), "line AB: 3.0x + 4.0y = 12.0 (");

  // y = k + m(x - h) with m = 0: the horizontal line through (h, k); the third field is not read.
  ASSERT_EQ(w.NewAnalyticLineStep("2,5,9,0,", 1), 0);
  EXPECT_REAL_NEAR(w.tables().xy[2].x, 2, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[2].y, 5, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[3].y, 5, 1e-15L);
  EXPECT_GT(w.tables().xy[3].x, 2);

  // A null normal or direction: message 6 and nothing left behind, no label used up.
  const Counts before = CountsOf(w);
  EXPECT_EQ(w.NewAnalyticLineStep("0,0,12,1,", 0), 6);
  EXPECT_EQ(w.NewAnalyticLineStep("1,1,0,0,", 2), 6);
  ExpectUnchanged(w, before);
  // Every field is evaluated, the unread one too.
  EXPECT_GT(w.NewAnalyticLineStep("3,4,12,(,", 0), 0);
  ExpectUnchanged(w, before);
  ASSERT_EQ(w.NewAnalyticLineStep("1,2,3,4,", 2), 0);
  EXPECT_EQ(w.tables().names[w.tables().last_point - 1].label, 4);  // E: no label was lost
}

TEST_F(AnalyticConicSteps, ReplayKeepsTheTwoPointsWhileTheCoefficientsFollow) {
  PlaneWindow w(0);
  ASSERT_EQ(w.NewAnalyticLineStep("0,1,2,1,", 0), 0);  // y = 2
  const Point2 a = w.tables().xy[0];
  const Point2 b = w.tables().xy[1];
  w.ReplayConstruction(true);
  EXPECT_REAL_NEAR(w.tables().xy[0].x, a.x, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[1].x, b.x, 1e-15L);
  kernel::SplitConstructionText(w.history().steps.back(), "0,1,5,1,");
  w.ReplayConstruction(true);
  EXPECT_REAL_NEAR(w.tables().xy[0].y, 5, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[0].x, a.x, 1e-15L);
}

TEST_F(AnalyticConicSteps, AnalyticCircles) {
  PlaneWindow w(0);
  struct Case {
    const char* x;
    const char* y;
    const char* r;
    int form;
    Point2 centre;
    Real radius;
  };
  const Case cases[] = {
      {"0.0", "0.0", "1.0", 0, {0, 0}, 1},
      {"1", "2", "-3", 0, {1, 2}, 3},   // a negative radius gives |r|
      {"-2", "4", "4", 1, {1, -2}, 3},  // xx + yy - 2x + 4y = 4
      {"0", "0", "0", 1, {0, 0}, 0},    // radius 0: both points at the origin
  };
  for (const Case& c : cases) {
    ASSERT_EQ(w.NewAnalyticCircleStep(c.x, c.y, c.r, c.form), 0) << c.x << " " << c.y << " " << c.r;
    const int m = w.tables().last_point - 1;
    EXPECT_REAL_NEAR(w.tables().xy[m].x, c.centre.x, 1e-15L);
    EXPECT_REAL_NEAR(w.tables().xy[m].y, c.centre.y, 1e-15L);
    const Point2 d = w.tables().xy[m + 1] - w.tables().xy[m];
    EXPECT_REAL_NEAR(std::sqrt(d.x * d.x + d.y * d.y), c.radius, 1e-15L);
    EXPECT_EQ(w.tables().circles[w.tables().last_circle].centre, m);
  }
  EXPECT_EQ(w.stepText.substr(0, 37), "circle GH: xx + yy + (0)x + (0)y = 0 ");
  const Counts before = CountsOf(w);
  EXPECT_EQ(w.NewAnalyticCircleStep("0", "0", "-1", 1), 6);
  ExpectUnchanged(w, before);
}

// The ellipse with foci (+-sqrt 3, 0) and eccentricity sqrt(3)/2: x^2/4 + y^2 = 1.
struct EllipseFigure {
  PlaneWindow w{0};
  int f1 = w.FreePoint(-std::sqrt(Real{3}), 0);
  int f2 = w.FreePoint(std::sqrt(Real{3}), 0);
  int outside = w.FreePoint(0, 2);
  int inside = w.FreePoint(Real{0.5}, 0);
  int onIt = w.FreePoint(0, 1);
  EllipseFigure() {
    w.conics.twoFoci.insert(w.conics.twoFoci.begin(),
                            plane::MakeDefinition({{f1, f2, f2}, 4, plane::kDefinitionTwoFoci, "0.86602540378443864676", 0}));
  }
};

TEST_F(AnalyticConicSteps, TangentsFromAPointToAnEllipseOfTheTwoFociList) {
  EllipseFigure fig;
  PlaneWindow& w = fig.w;
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_EQ(w.NewTangentStep(0, "C", 1), 0);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.kind, 210);
  EXPECT_EQ(step.operands[0], 2);
  EXPECT_EQ(step.operands[1], 4);
  const int first = fig.onIt + 1;
  std::array<Point2, 2> touch{w.tables().xy[first], w.tables().xy[first + 1]};
  if (touch[0].x > touch[1].x) std::swap(touch[0], touch[1]);
  EXPECT_REAL_NEAR(touch[0].x, -std::sqrt(Real{3}), 1e-12L);
  EXPECT_REAL_NEAR(touch[1].x, std::sqrt(Real{3}), 1e-12L);
  EXPECT_REAL_NEAR(touch[0].y, 0.5L, 1e-12L);
  EXPECT_REAL_NEAR(touch[1].y, 0.5L, 1e-12L);
  EXPECT_EQ(w.tables().last_line, 1);
  EXPECT_EQ(w.stepText.substr(0, 29), "CG,CF = tangent to conic AB (");

  // Inside: message 9, and the step leaves nothing.
  const Counts before = CountsOf(w);
  EXPECT_EQ(w.NewTangentStep(0, "D", 1), 9);
  ExpectUnchanged(w, before);
  // No such conic, or no such point: 2.
  EXPECT_EQ(w.NewTangentStep(5, "C", 1), 2);
  EXPECT_EQ(w.NewTangentStep(0, "Z", 1), 2);
  ExpectUnchanged(w, before);

  // On the ellipse: the one tangent, and room kept for a second point and line.
  ASSERT_EQ(w.NewTangentStep(0, "E", 1), 0);
  EXPECT_EQ(w.tables().last_point, before.points + 2);
  EXPECT_EQ(w.tables().last_line, before.lines + 2);
  const Point2 q = w.tables().xy[before.points + 1];
  EXPECT_REAL_NEAR(q.y, 1, 1e-12L);  // the tangent at (0, 1) is y = 1
  EXPECT_FALSE(w.tables().PointExists(before.points + 2));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"nothing to do", "could not find", "could not find"}));
}

TEST_F(AnalyticConicSteps, TangentsToAnEquationConicAndAParabolaByFocusAndDirectrix) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  w.FreePoint(0, 2);
  // x^2/4 + y^2 = 1 typed as an equation.
  w.conics.equations.push_back(plane::MakeEquationRecord({"1", "0", "4", "0", "0", "0-4"}, 4));
  ASSERT_EQ(w.NewTangentStep(0, "A", 1), 0);
  for (int i : {1, 2}) {
    EXPECT_REAL_NEAR(std::fabs(w.tables().xy[i].x), std::sqrt(Real{3}), 1e-12L);
    EXPECT_REAL_NEAR(w.tables().xy[i].y, 0.5L, 1e-12L);
  }
  EXPECT_NE(w.stepText.find("(1)xx+(0)xy+(4)yy"), std::string::npos);

  // The parabola y = x^2 / 4: focus (0, 1), directrix y = -1; from (0, -1) the tangents touch at
  // (+-2, 1).
  const int d1 = w.FreePoint(-1, -1);
  const int d2 = w.FreePoint(1, -1);
  const int f = w.FreePoint(0, 1);
  const int q = w.FreePoint(0, -1);
  w.conics.threePoint.insert(w.conics.threePoint.begin(),
                             plane::MakeDefinition({{d1, d2, f}, 4, plane::kDefinitionEccentricity, "1", 1}));
  ASSERT_EQ(w.NewTangentStep(0, "G", 1), 0);  // position 0 of the running index: the parabola
  for (int i : {q + 1, q + 2}) {
    EXPECT_REAL_NEAR(std::fabs(w.tables().xy[i].x), 2, 1e-12L);
    EXPECT_REAL_NEAR(w.tables().xy[i].y, 1, 1e-12L);
  }
  EXPECT_EQ(w.NewTangentStep(0, "F", 1), 9);  // the focus lies inside
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"nothing to do"});
}

TEST_F(AnalyticConicSteps, PointsOnTheConicsOfTheLists) {
  PlaneWindow w(0);
  const int d1 = w.FreePoint(-1, -1);
  const int d2 = w.FreePoint(1, -1);
  const int f = w.FreePoint(0, 1);
  // By focus and directrix with e = 1: a point on the parabola y = x^2 / 4 at t = 2 (level with the
  // focus); with e = 0.5 every point is half as far from the focus as from the directrix.
  w.conics.threePoint.insert(w.conics.threePoint.begin(),
                             plane::MakeDefinition({{d1, d2, f}, 4, plane::kDefinitionEccentricity, "1", 1}));
  ASSERT_EQ(w.NewConicPointStep(0, "2", 3), 0);
  EXPECT_REAL_NEAR(std::fabs(w.tables().xy[3].x), 2, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[3].y, 1, 1e-15L);
  w.conics.threePoint[0] = plane::MakeDefinition({{d1, d2, f}, 4, plane::kDefinitionEccentricity, "0.5", 0.5L});
  ASSERT_EQ(w.NewConicPointStep(0, "0.3", 3), 0);
  const Point2 p = w.tables().xy[4];
  const Real toFocus = std::hypot(p.x, p.y - 1);
  EXPECT_REAL_NEAR(toFocus, 0.5L * (p.y + 1), 1e-14L);
  // A position beyond the list: 6, nothing made.
  EXPECT_EQ(w.NewConicPointStep(1, "0", 3), 6);
  EXPECT_EQ(w.NewConicPointStep(0, "0", 2), 6);
  EXPECT_EQ(w.tables().last_point, 4);
}

}  // namespace

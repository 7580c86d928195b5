// The plane window's commands grey and un-grey as the figure grows, and the commands that act on
// the whole figure: point coordinates, the centring of a vertex and autoextend.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;
using PlaneCommandEnablers = IsolatedFolders;

constexpr int kAxes = 109;
constexpr int kParallels = 775;
constexpr int kBounce = 806;
constexpr int kLineEquation = 831;
constexpr int kCircleEquation = 832;
constexpr int kConicEquation = 844;
constexpr int kPoincare = 889;
constexpr int kCoordinateEditor = 759;
constexpr int kEquidistant = 835;
constexpr int kHorocycle = 836;
constexpr int kPointCoordinates = 789;
constexpr int kAutoextend = 1156;

struct Expected {
  int id;
  bool enabled;
};

void ExpectEnablers(PlaneWindow& w, const std::vector<Expected>& table, const std::string& stage) {
  for (const Expected& e : table) EXPECT_EQ(w.QueryCommand(e.id).enabled, e.enabled) << stage << ": command " << e.id;
}

TEST_F(PlaneCommandEnablers, TheEuclideanCommandsFollowTheFigure) {
  PlaneWindow w(0);
  ExpectEnablers(w,
                 {{kBounce, false}, {kLineEquation, false}, {kCircleEquation, false}, {kConicEquation, false},
                  {kPoincare, false}, {kCoordinateEditor, true}, {kParallels, false}},
                 "empty");
  w.FreePoint(0, 0);
  ExpectEnablers(w, {{kParallels, true}, {kBounce, false}}, "one point");
  w.FreePoint(3, 0);
  w.FreePoint(0, 4);
  ExpectEnablers(w, {{kBounce, false}}, "three points");
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  ExpectEnablers(w, {{kBounce, true}, {kPoincare, false}}, "a segment");
  ASSERT_EQ(w.Step(92, {0, -1, -1, -1, 0, -1}, {"1"}), 0);
  ExpectEnablers(w, {{kPoincare, true}}, "a circle");
  EXPECT_TRUE(w.DispatchCommand(kAxes));
  ExpectEnablers(w, {{kLineEquation, true}, {kCircleEquation, true}, {kConicEquation, true}}, "axes shown");
  EXPECT_TRUE(w.DispatchCommand(kAxes));
  ExpectEnablers(w, {{kLineEquation, false}, {kConicEquation, false}}, "axes hidden");
}

TEST_F(PlaneCommandEnablers, TheHyperbolicCurvesNeedALineAndTheEditorTheDisk) {
  PlaneWindow w(1);
  ExpectEnablers(w, {{kParallels, false}, {kEquidistant, false}, {kHorocycle, false}, {kCoordinateEditor, true}},
                 "empty");
  w.FreePoint(0, 0);
  w.FreePoint(0.5L, 0);
  w.FreePoint(0, 0.5L);
  ExpectEnablers(w, {{kParallels, false}, {kEquidistant, false}, {kHorocycle, false}}, "points only");
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  ExpectEnablers(w, {{kParallels, true}, {kEquidistant, true}, {kHorocycle, true}}, "a line");
  w.ToggleHalfPlane();
  ExpectEnablers(w, {{kCoordinateEditor, false}}, "upper half-plane");
  platform::ScriptedResponder script;
  EXPECT_FALSE(w.DispatchCommand(kCoordinateEditor));  // greyed: nothing happens, nothing is asked
  EXPECT_TRUE(script.shown().empty());
}

TEST_F(PlaneCommandEnablers, PointCoordinatesTurnTheAxesOn) {
  PlaneWindow w(0);
  ASSERT_FALSE(w.axes.axesShown);
  EXPECT_TRUE(w.DispatchCommand(kPointCoordinates));
  EXPECT_TRUE(w.axes.axesShown);
  EXPECT_TRUE(w.DispatchCommand(kPointCoordinates));  // a second time leaves them on
  EXPECT_TRUE(w.axes.axesShown);
}

TEST_F(PlaneCommandEnablers, CentringAVertexMovesTheFigureByAHyperbolicMotion) {
  PlaneWindow w(1);
  w.FreePoint(0.3L, 0.4L);
  w.FreePoint(0.3L, -0.2L);
  w.FreePoint(-0.5L, 0.1L);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  const kernel::Real before = engine::HyperbolicDistance(w.model(), w.tables().xy[1], w.tables().xy[2]);
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "AB"}}, 1);
  EXPECT_EQ(w.CentreVertex(), 0);
  const auto& xy = w.tables().xy;
  EXPECT_NEAR(xy[0].x, 0, 1e-15L);
  EXPECT_NEAR(xy[0].y, 0, 1e-15L);
  EXPECT_GT(xy[1].x, 0);
  EXPECT_NEAR(xy[1].y, 0, 1e-15L);
  EXPECT_NEAR(engine::HyperbolicDistance(w.model(), xy[1], xy[2]), before, 1e-12L);
  // A name that is no point moves nothing.
  const kernel::Point2 c = xy[2];
  script.FillAndPress("ONEINPUT", {{211, "Q"}}, 1);
  EXPECT_EQ(w.CentreVertex(), -1);
  EXPECT_EQ(xy[2].x, c.x);
}

TEST_F(PlaneCommandEnablers, SwitchingAutoextendOffBringsPointsBackOntoTheirSegments) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(4, 0);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  w.autoExtend = true;
  ASSERT_EQ(w.Step(81, {0, 1, 0}), 0);
  ASSERT_EQ(w.Step(81, {0, 1, 0}), 0);
  auto& t = w.tables();
  t.attrs[2].value = 1.2L;
  t.attrs[3].value = 0.3L;
  w.ReplayConstruction(true);
  EXPECT_NEAR(t.xy[2].x, 4.8L, 1e-15L);
  EXPECT_TRUE(w.DispatchCommand(kAutoextend));
  EXPECT_FALSE(w.autoExtend);
  EXPECT_FALSE(*w.QueryCommand(kAutoextend).checked);
  EXPECT_EQ(t.attrs[2].value, 0.5L);
  EXPECT_NEAR(t.xy[2].x, 2, 1e-15L);
  EXPECT_EQ(t.attrs[3].value, 0.3L);
  EXPECT_NEAR(t.xy[3].x, 1.2L, 1e-15L);
  EXPECT_TRUE(w.DispatchCommand(kAutoextend));
  EXPECT_TRUE(w.autoExtend);
  EXPECT_EQ(t.attrs[3].value, 0.3L);
}

}  // namespace

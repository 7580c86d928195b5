// The random starting figures: where their vertices fall, that a replay keeps them (dragged or
// not) and Edit > Randomize draws them anew, the room they check first, and their descriptions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/random.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using RandomFigures = IsolatedFolders;

// The polar angle of p in degrees, in 0 .. 360.
Real Degrees(const Point2& p) {
  Real a = std::atan2(p.y, p.x) * 180 / kernel::Pi;
  return a < 0 ? a + 360 : a;
}

// The descriptions of the history, one a step.
std::vector<std::string> Descriptions(PlaneWindow& w) {
  std::vector<std::string> out;
  w.tables().ResetForReplay();
  w.stepEngine.figure_counter = 0;
  for (kernel::ConstructionRecord& step : w.history().steps) {
    w.history().current = &step;
    std::string text;
    w.RedoStep(&text);
    out.push_back(text);
  }
  return out;
}

TEST_F(RandomFigures, TheTriangleLiesInItsAngleBandsInEveryModel) {
  // (window, half-plane shown, radius): in the disk 0.618, in the plane 0.705 of the half-width.
  for (int model = 0; model < 3; ++model) {
    SCOPED_TRACE(model);
    PlaneWindow w(model == 0 ? 0 : 1);
    if (model == 2) w.ToggleHalfPlane();
    for (std::uint32_t seed : {1u, 7u, 12345u}) {
      kernel::SeedRandom(seed);
      ASSERT_EQ(w.RandomFigure(60), 0);
      const int first = w.tables().last_point - 2;
      const Real r = model == 0 ? 0.705L * w.mapping.halfWidth : 0.618L;
      const Real bands[3][2] = {{122, 238}, {242, 358}, {2, 118}};
      for (int i = 0; i < 3; ++i) {
        Point2 p = w.tables().xy[first + i];
        if (model == 2) engine::HalfPlaneToDisk(p);
        EXPECT_REAL_NEAR(kernel::Dist2(p, {0, 0}), r, 1e-12L);
        EXPECT_GT(Degrees(p), bands[i][0]);
        EXPECT_LT(Degrees(p), bands[i][1]);
      }
    }
  }
}

TEST_F(RandomFigures, AReplayKeepsDraggedVerticesAndRandomizeMovesThemAll) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(720).enabled);
  kernel::SeedRandom(3);
  ASSERT_TRUE(w.DispatchCommand(712));
  ASSERT_EQ(w.history().steps.size(), 1u);
  ASSERT_EQ(w.tables().last_point, 2);
  ASSERT_EQ(w.tables().last_line, 2);
  EXPECT_TRUE(w.QueryCommand(720).enabled);
  const Point2 b = w.tables().xy[1];
  w.tables().xy[0] = {1, 1};  // dragged
  w.ReplayConstruction(false);
  EXPECT_EQ(w.tables().xy[0], (Point2{1, 1}));
  EXPECT_EQ(w.tables().xy[1], b);

  const std::vector<Point2> before(w.tables().xy.begin(), w.tables().xy.begin() + 3);
  ASSERT_TRUE(w.DispatchCommand(720));
  for (int i = 0; i < 3; ++i) EXPECT_NE(w.tables().xy[i], before[i]) << i;
  EXPECT_EQ(w.tables().last_point, 2);
  EXPECT_EQ(w.history().steps.size(), 1u);
}

TEST_F(RandomFigures, EachRandomCommandMakesOneStepInBothGeometries) {
  struct Case {
    int command;
    int kind;
    int points;
    int lines;
  };
  const Case cases[] = {{712, 60, 3, 3}, {706, 54, 2, 0}, {873, 73, 3, 3},
                        {713, 61, 3, 3}, {722, 65, 4, 4}, {875, 75, 4, 4}};
  for (int hyperbolic = 0; hyperbolic < 2; ++hyperbolic) {
    PlaneWindow w(static_cast<std::uint8_t>(hyperbolic));
    for (const Case& c : cases) {
      SCOPED_TRACE(c.command);
      const engine::StepEnds before = w.stepEngine.CurrentEnds();
      ASSERT_TRUE(w.QueryCommand(c.command).enabled);
      ASSERT_TRUE(w.DispatchCommand(c.command));
      EXPECT_EQ(w.history().steps.back().kind, c.kind);
      EXPECT_EQ(w.tables().last_point - before.points, c.points);
      EXPECT_EQ(w.tables().last_line - before.lines, c.lines);
    }
    EXPECT_EQ(w.tables().last_circle, 0);
    EXPECT_EQ(w.history().steps.size(), std::size(cases));
  }
}

TEST_F(RandomFigures, ThePolygonCommandsAskTheNumberOfVertices) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  std::string caption;
  std::string label;
  script.OnDialog("ONEINPUT", [&](platform::Dialog& d) {
    caption = d.Caption();
    label = d.GetItemText(231);
    d.SetItemText(211, "7");
    d.PressButton(platform::IDOK);
  });
  script.FillAndPress("ONEINPUT", {{211, "2"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  script.FillAndPress("ONEINPUT", {{211, "5"}}, platform::IDCANCEL);
  ASSERT_TRUE(w.DispatchCommand(715));
  EXPECT_EQ(caption, "input");
  EXPECT_EQ(label, "sides");
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.history().steps[0].operands[0], 7);
  EXPECT_EQ(w.history().steps[0].flag, 1);
  EXPECT_EQ(w.tables().last_point, 6);
  // Too few vertices: "out of bounds"; cancelled: nothing.
  ASSERT_TRUE(w.DispatchCommand(714));
  ASSERT_TRUE(w.DispatchCommand(714));
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"out of bounds"});
  EXPECT_EQ(w.history().steps.size(), 1u);
  EXPECT_TRUE(script.Finished());
}

TEST_F(RandomFigures, QuadrilateralsKeepTheirShapeWhenTheFirstSideIsDragged) {
  PlaneWindow w(0);
  ASSERT_EQ(w.RandomFigure(59), 0);
  ASSERT_EQ(w.RandomFigure(65), 0);
  ASSERT_EQ(w.RandomFigure(75), 0);
  ASSERT_EQ(w.tables().last_point, 11);
  // The first two vertices of each are dragged; the rest follows the stored shape.
  for (int first : {0, 4, 8}) {
    w.tables().xy[first] = w.tables().xy[first] + Point2{0.5L, -0.25L};
    w.tables().xy[first + 1] = w.tables().xy[first + 1] + Point2{1, 0.5L};
  }
  w.ReplayConstruction(false);
  const auto& v = w.tables().xy;
  // The parallelogram and the rhombus: opposite sides equal and parallel.
  for (int first : {0, 8}) {
    const Point2 d = (v[first + 1] - v[first]) - (v[first + 2] - v[first + 3]);
    EXPECT_REAL_NEAR(kernel::Dist2(d, {0, 0}), 0, 1e-12L) << first;
  }
  EXPECT_REAL_NEAR(kernel::Dist2(v[8], v[9]), kernel::Dist2(v[8], v[11]), 1e-12L);
  // The kite: two pairs of equal adjacent sides.
  EXPECT_REAL_NEAR(kernel::Dist2(v[4], v[5]), kernel::Dist2(v[6], v[5]), 1e-12L);
  EXPECT_REAL_NEAR(kernel::Dist2(v[4], v[7]), kernel::Dist2(v[6], v[7]), 1e-12L);
  // Four separate units, each with its own tag.
  EXPECT_EQ(w.tables().attrs[0].tag, 1);
  EXPECT_EQ(w.tables().attrs[4].tag, 2);
  EXPECT_EQ(w.tables().attrs[11].tag, 3);
}

TEST_F(RandomFigures, HyperbolicFiguresStayInsideTheModel) {
  for (int halfPlane = 0; halfPlane < 2; ++halfPlane) {
    PlaneWindow w(1);
    if (halfPlane) w.ToggleHalfPlane();
    for (int kind : {54, 57, 59, 61, 62, 65, 71, 72, 73, 75}) {
      kernel::ConstructionRecord& step = w.history().BeginStep(static_cast<kernel::StepKind>(kind));
      if (kind == 62) step.operands[0] = 6;
      ASSERT_EQ(w.RunNewStep(), 0) << kind;
    }
    for (int i = 0; i <= w.tables().last_point; ++i) {
      EXPECT_FALSE(w.IsOutsideDomain(w.tables().xy[i])) << halfPlane << " point " << i;
    }
  }
}

TEST_F(RandomFigures, AnInscribedPolygonKeepsEachVertexInItsOwnSector) {
  // Seven vertices: sectors of 360 / 7 = 51 whole degrees, the last ending at 359.
  PlaneWindow w(0);
  kernel::SeedRandom(11);
  kernel::ConstructionRecord& step = w.history().BeginStep(62);
  step.operands[0] = 7;
  ASSERT_EQ(w.RunNewStep(), 0);
  ASSERT_EQ(w.tables().last_point, 6);
  const Real r = 0.6L * std::min(w.mapping.halfWidth, w.mapping.halfHeight);
  for (int i = 1; i <= 7; ++i) {
    const Point2 p = w.tables().xy[i - 1] - w.mapping.centre;
    EXPECT_REAL_NEAR(kernel::Dist2(p, {0, 0}), r, 1e-12L);
    const Real a = Degrees(p) < 51 * i + 2 - 180 ? Degrees(p) + 360 : Degrees(p);
    EXPECT_GT(a, 51 * i + 2) << i;
    EXPECT_LT(a, 51 * i + 49) << i;
  }
  // The inscribed polygon is a unit; a count below 3 is refused.
  EXPECT_EQ(w.tables().attrs[0].tag, 1);
  kernel::ConstructionRecord& bad = w.history().BeginStep(62);
  bad.operands[0] = 2;
  EXPECT_EQ(w.RunNewStep(), engine::kMsgOutOfBounds);
}

TEST_F(RandomFigures, APolygonWithoutRoomForItsVerticesIsRefusedBeforeItsStep) {
  PlaneWindow w(0);
  w.stepEngine.AdjustTables(engine::kLastPointLimit - 3, 0, 0);
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "5"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(715));
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"could not find"});
  EXPECT_TRUE(w.history().steps.empty());
}

TEST_F(RandomFigures, FullTablesGiveNoMoreRoomAndKeepLaterIndices) {
  platform::ScriptedResponder responder;
  responder.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  PlaneWindow w(0);
  w.stepEngine.AdjustTables(engine::kLastPointLimit - 1, 0, 0);
  EXPECT_EQ(w.RandomFigure(60), engine::kMsgNoMoreRoom);
  EXPECT_EQ(w.RandomFigure(72), engine::kMsgNoMoreRoom);
  EXPECT_EQ(w.tables().last_point, engine::kLastPointLimit - 2);
  EXPECT_TRUE(w.history().steps.empty());

  PlaneWindow circles(0);
  circles.stepEngine.AdjustTables(0, 0, engine::kLastCircleLimit + 1);
  ASSERT_TRUE(circles.DispatchCommand(706));
  EXPECT_EQ(responder.Messages(), (std::vector<std::string>(3, "no more room")));
  EXPECT_TRUE(circles.history().steps.empty());
  EXPECT_EQ(circles.tables().last_point, -1);

  // In a history (as from a file) a step that finds no room leaves its placeholders.
  PlaneWindow replay(0);
  for (int k = 0; k < 2; ++k) {
    kernel::ConstructionRecord step;
    step.kind = 60;
    replay.history().steps.push_back(step);
  }
  replay.stepEngine.building = 1;
  replay.ReplayConstruction(false);
  replay.stepEngine.building = 0;
  EXPECT_EQ(replay.tables().last_point, 5);
  EXPECT_EQ(replay.tables().last_line, 5);
}

TEST_F(RandomFigures, DescriptionsFollowTheirTemplates) {
  PlaneWindow w(0);
  for (int kind : {60, 73, 54}) ASSERT_EQ(w.RandomFigure(kind), 0);
  kernel::ConstructionRecord& step = w.history().BeginStep(62);
  step.operands[0] = 5;
  step.operands[4] = 0;  // thickness 1
  step.flag = 1;
  ASSERT_EQ(w.RunNewStep(), 0);
  EXPECT_EQ(Descriptions(w), (std::vector<std::string>{
                                 "ABC = random triangle (rgb(0,0,0), thickness 1, style solid)",
                                 "DEF = random isosceles triangle (rgb(0,0,0), thickness 1, style solid)",
                                 "GH = random circle (rgb(0,0,0), thickness 1, style solid)",
                                 "IJKLM = random convex polygon(5) (rgb(0,0,0), thickness 1, style solid)"}));
}

}  // namespace

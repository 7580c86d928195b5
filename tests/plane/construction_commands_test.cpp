// The shared construction commands on a plane window: segments, lines and rays between typed
// points, line texts and the axes, intersections, parallels and perpendiculars, tangents, and
// the pen new lines receive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/windows/line_attributes.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

using ConstructionCommands = IsolatedFolders;

// Points A, B, C, D at the corners of a square.
void Square(PlaneWindow& w) {
  w.FreePoint(0, 0);
  w.FreePoint(2, 0);
  w.FreePoint(2, 2);
  w.FreePoint(0, 2);
}

std::vector<int> Kinds(PlaneWindow& w) {
  std::vector<int> kinds;
  for (const kernel::ConstructionRecord& step : w.history().steps) kinds.push_back(step.kind);
  return kinds;
}

// The steps after the four free points: kind, first and second operand.
std::vector<std::vector<int>> LineSteps(PlaneWindow& w) {
  std::vector<std::vector<int>> out;
  for (const kernel::ConstructionRecord& step : w.history().steps) {
    if (step.kind != 121) out.push_back({step.kind, step.operands[0], step.operands[1]});
  }
  return out;
}

TEST_F(ConstructionCommands, SegmentListsMakeOneStepPerNeighbouringPair) {
  struct Case {
    const char* text;
    int code;
    std::vector<std::vector<int>> steps;
  };
  const std::vector<Case> cases{
      {"ABC", 0, {{111, 0, 1}, {111, 1, 2}}},
      {"ab/cd", 0, {{111, 0, 1}, {111, 2, 3}}},
      {"ABCA", 0, {{111, 0, 1}, {111, 1, 2}, {111, 2, 0}}},
      {"A", 1, {}},
      {"", 1, {}},
      // Labels no point holds are passed over, and so are pairs of the same point.
      {"AZ", 1, {}},
      {"AZB", 0, {{111, 0, 1}}},
      {"AAB", 0, {{111, 0, 1}}},
      {"AA", 9, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    PlaneWindow w(0);
    Square(w);
    EXPECT_EQ(w.SegmentsLinesRays(111, c.text), c.code);
    EXPECT_EQ(LineSteps(w), c.steps);
  }
}

TEST_F(ConstructionCommands, ADrawnSegmentIsNotDrawnAgainAndEachSideUndoesAlone) {
  PlaneWindow w(0);
  Square(w);
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "ABCA"}}, 1)
      .FillAndPress("ONEINPUT", {{211, "BA"}}, 1)
      .AnswerMessage(platform::IDOK)
      .FillAndPress("ONEINPUT", {{211, "A"}}, 1)
      .AnswerMessage(platform::IDOK);
  EXPECT_TRUE(w.DispatchCommand(771));
  ASSERT_EQ(w.tables().last_line, 2);
  // BA is the line AB: refused with "already drawn", no step.
  EXPECT_TRUE(w.DispatchCommand(771));
  EXPECT_TRUE(w.DispatchCommand(771));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"already drawn", "cannot understand"}));
  EXPECT_EQ(script.Unexpected(), std::vector<std::string>{});
  EXPECT_EQ(Kinds(w), (std::vector<int>{121, 121, 121, 121, 111, 111, 111}));

  ASSERT_EQ(w.UndoRedo(111, false), 1);
  EXPECT_EQ(w.tables().last_line, 1);
  ASSERT_EQ(w.UndoRedo(111, false), 1);
  EXPECT_EQ(w.tables().last_line, 0);
}

TEST_F(ConstructionCommands, LinesAndRaysExtendTheirEnds) {
  PlaneWindow w(0);
  Square(w);
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "AB"}}, 1).FillAndPress("ONEINPUT", {{211, "CD"}}, 1);
  EXPECT_TRUE(w.DispatchCommand(779));
  EXPECT_TRUE(w.DispatchCommand(792));
  ASSERT_EQ(w.tables().last_line, 1);
  EXPECT_TRUE(w.tables().lines[0].extends_first && w.tables().lines[0].extends_second);
  EXPECT_TRUE(w.tables().lines[1].extends_first && !w.tables().lines[1].extends_second);
  EXPECT_TRUE(script.Messages().empty());
}

TEST_F(ConstructionCommands, NewLinesTakeTheWindowsPen) {
  PlaneWindow w(0);
  Square(w);
  w.lineAttributes = {3, 2, 5};
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  const kernel::LinePen& pen = w.tables().lines[0].pen;
  EXPECT_EQ(pen.colour, 3);
  EXPECT_EQ(pen.width, 2);
  EXPECT_EQ(pen.style, 5);
}

TEST_F(ConstructionCommands, LineTextsNameLinesByTwoPointsOrTheAxes) {
  PlaneWindow euclidean(0);
  Square(euclidean);
  ASSERT_EQ(euclidean.SegmentsLinesRays(111, "AB"), 0);
  int line = 99;
  EXPECT_EQ(euclidean.ParseLineText("ba", line), 0);
  EXPECT_EQ(line, 0);
  EXPECT_EQ(euclidean.ParseLineText("xx", line), 0);
  EXPECT_EQ(line, -10);
  EXPECT_EQ(euclidean.ParseLineText("YY", line), 0);
  EXPECT_EQ(line, -20);
  EXPECT_EQ(euclidean.ParseLineText("AC", line), 1);
  EXPECT_EQ(euclidean.ParseLineText("ABC", line), 1);

  PlaneWindow hyperbolic(1);
  EXPECT_EQ(hyperbolic.ParseLineText("XX", line), 1);
  std::string x = "XX";
  std::string y = "YY";
  EXPECT_EQ(hyperbolic.DoLineIntersection(x, y), 1);
  EXPECT_TRUE(hyperbolic.history().steps.empty());
}

TEST_F(ConstructionCommands, TheIntersectionStepNamesItsLinesAndTheirPointsInOrder) {
  PlaneWindow w(0);
  Square(w);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AC/BD"), 0);
  std::string first = "CA";
  std::string second = "BD";
  ASSERT_EQ(w.DoLineIntersection(first, second), 0);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.kind, 103);
  // C is typed first but stands after A on the line.
  EXPECT_EQ(std::vector<int>(step.operands.begin(), step.operands.begin() + 6), (std::vector<int>{0, 2, 1, 3, 0, 1}));

  std::string x = "xx";
  std::string y = "yy";
  ASSERT_EQ(w.DoLineIntersection(x, y), 0);
  const kernel::ConstructionRecord& axes = w.history().steps.back();
  EXPECT_EQ(static_cast<std::int16_t>(axes.operands[4]), -10);
  EXPECT_EQ(static_cast<std::int16_t>(axes.operands[5]), -20);
  EXPECT_EQ(axes.operands[0], kernel::kNoOperand);
}

TEST_F(ConstructionCommands, ParallelsAndPerpendicularsCheckTheirLineAndPoint) {
  struct Case {
    const char* line;
    const char* point;
    int mode;
    int code;
  };
  // AB is drawn; C lies off it, E on it between A and B.
  const std::vector<Case> cases{
      {"AB", "C", 2, 0},   {"AB", "C", 3, 0},   {"AB", "C", 4, 0},   {"AB", "E", 2, 129}, {"AB", "E", 3, 0},
      {"AB", "E", 4, 129}, {"AB", "A", 2, 129}, {"AB", "A", 3, 0},   {"AB", "Z", 3, 2},   {"A", "C", 3, 2},
      {"AC", "D", 3, 135}, {"AA", "C", 3, 122}, {"[AB", "C", 3, 2},  {"xx", "C", 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " " + c.point + " " + std::to_string(c.mode));
    PlaneWindow w(0);
    Square(w);
    ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
    // E on AB, listed on the line.
    const int e = w.FreePoint(1, 0);
    ASSERT_TRUE(w.AddPointToLine(e, 0));
    const std::size_t before = w.history().steps.size();
    std::string line = c.line;
    std::string point = c.point;
    EXPECT_EQ(w.DoParallelPerpendicular(line, point, c.mode), c.code);
    EXPECT_EQ(w.history().steps.size(), before + (c.code == 0 ? 1 : 0));
  }
}

TEST_F(ConstructionCommands, AParallelStepCarriesItsPointLineModeAndPen) {
  PlaneWindow w(0);
  Square(w);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  w.lineAttributes = {2, 1, 0};
  std::string line = "ab";
  std::string point = "C";
  ASSERT_EQ(w.DoParallelPerpendicular(line, point, 2), 0);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.kind, 115);
  EXPECT_EQ(std::vector<int>(step.operands.begin(), step.operands.begin() + 6), (std::vector<int>{2, 0, 1, 0, 2, 1}));
  EXPECT_EQ(step.text[0], "C");
  EXPECT_EQ(step.text[2], "AB");

  std::string axis = "YY";
  ASSERT_EQ(w.DoParallelPerpendicular(axis, point, 3), 0);
  EXPECT_EQ(w.history().steps.back().operands[4], 23);
  EXPECT_EQ(w.history().steps.back().text[2], "y axis");
}

TEST_F(ConstructionCommands, TangentsChooseTheirKindAndCheckInOrder) {
  PlaneWindow w(0);
  Square(w);
  // The circle about A through B.
  ASSERT_EQ(w.Step(91, {0, 1}), 0);
  platform::ScriptedResponder script;
  EXPECT_EQ(w.NewTangentStep(0, "C", 0), 0);
  EXPECT_EQ(w.history().steps.back().kind, 135);
  EXPECT_EQ(w.NewTangentStep(0, "B", 0), 0);
  EXPECT_EQ(w.history().steps.back().kind, 136);
  EXPECT_EQ(w.NewTangentStep(-1, "C", 0), 15);
  EXPECT_EQ(w.NewTangentStep(4, "C", 0), 2);

  // Almost no room for points: refused before anything is built; a missing point weighs more.
  w.AdjustTables(7876 - w.tables().last_point, 0, 0);
  const std::size_t before = w.history().steps.size();
  EXPECT_EQ(w.NewTangentStep(0, "C", 0), 116);
  EXPECT_EQ(w.NewTangentStep(0, "Q", 0), 2);
  EXPECT_EQ(w.history().steps.size(), before);
  EXPECT_EQ(script.Messages(),
            (std::vector<std::string>{"make a selection", "could not find", "out of labels", "could not find"}));
}

TEST_F(ConstructionCommands, CommonTangentsNeedTwoDifferentCircles) {
  PlaneWindow w(0);
  Square(w);
  w.FreePoint(2, 2.5L);
  // Radii 2 and 0.5 about (0, 0) and (2, 2): apart, so all four common tangents exist.
  ASSERT_EQ(w.Step(91, {0, 1}), 0);
  ASSERT_EQ(w.Step(91, {2, 4}), 0);
  platform::ScriptedResponder script;
  EXPECT_EQ(w.NewCommonTangentStep(-1, 1, 0, 137), 15);
  EXPECT_EQ(w.NewCommonTangentStep(0, 5, 0, 137), 2);
  EXPECT_EQ(w.NewCommonTangentStep(1, 1, 0, 137), 9);
  EXPECT_EQ(w.NewCommonTangentStep(0, 1, 1, 136), 0);
  EXPECT_EQ(w.history().steps.back().kind, 91);
  ASSERT_EQ(w.NewCommonTangentStep(0, 1, 1, 137), 0);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.kind, 137);
  EXPECT_EQ(step.flag, 1);
  EXPECT_EQ(std::vector<int>(step.operands.begin(), step.operands.begin() + 6), (std::vector<int>{0, 1, 0, 2, 4, 1}));
}

TEST_F(ConstructionCommands, AnAngleKeepsItsValueTextWhole) {
  PlaneWindow w(0);
  Square(w);
  std::string points = "A";
  std::string value = "30";
  EXPECT_EQ(w.DoDrawAngle(points, value), 1);
  points = "ab";
  // 47 characters: more than one text holds, so the value is spread over the texts.
  value = std::string(21, '(') + "30" + std::string(21, ')') + "+00";
  ASSERT_EQ(w.DoDrawAngle(points, value), 0);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.kind, 114);
  EXPECT_EQ(step.operands[0], 0);
  EXPECT_EQ(step.operands[1], 1);
  EXPECT_EQ(step.operands[8], 2008);
  EXPECT_EQ(kernel::JoinConstructionText(step), value);
}

TEST_F(ConstructionCommands, CirclesAreDividedPairByPair) {
  PlaneWindow w(0);
  Square(w);
  ASSERT_EQ(w.Step(91, {0, 1}), 0);  // about A through B
  ASSERT_EQ(w.Step(91, {2, 1}), 0);  // about C through B
  std::string circles = "ab cb";
  std::string angle = "90";
  ASSERT_EQ(w.DoDivideCircles(circles, angle), 0);
  ASSERT_EQ(w.tables().last_point, 5);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[4].x), 0.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[4].y), 2.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[5].x), 4.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[5].y), 2.0, 1e-12);

  // No circle about A through C; a lone label; nothing is built.
  for (const char* text : {"AC", "A"}) {
    circles = text;
    EXPECT_NE(w.DoDivideCircles(circles, angle), 0);
  }
  EXPECT_EQ(w.tables().last_point, 5);
}

TEST_F(ConstructionCommands, ThickPensAlternateBetweenSolidAndHidden) {
  engine::LineAttributes thin;
  std::vector<int> styles;
  for (int i = 0; i < 7; ++i) {
    engine::AdvanceStyle(thin);
    styles.push_back(thin.style);
  }
  EXPECT_EQ(styles, (std::vector<int>{1, 2, 3, 4, 5, 0, 1}));

  engine::ChooseThickness(thin, 3);
  EXPECT_EQ(thin.style, 0);  // dotted gives way to solid
  styles.clear();
  for (int i = 0; i < 4; ++i) {
    engine::AdvanceStyle(thin);
    styles.push_back(thin.style);
  }
  EXPECT_EQ(styles, (std::vector<int>{5, 0, 5, 0}));
  engine::ChooseThickness(thin, 13);
  EXPECT_EQ(thin.thickness, 3);
}

}  // namespace

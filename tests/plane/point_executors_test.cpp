// Free points and points at typed coordinates: where they go, what they are called, how a failed
// step keeps the later steps' indices, and what they say of themselves.
#include <gtest/gtest.h>

#include <string>

#include "engine/step_engine.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using PointSteps = IsolatedFolders;

// The descriptions of the history, one a step.
std::vector<std::string> Descriptions(PlaneWindow& w) {
  std::vector<std::string> out;
  w.tables().ResetForReplay();
  for (kernel::ConstructionRecord& step : w.history().steps) {
    w.history().current = &step;
    std::string text;
    w.RedoStep(&text);
    out.push_back(text);
  }
  return out;
}

TEST_F(PointSteps, CoordinateTextsAreEvaluatedInBothForms) {
  PlaneWindow w(0);
  ASSERT_EQ(w.Step(122, {}, {"2*3", "1"}), 0);
  EXPECT_EQ(w.tables().xy[0], (Point2{6, 1}));
  EXPECT_EQ(w.stepText, "A = (2*3,1)");

  // The list form: the texts joined hold "x,y,".
  kernel::ConstructionRecord& step = w.history().BeginStep(122);
  step.operands[8] = 0;
  kernel::SplitConstructionText(step, "7-1,0.5*2,");
  ASSERT_EQ(w.RunNewStep(), 0);
  EXPECT_EQ(w.tables().xy[1], (Point2{6, 1}));
  EXPECT_EQ(w.stepText, "B = (7-1,0.5*2)");
}

TEST_F(PointSteps, AFailedCoordinateStepLeavesOnePlaceholderAndTheCompilersCode) {
  PlaneWindow w(0);
  std::string empty;
  engine::ExprValue value;
  const int compilerCode = w.CompileExpression(empty, value);
  ASSERT_GE(compilerCode, 1);

  // Made by a command, the step is refused with the code and leaves nothing behind.
  w.FreePoint(1, 1);
  EXPECT_EQ(w.Step(122, {}, {"2", ""}), compilerCode);
  EXPECT_EQ(w.tables().last_point, 0);
  EXPECT_EQ(w.history().steps.size(), 1u);

  // In a history (as read from a file) it keeps the place of its point, and the point after it
  // keeps its index.
  kernel::ConstructionRecord bad;
  bad.kind = 122;
  bad.text[0] = "2";
  w.history().steps.push_back(bad);
  w.tables().xy[2] = {3, 4};
  kernel::ConstructionRecord free;
  free.kind = 121;
  free.operands[0] = 2;
  w.history().steps.push_back(free);
  w.ReplayConstruction(false);
  ASSERT_EQ(w.tables().last_point, 2);
  EXPECT_TRUE(w.tables().exists[0]);
  EXPECT_FALSE(w.tables().exists[1]);
  EXPECT_TRUE(w.tables().exists[2]);
  EXPECT_EQ(w.tables().xy[2], (Point2{3, 4}));

  // The x text is evaluated too; the y text's code wins.
  std::string bracket = "(";
  const int bracketCode = w.CompileExpression(bracket, value);
  ASSERT_GE(bracketCode, 1);
  EXPECT_EQ(w.Step(122, {}, {"", "("}), bracketCode);
  EXPECT_EQ(w.Step(122, {}, {"(", "1"}), bracketCode);
}

TEST_F(PointSteps, AFreePointKeepsItsNameAndWhereItWasDropped) {
  PlaneWindow w(0);
  w.FreePoint(1, 2);
  const int b = w.FreePoint(3, 4);
  w.Step(122, {}, {"5", "5"});
  const int bLabel = w.tables().names[b].label;
  w.tables().xy[b] = {-7, 8};  // dragged
  w.ReplayConstruction(false);
  EXPECT_EQ(w.tables().xy[b], (Point2{-7, 8}));
  EXPECT_EQ(w.tables().names[b].label, bLabel);
  EXPECT_EQ(w.tables().last_point, 2);
  EXPECT_EQ(w.tables().xy[2], (Point2{5, 5}));
}

TEST_F(PointSteps, AFreePointWhoseLabelIsTakenGetsAFreeOne) {
  // A history read from a file that names the same label twice: the second point takes the next
  // free label, and each label names its own point.
  PlaneWindow w(0);
  for (int k = 0; k < 2; ++k) {
    kernel::ConstructionRecord step;
    step.kind = 121;
    step.operands[0] = 0;
    w.history().steps.push_back(step);
  }
  w.ReplayConstruction(false);
  ASSERT_EQ(w.tables().last_point, 1);
  EXPECT_EQ(w.tables().names[0].label, 0);
  EXPECT_EQ(w.tables().names[1].label, 1);
  EXPECT_EQ(w.tables().label_map[0], 0);
  EXPECT_EQ(w.tables().label_map[1], 1);
}

TEST_F(PointSteps, DescriptionsOfFreePointsInBothGeometries) {
  PlaneWindow plane(0);
  plane.numberFormat.decimals = 2;
  plane.numberFormat.fieldWidth = 4;
  plane.FreePoint(1.5L, -2);
  // Far points: the coordinate text is cut to 40 characters.
  plane.FreePoint(1e30L, -1e30L);
  plane.Step(122, {}, {"1", "2"});
  const std::vector<std::string> texts = Descriptions(plane);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "movable A = (1.50,-2.00)");
  EXPECT_EQ(texts[1].rfind("movable B = (1000000000", 0), 0u);
  EXPECT_EQ(texts[1].size(), std::string("movable B = ").size() + 40);
  EXPECT_EQ(texts[2], "C = (1,2)");
  // The scratch text of the description is emptied again.
  EXPECT_EQ(plane.history().steps[0].text[2], "");

  PlaneWindow disk(1);
  disk.FreePoint(0.5L, 0);
  EXPECT_EQ(Descriptions(disk), std::vector<std::string>{"movable A"});
}

TEST_F(PointSteps, AFullPointTableRefusesBothKinds) {
  PlaneWindow w(0);
  engine::StepEngine& e = w.stepEngine;
  e.AdjustTables(engine::kPointCapacity, 0, 0);
  ASSERT_EQ(w.tables().last_point, engine::kLastPointLimit);
  EXPECT_EQ(w.Step(121, {0}), engine::kMsgNoMoreRoom);
  EXPECT_EQ(w.Step(122, {}, {"1", "1"}), engine::kMsgNoMoreRoom);
  EXPECT_EQ(w.tables().last_point, engine::kLastPointLimit);
}

}  // namespace

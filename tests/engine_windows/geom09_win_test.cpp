// The figure and step layers of a geometry window: steps made by commands, Undo and Redo, the
// replay of the whole history and the replay of what a dragged point feeds, and the dispatch of
// every step kind to the window's own operation.
#include "engine/windows/geom09_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/step_operations.h"
#include "kernel/vector2.h"
#include "step_window.h"

namespace {

using engine_windows_test::Snapshot;
using engine_windows_test::StepWindow;

class StepWindowTest : public testing::Test {
 protected:
  // A, B, C free; segment AB; circle about A through C; D a quarter of the way from A to B;
  // segment CD.
  void Build() {
    a = w.FreePoint(0, 0);
    b = w.FreePoint(4, 0);
    c = w.FreePoint(0, 3);
    ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
    ASSERT_EQ(w.Step(91, {a, c, -1, 0, 0, 0}), 0);
    ASSERT_EQ(w.Step(101, {a, b, 0, -1, -1, -1}, {"0.25"}), 0);
    d = w.tables().last_point;
    ASSERT_EQ(w.Step(111, {c, d, -1, 0, 0, 0}), 0);
  }

  StepWindow w;
  int a = 0, b = 0, c = 0, d = 0;
};

TEST_F(StepWindowTest, CommandsCommitTheirStepsAndTheViewFollows) {
  Build();
  EXPECT_EQ(w.history().steps.size(), 7u);
  EXPECT_EQ(w.stepText.substr(0, 11), "segment CD ");  // then its colour, thickness and style
  EXPECT_EQ(w.updates, std::vector<bool>(7, true));  // each commit keeps the view unless something sticks out
  EXPECT_TRUE(w.IsModified());
  EXPECT_EQ(w.LastStepType(), 111);

  // A failed step gives back what it reserved and leaves the history and the redo list alone.
  ASSERT_EQ(w.UndoRedo(0, true), 1);
  const Snapshot before(w.tables());
  EXPECT_EQ(w.Step(101, {a, b, 0, -1, -1, -1}, {"(("}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(Snapshot(w.tables()), before);
  EXPECT_EQ(w.history().steps.size(), 6u);
  EXPECT_EQ(w.history().redo.size(), 1u);
  EXPECT_EQ(w.history().pending(), nullptr);
}

TEST_F(StepWindowTest, UndoThenRedoRestoresTheSameFigure) {
  Build();
  const Snapshot built(w.tables());
  ASSERT_EQ(w.UndoRedo(0, true), 1);  // segment CD
  ASSERT_EQ(w.UndoRedo(0, true), 1);  // the point D
  EXPECT_EQ(w.tables().last_point, c);
  EXPECT_EQ(w.tables().last_line, 0);
  EXPECT_EQ(w.UndoRedo(111, true), 0);  // the last step is no segment
  ASSERT_EQ(w.UndoRedo(-1, true), 1);
  ASSERT_EQ(w.UndoRedo(-1, true), 1);
  EXPECT_EQ(w.UndoRedo(-1, true), 0);  // nothing left to redo
  EXPECT_EQ(Snapshot(w.tables()), built);
  EXPECT_EQ(w.freePointRuns, 3 + 4 * 3);  // made once, then once in each of the four replays

  // The first step is never taken back.
  StepWindow single;
  single.FreePoint(1, 1);
  EXPECT_EQ(single.UndoRedo(0, true), 0);
  EXPECT_EQ(single.tables().last_point, 0);
}

TEST_F(StepWindowTest, ReplayingTwiceGivesTheSameIndicesAndLabels) {
  Build();
  ASSERT_EQ(w.Step(123, {a, d}), 0);  // A and D swap their labels
  const Snapshot built(w.tables());
  EXPECT_EQ(built.labels[a], 3);
  EXPECT_EQ(built.labels[d], 0);
  EXPECT_EQ(w.ReplayConstruction(true), 8);
  EXPECT_EQ(Snapshot(w.tables()), built);
  EXPECT_EQ(w.ReplayConstruction(true), 8);
  EXPECT_EQ(Snapshot(w.tables()), built);
}

TEST_F(StepWindowTest, ADragReplaysOnlyTheStepsDownstreamOfTheMovedPoint) {
  Build();
  ASSERT_EQ(w.Step(123, {a, d}), 0);
  const int freeRuns = w.freePointRuns;
  w.tables().xy[b] = {8, 2};
  const std::uint16_t moved[] = {static_cast<std::uint16_t>(b)};
  // Segment AB, the point D on it and segment CD; neither the free points, the circle nor the
  // swap of labels run again.
  EXPECT_EQ(w.ReplayMovedPoints(moved), 3);
  EXPECT_EQ(w.freePointRuns, freeRuns);
  EXPECT_EQ(w.tables().xy[d], (kernel::Point2{2, 0.5L}));
  const Snapshot dragged(w.tables());
  EXPECT_EQ(dragged.labels[d], 0);
  w.ReplayConstruction(true);
  EXPECT_EQ(Snapshot(w.tables()), dragged);
}

TEST_F(StepWindowTest, UndoMarksCutTheFillsOfATransformationBack) {
  Build();
  w.fills.resize(3);
  ASSERT_EQ(w.Step(145, {}), 0);  // a translation (its executor is the plane layer's; nothing here)
  w.PushUndoMark(145);
  w.fills.resize(5);  // the images' fills
  ASSERT_EQ(w.UndoRedo(0, true), 1);
  EXPECT_EQ(w.fills.size(), 3u);
  ASSERT_EQ(w.UndoRedo(-1, true), 1);
  EXPECT_EQ(w.fills.size(), 5u);  // Redo pushed a new mark, then added the images' fills
  w.PopUndoMark(146);             // not the top mark's kind
  EXPECT_EQ(w.fills.size(), 5u);
  w.PopUndoMark(145);
  EXPECT_EQ(w.fills.size(), 3u);
}

TEST_F(StepWindowTest, UndoAndRedoOfARelabelRenameTheTexts) {
  Build();
  const int label_of_c = w.tables().names[c].label;
  ASSERT_EQ(w.Step(120, {label_of_c, c, 25}), 0);  // C becomes Z
  EXPECT_EQ(w.tables().label_map[25], c);
  ASSERT_EQ(w.UndoRedo(0, true), 1);
  ASSERT_EQ(w.UndoRedo(-1, true), 1);
  EXPECT_EQ(w.renames, (std::vector<std::string>{"Z>C", "C>Z"}));
  EXPECT_EQ(w.tables().names[c].label, 25);
}

TEST_F(StepWindowTest, TheWindowIsTheExpressionContextOfItsSteps) {
  kernel::Real value = 0;
  EXPECT_EQ(w.ParseNumber("2*3+1", value), 0);
  EXPECT_EQ(value, 7);
  EXPECT_NE(w.ParseNumber("2*", value), 0);
  // A leading minus, and one after an operator or a bracket, negates.
  for (const auto& [text, expected] : {std::pair{"-24", -24.0L}, {"3*-2", -6.0L}, {"(-1)-(-4)", 3.0L}}) {
    EXPECT_EQ(w.ParseNumber(text, value), 0) << text;
    EXPECT_EQ(value, expected) << text;
  }
  EXPECT_FALSE(w.InNonEuclideanModel());
  w.SetGeometry(engine::kUpperHalfPlane, 2);
  EXPECT_TRUE(w.InNonEuclideanModel());
  EXPECT_TRUE(w.stepEngine.model.HalfPlane);
  w.SetGeometry(engine::kEuclideanPlane, 3);
  EXPECT_EQ(w.Dimension(), 3);
  EXPECT_EQ(w.stepEngine.dimension, 3);
}

// Every step kind a geometry layer executes reaches its own operation of the window.
class DispatchWindow : public engine::TGeom09Win {
 public:
  DispatchWindow() : TGeom09Win(nullptr, "dispatch") {}
#define KV_RECORD(kind, name)        \
  int name(std::string*) override { \
    reached.push_back(kind);         \
    return 0;                        \
  }
  KV_WINDOW_STEP_OPERATIONS(KV_RECORD)
#undef KV_RECORD
  int DoLibraryPolyhedron(int code, std::string*) override {
    library.push_back(code);
    return 0;
  }
  std::vector<int> reached;
  std::vector<int> library;
};

TEST(StepDispatch, EveryKindReachesItsOwnOperation) {
  const int kinds[] = {
#define KV_KIND(kind, name) kind,
      KV_WINDOW_STEP_OPERATIONS(KV_KIND)
#undef KV_KIND
  };
  DispatchWindow w;
  for (int kind : kinds) {
    w.history().BeginStep(static_cast<kernel::StepKind>(kind));
    w.RedoStep(nullptr);
    w.history().EndStep(true);
  }
  EXPECT_EQ(w.reached, std::vector<int>(std::begin(kinds), std::end(kinds)));

  for (int kind : {23, 342, 512}) {
    w.history().BeginStep(static_cast<kernel::StepKind>(kind));
    w.RedoStep(nullptr);
    w.history().EndStep(true);
  }
  EXPECT_EQ(w.reached.size(), std::size(kinds));
  EXPECT_EQ(w.library, std::vector<int>{1033});
  EXPECT_EQ(w.tables().last_point, -1);
}

}  // namespace

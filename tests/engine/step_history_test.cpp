#include "engine/step_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/relabel_steps.h"
#include "step_engine_fixture.h"

namespace {

using engine::StepHistory;

// The window around the history: texts, fills and the replay, recorded.
class RecordingHooks : public engine::HistoryHooks {
 public:
  explicit RecordingHooks(engine::StepEngine* engine = nullptr) : engine_(engine) {}
  bool CheckEditLock() override { return unlocked; }
  void RenameLabelInTexts(const std::string& old_name, const std::string& new_name) override {
    renames.push_back(old_name + ">" + new_name);
  }
  int FillCount() const override { return fills; }
  void TruncateFills(int count) override { fills = count; }
  void TransformFills() override { fills += 2; }
  void ReplayConstruction() override {
    ++replays;
    if (engine_ != nullptr) engine_->ReplayConstruction(true);
  }

  bool unlocked = true;
  int fills = 0;
  int replays = 0;
  std::vector<std::string> renames;

 private:
  engine::StepEngine* engine_;
};

void Append(StepHistory& h, int kind) {
  h.BeginStep(static_cast<kernel::StepKind>(kind));
  h.AppendStep();
}

TEST(StepHistory, AppendNumbersStepsAndEmptiesTheRedoList) {
  StepHistory h;
  RecordingHooks hooks;
  Append(h, 121);
  EXPECT_EQ(h.LastStepType(), -1);  // only the first step
  Append(h, 145);
  EXPECT_EQ(h.steps.back().sequence, 1);
  EXPECT_EQ(h.LastStepType(), 145);
  EXPECT_EQ(h.last_step_repeatable, 1);
  EXPECT_TRUE(h.IsModified());
  ASSERT_EQ(h.UndoRedo(0, true, hooks), 1);
  EXPECT_EQ(h.redo.size(), 1u);
  EXPECT_EQ(h.last_step_repeatable, 0);
  Append(h, 111);
  EXPECT_TRUE(h.redo.empty());
  EXPECT_EQ(h.UndoRedo(-1, true, hooks), 0);
}

TEST(StepHistory, UndoRefusals) {
  StepHistory h;
  RecordingHooks hooks;
  EXPECT_EQ(h.UndoRedo(0, true, hooks), 0);  // empty
  Append(h, 121);
  EXPECT_EQ(h.UndoRedo(0, true, hooks), 0);  // the first step stays
  EXPECT_EQ(h.UndoRedo(-1, true, hooks), 0);  // nothing to redo
  Append(h, 121);
  Append(h, 120);
  EXPECT_EQ(h.UndoRedo(123, true, hooks), 0);  // a dialog of another kind
  hooks.unlocked = false;
  EXPECT_EQ(h.UndoRedo(0, true, hooks), 0);
  hooks.unlocked = true;
  h.protected_step = 2;
  EXPECT_EQ(h.UndoRedo(0, true, hooks), 0);
  EXPECT_EQ(h.steps.size(), 3u);
  EXPECT_EQ(hooks.replays, 0);
  h.protected_step = 1;
  EXPECT_EQ(h.UndoRedo(120, true, hooks), 1);
  EXPECT_EQ(h.UndoRedo(0, true, hooks), 0);  // step 1 is protected
}

TEST(StepHistory, UndoMarksCutTheFillsOfATransformation) {
  StepHistory h;
  RecordingHooks hooks;
  Append(h, 121);
  Append(h, 145);
  hooks.fills = 5;
  h.PushUndoMark(145, 3);
  ASSERT_EQ(h.UndoRedo(0, true, hooks), 1);
  EXPECT_EQ(hooks.fills, 3);
  EXPECT_TRUE(h.marks.empty());
  h.save_labels = 0;
  ASSERT_EQ(h.UndoRedo(-1, true, hooks), 1);
  EXPECT_EQ(h.steps.back().operands[39], 1);  // save labels off
  EXPECT_EQ(hooks.fills, 5);                  // the images' fills are made again
  ASSERT_EQ(h.marks.size(), 1u);
  EXPECT_EQ(h.marks[0].count, 3);
  // A mark of another kind stays.
  EXPECT_EQ(h.PopUndoMark(150), -1);
  h.save_labels = 1;
  h.UndoRedo(0, true, hooks);
  h.UndoRedo(-1, true, hooks);
  EXPECT_EQ(h.steps.back().operands[39], kernel::kNoOperand);
}

TEST(StepHistory, UndoShortensTheMacroRangeAndCountsCopies) {
  StepHistory h;
  RecordingHooks hooks;
  for (int kind : {121, 121, 457, 111}) Append(h, kind);
  h.macro_first = 3;
  h.macro_last = 3;
  h.copy_counter = 1;
  h.UndoRedo(0, true, hooks);
  EXPECT_EQ(h.macro_last, 2);
  EXPECT_EQ(h.macro_first, 2);
  h.UndoRedo(0, true, hooks);
  EXPECT_EQ(h.copy_counter, 0);
  h.UndoRedo(-1, true, hooks);
  EXPECT_EQ(h.copy_counter, 1);
  EXPECT_EQ(h.steps.back().sequence, 2);
}

using RelabelTest = engine_test::StepFixture;

TEST_F(RelabelTest, UndoAndRedoOfARelabelRenameTheTexts) {
  const int a = FreePoint(0, 0);
  FreePoint(1, 0);
  std::vector<std::string> texts{"[SEG](AB)", "A"};
  ASSERT_EQ(engine::RelabelOrSwap(engine, texts, "A", "Q"), 0);
  EXPECT_EQ(texts[0], "[SEG](QB)");
  EXPECT_EQ(engine.tables.names[a].label, 16);
  EXPECT_EQ(engine.tables.label_map[0], -1);
  EXPECT_EQ(engine.tables.FindPointByName("Q"), a);

  RecordingHooks hooks(&engine);
  ASSERT_EQ(engine.history.UndoRedo(0, true, hooks), 1);
  EXPECT_EQ(hooks.renames, (std::vector<std::string>{"Q>A"}));
  EXPECT_EQ(engine.tables.names[a].label, 0);
  ASSERT_EQ(engine.history.UndoRedo(-1, true, hooks), 1);
  EXPECT_EQ(hooks.renames.back(), "A>Q");
  EXPECT_EQ(engine.tables.names[a].label, 16);
}

TEST_F(RelabelTest, SwapKeepsEveryIndexAndUsesPlaceholders) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(1, 0);
  std::vector<std::string> texts{"[SEG](AB)", "B"};
  ASSERT_EQ(engine::RelabelOrSwap(engine, texts, "A", "B"), 0);
  EXPECT_EQ(texts[0], "[SEG](BA)");
  EXPECT_EQ(texts[1], "A");
  EXPECT_EQ(engine.tables.names[a].label, 1);
  EXPECT_EQ(engine.tables.names[b].label, 0);
  EXPECT_EQ(engine.tables.label_map[0], b);
  EXPECT_EQ(engine.history.steps.back().kind, 123);
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.tables.names[a].label, 1);
  EXPECT_EQ(engine.tables.last_point, 1);
}

TEST_F(RelabelTest, RelabelCodes) {
  const int a = FreePoint(0, 0);
  FreePoint(1, 0);
  std::vector<std::string> texts;
  EXPECT_EQ(engine::RelabelOrSwap(engine, texts, "X", "Y"), engine::kMsgCouldNotFind);
  EXPECT_EQ(engine::RelabelOrSwap(engine, texts, "A", "A"), engine::kMsgNothingToDo);
  EXPECT_EQ(engine::RelabelOrSwap(engine, texts, "A", "+"), engine::kMsgCannotUnderstand);
  EXPECT_EQ(engine::RelabelPointTo(engine, texts, a, "B"), engine::kMsgLabelInUse);
  EXPECT_EQ(engine::RelabelPointTo(engine, texts, a, "a"), -2);
  EXPECT_EQ(engine::RelabelPointTo(engine, texts, a, "?"), engine::kMsgCannotUnderstand);
  EXPECT_EQ(engine.history.steps.size(), 2u);
  // Only the second text names a point: it is relabelled with the first.
  EXPECT_EQ(engine::RelabelOrSwap(engine, texts, "Z", "B"), 0);
  EXPECT_EQ(engine.tables.FindPointByName("Z"), 1);
}

}  // namespace

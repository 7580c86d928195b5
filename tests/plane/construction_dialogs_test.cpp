// The construction dialog (mark, undo, close) on the plane window's intersection command, and the
// label style and macro definition dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/label_style_dlg.h"
#include "engine/windows/macro_def_dlg.h"
#include "kernel/vector2.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

using ConstructionDialogs = IsolatedFolders;

// A square ABCD with its diagonals AC and BD drawn.
void SquareWithDiagonals(PlaneWindow& w) {
  w.FreePoint(0, 0);
  w.FreePoint(2, 0);
  w.FreePoint(2, 2);
  w.FreePoint(0, 2);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AC/BD"), 0);
}

int Count(PlaneWindow& w, int kind) {
  int n = 0;
  for (const kernel::ConstructionRecord& step : w.history().steps) n += step.kind == kind ? 1 : 0;
  return n;
}

TEST_F(ConstructionDialogs, MarkAppliesNewTextsOnceAndUndoFollowsTheLastStep) {
  PlaneWindow w(0);
  SquareWithDiagonals(w);
  ASSERT_TRUE(w.DispatchCommand(780));
  engine::TDoUndoDlg* dialog = w.intersectionDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->IsVisible());
  // The first two drawn lines are offered.
  EXPECT_EQ(dialog->GetItemText(211), "AC");
  EXPECT_EQ(dialog->GetItemText(212), "BD");
  EXPECT_FALSE(dialog->IsItemEnabled(98));

  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  dialog->PressButton(91);
  EXPECT_EQ(Count(w, 103), 1);
  EXPECT_TRUE(dialog->IsItemEnabled(98));
  // Lower case is upper-cased before the comparison: unchanged, nothing to do.
  dialog->SetItemText(211, "ac");
  dialog->PressButton(91);
  EXPECT_EQ(Count(w, 103), 1);

  // Another kind of step last: Undo is off until that step is undone.
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  EXPECT_FALSE(dialog->IsItemEnabled(98));
  ASSERT_EQ(w.UndoRedo(0, false), 1);
  EXPECT_TRUE(dialog->IsItemEnabled(98));

  // Undo, then the same texts build the object again.
  dialog->PressButton(98);
  EXPECT_EQ(Count(w, 103), 0);
  EXPECT_FALSE(dialog->IsItemEnabled(98));
  dialog->PressButton(91);
  EXPECT_EQ(Count(w, 103), 1);

  // A failed action leaves its texts unapplied: the same wrong texts are reported again.
  dialog->SetItemText(212, "AB");
  dialog->PressButton(91);
  dialog->PressButton(91);
  EXPECT_EQ(Count(w, 103), 1);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"nothing to do", "cannot understand", "cannot understand"}));
  EXPECT_TRUE(script.Unexpected().empty());

  // Close hides the dialog; the command shows the same one again.
  dialog->PressButton(2);
  EXPECT_FALSE(dialog->IsVisible());
  ASSERT_TRUE(w.DispatchCommand(780));
  EXPECT_EQ(w.intersectionDialog(), dialog);
  EXPECT_TRUE(dialog->IsVisible());
}

TEST_F(ConstructionDialogs, WithoutLinesTheAxesAreOffered) {
  PlaneWindow w(0);
  w.FreePoint(1, 1);
  ASSERT_TRUE(w.DispatchCommand(780));
  EXPECT_EQ(w.intersectionDialog()->GetItemText(211), "XX");
  EXPECT_EQ(w.intersectionDialog()->GetItemText(212), "YY");
}

TEST_F(ConstructionDialogs, LabelStyleSetsMarkersAndLabelsOfTheListedPoints) {
  PlaneWindow w(0);
  for (int i = 0; i < 4; ++i) w.FreePoint(i, 0);
  engine::TLabDlg dialog(&w);
  dialog.Create();
  EXPECT_EQ(dialog.GetItemText(engine::kLabelPoints), "A-D");
  EXPECT_TRUE(dialog.IsChecked(engine::kLabelFirstMarker));
  EXPECT_TRUE(dialog.IsChecked(engine::kLabelShown));

  dialog.SetItemText(engine::kLabelPoints, "a-c");
  dialog.PressButton(engine::kLabelFirstMarker + 2);
  dialog.PressButton(engine::kLabelShown);
  dialog.PressButton(engine::kLabelApply);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.tables().names[i].shown, 0);
    EXPECT_EQ(w.tables().names[i].marker, 2);
  }
  EXPECT_EQ(w.tables().names[3].shown, 1);
}

TEST_F(ConstructionDialogs, MacroRangesRefuseStepsAMacroCannotReplay) {
  struct Case {
    std::vector<int> kinds;  // steps 0, 1, 2, ... of the history
    int message;
  };
  const std::vector<Case> cases{
      {{121, 111, 116}, 0},    // the range below starts at step 1
      {{121, 60, 111}, 113},   // a random triangle
      {{121, 120, 60}, 113},   // the later refusal decides
      {{121, 60, 120}, 110},
      {{121, 144, 90}, 113},
      {{121, 121, 111}, 111},  // mouse data
  };
  for (const Case& c : cases) {
    PlaneWindow w(0);
    for (const int kind : c.kinds) {
      w.history().BeginStep(static_cast<kernel::StepKind>(kind));
      w.history().AppendStep();
    }
    engine::MacroRange range{1, static_cast<std::int16_t>(c.kinds.size() - 1)};
    std::string variables;
    std::string returns;
    engine::TMacDlg dialog(&w, "", &range, &variables, &returns);
    EXPECT_EQ(dialog.CheckRange(), c.message);
  }
}

TEST_F(ConstructionDialogs, MacroStartAndStopKeepTheRangeInOrder) {
  PlaneWindow w(0);
  engine::MacroRange range{0, 0};
  std::string variables = "A";
  std::string returns = "B";
  engine::TMacDlg dialog(&w, "0 point\r\n1 segment\r\n2 line\r\n3 cut", &range, &variables, &returns);
  dialog.Create();
  // The last line has no carriage return and is not listed.
  EXPECT_EQ(dialog.ListCount(engine::kMacroSteps), 3);
  EXPECT_EQ(dialog.GetItemText(engine::kMacroVariables), "A");

  dialog.ListSelect(engine::kMacroSteps, 2);
  dialog.PressButton(engine::kMacroStart);
  dialog.ListSelect(engine::kMacroSteps, 1);
  dialog.PressButton(engine::kMacroStop);
  EXPECT_EQ(dialog.Range().first, 2);
  EXPECT_EQ(dialog.Range().last, 2);
  EXPECT_EQ(dialog.Caption(), "macro = steps 2 ... 2");

  // OK hands the range and the texts to the caller.
  dialog.SetItemText(engine::kMacroVariables, "P Q");
  dialog.PressButton(1);
  EXPECT_EQ(range.first, 2);
  EXPECT_EQ(range.last, 2);
  EXPECT_EQ(variables, "P Q");
  EXPECT_EQ(returns, "B");
}

}  // namespace

namespace {

TEST_F(ConstructionDialogs, TheCoordinateDialogPlacesPointsAtTypedExpressions) {
  PlaneWindow w(0);
  ASSERT_TRUE(w.DispatchCommand(789));
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  engine::TDoUndoDlg dialog(&w, "XYINPUT", 13, 122, engine::kDoUndoTextLimit, {"0.0", "0.0", "", "", ""});
  dialog.Create();
  dialog.SetItemText(211, "1+1");
  dialog.SetItemText(212, "3");
  EXPECT_TRUE(dialog.Mark());
  ASSERT_EQ(w.tables().last_point, 0);
  EXPECT_EQ(w.tables().xy[0], (kernel::Point2{2, 3}));
  // The history's first step is never taken back.
  EXPECT_FALSE(dialog.IsItemEnabled(98));
  dialog.SetItemText(212, "4");
  EXPECT_TRUE(dialog.Mark());
  EXPECT_TRUE(dialog.IsItemEnabled(98));
  dialog.SetItemText(212, "3*");
  EXPECT_FALSE(dialog.Mark());
  EXPECT_EQ(w.tables().last_point, 1);
  EXPECT_EQ(script.Messages().size(), 1U);
}

}  // namespace

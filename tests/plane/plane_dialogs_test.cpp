// The small plane dialogs driven through their commands: the sizes of an array of circles, the
// choice of a circle for a random point, the Poincare disk connection, and the data of a solid on
// a plane base with what the figure makes of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/step_engine.h"
#include "plane/poincare_dlg.h"
#include "plane/sel_circ_dlg.h"
#include "plane/solid_base_inputs.h"
#include "plane/solid_dlg.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

using PlaneDialogs = IsolatedFolders;

constexpr int kRectangularArray = 663;
constexpr int kTriangularArray = 664;
constexpr int kRandomPointOnCircle = 731;
constexpr int kPoincare = 889;

// A circle of radius r about (x, y), with its centre and a point on it.
void Circle(PlaneWindow& w, kernel::Real x, kernel::Real y, const std::string& r) {
  const int centre = w.FreePoint(x, y);
  ASSERT_EQ(w.Step(92, {centre, -1, -1, -1, 0, -1}, {r}), 0);
}

TEST_F(PlaneDialogs, ArraysOfCirclesAskTheirSizesFirst) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  script.OnDialog("CIRCRECT", [](platform::Dialog& d) {
    EXPECT_EQ(d.GetItemText(211), "3");
    EXPECT_EQ(d.GetItemText(212), "4");
    EXPECT_EQ(d.GetItemText(213), "1.00");
    d.PressButton(1);
  });
  EXPECT_TRUE(w.DispatchCommand(kRectangularArray));
  EXPECT_EQ(w.tables().last_point, 23);
  EXPECT_EQ(w.tables().last_circle, 11);
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.history().steps[0].kind, 167);

  script.FillAndPress("CIRCTRI", {{211, "0"}, {212, "1"}}, 1)
      .AnswerMessage(platform::IDOK)
      .FillAndPress("CIRCTRI", {{211, "2"}, {212, "0"}}, 1)
      .AnswerMessage(platform::IDOK)
      .FillAndPress("CIRCTRI", {{211, "4"}, {212, "0.5"}}, 2);
  EXPECT_TRUE(w.DispatchCommand(kTriangularArray));
  EXPECT_TRUE(w.DispatchCommand(kTriangularArray));
  EXPECT_TRUE(w.DispatchCommand(kTriangularArray));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"nothing to do", "positive value?"}));
  EXPECT_EQ(w.tables().last_point, 23);
  EXPECT_EQ(w.history().steps.size(), 1u);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(PlaneDialogs, AnArrayTooLargeForTheTablesIsRefused) {
  PlaneWindow w(0);
  w.tables().last_point = 7859;
  platform::ScriptedResponder script;
  script.FillAndPress("CIRCRECT", {}, 1).AnswerMessage(platform::IDOK);
  EXPECT_TRUE(w.DispatchCommand(kRectangularArray));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"too large"}));
  EXPECT_EQ(w.tables().last_point, 7859);
  EXPECT_EQ(w.tables().last_circle, -1);
}

TEST_F(PlaneDialogs, TheCircleSelectionChoosesTheCircleOfARandomPoint) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  // No circle: OK does nothing, cancel closes.
  script.OnDialog("SELCIRC", [](platform::Dialog& d) {
    EXPECT_EQ(d.ListCount(plane::kCircleListId), 0);
    d.PressButton(1);
    EXPECT_NE(d.result(), platform::IDOK);
    d.PressButton(2);
  });
  EXPECT_TRUE(w.DispatchCommand(kRandomPointOnCircle));
  EXPECT_EQ(w.tables().last_point, -1);

  // One circle: OK takes it without a selection.
  Circle(w, 1, 1, "2");
  script.FillAndPress("SELCIRC", {}, 1);
  EXPECT_TRUE(w.DispatchCommand(kRandomPointOnCircle));
  ASSERT_EQ(w.history().steps.back().kind, 82);
  EXPECT_EQ(w.history().steps.back().operands[2], 0);

  // Several circles, one of them no longer used: each has its line; OK waits for a choice.
  Circle(w, -3, 0, "1");
  Circle(w, 3, 0, "1");
  w.tables().circles[1].exists = 0;
  script.OnDialog("SELCIRC", [](platform::Dialog& d) {
    ASSERT_EQ(d.ListCount(plane::kCircleListId), 3);
    EXPECT_NE(d.ListText(plane::kCircleListId, 1).find("(not used)"), std::string::npos);
    d.PressButton(1);
    EXPECT_NE(d.result(), platform::IDOK);
    d.ListSelect(plane::kCircleListId, 2);
    d.PressButton(1);
  });
  EXPECT_TRUE(w.DispatchCommand(kRandomPointOnCircle));
  EXPECT_EQ(w.history().steps.back().operands[2], 2);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(PlaneDialogs, PoincareConnectionMarksArcsInTheChosenCircle) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(kPoincare).enabled);
  Circle(w, 0, 0, "3");
  w.FreePoint(1, 0.5L);
  w.FreePoint(-0.5L, 1.5L);
  ASSERT_TRUE(w.QueryCommand(kPoincare).enabled);
  EXPECT_TRUE(w.DispatchCommand(kPoincare));
  plane::TPoincareDlg* dialog = w.poincareDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->IsVisible());
  EXPECT_EQ(dialog->GetItemText(plane::kPoincarePointsEdit), "CD");
  EXPECT_FALSE(dialog->IsItemEnabled(plane::kPoincareUndo));
  // The only circle is taken without a selection.
  dialog->PressButton(plane::kPoincareMark);
  EXPECT_EQ(w.LastStepType(), 118);
  EXPECT_EQ(w.history().steps.back().operands[0], 0);
  EXPECT_EQ(w.tables().last_circle, 1);
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kPoincareUndo));
  EXPECT_EQ(dialog->ListCount(plane::kCircleListId), 2);
  dialog->PressButton(plane::kPoincareUndo);
  EXPECT_EQ(w.LastStepType(), 121);
  EXPECT_EQ(dialog->ListCount(plane::kCircleListId), 1);

  // A circle no longer in use could not be found.
  Circle(w, 5, 5, "1");
  w.tables().circles[0].exists = 0;
  dialog->Refresh();
  EXPECT_FALSE(dialog->IsItemEnabled(plane::kPoincareMark));
  dialog->ListSelect(plane::kCircleListId, 0);
  dialog->Refresh();
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kPoincareMark));
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->PressButton(plane::kPoincareMark);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"could not find"}));
  // "close" hides the dialog; the command shows it again.
  dialog->PressButton(2);
  EXPECT_FALSE(dialog->IsVisible());
  w.tables().circles[0].exists = 1;
  EXPECT_TRUE(w.DispatchCommand(kPoincare));
  EXPECT_TRUE(w.poincareDialog()->IsVisible());
}

TEST_F(PlaneDialogs, SolidDialogEditsTheTextsOnlyOnOk) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  plane::SolidBaseTexts texts;
  int choice = 2;
  script.OnDialog("SOLID", [](platform::Dialog& d) {
    // Always opens on the foot of the altitude.
    EXPECT_TRUE(d.IsChecked(plane::kSolidFootChoice));
    EXPECT_FALSE(d.IsChecked(plane::kSolidOffsetChoice));
    EXPECT_EQ(d.GetItemText(plane::kSolidAltitudeEdit), "2.72");
    d.PressButton(plane::kSolidOffsetChoice);
    d.SetItemText(plane::kSolidBaseEdit, "ABCD");
    d.SetItemText(plane::kSolidXOffsetEdit, "0.5");
    d.SetItemText(plane::kSolidYOffsetEdit, "-1");
    d.PressButton(1);
  });
  {
    plane::TSolidDlg dialog(&w, "SOLID", &choice, 40, &texts);
    EXPECT_EQ(dialog.Execute(), platform::IDOK);
  }
  EXPECT_EQ(choice, 2);
  EXPECT_EQ(texts.base, "ABCD");
  EXPECT_EQ(texts.altitude, "2.72");
  EXPECT_EQ(texts.foot, "A");
  EXPECT_EQ(texts.xOffset, "0.5");
  EXPECT_EQ(texts.yOffset, "-1");

  script.OnDialog("SOLID", [](platform::Dialog& d) {
    EXPECT_TRUE(d.IsChecked(plane::kSolidFootChoice));
    d.SetItemText(plane::kSolidBaseEdit, "XYZ");
    d.PressButton(2);
  });
  {
    plane::TSolidDlg dialog(&w, "SOLID", &choice, 40, &texts);
    EXPECT_EQ(dialog.Execute(), platform::IDCANCEL);
  }
  EXPECT_EQ(texts.base, "ABCD");
  EXPECT_EQ(choice, 2);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(PlaneDialogs, TheSolidsBaseIsReadAgainstTheFigure) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(4, 0);
  w.FreePoint(0, 3);
  w.FreePoint(1, 1);
  struct Case {
    plane::SolidBaseTexts texts;
    int choice;
    int code;
  };
  const std::vector<Case> cases{
      {{"ABC", "2.72", "D", "0", "0"}, 1, 0},
      {{"ABC", "2", "A", "0.5", "-1"}, 2, 0},
      {{"AB", "2", "A", "0", "0"}, 1, 1},
      {{"ABZ", "2", "A", "0", "0"}, 1, 1},
      {{"ABC", "2", "Q", "0", "0"}, 1, 2},
      {{"ABC", "(", "A", "0", "0"}, 1, -1},
      {{"ABC", "2", "A", "x(", "0"}, 2, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.base + " " + c.texts.altitude + " " + c.texts.foot + " " + c.texts.xOffset);
    plane::SolidBase base;
    const int code = plane::ReadSolidBase(w.stepEngine, c.texts, c.choice, base);
    if (c.code < 0) {
      EXPECT_GT(code, 0);
      continue;
    }
    EXPECT_EQ(code, c.code);
    if (code != 0) continue;
    EXPECT_EQ(base.vertices, (std::vector<int>{0, 1, 2}));
  }
  plane::SolidBase base;
  ASSERT_EQ(plane::ReadSolidBase(w.stepEngine, {"ABC", "2.5", "D", "0", "0"}, 1, base), 0);
  EXPECT_EQ(base.altitude, 2.5L);
  EXPECT_EQ(base.dx, 1);
  EXPECT_EQ(base.dy, 1);
  ASSERT_EQ(plane::ReadSolidBase(w.stepEngine, {"CAB", "1", "D", "0.5", "-1"}, 2, base), 0);
  EXPECT_EQ(base.vertices.front(), 2);
  EXPECT_EQ(base.dx, 0.5L);
  EXPECT_EQ(base.dy, -1);
}

}  // namespace

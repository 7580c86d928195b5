// The tool dialogs of the conic lists and of lines and circles by equation, driven as a user
// would: what "draw" adds or refuses with which message, deleting, and the steps built from the
// selected conic.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "plane/conic_dialogs.h"
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

using ConicDialogs = IsolatedFolders;

// Answers "delete all items?" with the button (88 yes, 89 no), keeping the question.
std::function<void(platform::Dialog&)> Answer(int button, std::string* question) {
  return [button, question](platform::Dialog& d) {
    *question = d.GetItemText(231);
    d.PressButton(button);
  };
}

TEST_F(ConicDialogs, AnalyticLineDialog) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  for (int i = 0; i < 4; ++i) script.AnswerMessage(platform::IDOK);
  w.ToggleAxes();  // the equation dialogs need the axes
  ASSERT_TRUE(w.DispatchCommand(831));
  plane::TEqnLnDlg* d = w.lineEquationDialog.get();
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->IsVisible());
  EXPECT_FALSE(d->IsItemEnabled(98));
  EXPECT_EQ(d->GetItemText(231), "a =");
  EXPECT_FALSE(d->IsItemShown(214));

  // The default draw: two points on 3x + 4y = 12.
  d->PressButton(91);
  ASSERT_EQ(w.tables().last_point, 1);
  for (int p : {0, 1}) EXPECT_REAL_NEAR(3 * w.tables().xy[p].x + 4 * w.tables().xy[p].y, 12, 1e-15L);
  EXPECT_EQ(kernel::JoinConstructionText(w.history().steps.back()), "3.0,4.0,12.0,1.0,");
  // A second line can be taken back.
  d->PressButton(91);
  EXPECT_TRUE(d->IsItemEnabled(98));
  d->PressButton(98);
  EXPECT_EQ(w.tables().last_point, 1);
  EXPECT_FALSE(d->IsItemEnabled(98));

  // a = b = 0: message 6, nothing left. The hidden fourth field is read too: cleared, 9. Four
  // fields of 30 characters: 17, which wins over 9.
  d->SetItemText(211, "0");
  d->SetItemText(212, "0");
  d->PressButton(91);
  d->SetItemText(211, "3");
  d->SetItemText(212, "4");
  d->SetItemText(214, "");
  d->PressButton(91);
  const std::string thirty(30, '1');
  for (int id : {211, 212, 213}) d->SetItemText(id, thirty);
  d->PressButton(91);
  d->SetItemText(214, thirty);
  d->PressButton(91);
  EXPECT_EQ(w.tables().last_point, 1);
  EXPECT_EQ(w.tables().last_line, 0);

  // Switching forms keeps the texts and changes the labels.
  EXPECT_TRUE(w.DispatchCommand(831));
  d->PressButton(252);
  EXPECT_EQ(d->GetItemText(231), "h =");
  EXPECT_EQ(d->GetItemText(234), "m =");
  EXPECT_TRUE(d->IsItemShown(214));
  EXPECT_FALSE(d->IsItemShown(213));
  EXPECT_EQ(d->GetItemText(211), thirty);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"inconsistent data", "nothing to do", "nothing to do", "out of bounds"}));
}

TEST_F(ConicDialogs, AnalyticCircleDialog) {
  PlaneWindow w(0);
  w.ToggleAxes();
  ASSERT_TRUE(w.DispatchCommand(832));
  plane::TEqnCiDlg* d = w.circleEquationDialog.get();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->GetItemText(213), "1.0");
  d->PressButton(91);
  ASSERT_EQ(w.tables().last_circle, 0);
  EXPECT_REAL_NEAR(w.tables().circle_radius[0], 1, 1e-15L);
  // An empty field: nothing, and no message.
  d->SetItemText(212, "");
  d->PressButton(91);
  EXPECT_EQ(w.tables().last_circle, 0);
  d->PressButton(252);
  EXPECT_EQ(d->GetItemText(233), "c =");
}

TEST_F(ConicDialogs, TwoPointInventory) {
  PlaneWindow w(0);
  const Real r3 = std::sqrt(Real{3});
  w.FreePoint(-r3, 0);
  w.FreePoint(r3, 0);
  w.FreePoint(0, 2);
  platform::ScriptedResponder script;
  std::string question;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK).OnDialog("YNMBOX", Answer(89, &question));
  ASSERT_TRUE(w.DispatchCommand(1167));
  plane::TConic2Dlg* d = w.conic2Dialog.get();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Caption(), "2-point conic inventory");
  EXPECT_EQ(d->GetItemText(212), "BC");
  EXPECT_FALSE(d->IsItemShown(211));

  d->SetItemText(212, "AB");
  d->SetItemText(214, "0.86602540378443864676");
  d->PressButton(771);
  ASSERT_EQ(w.conics.twoFoci.size(), 1u);
  const plane::ConicDefinitionFields f = plane::ReadDefinition(w.conics.twoFoci[0]);
  EXPECT_EQ(f.points, (std::array<int, 3>{0, 1, 1}));  // the second focus twice
  EXPECT_EQ(f.code, 4);
  EXPECT_EQ(d->ListCount(293), 1);
  EXPECT_TRUE(w.IsModified());

  // A negative eccentricity: 14; the same focus twice: 122. Nothing added.
  d->SetItemText(214, "0-1");
  d->PressButton(771);
  d->SetItemText(212, "AA");
  d->SetItemText(214, "0.5");
  d->PressButton(771);
  EXPECT_EQ(w.conics.twoFoci.size(), 1u);

  // "all" answered No changes nothing.
  d->PressButton(54);
  EXPECT_EQ(w.conics.twoFoci.size(), 1u);
  EXPECT_EQ(question, "delete all items?");
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"positive value?", "duplicate label"}));

  // Without a selection "mark point" does nothing; with one it makes kind 203 on the ellipse.
  d->PressButton(91);
  EXPECT_EQ(w.tables().last_point, 2);
  d->ListSelect(293, 0);
  d->SetItemText(213, "0.25");
  d->PressButton(91);
  ASSERT_EQ(w.tables().last_point, 3);
  EXPECT_REAL_NEAR(w.tables().xy[3].x, 0, 1e-12L);
  EXPECT_REAL_NEAR(w.tables().xy[3].y, 1, 1e-12L);
  EXPECT_TRUE(d->IsItemEnabled(98));

  // The tangents from C touch the drawn ellipse at (+-sqrt 3, 1/2).
  ASSERT_EQ(w.NewTangentStep(0, "C", 1), 0);
  EXPECT_REAL_NEAR(w.tables().xy[4].y, 0.5L, 1e-12L);

  d->ListSelect(293, 0);
  d->PressButton(52);
  EXPECT_TRUE(w.conics.twoFoci.empty());
  EXPECT_EQ(d->ListCount(293), 0);
}

TEST_F(ConicDialogs, ThreePointInventoryRefusesBadPointsSilently) {
  PlaneWindow w(0);
  w.FreePoint(-1, 0);
  w.FreePoint(1, 0);
  w.FreePoint(0.5L, 3);
  platform::ScriptedResponder script;
  ASSERT_TRUE(w.DispatchCommand(1168));
  plane::TConic3Dlg* d = w.conic3Dialog.get();
  EXPECT_EQ(d->GetItemText(211), "AB");
  EXPECT_EQ(d->GetItemText(212), "C");
  EXPECT_EQ(d->GetItemText(231), "directrix");

  d->SetItemText(212, "A");
  d->PressButton(771);  // "AB" and "A": nothing, no message
  EXPECT_TRUE(w.conics.threePoint.empty());

  d->SetItemText(212, "C");
  d->PressButton(253);
  EXPECT_EQ(d->GetItemText(232), "point on conic");
  d->SetItemText(214, "7");
  d->PressButton(771);
  ASSERT_EQ(w.conics.threePoint.size(), 1u);
  const plane::ConicDefinitionFields f = plane::ReadDefinition(w.conics.threePoint[0]);
  EXPECT_EQ(f.code, 2);
  EXPECT_EQ(f.text, "1.0");  // whatever the eccentricity edit holds
  EXPECT_REAL_NEAR(f.value, 1, 0);

  // The asymptotes of the hyperbola: three points and two lines.
  d->ListSelect(293, 0);
  d->PressButton(913);
  EXPECT_EQ(w.tables().last_point, 5);
  EXPECT_EQ(w.tables().last_line, 1);
  EXPECT_TRUE(script.Messages().empty());
}

TEST_F(ConicDialogs, FivePointAndEquationInventories) {
  PlaneWindow w(0);
  const Real r = std::sqrt(Real{2});
  for (Point2 p : {Point2{1, 0}, Point2{-1, 0}, Point2{r, 1}, Point2{r, -1}, Point2{-r, 1}}) w.FreePoint(p.x, p.y);
  platform::ScriptedResponder script;
  std::string question;
  script.AnswerMessage(platform::IDOK)
      .AnswerMessage(platform::IDOK)
      .OnDialog("YNMBOX", Answer(89, &question))
      .OnDialog("YNMBOX", Answer(88, &question));
  ASSERT_TRUE(w.DispatchCommand(719));
  plane::TConic5Dlg* five = w.conic5Dialog.get();
  EXPECT_EQ(five->GetItemText(211), "ABCDE");
  five->PressButton(91);
  ASSERT_EQ(w.conics.fivePoint.size(), 1u);
  five->SetItemText(211, "ABCD");
  five->PressButton(91);
  five->SetItemText(211, "AABCD");
  five->PressButton(91);
  EXPECT_EQ(w.conics.fivePoint.size(), 1u);

  // The feature buttons do nothing without a selection; the asymptotes of the hyperbola with one.
  five->PressButton(913);
  EXPECT_EQ(w.tables().last_point, 4);
  five->ListSelect(293, 0);
  five->PressButton(913);
  EXPECT_EQ(w.tables().last_point, 7);
  EXPECT_TRUE(five->IsItemEnabled(98));

  w.ToggleAxes();
  ASSERT_TRUE(w.DispatchCommand(844));
  plane::TConicEDlg* eq = w.conicEquationDialog.get();
  EXPECT_EQ(eq->GetItemText(212), "-24.0");
  eq->PressButton(91);
  ASSERT_EQ(w.conics.equations.size(), 1u);
  eq->ListSelect(293, 0);
  eq->PressButton(911);
  EXPECT_REAL_NEAR(w.tables().xy[8].x, 0.5L, 1e-12L);
  EXPECT_REAL_NEAR(w.tables().xy[8].y, 1, 1e-12L);

  // "all" in the five-point dialog: No keeps the list; Yes empties it, not the equations.
  five->PressButton(54);
  EXPECT_EQ(w.conics.fivePoint.size(), 1u);
  five->PressButton(54);
  EXPECT_TRUE(w.conics.fivePoint.empty());
  EXPECT_EQ(w.conics.equations.size(), 1u);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"not enough vertices", "duplicate label"}));
  EXPECT_TRUE(script.Finished());
}

}  // namespace

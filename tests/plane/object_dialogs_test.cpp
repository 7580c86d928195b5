// The plane window's object dialogs (circles picked from lists, pens of drawn objects, copies,
// chains of circles, circles and arcs by their centre) and the commands that open them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "plane/candidate_dialogs.h"
#include "plane/object_dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

using ObjectDialogs = IsolatedFolders;

int Count(PlaneWindow& w, int kind) {
  int n = 0;
  for (const kernel::ConstructionRecord& step : w.history().steps) n += step.kind == kind ? 1 : 0;
  return n;
}

// A circle about (x, y) through the point r to its right (kind 91): its index.
int Circle(PlaneWindow& w, kernel::Real x, kernel::Real y, kernel::Real r) {
  const int c = w.FreePoint(x, y);
  const int p = w.FreePoint(x + r, y);
  EXPECT_EQ(w.Step(91, {c, p}), 0);
  return w.tables().last_circle;
}

TEST_F(ObjectDialogs, ASingleCandidateActsWithoutASelection) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(758));
  plane::TDelCircDlg* dialog = w.deleteCircleDialog();
  ASSERT_NE(dialog, nullptr);
  // No circle: nothing to choose.
  dialog->Execute();
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"make a selection"});

  Circle(w, 0, 0, 1);
  EXPECT_EQ(dialog->ListCount(plane::kCandidateList), 1);  // the list follows the figure
  EXPECT_FALSE(dialog->IsItemEnabled(plane::kCandidateUndo));
  dialog->PressButton(plane::kCandidateDelete);
  EXPECT_EQ(Count(w, 143), 1);
  EXPECT_FALSE(w.tables().circles[0].exists);
  // Its entry stays, marked as unused; deleting it again finds nothing.
  EXPECT_NE(dialog->ListText(plane::kCandidateList, 0).find("[not used]"), std::string::npos);
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kCandidateUndo));
  dialog->PressButton(plane::kCandidateDelete);
  EXPECT_EQ(Count(w, 143), 1);
  dialog->PressButton(plane::kCandidateUndo);
  EXPECT_EQ(Count(w, 143), 0);
  EXPECT_TRUE(w.tables().circles[0].exists);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"make a selection", "could not find"}));
}

TEST_F(ObjectDialogs, SoddyCirclesNeedTheirCountOfSelectedCircles) {
  PlaneWindow w(0);
  // Radii 1, 2 and 3 touching each other.
  Circle(w, 0, 0, 1);
  Circle(w, 3, 0, 2);
  Circle(w, 0, 4, 3);
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(1136));
  plane::TSoddy2Dlg* two = w.soddy2Dialog();
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(two->GetItemText(plane::kCandidateEdit), "XX");
  for (int i = 0; i < 3; ++i) two->ListSetSelected(plane::kCandidateList, i, true);
  two->RefreshButtons();
  EXPECT_FALSE(two->IsItemEnabled(plane::kCandidateAction));
  two->Execute();  // as the keyboard would press it
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"inconsistent data"});
  EXPECT_EQ(Count(w, 127), 0);

  ASSERT_TRUE(w.DispatchCommand(1135));
  plane::TSoddyDlg* three = w.soddyDialog();
  for (int i = 0; i < 3; ++i) three->ListSetSelected(plane::kCandidateList, i, true);
  three->RefreshButtons();
  ASSERT_TRUE(three->IsItemEnabled(plane::kCandidateAction));
  three->PressButton(plane::kCandidateAction);
  ASSERT_EQ(Count(w, 127), 1);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[3]), 6.0 / 23.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[4]), 6.0, 1e-12);
  // The new circles join the lists of every dialog.
  EXPECT_EQ(two->ListCount(plane::kCandidateList), 5);
  EXPECT_TRUE(three->IsItemEnabled(plane::kCandidateUndo));
  three->PressButton(plane::kCandidateUndo);
  EXPECT_EQ(Count(w, 127), 0);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(ObjectDialogs, IntersectionsAndTangentsFromTheLists) {
  PlaneWindow w(0);
  Circle(w, 0, 0, 2);  // A B
  Circle(w, 3, 0, 2);  // C D
  ASSERT_TRUE(w.DispatchCommand(782));
  plane::TCurvCurvDlg* cc = w.circleCircleDialog();
  // Two entries in each list: nothing chosen until both are.
  EXPECT_FALSE(cc->IsItemEnabled(plane::kCandidateAction));
  cc->ListSelect(plane::kCandidateList, 0);
  cc->ListSelect(plane::kSecondCandidateList, 1);
  cc->RefreshButtons();
  cc->PressButton(plane::kCandidateAction);
  ASSERT_EQ(Count(w, 105), 1);
  EXPECT_EQ(w.tables().last_point, 5);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[4].x), 1.5, 1e-12);

  // A line from the figure is offered; the line through the circles' centres meets circle AB.
  ASSERT_EQ(w.SegmentsLinesRays(111, "AC"), 0);
  ASSERT_TRUE(w.DispatchCommand(781));
  plane::TLCIntDlg* lc = w.lineCircleDialog();
  EXPECT_EQ(lc->GetItemText(plane::kCandidateEdit), "AC");
  lc->ListSelect(plane::kCandidateList, 0);
  lc->RefreshButtons();
  lc->PressButton(plane::kCandidateAction);
  EXPECT_EQ(Count(w, 104), 1);
  EXPECT_TRUE(lc->IsItemEnabled(plane::kCandidateUndo));
  EXPECT_FALSE(cc->IsItemEnabled(plane::kCandidateUndo));

  // Tangents from the last point to circle CD.
  const int p = w.FreePoint(10, 0);
  ASSERT_TRUE(w.DispatchCommand(803));
  plane::TCurvPtDlg* tangents = w.tangentDialog();
  std::string name;
  w.AppendPointName(name, p);
  EXPECT_EQ(tangents->GetItemText(plane::kCandidateEdit), name);
  tangents->ListSelect(plane::kCandidateList, 1);
  tangents->RefreshButtons();
  tangents->PressButton(plane::kCandidateAction);
  EXPECT_EQ(Count(w, 135), 1);
  EXPECT_TRUE(tangents->IsItemEnabled(plane::kCandidateUndo));
}

TEST_F(ObjectDialogs, LineAttributesNameLinesBetweenNeighbours) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(1, 1);
  w.FreePoint(0, 1);
  ASSERT_EQ(w.SegmentsLinesRays(111, "ABC"), 0);
  ASSERT_TRUE(w.DispatchCommand(784));
  plane::TLineAttrDlg* dialog = w.lineAttributeStepDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetItemText(plane::kAttrLines), "AB");
  // The style button runs through the six styles and back.
  std::vector<int> styles;
  for (int i = 0; i < 7; ++i) {
    styles.push_back(dialog->style);
    dialog->PressButton(plane::kAttrStyle);
  }
  EXPECT_EQ(styles, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
  EXPECT_EQ(dialog->GetItemText(plane::kAttrStyleName), w.stepEngine.StyleName(1));

  // "abcd": AB and BC are drawn, CD is not.
  dialog->SetItemText(plane::kAttrLines, "abcd");
  dialog->SetItemText(plane::kAttrThickness, "3");
  dialog->PressButton(plane::kStepDlgAction);
  ASSERT_EQ(Count(w, 160), 1);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.operands[0], 2);
  EXPECT_EQ(step.text[0], "ABCD");
  EXPECT_EQ(w.tables().lines[0].pen.width, 3);
  EXPECT_EQ(w.tables().lines[1].pen.style, 1);
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kStepDlgUndo));

  struct Case {
    std::string lines;
    std::string thickness;
    std::string message;
  };
  const std::vector<Case> cases{
      {"AB", "-1", "positive value?"}, {"AB", "x", "positive value?"}, {"AB", "", "positive value?"},
      {"AB", "13", "out of bounds"},   {"CD", "1", "nothing to do"},   {"AA", "1", "nothing to do"},
  };
  for (const Case& c : cases) {
    platform::ScriptedResponder script;
    script.AnswerMessage(platform::IDOK);
    dialog->SetItemText(plane::kAttrLines, c.lines);
    dialog->SetItemText(plane::kAttrThickness, c.thickness);
    dialog->PressButton(plane::kStepDlgAction);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{c.message}) << c.lines << " " << c.thickness;
  }
  EXPECT_EQ(Count(w, 160), 1);
  dialog->PressButton(plane::kStepDlgUndo);
  EXPECT_EQ(Count(w, 160), 0);
  EXPECT_EQ(w.tables().lines[0].pen.width, 1);
}

TEST_F(ObjectDialogs, CircleAttributesNeedASelection) {
  PlaneWindow w(0);
  Circle(w, 0, 0, 1);
  Circle(w, 5, 0, 1);
  ASSERT_TRUE(w.DispatchCommand(786));
  plane::TCircAttrDlg* dialog = w.circleAttributeDialog();
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->PressButton(plane::kStepDlgAction);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"make a selection"});
  const std::uint16_t before = w.tables().circles[0].pen.width;
  dialog->ListSetSelected(plane::kAttrCircles, 1, true);
  dialog->SetItemText(plane::kAttrThickness, "4");
  dialog->PressButton(plane::kStepDlgAction);
  ASSERT_EQ(Count(w, 160), 1);
  EXPECT_EQ(w.tables().circles[1].pen.width, 4);
  EXPECT_EQ(w.tables().circles[0].pen.width, before);
  EXPECT_EQ(w.history().steps.back().text[0], "CD ");
}

TEST_F(ObjectDialogs, ChainOfCircles) {
  PlaneWindow w(0);
  w.FreePoint(5, 5);  // the first step of a history is never taken back
  ASSERT_TRUE(w.DispatchCommand(667));
  plane::TRingDlg* dialog = w.ringDialog();
  ASSERT_NE(dialog, nullptr);
  // The Euclidean plane has no congruent chains; a closed ring has one radius.
  EXPECT_FALSE(dialog->IsItemShown(272));
  EXPECT_TRUE(dialog->IsChecked(271));
  EXPECT_FALSE(dialog->IsItemShown(212));
  EXPECT_EQ(dialog->ListSelection(295), 5);
  EXPECT_EQ(dialog->ListCount(295), 50);

  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->ListSelect(295, 1);  // 2 circles
  dialog->PressButton(plane::kStepDlgAction);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"not enough circles"});
  EXPECT_EQ(Count(w, 169), 0);
  dialog->ListSelect(295, 2);  // 3 circles
  dialog->PressButton(plane::kStepDlgAction);
  ASSERT_EQ(Count(w, 169), 1);
  EXPECT_EQ(w.tables().last_circle, 3);
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kStepDlgUndo));

  // An open chain shows the second radius and may have two circles.
  dialog->PressButton(271);
  dialog->ShowFields();
  EXPECT_TRUE(dialog->IsItemShown(212));
  dialog->ListSelect(295, 1);
  dialog->PressButton(plane::kStepDlgAction);
  EXPECT_EQ(Count(w, 169), 2);
  dialog->PressButton(plane::kStepDlgUndo);
  EXPECT_EQ(Count(w, 169), 1);
}

TEST_F(ObjectDialogs, CongruentChainsInTheHyperbolicPlane) {
  PlaneWindow w(1);
  ASSERT_TRUE(w.DispatchCommand(667));
  plane::TRingDlg* dialog = w.ringDialog();
  EXPECT_TRUE(dialog->IsItemShown(272));
  dialog->CheckItem(272, true);
  dialog->ShowFields();
  EXPECT_FALSE(dialog->IsItemShown(211));
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->ListSelect(295, 5);  // 6 circles: a congruent ring needs 7
  dialog->PressButton(plane::kStepDlgAction);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"not enough circles"});
  dialog->ListSelect(295, 6);
  dialog->PressButton(plane::kStepDlgAction);
  EXPECT_EQ(Count(w, 169), 1);
}

TEST_F(ObjectDialogs, CircleOrArcAboutANamedCentre) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);  // A
  w.FreePoint(1, 0);  // B
  ASSERT_TRUE(w.DispatchCommand(763));
  plane::TArcDlg* dialog = w.arcDialog();
  EXPECT_EQ(dialog->GetItemText(211), "B");
  EXPECT_EQ(dialog->GetItemText(214), "A");
  EXPECT_EQ(dialog->GetItemText(213), "1.00");
  EXPECT_TRUE(dialog->IsChecked(252));

  // A circle of radius 2 about A.
  dialog->SetItemText(211, "a");
  dialog->SetItemText(213, "2");
  dialog->PressButton(plane::kStepDlgAction);
  ASSERT_EQ(Count(w, 92), 1);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[0]), 2.0, 1e-12);
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kStepDlgUndo));

  // An arc of a 45-character angle text: kept over two texts.
  const std::string angle = "30+30+30+30+30+30+30+30+30+30+30+30+30+30+3-3";
  ASSERT_EQ(angle.size(), 45u);
  engine::ArcDialogTexts texts{"A", "", "", "B", "", angle};
  ASSERT_EQ(w.CmArcDialogOk(4, texts, false), 1);
  const kernel::ConstructionRecord& arc = w.history().steps.back();
  EXPECT_EQ(arc.kind, 94);
  EXPECT_EQ(arc.operands[8], 2008);
  EXPECT_EQ(arc.text[0] + arc.text[1], angle);

  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  // An unknown centre, and a radius longer than the step keeps: nothing is made.
  EXPECT_EQ(w.CmArcDialogOk(2, {"Q", "", "1", "", "", ""}, false), 0);
  EXPECT_EQ(w.CmArcDialogOk(2, {"A", "", std::string(121, '1'), "", "", ""}, false), 0);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"could not find", "some calculations too long"}));
  EXPECT_EQ(Count(w, 92) + Count(w, 94), 2);
}

TEST_F(ObjectDialogs, DuplicateCopiesTheListedPoints) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(0, 1);
  ASSERT_TRUE(w.DispatchCommand(95));
  plane::TCopyDlg* dialog = w.copyDialog();
  EXPECT_EQ(dialog->GetItemText(211), "A-C");
  EXPECT_EQ(dialog->GetItemText(212), "1.0");
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  dialog->SetItemText(212, "0");
  dialog->PressButton(plane::kStepDlgAction);
  dialog->SetItemText(212, "2*");
  dialog->PressButton(plane::kStepDlgAction);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"positive value?", "cannot understand"}));
  dialog->SetItemText(212, "2");
  dialog->PressButton(plane::kStepDlgAction);
  ASSERT_EQ(Count(w, 90), 1);
  EXPECT_EQ(w.tables().last_point, 5);
  const kernel::Point2& a = w.tables().xy[3];
  const kernel::Point2& b = w.tables().xy[4];
  EXPECT_NEAR(static_cast<double>(std::hypot(b.x - a.x, b.y - a.y)), 2.0, 1e-12);
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kStepDlgUndo));
}

TEST_F(ObjectDialogs, SwapLabelsOffersTheFirstAndLastPoint) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(2, 0);
  ASSERT_TRUE(w.DispatchCommand(1112));
  engine::TDoUndoDlg* dialog = w.swapDialog();
  EXPECT_EQ(dialog->GetItemText(211), "A");
  EXPECT_EQ(dialog->GetItemText(212), "C");
  dialog->PressButton(91);
  std::string name;
  w.AppendPointName(name, 0);
  EXPECT_EQ(name, "C");
  EXPECT_TRUE(dialog->IsItemEnabled(98));
}

}  // namespace

// Macros driven by their commands: a macro window opened from a target, a macro defined in it and
// applied to chosen points of the target by dialog, by the mouse and again on the images of its
// return points; Macro Undo; the refusals; a failed application leaving the target as it was;
// the fills and conics a macro carries; a macro with a horocycle in the hyperbolic plane.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/figure_tables.h"
#include "kernel/plane_primitives.h"
#include "plane/conic_inventories.h"
#include "plane/mac_win.h"
#include "plane_window.h"
#include "platform/modal_loop.h"
#include "platform/scripted_responder.h"
#include "support/extended_expect.h"
#include "support/hyperbolic_test_support.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using plane_test::FreePointIn;
using plane_test::PlaneWindow;
using plane_test::StepIn;
using platform::ScriptedResponder;

constexpr int kSegment = 111;
constexpr int kLine = 116;
constexpr int kCircumcentre = 124;


// Snapshot of what a failed application must leave alone.
struct FigureImage {
  explicit FigureImage(const plane::TGeomEWin& w) {
    const engine::FigureTables& t = w.tables();
    lastPoint = t.last_point;
    lastLine = t.last_line;
    lastCircle = t.last_circle;
    for (int i = 0; i <= t.last_point; ++i) {
      points.push_back(t.xy[i].x);
      points.push_back(t.xy[i].y);
    }
    for (const auto& s : w.history().steps) {
      steps.push_back(std::to_string(s.sequence) + ":" + std::to_string(s.kind) + ":" + s.text[0] + s.text[1] + s.text[2]);
      for (auto op : s.operands) steps.back() += "," + std::to_string(op);
    }
    redo = w.history().redo.size();
    marks = w.history().marks.size();
    fills = w.fills.size();
  }
  bool operator==(const FigureImage&) const = default;
  int lastPoint, lastLine, lastCircle;
  std::vector<kernel::Real> points;
  std::vector<std::string> steps;
  std::size_t redo, marks, fills;
};

class MacroWindowTest : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    target = std::make_unique<PlaneWindow>(0);
  }
  void TearDown() override {
    macro.reset();
    target.reset();
    IsolatedFolders::TearDown();
  }
  // The macro window with the circumcentre D of the triangle ABC as its macro; given A, B, C,
  // returned B, C, D so that it can be reapplied.
  void CircumcentreMacro() {
    macro.reset(target->OpenMacroWindow());
    ASSERT_NE(macro, nullptr);
    FreePointIn(*macro, 0, 0);
    FreePointIn(*macro, 4, 0);
    FreePointIn(*macro, 1, 3);
    ASSERT_EQ(StepIn(*macro, kCircumcentre, {0, 1, 2}), 0);
    macro->macroInputs = {0, 1, 2};
    macro->macroOutputs = {1, 2, 3};
    macro->macroCaption = "macro(A,B,C)-->(B,C,D)";
    macro->macroRange = {3, 3};
  }
  int Apply(const std::string& text, ScriptedResponder& script) {
    script.FillAndPress("ONEINPUT", {{211, text}}, platform::IDOK);
    return macro->ApplyCommand(false, false);
  }

  std::unique_ptr<PlaneWindow> target;
  plane_test::LinkedWindow macro;
};

TEST_F(MacroWindowTest, AnApplicationMakesTheImagesAtTheNextIndicesAndUndoTakesItBackAsABlock) {
  for (const Point2 p : {Point2{10, 10}, Point2{14, 10}, Point2{11, 13}, Point2{-3, 5}}) target->FreePoint(p.x, p.y);
  CircumcentreMacro();
  EXPECT_TRUE(macro->macroWindow && macro->linkedParent == target.get());
  EXPECT_FALSE(macro->QueryCommand(plane::kCmdOpenMacroWindow).enabled);
  EXPECT_TRUE(macro->QueryCommand(plane::kCmdApplyMacro).enabled);
  EXPECT_FALSE(macro->QueryCommand(plane::kCmdUndoMacro).enabled);
  EXPECT_FALSE(target->QueryCommand(plane::kCmdApplyMacro).enabled);
  EXPECT_TRUE(target->QueryCommand(plane::kCmdOpenMacroWindow).enabled);

  // The dialog offers the target's last three points; the user types ABC.
  ScriptedResponder script;
  std::string offered;
  script.OnDialog("ONEINPUT", [&offered](platform::Dialog& d) {
    offered = d.GetItemText(211);
    d.SetItemText(211, "abc");
    d.PressButton(platform::IDOK);
  });
  ASSERT_EQ(macro->ApplyCommand(false, false), 0);
  EXPECT_EQ(offered, "BCD");
  const engine::FigureTables& t = target->tables();
  ASSERT_EQ(t.last_point, 4);
  EXPECT_POINT2_NEAR(t.xy[4], (Point2{12, 11}), 1e-15L);
  EXPECT_EQ(target->history().steps.back().kind, kCircumcentre);
  EXPECT_EQ(macro->applyMarks.size(), 2u);
  EXPECT_EQ(macro->tables().last_point, 3);  // the macro window keeps its whole figure
  EXPECT_TRUE(macro->QueryCommand(plane::kCmdUndoMacro).enabled);
  EXPECT_TRUE(macro->QueryCommand(plane::kCmdReapplyMacro).enabled);

  // Reapply: B, C and the new point are the next inputs, without a question.
  ASSERT_TRUE(macro->DispatchCommand(plane::kCmdReapplyMacro));
  ASSERT_EQ(t.last_point, 5);
  Point2 centre;
  ASSERT_TRUE(kernel::Circumcenter2(t.xy[1], t.xy[2], t.xy[4], centre));
  EXPECT_POINT2_NEAR(t.xy[5], centre, 1e-14L);
  EXPECT_EQ(macro->applyMarks.size(), 4u);

  // Each Undo takes one application back.
  ASSERT_EQ(macro->UndoMacro(), 0);
  EXPECT_EQ(t.last_point, 4);
  ASSERT_EQ(macro->UndoMacro(), 0);
  EXPECT_EQ(t.last_point, 3);
  EXPECT_EQ(target->history().steps.size(), 4u);
  EXPECT_FALSE(macro->QueryCommand(plane::kCmdReapplyMacro).enabled);
  EXPECT_EQ(macro->UndoMacro(), engine::kMsgNothingToDo);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(MacroWindowTest, RefusalsComeWithTheirMessagesAndChangeNothing) {
  target->FreePoint(0, 0);
  target->FreePoint(1, 0);
  CircumcentreMacro();
  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  // Two points for three given points: refused before any dialog.
  EXPECT_EQ(macro->ApplyCommand(false, false), plane::TMacWin::kMsgNotEnoughVertices);
  target->FreePoint(0, 1);
  // Reapply without an application.
  EXPECT_EQ(macro->ApplyCommand(true, false), engine::kMsgInconsistentData);
  // Fewer points typed than given.
  script.FillAndPress("ONEINPUT", {{211, "AB"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  EXPECT_EQ(macro->ApplyCommand(false, false), engine::kMsgInconsistentData);
  // Cancel: silent.
  script.FillAndPress("ONEINPUT", {{211, "ABC"}}, platform::IDCANCEL);
  EXPECT_EQ(macro->ApplyCommand(false, false), -1);
  // No macro defined.
  macro->macroRange = {0, 0};
  script.AnswerMessage(platform::IDOK);
  EXPECT_EQ(macro->ApplyCommand(false, false), plane::TMacWin::kMsgUndefinedMacro);
  std::vector<std::string> texts;
  for (const auto& shown : script.shown()) {
    if (shown.kind == ScriptedResponder::Shown::Kind::Message) texts.push_back(shown.text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"not enough vertices", "inconsistent data", "inconsistent data",
                                             "undefined macro"}));
  EXPECT_EQ(target->history().steps.size(), 3u);
  EXPECT_TRUE(macro->applyMarks.empty());
}

TEST_F(MacroWindowTest, UndoAfterTheTargetChangedIsRefused) {
  for (int i = 0; i < 3; ++i) target->FreePoint(i, i * i);
  CircumcentreMacro();
  ScriptedResponder script;
  ASSERT_EQ(Apply("ABC", script), 0);
  target->FreePoint(7, 7);
  const FigureImage before(*target);
  EXPECT_EQ(macro->UndoMacro(), plane::TMacWin::kMsgCannotUndoThis);
  EXPECT_TRUE(FigureImage(*target) == before);
  EXPECT_EQ(macro->applyMarks.size(), 2u);
}

TEST_F(MacroWindowTest, AStepThatCannotBeTranslatedLeavesTheTargetAsItWas) {
  // Points named with subscripts in the target make a step text longer on translation.
  for (int i = 0; i < 60; ++i) target->FreePoint(i, (i % 7) * 0.5L);
  CircumcentreMacro();
  const std::string longText = "A+B+A+B+A+B+A+B+A+B+A+B+A+B+A+B+A+B+A+B";
  ASSERT_EQ(StepIn(*macro, kSegment, {0, 1}, {"", longText}), 0);
  macro->macroRange = {3, 4};
  // An undone step waits in the target's redo list; it must still be there afterwards.
  target->FreePoint(30, 30);
  ASSERT_EQ(target->UndoRedo(0, false), 1);
  const FigureImage before(*target);
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "B_1C_1D_1"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  EXPECT_EQ(macro->ApplyCommand(false, false), engine::kMsgOutOfBounds);
  EXPECT_TRUE(FigureImage(*target) == before);
  EXPECT_TRUE(macro->applyMarks.empty());
  EXPECT_EQ(macro->history().steps.size(), 5u);
  EXPECT_EQ(macro->tables().last_point, 3);
}

TEST_F(MacroWindowTest, FillsAndConicsOfTheMacroAreCopiedAndGoWithItsUndo) {
  for (int i = 0; i < 3; ++i) target->FreePoint(i * 3, i * i);
  CircumcentreMacro();
  kernel::FillRecord fill;
  fill.mode = kernel::kFillPolygon;
  fill.vertices.fill(kernel::kFillListEnd);
  fill.vertices[0] = 0;
  fill.vertices[1] = 1;
  fill.vertices[2] = 3;
  macro->fills.push_back(fill);
  fill.vertices[2] = 40;  // a point the application does not reach
  macro->fills.push_back(fill);
  plane::ConicDefinitionFields conic;
  conic.points = {0, 1, 3};
  conic.text = "1.0";
  conic.value = 1;
  macro->conics.threePoint.push_back(plane::MakeDefinition(conic));
  const std::size_t fillsBefore = target->fills.size();

  ScriptedResponder script;
  ASSERT_EQ(Apply("ABC", script), 0);
  ASSERT_EQ(target->fills.size(), fillsBefore + 1);
  EXPECT_EQ(target->fills.back().vertices[0], 0);
  EXPECT_EQ(target->fills.back().vertices[1], 1);
  EXPECT_EQ(target->fills.back().vertices[2], 3);
  ASSERT_EQ(target->conics.threePoint.size(), 1u);
  EXPECT_EQ(plane::ReadDefinition(target->conics.threePoint[0]).points, (std::array<int, 3>{0, 1, 3}));

  ASSERT_EQ(macro->UndoMacro(), 0);
  EXPECT_EQ(target->fills.size(), fillsBefore);
  EXPECT_TRUE(target->conics.threePoint.empty());
}

TEST_F(MacroWindowTest, ApplyWithTheMouseTakesThePickedPoints) {
  for (const Point2 p : {Point2{-2, -2}, Point2{2, -2}, Point2{-2, 2}}) target->FreePoint(p.x, p.y);
  CircumcentreMacro();
  ScriptedResponder script;
  // C, A, B picked in this order.
  script.OnLoop([this](platform::ModalLoop& loop) {
    for (int i : {2, 0, 1}) {
      platform::PointI pixel;
      ASSERT_TRUE(target->PointToScreen(i, pixel));
      platform::MouseEvent e;
      e.button = platform::MouseButton::Left;
      e.x = pixel.x;
      e.y = pixel.y;
      loop.FeedMouseUp(e);
    }
  });
  ASSERT_EQ(macro->ApplyCommand(false, true), 0);
  EXPECT_EQ(macro->pointMap[0], 2);
  EXPECT_EQ(macro->pointMap[1], 0);
  EXPECT_EQ(target->tables().last_point, 3);
  EXPECT_EQ(target->history().steps.back().operands[0], 2);
}

TEST_F(MacroWindowTest, AMacroWindowWhoseTargetClosedFirstDoesNothing) {
  for (int i = 0; i < 3; ++i) target->FreePoint(i, i * i);
  CircumcentreMacro();
  ScriptedResponder script;
  ASSERT_EQ(Apply("ABC", script), 0);
  target.reset();
  EXPECT_EQ(macro->linkedParent, nullptr);
  EXPECT_FALSE(macro->QueryCommand(plane::kCmdApplyMacro).enabled);
  EXPECT_FALSE(macro->QueryCommand(plane::kCmdUndoAttach).enabled);
  EXPECT_EQ(macro->ApplyCommand(false, false), -1);
  EXPECT_EQ(macro->UndoMacro(), engine::kMsgNothingToDo);
  EXPECT_TRUE(script.Unexpected().empty());
}

using MacroHyperbolicTest = IsolatedFolders;

TEST_F(MacroHyperbolicTest, AMacroWithAHorocycleFindsTheImageHorocycle) {
  PlaneWindow target(1);
  // The target's points: the macro's turned a quarter about the centre of the disk.
  for (const Point2 p : {Point2{0, 0.5L}, Point2{0, 0}, Point2{0.3L, -0.3L}, Point2{0.3L, 0.3L}}) target.FreePoint(p.x, p.y);
  plane_test::LinkedWindow macro(target.OpenMacroWindow());
  ASSERT_NE(macro, nullptr);
  ASSERT_TRUE(macro->hyperbolic);
  FreePointIn(*macro, 0.5L, 0);
  FreePointIn(*macro, 0, 0);
  FreePointIn(*macro, -0.3L, -0.3L);
  FreePointIn(*macro, 0.3L, -0.3L);
  ASSERT_EQ(StepIn(*macro, kSegment, {0, 1}), 0);
  std::string lineText = "AB";
  std::string pointText = "B";
  ASSERT_EQ(macro->DoHorocycleThrough(lineText, pointText), 0);
  ASSERT_EQ(StepIn(*macro, kLine, {2, 3}), 0);
  ASSERT_EQ(StepIn(*macro, 175, {macro->tables().last_line, macro->tables().last_horocycle, -1}), 0);
  const int made = macro->tables().last_point - 3;
  ASSERT_GE(made, 1);
  macro->macroInputs = {0, 1, 2, 3};
  macro->macroCaption = "macro(A,B,C,D)";
  macro->macroRange = {4, 7};
  {
    ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, "ABCD"}}, platform::IDOK);
    ASSERT_EQ(macro->ApplyCommand(false, false), 0);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  const engine::FigureTables& m = macro->tables();
  const engine::FigureTables& t = target.tables();
  ASSERT_EQ(t.last_point, 3 + made);
  ASSERT_EQ(t.last_horocycle, 0);
  for (int i = 4; i <= m.last_point; ++i) {
    ASSERT_EQ(t.PointExists(i), m.PointExists(i));
    if (!m.PointExists(i)) continue;
    EXPECT_POINT2_NEAR(t.xy[i], (Point2{-m.xy[i].y, m.xy[i].x}), 1e-15L);
  }
}

}  // namespace

// Rotation with dilation and reflection in a line, from the Transf menu and as history steps:
// where the images go and what they are called, which image lines are made, Last repeat on the
// previous images, the fills of transformed shapes, and what a wrong input gets.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "kernel/fill_trace_records.h"
#include "kernel/real.h"
#include "kernel/vector2.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/hyperbolic_test_support.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using RotateReflect = IsolatedFolders;

#define EXPECT_POINT_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::engine_test::Points2Close, actual, expected, tolerance)

constexpr int kUnusedOperand = 0xFFFF;
constexpr Real kReflectTight = static_cast<Real>(1e-12);
constexpr int kCmdRotate = 752;
constexpr int kCmdMirror = 753;
constexpr int kCmdDilate = 754;
constexpr int kCmdLastRepeat = 352;
constexpr int kCmdUndo = 98;
constexpr int kCmdRedo = 94;

std::string Name(PlaneWindow& w, int i) {
  std::string name;
  w.tables().GetPointName(i, name);
  return name;
}

kernel::FillRecord PolygonFill(std::vector<std::uint16_t> vertices) {
  kernel::FillRecord fill;
  kernel::InitFillRecord(fill);
  fill.mode = 0;
  fill.word0 = 0;
  for (std::size_t k = 0; k < vertices.size(); ++k) fill.vertices[k] = vertices[k];
  fill.vertices[vertices.size()] = kernel::kFillListEnd;
  return fill;
}

TEST_F(RotateReflect, RotationNamesItsImagesWithPrimesThenWithTheNextSubscript) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int a = w.FreePoint(2, 0);
  ASSERT_EQ(w.Step(146, {o}, {"90", "1", "B"}), 0);
  EXPECT_EQ(Name(w, a + 1), "B'");
  EXPECT_POINT_NEAR(w.tables().xy[a + 1], (Point2{0, 2}), kReflectTight);
  EXPECT_EQ(w.stepText, "B' = rotate|dilate  B; A, 90, 1");
  // Again on the previous images: B'' at the half-turn.
  ASSERT_EQ(w.Step(146, {o}, {"90", "1", ""}, 1), 0);
  EXPECT_EQ(Name(w, a + 2), "B\"");
  EXPECT_POINT_NEAR(w.tables().xy[a + 2], (Point2{-2, 0}), kReflectTight);
  EXPECT_EQ(w.stepText, "B\" = rotate|dilate previous images; A, 90, 1");
  // B' is taken: the next image of B takes the next subscript.
  ASSERT_EQ(w.Step(146, {o}, {"0", "-0.5", "B"}), 0);
  EXPECT_EQ(Name(w, a + 3), "B_0");
  EXPECT_POINT_NEAR(w.tables().xy[a + 3], (Point2{-1, 0}), kReflectTight);
  // A typed expression is evaluated again on every replay.
  ASSERT_EQ(w.Step(146, {o}, {"45*2", "0.5", "B"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[a + 4], (Point2{0, 1}), kReflectTight);

  const int last = w.tables().last_point;
  w.ReplayConstruction(true);
  EXPECT_EQ(w.tables().last_point, last);
  EXPECT_EQ(Name(w, a + 3), "B_0");
  EXPECT_POINT_NEAR(w.tables().xy[a + 2], (Point2{-2, 0}), kReflectTight);

  // A missing centre and an angle that does not evaluate: the messages, nothing added.
  EXPECT_EQ(w.Step(146, {99}, {"90", "1", "B"}), engine::kMsgCouldNotFind);
  EXPECT_EQ(w.Step(146, {o}, {"90+", "1", "B"}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.Step(146, {o}, {"90", "((", "B"}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.tables().last_point, last);
}

TEST_F(RotateReflect, ImageLinesNeedTwoImagesAndAreNeverMadeTwice) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(2, 0);
  w.FreePoint(1, 2);
  ASSERT_EQ(w.Step(111, {a, b, kUnusedOperand, 0, 0, 0}), 0);  // AB
  ASSERT_EQ(w.Step(111, {b, 2, kUnusedOperand, 0, 0, 0}), 0);  // BC
  // Only A and B move: AB gets its image, BC (one moved point) none.
  ASSERT_EQ(w.Step(147, {a, 2}, {"", "AB"}), 0);
  EXPECT_EQ(w.tables().last_line, 2);
  // Reflected in AB, A and B are their own images, and AB is already drawn.
  ASSERT_EQ(w.Step(147, {a, b}, {"", "AB"}), 0);
  EXPECT_EQ(w.tables().last_line, 2);
  EXPECT_EQ(w.tables().last_point, 3);
  // Beside the segment AB, the line AB: reflected in BC, the two give A's image one line to B,
  // the second finding the line the first made.
  ASSERT_EQ(w.Step(116, {a, b, kUnusedOperand, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(147, {b, 2}, {"", "AB"}), 0);
  EXPECT_EQ(w.tables().last_point, 4);
  EXPECT_EQ(w.tables().last_line, 4);
  // The degenerate mirror A = A moves nothing: the images are the points themselves.
  ASSERT_EQ(w.Step(147, {a, a}, {"", "C"}), 0);
  EXPECT_EQ(w.tables().last_point, 4);
  EXPECT_EQ(w.Step(147, {a, 99}, {"", "C"}), engine::kMsgCouldNotFind);
}

// The mirror in each model: the diameter of the disk and the vertical geodesic of the half-plane
// are straight lines there, so the images are the Euclidean mirror images.
TEST_F(RotateReflect, ReflectionInEachModel) {
  struct Case {
    std::uint8_t hyperbolic;
    bool halfPlane;
    Point2 a, b, c, expected;
  };
  const std::vector<Case> cases{
      {0, false, {0, 0}, {1, 1}, {3, 0}, {0, 3}},
      {1, false, {0, 0}, {0.5L, 0}, {0.2L, 0.3L}, {0.2L, -0.3L}},
      {1, true, {0, 1}, {0, 2}, {0.5L, 1}, {-0.5L, 1}},
  };
  for (const Case& c : cases) {
    PlaneWindow w(c.hyperbolic);
    if (c.halfPlane) {
      ASSERT_TRUE(w.DispatchCommand(909));
    }
    const int a = w.FreePoint(c.a.x, c.a.y);
    const int b = w.FreePoint(c.b.x, c.b.y);
    const int p = w.FreePoint(c.c.x, c.c.y);
    ASSERT_EQ(w.Step(147, {a, b}, {"", "C"}), 0);
    EXPECT_POINT_NEAR(w.tables().xy[p + 1], c.expected, static_cast<Real>(1e-14));
    EXPECT_EQ(w.stepText, "C' = reflect  C; axis AB");
  }
}

// Rotation about a point of each hyperbolic model: a quarter turn about the disk centre, and the
// half-turn about i, which takes 2i to i/2 along the imaginary axis.
TEST_F(RotateReflect, RotationInEachHyperbolicModel) {
  struct Case {
    bool halfPlane;
    Point2 centre, p;
    const char* angle;
    Point2 expected;
  };
  const std::vector<Case> cases{
      {false, {0, 0}, {0.5L, 0}, "90", {0, 0.5L}},
      {true, {0, 1}, {0, 2}, "180", {0, 0.5L}},
  };
  for (const Case& c : cases) {
    PlaneWindow w(1);
    if (c.halfPlane) {
      ASSERT_TRUE(w.DispatchCommand(909));
    }
    const int o = w.FreePoint(c.centre.x, c.centre.y);
    const int p = w.FreePoint(c.p.x, c.p.y);
    ASSERT_EQ(w.Step(146, {o}, {c.angle, "1", "B"}), 0);
    EXPECT_POINT_NEAR(w.tables().xy[p + 1], c.expected, static_cast<Real>(1e-14));
  }
}

TEST_F(RotateReflect, RotateDialogMakesTheStepCopiesFillsAndRemembersItsTexts) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(0, 1);
  w.FreePoint(5, 5);
  w.fills.push_back(PolygonFill({0, 1, 2}));  // ABC
  w.fills.push_back(PolygonFill({0, 3, 1}));  // ADB: D stays, so no image

  platform::ScriptedResponder script;
  std::vector<std::string> offered;
  script.OnDialog("ROTDIL", [&](platform::Dialog& d) {
    for (int id = 211; id <= 214; ++id) offered.push_back(d.GetItemText(id));
    d.SetItemText(211, "90");
    d.SetItemText(212, "d");
    d.SetItemText(214, "abc");
    d.PressButton(1);
  });
  ASSERT_TRUE(w.DispatchCommand(kCmdRotate));
  // The remembered angle, the last point as centre, factor 1, every point.
  EXPECT_EQ(offered, (std::vector<std::string>{"180.0", "D", "1.0", "A-D"}));
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.kind, 146);
  EXPECT_EQ(step.text[2], "ABC");
  EXPECT_POINT_NEAR(w.tables().xy[4], (Point2{10, 0}), kReflectTight);  // A' = A about D by 90
  ASSERT_EQ(w.fills.size(), 3u);
  EXPECT_EQ(w.fills[2].vertices[0], 4);
  EXPECT_EQ(w.fills[2].vertices[2], 6);
  EXPECT_EQ(w.fills[2].vertices[3], kernel::kFillListEnd);
  EXPECT_EQ(w.fills[2].word0, 1);

  // Undo takes the step and its fill back; Redo makes both again.
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  EXPECT_EQ(w.fills.size(), 2u);
  EXPECT_EQ(w.tables().last_point, 3);
  ASSERT_TRUE(w.DispatchCommand(kCmdRedo));
  EXPECT_EQ(w.fills.size(), 3u);
  EXPECT_EQ(w.tables().last_point, 6);

  // Dilate offers the factor the last rotation or dilation used, with the angle 0; a centre that names no point does
  // nothing; Cancel does nothing.
  script.OnDialog("ROTDIL", [&](platform::Dialog& d) {
    offered = {d.GetItemText(211), d.GetItemText(213)};
    d.SetItemText(212, "Q");
    d.PressButton(1);
  });
  script.FillAndPress("ROTDIL", {}, 2);
  const std::size_t steps = w.history().steps.size();
  ASSERT_TRUE(w.DispatchCommand(kCmdDilate));
  EXPECT_EQ(offered, (std::vector<std::string>{"0.0", "1.0"}));
  ASSERT_TRUE(w.DispatchCommand(kCmdRotate));
  EXPECT_EQ(w.history().steps.size(), steps);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_TRUE(script.Messages().empty());
}

TEST_F(RotateReflect, LastRepeatGrowsARegularPolygon) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int a = w.FreePoint(1, 0);
  ASSERT_EQ(w.Step(146, {o}, {"72", "1", "B"}), 0);
  ASSERT_EQ(w.Step(111, {a, a + 1, kUnusedOperand, 0, 0, 0}), 0);  // the first side BB'
  ASSERT_EQ(w.Step(146, {o}, {"72", "1", "BB'"}), 0);     // B' falls on B': one new vertex
  for (int k = 0; k < 2; ++k) ASSERT_TRUE(w.DispatchCommand(kCmdLastRepeat));
  const engine::FigureTables& t = w.tables();
  ASSERT_EQ(t.last_point, a + 4);
  EXPECT_EQ(t.last_line, 3);
  for (int k = 0; k <= 4; ++k) {
    const Real angle = 72 * k * kernel::Pi / 180;
    EXPECT_POINT_NEAR(t.xy[a + k], (Point2{std::cos(angle), std::sin(angle)}), kReflectTight);
  }
  EXPECT_EQ(w.history().steps.back().flag, 1);
  // One more closes the pentagon: its last side ends on B, and no point or side is added twice.
  ASSERT_TRUE(w.DispatchCommand(kCmdLastRepeat));
  EXPECT_EQ(t.last_point, a + 4);
  EXPECT_EQ(t.last_line, 4);
  // Undo takes the repeats back one at a time.
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  EXPECT_EQ(t.last_line, 3);
  // After a step of another kind, Last repeat does nothing.
  ASSERT_EQ(w.Step(111, {o, a, kUnusedOperand, 0, 0, 0}), 0);
  const std::size_t steps = w.history().steps.size();
  ASSERT_TRUE(w.DispatchCommand(kCmdLastRepeat));
  EXPECT_EQ(w.history().steps.size(), steps);
}

TEST_F(RotateReflect, MirrorDialogReflectsAndTakesItsStepBack) {
  PlaneWindow w(0);
  // Fewer than two points: no dialog.
  ASSERT_TRUE(w.DispatchCommand(kCmdMirror));
  EXPECT_EQ(w.mirrorDialog(), nullptr);
  w.FreePoint(0, 0);
  w.FreePoint(0, 1);
  w.FreePoint(2, 3);
  ASSERT_TRUE(w.DispatchCommand(kCmdMirror));
  engine::TDoUndoDlg* dialog = w.mirrorDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetItemText(211), "AB");
  EXPECT_EQ(dialog->GetItemText(212), "A-C");
  dialog->SetItemText(212, "c");
  dialog->PressButton(engine::kDoUndoMark);
  ASSERT_EQ(w.history().steps.back().kind, 147);
  EXPECT_POINT_NEAR(w.tables().xy[3], (Point2{-2, 3}), kReflectTight);
  EXPECT_EQ(w.history().marks.back().kind, 147);
  EXPECT_TRUE(dialog->IsItemEnabled(engine::kDoUndoUndo));
  dialog->PressButton(engine::kDoUndoUndo);
  EXPECT_EQ(w.tables().last_point, 2);
  EXPECT_TRUE(w.history().marks.empty());

  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->SetItemText(211, "AQ");
  dialog->PressButton(engine::kDoUndoMark);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"could not find"}));
  EXPECT_EQ(w.tables().last_point, 2);
}

TEST_F(RotateReflect, DuplicatePolygonFillsAreRemovedAndTheRestRenumbered) {
  PlaneWindow w(0);
  w.fills = {PolygonFill({0, 1, 2}), PolygonFill({1, 2, 0}), PolygonFill({0, 1, 3}), PolygonFill({2, 0, 1}),
             PolygonFill({0, 1, 3})};
  w.fills[2].word0 = 7;
  // From the second on: the later copies of BCA (CAB) and of ABD go, the first ABC stays.
  EXPECT_EQ(w.RemoveDuplicateFills(1), 3);
  ASSERT_EQ(w.fills.size(), 3u);
  EXPECT_EQ(w.fills[1].vertices[0], 1);
  EXPECT_EQ(w.fills[2].vertices[2], 3);
  EXPECT_EQ(w.fills[2].word0, 2);
}

}  // namespace

// The Transf commands Translate, Glide-reflect and Invert, and the Units and Circle commands that
// ask in a dialog (side-angle-side quadrilaterals, regular polygons on segments, the Apollonian
// circle, the three touching circles), driven by command id on a headless window: what the
// dialogs offer, the steps they make, the images' pens, and the messages of wrong input.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "plane/object_dialogs.h"
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

using TransformUnitCommands = IsolatedFolders;

#define EXPECT_POINT_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::engine_test::Points2Close, actual, expected, tolerance)

constexpr int kUnusedOperand = 0xFFFF;
constexpr Real kTight = static_cast<Real>(1e-12);
constexpr int kCmdTranslate = 751;
constexpr int kCmdGlideReflect = 756;
constexpr int kCmdInvert = 802;
constexpr int kCmdParallelogram = 708;
constexpr int kCmdKite = 710;
constexpr int kCmdIsoscelesTrapezoid = 883;
constexpr int kCmdAttachRegular = 808;
constexpr int kCmdApollonian = 768;
constexpr int kCmdTangentCircles = 1134;
constexpr int kCmdUndo = 98;

// Records what a dialog offers in the edits 211 up to `last`, sets the given texts and presses OK.
std::function<void(platform::Dialog&)> Answer(std::vector<std::string>* offered, int last,
                                              std::map<int, std::string> texts) {
  return [offered, last, texts](platform::Dialog& d) {
    for (int id = 211; id <= last; ++id) offered->push_back(d.GetItemText(id));
    for (const auto& [id, text] : texts) d.SetItemText(id, text);
    d.PressButton(1);
  };
}

TEST_F(TransformUnitCommands, TranslateByTwoPointsOrATypedVector) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  const int c = w.FreePoint(0, 1);
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("VECBOX", Answer(&offered, 213, {{211, "2"}, {212, "ab"}, {213, "c"}}));
  ASSERT_TRUE(w.DispatchCommand(kCmdTranslate));
  EXPECT_EQ(offered, (std::vector<std::string>{"1.0", "AB", "A-C"}));
  EXPECT_POINT_NEAR(w.tables().xy[c + 1], (Point2{2, 1}), kTight);
  EXPECT_EQ(w.history().steps.back().kind, 145);
  EXPECT_EQ(w.history().marks.back().kind, 145);
  EXPECT_EQ(w.stepText, "C' = translate  C (2)*AB");

  // A vector typed in brackets; without its closing bracket, or with a point that is not there,
  // it is refused and nothing is added.
  EXPECT_EQ(w.TranslateStep("1", "[1,3]", "c"), 0);
  EXPECT_POINT_NEAR(w.tables().xy[c + 2], (Point2{1, 4}), kTight);
  EXPECT_EQ(w.stepText, "C_0 = translate  C (1)*[1,3]");
  const int last = w.tables().last_point;
  EXPECT_EQ(w.TranslateStep("1", "[1,3", "c"), engine::kMsgCouldNotFind);
  EXPECT_EQ(w.TranslateStep("1", "AQ", "c"), engine::kMsgCouldNotFind);
  EXPECT_EQ(w.tables().last_point, last);

  // Undo takes a translation back by its mark.
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  EXPECT_EQ(w.tables().last_point, c + 1);
}

TEST_F(TransformUnitCommands, HyperbolicTranslationAndGlideUseTheAxisDialogs) {
  PlaneWindow w(1);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(0.5L, 0);
  w.FreePoint(0, 0.5L);
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("TRANSLATE", Answer(&offered, 212, {{211, "a"}}));
  ASSERT_TRUE(w.DispatchCommand(kCmdTranslate));
  EXPECT_EQ(offered, (std::vector<std::string>{"A-C", "AB"}));
  // The translation along AB carries A onto B, which is then A's image.
  EXPECT_EQ(w.transformImages.image_of[a], b);
  EXPECT_EQ(w.tables().last_point, 2);

  offered.clear();
  script.OnDialog("HGLIDER", Answer(&offered, 212, {{211, "c"}}));
  ASSERT_TRUE(w.DispatchCommand(kCmdGlideReflect));
  EXPECT_EQ(offered, (std::vector<std::string>{"A-C", "AB"}));
  EXPECT_EQ(w.history().steps.back().kind, 150);
  EXPECT_EQ(w.tables().last_point, 3);
}

TEST_F(TransformUnitCommands, GlideReflectTranslatesAlongTheLineThenReflectsInIt) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  const int c = w.FreePoint(0, 1);
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("GLIDER", Answer(&offered, 213, {{211, "3"}, {213, "c"}}));
  ASSERT_TRUE(w.DispatchCommand(kCmdGlideReflect));
  EXPECT_EQ(offered, (std::vector<std::string>{"1.0", "AB", "A-C"}));
  EXPECT_POINT_NEAR(w.tables().xy[c + 1], (Point2{3, -1}), kTight);
  EXPECT_EQ(w.history().marks.back().kind, 150);
  EXPECT_EQ(w.GlideReflectStep("1", "A", "C"), engine::kMsgCouldNotFind);

  // With fewer than two points the command does nothing.
  PlaneWindow empty(0);
  empty.FreePoint(0, 0);
  const std::size_t steps = empty.history().steps.size();
  ASSERT_TRUE(empty.DispatchCommand(kCmdGlideReflect));
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(empty.history().steps.size(), steps);
}

TEST_F(TransformUnitCommands, InvertOffersTheFirstCircleAndRefusesAVertexAtTheCentre) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int q = w.FreePoint(1, 0);
  w.FreePoint(2, 0);
  ASSERT_EQ(w.Step(91, {q, o, kUnusedOperand, 0, 0, 0}), 0);  // the circle about B through A
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("INVBOX", Answer(&offered, 212, {{211, "c"}, {212, "ab"}}));
  ASSERT_TRUE(w.DispatchCommand(kCmdInvert));
  EXPECT_EQ(offered, (std::vector<std::string>{"A-C", "BA"}));
  const int image = w.tables().last_point;
  EXPECT_POINT_NEAR(w.tables().xy[image], (Point2{0.5L, 0}), kTight);
  EXPECT_EQ(w.history().steps.back().kind, 148);
  EXPECT_EQ(w.history().marks.back().kind, 148);

  // A listed vertex at the centre has no image: 127 and nothing added.
  const int atCentre = w.FreePoint(0, 0);
  std::string name;
  w.tables().GetPointName(atCentre, name);
  script.OnDialog("INVBOX", Answer(&offered, 212, {{211, "c" + name}, {212, "ab"}}));
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(kCmdInvert));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"coincident points"}));
  EXPECT_EQ(w.tables().last_point, atCentre);
}

// With Attribute copy on an image keeps its source's pen; off, it takes the current attributes.
TEST_F(TransformUnitCommands, InversionImagesFollowTheAttributeCopyOption) {
  for (const bool copy : {true, false}) {
    PlaneWindow w(0);
    w.FreePoint(0, 0);
    w.FreePoint(1, 0);
    const int p = w.FreePoint(2, -1);
    const int r = w.FreePoint(2, 1);
    ASSERT_EQ(w.Step(111, {p, r, kUnusedOperand, 3, 2, 1}), 0);  // segment CD in colour 4, width 3, style 2
    const kernel::LinePen source = w.tables().lines[w.tables().last_line].pen;
    w.transform.attributeCopy = copy ? 1 : 0;
    w.lineAttributes = {6, 1, 1};
    ASSERT_EQ(w.InvertStep("AB", "CD"), 0);
    ASSERT_EQ(w.tables().last_circle, 0);  // the segment's image: an arc through O
    const kernel::LinePen pen = w.tables().circles[0].pen;
    const kernel::LinePen expected = copy ? source : kernel::LinePen{6, 1, 1};
    EXPECT_EQ(pen.colour, expected.colour) << copy;
    EXPECT_EQ(pen.width, expected.width) << copy;
    EXPECT_EQ(pen.style, expected.style) << copy;
  }
}

TEST_F(TransformUnitCommands, SideAngleSideQuadrilaterals) {
  struct Case {
    int command;
    std::uint8_t hyperbolic;
    std::vector<std::string> defaults;
    int kind;
  };
  const std::vector<Case> cases{
      {kCmdParallelogram, 0, {"5.0", "60.0", "8.0"}, 56},
      {kCmdKite, 0, {"5.0", "60.0", "8.0"}, 58},
      {kCmdIsoscelesTrapezoid, 0, {"5.0", "60.0", "3.0"}, 63},
      {kCmdParallelogram, 1, {"1.0", "60.0", "1.6"}, 56},
      {kCmdIsoscelesTrapezoid, 1, {"1.0", "60.0", "3.0"}, 63},
  };
  for (const Case& c : cases) {
    PlaneWindow w(c.hyperbolic);
    EXPECT_TRUE(w.QueryCommand(c.command).enabled);
    std::vector<std::string> offered;
    platform::ScriptedResponder script;
    script.OnDialog("SASDATA", Answer(&offered, 213, {}));
    ASSERT_TRUE(w.DispatchCommand(c.command));
    EXPECT_EQ(offered, c.defaults) << c.command;
    ASSERT_EQ(w.history().steps.back().kind, c.kind) << c.command;
    EXPECT_EQ(w.tables().last_point, 3);
    EXPECT_EQ(w.tables().last_line, 3);
  }
  // The parallelogram's diagonals halve each other; a side of 0 is refused with nothing added.
  PlaneWindow w(0);
  ASSERT_EQ(w.SideAngleSideQuadrilateral(56, {"5", "60", "8"}), 0);
  const auto& xy = w.tables().xy;
  EXPECT_POINT_NEAR(xy[0] + xy[2], xy[1] + xy[3], kTight);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(xy[0], xy[1])), 5.0, 1e-12);
  EXPECT_EQ(w.SideAngleSideQuadrilateral(56, {"0", "60", "8"}), engine::kMsgPositiveValue);
  EXPECT_EQ(w.tables().last_point, 3);
}

TEST_F(TransformUnitCommands, RegularPolygonsOnTheSegmentsOfAChain) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  const int c = w.FreePoint(5, 5);
  EXPECT_FALSE(w.QueryCommand(kCmdAttachRegular).enabled);  // no line yet
  ASSERT_EQ(w.Step(111, {a, b, kUnusedOperand, 0, 0, 0}), 0);
  EXPECT_TRUE(w.QueryCommand(kCmdAttachRegular).enabled);
  ASSERT_TRUE(w.DispatchCommand(kCmdAttachRegular));
  engine::TDoUndoDlg* dialog = w.attachRegularDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetItemText(211), "4");
  EXPECT_EQ(dialog->GetItemText(212), "AB");
  // A square on AB (AB is drawn: 2 points, 3 sides) and one on BC (2 points, 4 sides).
  dialog->SetItemText(212, "abc");
  dialog->PressButton(engine::kDoUndoMark);
  EXPECT_EQ(w.tables().last_point, c + 4);
  EXPECT_EQ(w.tables().last_line, 7);
  EXPECT_EQ(w.history().steps.back().kind, 149);
  // The square on AB: its far vertices lie one unit from B and from A.
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(w.tables().xy[c + 1], w.tables().xy[b])), 1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(w.tables().xy[c + 2], w.tables().xy[a])), 1.0, 1e-12);
  EXPECT_TRUE(dialog->IsItemEnabled(engine::kDoUndoUndo));
  dialog->PressButton(engine::kDoUndoUndo);
  EXPECT_EQ(w.tables().last_point, c + 2);

  // One point is no chain.
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->SetItemText(212, "a");
  dialog->PressButton(engine::kDoUndoMark);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"cannot understand"}));
  EXPECT_EQ(w.tables().last_point, c + 2);
}

TEST_F(TransformUnitCommands, ApollonianCircleOfTwoPoints) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(kCmdApollonian).enabled);
  w.FreePoint(9, 9);
  w.FreePoint(0, 0);
  w.FreePoint(3, 0);
  EXPECT_TRUE(w.QueryCommand(kCmdApollonian).enabled);
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("APOLLO", Answer(&offered, 213, {}));
  ASSERT_TRUE(w.DispatchCommand(kCmdApollonian));
  // The last point but one and the last point, ratio 2: the circle of centre (4, 0), radius 2.
  EXPECT_EQ(offered, (std::vector<std::string>{"B", "C", "2.0"}));
  ASSERT_EQ(w.tables().last_circle, 0);
  const kernel::CircleRecord& circle = w.tables().circles[0];
  EXPECT_POINT_NEAR(w.tables().xy[circle.centre], (Point2{4, 0}), kTight);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(w.tables().xy[circle.centre], w.tables().xy[circle.points[0]])), 2.0,
              1e-12);

  script.OnDialog("APOLLO", Answer(&offered, 213, {{211, "Q"}}));
  script.AnswerMessage(platform::IDOK);
  const int last = w.tables().last_point;
  ASSERT_TRUE(w.DispatchCommand(kCmdApollonian));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"cannot understand"}));
  EXPECT_EQ(w.tables().last_point, last);
}

TEST_F(TransformUnitCommands, TangentCirclesAtTheVerticesOfATriangle) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(3, 0);
  const int c = w.FreePoint(0, 4);
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("ONEINPUT", [&](platform::Dialog& d) {
    offered.push_back(d.GetItemText(211));
    d.PressButton(1);
  });
  ASSERT_TRUE(w.DispatchCommand(kCmdTangentCircles));
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0], "ABC");
  ASSERT_EQ(w.tables().last_circle, 2);
  // Sides 3, 4, 5: the radii are s - a = 1 at A, 2 at B and 3 at C.
  const std::vector<std::pair<int, double>> radii{{a, 1.0}, {b, 2.0}, {c, 3.0}};
  for (int k = 0; k < 3; ++k) {
    const kernel::CircleRecord& circle = w.tables().circles[k];
    EXPECT_EQ(circle.centre, radii[k].first);
    EXPECT_NEAR(static_cast<double>(kernel::Dist2(w.tables().xy[circle.centre], w.tables().xy[circle.points[0]])),
                radii[k].second, 1e-12);
  }
  EXPECT_EQ(w.TangentCirclesStep("AB"), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.tables().last_circle, 2);
}

// A step of a kind the plane windows cannot run (the polar triangle of the spherical window) fails
// with 1 and keeps its placeholders; the step layer's own kinds still run.
TEST_F(TransformUnitCommands, AStepOfAKindWithoutPlaneExecutorFails) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  const int c = w.FreePoint(0, 1);
  ASSERT_EQ(w.Step(111, {a, b, kUnusedOperand, 0, 0, 0}), 0);
  const std::size_t steps = w.history().steps.size();
  EXPECT_EQ(w.Step(170, {a, b, c}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.history().steps.size(), steps);
  EXPECT_EQ(w.tables().last_point, c);
  EXPECT_EQ(w.Step(144, {}), 0);
  EXPECT_FALSE(w.tables().lines[0].exists);
}

// One attribute step holds at most 36 objects after its 4 leading operands: the line dialog keeps
// the first 36 lines a long list names, the circle dialog refuses a larger selection.
TEST_F(TransformUnitCommands, AttributeStepsHoldWhatFitsTheirOperands) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(0, 1);
  ASSERT_EQ(w.SegmentsLinesRays(111, "ABCA"), 0);
  ASSERT_TRUE(w.DispatchCommand(784));
  plane::TLineAttrDlg* lines = w.lineAttributeStepDialog();
  ASSERT_NE(lines, nullptr);
  std::string chain;
  while (chain.size() < 40) chain += "ABC";
  lines->SetItemText(plane::kAttrLines, chain.substr(0, 40));
  lines->SetItemText(plane::kAttrThickness, "2");
  lines->PressButton(plane::kStepDlgAction);
  ASSERT_EQ(w.history().steps.back().kind, 160);
  EXPECT_EQ(w.history().steps.back().operands[0], 36);

  for (int k = 0; k < 37; ++k) {
    const int c = w.FreePoint(3 * k, 5);
    const int p = w.FreePoint(3 * k + 1, 5);
    ASSERT_EQ(w.Step(91, {c, p}), 0);
  }
  ASSERT_TRUE(w.DispatchCommand(786));
  plane::TCircAttrDlg* circles = w.circleAttributeDialog();
  ASSERT_NE(circles, nullptr);
  for (int k = 0; k < 37; ++k) circles->ListSetSelected(plane::kAttrCircles, k, true);
  const std::size_t steps = w.history().steps.size();
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  circles->PressButton(plane::kStepDlgAction);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"out of bounds"}));
  EXPECT_EQ(w.history().steps.size(), steps);
}

}  // namespace

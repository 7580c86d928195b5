// Attaching figures: the whole figure of a source window carried onto two points of its target
// (the attached-point step, the lines and circles as ordinary steps, replay after the target
// points moved, Import Undo, the correspondence dialog's refusals), and a figure copied onto every
// link of a chain of points.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "plane/mac_win.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
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
constexpr int kRay = 117;
constexpr int kCircle = 91;


// Target: A(0,0), B(1,0). Source: A(0,0), B(2,0), C(1,1), D(3,3) with the segment AC, the ray
// from B through C, the line AD and the circle about A through B.
class AttachImportTest : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    target = std::make_unique<PlaneWindow>(0);
    target->FreePoint(0, 0);
    target->FreePoint(1, 0);
    source.reset(target->OpenSourceWindow());
    ASSERT_NE(source, nullptr);
    FreePointIn(*source, 0, 0);
    FreePointIn(*source, 2, 0);
    FreePointIn(*source, 1, 1);
    FreePointIn(*source, 3, 3);
    ASSERT_EQ(StepIn(*source, kSegment, {0, 2, -1, 4, 1, 0}), 0);  // colour 5, width 2
    ASSERT_EQ(StepIn(*source, kRay, {1, 2}), 0);
    ASSERT_EQ(StepIn(*source, kLine, {0, 3}), 0);
    ASSERT_EQ(StepIn(*source, kCircle, {0, 1}), 0);
  }
  void TearDown() override {
    source.reset();
    target.reset();
    IsolatedFolders::TearDown();
  }
  std::vector<int> TargetKinds() const {
    std::vector<int> kinds;
    for (const auto& s : target->history().steps) kinds.push_back(s.kind);
    return kinds;
  }

  std::unique_ptr<PlaneWindow> target;
  plane_test::LinkedWindow source;
};

TEST_F(AttachImportTest, TheSourceFigureIsCarriedOntoTwoPointsAndFollowsThemAndUndoTakesItBack) {
  EXPECT_TRUE(source->QueryCommand(plane::kCmdAttach).enabled);
  EXPECT_FALSE(source->QueryCommand(plane::kCmdUndoAttach).enabled);
  EXPECT_FALSE(target->QueryCommand(plane::kCmdAttach).enabled);
  target->transform.attributeCopy = 0;
  ScriptedResponder script;
  script.FillAndPress("TWOINPUT", {{211, "AB"}, {212, "AB"}}, platform::IDOK);
  ASSERT_TRUE(source->DispatchCommand(plane::kCmdAttach));
  EXPECT_TRUE(script.Unexpected().empty());

  // A and B land on the target's A and B; C and D are new points of half the size.
  const engine::FigureTables& t = target->tables();
  ASSERT_EQ(t.last_point, 3);
  EXPECT_POINT2_NEAR(t.xy[2], (Point2{0.5L, 0.5L}), 1e-17L);
  EXPECT_POINT2_NEAR(t.xy[3], (Point2{1.5L, 1.5L}), 1e-17L);
  EXPECT_EQ(TargetKinds(), (std::vector<int>{121, 121, 157, kSegment, kRay, kLine, 95}));
  const kernel::ConstructionRecord& attach = target->history().steps[2];
  EXPECT_EQ(attach.operands[6], 2);  // two new points
  EXPECT_EQ(attach.operands[7], 0);  // the first attached-point list
  ASSERT_EQ(target->fileData.pointLists.size(), 1u);
  EXPECT_EQ(target->fileData.pointLists[0].points.size(), 4u);
  // A segment stays a segment, a ray a ray, a line a line; the attributes are the plain ones.
  ASSERT_EQ(t.last_line, 2);
  EXPECT_FALSE(t.lines[0].extends_first);
  EXPECT_TRUE(t.lines[1].extends_first && !t.lines[1].extends_second);
  EXPECT_TRUE(t.lines[2].extends_first && t.lines[2].extends_second);
  EXPECT_EQ(t.lines[0].pen.colour, 0);
  EXPECT_EQ(t.lines[0].pen.width, 1);
  ASSERT_EQ(t.last_circle, 0);
  EXPECT_EQ(t.circles[0].centre, 0);

  // The target's B moves: the attached points follow by the new similarity.
  target->tables().xy[1] = {0, 1};
  target->ReplayConstruction(true);
  EXPECT_POINT2_NEAR(t.xy[2], (Point2{-0.5L, 0.5L}), 1e-15L);
  EXPECT_POINT2_NEAR(t.xy[3], (Point2{-1.5L, 1.5L}), 1e-15L);

  EXPECT_TRUE(source->QueryCommand(plane::kCmdUndoAttach).enabled);
  ASSERT_EQ(source->UndoAttach(), 0);
  EXPECT_EQ(TargetKinds(), (std::vector<int>{121, 121}));
  EXPECT_EQ(t.last_point, 1);
  EXPECT_EQ(t.last_line, -1);
  EXPECT_EQ(source->UndoAttach(), engine::kMsgNothingToDo);
}

TEST_F(AttachImportTest, WithAttributeCopyTheSourcePensAndLabelStylesComeAlong) {
  source->tables().names[2].marker = 3;
  ScriptedResponder script;
  script.FillAndPress("TWOINPUT", {{211, "AB"}, {212, "AB"}}, platform::IDOK);
  ASSERT_EQ(source->AttachImport(false), 0);
  const engine::FigureTables& t = target->tables();
  EXPECT_EQ(t.lines[0].pen.colour, source->tables().lines[0].pen.colour);
  EXPECT_EQ(t.lines[0].pen.width, 2);
  EXPECT_EQ(t.names[2].marker, 3);
}

TEST_F(AttachImportTest, TheDialogKeepsTwoPointsRefusesDuplicatesAndOffersTheLastText) {
  ScriptedResponder script;
  // "ABC" keeps A and B; the target side names its B and A, so the figure turns half round.
  script.FillAndPress("TWOINPUT", {{211, "ABC"}, {212, "BA"}}, platform::IDOK);
  ASSERT_EQ(source->AskAttachInputs(false), 0);
  EXPECT_EQ(source->pointMap[0], 1);
  EXPECT_EQ(source->pointMap[1], 0);
  EXPECT_EQ(source->pointMap[2], -1);
  EXPECT_EQ(source->importInputText, "ABC");

  // "AA" on either side: 122 and the maps stay.
  for (const auto& [from, onto] : {std::pair{"AA", "AB"}, std::pair{"AB", "AA"}}) {
    script.FillAndPress("TWOINPUT", {{211, from}, {212, onto}}, platform::IDOK).AnswerMessage(platform::IDOK);
    EXPECT_EQ(source->AskAttachInputs(false), -1);
    EXPECT_EQ(source->pointMap[0], 1);
  }
  // Fewer than two existing points: 6.
  script.FillAndPress("TWOINPUT", {{211, "AX"}, {212, "AB"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  EXPECT_EQ(source->AskAttachInputs(false), -1);
  // The next dialog offers the source text of the last successful attachment.
  std::string offered;
  script.OnDialog("TWOINPUT", [&offered](platform::Dialog& d) {
    offered = d.GetItemText(211);
    d.PressButton(platform::IDCANCEL);
  });
  EXPECT_EQ(source->AskAttachInputs(false), -1);
  EXPECT_EQ(offered, "ABC");
  std::vector<std::string> messages;
  for (const auto& shown : script.shown()) {
    if (shown.kind == ScriptedResponder::Shown::Kind::Message) messages.push_back(shown.text);
  }
  EXPECT_EQ(messages, (std::vector<std::string>{"duplicate label", "duplicate label", "inconsistent data"}));
  EXPECT_TRUE(target->history().steps.size() == 2u);
}

using AttachFigureTest = IsolatedFolders;

TEST_F(AttachFigureTest, AFigureIsAttachedToEveryLinkOfAChainWhosePointsExist) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(0.5L, 1);
  ASSERT_EQ(w.Step(kSegment, {0, 1}), 0);
  ASSERT_EQ(w.Step(kSegment, {1, 2}), 0);
  for (const Point2 p : {Point2{3, 0}, Point2{4, 0}, Point2{4, 1}, Point2{3, 1}}) w.FreePoint(p.x, p.y);
  EXPECT_TRUE(w.QueryCommand(plane::kCmdAttachFigure).enabled);
  const std::size_t before = w.history().steps.size();
  std::string figure = "ABC";
  std::string chain = "DEFG";
  ASSERT_EQ(w.DoAttachFigure(figure, chain, nullptr, 1), 0);
  ASSERT_EQ(w.history().steps.size(), before + 3);
  for (std::size_t k = 0; k < 3; ++k) {
    const kernel::ConstructionRecord& s = w.history().steps[before + k];
    EXPECT_EQ(s.kind, 155);
    EXPECT_EQ(s.operands[2], 3 + k);
    EXPECT_EQ(s.operands[3], 4 + k);
    EXPECT_EQ(s.text[0], "ABC");
  }
  // The copy on DE carries C to (3.5, 1).
  const engine::FigureTables& t = w.tables();
  EXPECT_POINT2_NEAR(t.xy[7], (Point2{3.5L, 1}), 1e-17L);

  // A link with a point that is gone is skipped.
  w.tables().exists[5] = 0;
  std::string shortChain = "DEFG";
  const std::size_t again = w.history().steps.size();
  ASSERT_EQ(w.DoAttachFigure(figure, shortChain, nullptr, 1), 0);
  EXPECT_EQ(w.history().steps.size(), again + 1);

  std::string one = "A";
  EXPECT_EQ(w.DoAttachFigure(figure, one, nullptr, 1), 1);
  EXPECT_EQ(w.DoAttachFigure(one, chain, nullptr, 1), 1);
}

}  // namespace

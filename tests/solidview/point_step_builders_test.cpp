// The steps the construction dialogs make in a window of space: the foot from a point to a typed
// line, plane, axis or coordinate plane, the common perpendicular of two typed lines, and a new
// movable point where another one stands.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/scripted_responder.h"
#include "shell/child_windows.h"
#include "solidview/geom3_win.h"
#include "solidview/solid_window_opening.h"
#include "support/isolated_folders.h"

namespace {

struct ClosingPointWindow {
  void operator()(solidview::TGeom3Win* w) const {
    w->Destroy();
    platform::Application::ProcessPendingEvents();
    delete w;  // a window without a parent is its opener's to delete
  }
};
using PointWindow = std::unique_ptr<solidview::TGeom3Win, ClosingPointWindow>;

class PointStepBuilders : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
    plane::SolidHandOver cube;
    cube.prism = true;
    cube.base = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    cube.labels = {0, 1, 2, 3};
    cube.altitude = 1;
    w.reset(static_cast<solidview::TGeom3Win*>(solidview::OpenSolidWindow(nullptr, "cube.kv3", 0, cube)));
    ASSERT_TRUE(w);
  }
  void TearDown() override {
    w.reset();
    shell::ChildWindows().fill(0);
    IsolatedFolders::TearDown();
  }
  std::size_t Steps() const { return w->history().steps.size(); }
  const kernel::ConstructionRecord& LastStep() const { return w->history().steps.back(); }

  PointWindow w;
};

TEST_F(PointStepBuilders, TheFootIsBuiltFromTypedPointsAxesAndPlanesOrRefused) {
  // The cube's points: A B C D at z = 0, A' B' C' D' at z = 1 (indices 4 to 7).
  struct Case {
    int mode;
    const char* target;
    const char* from;
    int result;
    int kind;
    int code;  // operand 3 (line) or 4 (plane)
    const char* text;
  };
  const Case cases[] = {
      {1, "xx", "C'", 0, 402, 1, "x axis"},
      {2, "ZZZ", "C'", 0, 403, 3, "xy plane"},
      {1, "AB", "C'", 0, 402, 0xFFFF, "AB"},
      {2, "abc", "C'", 0, 403, 0xFFFF, "ABC"},
      {2, "AB", "C'", engine::kMsgCouldNotFind, 0, 0, ""},
      {2, "ABA", "C'", 122, 0, 0, ""},
      {1, "AA", "C'", 122, 0, 0, ""},
      {1, "AB", "Q", engine::kMsgCouldNotFind, 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.target) + " from " + c.from);
    const std::size_t steps = Steps();
    const int last = w->tables().last_point;
    std::string target = c.target;
    std::string from = c.from;
    EXPECT_EQ(w->DoAltitude3D(c.mode, target, from), c.result);
    if (c.result != 0) {
      EXPECT_EQ(Steps(), steps);
      EXPECT_EQ(w->tables().last_point, last);
      continue;
    }
    ASSERT_EQ(Steps(), steps + 1);
    const kernel::ConstructionRecord& step = LastStep();
    EXPECT_EQ(step.kind, c.kind);
    const std::size_t codeAt = c.kind == 402 ? 3 : 4;
    EXPECT_EQ(step.operands[codeAt], c.code);
    EXPECT_EQ(step.operands[codeAt - 1], 6);  // C'
    if (c.code != 0xFFFF) {
      EXPECT_EQ(step.operands[0], 6);  // an axis keeps the point in the line's place
    }
    EXPECT_EQ(step.text[2], c.text);
    EXPECT_EQ(w->tables().last_point, last + 1);
    EXPECT_EQ(w->tables().names[static_cast<std::size_t>(last + 1)].shown, 1);
  }
  // The feet: C' = (1, 1, 1) to the x axis (1, 0, 0), to z = 0 (1, 1, 0), to AB (1, 0, 0).
  const engine::FigureTables& t = w->tables();
  EXPECT_EQ(t.xyz[8].y, 0);
  EXPECT_EQ(t.xyz[8].z, 0);
  EXPECT_EQ(t.xyz[9].z, 0);
  EXPECT_EQ(t.xyz[9].y, 1);
  // A step that the executor refuses is not kept and leaves no point.
  w->tables().xyz[1] = w->tables().xyz[0];
  std::string line = "AB";
  std::string from = "C'";
  const int last = t.last_point;
  EXPECT_EQ(w->DoAltitude3D(1, line, from), 127);
  EXPECT_EQ(t.last_point, last);
}

TEST_F(PointStepBuilders, TheCommonPerpendicularKeepsTheTypedLinesAndReportsParallelOnes) {
  std::string first = "AB,";
  std::string second = "DD' ";
  ASSERT_EQ(w->DoCommonPerpendicular(first, second), 0);
  const kernel::ConstructionRecord& step = LastStep();
  EXPECT_EQ(step.kind, 139);
  EXPECT_EQ(step.text[0], "AB");
  EXPECT_EQ(step.text[1], "DD'");
  // The skew edges AB and DD' meet their common perpendicular at A and D.
  EXPECT_EQ(w->tables().xyz[8].x, 0);
  EXPECT_EQ(w->tables().xyz[9].y, 1);
  // AB with itself: parallel lines.
  const std::size_t steps = Steps();
  first = "AB";
  second = "AB";
  EXPECT_EQ(w->DoCommonPerpendicular(first, second), 143);
  EXPECT_EQ(Steps(), steps);
  first = "A";
  EXPECT_EQ(w->DoCommonPerpendicular(first, second), engine::kMsgCouldNotFind);
  first = "AA";
  EXPECT_EQ(w->DoCommonPerpendicular(first, second), 122);
}

TEST_F(PointStepBuilders, ANewMovablePointStandsWhereThePointIsOrTheTableSaysNoRoom) {
  ASSERT_EQ(w->NewPointStep(6), 1);
  engine::FigureTables& t = w->tables();
  ASSERT_EQ(t.last_point, 8);
  EXPECT_EQ(t.xyz[8].x, t.xyz[6].x);
  EXPECT_EQ(t.xyz[8].z, 1);
  EXPECT_EQ(t.attrs[8].tag, 0);
  EXPECT_EQ(LastStep().kind, 121);
  // No free label: message 4, nothing added.
  for (int label = 0; label < engine::kPointCapacity; ++label) {
    if (t.label_map[label] < 0) t.label_map[label] = 0;
  }
  const std::size_t steps = Steps();
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  EXPECT_EQ(w->NewPointStep(6), 0);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"no more room"}));
  EXPECT_EQ(Steps(), steps);
}

}  // namespace

namespace {

TEST_F(PointStepBuilders, ThePerpendicularsMenuOpensTheDialogsThatDropTheFoot) {
  struct Case {
    int command;
    const char* line;
    const char* from;  // the last point: D', then the first foot E
    const char* repeated;
    int kind;
  };
  for (const Case& c : {Case{670, "AB", "D'", "AA", 402}, Case{671, "ABC", "E", "ABA", 403}}) {
    SCOPED_TRACE(c.command);
    ASSERT_TRUE(w->DispatchCommand(c.command));
    engine::TDoUndoDlg* dialog = w->perpendicularDialog(c.command == 671);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsVisible());
    EXPECT_EQ(dialog->GetItemText(211), c.line);
    EXPECT_EQ(dialog->GetItemText(212), c.from);
    platform::ScriptedResponder script;
    dialog->PressButton(engine::kDoUndoMark);
    EXPECT_TRUE(script.Messages().empty()) << script.Messages().front();
    EXPECT_EQ(LastStep().kind, c.kind);
    // A line or plane naming a point twice is refused with its message.
    dialog->SetItemText(211, c.repeated);
    script.AnswerMessage(platform::IDOK);
    dialog->PressButton(engine::kDoUndoMark);
    EXPECT_EQ(script.Messages(), (std::vector<std::string>{"duplicate label"}));
  }
  // The foot from D' = (0, 1, 1) to AB is A; from E = A to the plane ABC, A again.
  EXPECT_EQ(w->tables().xyz[8].y, 0);
  EXPECT_EQ(w->tables().xyz[8].z, 0);
  EXPECT_EQ(w->tables().xyz[9].z, 0);
}

}  // namespace

// The history listing in its page window, the history header, Edit > Undo and Redo, taking back an
// imported block, and Clear figure.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/expr_text_passes.h"
#include "engine/windows/do_undo_dlg.h"
#include "kernel/fill_trace_records.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "shell/page_win.h"
#include "support/isolated_folders.h"
#include "view/text_item.h"

namespace {

using plane_test::PlaneWindow;

using HistoryList = IsolatedFolders;

constexpr int kNone = 0xFFFF;
constexpr int kCmdUndo = 98;
constexpr int kCmdRedo = 94;
constexpr int kCmdHistory = 748;
constexpr int kCmdHeader = 887;

// A triangle's corners A, B, C and its side AB.
void SmallFigure(PlaneWindow& w) {
  w.FreePoint(0, 0);
  w.FreePoint(3, 0);
  w.FreePoint(0, 4);
  ASSERT_EQ(w.Step(111, {0, 1, kNone, 0, 0, 0}), 0);
}

TEST_F(HistoryList, TheListingOfASmallFigure) {
  PlaneWindow w(0);
  SmallFigure(w);
  ASSERT_EQ(w.Step(146, {0}, {"90", "1", "B"}), 0);
  w.compiler.settings.parameters[1].value = 2.5L;
  w.compiler.settings.user_functions.push_back({"X*X", "SQ"});
  view::TextItem shown;
  shown.text = "2+3";
  view::TextItem hidden = shown;
  hidden.text = "7";
  hidden.shown = 0;
  w.textItems.measurements = {shown, hidden};
  // A path of B run by the slider $, and the whole figure run by A's parameter.
  kernel::TraceRecord path;
  kernel::InitTraceRecord(path, 1, 1, 1, 1, 0, 1, 10, 4, 0);
  kernel::TraceRecord whole;
  kernel::InitTraceRecord(whole, 2, 0, 0, 1, 0, 1, 10, 4, 0);
  w.traces = {path, whole};
  const std::string colour = w.RgbText(4);
  w.fileMsg.fileName = "/tmp/somewhere/triangle.kv2";

  ASSERT_TRUE(w.DispatchCommand(kCmdHistory));
  shell::TPageWin* page = w.historyWindow();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->IsVisible());
  const std::string expected =
      "untitled\r\n\r\n"
      "00: movable A = (0.00000,0.00000)\r\n"
      "01: movable B = (3.00000,0.00000)\r\n"
      "02: movable C = (0.00000,4.00000)\r\n"
      "03: segment AB (rgb(255,255,255), thickness 1, style dotted)\r\n"
      "04: B' = rotate|dilate  B; A, 90, 1 [save labels]\r\n"
      "\r\n\r\n"
      "current parameter values:\r\n"
      " #  = 0.66667\r\n"
      " $  = 2.50000\r\n"
      " @  = 0.50000\r\n"
      " &  = 0.50000\r\n"
      " %  = 0.50000\r\n"
      " ?  = 0.50000\r\n"
      "[t] = 0.00000\r\n"
      "\r\n"
      "user-defined functions:\r\n"
      "SQ(X) = X*X\r\n"
      "\r\n"
      "tracings:\r\n"
      "control $; pen on B; color " + colour + "\r\n"
      "control A; whole fig; color " + colour + "\r\n"
      "\r\n"
      "current measurements:\r\n"
      "2+3 = 5.00000\r\n"
      "\r\n";
  EXPECT_EQ(page->preText.text, expected);
  EXPECT_EQ(page->Caption(), "history [triangle.kv2] steps: 5");
  // Listing replays the history and leaves the figure as it was.
  EXPECT_EQ(w.tables().last_point, 3);
}

TEST_F(HistoryList, TheHeaderIsEditedSavedAndReadBack) {
  PlaneWindow w(0);
  SmallFigure(w);
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, std::string(70, 'h')}}, platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(kCmdHeader));
  EXPECT_EQ(w.historyHeader, std::string(59, 'h'));
  EXPECT_EQ(w.fileMsg.modified, 1);

  const std::string path = (folder_ / "header.kv2").string();
  w.historyHeader = "three corners and a side";
  w.qelWin.writeSettings = 0;
  w.fileMsg.fileName = path;
  w.fileMsg.named = 1;
  ASSERT_TRUE(w.Save());
  PlaneWindow reader(0);
  reader.qelWin.writeSettings = 0;
  EXPECT_EQ(reader.historyHeader, "untitled");
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  EXPECT_EQ(reader.historyHeader, "three corners and a side");
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(HistoryList, UndoAndRedoFromTheEditMenu) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(kCmdUndo).enabled);
  EXPECT_FALSE(w.QueryCommand(kCmdRedo).enabled);
  SmallFigure(w);
  EXPECT_TRUE(w.QueryCommand(kCmdUndo).enabled);
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  EXPECT_EQ(w.tables().last_point, 1);
  EXPECT_EQ(w.tables().last_line, -1);
  EXPECT_TRUE(w.QueryCommand(kCmdRedo).enabled);
  ASSERT_TRUE(w.DispatchCommand(kCmdRedo));
  EXPECT_EQ(w.tables().last_point, 2);
  // The first step is never taken back.
  for (int k = 0; k < 5; ++k) w.DispatchCommand(kCmdUndo);
  EXPECT_EQ(w.history().steps.size(), 1u);
  EXPECT_FALSE(w.QueryCommand(kCmdUndo).enabled);
}

TEST_F(HistoryList, ARandomTriangleIsTakenBackLikeAnyStepButNeverAsTheFirst) {
  constexpr int kCmdRandomTriangle = 712;
  PlaneWindow w(0);
  // The first step of a figure is never taken back, so one triangle leaves Undo greyed.
  ASSERT_TRUE(w.DispatchCommand(kCmdRandomTriangle));
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.history().protected_step, -1);
  EXPECT_FALSE(w.QueryCommand(kCmdUndo).enabled);
  // A second triangle is taken back whole, and the first stays.
  ASSERT_TRUE(w.DispatchCommand(kCmdRandomTriangle));
  EXPECT_EQ(w.tables().last_point, 5);
  EXPECT_TRUE(w.QueryCommand(kCmdUndo).enabled);
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  EXPECT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.tables().last_point, 2);
  EXPECT_EQ(w.tables().last_line, 2);
  EXPECT_FALSE(w.QueryCommand(kCmdUndo).enabled);
  // After a point placed first, the triangle is the second step and Undo takes it back at once.
  PlaneWindow v(0);
  v.FreePoint(1, 1);
  ASSERT_TRUE(v.DispatchCommand(kCmdRandomTriangle));
  EXPECT_TRUE(v.QueryCommand(kCmdUndo).enabled);
  ASSERT_TRUE(v.DispatchCommand(kCmdUndo));
  EXPECT_EQ(v.tables().last_point, 0);
  EXPECT_EQ(v.tables().last_line, -1);
}

TEST_F(HistoryList, AnImportedBlockIsTakenBackWhole) {
  PlaneWindow w(0);
  SmallFigure(w);
  EXPECT_EQ(w.UndoImport(), engine::kMsgNothingToDo);
  w.PushImportMark();
  w.FreePoint(5, 5);
  w.FreePoint(6, 6);
  w.PushImportMark();
  // A step made after the block: the block can no longer be taken back alone.
  w.FreePoint(7, 7);
  EXPECT_EQ(w.UndoImport(), 106);
  EXPECT_EQ(w.history().steps.size(), 7u);
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  EXPECT_EQ(w.UndoImport(), 0);
  EXPECT_EQ(w.history().steps.size(), 4u);
  EXPECT_TRUE(w.importMarks.steps.empty());
  EXPECT_EQ(w.UndoImport(), engine::kMsgNothingToDo);
}

// A window whose first curve list holds plain counted records.
class CurveWindow : public PlaneWindow {
 public:
  CurveWindow() : PlaneWindow(0) {}
  int records = 0;
  std::array<int, 4> CountCurveLists() const override { return {records, 0, 0, 0}; }
  void DropCurveListHead(int k, int n) override {
    if (k == 0) records -= n;
  }
};

TEST_F(HistoryList, CurveMarksFreeWhatEachImportAdded) {
  CurveWindow w;
  w.records = 2;
  w.PushCurveMarks();
  w.records += 3;
  w.EndCurveMarks();
  EXPECT_EQ(w.history().marks.back().kind, 157);
  w.records = 1;  // fewer left than the import added: only those go
  w.PopCurveList1();
  EXPECT_EQ(w.records, 0);
  w.PopCurveList1();  // no mark left: nothing happens
  EXPECT_EQ(w.records, 0);
}

TEST_F(HistoryList, ClearFigureResetsTheFigureAndItsLists) {
  PlaneWindow w(0);
  SmallFigure(w);
  ASSERT_EQ(w.Step(146, {0}, {"90", "1", "B"}), 0);
  w.PushUndoMark(146);
  w.PushImportMark();
  w.fills.push_back({});
  w.textItems.measurements.push_back({});
  w.compiler.settings.user_functions.push_back({"X", "F"});
  w.historyHeader = "something";
  w.Mirror();
  ASSERT_TRUE(w.DispatchCommand(kCmdUndo));
  w.SetView(3, 4, 10, 10, false);

  w.ClearFigure();
  const engine::FigureTables& t = w.tables();
  EXPECT_TRUE(w.history().steps.empty());
  EXPECT_TRUE(w.history().redo.empty());
  EXPECT_TRUE(w.history().marks.empty());
  EXPECT_TRUE(w.importMarks.steps.empty());
  EXPECT_TRUE(w.fills.empty());
  EXPECT_TRUE(w.textItems.measurements.empty());
  EXPECT_TRUE(w.compiler.settings.user_functions.empty());
  EXPECT_EQ(t.last_point, -1);
  EXPECT_EQ(t.last_line, -1);
  EXPECT_EQ(t.last_circle, -1);
  EXPECT_EQ(t.names[0].label, 0xFFFF);
  EXPECT_EQ(t.names[0].dx, 10);
  EXPECT_EQ(t.label_map[0], -1);
  EXPECT_EQ(t.attrs[1].tag, -1);
  EXPECT_EQ(t.lines[0].exists, 0);
  EXPECT_FALSE(w.mirrorDialog()->IsVisible());
  EXPECT_EQ(w.historyHeader, "untitled");
  EXPECT_EQ(w.fileMsg.modified, 0);
  EXPECT_EQ(w.mapping.centre.x, 0);
  EXPECT_EQ(w.mapping.halfWidth, 5);
}

}  // namespace

// The plane window's object commands: lists of points, lines and circles, deleting points and
// lines, pasting coordinates, triangle centres, perpendicular bisectors and the label settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "shell/pre_text_win.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

using ObjectCommands = IsolatedFolders;

int Count(PlaneWindow& w, int kind) {
  int n = 0;
  for (const kernel::ConstructionRecord& step : w.history().steps) n += step.kind == kind ? 1 : 0;
  return n;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST_F(ObjectCommands, PointListNumbersAndCaption) {
  PlaneWindow w(0);
  w.numberFormat.decimals = 1;
  for (int i = 0; i < 4; ++i) w.FreePoint(i, 0);
  ASSERT_EQ(w.DeletePoints("C"), 0);
  ASSERT_TRUE(w.DispatchCommand(811));
  shell::TTextWin* list = w.ListWindow(engine::TGeom10Win::ListKind::kPoints);
  EXPECT_TRUE(list->Caption().starts_with("3/4 points [")) << list->Caption();
  EXPECT_EQ(Lines(list->preText.text), (std::vector<std::string>{"1. A = (0.0, 0.0) (unit 0)", "2. B = (1.0, 0.0) (unit 0)",
                                                                  "4. D = (3.0, 0.0) (unit 0)"}));
  EXPECT_EQ(list->fileMsg.fileName, "points.txt");
  EXPECT_FALSE(list->IsModified());

  // From ten entries on the numbers are padded to the widest.
  for (int i = 4; i < 12; ++i) w.FreePoint(i, 0);
  ASSERT_TRUE(w.DispatchCommand(811));
  const std::vector<std::string> lines = Lines(list->preText.text);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_TRUE(lines[0].starts_with(" 1. A")) << lines[0];
  EXPECT_TRUE(lines[10].starts_with("12. ")) << lines[10];
  EXPECT_TRUE(list->Caption().starts_with("11/12 points")) << list->Caption();
}

TEST_F(ObjectCommands, LineListWithEquationsOnlyWithTheAxes) {
  PlaneWindow w(0);
  w.numberFormat.decimals = 0;
  w.FreePoint(0, 1);
  w.FreePoint(1, 3);
  w.FreePoint(-2, 0);
  w.FreePoint(-2, 5);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB/CD"), 0);
  ASSERT_TRUE(w.DispatchCommand(746));
  shell::TTextWin* list = w.ListWindow(engine::TGeom10Win::ListKind::kLines);
  EXPECT_EQ(Lines(list->preText.text), (std::vector<std::string>{"AB", "CD"}));
  EXPECT_TRUE(list->Caption().starts_with("2 lines [")) << list->Caption();
  w.axes.axesShown = 1;
  ASSERT_TRUE(w.DispatchCommand(746));
  EXPECT_EQ(Lines(list->preText.text), (std::vector<std::string>{"AB:   y - 2x = 1", "CD:   x = -2"}));
}

TEST_F(ObjectCommands, DeletingLinesByTypedPairs) {
  PlaneWindow w(0);
  // A, B and C on one line: the pair BC names the same line again.
  w.FreePoint(0, 0);
  w.FreePoint(2, 0);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  w.FreePoint(1, 0);
  ASSERT_TRUE(w.AddPointToLine(2, 0));
  ASSERT_EQ(w.DeleteLines("acb"), 0);
  ASSERT_EQ(Count(w, 142), 1);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(std::vector<int>(step.operands.begin(), step.operands.begin() + 7),
            (std::vector<int>{0, 2, 0, 2, 1, 0, 0xFFFF}));
  EXPECT_FALSE(w.tables().lines[0].exists);

  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  EXPECT_EQ(w.DeleteLines("A"), 1);
  EXPECT_EQ(Count(w, 142), 1);
}

TEST_F(ObjectCommands, FourteenLinesMakeTwoDeletionSteps) {
  PlaneWindow w(0);
  for (int i = 0; i < 15; ++i) w.FreePoint(i, i * i);
  std::string all;
  for (int i = 0; i < 15; ++i) w.AppendPointName(all, i);
  ASSERT_EQ(w.SegmentsLinesRays(111, all), 0);
  ASSERT_EQ(w.DeleteLines(all), 0);
  ASSERT_EQ(Count(w, 142), 2);
  const kernel::ConstructionRecord& last = w.history().steps.back();
  EXPECT_EQ(last.operands[2], 13);
  EXPECT_EQ(last.operands[3], 0xFFFF);
  for (int i = 0; i < 14; ++i) EXPECT_FALSE(w.tables().lines[static_cast<std::size_t>(i)].exists) << i;
  ASSERT_TRUE(w.DispatchCommand(1160));
  EXPECT_EQ(Count(w, 144), 1);
}

TEST_F(ObjectCommands, PastedCoordinatesMakePoints) {
  PlaneWindow w(0);
  platform::CopyTextToClipboard("1 2 3 4 5");
  ASSERT_TRUE(w.DispatchCommand(734));
  ASSERT_EQ(w.tables().last_point, 1);
  EXPECT_EQ(w.tables().xy[0].x, 1);
  EXPECT_EQ(w.tables().xy[0].y, 2);
  EXPECT_EQ(w.tables().xy[1].x, 3);
  EXPECT_EQ(w.tables().xy[1].y, 4);
  platform::CopyTextToClipboard("-1.5, 2");
  ASSERT_TRUE(w.DispatchCommand(734));
  ASSERT_EQ(w.tables().last_point, 2);
  EXPECT_EQ(w.tables().xy[2].x, -1.5L);
  EXPECT_EQ(w.tables().xy[2].y, 2);

  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  platform::CopyTextToClipboard("");
  ASSERT_TRUE(w.DispatchCommand(734));
  platform::CopyTextToClipboard("7");
  ASSERT_TRUE(w.DispatchCommand(734));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"nothing to do", "nothing to do"}));
  EXPECT_EQ(w.tables().last_point, 2);
}

TEST_F(ObjectCommands, TableTextCollectsPastedText) {
  PlaneWindow w(0);
  platform::CopyTextToClipboard("1 2");
  ASSERT_EQ(w.PasteClipboardText(1), 0);
  ASSERT_EQ(w.PasteClipboardText(1), 0);
  EXPECT_EQ(w.tableText, "1 2\r\n1 2");
  shell::TTextWin* table = w.ListWindow(engine::TGeom10Win::ListKind::kTable);
  EXPECT_EQ(table->preText.text, "1 2\r\n1 2");
  EXPECT_TRUE(table->Caption().starts_with("table [")) << table->Caption();
  platform::CopyTextToClipboard("");
  EXPECT_EQ(w.PasteClipboardText(1), 9);
}

TEST_F(ObjectCommands, PointDeletionSkipsWhatItMayNotDelete) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);  // A
  w.FreePoint(1, 0);  // B
  w.FreePoint(5, 5);  // C
  w.FreePoint(6, 5);  // D
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  platform::ScriptedResponder script;
  // B holds the segment AB; C goes.
  script.FillAndPress("ONEINPUT", {{211, "B,C"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(741));
  EXPECT_EQ(Count(w, 141), 1);
  EXPECT_FALSE(w.tables().PointExists(2));
  EXPECT_TRUE(w.tables().PointExists(1));
  EXPECT_EQ(w.DeletePoints("Q"), 9);
  EXPECT_EQ(w.DeletePoints("A"), 133);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"needed for segment"}));
}

TEST_F(ObjectCommands, TriangleCentresOnePerTypedTriangle) {
  PlaneWindow w(0);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {4, 0}, {0, 3}, {10, 0}, {14, 0}, {10, 3}}) {
    w.FreePoint(x, y);
  }
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "ABC/DEF"}}, platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(761));
  EXPECT_EQ(Count(w, 131), 2);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[0]), 2.5, 1e-12);

  // The incircle needs the sides drawn.
  script.FillAndPress("ONEINPUT", {{211, "ABC"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(762));
  EXPECT_EQ(Count(w, 132), 0);
  ASSERT_EQ(w.SegmentsLinesRays(111, "ABCA"), 0);
  EXPECT_EQ(w.TriangleCentres(132, "ABC", 0), 0);
  EXPECT_EQ(Count(w, 132), 1);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[2]), 1.0, 1e-12);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"no such line"}));
  EXPECT_EQ(w.TriangleCentres(131, "AB", 0), 1);
}

TEST_F(ObjectCommands, PerpendicularBisectorsOfTwoSegments) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(2, 0);
  w.FreePoint(0, 5);
  w.FreePoint(0, 9);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB/CD"), 0);
  ASSERT_EQ(w.PerpendicularBisectors("AB CD"), 0);
  EXPECT_EQ(Count(w, 101), 2);
  EXPECT_EQ(Count(w, 115), 2);
  EXPECT_EQ(w.tables().xy[4].x, 1);
  EXPECT_EQ(w.PerpendicularBisectors("A"), 1);
}

TEST_F(ObjectCommands, LabelModesCycle) {
  PlaneWindow w(0);
  // Without points the dot mode stays.
  const int before = w.labelDisplay.globalMarker;
  ASSERT_TRUE(w.DispatchCommand(826));
  EXPECT_EQ(w.labelDisplay.globalMarker, before);
  w.FreePoint(0, 0);
  std::vector<int> dots;
  w.labelDisplay.globalMarker = 3;
  for (int i = 0; i < 7; ++i) {
    ASSERT_TRUE(w.DispatchCommand(826));
    dots.push_back(w.labelDisplay.globalMarker);
  }
  EXPECT_EQ(dots, (std::vector<int>{4, -1, 0, 1, 2, 3, 4}));
  std::vector<int> letters;
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(w.DispatchCommand(823));
    letters.push_back(w.labelDisplay.labelMode);
  }
  EXPECT_EQ(letters, (std::vector<int>{-1, 0, 1, -1}));

  ASSERT_TRUE(w.DispatchCommand(927));
  EXPECT_EQ(w.tables().names[0].dx, 0);
  EXPECT_EQ(w.tables().names[7000].dy, 0);
  ASSERT_TRUE(w.DispatchCommand(928));
  EXPECT_EQ(w.tables().names[0].dx, 10);

  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "0"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  script.FillAndPress("ONEINPUT", {{211, "5"}}, platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(737));
  ASSERT_TRUE(w.DispatchCommand(737));
  EXPECT_EQ(w.labelDisplay.markerSize, 5);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"positive value?"}));
}

TEST_F(ObjectCommands, PerpendicularDialogsSuggestTheFirstLine) {
  PlaneWindow w(0);
  // Without points there is nothing to suggest.
  ASSERT_TRUE(w.DispatchCommand(670));
  EXPECT_EQ(w.perpendicularDialog(true), nullptr);
  w.FreePoint(0, 0);
  w.FreePoint(4, 0);
  w.FreePoint(1, 3);
  ASSERT_TRUE(w.DispatchCommand(776));
  EXPECT_EQ(w.perpendicularDialog(false)->GetItemText(211), "XX");
  ASSERT_EQ(w.SegmentsLinesRays(111, "ABCA"), 0);
  ASSERT_TRUE(w.DispatchCommand(670));
  engine::TDoUndoDlg* altitude = w.perpendicularDialog(true);
  ASSERT_NE(altitude, nullptr);
  EXPECT_EQ(altitude->GetItemText(211), "AB");
  EXPECT_EQ(altitude->GetItemText(212), "C");
  altitude->PressButton(91);
  EXPECT_EQ(Count(w, 115), 1);
  // Shown again, with the texts it had.
  altitude->SetItemText(212, "c");
  altitude->PressButton(2);
  ASSERT_TRUE(w.DispatchCommand(670));
  EXPECT_EQ(w.perpendicularDialog(true), altitude);
  EXPECT_EQ(altitude->GetItemText(212), "c");

  // The division of circles offers the last circle.
  ASSERT_EQ(w.Step(91, {0, 1}), 0);
  ASSERT_TRUE(w.DispatchCommand(778));
  EXPECT_EQ(w.divideCirclesDialog()->GetItemText(211), "AB");
  EXPECT_EQ(w.divideCirclesDialog()->GetItemText(212), "60.0");
}

}  // namespace

// The plane window's point and line menu commands that ask through dialogs or typed lists: the
// line-conic intersection and the tangents to a conic from the candidate dialogs, points at
// relative coordinates and on polygons, the common perpendicular, new angles, extensions, old
// angles bisected and a random point on a segment.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "kernel/vector2.h"
#include "plane/candidate_dialogs.h"
#include "plane/conic_inventories.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using PointLineMenuCommands = IsolatedFolders;

int CountOfKind(PlaneWindow& w, int kind) {
  int n = 0;
  for (const kernel::ConstructionRecord& step : w.history().steps) n += step.kind == kind ? 1 : 0;
  return n;
}

plane::ConicDefinition Definition(std::array<int, 3> points, std::uint16_t code, std::string text) {
  plane::ConicDefinitionFields f;
  f.points = points;
  f.code = code;
  f.text = std::move(text);
  return plane::MakeDefinition(f);
}

// The ellipse x^2/4 + y^2/3 = 1 as each of the four conic lists holds it, with the x axis drawn
// as segment DE from (-3, 0) to (3, 0): points A, B the foci, C on the ellipse, F, G the
// directrix x = 4, H to K four more points of it.
enum class Held { kFociAndPoint, kFocusDirectrix, kTwoFoci, kFivePoints, kEquation };

void EllipseAndAxis(PlaneWindow& w, Held held) {
  const Real r3 = std::sqrt(Real{3});
  w.FreePoint(-1, 0);
  w.FreePoint(1, 0);
  w.FreePoint(0, r3);
  w.FreePoint(-3, 0);
  w.FreePoint(3, 0);
  w.FreePoint(4, 0);
  w.FreePoint(4, 1);
  ASSERT_EQ(w.SegmentsLinesRays(111, "DE"), 0);
  switch (held) {
    case Held::kFociAndPoint: w.conics.threePoint.push_back(Definition({0, 1, 2}, plane::kDefinitionEllipse, "")); break;
    // A record by focus and directrix holds the directrix first.
    case Held::kFocusDirectrix:
      w.conics.threePoint.push_back(Definition({5, 6, 1}, plane::kDefinitionEccentricity, "0.5"));
      break;
    case Held::kTwoFoci: w.conics.twoFoci.push_back(Definition({0, 1, 1}, plane::kDefinitionTwoFoci, "1/2")); break;
    case Held::kFivePoints: {
      w.FreePoint(1, 1.5L);
      w.FreePoint(-1, 1.5L);
      w.FreePoint(1, -1.5L);
      w.FreePoint(-1, -1.5L);
      w.conics.fivePoint.push_back(plane::MakeFivePointRecord({2, 7, 8, 9, 10}, 0));
      break;
    }
    case Held::kEquation: w.conics.equations.push_back(plane::MakeEquationRecord({"3", "", "4", "", "", "-12"}, 0)); break;
  }
  w.RefreshDialogLists();
}

TEST_F(PointLineMenuCommands, LineConicIntersectionFromEachConicList) {
  for (const Held held : {Held::kFociAndPoint, Held::kFocusDirectrix, Held::kTwoFoci, Held::kFivePoints,
                          Held::kEquation}) {
    SCOPED_TRACE(static_cast<int>(held));
    PlaneWindow w(0);
    EXPECT_FALSE(w.QueryCommand(818).enabled);
    EllipseAndAxis(w, held);
    EXPECT_TRUE(w.QueryCommand(818).enabled);
    const int before = w.tables().last_point;
    ASSERT_TRUE(w.DispatchCommand(818));
    plane::TLCIntDlg* dialog = w.lineConicDialog();
    ASSERT_NE(dialog, nullptr);
    // One conic: it is chosen without a selection; the line field names the drawn segment.
    ASSERT_EQ(dialog->ListCount(plane::kCandidateList), 1);
    EXPECT_EQ(dialog->GetItemText(plane::kCandidateEdit), "DE");
    EXPECT_FALSE(dialog->IsItemEnabled(plane::kCandidateUndo));
    platform::ScriptedResponder script;
    dialog->PressButton(plane::kCandidateAction);
    EXPECT_TRUE(script.Messages().empty()) << script.Messages().front();
    ASSERT_EQ(w.tables().last_point, before + 2);
    ASSERT_EQ(w.history().steps.back().kind, 100);
    for (int i = 1; i <= 2; ++i) {
      const Point2 p = w.tables().xy[before + i];
      EXPECT_REAL_NEAR(std::fabs(p.x), 2, 1e-12L);
      EXPECT_REAL_NEAR(p.y, 0, 1e-12L);
    }
    // Undo follows the kind the dialog made.
    EXPECT_TRUE(dialog->IsItemEnabled(plane::kCandidateUndo));
    dialog->PressButton(plane::kCandidateUndo);
    EXPECT_EQ(w.tables().last_point, before);
    EXPECT_EQ(CountOfKind(w, 100), 0);
  }
}

TEST_F(PointLineMenuCommands, LineConicIntersectionRefusals) {
  PlaneWindow w(0);
  EllipseAndAxis(w, Held::kEquation);
  ASSERT_TRUE(w.DispatchCommand(818));
  plane::TLCIntDlg* dialog = w.lineConicDialog();
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  // No line through A and C; a line that misses the ellipse.
  dialog->SetItemText(plane::kCandidateEdit, "AC");
  dialog->PressButton(plane::kCandidateAction);
  w.FreePoint(-3, 5);
  w.FreePoint(3, 5);
  ASSERT_EQ(w.SegmentsLinesRays(116, "HI"), 0);
  dialog->SetItemText(plane::kCandidateEdit, "hi");
  dialog->PressButton(plane::kCandidateAction);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"could not find", "could not find"}));
  EXPECT_EQ(CountOfKind(w, 100), 0);
  EXPECT_EQ(w.tables().last_point, 8);
}

TEST_F(PointLineMenuCommands, TangentsFromAPointToAnEquationConic) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(801).enabled);
  // The circle x^2 + y^2 = 4 and the point P = (0, 4): the tangents touch at (+-sqrt 3, 1).
  w.conics.equations.push_back(plane::MakeEquationRecord({"1", "", "1", "", "", "-4"}, 0));
  w.FreePoint(0, 4);
  EXPECT_TRUE(w.QueryCommand(801).enabled);
  ASSERT_TRUE(w.DispatchCommand(801));
  plane::TCurvPtDlg* dialog = w.conicTangentDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetItemText(plane::kCandidateEdit), "A");
  ASSERT_EQ(dialog->ListCount(plane::kCandidateList), 1);
  EXPECT_FALSE(dialog->IsItemEnabled(plane::kCandidateUndo));
  dialog->PressButton(plane::kCandidateAction);
  ASSERT_EQ(CountOfKind(w, 210), 1);
  ASSERT_EQ(w.tables().last_point, 2);
  const Real r3 = std::sqrt(Real{3});
  for (int i = 1; i <= 2; ++i) {
    EXPECT_REAL_NEAR(std::fabs(w.tables().xy[i].x), r3, 1e-12L);
    EXPECT_REAL_NEAR(w.tables().xy[i].y, 1, 1e-12L);
  }
  EXPECT_EQ(w.tables().last_line, 1);
  EXPECT_TRUE(dialog->IsItemEnabled(plane::kCandidateUndo));
  dialog->PressButton(plane::kCandidateUndo);
  EXPECT_EQ(CountOfKind(w, 210), 0);

  // A point that names nothing.
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->SetItemText(plane::kCandidateEdit, "Q");
  dialog->PressButton(plane::kCandidateAction);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"could not find"}));
  EXPECT_EQ(CountOfKind(w, 210), 0);
}

// Triangle ABC with A = (0, 0), B = (4, 0), C = (0, 4) and side AB drawn.
void Triangle(PlaneWindow& w) {
  w.FreePoint(0, 0);
  w.FreePoint(4, 0);
  w.FreePoint(0, 4);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
}

TEST_F(PointLineMenuCommands, RelativeCoordinatesOnASegmentAndInATriangle) {
  PlaneWindow w(0);
  Triangle(w);
  ASSERT_TRUE(w.DispatchCommand(794));
  engine::TDoUndoDlg* segment = w.relativePointDialog(1);
  ASSERT_NE(segment, nullptr);
  EXPECT_EQ(segment->GetItemText(211), "BC");
  EXPECT_EQ(segment->GetItemText(212), "1/2");
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  segment->PressButton(engine::kDoUndoMark);  // BC is no segment
  segment->SetItemText(211, "aa");
  segment->PressButton(engine::kDoUndoMark);
  segment->SetItemText(211, "ZB");
  segment->PressButton(engine::kDoUndoMark);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"no such segment", "duplicate label", "could not find"}));
  segment->SetItemText(211, "ab");
  segment->SetItemText(212, "1/4");
  segment->PressButton(engine::kDoUndoMark);
  ASSERT_EQ(w.tables().last_point, 3);
  EXPECT_EQ(w.history().steps.back().kind, 101);
  EXPECT_REAL_NEAR(w.tables().xy[3].x, 1, 1e-15L);
  EXPECT_TRUE(segment->IsItemEnabled(engine::kDoUndoUndo));

  ASSERT_TRUE(w.DispatchCommand(795));
  engine::TDoUndoDlg* triangle = w.relativePointDialog(2);
  ASSERT_NE(triangle, nullptr);
  EXPECT_EQ(triangle->GetItemText(211), "BCD");
  EXPECT_EQ(triangle->GetItemText(213), "1/3");
  triangle->SetItemText(211, "ABC");
  triangle->SetItemText(212, "1/4");
  triangle->PressButton(engine::kDoUndoMark);
  ASSERT_EQ(w.tables().last_point, 4);
  EXPECT_EQ(w.history().steps.back().kind, 106);
  EXPECT_REAL_NEAR(w.tables().xy[4].x, 1, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[4].y, Real{4} / 3, 1e-15L);
  EXPECT_TRUE(triangle->IsItemEnabled(engine::kDoUndoUndo));
  triangle->PressButton(engine::kDoUndoUndo);
  EXPECT_EQ(w.tables().last_point, 3);
}

TEST_F(PointLineMenuCommands, LongCoordinatesAreSpreadOverTheStepTexts) {
  PlaneWindow w(0);
  Triangle(w);
  std::string points = "ABC";
  std::string s = "0.25000000000000000000000000000000000000000";
  std::string t = "1/3";
  std::string unused;
  ASSERT_GE(s.size(), 40u);
  ASSERT_EQ(w.DoRelativePoint(2, points, s, t, unused), 0);
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.operands[8], 2007);
  EXPECT_EQ(kernel::JoinConstructionText(step), s + "," + t + ",");
  EXPECT_REAL_NEAR(w.tables().xy[3].x, 1, 1e-15L);

  std::string pair = "AB";
  ASSERT_EQ(w.DoRelativePoint(1, pair, s, t, unused), 0);
  EXPECT_EQ(w.history().steps.back().operands[8], 2008);
  EXPECT_REAL_NEAR(w.tables().xy[4].x, 1, 1e-15L);
  // Replayed from its texts, the point stays.
  w.ReplayConstruction(true);
  EXPECT_REAL_NEAR(w.tables().xy[4].x, 1, 1e-15L);
}

TEST_F(PointLineMenuCommands, PointsOnAPolygon) {
  PlaneWindow w(0);
  for (Point2 p : {Point2{0, 0}, Point2{4, 0}, Point2{4, 4}, Point2{0, 4}}) w.FreePoint(p.x, p.y);
  EXPECT_TRUE(w.QueryCommand(891).enabled);
  ASSERT_TRUE(w.DispatchCommand(891));
  engine::TDoUndoDlg* dialog = w.polygonPointDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetItemText(211), "BCD");
  EXPECT_EQ(dialog->GetItemText(212), "0.72");
  // At a random place: somewhere on the square's sides.
  dialog->SetItemText(211, "ABCD");
  dialog->PressButton(engine::kDoUndoMark);
  ASSERT_EQ(w.tables().last_point, 4);
  const Point2 p = w.tables().xy[4];
  const bool onSide = std::fabs(p.x) < 1e-12L || std::fabs(p.y) < 1e-12L || std::fabs(p.x - 4) < 1e-12L ||
                      std::fabs(p.y - 4) < 1e-12L;
  EXPECT_TRUE(onSide) << p.x << " " << p.y;
  EXPECT_EQ(w.history().steps.back().kind, 204);
  EXPECT_EQ(w.history().steps.back().flag, 0);
  // At the typed parameter, a part of the perimeter: half way along the first side.
  dialog->CheckItem(251, false);
  dialog->CheckItem(252, true);
  dialog->SetItemText(212, "1/8");
  dialog->PressButton(engine::kDoUndoMark);
  ASSERT_EQ(w.tables().last_point, 5);
  EXPECT_EQ(w.history().steps.back().flag, 1);
  EXPECT_REAL_NEAR(w.tables().xy[5].x, 2, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[5].y, 0, 1e-15L);

  // More than 24 vertices, and a vertex that does not exist.
  std::string many(25, 'A');
  std::string parameter = "0.5";
  EXPECT_EQ(w.DoPointOnPolygon(many, parameter, 2), 17);
  std::string missing = "AZ";
  EXPECT_EQ(w.DoPointOnPolygon(missing, parameter, 2), 2);
  EXPECT_EQ(w.tables().last_point, 5);
}

TEST_F(PointLineMenuCommands, CommonPerpendicularOfTwoHyperbolicLines) {
  PlaneWindow w(1);
  w.FreePoint(-0.5L, 0.3L);
  w.FreePoint(0.5L, 0.3L);
  w.FreePoint(-0.5L, -0.3L);
  w.FreePoint(0.5L, -0.4L);
  ASSERT_EQ(w.SegmentsLinesRays(116, "AB"), 0);
  EXPECT_FALSE(w.QueryCommand(665).enabled);
  ASSERT_EQ(w.SegmentsLinesRays(116, "CD"), 0);
  EXPECT_TRUE(w.QueryCommand(665).enabled);
  ASSERT_TRUE(w.DispatchCommand(665));
  engine::TDoUndoDlg* dialog = w.commonPerpendicularDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetItemText(211), "AB");
  EXPECT_EQ(dialog->GetItemText(212), "CD");
  platform::ScriptedResponder script;
  dialog->PressButton(engine::kDoUndoMark);
  EXPECT_TRUE(script.Messages().empty()) << script.Messages().front();
  EXPECT_EQ(CountOfKind(w, 139), 1);
  EXPECT_TRUE(dialog->IsItemEnabled(engine::kDoUndoUndo));
}

TEST_F(PointLineMenuCommands, NewAnglesOpenOnTheFirstLine) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  ASSERT_TRUE(w.DispatchCommand(774));
  EXPECT_EQ(w.newAngleDialog(), nullptr);  // no line yet
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  ASSERT_TRUE(w.DispatchCommand(774));
  engine::TDoUndoDlg* dialog = w.newAngleDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetItemText(211), "AB");
  EXPECT_EQ(dialog->GetItemText(212), "60.0");
  dialog->PressButton(engine::kDoUndoMark);
  EXPECT_EQ(CountOfKind(w, 114), 1);
  ASSERT_TRUE(w.DispatchCommand(774));
  EXPECT_EQ(w.newAngleDialog(), dialog);
}

TEST_F(PointLineMenuCommands, TypedListsOfExtensionsBisectorsAndRandomPoints) {
  PlaneWindow w(0);
  Triangle(w);
  struct Case {
    const char* text;
    int code;
    int end;  // operand 0 of the step made
  };
  for (const Case& c : {Case{"AB", 0, 1}, Case{"ba", 0, -1}, Case{"A", 1, 0}, Case{"AA", 122, 0}, Case{"AC", 105, 0},
                        Case{"AZ", 1, 0}}) {
    SCOPED_TRACE(c.text);
    const std::size_t before = w.history().steps.size();
    EXPECT_EQ(w.ToggleExtensions(c.text), c.code);
    if (c.code == 0) {
      ASSERT_EQ(w.history().steps.size(), before + 1);
      EXPECT_EQ(static_cast<std::int16_t>(w.history().steps.back().operands[0]), c.end);
    } else {
      EXPECT_EQ(w.history().steps.size(), before);
    }
  }
  // AB and BA: the segment goes on past both ends.
  EXPECT_EQ(w.tables().lines[0].extends_first, 1);
  EXPECT_EQ(w.tables().lines[0].extends_second, 1);
  w.FreePoint(-4, 0);
  EXPECT_EQ(w.ToggleExtensions("BZ"), 1);

  w.FreePoint(4, 4);
  w.FreePoint(8, 4);
  w.FreePoint(8, 8);
  EXPECT_EQ(w.BisectOldAngles("AB"), 1);
  EXPECT_EQ(w.BisectOldAngles("BAC/EDF"), 0);
  EXPECT_EQ(CountOfKind(w, 113), 2);

  EXPECT_EQ(w.RandomPointOnSegment("AC"), 2);
  EXPECT_EQ(w.RandomPointOnSegment("A"), 1);
  const int before = w.tables().last_point;
  ASSERT_EQ(w.RandomPointOnSegment("ab"), 0);
  ASSERT_EQ(w.tables().last_point, before + 1);
  const Point2 p = w.tables().xy[before + 1];
  EXPECT_REAL_NEAR(p.y, 0, 1e-15L);
  EXPECT_TRUE(p.x >= 0 && p.x <= 4) << p.x;
  EXPECT_EQ(w.history().steps.back().kind, 81);
}

TEST_F(PointLineMenuCommands, TypedListCommandsAskFirst) {
  PlaneWindow w(0);
  Triangle(w);
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "ab"}}, platform::IDOK)
      .FillAndPress("ONEINPUT", {{211, "bac"}}, platform::IDOK)
      .FillAndPress("ONEINPUT", {{211, "AB"}}, platform::IDOK)
      .FillAndPress("ONEINPUT", {{211, "AB"}}, platform::IDCANCEL);
  ASSERT_TRUE(w.DispatchCommand(772));
  ASSERT_TRUE(w.DispatchCommand(773));
  ASSERT_TRUE(w.DispatchCommand(730));
  ASSERT_TRUE(w.DispatchCommand(730));
  EXPECT_EQ(CountOfKind(w, 112), 1);
  EXPECT_EQ(CountOfKind(w, 113), 1);
  EXPECT_EQ(CountOfKind(w, 81), 1);
  EXPECT_TRUE(script.Messages().empty());
}

}  // namespace

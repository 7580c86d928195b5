// The hyperbolic construction dialogs' operations (parallel, equidistant curve, horocycle, common
// perpendicular), the commands that open their dialogs, the new free point for sliders, and the
// triangle units of the Units menu.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

using HyperbolicStepCreators = IsolatedFolders;

constexpr int kSegment = 111;

// A, B and the segment AB; C off it.
void SegmentAndPoint(PlaneWindow& w) {
  w.FreePoint(-0.4L, 0.1L);
  w.FreePoint(0.3L, 0.2L);
  ASSERT_EQ(w.Step(kSegment, {0, 1}), 0);
  w.FreePoint(0.1L, -0.4L);
}

struct Tables {
  int points, lines, hypercycles, horocycles;
  std::size_t steps;
  bool operator==(const Tables&) const = default;
};

Tables Snapshot(PlaneWindow& w) {
  const engine::FigureTables& t = w.tables();
  return {t.last_point, t.last_line, t.last_hypercycle, t.last_horocycle, w.history().steps.size()};
}

TEST_F(HyperbolicStepCreators, BadLabelsAreRefusedInOrderAndMakeNothing) {
  PlaneWindow w(1);
  SegmentAndPoint(w);
  using Creator = std::function<int(std::string&, std::string&)>;
  const std::vector<Creator> creators{
      [&](std::string& l, std::string& p) { return w.DoParallelNonEuclidean(l, p); },
      [&](std::string& l, std::string& p) { return w.DoEquidistantCurve(l, p); },
      [&](std::string& l, std::string& p) { return w.DoHorocycleThrough(l, p); },
  };
  struct Case {
    const char* line;
    const char* point;
    int code;
  };
  const Case cases[] = {{"AA", "C", 122}, {"AC", "C", 135}, {"AB", "Z", 2}, {"A", "C", 2}, {"AA", "Z", 2}};
  const Tables before = Snapshot(w);
  for (const Creator& create : creators) {
    for (const Case& k : cases) {
      std::string line = k.line;
      std::string point = k.point;
      EXPECT_EQ(create(line, point), k.code) << k.line << " " << k.point;
      EXPECT_TRUE(Snapshot(w) == before);
    }
  }
  std::string first = "AB";
  std::string second = "AC";
  EXPECT_EQ(w.DoCommonPerpendicular(first, second), 135);
  EXPECT_TRUE(Snapshot(w) == before);
}

TEST_F(HyperbolicStepCreators, EachCreatorMakesItsStepWithTheLineItWasGiven) {
  PlaneWindow w(1);
  SegmentAndPoint(w);
  std::string line = "BA";
  std::string point = "C";
  ASSERT_EQ(w.DoEquidistantCurve(line, point), 0);
  const kernel::ConstructionRecord& hypercycle = w.history().steps.back();
  EXPECT_EQ(hypercycle.kind, 130);
  EXPECT_EQ(hypercycle.operands[0], 0);
  EXPECT_EQ(hypercycle.operands[1], 2);
  EXPECT_EQ(w.tables().last_hypercycle, 0);

  ASSERT_EQ(w.DoParallelNonEuclidean(line, point), 0);
  const kernel::ConstructionRecord& parallel = w.history().steps.back();
  EXPECT_EQ(parallel.kind, 119);
  EXPECT_EQ(parallel.operands[0], 2);
  EXPECT_EQ(parallel.operands[1], 1);
  EXPECT_EQ(parallel.operands[2], 0);
  EXPECT_EQ(parallel.operands[3], 0);
  EXPECT_EQ(parallel.text[0], "BA");
}

TEST_F(HyperbolicStepCreators, AHorocycleAtAPointOffTheLineIsNotKept) {
  PlaneWindow w(1);
  SegmentAndPoint(w);
  const Tables before = Snapshot(w);
  std::string line = "AB";
  std::string point = "C";
  // C is not on AB: the horocycle's executor refuses and its reserved entry is given back.
  EXPECT_EQ(w.DoHorocycleThrough(line, point), 6);
  EXPECT_TRUE(Snapshot(w) == before);
  point = "B";
  EXPECT_EQ(w.DoHorocycleThrough(line, point), 0);
  EXPECT_EQ(w.tables().last_horocycle, 0);
}

TEST_F(HyperbolicStepCreators, AHorocycleIsDrawn) {
  PlaneWindow w(1);
  w.FreePoint(0.5L, 0);
  w.FreePoint(0, 0);
  ASSERT_EQ(w.Step(kSegment, {0, 1}), 0);
  std::string line = "AB";
  std::string point = "B";
  ASSERT_EQ(w.DoHorocycleThrough(line, point), 0);
  // The horocycle touches AB at B from below: the circle of radius 1/2 about (0, -1/2).
  platform::Bitmap picture(w.ClientWidth(), w.ClientHeight());
  w.PaintInto(*picture.CreateDC());
  platform::PointI pixel;
  w.WorldToPixel({0.5L, -0.5L}, pixel);
  bool dark = false;
  for (int dx = -1; dx <= 1; ++dx) {
    const auto c = picture.GetPixel(pixel.x + dx, pixel.y);
    dark = dark || (c && c->r + c->g + c->b < 3 * 128);
  }
  EXPECT_TRUE(dark);
}

TEST_F(HyperbolicStepCreators, TheCurveDialogsOpenWithTheFigureAndMarkTheirCurves) {
  PlaneWindow w(1);
  EXPECT_FALSE(w.QueryCommand(835).enabled);
  EXPECT_FALSE(w.QueryCommand(836).enabled);
  SegmentAndPoint(w);
  EXPECT_TRUE(w.QueryCommand(835).enabled);
  EXPECT_TRUE(w.QueryCommand(836).enabled);
  EXPECT_TRUE(w.QueryCommand(775).enabled);

  ASSERT_TRUE(w.DispatchCommand(835));
  auto* equidistant = w.curveDialog(835);
  ASSERT_NE(equidistant, nullptr);
  EXPECT_EQ(equidistant->GetItemText(211), "AB");
  EXPECT_EQ(equidistant->GetItemText(212), "C");
  equidistant->PressButton(91);
  EXPECT_EQ(w.tables().last_hypercycle, 0);
  EXPECT_TRUE(equidistant->IsItemEnabled(98));
  equidistant->PressButton(98);
  EXPECT_EQ(w.tables().last_hypercycle, -1);

  ASSERT_TRUE(w.DispatchCommand(836));
  auto* horocycle = w.curveDialog(836);
  ASSERT_NE(horocycle, nullptr);
  EXPECT_EQ(horocycle->GetItemText(212), "B");
  horocycle->PressButton(91);
  EXPECT_EQ(w.tables().last_horocycle, 0);

  ASSERT_TRUE(w.DispatchCommand(775));
  auto* parallel = w.curveDialog(775);
  ASSERT_NE(parallel, nullptr);
  EXPECT_EQ(parallel->actionKind, 19);
  parallel->PressButton(91);
  EXPECT_EQ(w.history().steps.back().kind, 119);
}

TEST_F(HyperbolicStepCreators, ANewPointForASliderStandsOnThePointOrIsRefusedWhenTheTableIsFull) {
  PlaneWindow w(1);
  SegmentAndPoint(w);
  ASSERT_EQ(w.NewPointStep(2), 1);
  const engine::FigureTables& t = w.tables();
  EXPECT_EQ(t.last_point, 3);
  EXPECT_EQ(t.xy[3].x, t.xy[2].x);
  EXPECT_EQ(t.xy[3].y, t.xy[2].y);
  EXPECT_EQ(w.history().steps.back().kind, 121);

  w.tables().last_point = engine::kLastPointLimit;
  const std::size_t steps = w.history().steps.size();
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  EXPECT_EQ(w.NewPointStep(2), 0);
  EXPECT_EQ(w.history().steps.size(), steps);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"no more room"});
  w.tables().last_point = 3;
}

TEST_F(HyperbolicStepCreators, TriangleUnitsOfferTheWindowsDefaultsAndRefusedOnesLeaveNothing) {
  PlaneWindow w(1);
  platform::ScriptedResponder script;
  std::vector<std::string> offered;
  script.OnDialog("SSSDATA", [&](platform::Dialog& d) {
    offered = {d.GetItemText(211), d.GetItemText(212), d.GetItemText(213)};
    d.PressButton(platform::IDOK);
  });
  ASSERT_TRUE(w.DispatchCommand(704));
  EXPECT_EQ(offered, (std::vector<std::string>{"1.0", "1.3", "1.6"}));
  EXPECT_EQ(w.tables().last_point, 2);
  EXPECT_EQ(w.history().steps.back().kind, 53);

  script.FillAndPress("AAADATA", {{211, "60"}, {212, "60"}, {213, "60.01"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(700));
  EXPECT_EQ(w.tables().last_point, 2);
  EXPECT_EQ(w.tables().last_line, 2);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"inconsistent data"});
  EXPECT_TRUE(script.Unexpected().empty());
}

}  // namespace

// Units > Segment, Units > Polygon > Regular (both geometries) and Units > Polygon > Star, driven
// by command id through their dialogs on a headless window: the defaults they offer, the figures
// they make and their refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/figure_tables.h"
#include "engine/hyperbolic_primitives.h"
#include "kernel/real.h"
#include "kernel/vector2.h"
#include "plane/reg_poly_dlg.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using PolygonUnitCommands = IsolatedFolders;

constexpr int kCmdUnitSegment = 705;
constexpr int kCmdRegularPolygon = 707;
constexpr int kCmdStarPolygon = 711;
constexpr int kCmdHypRegularPolygon = 876;

// Records the texts of edits 211 up to `last`, sets the given texts and presses OK.
std::function<void(platform::Dialog&)> AnswerPolygonDialog(std::vector<std::string>* offered, int last,
                                              std::map<int, std::string> texts) {
  return [offered, last, texts](platform::Dialog& d) {
    for (int id = 211; id <= last; ++id) offered->push_back(d.GetItemText(id));
    for (const auto& [id, text] : texts) d.SetItemText(id, text);
    d.PressButton(platform::IDOK);
  };
}

// The lengths of the sides (line records) from line `first` on.
std::vector<Real> PolygonSideLengths(PlaneWindow& w, int first) {
  std::vector<Real> lengths;
  const auto& t = w.tables();
  for (int l = first; l <= t.last_line; ++l) {
    const auto& ends = t.lines[l].points.entries;
    lengths.push_back(kernel::Dist2(t.xy[ends[0]], t.xy[ends[1]]));
  }
  return lengths;
}

TEST_F(PolygonUnitCommands, TheMenusOfferTheirPolygonsAndTheSegment) {
  PlaneWindow euclidean(0);
  PlaneWindow hyperbolic(1);
  for (int id : {kCmdUnitSegment, kCmdRegularPolygon, kCmdStarPolygon}) EXPECT_NE(euclidean.menu().Find(id), nullptr) << id;
  EXPECT_EQ(euclidean.menu().Find(kCmdHypRegularPolygon), nullptr);
  for (int id : {kCmdUnitSegment, kCmdHypRegularPolygon}) EXPECT_NE(hyperbolic.menu().Find(id), nullptr) << id;
  // The hyperbolic window has no star polygons: its executor draws none.
  for (int id : {kCmdRegularPolygon, kCmdStarPolygon}) EXPECT_EQ(hyperbolic.menu().Find(id), nullptr) << id;
}

TEST_F(PolygonUnitCommands, ARegularPentagonOfSideTwo) {
  PlaneWindow w(0);
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("REGPOLY", AnswerPolygonDialog(&offered, 212, {{211, "5"}, {212, "2"}}));
  ASSERT_TRUE(w.DispatchCommand(kCmdRegularPolygon));
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_TRUE(offered[0] == "5" || offered[0] == "6" || offered[0] == "7") << offered[0];
  EXPECT_EQ(offered[1], "1.000");
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(script.Unexpected().empty());
  ASSERT_EQ(w.history().steps.size(), 1u);
  const kernel::ConstructionRecord& step = w.history().steps[0];
  EXPECT_EQ(step.kind, 55);
  EXPECT_EQ(step.operands[0], 5);
  EXPECT_EQ(step.operands[1], kernel::kNoOperand);
  EXPECT_EQ(step.flag, 0);
  EXPECT_EQ(step.text[0], "2");
  EXPECT_EQ(w.tables().last_point, 4);
  EXPECT_EQ(w.tables().last_line, 4);
  for (Real side : PolygonSideLengths(w, 0)) EXPECT_REAL_NEAR(side, 2, 1e-15L);
  // Every vertex on one circle about the centroid: regular, not only equilateral.
  Point2 centre{0, 0};
  for (int i = 0; i < 5; ++i) centre = centre + w.tables().xy[i];
  centre = static_cast<Real>(0.2) * centre;
  const Real r = 1 / std::sin(kernel::Pi / 5);  // side 2 = 2 r sin(pi/5)
  for (int i = 0; i < 5; ++i) EXPECT_REAL_NEAR(kernel::Dist2(w.tables().xy[i], centre), r, 1e-15L) << i;
}

TEST_F(PolygonUnitCommands, AStarFiveTwoJoinsEverySecondVertex) {
  PlaneWindow w(0);
  std::vector<std::string> offered;
  platform::ScriptedResponder script;
  script.OnDialog("STARPOLY", AnswerPolygonDialog(&offered, 213, {{211, "5"}, {212, "2"}, {213, "1.5"}}));
  ASSERT_TRUE(w.DispatchCommand(kCmdStarPolygon));
  ASSERT_EQ(offered.size(), 3u);
  EXPECT_TRUE(offered[0] == "5" || offered[0] == "7" || offered[0] == "9") << offered[0];
  EXPECT_EQ(offered[1], "2");
  EXPECT_EQ(offered[2], "1.000");
  ASSERT_EQ(w.history().steps.size(), 1u);
  const kernel::ConstructionRecord& step = w.history().steps[0];
  EXPECT_EQ(step.operands[0], 5);
  EXPECT_EQ(step.operands[1], 2);
  EXPECT_EQ(step.flag, 1);
  ASSERT_EQ(w.tables().last_line, 4);
  for (Real side : PolygonSideLengths(w, 0)) EXPECT_REAL_NEAR(side, 1.5L, 1e-15L);
  // The vertices lie on the circle whose chord over two fifths of it is the side; each is the
  // end of two sides.
  Point2 centre{0, 0};
  for (int i = 0; i < 5; ++i) centre = centre + w.tables().xy[i];
  centre = static_cast<Real>(0.2) * centre;
  const Real r = 1.5L / (2 * std::sin(2 * kernel::Pi / 5));
  std::map<int, int> ends;
  for (int i = 0; i < 5; ++i) EXPECT_REAL_NEAR(kernel::Dist2(w.tables().xy[i], centre), r, 1e-14L) << i;
  for (int l = 0; l < 5; ++l)
    for (int k = 0; k < 2; ++k) ++ends[w.tables().lines[l].points.entries[k]];
  ASSERT_EQ(ends.size(), 5u);
  for (const auto& [point, count] : ends) EXPECT_EQ(count, 2) << point;
}

TEST_F(PolygonUnitCommands, TheHyperbolicRegularPolygonByItsAngleOrItsSide) {
  PlaneWindow w(1);
  std::vector<std::string> offered;
  bool lengthChecked = false;
  bool angleChecked = true;
  platform::ScriptedResponder script;
  script.OnDialog("HREGPOLY", [&](platform::Dialog& d) {
    for (int id = 211; id <= 213; ++id) offered.push_back(d.GetItemText(id));
    lengthChecked = d.IsChecked(plane::kRegPolyLengthRadio);
    angleChecked = d.IsChecked(plane::kRegPolyAngleRadio);
    d.PressButton(plane::kRegPolyAngleRadio);
    d.SetItemText(211, "5");
    d.SetItemText(213, "90");
    d.PressButton(platform::IDOK);
  });
  // The second time the side is given: the square of side 1.76274717403908... has angles of 60.
  script.FillAndPress("HREGPOLY", {{211, "4"}, {212, "1.7627471740390860"}}, platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(kCmdHypRegularPolygon));
  ASSERT_EQ(offered.size(), 3u);
  const int n = std::stoi(offered[0]);
  EXPECT_TRUE(n >= 5 && n <= 7) << n;
  EXPECT_EQ(offered[1], "0.600");
  EXPECT_EQ(offered[2], n == 5 ? "90.0000" : n == 6 ? "108.0000" : "120.0000");
  EXPECT_TRUE(lengthChecked);
  EXPECT_FALSE(angleChecked);
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.history().steps[0].operands[0], 5);
  EXPECT_EQ(w.history().steps[0].operands[1], plane::kRegPolyByAngle);
  EXPECT_EQ(w.history().steps[0].text[1], "90");
  const auto& v = w.tables().xy;
  ASSERT_EQ(w.tables().last_point, 4);
  for (int i = 0; i < 5; ++i) {
    EXPECT_REAL_NEAR(std::fabs(engine::AngleAt(w.model(), v[(i + 4) % 5], v[i], v[(i + 1) % 5])), kernel::Pi / 2,
                     1e-12L)
        << i;
  }

  ASSERT_TRUE(w.DispatchCommand(kCmdHypRegularPolygon));
  ASSERT_EQ(w.history().steps.size(), 2u);
  EXPECT_EQ(w.history().steps[1].operands[1], plane::kRegPolyByLength);
  ASSERT_EQ(w.tables().last_point, 8);
  for (int i = 0; i < 4; ++i) {
    EXPECT_REAL_NEAR(engine::HyperbolicDistance(w.model(), v[5 + i], v[5 + (i + 1) % 4]), 1.7627471740390860L, 1e-12L);
    EXPECT_REAL_NEAR(std::fabs(engine::AngleAt(w.model(), v[5 + (i + 3) % 4], v[5 + i], v[5 + (i + 1) % 4])),
                     kernel::Pi / 3, 1e-12L);
  }
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(PolygonUnitCommands, TheRefusalsOfThePart) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  // Two sides, a star offset too large or below 1: "out of bounds".
  script.FillAndPress("REGPOLY", {{211, "2"}, {212, "1"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  script.FillAndPress("STARPOLY", {{211, "5"}, {212, "5"}, {213, "1"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  script.FillAndPress("STARPOLY", {{211, "5"}, {212, "0"}, {213, "1"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  // Three sides and the star {5/4} are accepted.
  script.FillAndPress("REGPOLY", {{211, "3"}, {212, "1"}}, platform::IDOK);
  script.FillAndPress("STARPOLY", {{211, "5"}, {212, "4"}, {213, "1"}}, platform::IDOK);
  // Cancelled: nothing.
  script.FillAndPress("REGPOLY", {{211, "4"}}, platform::IDCANCEL);
  ASSERT_TRUE(w.DispatchCommand(kCmdRegularPolygon));
  ASSERT_TRUE(w.DispatchCommand(kCmdStarPolygon));
  ASSERT_TRUE(w.DispatchCommand(kCmdStarPolygon));
  EXPECT_TRUE(w.history().steps.empty());
  ASSERT_TRUE(w.DispatchCommand(kCmdRegularPolygon));
  ASSERT_TRUE(w.DispatchCommand(kCmdStarPolygon));
  ASSERT_TRUE(w.DispatchCommand(kCmdRegularPolygon));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"out of bounds", "out of bounds", "out of bounds"}));
  EXPECT_EQ(w.history().steps.size(), 2u);
  EXPECT_EQ(w.tables().last_point, 7);

  // No room for the points: "could not find"; too many lines: "out of bounds". The tables stay.
  EXPECT_EQ(w.RegularPolygonStep("6", {}, "1", ""), 0);
  w.stepEngine.AdjustTables(engine::kLastPointLimit - w.tables().last_point - 4, 0, 0);
  const int lastPoint = w.tables().last_point;
  EXPECT_EQ(w.RegularPolygonStep("5", {}, "1", ""), engine::kMsgCouldNotFind);
  EXPECT_EQ(w.RegularPolygonStep("5", {.star = true, .offset = 2}, "1", ""), engine::kMsgCouldNotFind);
  EXPECT_EQ(w.RegularPolygonStep("9000", {}, "1", ""), engine::kMsgOutOfBounds);
  EXPECT_EQ(w.RegularPolygonStep("4", {}, "1", ""), 0);
  EXPECT_EQ(w.tables().last_point, lastPoint + 4);
  EXPECT_EQ(w.UnitSegmentStep("1", "0"), engine::kMsgCouldNotFind);
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(kCmdUnitSegment));
  EXPECT_EQ(script.Messages().back(), "could not find");
  // An executor's refusal is shown and leaves the history as it was.
  const std::size_t steps = w.history().steps.size();
  PlaneWindow h(1);
  script.OnDialog("HREGPOLY", [](platform::Dialog& d) {
    d.PressButton(plane::kRegPolyAngleRadio);
    d.SetItemText(211, "4");
    d.SetItemText(213, "90");
    d.PressButton(platform::IDOK);
  });
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(h.DispatchCommand(kCmdHypRegularPolygon));
  EXPECT_EQ(script.Messages().back(), "inconsistent data");
  EXPECT_TRUE(h.history().steps.empty());
  EXPECT_EQ(h.tables().last_point, -1);
  EXPECT_EQ(w.history().steps.size(), steps);
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(PolygonUnitCommands, TheSegmentAsksItsLengthAndAngle) {
  PlaneWindow w(0);
  std::vector<std::pair<std::string, std::string>> asked;
  platform::ScriptedResponder script;
  const auto answer = [&asked](std::string text) {
    return [&asked, text](platform::Dialog& d) {
      asked.emplace_back(d.Caption(), d.GetItemText(231) + "|" + d.GetItemText(211));
      d.SetItemText(211, text);
      d.PressButton(platform::IDOK);
    };
  };
  script.OnDialog("ONEINPUT", answer("3")).OnDialog("ONEINPUT", answer("90"));
  ASSERT_TRUE(w.DispatchCommand(kCmdUnitSegment));
  EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::string>>{{"new segment", "length|1.0"},
                                                                      {"degrees", "angle (degrees)|0.0"}}));
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.history().steps[0].kind, 64);
  EXPECT_EQ(w.history().steps[0].text[0], "3");
  EXPECT_EQ(w.history().steps[0].text[1], "90");
  const auto& v = w.tables().xy;
  EXPECT_REAL_NEAR(kernel::Dist2(v[0], v[1]), 3, 1e-15L);
  EXPECT_REAL_NEAR(v[1].x - v[0].x, 0, 1e-15L);
  // Cancelling either question makes nothing.
  script.FillAndPress("ONEINPUT", {}, platform::IDCANCEL);
  script.FillAndPress("ONEINPUT", {}, platform::IDOK).FillAndPress("ONEINPUT", {}, platform::IDCANCEL);
  ASSERT_TRUE(w.DispatchCommand(kCmdUnitSegment));
  ASSERT_TRUE(w.DispatchCommand(kCmdUnitSegment));
  EXPECT_EQ(w.history().steps.size(), 1u);
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(script.Unexpected().empty());
}

}  // namespace

namespace {

// Btns > XY coords is a mode of every plane window: in the hyperbolic one it shows the model
// coordinates of the point, as Point > Coordinates takes them.
TEST(HyperbolicXYCoords, TheModeIsOfferedAndChosen) {
  PlaneWindow w(1);
  constexpr int kModeCoordinates = 125;
  EXPECT_TRUE(w.QueryCommand(kModeCoordinates).enabled);
  ASSERT_TRUE(w.DispatchCommand(kModeCoordinates));
  EXPECT_EQ(w.qelWin.currentTool, kModeCoordinates);
  EXPECT_EQ(w.QueryCommand(kModeCoordinates).checked, std::optional<bool>(true));
}

}  // namespace

// The commands that build triangles from typed measures and the centres of typed triangles: what
// each asks, the step it builds, and what a refused or partly refused list leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "kernel/vector2.h"
#include "plane_window.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using TriangleCommands = IsolatedFolders;

int StepsOfKind(PlaneWindow& w, int kind) {
  return static_cast<int>(std::count_if(w.history().steps.begin(), w.history().steps.end(),
                                        [kind](const kernel::ConstructionRecord& s) { return s.kind == kind; }));
}

// The colour, thickness and style the tests choose, as a step stores them (one less).
constexpr std::array<int, 3> kStoredAttributes{4, 1, 2};

// A window with the points A(0,0), B(4,0), C(1,3) and the sides AB, BC, CA (lines 0, 1, 2).
struct TriangleWindow : PlaneWindow {
  TriangleWindow() : PlaneWindow(0) {
    FreePoint(0, 0);
    FreePoint(4, 0);
    FreePoint(1, 3);
    EXPECT_EQ(SegmentsLinesRays(111, "ABCA"), 0);
  }
};

std::int16_t Operand(const kernel::ConstructionRecord& step, int k) {
  return static_cast<std::int16_t>(step.operands[static_cast<std::size_t>(k)]);
}

TEST_F(TriangleCommands, EachCentreCommandAsksForTrianglesAndBuildsItsStep) {
  struct Case {
    int command;
    int kind;
    const char* caption;
    std::array<int, 3> sides;  // operands 3 to 5; -1 for a step without sides
    int attributes;            // the first operand of the line attributes; -1 for none
    int flag;
  };
  const std::vector<Case> cases{
      {761, 131, "circumcircle", {-1, -1, -1}, 4, 0},
      {767, 124, "circumcenter", {-1, -1, -1}, -1, 0},
      {717, 107, "incenter", {-1, -1, -1}, -1, 0},
      {762, 132, "incircle", {0, 1, 2}, 6, 0},
      {819, 99, "nine-point circle", {1, 2, 0}, 6, 0},
      {723, 128, "orthocenter", {-1, -1, -1}, -1, 0},
      {769, 134, "excircle", {0, 1, 2}, 6, 0},
      {732, 126, "Brocard point", {-1, -1, -1}, -1, 1},
      {725, 125, "Fermat point", {-1, -1, -1}, -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    TriangleWindow w;
    w.lineAttributes = {5, 2, 3};
    const std::size_t before = w.history().steps.size();
    platform::ScriptedResponder script;
    std::vector<std::string> asked;
    script.OnDialog("ONEINPUT", [&](platform::Dialog& d) {
      asked = {d.Caption(), d.GetItemText(231), d.GetItemText(211)};
      d.PressButton(platform::IDOK);
    });
    ASSERT_TRUE(w.DispatchCommand(c.command));
    // The first three points are offered as the triangle.
    EXPECT_EQ(asked, (std::vector<std::string>{c.caption, "list triangles", "ABC"}));
    ASSERT_EQ(w.history().steps.size(), before + 1);
    const kernel::ConstructionRecord& step = w.history().steps.back();
    EXPECT_EQ(step.kind, c.kind);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Operand(step, k), k);
    if (c.sides[0] >= 0) {
      for (int k = 0; k < 3; ++k) EXPECT_EQ(Operand(step, 3 + k), c.sides[static_cast<std::size_t>(k)]) << k;
    }
    if (c.attributes >= 0) {
      // Stored one less than the colour, thickness and style.
      for (int k = 0; k < 3; ++k) EXPECT_EQ(Operand(step, c.attributes + k), kStoredAttributes[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_EQ(step.flag, c.flag);
    EXPECT_TRUE(script.Messages().empty());
  }
}

TEST_F(TriangleCommands, ATriangleListSkipsTrianglesOfMissingPointsAndStopsAtTheFirstRefusal) {
  PlaneWindow w(0);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {0, 0}, {4, 0}, {0, 3}, {10, 0}, {14, 0}, {10, 3}, {20, 0}, {24, 0}, {20, 3}, {8, 0}}) {
    w.FreePoint(x, y);
  }
  platform::ScriptedResponder script;
  ASSERT_EQ(w.DeletePoints("E"), 0);
  // DEF names a point that is gone: the triangles on either side of it are still made.
  EXPECT_EQ(w.TriangleCentres(124, "ABC/DEF/GHI", 0), 0);
  EXPECT_EQ(StepsOfKind(w, 124), 2);
  EXPECT_EQ(w.history().steps.back().text[0], "GHI");

  // ABJ lies on a line: ABC stays, GHI is not tried, and the refusal is said once.
  script.FillAndPress("ONEINPUT", {{211, "ABC/ABJ/GHI"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(767));
  EXPECT_EQ(StepsOfKind(w, 124), 3);
  EXPECT_EQ(w.history().steps.back().text[0], "ABC");
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"collinear points"}));
  EXPECT_EQ(w.TriangleCentres(124, "A/B", 0), 1);
}

TEST_F(TriangleCommands, WithFewerThanThreePointsACentreCommandAsksNothing) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  platform::ScriptedResponder script;
  ASSERT_TRUE(w.DispatchCommand(767));
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(w.history().steps.size(), 2u);
}

TEST_F(TriangleCommands, TriangleUnitsOfferTheWindowsDefaultsAndBuildThatTriangle) {
  const Real sin75 = std::sin(75 * kernel::Pi / 180);
  struct Case {
    std::uint8_t hyperbolic;
    int command;
    int kind;
    const char* resource;
    std::vector<std::string> offered;
    std::array<Real, 3> sides;  // shortest first; 0 where the test does not measure them
  };
  const std::vector<Case> cases{
      {0, 702, 51, "ASADATA", {"45.0", "5.0", "60.0"},
       {5 * std::sin(kernel::Pi / 4) / sin75, 5 * std::sin(kernel::Pi / 3) / sin75, 5}},
      {0, 703, 52, "SASDATA", {"5.0", "60.0", "8.0"}, {5, 7, 8}},
      {0, 704, 53, "SSSDATA", {"4.0", "5.0", "6.0"}, {4, 5, 6}},
      {0, 798, 67, "HLDATA", {"29.0", "1.0", "20.0"}, {20, 21, 29}},
      {1, 700, 50, "AAADATA", {"30.0", "40.0", "50.0"}, {}},
      {1, 703, 52, "SASDATA", {"1.0", "60.0", "1.6"}, {}},
      {1, 704, 53, "SSSDATA", {"1.0", "1.3", "1.6"}, {}},
      {1, 798, 67, "HLDATA", {"1.6", "1.0", "1.0"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.resource) + (c.hyperbolic ? " hyperbolic" : ""));
    PlaneWindow w(c.hyperbolic);
    w.lineAttributes = {5, 2, 3};
    platform::ScriptedResponder script;
    std::vector<std::string> offered;
    script.OnDialog(c.resource, [&](platform::Dialog& d) {
      offered = {d.GetItemText(211), d.GetItemText(212), d.GetItemText(213)};
      d.PressButton(platform::IDOK);
    });
    ASSERT_TRUE(w.DispatchCommand(c.command));
    EXPECT_EQ(offered, c.offered);
    ASSERT_EQ(w.history().steps.size(), 1u);
    const kernel::ConstructionRecord& step = w.history().steps.back();
    EXPECT_EQ(step.kind, c.kind);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(Operand(step, k), -1);
      EXPECT_EQ(step.text[static_cast<std::size_t>(k)], c.offered[static_cast<std::size_t>(k)]);
      EXPECT_EQ(Operand(step, 3 + k), kStoredAttributes[static_cast<std::size_t>(k)]);
    }
    EXPECT_EQ(w.tables().last_point, 2);
    EXPECT_EQ(w.tables().last_line, 2);
    EXPECT_TRUE(script.Messages().empty());
    if (c.sides[0] == 0) continue;
    std::array<Real, 3> sides{};
    for (int i = 0; i < 3; ++i) sides[static_cast<std::size_t>(i)] = kernel::Dist2(w.tables().xy[i], w.tables().xy[(i + 1) % 3]);
    std::sort(sides.begin(), sides.end());
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_NEAR(static_cast<double>(sides[i]), static_cast<double>(c.sides[i]), 1e-12) << i;
    }
  }
}

TEST_F(TriangleCommands, ACancelledTriangleUnitChangesNothing) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  script.FillAndPress("SSSDATA", {{211, "3"}}, platform::IDCANCEL);
  ASSERT_TRUE(w.DispatchCommand(704));
  EXPECT_TRUE(w.history().steps.empty());
  EXPECT_EQ(w.tables().last_point, -1);
  EXPECT_TRUE(script.Finished());
}

}  // namespace

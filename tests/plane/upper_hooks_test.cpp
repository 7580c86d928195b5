// The services the geometry window layers share: the running index over the window's conic
// lists and their records, the centre-and-width question and the check of the measurement texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plane/conic_inventories.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;
using UpperHooks = IsolatedFolders;

TEST_F(UpperHooks, TheRunningIndexFollowsTheWindowsConicLists) {
  PlaneWindow w(0);
  plane::ConicInventories& lists = w.conics;
  lists.twoFoci.resize(2);
  lists.threePoint.resize(3);
  lists.fivePoint.resize(4);
  lists.equations.resize(5);
  EXPECT_EQ(w.CountCurveLists(), (std::array<int, 4>{2, 3, 4, 5}));
  struct Case {
    int index;
    int list;
    int position;
  };
  for (const Case& c : {Case{4, plane::kCurveListThreePoint, 2}, Case{6, plane::kCurveListFivePoint, 1},
                        Case{10, plane::kCurveListEquation, 1}}) {
    const engine::CurveListPlace window = w.LocateInCurveLists(c.index);
    const engine::CurveListPlace inventory = lists.Locate(c.index);
    EXPECT_EQ(window.list, c.list) << c.index;
    EXPECT_EQ(window.position, c.position) << c.index;
    EXPECT_EQ(inventory.list, window.list) << c.index;
    EXPECT_EQ(inventory.position, window.position) << c.index;
  }
  EXPECT_EQ(lists.Locate(14).position, -1);

  // The records themselves, by position in their list and by the running index.
  EXPECT_EQ(lists.NthCurveA(1), &lists.twoFoci[1]);
  EXPECT_EQ(lists.NthCurveB(2), &lists.threePoint[2]);
  EXPECT_EQ(lists.NthConic(0), &lists.fivePoint[0]);
  EXPECT_EQ(lists.NthCurveD(4), &lists.equations[4]);
  EXPECT_EQ(lists.NthCurveA(2), nullptr);
  EXPECT_EQ(lists.NthCurveD(-1), nullptr);
  EXPECT_EQ(lists.EntryAt(4).definition, &lists.threePoint[2]);
  EXPECT_EQ(lists.EntryAt(6).conic, &lists.fivePoint[1]);
  EXPECT_EQ(lists.EntryAt(10).equation, &lists.equations[1]);
  for (const int outside : {-1, 14}) EXPECT_FALSE(lists.EntryAt(outside).Found()) << outside;
}

TEST_F(UpperHooks, TheMeasurementTextsAreCheckedAgain) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(3, 4);
  struct Case {
    const char* text;
    std::uint16_t before;
    std::uint16_t after;
  };
  const Case cases[] = {
      {"AB", 2, 0},           // a length
      {"A", 0, 1},            // a point
      {"A-B", 0, 2},          // a vector
      {"B", 1000, 1001},      // shown as its value alone, which it keeps
      {"A", 65535, 65535},    // a plain text stays plain
      {"Q+1", 1, 0},          // names no point: no value
  };
  for (const Case& c : cases) {
    w.AddTextItem(c.text, 0, true);
    w.textItems.measurements.back().evalCode = c.before;
  }
  w.fileMsg.modified = 0;  // even when nothing changes, the check marks the figure changed
  w.CheckTextItems();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(w.textItems.measurements[i].evalCode, cases[i].after) << cases[i].text;
  }
  EXPECT_TRUE(w.IsModified());
  EXPECT_EQ(w.GetItemText(w.textItems.measurements[3]), "(3.00000,4.00000)");  // the value alone
}

TEST_F(UpperHooks, CentreAndWidthAreAskedAndEvaluated) {
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  kernel::Point2 centre{1, -2};
  kernel::Real half = 3;

  std::vector<std::string> shown;
  script.OnDialog("CENWID", [&](platform::Dialog& d) {
    for (int id = 211; id <= 213; ++id) shown.push_back(d.GetItemText(id));
    d.SetItemText(211, "2*3");
    d.SetItemText(212, "0.5");
    d.SetItemText(213, "8");
    d.PressButton(1);
  });
  EXPECT_EQ(w.AskCentreWidth(centre, half), 0);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(std::stold(shown[0]), 1);
  EXPECT_EQ(std::stold(shown[1]), -2);
  EXPECT_EQ(std::stold(shown[2]), 6);  // twice the half-width
  EXPECT_EQ(centre.x, 6);
  EXPECT_EQ(centre.y, 0.5L);
  EXPECT_EQ(half, 4);

  // A width of 0 is stored with the typed centre and reported.
  script.FillAndPress("CENWID", {{211, "1"}, {212, "1"}, {213, "0"}}, 1);
  EXPECT_EQ(w.AskCentreWidth(centre, half), 14);
  EXPECT_EQ(centre.x, 1);
  EXPECT_EQ(centre.y, 1);
  EXPECT_EQ(half, 0);

  // A text that does not evaluate, or cancel, changes nothing.
  half = 2;
  script.FillAndPress("CENWID", {{211, "5"}, {212, "(("}, {213, "4"}}, 1);
  EXPECT_GT(w.AskCentreWidth(centre, half), 0);
  script.FillAndPress("CENWID", {{211, "5"}}, 2);
  EXPECT_EQ(w.AskCentreWidth(centre, half), -1);
  EXPECT_EQ(centre.x, 1);
  EXPECT_EQ(half, 2);
  EXPECT_TRUE(script.Unexpected().empty());
}

}  // namespace

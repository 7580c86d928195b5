// Units > Grid, the coordinates dialog of a point by its name, and the toolbar of the modes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/windows/tool_dlg.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using plane_test::PlaneWindow;

using GridAndToolbar = IsolatedFolders;

TEST_F(GridAndToolbar, TheGridTakesTwoToFiftyDotsEachWay) {
  PlaneWindow w(0);
  {
    platform::ScriptedResponder script;
    script.FillAndPress("GRIDSPX", {}, platform::IDOK);  // the defaults: 7 by 5
    w.DispatchCommand(plane::kCmdGrid);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.history().steps[0].kind, 66);
  EXPECT_EQ(w.tables().last_point, 34);
  for (const auto& [across, down] : {std::pair{"1", "5"}, std::pair{"7", "51"}, std::pair{"x", "5"}}) {
    platform::ScriptedResponder script;
    script.FillAndPress("GRIDSPX", {{214, across}, {215, down}}, platform::IDOK).AnswerMessage(platform::IDOK);
    w.DispatchCommand(plane::kCmdGrid);
    EXPECT_EQ(script.Messages(), (std::vector<std::string>{"out of bounds"})) << across << " by " << down;
  }
  EXPECT_EQ(w.history().steps.size(), 1u);
}

TEST_F(GridAndToolbar, TheCoordinatesDialogMovesAPointAndTakesTheLastMoveBack) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 1);
  platform::ScriptedResponder script;
  script.OnDialog("GRIDEDIT", [&](platform::Dialog& d) {
    EXPECT_EQ(d.GetItemText(213), "B");  // the newest point
    d.SetItemText(211, "2");
    d.SetItemText(212, "3");
    d.PressButton(724);
    d.SetItemText(211, "4*2");
    d.SetItemText(212, "5");
    d.PressButton(724);
    EXPECT_EQ(w.tables().xy[b], (Point2{8, 5}));
    d.PressButton(98);
    EXPECT_EQ(w.tables().xy[b], (Point2{2, 3}));
    d.PressButton(98);  // nothing left to take back
    d.SetItemText(213, "Q");
    d.PressButton(729);
    d.PressButton(2);
  });
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  w.DispatchCommand(plane::kCmdGridCoordinates);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"no more room", "could not find"}));
  EXPECT_TRUE(w.IsModified());
}

TEST_F(GridAndToolbar, TheToolbarShowsAndSetsTheMode) {
  PlaneWindow w(0);
  w.DispatchCommand(124);
  w.ShowToolbar();
  engine::TToolDlg* toolbar = w.toolbar();
  ASSERT_NE(toolbar, nullptr);
  EXPECT_TRUE(toolbar->IsChecked(124));
  EXPECT_FALSE(toolbar->IsChecked(120));
  toolbar->PressButton(128);
  EXPECT_EQ(w.ToolbarMode(), 128);
  EXPECT_EQ(w.QueryCommand(128).checked, std::optional<bool>(true));
  EXPECT_TRUE(toolbar->IsItemEnabled(125));

  PlaneWindow h(1);
  h.ShowToolbar();
  EXPECT_TRUE(h.toolbar()->IsItemEnabled(125));  // the model coordinates, in the hyperbolic plane too
}

}  // namespace

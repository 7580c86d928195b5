// The toolbar of the 3-D window: its own template, whose five mouse modes edit a figure of space.
#include <gtest/gtest.h>

#include "engine/windows/tool_dlg.h"
#include "platform/application.h"
#include "solidview/geom3_win.h"
#include "support/isolated_folders.h"

namespace {

using SolidToolbar = IsolatedFolders;

TEST_F(SolidToolbar, TheWindowOfSpaceShowsItsOwnModes) {
  auto* w = new solidview::TGeom3Win(nullptr, "space");
  w->Create();
  w->Show();
  platform::Application::ProcessPendingEvents();
  w->SetCurrentTool(125);
  w->DispatchCommand(engine::kCmdToolbar);
  engine::TToolDlg* toolbar = w->toolbar();
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(toolbar->templateName(), "TOOLS3");
  EXPECT_TRUE(toolbar->IsVisible());
  EXPECT_EQ(toolbar->GetItemText(122), "edit coordinates");
  EXPECT_EQ(toolbar->GetItemText(125), "see coords/recenter");
  EXPECT_TRUE(toolbar->IsChecked(125));
  // The plane's construction modes are there by id, but not offered.
  for (const int id : {120, 121, 126, 127, 128}) EXPECT_FALSE(toolbar->IsItemShown(id)) << id;
  for (const int id : {122, 123, 124, 125, 129}) EXPECT_TRUE(toolbar->IsItemShown(id)) << id;

  toolbar->PressButton(122);
  EXPECT_EQ(w->qelWin.currentTool, 122);
  EXPECT_FALSE(toolbar->IsChecked(125));
  EXPECT_EQ(w->QueryCommand(engine::kCmdToolbar).checked, std::optional<bool>(true));
  toolbar->PressButton(2);
  EXPECT_FALSE(toolbar->IsVisible());
  EXPECT_EQ(w->QueryCommand(engine::kCmdToolbar).checked, std::optional<bool>(false));
  // Shown again, it is the same dialog.
  w->ShowToolbar();
  EXPECT_EQ(w->toolbar(), toolbar);
  EXPECT_TRUE(toolbar->IsChecked(122));
  w->Destroy();
  platform::Application::ProcessPendingEvents();
}

}  // namespace

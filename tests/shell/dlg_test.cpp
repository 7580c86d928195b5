#include <gtest/gtest.h>

#include "shell/dlg.h"
#include "kernel/random.h"
#include "platform/frame_window.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"

using namespace platform;
using resources::AddResourceScriptForTesting;
using shell::DlgPosition;
using shell::TDlg;

namespace {

const char* kScript = R"(DIALOG TDLGTEST 120 60 "placed"
  EDIT 211 5 5 100 12
  DEFBUTTON 1 5 40 30 14 "OK"
  BUTTON 2 40 40 30 14 "Cancel"
  BUTTON 357 75 40 30 14 "Close"
END
)";

class DlgTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_FALSE(AddResourceScriptForTesting(kScript).has_value()); }
};

// Runs the dialog modally; `drive` may move it before OK is pressed. Returns where it opened.
std::pair<int, int> RunOnce(DlgPosition* position, std::function<void(Dialog&)> drive = {}) {
  TDlg dialog(nullptr, "TDLGTEST", position);
  std::pair<int, int> opened;
  ScriptedResponder script;
  script.OnDialog("TDLGTEST", [&](Dialog& d) {
    opened = {d.X(), d.Y()};
    if (drive) drive(d);
    d.PressButton(IDOK);
  });
  EXPECT_EQ(dialog.Execute(), IDOK);
  return opened;
}

}  // namespace

TEST_F(DlgTest, AFirstOpeningLandsNearTheMiddleAndTheMovedPlaceIsKept) {
  for (std::uint32_t seed : {1u, 7u, 12345u}) {
    kernel::SeedRandom(seed);
    DlgPosition position;
    const auto [x, y] = RunOnce(&position, [](Dialog& d) { d.MoveTo(150, 160); });
    EXPECT_GE(x, 480);
    EXPECT_LT(x, 530);
    EXPECT_GE(y, 300);
    EXPECT_LT(y, 350);
    EXPECT_EQ(position.x, 150);
    EXPECT_EQ(position.y, 160);
    EXPECT_EQ(RunOnce(&position), std::make_pair(150, 160));
  }
}

TEST_F(DlgTest, ACoordinateOfMinusOneMeansNoPosition) {
  DlgPosition position{-1, 200};
  const auto [x, y] = RunOnce(&position);
  EXPECT_GE(x, 480);
  EXPECT_GE(y, 300);
  // Without a record the dialog still opens near the middle and stores nothing.
  const auto [x2, y2] = RunOnce(nullptr);
  EXPECT_GE(x2, 480);
  EXPECT_LT(y2, 350);
}

TEST_F(DlgTest, APositionOffEveryScreenIsBroughtBack) {
  const WindowRect screen = FrameWindow::ScreenRect();
  DlgPosition position{screen.x + screen.width + 4000, screen.y + screen.height + 3000};
  const auto [x, y] = RunOnce(&position);
  EXPECT_GE(x, screen.x);
  EXPECT_LT(x, screen.x + screen.width);
  EXPECT_GE(y, screen.y);
  EXPECT_LT(y, screen.y + screen.height);
}

TEST_F(DlgTest, CloseHidesAModelessDialogAndMarksItClosed) {
  DlgPosition position{200, 210};
  TDlg dialog(nullptr, "TDLGTEST", &position);
  dialog.Show();
  ASSERT_TRUE(dialog.IsVisible());
  EXPECT_EQ(dialog.closed, 0);
  EXPECT_EQ(dialog.X(), 200);
  dialog.PressButton(shell::kCloseCommand);
  EXPECT_TRUE(dialog.IsCreated());
  EXPECT_FALSE(dialog.IsVisible());
  EXPECT_EQ(dialog.closed, 1);
  dialog.Show();
  EXPECT_TRUE(dialog.IsVisible());
  // Hiding through the platform's type still marks the dialog closed.
  dialog.closed = 0;
  static_cast<platform::Dialog&>(dialog).Hide();
  EXPECT_FALSE(dialog.IsVisible());
  EXPECT_EQ(dialog.closed, 1);
}

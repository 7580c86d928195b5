#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/application.h"
#include "platform/dc.h"
#include "platform/frame_window.h"
#include "platform/key_poll.h"
#include "platform/modal_loop.h"
#include "resources/resource_library.h"

using namespace platform;

namespace {

const char* kMenuScript = R"(MENU FWTESTMENU
  POPUP "&Figure"
    ITEM 101 "&Grid"
    ITEM 102 "&Clear"
    ITEM 103 "&Locked"
  END
END
ACCELERATORS FWTESTMENU
  F2 101
END
)";

// A window layer that handles some commands and passes the rest to its base.
class BaseLayer : public FrameWindow {
 public:
  using FrameWindow::FrameWindow;
  std::vector<int> handled;

 protected:
  bool OnCommand(int id) override {
    if (id == 102) {
      handled.push_back(id);
      return true;
    }
    return FrameWindow::OnCommand(id);
  }
};

class TestWindow : public BaseLayer {
 public:
  using BaseLayer::BaseLayer;
  bool grid = false;
  bool allowClose = true;
  int destroyed = 0;
  int* deletions = nullptr;
  ~TestWindow() override {
    if (deletions) ++*deletions;
  }

 protected:
  void SetupWindow() override { SetMenu("FWTESTMENU"); }
  bool OnCommand(int id) override {
    if (id == 101) {
      grid = !grid;
      handled.push_back(id);
      return true;
    }
    return BaseLayer::OnCommand(id);
  }
  void EnableCommand(CommandState& state) override {
    if (state.id == 101) state.checked = grid;
    if (state.id == 103) state.enabled = false;
  }
  bool CanClose() override { return allowClose; }
  void OnDestroy() override { ++destroyed; }
};

class FrameWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_FALSE(resources::AddResourceScriptForTesting(kMenuScript).has_value()); }
};

void SpinEvents(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    Application::ProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace

TEST_F(FrameWindowTest, CommandsRouteThroughTheLayersAndHonourEnablers) {
  TestWindow window(nullptr, "noname1.kv2");
  window.Create();
  EXPECT_TRUE(window.DispatchCommand(101));
  EXPECT_TRUE(window.DispatchCommand(102));  // handled by the lower layer
  EXPECT_FALSE(window.DispatchCommand(103)); // greyed: never reaches a handler
  EXPECT_FALSE(window.DispatchCommand(999)); // nobody handles it
  EXPECT_EQ(window.handled, (std::vector<int>{101, 102}));
  // Check marks follow the enabler when they are asked.
  window.QueryCommand(101);
  EXPECT_TRUE(window.menu().IsChecked(101));
  EXPECT_EQ(window.Caption(), "noname1.kv2");
}

TEST_F(FrameWindowTest, ARebuiltMenuBarFreesTheMenusOfTheOldOne) {
  // Every File > Open builds the menu bar again: the window must not gather the old popups.
  TestWindow window(nullptr, "noname1.kv2");
  window.Create();
  Application::ProcessPendingEvents();
  const std::size_t menus = window.NativeMenuCount();
  EXPECT_GE(menus, 1u);
  for (int i = 0; i < 100; ++i) window.SetMenu("FWTESTMENU");
  // The old popups go when the event loop runs again.
  ModalLoop::Wait(window, 1);
  EXPECT_EQ(window.NativeMenuCount(), menus);
  EXPECT_TRUE(window.DispatchCommand(101));
  window.Destroy();
}

// The menu bar shows the menu as the window left it at the end of its set-up: an item removed
// there is gone from the bar, an item added there is on it; a grey state changed later reaches
// the bar.
TEST_F(FrameWindowTest, TheMenuBarFollowsTheMenu) {
  class EditingWindow : public TestWindow {
   public:
    using TestWindow::TestWindow;

   protected:
    void SetupWindow() override {
      TestWindow::SetupWindow();
      menu().Remove(102);
      MenuChanged();
      resources::MenuItem redraw;
      redraw.id = 104;
      redraw.text = "&Redraw";
      redraw.enabled = false;
      menu().Append({0}, redraw);
      MenuChanged();
    }
    bool OnCommand(int id) override {
      if (id == 104) {
        handled.push_back(id);
        return true;
      }
      return TestWindow::OnCommand(id);
    }
  };
  EditingWindow window(nullptr, "edited");
  window.Create();
  PostMenuClickForTesting(&window, 102);
  PostMenuClickForTesting(&window, 104);
  SpinEvents(20);
  EXPECT_TRUE(window.handled.empty());
  window.menu().Enable(104, true);
  window.MenuChanged();
  PostMenuClickForTesting(&window, 104);
  for (int i = 0; i < 500 && window.handled.empty(); ++i) SpinEvents(2);
  EXPECT_EQ(window.handled, std::vector<int>{104});
}

TEST_F(FrameWindowTest, CloseAsksTheWindowAndDestroyRunsOnce) {
  TestWindow window(nullptr, "w");
  window.Create();
  window.allowClose = false;
  EXPECT_FALSE(window.Close());
  EXPECT_FALSE(window.IsDestroyed());
  window.allowClose = true;
  EXPECT_TRUE(window.Close());
  EXPECT_TRUE(window.Close());
  EXPECT_EQ(window.destroyed, 1);
  EXPECT_FALSE(window.DispatchCommand(101));
}

TEST_F(FrameWindowTest, ChildrenCloseWithTheirParentAndAreDeleted) {
  int deletions = 0;
  TestWindow parent(nullptr, "frame");
  auto* child = new TestWindow(&parent, "child");
  child->deletions = &deletions;
  child->Create();
  child->Show();
  auto* second = new TestWindow(&parent, "second");
  second->deletions = &deletions;
  second->Create();
  // A child closed on its own goes once the event loop runs.
  EXPECT_TRUE(second->Close());
  SpinEvents(20);
  EXPECT_EQ(deletions, 1);
  parent.Destroy();
  EXPECT_EQ(child->destroyed, 1);
  SpinEvents(20);
  EXPECT_EQ(deletions, 2);
}

TEST_F(FrameWindowTest, PlacementAndCaption) {
  TestWindow window(nullptr, "a");
  window.Create();
  window.MoveTo({120, 80, 300, 200});
  const WindowRect placed = window.Placement();
  EXPECT_EQ(placed.x, 120);
  EXPECT_EQ(placed.y, 80);
  EXPECT_EQ(placed.width, 300);
  EXPECT_EQ(placed.height, 200);
  window.SetCaption("fig.kv2+");
  EXPECT_EQ(window.Caption(), "fig.kv2+");
  const WindowRect screen = FrameWindow::ScreenRect();
  EXPECT_GT(screen.width, 0);
}

TEST_F(FrameWindowTest, TimersFireByTheirIds) {
  struct TimerWindow : FrameWindow {
    using FrameWindow::FrameWindow;
    std::vector<int> ticks;
    void OnTimer(int id) override {
      ticks.push_back(id);
      KillTimer(id);
    }
  } window(nullptr, "t");
  window.Create();
  window.SetTimer(7, 5);
  SpinEvents(100);
  EXPECT_EQ(window.ticks, std::vector<int>{7});
}

TEST_F(FrameWindowTest, PaintDrawsIntoTheBackingImageAndGetDCDrawsAtOnce) {
  struct PaintWindow : FrameWindow {
    using FrameWindow::FrameWindow;
    int paints = 0;
    void Paint(DC& dc) override {
      ++paints;
      dc.FillRect({0, 0, 10, 10}, Brush::Solid(Color{255, 0, 0}));
    }
  } window(nullptr, "p");
  window.SetBackgroundColor(64, 128, 128);
  window.MoveTo({0, 0, 100, 80});
  window.Show();
  window.UpdateNow();
  EXPECT_EQ(window.paints, 1);
  auto dc = window.GetDC();
  EXPECT_EQ(dc->GetPixel({5, 5}), (Color{255, 0, 0}));
  EXPECT_EQ(dc->GetPixel({50, 50}), (Color{64, 128, 128}));
  // Drawing outside Paint stays until the next erase.
  dc->FillRect({20, 20, 30, 30}, Brush::Solid(Color{0, 0, 255}));
  dc.reset();
  window.UpdateNow();  // nothing invalid: no repaint
  EXPECT_EQ(window.paints, 1);
  EXPECT_EQ(window.GetDC()->GetPixel({25, 25}), (Color{0, 0, 255}));
  window.Invalidate(true);
  window.UpdateNow();
  EXPECT_EQ(window.paints, 2);
  EXPECT_EQ(window.GetDC()->GetPixel({25, 25}), (Color{64, 128, 128}));
}

TEST_F(FrameWindowTest, APlacementReadBackMovesToTheSamePlace) {
  TestWindow window(nullptr, "stable");
  window.Show();
  window.MoveTo({40, 50, 300, 200});
  for (int round = 0; round < 3; ++round) window.MoveTo(window.Placement());
  const WindowRect placed = window.Placement();
  EXPECT_EQ(placed.width, 300);
  EXPECT_EQ(placed.height, 200);
  EXPECT_EQ(placed.x, 40);
}

TEST_F(FrameWindowTest, AnOwnedWindowCanKeepItsOwnerOpen) {
  TestWindow parent(nullptr, "frame");
  auto* child = new TestWindow(&parent, "modified figure");
  child->allowClose = false;
  EXPECT_FALSE(parent.Close());
  EXPECT_FALSE(parent.IsDestroyed());
  EXPECT_FALSE(child->IsDestroyed());
  child->allowClose = true;
  EXPECT_TRUE(parent.Close());
  EXPECT_EQ(child->destroyed, 1);
}

TEST_F(FrameWindowTest, IconsComeFromTheResources) {
  TestWindow window(nullptr, "icon");
  EXPECT_TRUE(window.SetIcon("GEOMICON"));
  EXPECT_FALSE(window.SetIcon("NOSUCHICON"));
}

TEST_F(FrameWindowTest, AGetDCInsidePaintDraws) {
  struct NestingWindow : FrameWindow {
    using FrameWindow::FrameWindow;
    void Paint(DC& dc) override {
      dc.SelectPen(Pen{PenStyle::Solid, 1, Color{255, 0, 0}});
      dc.MoveTo({0, 5});
      std::unique_ptr<DC> inner = GetDC();
      inner->FillRect({10, 10, 20, 20}, Brush::Solid(Color{0, 0, 255}));
      dc.LineTo({40, 5});  // the paint's own DC still draws, with its own pen
    }
  } window(nullptr, "nested");
  window.MoveTo({0, 0, 100, 80});
  window.Show();
  window.UpdateNow();
  std::unique_ptr<DC> dc = window.GetDC();
  EXPECT_EQ(dc->GetPixel({15, 15}), (Color{0, 0, 255}));
  EXPECT_EQ(dc->GetPixel({30, 5}), (Color{255, 0, 0}));
}

TEST_F(FrameWindowTest, APartialInvalidationRepaintsOnlyItsArea) {
  struct AreaWindow : FrameWindow {
    using FrameWindow::FrameWindow;
    std::vector<Rect> areas;
    void PaintArea(DC& dc, const Rect& area) override {
      areas.push_back(area);
      dc.FillRect({0, 0, 1000, 1000}, Brush::Solid(Color{255, 0, 0}));
    }
  } window(nullptr, "areas");
  window.MoveTo({0, 0, 100, 80});
  window.Show();
  window.UpdateNow();
  ASSERT_EQ(window.areas.size(), 1u);
  EXPECT_EQ(window.areas[0], (Rect{0, 0, window.ClientWidth(), window.ClientHeight()}));
  window.GetDC()->FillRect({0, 0, 1000, 1000}, Brush::Solid(Color{0, 0, 255}));
  window.Invalidate(Rect{10, 10, 20, 20});
  window.Invalidate(Rect{30, 5, 35, 8}, false);
  window.UpdateNow();
  ASSERT_EQ(window.areas.size(), 2u);
  EXPECT_EQ(window.areas[1], (Rect{10, 5, 35, 20}));
  std::unique_ptr<DC> dc = window.GetDC();
  EXPECT_EQ(dc->GetPixel({15, 15}), (Color{255, 0, 0}));
  EXPECT_EQ(dc->GetPixel({50, 50}), (Color{0, 0, 255}));  // outside: not painted again
  EXPECT_EQ(dc->GetPixel({12, 30}), (Color{0, 0, 255}));
  dc.reset();
  // A whole-window invalidation swallows the parts.
  window.Invalidate(Rect{1, 1, 2, 2});
  window.Invalidate(true);
  window.UpdateNow();
  EXPECT_EQ(window.areas.back(), window.areas[0]);

  EXPECT_EQ(window.Cursor(), CursorShape::Arrow);
  window.SetCursor(CursorShape::Cross);
  EXPECT_EQ(window.Cursor(), CursorShape::Cross);
}

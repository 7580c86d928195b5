#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/application.h"
#include "platform/key_poll.h"
#include "platform/modal_loop.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"

using namespace platform;

namespace {

// A window whose command drags with the mouse until the button goes up.
class DragWindow : public FrameWindow {
 public:
  using FrameWindow::FrameWindow;
  std::vector<std::pair<int, int>> dragged;
  int ownMoves = 0;
  int result = 0;

  int Drag() {
    ModalLoop loop(*this);
    loop.onMouseMove = [this](const MouseEvent& e) { dragged.push_back({e.x, e.y}); };
    loop.onMouseUp = [&loop](const MouseEvent&) { loop.End(1); };
    result = loop.Run();
    return result;
  }

 protected:
  void OnMouseMove(const MouseEvent&) override { ++ownMoves; }
};

MouseEvent At(int x, int y) {
  MouseEvent e;
  e.x = x;
  e.y = y;
  return e;
}

void SpinUntil(const std::function<bool()>& done, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done() && std::chrono::steady_clock::now() < end) {
    Application::ProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace

TEST(ModalLoop, AResponderDrivesADragThroughTheWindowsInput) {
  DragWindow window(nullptr, "drag");
  window.Create();
  ScriptedResponder script;
  script.OnLoop([&window](ModalLoop&) {
    window.DeliverMouseMove(At(1, 2));  // as the screen delivers it
    window.DeliverMouseMove(At(3, 4));
    window.DeliverMouseUp(At(3, 4));
    window.DeliverMouseMove(At(9, 9));  // after the end: not part of the drag
  });
  EXPECT_EQ(window.Drag(), 1);
  EXPECT_EQ(window.dragged, (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}}));
  EXPECT_EQ(window.ownMoves, 0);
  EXPECT_EQ(ModalLoop::ActiveOn(&window), nullptr);
  window.DeliverMouseMove(At(5, 5));  // no loop: the window's own hook again
  EXPECT_EQ(window.ownMoves, 1);
}

TEST(ModalLoop, ALoopLeftRunningByAResponderEndsAsNotEnded) {
  DragWindow window(nullptr, "drag");
  ScriptedResponder script;
  script.OnLoop([](ModalLoop&) {});
  EXPECT_EQ(window.Drag(), ModalLoop::kNotEnded);
}

TEST(ModalLoop, TimersStepTheLoopOnTheRealEventLoop) {
  FrameWindow window(nullptr, "animation");
  window.Create();
  ModalLoop loop(window);
  int ticks = 0;
  loop.onTimer = [&](int id) {
    EXPECT_EQ(id, 5);
    if (++ticks == 3) loop.End(7);
  };
  window.SetTimer(5, 2);
  EXPECT_EQ(loop.Run(), 7);
  window.KillTimer(5);
  EXPECT_EQ(ticks, 3);

  ModalLoop picker(window);
  picker.SetTimeout(10);
  EXPECT_EQ(picker.Run(), ModalLoop::kTimedOut);
}

TEST(ModalLoop, ClosingTheWindowEndsTheLoopAndClosesAfterTheCommand) {
  struct ClosingWindow : FrameWindow {
    using FrameWindow::FrameWindow;
    int destroyed = 0;
    void OnDestroy() override { ++destroyed; }
  } window(nullptr, "closing");
  window.Create();
  ModalLoop loop(window);
  loop.onTimer = [&](int) { window.RequestClose(); };
  window.SetTimer(1, 2);
  EXPECT_EQ(loop.Run(), ModalLoop::kClosed);
  EXPECT_EQ(window.destroyed, 0);  // not under the running command
  SpinUntil([&] { return window.destroyed == 1; }, 1000);
  EXPECT_EQ(window.destroyed, 1);
}

namespace {

const char* kLoopScript = R"(MENU MLTESTMENU
  POPUP "&Figure"
    ITEM 101 "&Grid"
    ITEM 102 "&Clear"
  END
END
ACCELERATORS MLTESTMENU
  F2 101
END
)";

class CommandWindow : public FrameWindow {
 public:
  using FrameWindow::FrameWindow;
  std::vector<int> commands;
  std::vector<int> keys;

 protected:
  void SetupWindow() override {
    SetMenu("MLTESTMENU");
    SetAccelerators("MLTESTMENU");
  }
  bool OnCommand(int id) override {
    commands.push_back(id);
    return true;
  }
  void OnKeyDown(const KeyEvent& e) override { keys.push_back(e.key); }
};

}  // namespace

TEST(ModalLoop, CommandsWaitForTheLoopWhichGetsTheKeysWhileOtherWindowsWait) {
  ASSERT_FALSE(resources::AddResourceScriptForTesting(kLoopScript).has_value());
  CommandWindow window(nullptr, "looping");
  CommandWindow other(nullptr, "other");
  window.Create();
  other.Create();
  // Outside a loop the accelerator and the menu run their commands.
  PostKeyPressForTesting(&window, resources::kKeyF1 + 1, 0, "");
  PostMenuClickForTesting(&window, 102);
  SpinUntil([&] { return window.commands.size() == 2; }, 1000);
  ASSERT_EQ(window.commands, (std::vector<int>{101, 102}));
  window.commands.clear();

  ModalLoop loop(window);
  std::vector<int> loopKeys;
  bool refused = false;
  loop.onKey = [&](const KeyEvent& e) {
    loopKeys.push_back(e.key);
    refused = !window.DispatchCommand(101);  // as the user's menu click would be
    if (e.key == 'X') loop.End(5);
  };
  PostKeyPressForTesting(&window, resources::kKeyF1 + 1, 0, "");  // the accelerator's key
  PostMenuClickForTesting(&window, 102);
  PostKeyPressForTesting(&other, 'B', 0, "b");
  PostKeyPressForTesting(&window, 'X', 0, "x");
  EXPECT_EQ(loop.Run(), 5);
  EXPECT_TRUE(window.commands.empty());
  EXPECT_TRUE(refused);
  EXPECT_EQ(loopKeys, (std::vector<int>{resources::kKeyF1 + 1, 'X'}));
  EXPECT_TRUE(window.keys.empty());
  EXPECT_TRUE(other.keys.empty()) << "the other window's key waits for the loop";
  SpinUntil([&] { return !other.keys.empty(); }, 1000);
  EXPECT_EQ(other.keys, std::vector<int>{'B'});

  // A wait runs the event loop (a posted key arrives meanwhile) and ends by its time-out; the
  // window's commands run again once it is over. The key it took is kept for the work's poll, so
  // a key pressed during the pauses of an animation stops it.
  PostKeyPressForTesting(&window, 'Y', 0, "y");
  EXPECT_EQ(ModalLoop::Wait(window, 50), ModalLoop::kTimedOut);
  EXPECT_TRUE(window.keys.empty());  // a wait's loop takes the window's keys
  const std::optional<PolledKey> kept = TakePendingKey(&window);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->key.key, 'Y');
  EXPECT_FALSE(TakePendingKey(&window).has_value());
  PostMenuClickForTesting(&window, 102);
  SpinUntil([&] { return !window.commands.empty(); }, 1000);
  EXPECT_EQ(window.commands, std::vector<int>{102});
}

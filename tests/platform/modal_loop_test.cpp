#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/application.h"
#include "platform/modal_loop.h"
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

#pragma once
// A loop that runs inside a command of a window until it is ended: dragging a point until the
// button goes up, an animation stepped by a timer, the mouse picker with a time-out. It runs on
// the event loop (nothing busy-waits), so the screen stays alive. While it runs:
// - the window's mouse input, key presses (its accelerator keys too) and timers go to the loop's
//   handlers instead of the window's own hooks;
// - no command of the window runs: its menu is out of reach, its accelerators are off, and
//   DispatchCommand refuses;
// - input to the program's other windows waits: their key presses and clicks are held back and
//   delivered once the loop has ended (their mouse moves are dropped).
// Closing the window ends the loop with kClosed; the window then closes once the command that
// ran the loop has returned.
//
// Tests drive a loop through the modal responder (DriveLoop): it feeds events with the Feed*
// operations below, which reach the handlers exactly as the user's input would.

#include <functional>
#include <optional>

#include "platform/frame_window.h"

namespace platform {

class ModalLoop {
 public:
  static constexpr int kClosed = -1;    // the window was closed while the loop ran
  static constexpr int kTimedOut = -2;  // the time-out passed
  static constexpr int kNotEnded = -3;  // a test responder left the loop running

  explicit ModalLoop(FrameWindow& window);
  ~ModalLoop();
  ModalLoop(const ModalLoop&) = delete;
  ModalLoop& operator=(const ModalLoop&) = delete;

  std::function<void(const MouseEvent&)> onMouseDown;
  std::function<void(const MouseEvent&)> onMouseMove;
  std::function<void(const MouseEvent&)> onMouseUp;
  std::function<void(const KeyEvent&)> onKey;
  std::function<void(int timerId)> onTimer;

  // Ends the loop with kTimedOut after `milliseconds` (0: no time-out).
  void SetTimeout(int milliseconds) { timeoutMilliseconds_ = milliseconds; }

  // A pause of long work (slow replay, animation, animated exports) that keeps the screen alive
  // and keeps the window's key presses for the work's next key poll (platform/key_poll.h):
  // a loop on the window with a time-out and no handlers, so what was drawn before it is shown.
  // Returns kTimedOut, or kClosed when the window was closed meanwhile (the work should stop).
  // Under a test responder it returns kTimedOut at once.
  static int Wait(FrameWindow& window, int milliseconds);
  // Runs until End (returns its code), a time-out or the window's closing.
  int Run();
  void End(int code);
  bool running() const { return running_; }
  FrameWindow& window() { return window_; }

  // Input as the user gives it (the platform and test responders call these).
  void FeedMouseDown(const MouseEvent& e);
  void FeedMouseMove(const MouseEvent& e);
  void FeedMouseUp(const MouseEvent& e);
  void FeedKey(const KeyEvent& e);
  void FeedTimer(int id);

  // The innermost loop running on `window`, if any.
  static ModalLoop* ActiveOn(const FrameWindow* window);
  // Ends every loop running on `window` with `code`.
  static void EndAllOn(const FrameWindow* window, int code);

 private:
  struct Impl;
  class CommandsHeld {
   public:
    explicit CommandsHeld(FrameWindow& window);
    ~CommandsHeld();
    CommandsHeld(const CommandsHeld&) = delete;
    CommandsHeld& operator=(const CommandsHeld&) = delete;

   private:
    FrameWindowImpl* impl_;
  };
  class OtherInputHeld {
   public:
    explicit OtherInputHeld(FrameWindow& window);
    ~OtherInputHeld();
    OtherInputHeld(const OtherInputHeld&) = delete;
    OtherInputHeld& operator=(const OtherInputHeld&) = delete;

   private:
    class Filter;
    Filter* filter_ = nullptr;
  };
  FrameWindow& window_;
  ModalLoop* outer_ = nullptr;  // a loop this one runs inside of, on the same window
  bool running_ = false;
  std::optional<int> result_;
  int timeoutMilliseconds_ = 0;
  Impl* impl_ = nullptr;
};

}  // namespace platform

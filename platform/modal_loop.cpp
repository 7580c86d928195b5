#include "platform/modal_loop.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/frame_window_impl.h"
#include "platform/modal_responder.h"

namespace platform {
namespace {

// Loops now running, innermost last.
std::vector<ModalLoop*>& RunningLoops() {
  static std::vector<ModalLoop*> loops;
  return loops;
}

}  // namespace

struct ModalLoop::Impl {
  QEventLoop loop;
};

ModalLoop::ModalLoop(FrameWindow& window) : window_(window) {}

ModalLoop::~ModalLoop() { std::erase(RunningLoops(), this); }

ModalLoop* ModalLoop::ActiveOn(const FrameWindow* window) {
  const std::vector<ModalLoop*>& loops = RunningLoops();
  for (auto it = loops.rbegin(); it != loops.rend(); ++it)
    if (&(*it)->window_ == window) return *it;
  return nullptr;
}

void ModalLoop::EndAllOn(const FrameWindow* window, int code) {
  const std::vector<ModalLoop*> loops = RunningLoops();
  for (ModalLoop* loop : loops)
    if (&loop->window_ == window) loop->End(code);
}

int ModalLoop::Run() {
  if (running_) return kNotEnded;
  result_.reset();
  running_ = true;
  RunningLoops().push_back(this);
  if (ModalResponder* responder = CurrentModalResponder()) {
    responder->DriveLoop(*this);
    if (!result_) result_ = kNotEnded;
  } else {
    Impl impl;
    impl_ = &impl;
    QTimer timeout;
    if (timeoutMilliseconds_ > 0) {
      timeout.setSingleShot(true);
      QObject::connect(&timeout, &QTimer::timeout, [this] { End(kTimedOut); });
      timeout.start(timeoutMilliseconds_);
    }
    if (!result_) impl.loop.exec();
    impl_ = nullptr;
  }
  std::erase(RunningLoops(), this);
  running_ = false;
  return *result_;
}

void ModalLoop::End(int code) {
  if (!running_ || result_) return;
  result_ = code;
  if (impl_) impl_->loop.quit();
}

void ModalLoop::FeedMouseDown(const MouseEvent& e) {
  if (running_ && !result_ && onMouseDown) onMouseDown(e);
}
void ModalLoop::FeedMouseMove(const MouseEvent& e) {
  if (running_ && !result_ && onMouseMove) onMouseMove(e);
}
void ModalLoop::FeedMouseUp(const MouseEvent& e) {
  if (running_ && !result_ && onMouseUp) onMouseUp(e);
}
void ModalLoop::FeedKey(const KeyEvent& e) {
  if (running_ && !result_ && onKey) onKey(e);
}
void ModalLoop::FeedTimer(int id) {
  if (running_ && !result_ && onTimer) onTimer(id);
}

}  // namespace platform

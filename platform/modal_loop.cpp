#include "platform/modal_loop.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/frame_window_impl.h"
#include "platform/key_poll.h"
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

// While a loop runs on a window, none of its commands can be started by the user: its menu bar
// and its accelerators are off (an accelerator key then reaches the loop as a plain key).
ModalLoop::CommandsHeld::CommandsHeld(FrameWindow& window) : impl_(ImplOf(&window)) {
  if (impl_ == nullptr || impl_->frame == nullptr) return;
  if (++impl_->commandHolds > 1) return;
  for (QShortcut* shortcut : impl_->shortcuts) shortcut->setEnabled(false);
  if (QMenuBar* bar = impl_->frame->menuBar()) bar->setEnabled(false);
}

ModalLoop::CommandsHeld::~CommandsHeld() {
  if (impl_ == nullptr || impl_->frame == nullptr) return;
  if (--impl_->commandHolds > 0) return;
  for (QShortcut* shortcut : impl_->shortcuts) shortcut->setEnabled(true);
  if (QMenuBar* bar = impl_->frame->menuBar()) bar->setEnabled(true);
}

// Holds back the clicks and key presses meant for the program's other frame windows while a loop
// runs, and delivers them when it ends; their mouse moves are dropped. Dialogs and message boxes
// opened by the loop itself are not held.
class ModalLoop::OtherInputHeld::Filter : public QObject {
 public:
  explicit Filter(QWidget* loopFrame) : loopFrame_(loopFrame) {}
  ~Filter() override {
    for (auto& [target, event] : held_)
      if (target) QCoreApplication::postEvent(target, event.release());
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress ||
                       type == QEvent::KeyRelease || type == QEvent::Wheel;
    const bool passing = type == QEvent::MouseMove || type == QEvent::ShortcutOverride;
    if (!press && !passing) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;
    QWidget* top = widget->window();
    if (top == loopFrame_ || dynamic_cast<NativeFrame*>(top) == nullptr) return false;
    if (type == QEvent::ShortcutOverride) {
      event->accept();  // claimed: no accelerator of the other window runs meanwhile
      return true;
    }
    if (press) held_.emplace_back(QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone()));
    return true;
  }

 private:
  QWidget* loopFrame_;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

ModalLoop::OtherInputHeld::OtherInputHeld(FrameWindow& window) {
  QWidget* frame = NativeWidget(&window);
  if (frame == nullptr || qApp == nullptr) return;
  filter_ = new Filter(frame);
  qApp->installEventFilter(filter_);
}

ModalLoop::OtherInputHeld::~OtherInputHeld() {
  if (filter_ == nullptr) return;
  qApp->removeEventFilter(filter_);
  delete filter_;
}

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
  {
    const CommandsHeld held(window_);
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
      if (!result_) {
        const OtherInputHeld waiting(window_);
        impl.loop.exec();
      }
      impl_ = nullptr;
    }
  }
  std::erase(RunningLoops(), this);
  running_ = false;
  return *result_;
}

int ModalLoop::Wait(FrameWindow& window, int milliseconds) {
  if (CurrentModalResponder() != nullptr) return kTimedOut;
  if (window.IsDestroyed()) return kClosed;
  ModalLoop loop(window);
  loop.SetTimeout(std::max(1, milliseconds));
  loop.onKey = [&window](const KeyEvent& key) { KeepKeyForPoll(&window, key); };
  return loop.Run();
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

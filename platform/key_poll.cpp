#include "platform/key_poll.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <utility>

#include "platform/frame_window_impl.h"
#include "platform/qt_keys.h"
#include "platform/qt_text.h"

namespace platform {
namespace {

// Keys taken for a window but not yet asked for. Keys kept for another window belong to a poll
// that has ended and are dropped.
std::deque<std::pair<FrameWindow*, PolledKey>>& HeldKeys() {
  static std::deque<std::pair<FrameWindow*, PolledKey>> keys;
  return keys;
}

QKeySequence SequenceOf(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(event->key())));
}

bool IsAcceleratorOf(FrameWindowImpl* impl, const QKeyEvent* event) {
  const QKeySequence pressed = SequenceOf(event);
  for (const QShortcut* shortcut : impl->shortcuts)
    if (shortcut->key() == pressed) return true;
  return false;
}

// Holds back the key presses of one window while pending events are processed.
class KeyCatcher : public QObject {
 public:
  KeyCatcher(FrameWindow* window, FrameWindowImpl* impl) : window_(window), impl_(impl) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    if (!BelongsToWindow(watched)) return false;
    if (type == QEvent::ShortcutOverride) {
      // Claimed, so no shortcut of the window runs its command; the key press follows.
      event->accept();
      return true;
    }
    const auto* keyEvent = static_cast<const QKeyEvent*>(event);
    PolledKey polled;
    polled.key.key = KeyCodeFromQt(keyEvent->key());
    polled.key.modifiers = ModifiersFromQt(keyEvent->modifiers());
    polled.key.text = FromQString(keyEvent->text());
    polled.accelerator = IsAcceleratorOf(impl_, keyEvent);
    if (polled.key.key != 0 || !polled.key.text.empty()) HeldKeys().emplace_back(window_, std::move(polled));
    return true;
  }

 private:
  bool BelongsToWindow(QObject* watched) const {
    if (auto* widget = qobject_cast<QWidget*>(watched)) return widget->window() == impl_->frame;
    if (auto* handle = qobject_cast<QWindow*>(watched)) return handle == impl_->frame->windowHandle();
    return false;
  }

  FrameWindow* window_;
  FrameWindowImpl* impl_;
};

}  // namespace

std::optional<PolledKey> TakePendingKey(FrameWindow* window) {
  FrameWindowImpl* impl = ImplOf(window);
  if (!impl || !impl->frame || window->IsDestroyed()) return std::nullopt;
  auto& held = HeldKeys();
  std::erase_if(held, [window](const auto& entry) { return entry.first != window; });
  if (held.empty()) {
    KeyCatcher catcher(window, impl);
    qApp->installEventFilter(&catcher);
    QApplication::processEvents();
    qApp->removeEventFilter(&catcher);
  }
  if (held.empty()) return std::nullopt;
  PolledKey key = std::move(held.front().second);
  held.pop_front();
  return key;
}

void KeepKeyForPoll(FrameWindow* window, const KeyEvent& key) {
  if (key.key == 0 && key.text.empty()) return;
  PolledKey polled;
  polled.key = key;
  polled.accelerator = IsAcceleratorKey(window, key);
  HeldKeys().emplace_back(window, std::move(polled));
}

bool IsAcceleratorKey(FrameWindow* window, const KeyEvent& key) {
  FrameWindowImpl* impl = ImplOf(window);
  if (!impl) return false;
  resources::Accelerator asKey;
  asKey.key = key.key;
  asKey.modifiers = key.modifiers;
  const QKeySequence sequence = KeySequenceFor(asKey);
  if (sequence.isEmpty()) return false;
  for (const QShortcut* shortcut : impl->shortcuts)
    if (shortcut->key() == sequence) return true;
  return false;
}

void PostKeyPressForTesting(FrameWindow* window, int key, unsigned modifiers, std::string_view text) {
  FrameWindowImpl* impl = ImplOf(window);
  if (!impl || !impl->frame) return;
  resources::Accelerator asKey;
  asKey.key = key;
  asKey.modifiers = modifiers;
  const QKeySequence sequence = KeySequenceFor(asKey);
  if (sequence.isEmpty()) return;
  const QKeyCombination combination = sequence[0];
  const QString typed = ToQString(text);
  const QPointer<NativeFrame> frame = impl->frame;
  QTimer::singleShot(0, frame, [frame, combination, typed] {
    if (!frame) return;
    QWidget* target = frame->focusWidget() ? frame->focusWidget() : frame.data();
    QKeyEvent override(QEvent::ShortcutOverride, combination.key(), combination.keyboardModifiers(), typed);
    override.ignore();
    QCoreApplication::sendEvent(target, &override);
    if (!override.isAccepted()) {
      const QKeySequence pressed(combination);
      for (QShortcut* shortcut : ImplOf(frame->owner())->shortcuts) {
        if (shortcut->isEnabled() && shortcut->key() == pressed) {
          emit shortcut->activated();
          return;
        }
      }
    }
    if (!frame) return;
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers(), typed);
    QCoreApplication::sendEvent(target, &press);
  });
}

namespace {

QAction* FindMenuAction(const QList<QAction*>& actions, int id) {
  for (QAction* action : actions) {
    if (action->menu() != nullptr) {
      if (QAction* found = FindMenuAction(action->menu()->actions(), id)) return found;
    } else if (!action->isSeparator() && action->data().isValid() && action->data().toInt() == id) {
      return action;
    }
  }
  return nullptr;
}

}  // namespace

void PostMenuClickForTesting(FrameWindow* window, int id) {
  FrameWindowImpl* impl = ImplOf(window);
  if (!impl || !impl->frame) return;
  const QPointer<NativeFrame> frame = impl->frame;
  QTimer::singleShot(0, frame, [frame, id] {
    if (!frame || !frame->menuBar()->isEnabled()) return;  // out of reach
    if (QAction* action = FindMenuAction(frame->menuBar()->actions(), id)) action->trigger();
  });
}

}  // namespace platform

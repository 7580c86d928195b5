#include "platform/key_poll.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
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

void PostKeyPressForTesting(FrameWindow* window, int key, unsigned modifiers, std::string_view text) {
  FrameWindowImpl* impl = ImplOf(window);
  if (!impl || !impl->frame) return;
  resources::Accelerator asKey;
  asKey.key = key;
  asKey.modifiers = modifiers;
  const QKeySequence sequence = KeySequenceFor(asKey);
  if (sequence.isEmpty()) return;
  const QKeyCombination combination = sequence[0];
  QCoreApplication::postEvent(impl->frame, new QKeyEvent(QEvent::KeyPress, combination.key(),
                                                         combination.keyboardModifiers(), ToQString(text)));
}

}  // namespace platform

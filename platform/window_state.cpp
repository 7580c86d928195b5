#include "platform/window_state.h"

#include "platform/frame_window_impl.h"

namespace platform {

WindowRect NormalPlacement(const FrameWindow& window) {
  QWidget* widget = NativeWidget(const_cast<FrameWindow*>(&window));
  if (!widget) return window.Placement();
  if (widget->isMaximized() || widget->isMinimized()) {
    const QRect normal = widget->normalGeometry();
    if (!normal.isEmpty()) {
      // normalGeometry is the inside of the frame; add what the frame adds around it.
      const QPoint frameOffset = widget->geometry().topLeft() - widget->frameGeometry().topLeft();
      const QSize border = widget->frameGeometry().size() - widget->size();
      return {normal.x() - frameOffset.x(), normal.y() - frameOffset.y(), normal.width() + border.width(),
              normal.height() + border.height()};
    }
  }
  return window.Placement();
}

}  // namespace platform

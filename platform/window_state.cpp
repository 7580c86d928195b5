#include "platform/window_state.h"

#include "platform/frame_window_impl.h"

namespace platform {

WindowRect NormalPlacement(const FrameWindow& window) {
  QWidget* widget = NativeWidget(const_cast<FrameWindow*>(&window));
  if (!widget) return window.Placement();
  if (widget->isMaximized() || widget->isMinimized()) {
    const QRect normal = widget->normalGeometry();
    if (!normal.isEmpty()) {
      // normalGeometry is the inside of the frame; MoveTo places the frame's corner.
      const QPoint frameOffset = widget->geometry().topLeft() - widget->frameGeometry().topLeft();
      return {normal.x() - frameOffset.x(), normal.y() - frameOffset.y(), normal.width(), normal.height()};
    }
  }
  return {widget->x(), widget->y(), widget->width(), widget->height()};
}

}  // namespace platform

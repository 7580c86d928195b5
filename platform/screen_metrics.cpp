#include "platform/screen_metrics.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace platform {

std::vector<WindowRect> ScreenRects() {
  std::vector<WindowRect> rects;
  if (QGuiApplication::instance()) {
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
      const QRect r = primary->geometry();
      rects.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
      if (screen == QGuiApplication::primaryScreen()) continue;
      const QRect r = screen->geometry();
      rects.push_back({r.x(), r.y(), r.width(), r.height()});
    }
  }
  if (rects.empty()) rects.push_back({0, 0, 1024, 768});
  return rects;
}

bool IsOnAnyScreen(int x, int y) {
  for (const WindowRect& r : ScreenRects())
    if (x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height) return true;
  return false;
}

int CaptionHeight() {
  if (!QApplication::instance()) return 24;
  return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

int MenuBarHeight() {
  if (!QApplication::instance()) return 20;
  QMenuBar bar;
  bar.addMenu(QStringLiteral("M"));
  return bar.sizeHint().height();
}

}  // namespace platform

#pragma once
// The screen side of FrameWindow (platform-internal): a Qt main window whose central widget shows
// the window's backing image.

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QShortcut>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "platform/frame_window.h"

namespace platform {

class ClientWidget;

class NativeFrame : public QMainWindow {
 public:
  explicit NativeFrame(FrameWindow* owner);
  FrameWindow* owner() const { return owner_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  FrameWindow* owner_;
};

class ClientWidget : public QWidget {
 public:
  ClientWidget(FrameWindow* owner, FrameWindowImpl* impl);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  FrameWindow* owner_;
  FrameWindowImpl* impl_;
};

struct FrameWindowImpl {
  FrameWindow* owner = nullptr;
  NativeFrame* frame = nullptr;  // owned; deleted with the FrameWindow
  ClientWidget* client = nullptr;
  QImage backing;
  QColor background{255, 255, 255};
  bool dirty = true;
  bool eraseNext = true;
  std::optional<Rect> dirtyArea;  // none: the whole client area
  CursorShape cursor = CursorShape::Arrow;
  int openDCs = 0;
  int commandHolds = 0;  // modal loops running on the window
  bool created = false;
  bool mainWindow = false;
  std::optional<WindowRect> pendingPlacement;  // outer placement asked for before the first show
  std::uint64_t shownMenuRevision = ~std::uint64_t{0};
  std::uint64_t shownLayoutRevision = ~std::uint64_t{0};
  bool menuHeld = false;  // while the window sets itself up: the menu bar is built once it is done
  std::vector<QShortcut*> shortcuts;
  std::vector<Dialog*> modelessDialogs;
  std::map<int, int> timersById;   // our id -> Qt timer id
  std::map<int, int> idsByTimer;   // Qt timer id -> our id

  void EnsureBacking();
  void PaintBacking();
  void SyncMenu();
  void ApplyPendingPlacement();
  void RaiseModelessDialogs();
};

FrameWindowImpl* ImplOf(FrameWindow* window);
// The screen widget of a window (for owning dialogs and message boxes); null for none.
QWidget* NativeWidget(FrameWindow* window);

}  // namespace platform

#include "platform/frame_window.h"

#include <QApplication>
#include <QCursor>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "platform/application.h"
#include "platform/dc.h"
#include "platform/dialog.h"
#include "platform/painter_dc.h"
#include "platform/frame_window_impl.h"
#include "platform/modal_loop.h"
#include "platform/qt_keys.h"
#include "platform/qt_text.h"
#include "resources/resource_library.h"

namespace platform {
namespace {

MouseEvent MouseFrom(const QMouseEvent* event) {
  MouseEvent e;
  e.x = static_cast<int>(event->position().x());
  e.y = static_cast<int>(event->position().y());
  e.button = event->button() == Qt::RightButton ? MouseButton::Right
             : event->button() == Qt::MiddleButton ? MouseButton::Middle
                                                    : MouseButton::Left;
  e.modifiers = ModifiersFromQt(event->modifiers());
  e.leftDown = event->buttons() & Qt::LeftButton;
  e.rightDown = event->buttons() & Qt::RightButton;
  return e;
}

// A DC on the backing image that shows what was drawn when it goes away. Opened inside Paint, it
// shares the painter of the paint's own DC.
class BackingDC : public PainterDC {
 public:
  explicit BackingDC(FrameWindowImpl* impl) : PainterDC(ShareImagePainter(impl->backing), true), impl_(impl) {
    ++impl_->openDCs;
  }
  ~BackingDC() override {
    --impl_->openDCs;
    if (impl_->client) impl_->client->update();
  }

 private:
  FrameWindowImpl* impl_;
};

void AddMenuItems(FrameWindow* window, QMenu* menu, const std::vector<resources::MenuItem>& items);

// The grey state and check mark of a command's action, as the window's enablers give them.
void ApplyCommandState(FrameWindow* window, QAction* action, const resources::MenuItem& item) {
  const CommandState state = window->QueryCommand(item.id);
  action->setEnabled(state.enabled);
  action->setCheckable(item.checked || state.checked.value_or(false));
  action->setChecked(item.checked);
}

// Clearing a menu or a menu bar drops its actions but keeps the submenus it made, which are its
// children: they are deleted here, later, since one of them may be emitting the signal that led to
// the rebuild.
void DropSubmenus(QWidget* menu) {
  for (QMenu* sub : menu->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
    sub->deleteLater();
  }
}

void FillMenu(FrameWindow* window, QMenu* menu, const std::vector<resources::MenuItem>& items) {
  menu->clear();
  DropSubmenus(menu);
  AddMenuItems(window, menu, items);
}

void AddMenuItems(FrameWindow* window, QMenu* menu, const std::vector<resources::MenuItem>& items) {
  for (const resources::MenuItem& item : items) {
    switch (item.kind) {
      case resources::MenuItem::Kind::Separator:
        menu->addSeparator();
        break;
      case resources::MenuItem::Kind::Popup: {
        QMenu* sub = menu->addMenu(ToQString(item.text));
        sub->setEnabled(item.enabled);
        AddMenuItems(window, sub, item.children);
        break;
      }
      case resources::MenuItem::Kind::Command: {
        QAction* action = menu->addAction(ToQString(item.text));
        action->setData(item.id);
        ApplyCommandState(window, action, item);
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, menu, [window, id] { window->DispatchCommand(id); });
        break;
      }
    }
  }
}

// Brings the grey states and check marks of the actions AddMenuItems made for items up to date,
// as AddMenuItems would set them. False when the actions do not match the items one for one.
bool UpdateMenuItems(FrameWindow* window, const QList<QAction*>& actions,
                     const std::vector<resources::MenuItem>& items) {
  if (actions.size() != static_cast<qsizetype>(items.size())) return false;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const resources::MenuItem& item = items[i];
    QAction* action = actions[static_cast<qsizetype>(i)];
    switch (item.kind) {
      case resources::MenuItem::Kind::Separator:
        if (!action->isSeparator()) return false;
        break;
      case resources::MenuItem::Kind::Popup:
        if (action->menu() == nullptr) return false;
        action->menu()->setEnabled(item.enabled);
        if (!UpdateMenuItems(window, action->menu()->actions(), item.children)) return false;
        break;
      case resources::MenuItem::Kind::Command: {
        if (action->menu() != nullptr || action->isSeparator()) return false;
        ApplyCommandState(window, action, item);
        break;
      }
    }
  }
  return true;
}

// The same for the menu bar SyncMenu built (which leaves separators of the bar out).
bool UpdateMenuBar(FrameWindow* window, QMenuBar* bar, const std::vector<resources::MenuItem>& items) {
  const QList<QAction*> actions = bar->actions();
  qsizetype at = 0;
  for (const resources::MenuItem& item : items) {
    if (item.kind == resources::MenuItem::Kind::Separator) continue;
    if (at >= actions.size()) return false;
    QAction* action = actions[at++];
    if (item.kind == resources::MenuItem::Kind::Command) {
      if (action->menu() != nullptr) return false;
      action->setEnabled(item.enabled);
      continue;
    }
    if (action->menu() == nullptr) return false;
    action->menu()->setEnabled(item.enabled);
    if (!UpdateMenuItems(window, action->menu()->actions(), item.children)) return false;
  }
  return at == actions.size();
}

}  // namespace

// --- screen widgets ---------------------------------------------------------------------------

NativeFrame::NativeFrame(FrameWindow* owner) : owner_(owner) { setAttribute(Qt::WA_DeleteOnClose, false); }

namespace {

// Closes the window once no command of it is running a modal loop any more.
void CloseWhenIdle(QPointer<NativeFrame> frame) {
  QTimer::singleShot(0, frame, [frame] {
    if (!frame) return;
    if (ModalLoop::ActiveOn(frame->owner())) {
      CloseWhenIdle(frame);
      return;
    }
    frame->owner()->DeliverCloseRequest();
  });
}

}  // namespace

void NativeFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  owner_->RequestClose();
}

void NativeFrame::keyPressEvent(QKeyEvent* event) {
  KeyEvent e;
  e.key = KeyCodeFromQt(event->key());
  e.modifiers = ModifiersFromQt(event->modifiers());
  e.text = FromQString(event->text());
  if (e.key != 0) owner_->DeliverKeyDown(e);
  if (!e.text.empty() && static_cast<unsigned char>(e.text[0]) >= 0x20) owner_->DeliverChar(e);
}

void NativeFrame::timerEvent(QTimerEvent* event) {
  FrameWindowImpl* impl = ImplOf(owner_);
  const auto it = impl->idsByTimer.find(event->timerId());
  if (it != impl->idsByTimer.end()) owner_->DeliverTimer(it->second);
}

void NativeFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void NativeFrame::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths.push_back(PathFromQString(url.toLocalFile()));
  event->acceptProposedAction();
  if (!paths.empty()) owner_->DeliverFilesDropped(paths);
}

void NativeFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Activation is reported through the owner's hook (used by windows that track the active one).
  if (event->type() == QEvent::ActivationChange) owner_->DeliverActivate(isActiveWindow());
}

ClientWidget::ClientWidget(FrameWindow* owner, FrameWindowImpl* impl) : owner_(owner), impl_(impl) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void ClientWidget::paintEvent(QPaintEvent*) {
  impl_->EnsureBacking();
  if (impl_->dirty && impl_->openDCs == 0) impl_->PaintBacking();
  QPainter painter(this);
  painter.drawImage(0, 0, impl_->backing);
}

void ClientWidget::resizeEvent(QResizeEvent*) {
  impl_->EnsureBacking();
  owner_->DeliverSize(width(), height());
}

void ClientWidget::mousePressEvent(QMouseEvent* event) { owner_->DeliverMouseDown(MouseFrom(event)); }
void ClientWidget::mouseReleaseEvent(QMouseEvent* event) { owner_->DeliverMouseUp(MouseFrom(event)); }
void ClientWidget::mouseMoveEvent(QMouseEvent* event) { owner_->DeliverMouseMove(MouseFrom(event)); }
void ClientWidget::mouseDoubleClickEvent(QMouseEvent* event) { owner_->DeliverDoubleClick(MouseFrom(event)); }

// --- FrameWindowImpl -------------------------------------------------------------------------

void FrameWindowImpl::EnsureBacking() {
  const QSize size = client->size().expandedTo(QSize(1, 1));
  if (backing.size() == size) return;
  // Drawing is going on (a DC is open, in a command or a loop): the image takes its new size
  // once the drawing is done (the next paint).
  if (openDCs > 0 && !backing.isNull()) {
    dirty = true;
    return;
  }
  QImage resized(size, QImage::Format_RGB32);
  resized.fill(background);
  if (!backing.isNull()) {
    QPainter painter(&resized);
    painter.drawImage(0, 0, backing);
  }
  backing = resized;
  dirty = true;
  eraseNext = true;
  dirtyArea.reset();
}

void FrameWindowImpl::PaintBacking() {
  const Rect whole{0, 0, backing.width(), backing.height()};
  const Rect area = dirtyArea ? Intersect(*dirtyArea, whole) : whole;
  const bool erase = eraseNext;
  dirty = false;
  eraseNext = false;
  dirtyArea.reset();
  if (area.IsEmpty()) return;
  PainterDC dc(ShareImagePainter(backing), true);
  if (area != whole) dc.SelectClipRegion(Region::FromRect(area));
  if (erase) dc.FillRect(area, Brush::Solid(Color{static_cast<std::uint8_t>(background.red()),
                                                  static_cast<std::uint8_t>(background.green()),
                                                  static_cast<std::uint8_t>(background.blue())}));
  ++openDCs;
  owner->PaintInto(dc, area);
  --openDCs;
}

void FrameWindowImpl::SyncMenu() {
  if (!created || menuHeld) return;
  const Menu& menu = owner->menu();
  QMenuBar* bar = frame->menuBar();
  const bool built = bar->actions().size() > 0;
  if (menu.revision() == shownMenuRevision && built) return;
  // Only grey states or check marks changed: the actions are brought up to date where they are.
  if (built && menu.layoutRevision() == shownLayoutRevision) {
    shownMenuRevision = menu.revision();
    if (UpdateMenuBar(owner, bar, menu.items())) return;
  }
  shownMenuRevision = menu.revision();
  shownLayoutRevision = menu.layoutRevision();
  bar->clear();
  DropSubmenus(bar);
  for (const resources::MenuItem& item : menu.items()) {
    if (item.kind == resources::MenuItem::Kind::Popup) {
      QMenu* popup = bar->addMenu(ToQString(item.text));
      popup->setEnabled(item.enabled);
      // Grey states and check marks are asked again each time the popup opens.
      const std::vector<resources::MenuItem>* children = &item.children;
      FrameWindow* window = owner;
      QObject::connect(popup, &QMenu::aboutToShow, popup, [window, popup, children, this] {
        if (owner->menu().revision() != shownMenuRevision) {
          QTimer::singleShot(0, frame, [this] { SyncMenu(); });
          return;
        }
        FillMenu(window, popup, *children);
      });
      FillMenu(owner, popup, item.children);
    } else if (item.kind == resources::MenuItem::Kind::Command) {
      QAction* action = bar->addAction(ToQString(item.text));
      action->setData(item.id);
      action->setEnabled(item.enabled);
      const int id = item.id;
      FrameWindow* window = owner;
      QObject::connect(action, &QAction::triggered, bar, [window, id] { window->DispatchCommand(id); });
    }
  }
  bar->setVisible(!menu.empty());
}

FrameWindowImpl* ImplOf(FrameWindow* window) { return window ? window->impl_.get() : nullptr; }

QWidget* NativeWidget(FrameWindow* window) {
  FrameWindowImpl* impl = ImplOf(window);
  return impl ? impl->frame : nullptr;
}

// --- FrameWindow -----------------------------------------------------------------------------

void FrameWindow::DeliverMouseDown(const MouseEvent& e) {
  if (ModalLoop* loop = ModalLoop::ActiveOn(this)) return loop->FeedMouseDown(e);
  OnMouseDown(e);
}

void FrameWindow::DeliverMouseUp(const MouseEvent& e) {
  if (ModalLoop* loop = ModalLoop::ActiveOn(this)) return loop->FeedMouseUp(e);
  OnMouseUp(e);
}

void FrameWindow::DeliverMouseMove(const MouseEvent& e) {
  if (ModalLoop* loop = ModalLoop::ActiveOn(this)) return loop->FeedMouseMove(e);
  OnMouseMove(e);
}

void FrameWindow::DeliverDoubleClick(const MouseEvent& e) {
  if (ModalLoop* loop = ModalLoop::ActiveOn(this)) return loop->FeedMouseDown(e);
  OnDoubleClick(e);
}

void FrameWindow::DeliverKeyDown(const KeyEvent& e) {
  if (ModalLoop* loop = ModalLoop::ActiveOn(this)) return loop->FeedKey(e);
  OnKeyDown(e);
}

void FrameWindow::DeliverChar(const KeyEvent& e) {
  if (ModalLoop::ActiveOn(this)) return;  // the loop had the key press itself
  OnChar(e);
}

void FrameWindow::DeliverTimer(int id) {
  if (ModalLoop* loop = ModalLoop::ActiveOn(this)) return loop->FeedTimer(id);
  OnTimer(id);
}

FrameWindow::FrameWindow(FrameWindow* parent, std::string_view title)
    : parent_(parent), caption_(title), impl_(std::make_unique<FrameWindowImpl>()) {
  impl_->owner = this;
  impl_->frame = new NativeFrame(this);
  impl_->client = new ClientWidget(this, impl_.get());
  impl_->frame->setCentralWidget(impl_->client);
  impl_->frame->setWindowTitle(ToQString(caption_));
  impl_->frame->menuBar()->setVisible(false);
  if (parent_) parent_->AddChild(this);
}

FrameWindow::~FrameWindow() {
  for (Dialog* dialog : impl_->modelessDialogs) dialog->ForgetOwner();
  impl_->modelessDialogs.clear();
  const std::vector<FrameWindow*> children = children_;
  children_.clear();
  for (FrameWindow* child : children) {
    child->parent_ = nullptr;
    delete child;
  }
  if (parent_) parent_->RemoveChild(this);
  delete impl_->frame;  // also cancels a pending deletion of this window
}

void FrameWindow::AddChild(FrameWindow* child) { children_.push_back(child); }

void FrameWindow::RemoveChild(FrameWindow* child) { std::erase(children_, child); }

void FrameWindow::Create() {
  if (impl_->created) return;
  impl_->created = true;
  // The menu bar is built once the layers have set up their menu, not at each check they set (nor
  // before the window is created).
  impl_->menuHeld = true;
  SetupWindow();
  impl_->menuHeld = false;
  impl_->SyncMenu();
}

bool FrameWindow::IsCreated() const { return impl_->created; }

void FrameWindowImpl::ApplyPendingPlacement() {
  if (!pendingPlacement) return;
  const WindowRect rect = *pendingPlacement;
  owner->MoveTo(rect);
}

void FrameWindowImpl::RaiseModelessDialogs() {
  // A modeless dialog stays above its owner, also one shown while the owner was still being set up.
  const std::vector<Dialog*> dialogs = modelessDialogs;
  for (Dialog* dialog : dialogs) {
    if (dialog->IsVisible()) dialog->Show();
  }
}

void FrameWindow::Show() {
  Create();
  impl_->frame->show();
  impl_->ApplyPendingPlacement();
  impl_->RaiseModelessDialogs();
}
void FrameWindow::Hide() { impl_->frame->hide(); }
void FrameWindow::ShowMinimized() {
  Create();
  impl_->frame->showMinimized();
  impl_->ApplyPendingPlacement();
}
void FrameWindow::ShowMaximized() {
  Create();
  impl_->ApplyPendingPlacement();
  impl_->frame->showMaximized();
  impl_->RaiseModelessDialogs();
}
void FrameWindow::Restore() { impl_->frame->showNormal(); }
void FrameWindow::BringToFront() {
  if (impl_->frame->isMinimized()) impl_->frame->showNormal();
  impl_->frame->raise();
  impl_->frame->activateWindow();
  impl_->RaiseModelessDialogs();
}
bool FrameWindow::IsVisible() const { return impl_->frame->isVisible(); }
bool FrameWindow::IsMinimized() const { return impl_->frame->isMinimized(); }
bool FrameWindow::IsMaximized() const { return impl_->frame->isMaximized(); }

void FrameWindow::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  impl_->frame->setWindowTitle(ToQString(caption_));
}

std::string FrameWindow::Caption() const { return caption_; }

WindowRect FrameWindow::Placement() const {
  const QRect r = impl_->frame->frameGeometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

void FrameWindow::MoveTo(const WindowRect& rect) {
  // The rectangle is the outer one, as Placement reports it: take off what the window frame adds
  // (known once the window is on screen).
  const QSize border = impl_->frame->frameGeometry().size() - impl_->frame->size();
  // Before the window is on screen its frame is unknown: place it again once it is shown.
  impl_->pendingPlacement.reset();
  if (!impl_->frame->isVisible()) impl_->pendingPlacement = rect;
  impl_->frame->move(rect.x, rect.y);
  impl_->frame->resize(std::max(rect.width - border.width(), 1), std::max(rect.height - border.height(), 1));
}

int FrameWindow::ClientWidth() const { return impl_->client->width(); }
int FrameWindow::ClientHeight() const { return impl_->client->height(); }

void FrameWindow::SetClientSize(int width, int height) {
  const QSize frameExtra = impl_->frame->size() - impl_->client->size();
  impl_->frame->resize(width + frameExtra.width(), height + frameExtra.height());
}

WindowRect FrameWindow::ScreenRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {0, 0, 1024, 768};
  const QRect r = screen->geometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

void FrameWindow::SetBackgroundColor(unsigned char r, unsigned char g, unsigned char b) {
  impl_->background = QColor(r, g, b);
  Invalidate(true);
}

bool FrameWindow::SetIcon(std::string_view resourceName) {
  const std::optional<std::string> image = resources::FindResourceFile("icons/" + std::string(resourceName) + ".ppm");
  if (!image) return false;
  QPixmap pixmap;
  if (!pixmap.loadFromData(reinterpret_cast<const uchar*>(image->data()), static_cast<uint>(image->size()), "PPM"))
    return false;
  impl_->frame->setWindowIcon(QIcon(pixmap));
  return true;
}

void FrameWindow::Invalidate(bool erase) {
  impl_->dirty = true;
  impl_->dirtyArea.reset();
  impl_->eraseNext = impl_->eraseNext || erase;
  impl_->client->update();
}

void FrameWindow::Invalidate(const Rect& area, bool erase) {
  if (area.IsEmpty()) return;
  // Added to what is already marked; a whole-window mark stays whole.
  if (!impl_->dirty) {
    impl_->dirtyArea = area;
  } else if (impl_->dirtyArea) {
    impl_->dirtyArea = Unite(*impl_->dirtyArea, area);
  }
  impl_->dirty = true;
  impl_->eraseNext = impl_->eraseNext || erase;
  impl_->client->update(QRect(area.left, area.top, area.Width(), area.Height()));
}

void FrameWindow::SetCursor(CursorShape shape) {
  impl_->cursor = shape;
  Qt::CursorShape qt = Qt::ArrowCursor;
  switch (shape) {
    case CursorShape::Arrow: qt = Qt::ArrowCursor; break;
    case CursorShape::Cross: qt = Qt::CrossCursor; break;
    case CursorShape::Wait: qt = Qt::WaitCursor; break;
    case CursorShape::Hand: qt = Qt::PointingHandCursor; break;
    case CursorShape::IBeam: qt = Qt::IBeamCursor; break;
    case CursorShape::SizeAll: qt = Qt::SizeAllCursor; break;
    case CursorShape::UpArrow: qt = Qt::UpArrowCursor; break;
  }
  impl_->client->setCursor(QCursor(qt));
}

CursorShape FrameWindow::Cursor() const { return impl_->cursor; }

void FrameWindow::UpdateNow() {
  impl_->EnsureBacking();
  if (impl_->dirty && impl_->openDCs == 0) impl_->PaintBacking();
  impl_->client->repaint();
}

std::unique_ptr<DC> FrameWindow::GetDC() {
  impl_->EnsureBacking();
  return std::make_unique<BackingDC>(impl_.get());
}

void FrameWindow::SetMenu(std::string_view resourceName) {
  menu_ = Menu(resources::LoadMenu(resourceName));
  impl_->shownMenuRevision = ~std::uint64_t{0};
  impl_->shownLayoutRevision = ~std::uint64_t{0};
  impl_->SyncMenu();
}

void FrameWindow::MenuChanged() { impl_->SyncMenu(); }

std::size_t FrameWindow::NativeMenuCount() const {
  return static_cast<std::size_t>(impl_->frame->menuBar()->findChildren<QMenu*>().size());
}

void FrameWindow::SetAccelerators(std::string_view resourceName) {
  for (QShortcut* shortcut : impl_->shortcuts) delete shortcut;
  impl_->shortcuts.clear();
  for (const resources::Accelerator& accelerator : resources::LoadAccelerators(resourceName).entries) {
    auto* shortcut = new QShortcut(KeySequenceFor(accelerator), impl_->frame);
    shortcut->setContext(Qt::WindowShortcut);
    const int id = accelerator.command;
    QObject::connect(shortcut, &QShortcut::activated, impl_->frame, [this, id] { DispatchCommand(id); });
    impl_->shortcuts.push_back(shortcut);
  }
}

void FrameWindow::CommandStatesChanged() {
  const std::vector<Dialog*> dialogs = impl_->modelessDialogs;
  for (Dialog* dialog : dialogs) dialog->RefreshCommandButtons();
}

void FrameWindow::AddModelessDialog(Dialog* dialog) {
  if (std::find(impl_->modelessDialogs.begin(), impl_->modelessDialogs.end(), dialog) == impl_->modelessDialogs.end())
    impl_->modelessDialogs.push_back(dialog);
}

void FrameWindow::RemoveModelessDialog(Dialog* dialog) { std::erase(impl_->modelessDialogs, dialog); }

CommandState FrameWindow::QueryCommand(int id) {
  CommandState state;
  state.id = id;
  if (const resources::MenuItem* item = menu_.Find(id)) state.enabled = item->enabled;
  EnableCommand(state);
  if (state.checked) menu_.Check(id, *state.checked);
  return state;
}

bool FrameWindow::DispatchCommand(int id) {
  if (destroyed_) return false;
  if (ModalLoop::ActiveOn(this) != nullptr) return false;  // the loop's command is still running
  if (!QueryCommand(id).enabled) return false;
  const bool handled = OnCommand(id);
  return handled;
}

void FrameWindow::SetTimer(int id, int milliseconds) {
  KillTimer(id);
  const int qtId = impl_->frame->startTimer(milliseconds);
  if (qtId == 0) return;
  impl_->timersById[id] = qtId;
  impl_->idsByTimer[qtId] = id;
}

void FrameWindow::KillTimer(int id) {
  const auto it = impl_->timersById.find(id);
  if (it == impl_->timersById.end()) return;
  impl_->frame->killTimer(it->second);
  impl_->idsByTimer.erase(it->second);
  impl_->timersById.erase(it);
}

void FrameWindow::CaptureMouse() { impl_->client->grabMouse(); }
void FrameWindow::ReleaseMouse() { impl_->client->releaseMouse(); }

void FrameWindow::AcceptDroppedFiles(bool accept) { impl_->frame->setAcceptDrops(accept); }

void FrameWindow::RequestClose() {
  // A loop running in a command ends first; the window's own close question follows once the
  // command has returned, so the window is never deleted under it.
  ModalLoop::EndAllOn(this, ModalLoop::kClosed);
  CloseWhenIdle(QPointer<NativeFrame>(impl_->frame));
}

bool FrameWindow::CanCloseWithChildren() {
  const std::vector<FrameWindow*> children = children_;
  for (FrameWindow* child : children)
    if (!child->destroyed_ && !child->CanCloseWithChildren()) return false;
  return QueryClose();
}

bool FrameWindow::Close() {
  if (destroyed_) return true;
  if (!CanCloseWithChildren()) return false;
  Destroy();
  return true;
}

void FrameWindow::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  const std::vector<FrameWindow*> children = children_;
  for (FrameWindow* child : children) child->Destroy();
  OnDestroy();
  for (const auto& [id, qtId] : impl_->timersById) impl_->frame->killTimer(qtId);
  impl_->timersById.clear();
  impl_->idsByTimer.clear();
  impl_->frame->hide();
  if (impl_->mainWindow) Application::Quit(0);
  if (parent_) {
    // Owned by the parent: delete once the event that closed it has been handled.
    FrameWindow* self = this;
    QTimer::singleShot(0, impl_->frame, [self] { delete self; });
  }
}

void FrameWindow::SetMainWindow() { impl_->mainWindow = true; }

}  // namespace platform

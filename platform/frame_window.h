#pragma once
// A top-level window of the program: caption, placement, menu, accelerators, a client area that
// the window paints, mouse, keys, timers and dropped files. The program's window classes derive
// from it and override the hooks they need; commands arrive by numeric id through OnCommand,
// each layer handling its own ids and passing the rest to its base.
//
// Windows with a parent are owned by it: they close when it closes, and a closed child is
// deleted by the platform once the event that closed it has been handled (like the framework
// the program was designed on). A window without a parent belongs to whoever made it.
//
// Drawing: every window keeps a backing image of its client area. Paint draws into it when the
// window was invalidated; GetDC draws into it at any other time (rubber bands, animation frames,
// a figure redrawn inside a command) and the result is shown at once. A GetDC while another DC
// is open on the window (inside Paint, say) draws too, with its own state.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing_types.h"
#include "platform/menu.h"

namespace platform {

class DC;
class Dialog;
struct FrameWindowImpl;

struct WindowRect {
  int x = 0, y = 0, width = 0, height = 0;
};

enum class MouseButton { Left, Right, Middle };

enum class CursorShape { Arrow, Cross, Wait, Hand, IBeam, SizeAll, UpArrow };

struct MouseEvent {
  int x = 0, y = 0;  // client coordinates
  MouseButton button = MouseButton::Left;
  unsigned modifiers = 0;  // resources::KeyModifier bits
  bool leftDown = false, rightDown = false;
};

struct KeyEvent {
  int key = 0;             // KeyCode: printable keys as their upper-case ASCII code
  unsigned modifiers = 0;  // resources::KeyModifier bits
  std::string text;        // the character typed, program text, when there is one
};

// Asked of the window for each command before its menu opens or its accelerator runs.
struct CommandState {
  int id = 0;
  bool enabled = true;
  std::optional<bool> checked;  // left empty: the check mark stays as it is
};

class FrameWindow {
 public:
  FrameWindow(FrameWindow* parent, std::string_view title);
  virtual ~FrameWindow();
  FrameWindow(const FrameWindow&) = delete;
  FrameWindow& operator=(const FrameWindow&) = delete;

  // Makes the window on the screen (hidden) and runs SetupWindow. Idempotent.
  void Create();
  bool IsCreated() const;
  FrameWindow* parent() const { return parent_; }

  void Show();
  // Virtual so that a window layer which marks itself hidden (or hides its companions) is not
  // skipped by a call through this type.
  virtual void Hide();
  void ShowMinimized();
  void ShowMaximized();
  void Restore();
  void BringToFront();  // raise and activate
  bool IsVisible() const;
  bool IsMinimized() const;
  bool IsMaximized() const;

  void SetCaption(std::string_view caption);  // program text
  std::string Caption() const;

  // Outer placement in screen pixels; MoveTo keeps the stacking order.
  WindowRect Placement() const;
  void MoveTo(const WindowRect& rect);
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);
  static WindowRect ScreenRect();  // the available area of the primary screen
  void SetBackgroundColor(unsigned char r, unsigned char g, unsigned char b);
  // The window's icon from the resources (icons/<name>.ppm); false when there is no such icon.
  bool SetIcon(std::string_view resourceName);

  // Painting. Invalidate(area) marks only that part of the client area (right and bottom
  // exclusive); the next paint erases and clips to the union of what was marked, and tells
  // PaintArea the box it repaints.
  void Invalidate(bool erase = true);
  void Invalidate(const Rect& area, bool erase = true);
  void UpdateNow();  // paints at once when invalid
  std::unique_ptr<DC> GetDC();

  // The mouse cursor over the client area.
  void SetCursor(CursorShape shape);
  CursorShape Cursor() const;

  // Menu and accelerators from the resources; the window edits its own copy of the menu.
  void SetMenu(std::string_view resourceName);
  Menu& menu() { return menu_; }
  const Menu& menu() const { return menu_; }
  void MenuChanged();  // shows edits made through menu()
  // The popups the shown menu bar holds, those of menus it showed before and not yet freed with them.
  std::size_t NativeMenuCount() const;
  void SetAccelerators(std::string_view resourceName);
  // The window's commands may have changed their enabled state (the figure changed): the
  // command buttons of its modeless dialogs are refreshed.
  void CommandStatesChanged();
  // Modeless dialogs of the window (they add and remove themselves).
  void AddModelessDialog(Dialog* dialog);
  void RemoveModelessDialog(Dialog* dialog);

  // What a menu click or accelerator does: asks EnableCommand, then runs OnCommand when enabled.
  // Returns true when some layer handled the command. Refused while a modal loop runs on the
  // window (the command that runs the loop has not finished).
  bool DispatchCommand(int id);
  CommandState QueryCommand(int id);

  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  void CaptureMouse();
  void ReleaseMouse();
  void AcceptDroppedFiles(bool accept);

  // Asks CanClose of the owned windows, then of this one; when all agree, destroys the window
  // (and with it the owned ones). Returns whether it closed.
  bool Close();
  // What the title bar's close button does: ends any modal loop of the window, then runs
  // OnCloseRequest (Close, unless the window only hides) once the running command has returned.
  void RequestClose();
  // Destroys without asking: children first, then OnDestroy, then the screen window.
  void Destroy();
  bool IsDestroyed() const { return destroyed_; }

  // Makes this the window whose closing ends the program.
  void SetMainWindow();

  // The platform calls these; they are public so tests can drive a window directly. While a
  // modal loop runs on the window, mouse, key and timer input goes to the loop instead.
  void DeliverMouseDown(const MouseEvent& e);
  void DeliverMouseUp(const MouseEvent& e);
  void DeliverMouseMove(const MouseEvent& e);
  void DeliverDoubleClick(const MouseEvent& e);
  void DeliverKeyDown(const KeyEvent& e);
  void DeliverChar(const KeyEvent& e);
  void DeliverTimer(int id);
  void DeliverFilesDropped(const std::vector<std::string>& paths) { OnFilesDropped(paths); }
  void DeliverSize(int width, int height) { OnSize(width, height); }
  void DeliverActivate(bool active) { OnActivate(active); }
  void DeliverCloseRequest() { OnCloseRequest(); }
  void PaintInto(DC& dc) { Paint(dc); }
  void PaintInto(DC& dc, const Rect& area) { PaintArea(dc, area); }

 protected:
  virtual void SetupWindow() {}
  virtual bool OnCommand(int /*id*/) { return false; }
  virtual void EnableCommand(CommandState& /*state*/) {}
  virtual void Paint(DC& /*dc*/) {}
  // A paint of part of the client area: the DC is clipped to `area`, which was erased when asked.
  // By default the whole picture is drawn (through Paint) and the clip keeps what changed.
  virtual void PaintArea(DC& dc, const Rect& /*area*/) { Paint(dc); }
  virtual void OnMouseDown(const MouseEvent&) {}
  virtual void OnMouseUp(const MouseEvent&) {}
  virtual void OnMouseMove(const MouseEvent&) {}
  virtual void OnDoubleClick(const MouseEvent&) {}
  virtual void OnKeyDown(const KeyEvent&) {}
  virtual void OnChar(const KeyEvent&) {}
  virtual void OnSize(int /*width*/, int /*height*/) {}
  virtual void OnTimer(int /*id*/) {}
  virtual bool CanClose() { return true; }
  // Asked when the window itself is about to close (Close, its title bar, the program's end):
  // CanClose by default; a window whose closing follows another rule overrides it.
  virtual bool QueryClose() { return CanClose(); }
  virtual void OnDestroy() {}
  virtual void OnFilesDropped(const std::vector<std::string>& /*paths*/) {}
  // The window became active or inactive.
  virtual void OnActivate(bool /*active*/) {}
  // The user asked to close the window from its title bar; windows that only hide override it.
  virtual void OnCloseRequest() { Close(); }

 private:
  friend struct FrameWindowImpl;
  friend FrameWindowImpl* ImplOf(FrameWindow* window);
  bool CanCloseWithChildren();
  void AddChild(FrameWindow* child);
  void RemoveChild(FrameWindow* child);

  FrameWindow* parent_;
  std::string caption_;
  Menu menu_;
  std::vector<FrameWindow*> children_;
  bool destroyed_ = false;
  std::unique_ptr<FrameWindowImpl> impl_;
};

}  // namespace platform

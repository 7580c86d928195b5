#pragma once
// A dialog built from a dialog template of the resources, its controls addressed by id.
//
// Modal: Execute shows it and returns the end code given to EndDialog (IDOK, IDCANCEL or any
// other). Modeless: Create makes it once (hidden), Show/Hide show it; EndDialog destroys it.
// Every button press arrives at OnCommand(id); the defaults end the dialog on 1 (OK) and
// 2 (Cancel) through OnOk and OnCancel, which a dialog overrides to check its fields and stay
// open on an error. Enter presses the default button (nothing when it is hidden), Escape and the
// title bar's close button press Cancel (2). A letter that the focused control does not take
// (it is not an edit or a list) presses the button whose mnemonic it is ("&no": N), with or
// without Alt.
//
// Texts are program text (kernel/text_encoding.h): Windows-1252 with the program's symbols.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing_types.h"

namespace platform {

class FrameWindow;
struct DialogImpl;

enum class ControlNotification {
  Clicked,           // button, check box or radio button
  EditChanged,       // an edit's text (or a combo box's own edit) changed by the user
  SelectionChanged,  // list box or combo box
  Scrolled,          // scroll bar position changed
  DoubleClicked,     // list box item
  FocusLost,         // an edit, list box or combo box lost the keyboard focus
};

// How a scroll bar was moved: by an arrow (a line), in the trough (a page), by dragging the thumb
// (Track while it moves, ThumbPosition where it is let go), to an end; EndScroll follows every
// move but Track.
enum class ScrollKind { LineLeft, LineRight, PageLeft, PageRight, Track, ThumbPosition, Left, Right, EndScroll };

class Dialog {
 public:
  Dialog(FrameWindow* owner, std::string_view templateName);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int Execute();
  void Create();
  void Show();
  // Virtual so that a dialog layer which marks itself closed is not skipped by a call through this type.
  virtual void Hide();
  bool IsCreated() const;
  bool IsVisible() const;
  bool IsModal() const;
  // Ends a modal dialog with `code`; destroys a modeless one.
  void EndDialog(int code);
  // The code the last modal run ended with.
  int result() const { return result_; }

  const std::string& templateName() const { return templateName_; }
  FrameWindow* owner() const { return owner_; }
  void SetCaption(std::string_view caption);
  std::string Caption() const;
  // Screen position of the top-left corner of the dialog's frame.
  int X() const;
  int Y() const;
  void MoveTo(int x, int y);

  // Any control.
  bool HasItem(int id) const;
  std::string GetItemText(int id) const;
  void SetItemText(int id, std::string_view text);
  void EnableItem(int id, bool enabled);
  bool IsItemEnabled(int id) const;
  void ShowItem(int id, bool shown);
  bool IsItemShown(int id) const;
  // Gives the control the keyboard focus; the control that had it is told FocusLost.
  void FocusItem(int id);
  // Presses a button (or clicks a check box or radio button) as the user would.
  void PressButton(int id);
  // A key pressed where no control takes it, as the user would press it: Enter, Escape, or a
  // letter or digit (a KeyCode) that presses the button it is the mnemonic of ("&no": N); other
  // keys do nothing.
  void PressKey(int keyCode);
  // A key pressed in a control as the user would press it (function keys in an edit reach
  // OnEditKey).
  void PressKeyInItem(int id, int keyCode, unsigned modifiers = 0);

  // Shows the control's text in this font.
  void SetItemFont(int id, const FontSpec& font);

  // How a control's own text (label, button, check box, radio button or group box title) fits
  // across its box, in pixels of the font the control draws it with. `needed` counts what the
  // control draws beside the text on that line: a check box's or radio button's indicator and its
  // gap, a button's frame and some air inside it, a group box's title inset. A label wraps at
  // spaces into `lines` lines, of which its height shows `visibleLines`; its `needed` is the whole
  // text on one line when it shows one line, else its widest wrapped line (wider than the box only
  // when a word is).
  struct TextFit {
    int needed = 0;
    int available = 0;
    int lines = 1;
    int visibleLines = 1;
    bool Fits() const { return needed <= available && lines <= visibleLines; }
  };
  // `index` counts the template's controls in order, those without an id too (-1 for none).
  TextFit MeasureControlText(int index) const;

  // Check boxes and radio buttons.
  bool IsChecked(int id) const;
  void CheckItem(int id, bool checked);

  // Edits.
  void SetTextLimit(int id, int limit);
  void SetReadOnly(int id, bool readOnly);
  void SelectAllText(int id);
  void InsertText(int id, std::string_view text);  // at the caret, replacing the selection

  // List boxes and combo boxes (index 0 first; -1 for none).
  void ListClear(int id);
  int ListAdd(int id, std::string_view text);  // returns the index (sorted lists sort)
  void ListInsert(int id, int index, std::string_view text);
  void ListDelete(int id, int index);
  int ListCount(int id) const;
  std::string ListText(int id, int index) const;
  int ListSelection(int id) const;
  void ListSelect(int id, int index);
  std::vector<int> ListSelections(int id) const;          // multiple-selection lists
  void ListSetSelected(int id, int index, bool selected);  // multiple-selection lists
  int ListFind(int id, std::string_view text) const;       // exact match, -1 when absent
  // The width in pixels a list box scrolls across (0: its own width); its items are never cut.
  void ListSetHorizontalExtent(int id, int pixels);
  int ListHorizontalExtent(int id) const;
  // How many whole rows of a list box are in sight at once (0 for an empty list).
  int ListVisibleRows(int id) const;

  // Horizontal scroll bars.
  void ScrollSetRange(int id, int minimum, int maximum);
  void ScrollSetPage(int id, int page);
  void ScrollSetPosition(int id, int position);
  int ScrollPosition(int id) const;
  // Moves a scroll bar as the user would (lines by 1, pages by the page size, Track to
  // `position`), then tells OnScroll.
  void ScrollBy(int id, ScrollKind kind, int position = 0);

  // Buttons that stand for commands of the owner window: enabled as the window's command
  // enablers say, now and whenever the window's commands change (a modeless dialog follows the
  // figure: see FrameWindow::CommandStatesChanged).
  void SetCommandButtons(std::vector<int> ids);
  void RefreshCommandButtons();

 protected:
  virtual void SetupWindow() {}
  virtual bool OnCommand(int id);
  virtual void OnOk() { EndDialog(1); }
  virtual void OnCancel() { EndDialog(2); }
  virtual void OnNotify(int /*id*/, ControlNotification /*what*/) {}
  // A scroll bar was moved; by default OnNotify(id, Scrolled) when its position may have changed.
  virtual void OnScroll(int id, ScrollKind kind, int /*position*/) {
    if (kind != ScrollKind::EndScroll && kind != ScrollKind::ThumbPosition) OnNotify(id, ControlNotification::Scrolled);
  }
  // A function key pressed in an edit (keyCode a KeyCode, modifiers KeyModifier bits); true when
  // the dialog used it (the edit then does not see it).
  virtual bool OnEditKey(int /*id*/, int /*keyCode*/, unsigned /*modifiers*/) { return false; }
  // Called just before the dialog goes off screen for good (end of a modal run, destruction).
  virtual void OnDestroying() {}

 private:
  friend struct DialogImpl;
  friend class FrameWindow;  // forgets itself when it goes first
  void ForgetOwner() { owner_ = nullptr; }
  void Build();
  void Finish();

  FrameWindow* owner_;
  std::string templateName_;
  int result_ = 0;
  std::unique_ptr<DialogImpl> impl_;
};

}  // namespace platform

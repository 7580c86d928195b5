#pragma once
// A multi-line text editor that fills the client area of a frame window: plain program text
// with a caret and a selection, a text limit, a font, scrolling by lines and the clipboard.
//
// In this interface lines end with CR LF, as the program's texts do, and positions count both
// characters; on screen a line end is one line break. Texts given with a lone LF or a lone CR
// show it as a line end too and read back with CR LF. Lines are not wrapped; a line is a line of
// the text.

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/drawing_types.h"

namespace platform {

class FrameWindow;
struct TextEditorImpl;

class TextEditor {
 public:
  // The editor becomes a child of the host's client area (place it with Place).
  explicit TextEditor(FrameWindow* host);
  ~TextEditor();
  TextEditor(const TextEditor&) = delete;
  TextEditor& operator=(const TextEditor&) = delete;

  // Replaces the whole text (not cut by the limit); the caret goes to 0.
  void SetText(std::string_view text);
  std::string Text() const;
  int Length() const;  // in characters of Text()

  // The most characters typing and pasting may bring the text to.
  void SetLimit(int characters);
  int Limit() const;

  // Set by every change since the text was set or the flag cleared.
  bool IsModified() const;
  void SetModified(bool modified);

  // Selection from start to end (the caret stands at end); positions are clamped to the text.
  void SetSelection(int start, int end);
  std::pair<int, int> Selection() const;  // ordered
  // Replaces the selection by the text, as typing does (within the limit); the caret follows it.
  void ReplaceSelection(std::string_view text);

  void Copy();
  void Cut();
  // Inserts the clipboard's text in place of the selection (within the limit).
  void Paste();

  void SetFont(const FontSpec& font);
  void SetReadOnly(bool readOnly);
  bool IsReadOnly() const;

  // Lines: 0-based.
  int LineCount() const;
  int LineFromPosition(int position) const;
  int FirstVisibleLine() const;
  // Scrolls the view by n lines (negative: up) as far as it goes.
  void ScrollLines(int n);
  void ScrollToTop();

  // Position and size in the host's client area.
  void Place(int x, int y, int width, int height);
  void SetVisible(bool visible);
  void Focus();

 private:
  std::unique_ptr<TextEditorImpl> impl_;
};

}  // namespace platform

#pragma once
// The text windows: a frame window whose client area is one multi-line editor holding up to
// 64000 characters of plain text, with its own menu: open, save and print as a text file, the
// clipboard, select all, a case-insensitive search that goes on from the caret, the conversion of
// hyphens to another minus sign, and the choice of font. The window keeps a copy of the editor's
// text, read again from the editor before searching, saving, printing and after clipboard edits.

#include <memory>
#include <string>
#include <string_view>

#include "shell/font_win.h"
#include "platform/text_editor.h"

namespace shell {

// The most characters a text window holds (a CR LF line end counts two).
inline constexpr int kTextLimit = 64000;

// Commands of the text windows.
inline constexpr int kCmdRestartAtTop = 53;
inline constexpr int kCmdMinusSigns = 92;
inline constexpr int kCmdSelectPrinter = 93;
inline constexpr int kCmdCopyText = 95;
inline constexpr int kCmdCutText = 96;
inline constexpr int kCmdPrintText = 97;
inline constexpr int kCmdPasteText = 99;
inline constexpr int kCmdSelectAll = 119;
inline constexpr int kCmdSearchHelp = 351;
inline constexpr int kCmdSearchNext = 352;
inline constexpr int kCmdSearch = 353;

struct PreTextData {
  std::string title;
  // The window's copy of the editor's text, CR LF line ends.
  std::string text;
  // The font slot that shows and prints the text.
  int textSlot = 4;
  std::string lastSearch;
  // The next search tests the caret position itself before moving on.
  bool searchRestart = true;
};

class TPreTextWin : public TFontWin {
 public:
  // The text is cut at kTextLimit characters (the caller's text stays as it is).
  TPreTextWin(platform::FrameWindow* parent, std::string_view title, std::string_view fileName, std::string_view text,
              int textSlot);
  ~TPreTextWin() override;

  // Puts the window's text into the editor: not modified, first line at the top, caret at 0.
  virtual void ShowText();
  // Shows the text again in the text slot's font.
  void ApplyFont();
  void ChooseMainFont() override;
  void SetTextSlot(int k);
  // Asks to save an edited text; false when the user cancels.
  virtual bool SaveIfModified();

  bool IsModified() override;
  bool CanSaveAs() override { return true; }
  void ClearModified() override;
  int LoadFile() override;
  int ReadData() override;
  bool WriteData() override;

  // Finds s from the caret on (see the search commands) and selects it; false when not found,
  // the caret then at 0 so that the next search starts over at the top.
  bool Search(std::string_view s, bool caseSensitive);
  // Scrolls so that the line of the selection's end is the n-th visible line.
  void ScrollCaretTo(int n);
  void Print();

  void AskSearch();
  void SearchNext();
  void RestartAtTop();
  void ChangeMinusSigns();

  // The part of the window's text that the editor shows (all of it but in the paged window).
  virtual std::string_view ShownText() const { return preText.text; }

  platform::TextEditor& editor() { return *editor_; }
  PreTextData preText;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnSize(int width, int height) override;
  bool CanClose() override { return SaveIfModified(); }
  // A text window that belongs to another window only hides when closed from its title bar.
  void OnCloseRequest() override;
  // Takes the editor's text into the window's copy.
  virtual void ReadEditorText();

 private:
  void ShowSearchHelp();
  void SelectPrinter();

  std::unique_ptr<platform::TextEditor> editor_;
};

// The plain text window; it keeps a hidden text window of its own for help texts.
class TTextWin : public TPreTextWin {
 public:
  TTextWin(platform::FrameWindow* parent, std::string_view title, std::string_view fileName, std::string_view text,
           int textSlot);

  TPreTextWin* helpWindow() const { return helpWindow_; }

 protected:
  void SetupWindow() override;
  void OnDestroy() override;

 private:
  TPreTextWin* helpWindow_ = nullptr;  // owned as a child window
};

// The text as a text window keeps it: lines ended by CR LF, cut at kTextLimit characters.
std::string TextWindowText(std::string_view text);

}  // namespace shell

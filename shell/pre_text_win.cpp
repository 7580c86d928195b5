#include "shell/pre_text_win.h"

#include <climits>
#include <cstdlib>

#include "shell/message_numbers.h"
#include "shell/text_printout.h"
#include "kernel/file_names.h"
#include "kernel/line_ends.h"
#include "kernel/random.h"
#include "kernel/text_search.h"
#include "kernel/text_utils.h"
#include "platform/message_box.h"
#include "platform/printing.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kTextFilterString = 64;      // "Text files (*.TXT)|*.txt"
constexpr int kLengthenHyphensString = 3;  // "lengthen hyphens"
constexpr int kMinusValueString = 4;       // "ASCII value of new minus sign"
constexpr int kInputString = 5;            // "input"
constexpr int kSearchForString = 6;        // "search for"
constexpr int kFirstSearchHelpString = 8;  // four lines, 8 to 11
constexpr int kSearchingString = 12;       // "searching"
constexpr int kHelpTitleString = 25;       // "help.txt"
constexpr int kSearchBufferSize = 256;
constexpr int kMinusBufferSize = 10;
constexpr int kScrollHitToLine = 4;

// atoi's reading, held within the range of an int.
int IntegerOf(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}
}  // namespace

std::string TextWindowText(std::string_view text) {
  std::string result = kernel::WithCrLfLineEnds(text);
  if (result.size() > static_cast<std::size_t>(kTextLimit)) result.resize(kTextLimit);
  return result;
}

TPreTextWin::TPreTextWin(platform::FrameWindow* parent, std::string_view title, std::string_view fileName,
                         std::string_view text, int textSlot)
    : TFontWin(parent, title) {
  preText.title = std::string(title);
  preText.textSlot = textSlot;
  preText.text = TextWindowText(text);
  editor_ = std::make_unique<platform::TextEditor>(this);
  editor_->SetLimit(kTextLimit);
  editor_->SetText(preText.text);
  // Beside the middle of the screen, a little lower and shorter each time.
  const int size = fileMsg.defaultSize;
  const int height = (75 + kernel::Rand31() % 20) * size / 100;
  const int y = fileMsg.defaultTop + kernel::Rand31() % 50;
  kernel::SetWinRect(fileMsg.placement, size / 2, y, size, height, 0);
  SetMenu("TEXTMENU");
  fileMsg.fileName = std::string(fileName);
  fileMsg.filters = resources::LoadString(kTextFilterString);
  fileMsg.defaultExtension = "TXT";
  // The file layer's Format command offers only the margins of the printout.
  formatMode = 0;
  preText.searchRestart = true;
}

TPreTextWin::~TPreTextWin() = default;

void TPreTextWin::SetupWindow() {
  TFontWin::SetupWindow();
  editor_->SetFont(SlotFont(preText.textSlot));
  editor_->SetLimit(kTextLimit);
  ShowText();
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
  SetCaption(preText.title);
}

void TPreTextWin::ShowText() {
  editor_->SetText(preText.text);
  editor_->SetModified(false);
  editor_->ScrollToTop();
  editor_->SetSelection(0, 0);
  preText.searchRestart = true;
}

void TPreTextWin::ReadEditorText() { preText.text = TextWindowText(editor_->Text()); }

void TPreTextWin::ApplyFont() {
  editor_->SetFont(SlotFont(preText.textSlot));
  // Showing the text again keeps the mark of unsaved edits.
  const bool modified = editor_->IsModified();
  ReadEditorText();
  ShowText();
  editor_->SetModified(modified);
}

void TPreTextWin::ChooseMainFont() {
  if (ChooseFontSlot(preText.textSlot)) ApplyFont();
}

void TPreTextWin::SetTextSlot(int k) {
  if (k == preText.textSlot) return;
  preText.textSlot = k;
  ApplyFont();
}

bool TPreTextWin::SaveIfModified() {
  if (!IsModified()) return true;
  fileMsg.modified = 1;
  return TFileMsgWin::CanClose();
}

bool TPreTextWin::IsModified() { return editor_ && editor_->IsModified(); }

void TPreTextWin::ClearModified() {
  TFontWin::ClearModified();
  if (editor_) editor_->SetModified(false);
}

int TPreTextWin::LoadFile() {
  const int result = ReadDocument();
  if (result < 1) {
    ShowText();
    fileMsg.named = 1;
  }
  return result;
}

int TPreTextWin::ReadData() {
  kernel::ByteReader* file = InFile();
  if (!file) return kCannotOpenFile;
  std::string bytes(file->remaining(), '\0');
  file->Raw(bytes.data(), bytes.size());
  // A NUL ends the text; lines from other systems get CR LF ends.
  bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
  preText.text = TextWindowText(bytes);
  return 0;
}

bool TPreTextWin::WriteData() {
  kernel::ByteWriter* file = OutFile();
  if (!file) return false;  // the file layer reports the failure
  ReadEditorText();
  file->Raw(preText.text.data(), preText.text.size());
  file->U8(0);
  return true;
}

bool TPreTextWin::Search(std::string_view s, bool caseSensitive) {
  if (s.empty()) return false;
  ReadEditorText();
  const std::size_t start = static_cast<std::size_t>(editor_->Selection().first);
  const std::optional<std::size_t> found =
      kernel::FindTextFrom(ShownText(), s, start, preText.searchRestart, caseSensitive);
  preText.searchRestart = false;
  if (!found) {
    editor_->SetSelection(0, 0);
    preText.searchRestart = true;
    return false;
  }
  editor_->SetSelection(static_cast<int>(*found), static_cast<int>(*found + s.size()));
  ScrollCaretTo(kScrollHitToLine);
  return true;
}

void TPreTextWin::ScrollCaretTo(int n) {
  if (n > editor_->LineCount()) return;
  const int last = editor_->LineFromPosition(editor_->Selection().second);
  const int first = editor_->FirstVisibleLine();
  editor_->ScrollLines((last + 1 - first) - n);
}

void TPreTextWin::Print() {
  ReadEditorText();
  const std::string title = kernel::FileNamePart(fileMsg.fileName, false);
  const int slot = preText.textSlot >= 0 && preText.textSlot < kernel::kFontSlotCount ? preText.textSlot : 0;
  TTextout printout(printFormat.horizontalOffset, printFormat.verticalOffset, title, preText.text,
                    fontWin.fonts[slot], fontWin.pointSizes[slot]);
  platform::PrintDialogRequest request;
  request.documentName = title;
  if (std::unique_ptr<platform::Printer> printer = platform::ShowPrintDialog(this, request))
    printout.Print(*printer);
}

void TPreTextWin::SelectPrinter() {
  platform::PrintDialogRequest request;
  request.documentName = kernel::FileNamePart(fileMsg.fileName, false);
  platform::ShowPrintDialog(this, request);
}

void TPreTextWin::AskSearch() {
  std::string answer = preText.lastSearch;
  if (AskValue(kInputString, kSearchForString, answer, kSearchBufferSize) != platform::IDOK) return;
  if (answer.empty()) {
    Msg(kNothingToDo);
    return;
  }
  if (!Search(answer, false)) Msg(kCouldNotFind);
  preText.lastSearch = answer;
}

void TPreTextWin::SearchNext() {
  if (!Search(preText.lastSearch, false)) Msg(kCouldNotFind);
}

void TPreTextWin::RestartAtTop() {
  editor_->ScrollToTop();
  editor_->SetSelection(0, 0);
  preText.searchRestart = true;
}

void TPreTextWin::ChangeMinusSigns() {
  std::string answer = "150";
  if (AskValue(kLengthenHyphensString, kMinusValueString, answer, kMinusBufferSize) != platform::IDOK) return;
  const int n = IntegerOf(answer);
  if (n < 2 || n > 255) {
    Msg(kCannotUnderstand);
    return;
  }
  ReadEditorText();
  const bool changed = preText.text.find('-') != std::string::npos;
  const bool modified = editor_->IsModified();
  kernel::ReplaceMinus(preText.text, static_cast<char>(n));
  ShowText();
  // The new minus signs are an edit of the text.
  editor_->SetModified(modified || changed);
}

void TPreTextWin::ShowSearchHelp() {
  std::string text;
  for (int id = kFirstSearchHelpString; id < kFirstSearchHelpString + 4; ++id) {
    if (!text.empty()) text += "\n";
    text += resources::LoadString(id);
  }
  platform::MessageBox(this, text, resources::LoadString(kSearchingString), platform::MessageButtons::Ok);
}

bool TPreTextWin::OnCommand(int id) {
  switch (id) {
    case kCmdPrintText:
      Print();
      return true;
    case kCmdSelectPrinter:
      SelectPrinter();
      return true;
    case kCmdCopyText:
      editor_->Copy();
      return true;
    case kCmdCutText:
      editor_->Cut();
      ReadEditorText();
      return true;
    case kCmdPasteText:
      editor_->Paste();
      ReadEditorText();
      return true;
    case kCmdSelectAll:
      ReadEditorText();
      editor_->SetSelection(0, static_cast<int>(ShownText().size()));
      return true;
    case kCmdSearch:
      AskSearch();
      return true;
    case kCmdSearchNext:
      SearchNext();
      return true;
    case kCmdRestartAtTop:
      RestartAtTop();
      return true;
    case kCmdMinusSigns:
      ChangeMinusSigns();
      return true;
    case kCmdSearchHelp:
      ShowSearchHelp();
      return true;
    default:
      return TFontWin::OnCommand(id);
  }
}

void TPreTextWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdCopyText:
    case kCmdCutText: {
      const auto [start, end] = editor_->Selection();
      state.enabled = end > start;
      break;
    }
    case kCmdPasteText:
      state.enabled = CanPasteText();
      break;
    case kCmdSearchNext:
      state.enabled = !preText.lastSearch.empty();
      break;
    default:
      TFontWin::EnableCommand(state);
  }
}

void TPreTextWin::OnSize(int width, int height) {
  TFontWin::OnSize(width, height);
  if (editor_) editor_->Place(-1, -1, width + 2, height + 2);
}

void TPreTextWin::OnCloseRequest() {
  if (parent()) {
    AskAndHide();
  } else {
    Close();
  }
}

TTextWin::TTextWin(platform::FrameWindow* parent, std::string_view title, std::string_view fileName,
                   std::string_view text, int textSlot)
    : TPreTextWin(parent, title, fileName, text, textSlot) {}

void TTextWin::SetupWindow() {
  TPreTextWin::SetupWindow();
  const std::string help = resources::LoadString(kHelpTitleString);
  helpWindow_ = new TPreTextWin(this, help, help, help, preText.textSlot);
  helpWindow_->fileMsg.hidden = 1;
  helpWindow_->Create();
}

void TTextWin::OnDestroy() {
  // The help window, owned as a child, has been destroyed already.
  helpWindow_ = nullptr;
  TPreTextWin::OnDestroy();
}

}  // namespace shell

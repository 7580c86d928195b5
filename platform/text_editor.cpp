#include "platform/text_editor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/qt_font.h"

#include "platform/clipboard.h"
#include "platform/frame_window_impl.h"
#include "platform/qt_text.h"

namespace platform {

namespace {

// The program's text as the screen shows it: every CR LF, lone CR and lone LF one line break.
QString ScreenText(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      lines += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      lines += text[i];
    }
  }
  return ToQString(lines);
}

// The screen's text as the program keeps it: line breaks as CR LF.
std::string ProgramText(const QString& screen) {
  QString text = screen;
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  const std::string bytes = FromQString(text);
  std::string result;
  result.reserve(bytes.size() + bytes.size() / 16);
  for (const char c : bytes) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

// How many characters the screen text adds to the program's text (each line break counts two).
int ProgramLength(const QString& screen) {
  int length = static_cast<int>(screen.size());
  for (const QChar c : screen)
    if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) ++length;
  return length;
}

}  // namespace

// The editor widget: keeps typing and pasting within the text limit.
class LimitedTextEdit : public QPlainTextEdit {
 public:
  explicit LimitedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}

  int limit = 30000;

  int ProgramLengthOfDocument() const {
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
  }
  int SelectedProgramLength() const { return ProgramLength(textCursor().selectedText()); }
  // Room left for an insertion that replaces the selection.
  int Room() const { return limit - (ProgramLengthOfDocument() - SelectedProgramLength()); }

  // The longest start of `text` that fits the room (whole line breaks only).
  QString Fitting(const QString& text) const {
    int room = Room();
    qsizetype n = 0;
    for (; n < text.size(); ++n) {
      const int cost = text[n] == QLatin1Char('\n') ? 2 : 1;
      if (cost > room) break;
      room -= cost;
    }
    return text.left(n);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && (typed[0] >= QLatin1Char(' ') || typed[0] == QLatin1Char('\r') ||
                                              typed[0] == QLatin1Char('\t'));
    if (inserts && !isReadOnly()) {
      const int cost = typed[0] == QLatin1Char('\r') ? 2 : static_cast<int>(typed.size());
      if (cost > Room()) return;  // the text is full
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  void insertFromMimeData(const QMimeData* source) override {
    if (!source || !source->hasText()) return;
    insertPlainText(Fitting(ScreenText(FromQString(source->text()))));
  }
};

struct TextEditorImpl {
  QPointer<LimitedTextEdit> edit;  // a child of the host's client widget

  QTextDocument* doc() const { return edit->document(); }

  // Program position -> document position.
  int ToScreen(int position) const {
    const QTextDocument* d = doc();
    position = std::clamp(position, 0, std::max(0, edit->ProgramLengthOfDocument()));
    // The block whose program start (its position plus one per earlier line break) is the last
    // one at or before position.
    int low = 0;
    int high = d->blockCount() - 1;
    while (low < high) {
      const int mid = (low + high + 1) / 2;
      if (d->findBlockByNumber(mid).position() + mid <= position) {
        low = mid;
      } else {
        high = mid - 1;
      }
    }
    const QTextBlock block = d->findBlockByNumber(low);
    const int offset = position - (block.position() + low);
    return block.position() + std::min(offset, block.length() - 1);
  }

  // Document position -> program position.
  int ToProgram(int position) const { return position + doc()->findBlock(position).blockNumber(); }
};

TextEditor::TextEditor(FrameWindow* host) : impl_(std::make_unique<TextEditorImpl>()) {
  FrameWindowImpl* hostImpl = ImplOf(host);
  QWidget* client = hostImpl ? hostImpl->client : nullptr;
  impl_->edit = new LimitedTextEdit(client);
  impl_->edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  impl_->edit->setFrameShape(QFrame::NoFrame);
  if (client) {
    impl_->edit->setGeometry(client->rect());
    client->setFocusProxy(impl_->edit);
  }
  impl_->edit->show();
}

TextEditor::~TextEditor() {
  // The host's client widget may already have deleted the editor along with itself.
  if (!impl_->edit) return;
  if (QWidget* client = impl_->edit->parentWidget()) client->setFocusProxy(nullptr);
  delete impl_->edit.data();
}

void TextEditor::SetText(std::string_view text) {
  impl_->edit->setPlainText(ScreenText(text));
  impl_->doc()->setModified(false);
  SetSelection(0, 0);
}

std::string TextEditor::Text() const { return ProgramText(impl_->doc()->toRawText()); }

int TextEditor::Length() const { return impl_->edit->ProgramLengthOfDocument(); }

void TextEditor::SetLimit(int characters) { impl_->edit->limit = std::max(characters, 0); }
int TextEditor::Limit() const { return impl_->edit->limit; }

bool TextEditor::IsModified() const { return impl_->doc()->isModified(); }
void TextEditor::SetModified(bool modified) { impl_->doc()->setModified(modified); }

void TextEditor::SetSelection(int start, int end) {
  QTextCursor cursor(impl_->doc());
  cursor.setPosition(impl_->ToScreen(start));
  cursor.setPosition(impl_->ToScreen(end), QTextCursor::KeepAnchor);
  impl_->edit->setTextCursor(cursor);
}

std::pair<int, int> TextEditor::Selection() const {
  const QTextCursor cursor = impl_->edit->textCursor();
  return {impl_->ToProgram(cursor.selectionStart()), impl_->ToProgram(cursor.selectionEnd())};
}

void TextEditor::ReplaceSelection(std::string_view text) {
  impl_->edit->insertPlainText(impl_->edit->Fitting(ScreenText(text)));
}

void TextEditor::Copy() {
  const auto [start, end] = Selection();
  if (end > start) CopyTextToClipboard(Text().substr(static_cast<std::size_t>(start), end - start));
}

void TextEditor::Cut() {
  if (impl_->edit->isReadOnly()) return;
  Copy();
  impl_->edit->textCursor().removeSelectedText();
}

void TextEditor::Paste() {
  if (impl_->edit->isReadOnly()) return;
  if (const std::optional<std::string> text = ClipboardText()) ReplaceSelection(*text);
}

void TextEditor::SetFont(const FontSpec& spec) {
  impl_->edit->setFont(ToQFont(spec, impl_->edit->font()));
}

void TextEditor::SetReadOnly(bool readOnly) { impl_->edit->setReadOnly(readOnly); }
bool TextEditor::IsReadOnly() const { return impl_->edit->isReadOnly(); }

int TextEditor::LineCount() const { return impl_->doc()->blockCount(); }

int TextEditor::LineFromPosition(int position) const {
  return impl_->doc()->findBlock(impl_->ToScreen(position)).blockNumber();
}

int TextEditor::FirstVisibleLine() const { return impl_->edit->verticalScrollBar()->value(); }

void TextEditor::ScrollLines(int n) {
  QScrollBar* bar = impl_->edit->verticalScrollBar();
  bar->setValue(bar->value() + n);
}

void TextEditor::ScrollToTop() {
  impl_->edit->verticalScrollBar()->setValue(0);
  impl_->edit->horizontalScrollBar()->setValue(0);
}

void TextEditor::Place(int x, int y, int width, int height) {
  impl_->edit->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
}

void TextEditor::SetVisible(bool visible) { impl_->edit->setVisible(visible); }

void TextEditor::Focus() { impl_->edit->setFocus(); }

}  // namespace platform

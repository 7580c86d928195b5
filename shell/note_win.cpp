#include "shell/note_win.h"

#include "kernel/file_names.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kNotebookString = 93;  // "notebook"
}  // namespace

TNoteWin::TNoteWin(TFileMsgWin* owner, std::string_view title, std::string_view fileName, std::string_view text,
                   int textSlot)
    : TPreTextWin(owner, title, fileName, text, textSlot), owner_(owner) {
  SetMenu("NOTEMENU");
}

void TNoteWin::Hide() {
  TPreTextWin::Hide();
  if (owner_) owner_->fileMsg.modified = 1;
}

void TNoteWin::Reset() {
  preText.text.clear();
  ShowText();
  SetTitle();
}

void TNoteWin::SetText(std::string_view text) {
  preText.text = TextWindowText(text);
  ShowText();
}

void TNoteWin::SetTitle() {
  std::string caption = resources::LoadString(kNotebookString);
  if (owner_) caption += " [" + kernel::FileNamePart(owner_->fileMsg.fileName, owner_->fileMsg.hideExtension != 0) + "]";
  preText.title = caption;
  SetCaption(caption);
}

}  // namespace shell

#include "view/qel_win.h"

#include <string>

#include "shell/author_data.h"
#include "shell/child_windows.h"
#include "shell/note_win.h"
#include "shell/pre_text_win.h"
#include "kernel/file_names.h"
#include "resources/resource_library.h"

namespace view {

namespace {
constexpr int kHelpTitleString = 25;  // "help.txt"
constexpr int kNonameString = 29;     // "noname"
constexpr int kNotebookString = 93;   // "notebook"

// A companion exists hidden until a command shows it.
template <typename Window>
Window* CreateHidden(Window* window) {
  window->fileMsg.hidden = 1;
  window->Create();
  return window;
}
}  // namespace

TQELWin::TQELWin(platform::FrameWindow* parent, std::string_view title) : TPreWin(parent, title) {}

void TQELWin::SetupWindow() {
  TPreWin::SetupWindow();
  CreateCompanions();
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
}

void TQELWin::CreateCompanions() {
  const int slot = fontWin.textSlot;
  const std::string help = resources::LoadString(kHelpTitleString);
  helpWindow_ = CreateHidden(new shell::TTextWin(this, help, help, {}, slot));
  const std::string scratch = resources::LoadString(kNonameString) + ".txt";
  scratchWindow_ = CreateHidden(new shell::TTextWin(this, scratch, scratch, {}, slot));
  if (notebook) {
    const std::string notes = resources::LoadString(kNotebookString) + ".txt";
    notebookWindow_ = CreateHidden(new shell::TNoteWin(this, notes, notes, {}, slot));
    notebookWindow_->SetTitle();
  }
}

int TQELWin::LoadFile() {
  // The figure itself is read by the geometry windows; this layer names the window after its file.
  SetCaption(kernel::FileNamePart(fileMsg.fileName, false));
  fileMsg.named = 1;
  return 0;
}

bool TQELWin::Save() {
  if (!TPreWin::Save()) return false;
  if (notebookWindow_) notebookWindow_->SetTitle();
  return true;
}

void TQELWin::Hide() {
  for (shell::TPreTextWin* companion : {static_cast<shell::TPreTextWin*>(notebookWindow_),
                                      static_cast<shell::TPreTextWin*>(helpWindow_),
                                      static_cast<shell::TPreTextWin*>(scratchWindow_)})
    if (companion && !companion->fileMsg.hidden) companion->Hide();
  TPreWin::Hide();
}

void TQELWin::LoadStartupFile() {
  const bool given = !fileMsg.startupFileName.empty();
  const int result = OpenStartupFile();
  if (result != 0 && given) Msg(result);
}

void TQELWin::ShowHelp(std::string_view resourceName, std::string_view topic) {
  std::string text;
  const int result = LoadHelpText(resourceName, text, kHelpBufferSize);
  if (result != 0) {
    Msg(result);
    return;
  }
  if (!helpWindow_) return;
  helpWindow_->preText.text = shell::TextWindowText(text);
  helpWindow_->ShowText();
  helpWindow_->Show();
  helpWindow_->fileMsg.hidden = 0;
  if (!topic.empty()) {
    helpWindow_->preText.lastSearch = std::string(topic);
    helpWindow_->Search(topic, true);  // a hit is scrolled to the fourth line
  }
}

void TQELWin::ShowNotebook() {
  if (!notebookWindow_ || !CheckPassword(shell::kGuardNotebook)) return;
  notebookWindow_->Show();
  notebookWindow_->fileMsg.hidden = 0;
  fileMsg.modified = 1;
}

bool TQELWin::OnCommand(int id) {
  if (id == kCmdNotebook) {
    ShowNotebook();
    return true;
  }
  return TPreWin::OnCommand(id);
}

void TQELWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdNotebook) {
    state.enabled = notebook != 0 && notebookWindow_ != nullptr;
    return;
  }
  TPreWin::EnableCommand(state);
}

void TQELWin::OnDestroy() {
  // The companions, owned as child windows, have been destroyed already.
  helpWindow_ = nullptr;
  scratchWindow_ = nullptr;
  notebookWindow_ = nullptr;
  shell::FreeSlot(slotIndex);
  TPreWin::OnDestroy();
}

}  // namespace view

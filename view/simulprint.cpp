// Simulprint: several figure files, chosen one after another, printed on one page. The window
// loads each file hidden, prints it, and comes back to the figure it had: it reads its own file
// again, or keeps its figure when no print file could be read (a file that cannot be read never
// replaces the figure).

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/file_dialogs.h"
#include "platform/modal_responder.h"
#include "shell/message_numbers.h"
#include "view/qel_win.h"

namespace view {

namespace {
constexpr int kNumberOfFilesString = 22;     // "number of files"
constexpr int kSimultaneousPrintString = 23;  // "simultaneous print"
constexpr int kCountFieldSize = 9;
}  // namespace

int SimulprintCount(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || value < 1 || value > kPrintFileSlots) return 0;
  return static_cast<int>(value);
}

void TQELWin::CmSimulprint() {
  if (!CanClose()) return;
  const bool hadFile = fileMsg.named != 0;
  const std::string keptName = fileMsg.fileName;
  // A window without a file comes back to its own settings and an empty figure.
  const CommonBlock keptBlock = MakeCommonBlock(0);

  std::string answer = "2";
  if (AskValue(kSimultaneousPrintString, kNumberOfFilesString, answer, kCountFieldSize) != platform::IDOK) return;
  const int count = SimulprintCount(answer);
  if (count == 0) {
    Msg(shell::kOutOfBounds);
    return;
  }

  int chosen = 0;
  while (chosen < count) {
    platform::FileDialogRequest request;
    request.filters = fileMsg.filters;
    request.initialPath = fileMsg.fileName;
    request.defaultExtension = fileMsg.defaultExtension;
    const std::optional<std::string> name = platform::GetOpenFileName(this, request);
    if (!name) break;
    qelWin.printFiles[chosen++] = *name;
  }
  if (chosen == 0) return;

  const std::uint8_t wasModified = fileMsg.modified;
  qelWin.printFileCount = chosen;
  qelWin.printFilesRead = 0;
  platform::FrameWindow::Hide();
  qelWin.simulprint = 1;
  PrintPicture();
  for (std::string& name : qelWin.printFiles) name.clear();
  qelWin.printFileCount = 0;
  qelWin.simulprint = 0;
  const bool replaced = qelWin.printFilesRead > 0;
  qelWin.printFilesRead = 0;

  int reread = 0;
  if (!replaced) {
    // No print file could be read: the window never lost its own figure.
    fileMsg.fileName = keptName;
    fileMsg.named = hadFile ? 1 : 0;
    fileMsg.modified = wasModified;
  } else if (hadFile) {
    reread = ResetDocument(keptName);
  }
  if (replaced && (!hadFile || reread != 0)) {
    // A file that cannot be read again leaves an empty figure that no Save puts in its place.
    ApplyCommonBlock(keptBlock);
    ClearFigure();
    fileMsg.fileName = keptName;
    fileMsg.named = 0;
    fileMsg.modified = 0;
  }
  UpdateCaption(false);
  InvalidateBuffer(preWin.bitmapLevel);
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
  Show();
  UpdateClientArea();
  ResetDeviceState();
  Invalidate(false);
  if (reread != 0) Msg(reread);
}

}  // namespace view

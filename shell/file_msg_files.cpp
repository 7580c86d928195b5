// The document file of a window: start-up file, Open, Save, Save As and the open file that the
// piece writers and readers of all layers use.

#include <sys/stat.h>

#include "shell/counted_text.h"
#include "shell/file_msg_win.h"
#include "shell/message_numbers.h"
#include "kernel/file_bytes.h"
#include "platform/file_dialogs.h"
#include "platform/modal_loop.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kCarefulString = 2;      // "careful!"
constexpr int kOverwriteString = 13;   // "overwrite existing file?"
// A short pause so that the caption saying what is saved can be seen.
// How long the "saving" caption stays before the file is written, in milliseconds.
constexpr int kSavingCaptionMilliseconds = 100;

platform::FileDialogRequest FileRequest(const FileMsgData& data, bool save) {
  platform::FileDialogRequest request;
  request.save = save;
  request.filters = data.filters;
  request.initialPath = data.fileName;
  request.defaultExtension = data.defaultExtension;
  return request;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// Makes the window's open file point at `file` for as long as it lives.
template <typename File>
class OpenFile {
 public:
  OpenFile(File*& slot, File& file) : slot_(slot) { slot_ = &file; }
  ~OpenFile() { slot_ = nullptr; }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

 private:
  File*& slot_;
};
}  // namespace

int TFileMsgWin::OpenStartupFile() {
  const std::string remembered = fileMsg.fileName;
  fileMsg.fileName = fileMsg.startupFileName;
  if (!fileMsg.fileName.empty() && LoadFile() == 0) return 0;
  fileMsg.fileName = fileMsg.names[0];
  if (fileMsg.openLast && !fileMsg.fileName.empty() && LoadFile() == 0) return 0;
  fileMsg.fileName = remembered;
  return kCannotOpenFile;
}

void TFileMsgWin::OpenWithDialog() {
  if (!CanClose()) return;
  const std::string remembered = fileMsg.fileName;
  const std::optional<std::string> chosen = platform::GetOpenFileName(this, FileRequest(fileMsg, false));
  if (!chosen) return;
  fileMsg.fileName = *chosen;
  const int result = LoadFile();
  if (result > 0) {
    Msg(result);
    fileMsg.fileName = remembered;
    UpdateCaption(false);
  }
}

int TFileMsgWin::ReadDocument() {
  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(fileMsg.fileName);
  if (!bytes) return kCannotOpenFile;
  kernel::ByteReader reader(*bytes);
  int result = 0;
  {
    OpenFile<kernel::ByteReader> open(inFile_, reader);
    result = ReadData();
  }
  if (result == 0) {
    fileMsg.named = 1;
    ClearModified();
    UpdateCaption(false);
  }
  return result;
}

bool TFileMsgWin::ConfirmOverwrite(const std::string& path) {
  if (fileMsg.noOverwriteQuestion || !FileExists(path)) return true;
  return AskBox(resources::LoadString(kOverwriteString), resources::LoadString(kCarefulString), kAskYesNo) ==
         platform::IDYES;
}

bool TFileMsgWin::Save() {
  // A name chosen here is kept only when the file is written.
  const std::string previousName = fileMsg.fileName;
  const std::uint8_t previouslyNamed = fileMsg.named;
  if (!fileMsg.named) {
    const std::optional<std::string> chosen = platform::GetSaveFileName(this, FileRequest(fileMsg, true));
    if (chosen && ConfirmOverwrite(*chosen)) {
      fileMsg.fileName = *chosen;
      fileMsg.named = 1;
    }
    if (!fileMsg.named) return false;
  }
  UpdateCaption(true);
  // A pause that runs the event loop, so the caption is really shown (a busy wait would not).
  platform::ModalLoop::Wait(*this, kSavingCaptionMilliseconds);
  // The file is written whole to a temporary file beside the old one and renamed over it, so a
  // failed save leaves the old file as it was.
  kernel::ByteWriter writer;
  bool written = false;
  {
    OpenFile<kernel::ByteWriter> open(outFile_, writer);
    written = WriteData();
  }
  if (!written || !kernel::WriteFileAtomically(fileMsg.fileName, writer.bytes())) {
    Msg(kCannotSaveFile);
    fileMsg.fileName = previousName;
    fileMsg.named = previouslyNamed;
    UpdateCaption(false);
    return false;
  }
  UpdateCaption(false);
  fileMsg.named = 1;
  ClearModified();
  return true;
}

void TFileMsgWin::SaveCommand() {
  if (IsModified()) {
    if (CheckPassword(kGuardSave)) Save();
  } else if (!fileMsg.named) {
    Save();
  }
}

void TFileMsgWin::SaveAsCommand() {
  if (!CheckPassword(kGuardSave)) return;
  const std::uint8_t wasNamed = fileMsg.named;
  fileMsg.named = 0;
  // Cancelling the dialog leaves the window with the name it had.
  if (!Save() && !fileMsg.named) fileMsg.named = wasNamed;
}

void TFileMsgWin::WriteStr(std::string_view text) {
  if (outFile_) WriteCountedText(*outFile_, text);
}

bool TFileMsgWin::ReadStr(std::string& buffer, int capacity) {
  return inFile_ && ReadCountedText(*inFile_, buffer, capacity);
}

void TFileMsgWin::WriteAuthorData() {
  if (outFile_) WriteAuthorPiece(*outFile_, authorData);
}

bool TFileMsgWin::ReadAuthorData(std::uint16_t permissions, AuthorData& into) {
  into = AuthorData{};
  into.permissions = permissions;
  into.unlocked = permissions < 1 ? 1 : 0;
  if (permissions == 0) return true;
  return inFile_ && ReadAuthorPiece(*inFile_, into);
}

}  // namespace shell

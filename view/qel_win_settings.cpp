// The common block of the window's files, the window kind's settings file and the notebook piece.

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "shell/message_numbers.h"
#include "shell/note_win.h"
#include "shell/pre_text_win.h"
#include "view/qel_win.h"
#include "kernel/file_bytes.h"
#include "platform/settings_folder.h"
#include "platform/text_editor.h"
#include "platform/window_state.h"

namespace view {

namespace {
static_assert(kBlockRoleCount == shell::kColorRoleCount);
// Far above anything the program writes; a larger file is not a settings file.
constexpr std::uintmax_t kSettingsFileLimit = 1 << 20;
}  // namespace

CommonBlock TQELWin::MakeCommonBlock(std::int32_t kind) const {
  CommonBlock block;
  block.fileKind = kind >= 1 ? kind : qelWin.fileKind;
  block.formatVersion = fileMsg.version;
  if (IsCreated()) {
    // Where the window comes back to when restored, so that a maximised window keeps its size.
    const platform::WindowRect r = platform::NormalPlacement(*this);
    kernel::SetWinRect(block.placement, r.x, r.y, r.width, r.height, IsMaximized() ? 1 : 0);
  } else {
    block.placement = fileMsg.placement;
  }
  block.colorsFlag = qelWin.colorsFlag;
  block.printScale = printFormat.xUnit;
  block.printWidth = printFormat.width;
  block.leftMargin = printFormat.horizontalOffset;
  block.topMargin = printFormat.verticalOffset;
  block.frame = printFormat.frameImage;
  block.colorPrinting = printFormat.colorPrinter;
  block.blockVersion = qelWin.blockVersion;
  block.pointSizes = fontWin.pointSizes;
  block.fonts = fontWin.fonts;
  block.fontColors = fontWin.colors;
  block.roles = preWin.roles;
  block.colors = preWin.colors;
  return block;
}

void TQELWin::ApplyCommonBlock(const CommonBlock& block) {
  qelWin.versionRead = block.blockVersion;
  fileMsg.placement = block.placement;
  qelWin.colorsFlag = block.colorsFlag;
  printFormat.xUnit = block.printScale;
  printFormat.width = block.printWidth;
  printFormat.horizontalOffset = block.leftMargin;
  printFormat.verticalOffset = block.topMargin;
  printFormat.frameImage = block.frame;
  printFormat.colorPrinter = block.colorPrinting;
  fontWin.pointSizes = block.pointSizes;
  fontWin.fonts = block.fonts;
  fontWin.colors = block.fontColors;
  preWin.roles = block.roles;
  const int taken = std::clamp(block.colorsRead, 0, kernel::kColorCount);
  std::copy_n(block.colors.begin(), taken, preWin.colors.begin());
  if (taken > 0) ComputeGreys();
}

void TQELWin::WriteCommonBlock(kernel::ByteWriter& out, std::int32_t kind) const {
  view::WriteCommonBlock(out, MakeCommonBlock(kind));
}

int TQELWin::ReadCommonBlock(kernel::ByteReader& in) {
  CommonBlock block;
  switch (view::ReadCommonBlock(in, qelWin.fileKind, block)) {
    case BlockStatus::OtherKind:
      return 0;
    case BlockStatus::Damaged:
      return -1;
    case BlockStatus::Read:
      break;
  }
  // A file that names no version of its format is of no use to any reader.
  if (block.formatVersion < 1) return 0;
  ApplyCommonBlock(block);
  return block.formatVersion;
}

bool TQELWin::OpenFileForSave(std::int32_t kind) {
  if (!OutFile()) return false;
  WriteCommonBlock(*OutFile(), kind);
  return true;
}

int TQELWin::OpenFileForLoad() {
  if (!InFile()) return 0;
  const int result = ReadCommonBlock(*InFile());
  if (result >= 1) DeleteBackBitmap();
  return result;
}

void TQELWin::SaveNotebook() {
  if (!OutFile()) return;
  std::string text;
  if (notebookWindow_) {
    text = notebookWindow_->editor().Text().substr(0, shell::kTextLimit);
    notebookWindow_->editor().SetModified(false);
  }
  WriteStr(text);
}

bool TQELWin::LoadNotebook() {
  std::string text;
  if (!ReadStr(text, shell::kTextLimit + 1)) return false;
  if (notebookWindow_) {
    notebookWindow_->SetText(text);
    notebookWindow_->SetTitle();
  }
  return true;
}

std::string TQELWin::SettingsPath() const { return platform::SettingsFolder() + qelWin.settingsFileName; }

TQELWin::SettingsRead TQELWin::LoadSettingsFile() {
  if (!readSettings || qelWin.settingsFileName.empty()) return SettingsRead::NotRead;
  const std::string path = SettingsPath();
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return SettingsRead::NotRead;
  if (size > kSettingsFileLimit) return SettingsRead::Damaged;
  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(path);
  if (!bytes) return SettingsRead::NotRead;

  // Everything is read aside first, so that a damaged file changes nothing.
  kernel::ByteReader in(*bytes);
  CommonBlock block;
  switch (view::ReadCommonBlock(in, qelWin.fileKind, block)) {
    case BlockStatus::OtherKind:
      return SettingsRead::NotRead;
    case BlockStatus::Damaged:
      return SettingsRead::Damaged;
    case BlockStatus::Read:
      break;
  }
  if (block.formatVersion < 1) return SettingsRead::NotRead;
  SettingsBody body{qelWin.settings, {}};
  if (!ReadSettingsBody(in, block.blockVersion, body)) return SettingsRead::Damaged;

  ApplyCommonBlock(block);
  qelWin.settings = body.arrays;
  fileMsg.names[0] = body.lastFileName;
  const SettingsArrays::Ints& first = body.arrays.ints[0];
  qelWin.animationDelay = std::max(first[0], 0);
  const int count = std::min(first[1], kSavedValueCount);
  for (int k = 0; k < count; ++k) qelWin.savedValues[k] = static_cast<std::uint16_t>(first[2 + k] & 0xFFFF);
  return SettingsRead::Taken;
}

bool TQELWin::ReadSettings() {
  const SettingsRead result = LoadSettingsFile();
  if (result == SettingsRead::Damaged) Msg(shell::kBadIniFile);
  return result == SettingsRead::Taken;
}

bool TQELWin::WriteSettings() {
  if (!qelWin.writeSettings || qelWin.settingsFileName.empty()) return true;
  SettingsArrays::Ints& first = qelWin.settings.ints[0];
  first[0] = qelWin.animationDelay;
  first[1] = kSavedValueCount;
  for (int k = 0; k < kSavedValueCount; ++k) first[2 + k] = static_cast<std::int16_t>(qelWin.savedValues[k]);
  kernel::ByteWriter out;
  WriteCommonBlock(out, 0);
  WriteSettingsBody(out, SettingsBody{qelWin.settings, fileMsg.names[0]});
  return kernel::WriteFileAtomically(SettingsPath(), out.bytes());
}

}  // namespace view

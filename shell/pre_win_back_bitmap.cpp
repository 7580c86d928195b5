// The background bitmap of a picture window: opened from a BMP file, pasted from the clipboard,
// removed, and offered for saving beside the figure file when it was pasted.

#include <cstdio>

#include "platform/modal_responder.h"
#include "shell/message_numbers.h"
#include "shell/pre_win.h"
#include "kernel/file_names.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kBitmapFilterString = 19;
constexpr int kSaveBitmapAsString = 20;
}  // namespace

void TPreWin::OpenBackBitmap() {
  platform::FileDialogRequest request;
  request.filters = resources::LoadString(kBitmapFilterString, 255);
  request.defaultExtension = "BMP";
  request.initialPath = preWin.backBitmapName;
  const std::optional<std::string> chosen = platform::GetOpenFileName(this, request);
  if (!chosen) return;
  preWin.backBitmapName = *chosen;
  const int result = LoadBackBitmap();
  if (result > 0) Msg(result);
}

int TPreWin::LoadBackBitmap() {
  std::FILE* file = std::fopen(preWin.backBitmapName.c_str(), "rb");
  if (!file) return kCouldNotFind;
  std::fclose(file);
  std::optional<platform::Bitmap> bitmap = platform::Bitmap::ReadBmpFile(preWin.backBitmapName);
  if (!bitmap || bitmap->IsEmpty()) return kCannotOpenFile;
  preWin.backBitmap = std::move(bitmap);
  preWin.backFromFile = 1;
  BackBitmapChanged();
  return 0;
}

void TPreWin::PasteBackBitmap() {
  std::optional<platform::Bitmap> pasted = platform::ClipboardImage();
  if (!pasted || pasted->IsEmpty()) {
    Msg(kNoGraphicsOnClipboard);
    return;
  }
  preWin.backBitmap = std::move(pasted);
  preWin.backFromFile = 0;
  BackBitmapChanged();
}

void TPreWin::BackBitmapChanged() {
  preWin.backWidth = preWin.backBitmap->width();
  preWin.backHeight = preWin.backBitmap->height();
  const platform::WindowRect screen = ScreenRect();
  if (preWin.backWidth > screen.width || preWin.backHeight > screen.height) Msg(kTooLarge);
  InvalidateBuffer(preWin.bitmapLevel);
  Invalidate(false);
  SetupMenuChecks(false);
}

void TPreWin::DeleteBackBitmap() {
  preWin.backBitmap.reset();
  preWin.backFromFile = 0;
}

std::optional<std::string> TPreWin::DefaultBitmapName(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart) return std::nullopt;
  return std::string(path.substr(0, dot)) + "1.bmp";
}

bool TPreWin::Save() {
  if (!TFontWin::Save()) return false;
  OfferToSaveBackBitmap();
  return true;
}

void TPreWin::OfferToSaveBackBitmap() {
  if (!preWin.backBitmap || preWin.backFromFile) return;
  const std::optional<std::string> name = DefaultBitmapName(fileMsg.fileName);
  if (!name) return;
  const std::string question = resources::LoadString(kSaveBitmapAsString, 255) + " " +
                               kernel::FileNamePart(*name, fileMsg.hideExtension != 0) + "?";
  if (AskBox(question, "", kAskYesNo) != platform::IDYES) return;
  preWin.backBitmapName = *name;
  if (!preWin.backBitmap->WriteBmpFile(*name)) Msg(kCannotSaveFile);
}

void TPreWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdPasteBackBitmap:
      state.enabled = platform::ClipboardHasImage();
      return;
    case kCmdRemoveBackBitmap:
      state.enabled = preWin.backBitmap.has_value();
      return;
    default:
      TFontWin::EnableCommand(state);
  }
}

}  // namespace shell

// The Penrose window's figure file: the common block, the tiling's blocks, the text items, the
// pasted pictures and the notebook.

#include <string>

#include "engine/view_update.h"
#include "kernel/file_bytes.h"
#include "shell/counted_text.h"
#include "shell/message_numbers.h"
#include "shell/pre_text_win.h"
#include "special/penrose_win.h"
#include "view/common_block.h"

namespace special {

namespace {


// What reading the file would answer, without touching the window: 0, 11 for a file that cannot
// be read or is not of the window's kind, 8 for a later format version.
int CheckPenroseFile(const std::string& path, std::int32_t kind) {
  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(path);
  if (!bytes) return shell::kCannotOpenFile;
  kernel::ByteReader in(*bytes);
  view::CommonBlock block;
  if (view::ReadCommonBlock(in, kind, block) != view::BlockStatus::Read || block.formatVersion < 1)
    return shell::kCannotOpenFile;
  if (block.formatVersion > kPenroseFileVersion) return shell::kIncompatibleVersions;
  PenroseFileBlocks blocks;
  if (const int result = ReadPenroseBlocks(in, blocks); result != 0) return result;
  // The pieces after the tiling are checked as well: the common block's colours and fonts are
  // taken as soon as the file is opened, so a file damaged anywhere must be caught here.
  view::TextList texts;
  std::vector<view::PictureItem> pictures;
  std::string notebook;
  if (!view::ReadTextList(in, false, texts) || !view::ReadPictures(in, pictures) ||
      !shell::ReadCountedText(in, notebook, shell::kTextLimit + 1))
    return shell::kInconsistentData;
  return 0;
}

}  // namespace

int TPenrWin::LoadFile() {
  // A file that would be refused leaves the window exactly as it is.
  const int refused = CheckPenroseFile(fileMsg.fileName, qelWin.fileKind);
  if (refused != 0) return refused;
  return TFillWin::LoadFile();
}

bool TPenrWin::WriteData() {
  // The common block names the tiling file's own format version, whatever the window's version
  // number is (the launcher gives its windows the program's).
  const std::int32_t programVersion = fileMsg.version;
  fileMsg.version = kPenroseFileVersion;
  const bool opened = OpenFileForSave(0);
  fileMsg.version = programVersion;
  if (!opened) return false;
  PenroseFileBlocks b;
  CopyTilingToBlocks(penrose, b);
  b.decimals = static_cast<std::uint16_t>(numberFormat.decimals);
  b.mouseMode = mouseMode;
  b.pictexStyle = static_cast<std::int16_t>(exports.tex.format);
  b.thickenPrint = static_cast<std::uint16_t>(device.printerExtraWidth);
  b.colorMode = display.colorMode;
  b.ammannFamily = display.ammannFamily;
  b.dottedBars = display.dottedBars;
  b.hideTiles = display.hideTiles;
  b.curves = display.curves;
  b.centreX = mapping.centre.x;
  b.centreY = mapping.centre.y;
  b.halfWidth = mapping.halfWidth;
  b.zoom = wing.zoomFactor;
  kernel::ByteWriter& out = *OutFile();
  WritePenroseBlocks(out, b);
  WriteTextItemsPiece(out);
  WritePictures(out);
  SaveNotebook();
  return true;
}

int TPenrWin::ReadData() {
  const int version = OpenFileForLoad();
  if (version < 1 || version > kPenroseFileVersion) {
    ResetColors();
    return version < 1 ? shell::kCannotOpenFile : shell::kIncompatibleVersions;
  }
  qelWin.versionRead = version;
  kernel::ByteReader& in = *InFile();
  PenroseFileBlocks b;
  if (const int result = ReadPenroseBlocks(in, b); result != 0) return result;
  // The texts and pictures replace the window's only when the whole file has been read.
  view::TextList texts;
  std::vector<view::PictureItem> readPictures;
  if (!view::ReadTextList(in, false, texts) || !view::ReadPictures(in, readPictures) || !LoadNotebook())
    return shell::kInconsistentData;
  textItems.plain = std::move(texts);
  pictures = std::move(readPictures);

  numberFormat.decimals = static_cast<std::int16_t>(b.decimals);
  mouseMode = b.mouseMode;
  exports.tex.format = b.pictexStyle;
  device.printerExtraWidth = static_cast<std::int16_t>(b.thickenPrint);
  display.colorMode = b.colorMode;
  if (display.colorMode != kFullColor && mouseMode == kCmdRecolorMode) mouseMode = kCmdAttachMode;
  display.ammannFamily = b.ammannFamily;
  display.dottedBars = b.dottedBars;
  display.hideTiles = b.hideTiles;
  display.curves = b.curves;
  if (b.zoom > 1) wing.zoomFactor = b.zoom;

  ViewStack(0);
  // The height is not stored: it follows the window's shape, so the saved width is shown as it was
  // (and saved again to the same bytes). A view no window can show is replaced by one that fits
  // the tiling.
  const bool savedViewShown = engine::WithinViewLimit({b.centreX, b.centreY}) && engine::WithinViewLimit({b.halfWidth, 0});
  if (savedViewShown) SetView(b.centreX, b.centreY, b.halfWidth, 0, false);
  UpdateView();
  const platform::Color background = platform::Color::FromColorRef(Color(preWin.roles[0]));
  SetBackgroundColor(background.r, background.g, background.b);
  TakeTileColors();
  BuildTilingFromBlocks(b, penrose);
  if (!savedViewShown) {
    FitView(false);
    ViewStack(0);
  }
  wing.pictureValid = 0;
  SetupMenuChecks(false);
  return 0;
}

void TPenrWin::ClearFigure() {
  ClearAuthorData();
  FreePictureList();
  FreeTexts();
  SetView(0, 0, 5, 5, false);
  UpdateView();
  wing.pictureValid = 0;
  fileMsg.modified = 0;
}

}  // namespace special

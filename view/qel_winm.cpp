#include "view/qel_winm.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/bitmap_overlay.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/modal_loop.h"
#include "platform/modal_responder.h"
#include "shell/message_numbers.h"
#include "view/export_formats.h"
#include "view/export_output.h"
#include "view/metafile_export.h"

namespace view {

namespace {

// The running state names the metafile for as long as it lives.
class RunningMetafile {
 public:
  explicit RunningMetafile(ExportSettings& exports) : exports_(exports), before_(exports.running) {
    exports_.running = ExportKind::Metafile;
  }
  ~RunningMetafile() { exports_.running = before_; }
  RunningMetafile(const RunningMetafile&) = delete;
  RunningMetafile& operator=(const RunningMetafile&) = delete;

 private:
  ExportSettings& exports_;
  ExportKind before_;
};

}  // namespace

TQELWinm::TQELWinm(platform::FrameWindow* parent, std::string_view title) : TQELWint(parent, title) {}

int TQELWinm::Magnification() const { return highResolution ? kHighResolutionMagnification : 1; }

// --- Pictures ---------------------------------------------------------------------------------

void TQELWinm::PictureToAbsolute(PictureItem& item) {
  if (item.tie >= 0) view::PictureToAbsolute(item, ObjectPosition(item.tie));
}

void TQELWinm::PictureToRelative(PictureItem& item) {
  if (item.tie >= 0) view::PictureToRelative(item, ObjectPosition(item.tie));
}

platform::Rect TQELWinm::PixelRect(const PictureItem& item) const {
  return {XToScreen(item.x1), YToScreen(item.y2), XToScreen(item.x2), YToScreen(item.y1)};
}

std::optional<PictureHit> TQELWinm::HitPicture(platform::PointI pixel) {
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    PictureItem& item = pictures[i];
    PictureToAbsolute(item);
    const platform::Rect r = PixelRect(item);
    PictureToRelative(item);
    const platform::PointI offset{pixel.x - r.left, pixel.y - r.top};
    const platform::SizeI size{r.right - r.left, r.bottom - r.top};
    if (offset.x >= 0 && offset.x < size.width && offset.y >= 0 && offset.y < size.height)
      return PictureHit{i, offset, size};
  }
  return std::nullopt;
}

void TQELWinm::PastePicture(int x, int y) {
  if (const std::optional<PictureHit> hit = HitPicture({x, y})) EditPicture(hit->index);
  else PasteNewPicture(x, y);
}

void TQELWinm::EditPicture(std::size_t index) {
  PictureToAbsolute(pictures[index]);
  PictureItem& item = pictures[index];
  PicturePlacement placement{item.x1, item.x2, item.y1, item.y2, item.transparent, item.tie};
  int action = 0;
  const int dpi = ScreenCaps().dpiX;
  TMetaDlg dialog(this, &placement, &action, PictureTieChoices(), dpi);
  const int ended = dialog.Execute();
  if (ended == platform::IDCANCEL || action == 0) {
    PictureToRelative(pictures[index]);
    return;
  }
  if (action == kPictureActionCopy || action == kPictureActionCut) {
    if (item.metafile) platform::CopyMetafileToClipboard(item.metafile->bytes());
  }
  if (action == kPictureActionClear || action == kPictureActionCut) {
    pictures.erase(pictures.begin() + static_cast<std::ptrdiff_t>(index));
    PictureChanged();
    return;
  }
  if (action == kPictureActionOk) {
    item.x1 = placement.x1;
    item.x2 = placement.x2;
    item.y1 = placement.y1;
    item.y2 = placement.y2;
    item.transparent = placement.transparent;
    item.tie = placement.tie;
  }
  PictureToRelative(item);
  if (action == kPictureActionOk) PictureChanged();
}

void TQELWinm::PasteNewPicture(int x, int y) {
  std::optional<kernel::Bytes> bytes = platform::ClipboardMetafile();
  std::optional<PictureItem> item;
  if (bytes) item = MakePicture(std::move(*bytes));
  if (!item) {
    Msg(shell::kNoGraphicsOnClipboard);
    return;
  }
  const platform::SizeI size = PastedPictureSize(item->metafile->header().frame, ScreenCaps(), {x, y},
                                                 {mapping.width, mapping.height});
  item->x1 = XToWorld(x);
  item->x2 = XToWorld(x + size.width);
  item->y2 = YToWorld(y);
  item->y1 = YToWorld(y + size.height);
  item->transparent = 1;
  item->tie = kPictureUntied;
  item->id = NextPictureId(pictures);
  pictures.push_back(std::move(*item));
  PictureChanged();
}

bool TQELWinm::DragPicture(int x, int y) {
  const std::optional<PictureHit> hit = HitPicture({x, y});
  if (!hit) return false;
  platform::PointI corner{x, y};
  // A window closed during the drag has nothing left to move.
  if (!TrackDragFrame(corner, hit->offset, hit->size, 0)) return true;
  if (hit->index >= pictures.size()) return true;
  PictureItem& item = pictures[hit->index];
  PictureToAbsolute(item);
  const kernel::Real width = item.x2 - item.x1;
  const kernel::Real height = item.y1 - item.y2;
  item.x1 = XToWorld(corner.x);
  item.y2 = YToWorld(corner.y);
  item.x2 = item.x1 + width;
  item.y1 = item.y2 + height;
  PictureToRelative(item);
  PictureChanged();
  return true;
}

void TQELWinm::DeletePicture(std::int32_t id) {
  const auto it = std::find_if(pictures.begin(), pictures.end(), [id](const PictureItem& p) { return p.id == id; });
  if (it != pictures.end()) pictures.erase(it);
}

void TQELWinm::PictureChanged() {
  fileMsg.modified = 1;
  // The pictures lie under the figure, with the background.
  InvalidateBuffer(shell::kBackgroundBitmap);
  wing.pictureValid = 0;
  Invalidate(false);
}

void TQELWinm::DrawPictures(FigurePainter& painter) {
  if (platform::DC* dc = painter.Device()) DrawPictures(*dc);
}

void TQELWinm::DrawPictures(platform::DC& dc) {
  if (pictures.empty()) return;
  const platform::Color background = platform::Color::FromColorRef(Color(preWin.roles[0]));
  const bool fill = !(device.metafileRunning && !device.withBackColor);
  for (PictureItem& item : pictures) {
    PictureToAbsolute(item);
    const platform::Rect rect = PixelRect(item);
    PictureToRelative(item);
    if (rect.IsEmpty()) continue;
    const std::optional<platform::Color> under =
        !item.transparent && fill ? std::optional<platform::Color>(background) : std::nullopt;
    if (under) dc.FillRect(rect, platform::Brush::Solid(*under));
    DrawPicture(dc, item, rect, under);
  }
}

void TQELWinm::DrawPicture(platform::DC& dc, PictureItem& item, const platform::Rect& rect,
                           std::optional<platform::Color> background) {
  if (!item.metafile) return;
  if (!dc.IsRaster()) {
    item.metafile->Play(dc, rect);
    return;
  }
  const platform::SizeI size{rect.Width(), rect.Height()};
  if (!item.played || item.played->pixels.width() != size.width || item.played->pixels.height() != size.height)
    item.played = std::make_shared<PlayedPicture>(PlayPicture(*item.metafile, size));
  PlayedPicture& played = *item.played;
  if (played.drawn.empty()) {
    item.metafile->Play(dc, rect);
    return;
  }
  if (background) {
    // An opaque picture: its pixels on the background, made once for that colour.
    if (!played.onBackground || played.background != *background) {
      played.onBackground.emplace(size.width, size.height, *background);
      platform::OverlayPixels(*played.onBackground, played.pixels, played.drawn);
      played.background = *background;
    }
    dc.DrawBitmap(rect, *played.onBackground, {0, 0}, platform::RasterOp::Copy);
    return;
  }
  // A transparent one: what lies under it shows where the metafile drew nothing.
  platform::Bitmap composed(size.width, size.height);
  if (!composed.CopyFrom(dc, rect)) {
    item.metafile->Play(dc, rect);
    return;
  }
  platform::OverlayPixels(composed, played.pixels, played.drawn);
  dc.DrawBitmap(rect, composed, {0, 0}, platform::RasterOp::Copy);
}

void TQELWinm::WritePictures(kernel::ByteWriter& out) const { view::WritePictures(out, pictures); }

bool TQELWinm::ReadPictures(kernel::ByteReader& in) { return view::ReadPictures(in, pictures); }

// --- Metafiles --------------------------------------------------------------------------------

std::optional<kernel::Bytes> TQELWinm::MakeMetafile() {
  StringOutput unused;
  MetafilePainter painter(*this, unused, WindowMetafileSetup(*this, Magnification(), metafileApplication));
  bool drawn = false;
  {
    RunningMetafile running(exports);
    drawn = ExportPicture(painter, {ExportKind::Metafile, 0, 1});
  }
  kernel::Bytes bytes = painter.Finish();
  if (!drawn) return std::nullopt;
  return bytes;
}

bool TQELWinm::CopyToClipboard() {
  const std::optional<kernel::Bytes> bytes = MakeMetafile();
  const bool copied = bytes && platform::CopyMetafileToClipboard(*bytes);
  wing.pictureValid = 0;
  Invalidate(false);
  if (!copied) Msg(shell::kCannotSaveFile);
  return copied;
}

void TQELWinm::ToggleHighResolution() {
  highResolution = highResolution ? 0 : 1;
  SetupMenuChecks(false);
}

bool TQELWinm::ExportPicture(FigurePainter& painter, const ExportFrame& frame) {
  DrawPictures(painter);
  return TQELWint::ExportPicture(painter, frame);
}

void TQELWinm::SetupMenuChecks(bool redraw) {
  CheckMenu(kCmdHighResolution, highResolution != 0);
  TQELWint::SetupMenuChecks(redraw);
}

bool TQELWinm::OnCommand(int id) {
  switch (id) {
    case kCmdPictureTool: SetCurrentTool(kCmdPictureTool); return true;
    case kCmdCopyToClipboard: CopyToClipboard(); return true;
    case kCmdHighResolution: ToggleHighResolution(); return true;
    default: return TQELWint::OnCommand(id);
  }
}

void TQELWinm::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdCopyToClipboard:
    case kCmdHighResolution: state.enabled = metafileCommandsEnabled != 0; return;
    case kCmdExportMetafile: state.enabled = metafileCommandsEnabled != 0; return;
    case kCmdPictureTool: state.checked = qelWin.currentTool == kCmdPictureTool; return;
    default: TQELWint::EnableCommand(state);
  }
}

void TQELWinm::Paint(platform::DC& dc) {
  TQELWint::Paint(dc);
  DrawPictures(dc);
}

void TQELWinm::OnMouseDown(const platform::MouseEvent& e) {
  if (qelWin.currentTool != kCmdPictureTool) {
    TQELWint::OnMouseDown(e);
    return;
  }
  if (e.button == platform::MouseButton::Right) PastePicture(e.x, e.y);
  else if (e.button == platform::MouseButton::Left) DragPicture(e.x, e.y);
}

void TQELWinm::OnDestroy() {
  FreePictureList();
  TQELWint::OnDestroy();
}

platform::DeviceCaps TQELWinm::ScreenCaps() {
  std::unique_ptr<platform::DC> dc = GetDC();
  platform::DeviceCaps caps;
  if (dc) caps = dc->GetDeviceCaps();
  if (caps.widthPixels <= 0 || caps.widthMm <= 0 || caps.heightPixels <= 0 || caps.heightMm <= 0) {
    caps.widthPixels = 1920;
    caps.heightPixels = 1080;
    caps.widthMm = 1920 * 254 / (caps.dpiX * 10);
    caps.heightMm = 1080 * 254 / (caps.dpiY * 10);
  }
  return caps;
}

}  // namespace view

// The window's picture in three cached levels: the background, the figure over it and the whole
// picture with the texts and labels; a paint draws again only the levels that went stale.
#include <memory>

#include "engine/windows/geom10_win.h"
#include "view/dc_figure_painter.h"

namespace engine {

namespace {

// Copies the level below onto the bitmap of a level before that level's own drawing goes over it.
void CopyLevel(const platform::Bitmap& from, platform::DC& to) {
  to.DrawBitmap({0, 0, from.width(), from.height()}, from, {0, 0}, platform::RasterOp::Copy);
}

}  // namespace

void TGeom10Win::TextPictureChanged() { InvalidateBuffer(shell::kWholeBitmap); }

TGeom10Win::BackgroundKey TGeom10Win::CurrentBackgroundKey() const {
  const kernel::Box2& b = mapping.box;
  return {{b.xmin, b.xmax, b.ymin, b.ymax}, preWin.width, preWin.height, preWin.roles, preWin.colors, BackgroundScene()};
}

void TGeom10Win::EnsurePictureLevels() {
  for (const std::optional<platform::Bitmap>& level : preWin.buffers) {
    if (!level || level->width() != preWin.width || level->height() != preWin.height) {
      RebuildBitmaps(shell::kWholeBitmap);
      return;
    }
  }
}

void TGeom10Win::RefreshView() {
  if (UpdateClientSize()) {
    const Real oldHalfWidth = mapping.halfWidth;
    const Real oldHalfHeight = mapping.halfHeight;
    UpdateView();
    wing.viewStack.clear();
    if (!holdTextScale) RescaleTexts(mapping.halfWidth, mapping.halfHeight, oldHalfWidth, oldHalfHeight);
    RebuildBitmaps(shell::kWholeBitmap);
    wing.pictureValid = 0;
    SetupMenuChecks(false);
  }
  holdTextScale = 0;
}

const platform::Bitmap& TGeom10Win::BackgroundPicture() {
  EnsurePictureLevels();
  std::array<std::uint8_t, shell::kBitmapLevels>& valid = preWin.bufferValid;
  const BackgroundKey key = CurrentBackgroundKey();
  if (model().Hyperbolic || !(key == backgroundKey_)) valid[shell::kBackgroundBitmap] = 0;
  if (!valid[shell::kBackgroundBitmap]) {
    {
      const std::unique_ptr<platform::DC> dc = preWin.buffers[shell::kBackgroundBitmap]->CreateDC();
      PaintBackgroundPicture(*dc);
    }
    backgroundKey_ = key;
    valid[shell::kBackgroundBitmap] = 1;
    // What lies over the background is drawn again on the new one.
    valid[shell::kFigureBitmap] = 0;
    valid[shell::kWholeBitmap] = 0;
  }
  return *preWin.buffers[shell::kBackgroundBitmap];
}

void TGeom10Win::DrawFigure(platform::DC& dc) {
  RefreshView();
  std::array<std::uint8_t, shell::kBitmapLevels>& valid = preWin.bufferValid;
  if (!wing.pictureValid) valid[shell::kFigureBitmap] = 0;
  const platform::Bitmap& background = BackgroundPicture();
  if (!valid[shell::kFigureBitmap]) {
    const std::unique_ptr<platform::DC> level = preWin.buffers[shell::kFigureBitmap]->CreateDC();
    CopyLevel(background, *level);
    view::DcFigurePainter painter(*level, mapping, DcRules());
    PaintFigure(painter);
    valid[shell::kFigureBitmap] = 1;
    valid[shell::kWholeBitmap] = 0;
  }
  wing.pictureValid = 1;
  if (!valid[shell::kWholeBitmap]) {
    const std::unique_ptr<platform::DC> level = preWin.buffers[shell::kWholeBitmap]->CreateDC();
    CopyLevel(*preWin.buffers[shell::kFigureBitmap], *level);
    view::DcFigurePainter painter(*level, mapping, DcRules());
    PaintAll(painter);
    valid[shell::kWholeBitmap] = 1;
  }
  BlitBuffer(shell::kWholeBitmap, dc);
}

bool TGeom10Win::PaintToBitmap(platform::DC& dc) {
  DrawFigure(dc);
  return true;
}

void TGeom10Win::PaintBackgroundPicture(platform::DC& dc) {
  // The colour, the background bitmap, the axes and grid, and the pasted pictures under the figure.
  view::TGridWin::Paint(dc);
  DrawPictures(dc);
}

void TGeom10Win::PaintAll(view::FigurePainter& painter) { DrawTexts(painter); }

}  // namespace engine

#include "view/grid_win.h"

#include "kernel/random.h"
#include "platform/screen_metrics.h"
#include "view/dc_figure_painter.h"
#include "view/grid_dlg.h"
#include "view/tick_preparation.h"
#include "view/view_dlg.h"

namespace view {

using kernel::Point2;
using kernel::Real;

TGridWin::TGridWin(platform::FrameWindow* parent, std::string_view title) : TQELWing(parent, title) {}

TGridWin::~TGridWin() = default;

void TGridWin::OnDestroy() {
  viewDialog_.reset();
  gridDialog_.reset();
  TQELWing::OnDestroy();
}

int TGridWin::ScreenWidthPixels() const { return platform::ScreenRects().front().width; }

void TGridWin::ResetView() {
  ViewStack(0);
  mapping.centre = {0, 0};
  mapping.halfWidth = 5;
  mapping.halfHeight = 5;
  mapping.aspect = 1;
  mapping.unequal = 0;
  axes.tickLength = 10;
  axes.shortTickLength = 7;
  UpdateView();
  axes.latticeDots = 0;
  axes.arrows = 1;
  axes.ticks = 1;
  axes.showAxisNames = 1;
  axes.axesShown = 1;
  axes.xLabelPlaces = 0;
  axes.yLabelPlaces = 0;
  axes.axesKind = 3;
  axes.scaleNumbers = 3;
  axes.xScalePi = 0;
  axes.yScalePi = 0;
  axes.gridKind = 15;
  axes.gridSpacingX = 1;
  axes.gridSpacingY = 1;
  axes.xLabelFrequency = 1;
  axes.yLabelFrequency = 1;
  if (gridDialog_) gridDialog_->Refresh();
}

void TGridWin::UpdateView() {
  TQELWing::UpdateView();
  UpdateMarkScales();
  if (viewDialog_ && viewDialog_->IsVisible()) viewDialog_->Refresh(false);
}

void TGridWin::UpdateMarkScales() {
  const ViewMapping& m = mapping;
  axes.tickHalfX = m.unitsPerPixelX * axes.tickLength * static_cast<Real>(0.5);
  axes.tickHalfY = m.unitsPerPixelY * axes.tickLength * static_cast<Real>(0.5);
  axes.arrowLength = m.unitsPerPixelX * axes.shortTickLength;
}

int TGridWin::PaintGrid() {
  const TickPreparation prepared = PrepareTicks(mapping, axes);
  if (prepared.changed && gridDialog_) gridDialog_->RefreshIntervals();
  return prepared.result;
}

Point2 TGridWin::RandomPoint() const {
  const Real r1 = kernel::RandomBetween(0, 1);
  const Real r2 = kernel::RandomBetween(0, 1);
  return {mapping.box.xmin + 2 * mapping.halfWidth * r1, mapping.box.ymin + 2 * mapping.halfHeight * r2};
}

void TGridWin::ShowGridDialog() {
  if (!gridDialog_) {
    gridDialog_ = std::make_unique<TGridDlg>(this, gridDialogResource, noPolarSectors != 0);
    gridDialog_->Create();
  }
  gridDialog_->Show();
}

void TGridWin::CmResetView() {
  ResetView();
  InvalidateBuffer(preWin.bitmapLevel);
  fileMsg.modified = 1;
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGridWin::CmView() {
  if (!viewDialog_) {
    viewDialog_ = std::make_unique<TViewDlg>(this, viewDialogKind);
    viewDialog_->Create();
  }
  viewDialog_->closed = 0;
  viewDialog_->Show();
  viewDialog_->Refresh(true);
}

void TGridWin::CmSquareView() {
  const Real ux = mapping.unitsPerPixelX;
  const Real uy = mapping.unitsPerPixelY;
  const Real r = ux > uy ? 1 : uy / ux;
  SetSquareView(mapping.centre, r * mapping.halfWidth);
}

bool TGridWin::OnCommand(int id) {
  switch (id) {
    case kCmdResetView: CmResetView(); return true;
    case kCmdView: CmView(); return true;
    case kCmdZoomOut: Zoom(true); return true;
    case kCmdZoomIn: Zoom(false); return true;
    case kCmdLastWindow: LastView(); return true;
    case kCmdSquareView:
      if (mapping.unequal) CmSquareView();
      return true;
    case kCmdGrid: ShowGridDialog(); return true;
    default: return TQELWing::OnCommand(id);
  }
}

void TGridWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdZoomOut:
    case kCmdZoomIn: state.enabled = zoomEnabled != 0; return;
    case kCmdLastWindow: state.enabled = !wing.viewStack.empty(); return;
    case kCmdSquareView: state.enabled = mapping.unequal != 0; return;
    default: TQELWing::EnableCommand(state);
  }
}

bool TGridWin::ExportPicture(FigurePainter& painter, const ExportFrame& frame) {
  if (!TQELWing::ExportPicture(painter, frame)) return false;
  DrawAxes(painter);
  DrawScaleLabels(painter);
  return true;
}

void TGridWin::Paint(platform::DC& dc) {
  TQELWing::Paint(dc);
  DcFigurePainter painter(dc, mapping, DcRules());
  DrawAxes(painter);
  DrawScaleLabels(painter);
}

}  // namespace view

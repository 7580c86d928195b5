#include "view/grid_dlg.h"

#include "resources/resource_library.h"
#include "view/grid_dialog_fields.h"
#include "view/grid_win.h"

namespace view {

namespace {

constexpr int kMakeAListString = 105;  // "make a list"
constexpr int kClose = 2;
constexpr int kAxisKindCount = 4;
// The axis kinds of the radio buttons 251 to 254.
constexpr int kAxisKinds[kAxisKindCount] = {3, 1, 2, 4};

}  // namespace

TGridDlg::TGridDlg(TGridWin* window, std::string_view resource, bool noPolarSectors)
    : TDlg(window, resource), window_(window), noPolarSectors_(noPolarSectors) {}

void TGridDlg::SetupWindow() {
  TDlg::SetupWindow();
  const int kind = window_->gridDialogKind;
  if (kind >= 1) SetItemText(kGridAxes, resources::LoadString(kMakeAListString));
  if (window_->txAxes) {
    SetItemText(kGridXRowLabel, "t");
    SetItemText(kGridYRowLabel, "x");
    SetItemText(kGridXOnly, "t");
    SetItemText(kGridYOnly, "x");
  }
  Refresh();
}

void TGridDlg::ShowControls() {
  const int kind = window_->gridDialogKind;
  const bool full = kind == 0;
  const bool axesOn = IsChecked(kGridAxes);
  const bool axesPart = kind != 3;
  for (int id = kGridBoth; id <= kGridPolar; ++id) ShowItem(id, full && axesOn);
  for (const int id : {kGridArrows, kGridLabels}) ShowItem(id, axesPart && (!full || axesOn));
  ShowItem(kGridTicks, axesPart && (!full || axesOn));
  const bool tickLength = axesPart && (!full || axesOn) && IsChecked(kGridTicks);
  ShowItem(kGridTickLength, tickLength);
  ShowItem(kGridTickLengthLabel, tickLength);
  ShowItem(kGridAxes, kind != 3);

  const bool rectangular = IsChecked(kGridRectangular);
  const bool polar = IsChecked(kGridPolarSectors);
  for (int id = kGridQuadrantI; id < kGridQuadrantI + 4; ++id) ShowItem(id, full && rectangular);
  ShowItem(kGridQuadrantLabel, full && rectangular);
  ShowItem(kGridRectangular, full);
  ShowItem(kGridPolarSectors, full && !noPolarSectors_);
  ShowItem(kGridSectors, full && !noPolarSectors_ && polar);
  ShowItem(kGridDotted, full && (rectangular || polar));
  for (const int id : {kGridDots, kGridScaleOnAxes, kGridScaleOnBorder, kGridMarkScaleLabel, kGridAxesFrame,
                       kGridGridFrame})
    ShowItem(id, full);

  const bool xRow = kind % 2 == 0;
  const bool yRow = kind < 2;
  for (const int id : {kGridXRowLabel, kGridXInterval, kGridXPlaces, kGridXFreq, kGridXScale, kGridXPi})
    ShowItem(id, xRow);
  for (const int id : {kGridYRowLabel, kGridYInterval, kGridYPlaces, kGridYFreq, kGridYScale, kGridYPi})
    ShowItem(id, yRow);
}

void TGridDlg::Refresh() {
  const AxesSettings& a = window_->axes;
  CheckItem(kGridAxes, a.axesShown != 0);
  for (int k = 0; k < kAxisKindCount; ++k) CheckItem(kGridBoth + k, a.axesKind == kAxisKinds[k]);
  CheckItem(kGridTicks, a.ticks != 0);
  CheckItem(kGridArrows, a.arrows != 0);
  CheckItem(kGridDots, a.latticeDots != 0);
  CheckItem(kGridLabels, a.showAxisNames != 0);
  CheckItem(kGridXScale, (a.scaleNumbers & 1) != 0);
  CheckItem(kGridYScale, (a.scaleNumbers & 2) != 0);
  CheckItem(kGridScaleOnBorder, (a.scaleNumbers & 4) != 0);
  CheckItem(kGridScaleOnAxes, (a.scaleNumbers & 4) == 0);
  CheckItem(kGridXPi, a.xScalePi != 0);
  CheckItem(kGridYPi, a.yScalePi != 0);
  for (int k = 0; k < 4; ++k) CheckItem(kGridQuadrantI + k, (a.gridKind & (1u << k)) != 0);
  CheckItem(kGridRectangular, (a.gridKind & 16) != 0);
  CheckItem(kGridPolarSectors, (a.gridKind & 32) != 0);
  CheckItem(kGridDotted, (a.gridKind & 64) != 0);
  SetItemText(kGridSectors, std::to_string(a.sectorCount));
  SetItemText(kGridTickLength, TickLengthText(a.tickLength, window_->ScreenWidthPixels()));
  RefreshPlaces();
  RefreshIntervals();
  ShowControls();
}

void TGridDlg::RefreshPlaces() {
  SetItemText(kGridXPlaces, PlacesText(window_->axes.xLabelPlaces));
  SetItemText(kGridYPlaces, PlacesText(window_->axes.yLabelPlaces));
}

void TGridDlg::RefreshIntervals() {
  const AxesSettings& a = window_->axes;
  SetItemText(kGridXInterval, IntervalText(a.gridSpacingX, a.originLetter != 0));
  SetItemText(kGridYInterval, IntervalText(a.gridSpacingY, false));
  SetItemText(kGridXFreq, FrequencyText(a.xLabelFrequency, a.xLabelsInAxisPass != 0));
  SetItemText(kGridYFreq, FrequencyText(a.yLabelFrequency, a.yLabelsInAxisPass != 0));
}

void TGridDlg::Apply() {
  ViewRecord current;
  window_->SaveViewRecord(current);
  ViewRecord r = current;
  const auto checked = [&](int id) -> std::uint8_t { return IsChecked(id) ? 1 : 0; };
  r.axesShown = checked(kGridAxes);
  r.axesKind = 0;
  for (int k = 0; k < kAxisKindCount; ++k)
    if (IsChecked(kGridBoth + k)) r.axesKind = static_cast<std::uint16_t>(kAxisKinds[k]);
  r.ticks = checked(kGridTicks);
  r.arrows = checked(kGridArrows);
  r.latticeDots = checked(kGridDots);
  r.showAxisNames = checked(kGridLabels);
  r.xScalePi = checked(kGridXPi);
  r.yScalePi = checked(kGridYPi);
  r.scaleNumbers = static_cast<std::uint16_t>(checked(kGridXScale) | checked(kGridYScale) << 1 |
                                              checked(kGridScaleOnBorder) << 2);
  std::uint16_t grid = 0;
  for (int k = 0; k < 4; ++k) grid |= checked(kGridQuadrantI + k) << k;
  grid |= checked(kGridRectangular) << 4 | checked(kGridPolarSectors) << 5 | checked(kGridDotted) << 6;
  r.gridKind = grid;

  const NumberReader read = [this](std::string_view text, kernel::Real& value) {
    return window_->ParseNumber(text, value);
  };
  ReadInterval(GetItemText(kGridXInterval), read, r.gridSpacingX, &r.originLetter);
  ReadInterval(GetItemText(kGridYInterval), read, r.gridSpacingY, nullptr);
  ReadFrequency(GetItemText(kGridXFreq), r.xLabelFrequency, r.xLabelsInAxisPass);
  ReadFrequency(GetItemText(kGridYFreq), r.yLabelFrequency, r.yLabelsInAxisPass);
  if (IsItemShown(kGridTickLength))
    ReadTickLength(GetItemText(kGridTickLength), read, window_->ScreenWidthPixels(), r.tickLength,
                   r.shortTickLength);
  ReadPlaces(GetItemText(kGridXPlaces), r.xLabelPlaces, r.labelSuffix);
  ReadPlaces(GetItemText(kGridYPlaces), r.yLabelPlaces, r.labelSuffix);
  if (!noPolarSectors_) ReadSectorCount(GetItemText(kGridSectors), r.sectorCount);

  bool intervalChanged = false;
  const bool changed = GridSettingsDiffer(r, current, intervalChanged);
  if (intervalChanged) window_->axes.noticeState = 0;
  if (changed) {
    window_->ViewStack(1);
    window_->RestoreViewRecord(r);
    window_->GridChanged();
    RefreshPlaces();
  } else if (r.labelSuffix != current.labelSuffix) {
    // The suffix alone makes no new view, but it is taken.
    window_->axes.labelSuffix = r.labelSuffix;
    window_->GridChanged();
  }
  RefreshIntervals();
}

bool TGridDlg::OnCommand(int id) {
  switch (id) {
    case kGridApply: Apply(); return true;
    case kClose: Hide(); return true;
    case 1: return true;
    default: return TDlg::OnCommand(id);
  }
}

void TGridDlg::OnNotify(int id, platform::ControlNotification what) {
  if (what != platform::ControlNotification::Clicked) return;
  if (id == kGridAxes || id == kGridTicks || id == kGridPolarSectors || id == kGridRectangular) ShowControls();
}

}  // namespace view

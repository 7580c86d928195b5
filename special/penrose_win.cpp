#include "special/penrose_win.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "kernel/file_names.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "special/penrose_attach.h"
#include "special/penrose_data_text.h"
#include "special/penrose_patches.h"
#include "view/settings_files.h"

namespace special {

namespace {

constexpr int kRhombFilterString = 645;
constexpr int kKiteFilterString = 646;
constexpr int kFirstRoleName = 860;  // "kite", "dart", "curve 1", "curve 2", "Ammann bars", "tile"
constexpr int kDataString = 102;     // "data"
constexpr int kRotateString = 773;   // "rotate"
constexpr int kDegreesString = 199;  // "degrees"
constexpr int kRotateFieldSize = 20;
// The role colours: kite, dart, curve 1, curve 2, Ammann bars, tile.
constexpr std::array<std::uint16_t, 6> kRoleColors{8, 7, 4, 6, 3, 14};
// Where the window keeps its switches in the settings file.
constexpr int kSettingsSet = 1;
constexpr std::uint8_t Flip(std::uint8_t flag) { return flag ? 0 : 1; }

// A whole number from 0 to below - 1, differing from run to run.
int RandomBelow(int below) {
  static std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int>(0, below - 1)(generator);
}

}  // namespace

TPenrWin::TPenrWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t tilingKind)
    : TFillWin(parent, title), tiling(tilingKind), penrose(tilingKind) {
  qelWin.settingsFileName = tiling == 0 ? view::kKiteSettingsFile : view::kRhombSettingsFile;
  // The general help, then the topics of Help: File, View, Btns, Misc and File > Library.
  fileMsg.mainHelp = "KVPHELP";
  fileMsg.helpTopics[0] = "KVFILEH";
  fileMsg.helpTopics[1] = "KVPVIEWH";
  fileMsg.helpTopics[2] = "KVPBTNSH";
  fileMsg.helpTopics[3] = "KVPMISCH";
  fileMsg.helpTopics[4] = "KVPLIBRH";
  qelWin.fileKind = tiling == 0 ? view::kKiteFileKind : view::kRhombFileKind;
  fileMsg.filters = resources::LoadString(tiling == 0 ? kKiteFilterString : kRhombFilterString);
  fileMsg.defaultExtension = tiling == 0 ? "kit" : "rho";
  fileMsg.fileName = std::string(title);
  untitledName_ = std::string(title);
  notebook = 1;
  for (int role = 1; role <= 6; ++role) {
    preWin.roles[role] = kRoleColors[role - 1];
    preWin.roleCommands[role] = kFirstRoleName + role - 1;
    preWin.roleValues[role] = 1;
  }
  preWin.roleValues[0] = 0;
  preWin.bitmapLevel = 1;
  TakeTileColors();
  // Animated exports have one frame per tile.
  exports.animationMode = 2;
  metafileApplication = tiling == 0 ? "Kites and darts" : "Rhombs";
}

void TPenrWin::SetupWindow() {
  TFillWin::SetupWindow();
  const char* menuName = tiling == 0 ? "KITEMENU" : "RHOMBMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  if (qelWin.settingsRead) TakeSettings();
  LoadPatch(10 + RandomBelow(2));
  LoadStartupFile();
  SetupMenuChecks(false);
}

void TPenrWin::OnDestroy() {
  StoreSettings();
  TFillWin::OnDestroy();
}

void TPenrWin::NewFigure() {
  ClearFigure();
  fileMsg.fileName = untitledName_;
  fileMsg.named = 0;
  LoadPatch(10 + RandomBelow(2));
  UpdateCaption(false);
}

void TPenrWin::StoreSettings() {
  auto& ints = qelWin.settings.ints[kSettingsSet];
  for (int f = 0; f < 5; ++f) ints[f] = display.ammannFamily[f];
  ints[5] = display.dottedBars;
  ints[6] = display.hideTiles;
  ints[7] = penrose.forcedTiles ? 1 : 0;
  ints[8] = display.curves;
  ints[9] = penrose.compatibility ? 1 : 0;
  ints[10] = mouseMode;
  ints[11] = numberFormat.decimals;
  ints[12] = display.colorMode;
  qelWin.settings.reals[kSettingsSet][0] = wing.zoomFactor;
  qelWin.settings.reals[kSettingsSet][1] = wing.shiftFraction;
}

void TPenrWin::TakeSettings() {
  const auto& ints = qelWin.settings.ints[kSettingsSet];
  for (int f = 0; f < 5; ++f) display.ammannFamily[f] = ints[f] != 0;
  display.dottedBars = ints[5] != 0;
  display.hideTiles = ints[6] != 0;
  penrose.forcedTiles = ints[7] != 0;
  display.curves = ints[8] != 0;
  penrose.compatibility = ints[9] != 0;
  if (ints[10] >= kCmdAttachMode && ints[10] <= kCmdPictureMode) mouseMode = static_cast<std::uint16_t>(ints[10]);
  if (ints[11] >= 0 && ints[11] <= 18) numberFormat.decimals = static_cast<std::int16_t>(ints[11]);
  if (ints[12] >= kFullColor && ints[12] <= kWhiteTiles) display.colorMode = static_cast<std::uint16_t>(ints[12]);
  if (display.colorMode != kFullColor && mouseMode == kCmdRecolorMode) mouseMode = kCmdAttachMode;
  const kernel::Real zoom = qelWin.settings.reals[kSettingsSet][0];
  const kernel::Real shift = qelWin.settings.reals[kSettingsSet][1];
  if (zoom > 1) wing.zoomFactor = zoom;
  if (shift > 0 && shift < 1) wing.shiftFraction = shift;
}

void TPenrWin::TakeTileColors() {
  penrose.kiteColor = static_cast<std::int16_t>(preWin.roles[kKiteRole]);
  penrose.dartColor = static_cast<std::int16_t>(preWin.roles[kDartRole]);
  display.curve1Color = preWin.roles[kCurve1Role];
  display.curve2Color = preWin.roles[kCurve2Role];
  display.barsColor = preWin.roles[kBarsRole];
}

bool TPenrWin::LoadPatch(int patch) {
  if (!LoadLibraryPatch(penrose, patch)) return false;
  fileMsg.modified = 0;
  FitView(false);
  TilingChanged();
  return true;
}

void TPenrWin::TilingChanged() {
  wing.pictureValid = 0;
  SetupMenuChecks(false);
  Invalidate(false);
}

void TPenrWin::DisplayChanged() {
  wing.pictureValid = 0;
  SetupMenuChecks(false);
  Invalidate(false);
}

void TPenrWin::ShowResult(std::int16_t code) {
  if (code > 0) Msg(code);
}

void TPenrWin::AttachAtPixel(int which, platform::PointI pixel) {
  kernel::Point2 p;
  PixelToWorld(pixel, p);
  const AttachResult result =
      AttachAtPoint(penrose, which, p, std::fabs(mapping.unitsPerPixelX), std::fabs(mapping.unitsPerPixelY));
  if (!result.attempted) return;
  // A new tile that reaches out of the view widens it.
  if (result.code < 1) FitView(true);
  TilingChanged();
  ShowResult(result.code);
}

std::int16_t TPenrWin::TileAtPixel(platform::PointI pixel) const {
  kernel::Point2 p;
  PixelToWorld(pixel, p);
  return TileAtPoint(penrose, p, std::fabs(mapping.unitsPerPixelX) / 2);
}

void TPenrWin::RecolorAtPixel(platform::PointI pixel) {
  if (display.colorMode != kFullColor) return;
  const std::int16_t tile = TileAtPixel(pixel);
  if (tile < 0) return;
  RecolorTile(penrose, tile, static_cast<std::int16_t>(preWin.roles[kTileRole]));
  DisplayChanged();
}

void TPenrWin::RecenterAtPixel(platform::PointI pixel) {
  kernel::Point2 centre;
  PixelToWorld(pixel, centre);
  ViewStack(1);
  SetView(centre.x, centre.y, mapping.halfWidth, mapping.halfHeight, mapping.unequal != 0);
  UpdateView();
  fileMsg.modified = 1;
  DisplayChanged();
}

void TPenrWin::Undo() {
  if (!UndoAction(penrose)) return;
  fileMsg.modified = 1;
  TilingChanged();
}

void TPenrWin::Redo() {
  if (!RedoPlacement(penrose)) return;
  TilingChanged();
}

void TPenrWin::Rotate() {
  std::string text = std::to_string(10 + RandomBelow(40));
  if (AskValue(kRotateString, kDegreesString, text, kRotateFieldSize) != platform::IDOK) return;
  errno = 0;
  const long value = std::strtol(text.c_str(), nullptr, 10);
  if (errno == ERANGE) return;
  RotateBy(static_cast<int>(value % 360));
}

void TPenrWin::RotateBy(int degrees) {
  RotateTiling(penrose, degrees);
  FitView(false);
  TilingChanged();
}

void TPenrWin::FitView(bool keep) {
  const std::optional<PenroseFit> fit = FitTilingView(penrose, keep, mapping.box);
  if (!fit || !(fit->halfWidth > 0) || !(fit->halfHeight > 0)) return;
  SetViewBox(fit->centre, fit->halfWidth, fit->halfHeight, false);
  wing.pictureValid = 0;
}

void TPenrWin::UpdateClientArea() {
  TFillWin::UpdateClientArea();
  FitView(true);
}

void TPenrWin::OnSize(int width, int height) {
  TFillWin::OnSize(width, height);
  wing.pictureValid = 0;
}

std::string TPenrWin::DataText() const { return PenroseDataText(penrose); }

std::string TPenrWin::DataCaption() const {
  return resources::LoadString(kDataString) + " [" + kernel::FileNamePart(fileMsg.fileName, false) + "]";
}

void TPenrWin::ShowData() {
  AskBox(DataText(), DataCaption(), shell::kAskOk);
}

void TPenrWin::SetMouseMode(std::uint16_t mode) {
  if (mouseMode == kCmdRecolorMode && mode != kCmdRecolorMode) UpdateColorWindow();
  mouseMode = mode;
  SetupMenuChecks(false);
}

void TPenrWin::SetColorMode(std::uint16_t mode) {
  display.colorMode = mode;
  if (mode != kFullColor && mouseMode == kCmdRecolorMode) SetMouseMode(kCmdAttachMode);
  DisplayChanged();
}

void TPenrWin::ColorChanged(int roleKind) {
  if (roleKind == 0) {
    const platform::Color background = platform::Color::FromColorRef(Color(preWin.roles[0]));
    SetBackgroundColor(background.r, background.g, background.b);
  } else if (roleKind != 1) {
    return;
  }
  TakeTileColors();
  wing.pictureValid = 0;
  InvalidateBuffer(preWin.bitmapLevel);
  Invalidate(false);
}

bool TPenrWin::OnCommand(int id) {
  if (id >= kCmdFirstPatch && id <= kCmdLastPatch) {
    if (CheckModified()) LoadPatch(id - kCmdFirstPatch);
    return true;
  }
  if (id >= kCmdFirstFamily && id < kCmdFirstFamily + 5) {
    display.ammannFamily[id - kCmdFirstFamily] = Flip(display.ammannFamily[id - kCmdFirstFamily]);
    DisplayChanged();
    return true;
  }
  switch (id) {
    case kCmdFitWindow: FitView(false); return true;
    case kCmdRotate: Rotate(); return true;
    case kCmdAllFamilies:
    case kCmdNoFamilies:
      display.ammannFamily.fill(id == kCmdAllFamilies ? 1 : 0);
      DisplayChanged();
      return true;
    case kCmdHideTiles: display.hideTiles = Flip(display.hideTiles); DisplayChanged(); return true;
    case kCmdCurves: display.curves = Flip(display.curves); DisplayChanged(); return true;
    case kCmdSolidBars: display.dottedBars = Flip(display.dottedBars); DisplayChanged(); return true;
    case kCmdAttachMode:
    case kCmdTextMode:
    case kCmdPictureMode: SetMouseMode(static_cast<std::uint16_t>(id)); return true;
    case kCmdRecolorMode:
      if (display.colorMode != kFullColor) return true;
      SetMouseMode(kCmdRecolorMode);
      // Opening the colour window on the tile colour changes nothing of the figure yet.
      EditColorRole(preWin.roleCommands[kTileRole], &preWin.roles[kTileRole], preWin.roleValues[kTileRole], {});
      return true;
    case kCmdPenroseUndo: Undo(); return true;
    case kCmdPenroseRedo: Redo(); return true;
    case kCmdFullColor: SetColorMode(kFullColor); return true;
    case kCmdGreyTiles: SetColorMode(kGreyTiles); return true;
    case kCmdWhiteTiles: SetColorMode(kWhiteTiles); return true;
    case kCmdForcedTiles: penrose.forcedTiles = !penrose.forcedTiles; SetupMenuChecks(false); return true;
    case kCmdCompatibility: penrose.compatibility = !penrose.compatibility; SetupMenuChecks(false); return true;
    case kCmdPenroseData: ShowData(); return true;
    default: return TFillWin::OnCommand(id);
  }
}

void TPenrWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdPenroseRedo: state.enabled = penrose.lastPlacement < penrose.RedoLimit(); return;
    case kCmdPenroseUndo: state.enabled = penrose.TileCount() >= 2; return;
    case kCmdRecolorMode:
      state.enabled = display.colorMode == kFullColor;
      state.checked = mouseMode == kCmdRecolorMode;
      return;
    case kCmdAttachMode:
    case kCmdTextMode:
    case kCmdPictureMode: state.checked = mouseMode == state.id; return;
    default: TFillWin::EnableCommand(state);
  }
}

void TPenrWin::SetupMenuChecks(bool redraw) {
  CheckMenu(kCmdSolidBars, display.dottedBars == 0);
  CheckMenu(kCmdHideTiles, display.hideTiles != 0);
  CheckMenu(kCmdForcedTiles, penrose.forcedTiles);
  CheckMenu(kCmdCompatibility, penrose.compatibility);
  CheckMenu(kCmdCurves, display.curves != 0);
  for (int id = kCmdAttachMode; id <= kCmdPictureMode; ++id) CheckMenu(id, mouseMode == id);
  for (int f = 0; f < 5; ++f) CheckMenu(kCmdFirstFamily + f, display.ammannFamily[f] != 0);
  for (int m = 0; m < 3; ++m) CheckMenu(kCmdFullColor + m, display.colorMode == m);
  TFillWin::SetupMenuChecks(redraw);
}

void TPenrWin::OnMouseDown(const platform::MouseEvent& e) {
  const platform::PointI pixel{e.x, e.y};
  const bool left = e.button == platform::MouseButton::Left;
  if (!left && e.button != platform::MouseButton::Right) return;
  switch (mouseMode) {
    case kCmdAttachMode: AttachAtPixel(left ? 0 : 1, pixel); return;
    case kCmdRecolorMode:
      if (left) RecolorAtPixel(pixel);
      else RecenterAtPixel(pixel);
      return;
    case kCmdTextMode:
      if (!left) InsertTextItem(pixel);
      else if (DragTextItem(pixel)) DisplayChanged();
      return;
    case kCmdPictureMode:
      if (!left) PastePicture(e.x, e.y);
      else if (DragPicture(e.x, e.y)) DisplayChanged();
      return;
    default: return;
  }
}

}  // namespace special

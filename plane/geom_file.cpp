// The 2-D figure file of the plane windows: the window's state into a PlaneFigureFile and back.
#include <algorithm>
#include <cmath>

#include "engine/view_update.h"
#include "plane/geom_e_win.h"
#include "shell/message_numbers.h"
#include "shell/note_win.h"
#include "platform/text_editor.h"

namespace plane {

namespace {

constexpr std::uint16_t kBounceCheck = 137;
// Marker block words.
constexpr int kMarkerLabelOffsetX = 8;
constexpr int kMarkerLabelOffsetY = 9;
// Header words this layer fills from its settings.
constexpr int kHeaderAxesKind = 14;
constexpr int kHeaderAxisFont = 16;
constexpr int kHeaderGridKind = 17;
// The bounce path: its start and aim points and the number of impacts.
constexpr int kHeaderBounceStart = 21;
constexpr int kHeaderBounceAim = 22;
constexpr int kHeaderBounceImpacts = 23;
constexpr int kFlagAutoextend = 1;
constexpr int kFlagAxesShown = 4;
constexpr int kRealHighlight = 3;
constexpr int kRealArrow = 5;
constexpr int kEvalCodeBase = 5000;
constexpr int kTraceBufferFloor = 1000;
constexpr int kLongestTrace = 32767;
// A stored view narrower than this is no view (a damaged file).
constexpr kernel::Real kSmallestViewHalfWidth = 1e-12L;

std::uint16_t Word(std::int32_t v) { return static_cast<std::uint16_t>(v); }

}  // namespace

PlaneFigureFile TGeomEWin::CollectFigureFile() {
  PlaneFigureFile file = fileData;
  file.common = MakeCommonBlock(qelWin.fileKind);
  const PlaneDisplaySettings s = CollectDisplaySettings();
  auto& h = file.header;
  h[kHeaderDecimals] = Word(s.decimals);
  h[kHeaderToolbarMode] = Word(s.toolbarMode);
  h[kHeaderPenWidth] = Word(s.penWidth);
  h[kHeaderLabels] = Word(s.labelMode);
  h[kHeaderFieldWidth] = Word(s.fieldWidth);
  h[kHeaderAxesKind] = Word(s.axesKind);
  h[kHeaderAxisFont] = Word(s.axisFont);
  h[kHeaderGridKind] = Word(s.gridKind);
  h[kHeaderGridFirst] = Word(s.gridScreenWidth);
  h[kHeaderGridSecond] = Word(s.gridPrintedWidth);
  // A stored mix word the program does not know is kept while the mode is left as read.
  const bool unknownKept = fillMixMode == engine::kCmdFillOpaque && h[kHeaderFillMix] != 0 &&
                           (h[kHeaderFillMix] < engine::kCmdFillOpaque || h[kHeaderFillMix] > engine::kCmdFillXor);
  if (!unknownKept) h[kHeaderFillMix] = Word(fillMixMode);
  h[kHeaderProtection] = authorData.permissions;
  // The path is on when both words say so; a file that had only the first keeps it as it was.
  if (bounce.shown) {
    h[kHeaderBounce] = kBounceCheck;
  } else if (h[kHeaderBounce] == kBounceCheck && h[kHeaderBounceCheck] == kBounceCheck) {
    h[kHeaderBounce] = 0;
  }
  if (bounce.shown || h[kHeaderBounce] != kBounceCheck) {
    h[kHeaderBounceCheck] = h[kHeaderBounce] == kBounceCheck ? kBounceCheck : 0;
  }
  h[kHeaderBounceStart] = Word(bounce.start);
  h[kHeaderBounceAim] = Word(bounce.aim);
  h[kHeaderBounceImpacts] = Word(bounce.impacts);
  file.flags[kFlagAutoextend] = static_cast<std::uint8_t>(autoExtend);
  file.flags[kFlagAxesShown] = static_cast<std::uint8_t>(s.axesShown != 0);
  file.flags[kFlagNoNotebook] = notebookWindow() == nullptr;
  file.reals[kRealHighlight] = s.highlightLength;
  file.reals[kRealArrow] = s.arrowLength;
  file.reals[kRealZoom] = s.zoomFactor;
  file.reals[kRealViewCentreX] = mapping.centre.x;
  file.reals[kRealViewCentreY] = mapping.centre.y;
  file.reals[kRealViewHalfWidth] = mapping.halfWidth;
  file.reals[kRealViewHalfHeight] = mapping.unequal ? mapping.halfHeight : 0;
  for (int i = 0; i < kPlaneMarkerCharacters; ++i) file.markers[static_cast<std::size_t>(i)] = s.markers[static_cast<std::size_t>(i)];
  file.markers[kMarkerLabelOffsetX] = defaultLabelOffset;
  file.markers[kMarkerLabelOffsetY] = secondLabelOffset;

  const engine::FigureTables& t = tables();
  const auto count = static_cast<std::size_t>(t.last_point + 1);
  file.points.assign(t.xy.begin(), t.xy.begin() + static_cast<std::ptrdiff_t>(count));
  file.names.assign(t.names.begin(), t.names.begin() + static_cast<std::ptrdiff_t>(count));
  file.attrs.assign(t.attrs.begin(), t.attrs.begin() + static_cast<std::ptrdiff_t>(count));
  file.author = authorData;
  file.history = history().steps;
  file.frameTexts = textItems.measurements;
  file.fills = fills;
  file.traces = traces;
  file.markings = markings;
  file.userFunctions = engine::UserFunctionImages(compiler.settings.user_functions, fileData.userFunctions);
  file.figureTexts = textItems.plain;
  file.evalTexts.clear();
  for (const view::TextItem& item : textItems.evaluated) {
    engine::EvalTextPieceItem piece{item, {}};
    const int entry = item.evalCode - kEvalCodeBase;
    if (entry >= 0 && static_cast<std::size_t>(entry) < textItems.evalTable.size())
      piece.entry = textItems.evalTable[static_cast<std::size_t>(entry)];
    file.evalTexts.push_back(piece);
  }
  file.pictures = pictures;
  // The figure-table block carries the history header, ended by a zero byte.
  file.tableBlock.fill(0);
  std::copy_n(historyHeader.begin(), std::min(historyHeader.size(), kTableBlockBytes - 1), file.tableBlock.begin());
  file.threePointConics = conics.threePoint;
  file.fivePointConics = conics.fivePoint;
  file.twoFociConics = conics.twoFoci;
  file.equations = conics.equations;
  if (notebookWindow()) file.notebook = notebookWindow()->editor().Text().substr(0, shell::kTextLimit);
  CollectLayerSettings(file);
  CollectGraphBlock(file.plot);
  return file;
}

bool TGeomEWin::WriteData() {
  kernel::ByteWriter* out = OutFile();
  if (!out) return false;
  if (!WritePlaneFigureFile(*out, qelWin.fileKind, CollectFigureFile())) return false;
  if (notebookWindow()) notebookWindow()->editor().SetModified(false);
  fileMsg.version = kPlaneFileVersion;
  RetitleGraphWindow();
  return true;
}

void TGeomEWin::TakeFigureFile(PlaneFigureFile& file) {
  ClearFigure();
  ApplyCommonBlock(file.common);
  DeleteBackBitmap();
  PlaneDisplaySettings s = CollectDisplaySettings();
  const auto& h = file.header;
  s.decimals = std::min<int>(h[kHeaderDecimals], 18);
  s.fieldWidth = file.version >= 35 ? h[kHeaderFieldWidth] : s.decimals + 2;
  s.toolbarMode = h[kHeaderToolbarMode];
  s.penWidth = h[kHeaderPenWidth];
  s.labelMode = h[kHeaderLabels];
  s.axesKind = h[kHeaderAxesKind];
  s.axisFont = h[kHeaderAxisFont];
  s.gridKind = h[kHeaderGridKind];
  s.gridScreenWidth = h[kHeaderGridFirst];
  s.gridPrintedWidth = h[kHeaderGridSecond];
  s.axesShown = file.flags[kFlagAxesShown] != 0;
  autoExtend = file.flags[kFlagAutoextend] != 0;
  s.zoomFactor = file.reals[kRealZoom];
  if (file.reals[kRealHighlight] >= 1e-16L) s.highlightLength = file.reals[kRealHighlight];
  if (file.reals[kRealArrow] > 0) s.arrowLength = file.reals[kRealArrow];
  if (file.flags[kFlagMarkersFollow] == 0) {
    for (int i = 0; i < kPlaneMarkerCharacters; ++i) {
      const std::uint16_t c = file.markers[static_cast<std::size_t>(i)];
      s.markers[static_cast<std::size_t>(i)] = c >= 32 && c < 256 ? static_cast<std::uint8_t>(c) : kDefaultMarkerCharacters[static_cast<std::size_t>(i)];
    }
    defaultLabelOffset = file.markers[kMarkerLabelOffsetX];
    secondLabelOffset = file.markers[kMarkerLabelOffsetY];
  }
  ApplyDisplaySettings(s);
  // A tool window position that does not fit the screen now is no position.
  TakeLayerSettings(file);
  const platform::WindowRect screen = ScreenRect();
  if (file.toolX < 0 || file.toolY < 0 || file.toolX > screen.width - 200 || file.toolY > screen.height - 100)
    file.toolX = -1;

  engine::FigureTables& t = tables();
  for (std::size_t i = 0; i < file.points.size(); ++i) {
    t.xy[i] = file.points[i];
    t.names[i] = file.names[i];
    t.attrs[i] = file.attrs[i];
  }
  history().steps = std::move(file.history);
  authorData = file.author;
  textItems.measurements = std::move(file.frameTexts);
  textItems.plain = std::move(file.figureTexts);
  fills = std::move(file.fills);
  TakeTracesAndMarkings(file);
  bounce.shown = h[kHeaderBounce] == kBounceCheck && h[kHeaderBounceCheck] == kBounceCheck;
  bounce.start = static_cast<std::int16_t>(h[kHeaderBounceStart]);
  bounce.aim = static_cast<std::int16_t>(h[kHeaderBounceAim]);
  bounce.impacts = static_cast<std::int16_t>(h[kHeaderBounceImpacts]);
  const std::uint16_t mix = h[kHeaderFillMix];
  fillMixMode = mix >= engine::kCmdFillOpaque && mix <= engine::kCmdFillXor ? mix : engine::kCmdFillOpaque;
  compiler.settings.user_functions.clear();
  for (const engine::UserFunctionImage& image : file.userFunctions)
    compiler.settings.user_functions.push_back(engine::UserFunctionOfImage(image));
  // The evaluated texts of the figure before go with it: the file's take the table from its first
  // entry (as the reader numbered them).
  SetEvalTableSize(view::kEvalTableInitialHighest);
  textItems.evaluated.clear();
  for (engine::EvalTextPieceItem& piece : file.evalTexts) {
    const int entry = piece.item.evalCode - kEvalCodeBase;
    while (static_cast<std::size_t>(entry) >= textItems.evalTable.size()) GrowEvalTable();
    textItems.evalTable[static_cast<std::size_t>(entry)] = piece.entry;
    textItems.lastEvalEntry = static_cast<std::int16_t>(entry);
    textItems.evaluated.push_back(piece.item);
  }
  file.evalTexts.clear();
  pictures = std::move(file.pictures);
  if (file.tableBlock[0] != 0) {
    const auto end = std::find(file.tableBlock.begin(), file.tableBlock.end() - 1, std::uint8_t{0});
    historyHeader.assign(file.tableBlock.begin(), end);
  }
  conics.threePoint = std::move(file.threePointConics);
  conics.fivePoint = std::move(file.fivePointConics);
  conics.twoFoci = std::move(file.twoFociConics);
  conics.equations = std::move(file.equations);
  file.threePointConics.clear();
  file.fivePointConics.clear();
  file.twoFociConics.clear();
  file.equations.clear();
  RefreshDialogLists();
  if (notebookWindow() && file.flags[kFlagNoNotebook] == 0) {
    notebookWindow()->SetText(file.notebook);
    notebookWindow()->SetTitle();
  }
  file.notebook.clear();
  file.points.clear();
  file.names.clear();
  file.attrs.clear();
  TakeGraphBlock(file.plot);
  fileData = std::move(file);
  if (fillDialog_) fillDialog_->Refresh();
  RefreshFunctionDialog();
  UpdateDataCaption();
}

void TGeomEWin::TakeTracesAndMarkings(PlaneFigureFile& file) {
  traces = std::move(file.traces);
  markings = std::move(file.markings);
  file.traces.clear();
  file.markings.clear();
  // The buffers hold the longest path of the file; a trace of more steps than a signed count
  // holds is never drawn.
  SetTraceCapacity(std::max(kTraceBufferFloor, std::min(file.largestTrace, kLongestTrace)));
}

int TGeomEWin::ReadData() {
  kernel::ByteReader* in = InFile();
  if (!in) return shell::kCannotOpenFile;
  // The whole file is read into fresh data first: a file that cannot be read changes nothing. Its
  // evaluated texts replace the open figure's, numbered from the table's first entry, so a figure
  // opened again has the same numbers and saves to the same bytes.
  PlaneFigureFile file;
  const int result = ReadPlaneFigureFile(*in, qelWin.fileKind, 0, file);
  if (result != 0) return result;
  TakeFigureFile(file);
  ReplayConstruction(true);
  // The texts tied to the frame stand where they stood in the saved view.
  if (!RestoreSavedView()) {
    Update(false);
    // The view is fitted to what can be shown; a point beyond that is said to be too large.
    if (engine::FigureBeyondViewLimit(tables())) Msg(shell::kTooLarge);
  }
  // The views of the figure open before are no way back into this one.
  ViewStack(0);
  SetupMenuChecks(true);
  AfterFileLoaded(fileData);
  fileMsg.version = kPlaneFileVersion;
  return 0;
}

bool TGeomEWin::RestoreSavedView() {
  const auto& r = fileData.reals;
  const kernel::Real cx = r[kRealViewCentreX];
  const kernel::Real cy = r[kRealViewCentreY];
  const kernel::Real hw = r[kRealViewHalfWidth];
  const kernel::Real hh = r[kRealViewHalfHeight];
  const bool usable = engine::WithinViewLimit({cx, cy}) && engine::WithinViewLimit({hw, hh}) &&
                      hw > kSmallestViewHalfWidth && hh >= 0 && (hh == 0 || hh > kSmallestViewHalfWidth);
  if (!usable) return false;
  SetView(cx, cy, hw, hh, hh > 0);
  wing.pictureValid = 0;
  Invalidate(false);
  return true;
}

void TGeomEWin::ClearFigure() {
  TGeomDWin::ClearFigure();
  modelSwitch = ModelSwitchMemory{};
  conics.Clear();
  RefreshDialogLists();
  // What the file carried for layers that keep no state of their own goes with the figure.
  const PlaneFigureFile kept = std::move(fileData);
  fileData = PlaneFigureFile{};
  fileData.header = kept.header;
  fileData.flags = kept.flags;
  fileData.reals = kept.reals;
  fileData.markers = kept.markers;
  fileData.display = kept.display;
  fileData.toolX = kept.toolX;
  fileData.toolY = kept.toolY;
  compiler.settings.user_functions.clear();
  traces.clear();
  markings.clear();
  trailPoints.clear();
  trail.clear();
  bounce = BounceSettings{};
  if (fillDialog_) fillDialog_->Refresh();
  RefreshFunctionDialog();
}

}  // namespace plane

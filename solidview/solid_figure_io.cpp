// The 3-D figure file of the 3-D window: the window's state into a SolidFigureFile and back.
#include <algorithm>
#include <cmath>

#include "engine/view_update.h"
#include "engine/windows/slide_dlg.h"
#include "engine/windows/tool_dlg.h"
#include "platform/text_editor.h"
#include "shell/message_numbers.h"
#include "shell/note_win.h"
#include "solid/loaded_step_repair.h"
#include "solidview/geom_r_win.h"

namespace solidview {

namespace {

using solid::SolidFigureFile;

constexpr int kEvalCodeBase = 5000;
constexpr int kTraceBufferFloor = 1000;
constexpr int kLongestTrace = 32767;
constexpr int kSlidersPerFlagGroup = 3;
constexpr int kLargestDecimals = 18;
constexpr int kHighestDisplayMode = kPaintedAndDotted;
constexpr std::size_t kMacroListWords = solid::kMacroListBytes / 2;
constexpr std::int16_t kListEnd = -1;
constexpr std::int32_t kFirstCheckedTextVersion = 50;
constexpr std::int32_t kLastCheckedTextVersion = 55;
constexpr kernel::Real kSmallestZoom = 1e-13L;
// A stored view narrower than this is no view (a damaged file).
constexpr kernel::Real kSmallestViewHalfWidth = 1e-12L;

std::uint16_t Word(std::int32_t v) { return static_cast<std::uint16_t>(v); }
std::int16_t Signed(std::uint16_t w) { return static_cast<std::int16_t>(w); }

solid::MacroList MacroListOf(const std::vector<std::uint16_t>& points) {
  kernel::ByteWriter out;
  std::size_t k = 0;
  for (; k < points.size() && k + 1 < kMacroListWords; ++k) out.I16(static_cast<std::int16_t>(points[k]));
  for (; k < kMacroListWords; ++k) out.I16(kListEnd);
  solid::MacroList list{};
  std::copy_n(out.bytes().begin(), list.size(), list.begin());
  return list;
}

// The existing points of a stored list, up to its first negative entry.
std::vector<std::uint16_t> PointsOfMacroList(const solid::MacroList& list, const engine::FigureTables& t) {
  std::vector<std::uint16_t> points;
  kernel::ByteReader in(list.data(), list.size());
  for (std::size_t k = 0; k + 1 < kMacroListWords; ++k) {
    const std::int16_t p = in.I16();
    if (p < 0) break;
    if (t.PointExists(p)) points.push_back(static_cast<std::uint16_t>(p));
  }
  return points;
}

bool Finite(const kernel::Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

}  // namespace

bool TGeomRWin::SliderPanelShown(int k) {
  engine::TSlideDlg* panel = sliderDialog(k);
  return panel != nullptr && panel->IsCreated() && panel->IsVisible() && !panel->closed;
}

SolidFigureFile TGeomRWin::CollectFigureFile() {
  SolidFigureFile file = fileData;
  file.common = MakeCommonBlock(qelWin.fileKind);
  auto& h = file.header;
  h[solid::kWordDecimals] = Word(numberFormat.decimals);
  h[solid::kWordScrollSteps] = Word(sliders.steps);
  h[solid::kWordOpaqueLabels] = axes.opaqueLabels != 0 ? 1 : 0;
  h[solid::kWordDisplayMode] = display.displayMode;
  h[solid::kWordLabelPlacement] = defaultLabelOffset;
  h[solid::kWordMacroFirst] = Word(macroRange.first);
  h[solid::kWordMacroLast] = Word(macroRange.last);
  h[solid::kWordFieldWidth] = Word(numberFormat.fieldWidth);
  h[solid::kWordScrollRatio] = Word(sliders.steps / std::max(sliders.stepRatio, 1));
  h[solid::kWordProtection] = authorData.permissions;
  h[solid::kWordLettersMode] = Word(labelDisplay.labelMode);
  h[solid::kWordDotMode] = Word(labelDisplay.globalMarker);

  auto& f = file.flags;
  f[solid::kFlagConvexity] = convexityAssumed;
  f[solid::kFlagAxes] = axes.axesShown;
  f[solid::kFlagAxisLengthsFixed] = axisLengthsFixed;
  f[solid::kFlagLabelsInDottedMode] = display.labelsInDottedMode;
  for (int k = 0; k < kSlidersPerFlagGroup; ++k) {
    f[static_cast<std::size_t>(solid::kFlagFirstSliderShown + k)] = SliderPanelShown(k) ? 1 : 0;
    f[static_cast<std::size_t>(solid::kFlagFirstSliderHidden + k)] = SliderPanelShown(k + kSlidersPerFlagGroup) ? 0 : 1;
  }
  f[solid::kFlagToolbarShown] = toolbar() != nullptr && toolbar()->IsCreated() && toolbar()->IsVisible() ? 1 : 0;
  f[solid::kFlagAttributeCopy] = transform.attributeCopy;
  f[solid::kFlagFillCopy] = transform.fillCopy;
  f[solid::kFlagNoNotebook] = notebookWindow() == nullptr ? 1 : 0;
  f[solid::kFlagOutlines] = display.outlinesOn;
  f[solid::kFlagSolidArrowheads] = wing.solidArrowheads;
  f[solid::kFlagAxisArrows] = display.axisArrowsOn;

  auto& r = file.reals;
  r[solid::kRealViewCentreX] = mapping.centre.x;
  r[solid::kRealViewCentreY] = mapping.centre.y;
  r[solid::kRealViewHalfWidth] = mapping.halfWidth;
  r[solid::kRealRotationStep] = rotationStep;
  r[solid::kRealZoom] = wing.zoomFactor;

  const engine::SliderValues& values = sliderValues();
  for (std::size_t k = 0; k < file.animation.size() && k < values.size(); ++k) {
    file.animation[k][0] = values[k].low;
    file.animation[k][1] = values[k].value;
    file.animation[k][2] = values[k].high;
  }
  file.axisLengths = axisLengths;
  file.observer = observer;
  file.macroInput = MacroListOf(macroInputs);
  file.macroOutput = MacroListOf(macroOutputs);
  for (std::size_t i = 0; i < preWin.roles.size() && i < file.colourIndices.size(); ++i)
    file.colourIndices[i] = preWin.roles[i];
  // The file being written is the one Open last opens from now on.
  file.lastFileName.fill(0);
  const std::string& last = fileMsg.fileName;
  std::copy_n(last.begin(), std::min(last.size(), file.lastFileName.size() - 1), file.lastFileName.begin());

  const engine::FigureTables& t = tables();
  const auto count = static_cast<std::ptrdiff_t>(t.last_point + 1);
  file.points.assign(t.xyz.begin(), t.xyz.begin() + count);
  file.names.assign(t.names.begin(), t.names.begin() + count);
  file.labelMap.assign(t.label_map.begin(), t.label_map.begin() + count);
  file.author = authorData;
  file.history = history().steps;
  file.pointLists = modelTables.point_lists;
  file.traces = traces;
  file.frameTexts = textItems.measurements;
  file.figureTexts = textItems.plain;
  file.evalTexts.clear();
  for (const view::TextItem& item : textItems.evaluated) {
    engine::EvalTextPieceItem piece{item, {}};
    const int entry = item.evalCode - kEvalCodeBase;
    if (entry >= 0 && static_cast<std::size_t>(entry) < textItems.evalTable.size())
      piece.entry = textItems.evalTable[static_cast<std::size_t>(entry)];
    file.evalTexts.push_back(piece);
  }
  file.userFunctions = engine::UserFunctionImages(compiler.settings.user_functions, fileData.userFunctions);
  file.pictures = pictures;
  file.markings = markings;
  // A window with a graph window writes its state; one without keeps what its file carried.
  if (graphWindow() != nullptr) {
    f[solid::kFlagNoGraphWindow] = 0;
    CollectGraphBlock(file.plot);
  }
  if (notebookWindow()) file.notebook = notebookWindow()->editor().Text().substr(0, shell::kTextLimit);
  file.hasTableText = !tableText.empty();
  file.tableText = tableText;
  return file;
}

bool TGeomRWin::WriteData() {
  kernel::ByteWriter* out = OutFile();
  if (!out) return false;
  solid::WriteSolidFigureFile(*out, qelWin.fileKind, CollectFigureFile());
  if (notebookWindow()) notebookWindow()->editor().SetModified(false);
  fileMsg.version = solid::kSolidFileVersion;
  RetitleGraphWindow();
  return true;
}

void TGeomRWin::RepairLoadedSteps() { solid::RepairLoadedSteps(history().steps); }

void TGeomRWin::TakeFigureFile(SolidFigureFile& file) {
  ClearFigure();
  ApplyCommonBlock(file.common);
  const auto& h = file.header;
  const auto& f = file.flags;
  numberFormat.decimals = static_cast<std::int16_t>(std::min<int>(h[solid::kWordDecimals], kLargestDecimals));
  numberFormat.fieldWidth = static_cast<std::int16_t>(
      file.version >= solid::kFieldWidthVersion ? Signed(h[solid::kWordFieldWidth]) : numberFormat.decimals + 2);
  if (Signed(h[solid::kWordScrollSteps]) >= 2) {
    sliders.steps = Signed(h[solid::kWordScrollSteps]);
    const int medium = Signed(h[solid::kWordScrollRatio]);
    sliders.stepRatio = medium >= 1 && medium <= sliders.steps ? sliders.steps / medium : 1;
  }
  axes.opaqueLabels = h[solid::kWordOpaqueLabels] != 0 ? 1 : 0;
  if (h[solid::kWordDisplayMode] <= kHighestDisplayMode) display.displayMode = h[solid::kWordDisplayMode];
  defaultLabelOffset = h[solid::kWordLabelPlacement];
  macroRange.first = Signed(h[solid::kWordMacroFirst]);
  macroRange.last = Signed(h[solid::kWordMacroLast]);
  labelDisplay.labelMode = Signed(h[solid::kWordLettersMode]);
  labelDisplay.globalMarker = std::clamp<int>(Signed(h[solid::kWordDotMode]), -1, 4);

  convexityAssumed = f[solid::kFlagConvexity];
  axes.axesShown = f[solid::kFlagAxes] != 0 ? 1 : 0;
  axisLengthsFixed = f[solid::kFlagAxisLengthsFixed];
  display.labelsInDottedMode = f[solid::kFlagLabelsInDottedMode];
  transform.attributeCopy = f[solid::kFlagAttributeCopy];
  transform.fillCopy = f[solid::kFlagFillCopy];
  display.outlinesOn = f[solid::kFlagOutlines];
  // Older files keep the window's arrow settings.
  if (file.version >= solid::kArrowFlagsVersion) {
    wing.solidArrowheads = f[solid::kFlagSolidArrowheads];
    display.axisArrowsOn = f[solid::kFlagAxisArrows];
  }

  const auto& r = file.reals;
  if (std::isfinite(r[solid::kRealRotationStep]) && r[solid::kRealRotationStep] > 0)
    rotationStep = r[solid::kRealRotationStep];
  if (r[solid::kRealZoom] >= kSmallestZoom && std::isfinite(r[solid::kRealZoom])) wing.zoomFactor = r[solid::kRealZoom];
  // A record that holds no numbers leaves its slider as it is.
  engine::SliderValues& values = sliderValues();
  for (std::size_t k = 0; k < file.animation.size() && k < values.size(); ++k) {
    const solid::AnimationRecord& a = file.animation[k];
    if (!std::isfinite(a[0]) || !std::isfinite(a[1]) || !std::isfinite(a[2]) || (a[0] == 0 && a[1] == 0 && a[2] == 0))
      continue;
    values[k].low = a[0];
    values[k].value = a[1];
    values[k].high = a[2];
  }
  if (Finite(file.axisLengths)) axisLengths = file.axisLengths;
  if (Finite(file.observer)) observer = file.observer;
  for (std::size_t i = 0; i < preWin.roles.size() && i < file.colourIndices.size(); ++i)
    if (file.colourIndices[i] < kernel::kColorCount) preWin.roles[i] = file.colourIndices[i];

  // The points as they stood; each label is found by its point's name record, also a label whose
  // id lies beyond the entries the file keeps.
  engine::FigureTables& t = tables();
  std::fill(t.label_map.begin(), t.label_map.end(), std::int16_t{-1});
  for (std::size_t i = 0; i < file.points.size(); ++i) {
    t.xyz[i] = file.points[i];
    t.names[i] = file.names[i];
    const std::uint16_t label = file.names[i].label;
    if (label < t.label_map.size()) t.label_map[label] = static_cast<std::int16_t>(i);
  }
  t.last_point = static_cast<std::int16_t>(static_cast<int>(file.points.size()) - 1);
  history().steps = std::move(file.history);
  authorData = file.author;
  modelTables.point_lists = std::move(file.pointLists);
  traces = std::move(file.traces);
  markings = std::move(file.markings);
  SetTraceCapacity(std::max(kTraceBufferFloor, std::min(file.largestTrace, kLongestTrace)));
  textItems.measurements = std::move(file.frameTexts);
  textItems.plain = std::move(file.figureTexts);
  SetEvalTableSize(view::kEvalTableInitialHighest);
  textItems.evaluated.clear();
  for (engine::EvalTextPieceItem& piece : file.evalTexts) {
    const int entry = piece.item.evalCode - kEvalCodeBase;
    while (static_cast<std::size_t>(entry) >= textItems.evalTable.size()) GrowEvalTable();
    textItems.evalTable[static_cast<std::size_t>(entry)] = piece.entry;
    textItems.lastEvalEntry = static_cast<std::int16_t>(entry);
    textItems.evaluated.push_back(piece.item);
  }
  compiler.settings.user_functions.clear();
  for (const engine::UserFunctionImage& image : file.userFunctions)
    compiler.settings.user_functions.push_back(engine::UserFunctionOfImage(image));
  pictures = std::move(file.pictures);
  if (f[solid::kFlagNoGraphWindow] == 0) TakeGraphBlock(file.plot);
  if (notebookWindow() && f[solid::kFlagNoNotebook] == 0) {
    notebookWindow()->SetText(file.notebook);
    notebookWindow()->SetTitle();
  }
  tableText = file.hasTableText ? file.tableText : std::string();

  file.evalTexts.clear();
  file.notebook.clear();
  file.points.clear();
  file.names.clear();
  file.labelMap.clear();
  fileData = std::move(file);
  RefreshFunctionDialog();
  UpdateDataCaption();
}

int TGeomRWin::ReadData() {
  kernel::ByteReader* in = InFile();
  if (!in) return shell::kCannotOpenFile;
  // The whole file is read into fresh data first: a file that cannot be read changes nothing.
  SolidFigureFile file;
  const int result = solid::ReadSolidFigureFile(*in, qelWin.fileKind, 0, file);
  if (result != 0) return result;
  HideToolDialogs();
  TakeFigureFile(file);
  RepairLoadedSteps();
  // The steps run as the version that wrote them; then the window is at its own version again.
  stepEngine.fileVersion = fileData.version;
  ReplayConstruction(true);
  stepEngine.fileVersion = solid::kSolidFileVersion;
  fileMsg.version = solid::kSolidFileVersion;
  ViewStack(0);
  // The model seen from the file's observer in the view it was saved in; a file without a usable
  // view gets the view fitted to the model.
  ComputeModelBox();
  if (RestoreSavedView()) {
    Redraw(0);
  } else {
    Update(false);
  }
  RefreshDialogLists();
  AfterFileLoaded(fileData);
  SetupMenuChecks(true);
  return 0;
}

bool TGeomRWin::RestoreSavedView() {
  const auto& r = fileData.reals;
  const kernel::Real cx = r[solid::kRealViewCentreX];
  const kernel::Real cy = r[solid::kRealViewCentreY];
  const kernel::Real hw = r[solid::kRealViewHalfWidth];
  if (!engine::WithinViewLimit({cx, cy}) || !engine::WithinViewLimit({hw, 0}) || !(hw > kSmallestViewHalfWidth))
    return false;
  SetView(cx, cy, hw, 0, false);
  return true;
}

void TGeomRWin::AfterFileLoaded(const SolidFigureFile& file) {
  if (file.version >= kFirstCheckedTextVersion && file.version <= kLastCheckedTextVersion) {
    CheckTextItems();
  } else {
    RefreshTextItemStates();
  }
  for (int slider = 0; slider < engine::kSliderCount; ++slider) {
    engine::TSlideDlg* panel = sliderDialog(slider);
    if (panel != nullptr && panel->IsCreated()) panel->Hide();
  }
  if (qelWin.printing == 0) {
    for (int k = 0; k < kSlidersPerFlagGroup; ++k) {
      for (const int slider : {k, k + kSlidersPerFlagGroup}) {
        const bool open = slider < kSlidersPerFlagGroup
                              ? file.flags[static_cast<std::size_t>(solid::kFlagFirstSliderShown + k)] != 0
                              : file.flags[static_cast<std::size_t>(solid::kFlagFirstSliderHidden + k)] == 0;
        if (!open) continue;
        ShowSliderDialog(slider);
        if (engine::TSlideDlg* panel = sliderDialog(slider)) panel->ShowValue();
      }
    }
    if (file.flags[solid::kFlagToolbarShown] != 0) ShowToolbar();
  }
  macroInputs = PointsOfMacroList(file.macroInput, tables());
  macroOutputs = PointsOfMacroList(file.macroOutput, tables());
  RebuildMacroCaption();
}

void TGeomRWin::ClearFigure() {
  TGeomQWin::ClearFigure();
  // The settings the file carried for layers that keep none of their own stay with the window.
  SolidFigureFile kept = std::move(fileData);
  fileData = SolidFigureFile{};
  fileData.header = kept.header;
  fileData.flags = kept.flags;
  fileData.reals = kept.reals;
  fileData.planeLayerBlock = kept.planeLayerBlock;
  fileData.animation = kept.animation;
  fileData.colourIndices = kept.colourIndices;
  fileData.plot = std::move(kept.plot);
  traces.clear();
  markings.clear();
  compiler.settings.user_functions.clear();
  tableText.clear();
}

}  // namespace solidview

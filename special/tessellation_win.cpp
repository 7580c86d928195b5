#include "special/tessellation_win.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/fill_trace_records.h"
#include "kernel/number_text.h"
#include "kernel/vector2.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"
#include "view/settings_files.h"

namespace special {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kKindTranslate = 145;
constexpr int kKindQuadrilateral = 22;
constexpr int kNameQuadrilateral = 800;
constexpr Real kDegreesPerRadian = 57.29577951308232L;
constexpr int kStringInclinationAngle = 799;
constexpr int kStringDegrees = 199;
constexpr int kInclinationChars = 20;
// The unit's angle as its step keeps it.
constexpr int kAngleWidth = 18;
constexpr int kAngleDecimals = 16;
// A fill lists at most this many vertices.
constexpr int kMostFillVertices = 100;
// Ends a group of a parsed point list.
constexpr std::uint16_t kGroupEnd = 10000;
// The quadrilateral's vertices show open dots, so they can be seen and grabbed.
constexpr std::uint16_t kOpenDot = 1;
constexpr int kQuadrilateralVertices = 4;
// The view grows from this half size until it reaches the covered region.
constexpr Real kFirstHalfSize = 1;
constexpr Real kViewGrowth = 1.1L;
constexpr Real kViewShare = 0.8L;
// Labels: only those whose shown flag is set.
constexpr int kIndividualLetters = 0;

}  // namespace

TGeomTWin::TGeomTWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {
  qelWin.settingsFileName = view::kTessellationSettingsFile;
  fileMsg.mainHelp = "TESSHELP";
  qelWin.currentTool = plane::kModeDragVertices;
  dragHighlight = 0;
  exports.animationMode = 0;
}

void TGeomTWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = "TESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  qelWin.currentTool = plane::kModeDragVertices;
  CmUnit(kCmdUnit4444);
}

bool TGeomTWin::OnCommand(int id) {
  if (CmUnit(id)) return true;
  if (id == kCmdInclination) {
    CmInclination();
    return true;
  }
  return TGeomEWin::OnCommand(id);
}

void TGeomTWin::EnableCommand(platform::CommandState& state) {
  if ((state.id >= kCmdFirstUnit && state.id <= kCmdLastUnit) || state.id == kCmdInclination) {
    state.enabled = true;
    return;
  }
  TGeomEWin::EnableCommand(state);
}

bool TGeomTWin::CmUnit(int command) {
  const ClassicUnit* unit = ClassicUnitOfCommand(command);
  if (unit == nullptr) return false;
  BuildUnit(*unit);
  return true;
}

void TGeomTWin::BuildUnit(const ClassicUnit& unit) {
  if (const int code = StartUnit(unit.kind, unit.flag); code > 0) {
    Msg(code);
    return;
  }
  for (const UnitPolygon& polygon : unit.polygons) AddUnitFill(polygon.labels, polygon.colour);
  FinishUnit(unit);
}

int TGeomTWin::StartUnit(int kind, int flag) {
  ClearFigure();
  unitKind = kind;
  const Real angle = kernel::ReducedInclination(inclination, kernel::UnitRotationPeriod(kind));
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
  step.text[0] = kernel::FormatLD(angle, kAngleWidth, kAngleDecimals);
  step.flag = static_cast<std::uint8_t>(flag);
  if (const int code = RunNewStep(); code > 0) return code;
  ComputeCoverBox(kind, angle);
  return 0;
}

void TGeomTWin::ComputeCoverBox(int kind, Real angle) {
  const engine::FigureTables& t = tables();
  const std::span<const Point2> unit(t.xy.data(), static_cast<std::size_t>(t.last_point + 1));
  neighbourCount = kernel::UnitNeighbourVectors(kind, angle, unit, neighbourVectors);
  const Point2 a = unit.empty() ? Point2{0, 0} : unit[0];
  coverBox = kernel::CoverBox(a, std::span<const Point2>(neighbourVectors.data(), static_cast<std::size_t>(neighbourCount)));
}

void TGeomTWin::AddUnitFill(std::string_view labels, int colour) {
  kernel::FillRecord record;
  kernel::InitFillRecord(record);
  record.mode = kernel::kFillPolygon;
  record.style = static_cast<std::uint16_t>(colour);
  record.word212 = 0;
  std::string text(labels);
  std::vector<std::uint16_t> list(kMostFillVertices + 1, 0);
  const int last = tables().ParsePointList(text, list, kMostFillVertices);
  // The list's group ends are not vertices.
  std::size_t n = 0;
  for (int k = 0; k <= last; ++k) {
    const std::uint16_t p = list[static_cast<std::size_t>(k)];
    if (p < kGroupEnd) record.vertices[n++] = p;
  }
  record.vertices[n] = kernel::kFillListEnd;
  fills.insert(fills.begin(), std::move(record));
}

void TGeomTWin::RunTranslationStep() {
  if (const int code = RunNewStep(); code > 0) {
    Msg(code);
    return;
  }
  // As after a translation command: its undo mark, and the copies of the fills it moved.
  PushUndoMark(kKindTranslate);
  TransformFills();
}

void TGeomTWin::FinishUnit(const ClassicUnit& unit) {
  fileMsg.fileName = resources::LoadString(unit.nameId) + ".kv2";
  fileMsg.named = 0;
  const int decimals = numberFormat.decimals;
  // The unit along the first vector at 1, -1, 2, -2 ... times it.
  for (int i = 0; i < unit.count1; ++i) {
    const int k = (i % 2 == 0 ? 1 : -1) * ((i + 2) / 2);
    kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kKindTranslate),
                                                           static_cast<std::int16_t>(unit.from1),
                                                           static_cast<std::int16_t>(unit.to1));
    step.text[0] = kernel::FormatLD(k, 0, decimals);
    step.text[1] = std::string(unit.points);
    RunTranslationStep();
  }
  // That strip along the second vector: the first step moves everything, each later one the
  // copies the step before made, by 1, -2, 3, -4 ... times the vector, so the strips land at
  // 1, -1, 2, -2 ... times it.
  std::string everything;
  tables().PointNameRange(everything);
  for (int i = 0; i < unit.count2; ++i) {
    const int k = (i % 2 == 0 ? 1 : -1) * (i + 1);
    kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kKindTranslate),
                                                           static_cast<std::int16_t>(unit.from2),
                                                           static_cast<std::int16_t>(unit.to2));
    step.text[0] = kernel::FormatLD(k, 0, decimals);
    step.text[1] = everything;
    step.flag = i > 0 ? 1 : 0;
    RunTranslationStep();
  }
  // The view grows from a small square about the region's centre while it stays inside the
  // region, and then takes four fifths of the last size.
  const Point2 centre{(coverBox.xmin + coverBox.xmax) / 2, (coverBox.ymin + coverBox.ymax) / 2};
  Real hw = kFirstHalfSize;
  Real hh = kFirstHalfSize;
  for (;;) {
    PlaceView(centre, hw, hh);
    hw = mapping.halfWidth;
    hh = mapping.halfHeight;
    if (!ViewInsideCoverBox()) break;
    hw *= kViewGrowth;
    hh *= kViewGrowth;
  }
  PlaceView(centre, hw * kViewShare, hh * kViewShare);
  engine::FigureTables& t = tables();
  for (int i = 0; i <= t.last_point; ++i) {
    engine::PointNameRecord& name = t.names[static_cast<std::size_t>(i)];
    name.shown = 0;
    name.marker = unit.nameId == kNameQuadrilateral && i < kQuadrilateralVertices ? kOpenDot : 0;
  }
  labelDisplay.labelMode = kIndividualLetters;
  SetupMenuChecks(false);
  ViewChanged();
}

int TGeomTWin::CmInclination() {
  std::string text = kernel::FormatLD(inclination * kDegreesPerRadian, 0, numberFormat.decimals);
  if (AskValue(kStringInclinationAngle, kStringDegrees, text, kInclinationChars) != platform::IDOK) return -1;
  engine::ExprValue value;
  if (CompileExpression(text, value) > 0) {
    Msg(shell::kCannotUnderstand);
    return shell::kCannotUnderstand;
  }
  inclination = value.x / kDegreesPerRadian;
  return 0;
}

void TGeomTWin::PlaceView(const Point2& centre, Real halfWidth, Real halfHeight) {
  mapping.centre = centre;
  mapping.halfWidth = halfWidth;
  mapping.halfHeight = halfHeight;
  UpdateView();
}

void TGeomTWin::ViewChanged() {
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeomTWin::RecentreView() {
  if (unitKind == kKindQuadrilateral) {
    // The quadrilateral may have been dragged since the tiling was built: its lattice and the
    // region it covers follow its vertices now.
    const engine::FigureTables& t = tables();
    if (t.last_point >= kQuadrilateralVertices - 1) ComputeCoverBox(unitKind, 0);
  }
  const std::span<const Point2> vectors(neighbourVectors.data(), static_cast<std::size_t>(neighbourCount));
  PlaceView(kernel::RecentredCentre(mapping.centre, vectors), mapping.halfWidth, mapping.halfHeight);
}

void TGeomTWin::Zoom(bool out) {
  RecentreView();
  const Real hw = mapping.halfWidth;
  const Real hh = mapping.halfHeight;
  const Real f = out ? wing.zoomFactor : 1 / wing.zoomFactor;
  PlaceView(mapping.centre, hw * f, hh * f);
  // A view that would reach past the tiled region is refused.
  if (!ViewInsideCoverBox()) PlaceView(mapping.centre, hw, hh);
  ViewChanged();
}

void TGeomTWin::ShiftView(Real dx, Real dy) {
  RecentreView();
  const Point2 before = mapping.centre;
  const Real hw = mapping.halfWidth;
  const Real hh = mapping.halfHeight;
  const Point2 shifted{before.x + 2 * hw * dx, before.y + 2 * hh * dy};
  PlaceView(shifted, hw, hh);
  // Past the region's edge the view jumps back by the first lattice vector that brings it inside.
  for (int i = 0; i < neighbourCount && !ViewInsideCoverBox(); ++i) {
    PlaceView(shifted + neighbourVectors[static_cast<std::size_t>(i)], hw, hh);
  }
  // A shift so long that no lattice vector brings the view back is refused.
  if (!ViewInsideCoverBox()) PlaceView(before, hw, hh);
  ViewChanged();
}

}  // namespace special

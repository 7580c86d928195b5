#include "special/guess_win.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/windows/arrow_drawing.h"
#include "kernel/fill_trace_records.h"
#include "kernel/number_text.h"
#include "kernel/transform_hint.h"
#include "kernel/vector2.h"
#include "plane/step_operands.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"
#include "view/dc_figure_painter.h"
#include "view/settings_files.h"

namespace special {

namespace {

using kernel::Point2;

constexpr int kCoordinatePointKind = 122;
constexpr int kSegmentKind = 111;
constexpr int kRelabelKind = 120;
// The coordinates of the given points: 17 decimals in a field of 19.
constexpr int kCoordinateWidth = 19;
constexpr int kCoordinateDecimals = 17;
// The triangles' colour indexes: red, and blue until the player succeeds.
constexpr std::uint16_t kRed = 4;
constexpr std::uint16_t kBlue = 6;

constexpr int kStringCaption = 784;
constexpr int kStringAttempt = 785;
constexpr int kStringSuccess = 88;
constexpr int kStringCentreOutside = 789;
// The hint's word of each kind.
constexpr std::array<int, kernel::kGuessKindCount> kHintWords{221, 225, 773, 788, 772, 224};

// The hint's word and note stand this many pixels in from the edges.
constexpr int kHintMargin = 15;
// The centre's disc is never smaller than this (pixels).
constexpr int kSmallestDisc = 4;

constexpr std::array<std::array<int, 2>, 6> kSides{{{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}}};

bool HasCentre(int kind) {
  return kind == kernel::kGuessRotation || kind == kernel::kGuessDilation || kind == kernel::kGuessRotaryDilation;
}

// Whether the fill lists exactly the three points from `first` on.
bool FillsTriangle(const kernel::FillRecord& fill, int first) {
  return fill.mode == kernel::kFillPolygon && fill.vertices[0] == first && fill.vertices[1] == first + 1 &&
         fill.vertices[2] == first + 2 && fill.vertices[3] == kernel::kFillListEnd;
}

kernel::FillRecord TriangleFill(int first, std::uint16_t colour) {
  kernel::FillRecord fill;
  kernel::InitFillRecord(fill);
  fill.mode = kernel::kFillPolygon;
  for (int k = 0; k < 3; ++k) fill.vertices[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(first + k);
  fill.vertices[3] = kernel::kFillListEnd;
  fill.style = colour;
  return fill;
}

}  // namespace

// --- The kinds dialog ------------------------------------------------------------------------------

TGuessDlg::TGuessDlg(TGeomGWin* owner, kernel::GuessKinds* kinds) : TDlg(owner, "GUESS"), owner_(owner), kinds_(kinds) {}

void TGuessDlg::SetupWindow() {
  TDlg::SetupWindow();
  for (int i = 0; i < kernel::kGuessKindCount; ++i) CheckItem(kGuessKindBox + i, (*kinds_)[static_cast<std::size_t>(i)]);
}

void TGuessDlg::OnOk() {
  kernel::GuessKinds ticked{};
  for (int i = 0; i < kernel::kGuessKindCount; ++i) ticked[static_cast<std::size_t>(i)] = IsChecked(kGuessKindBox + i);
  if (std::find(ticked.begin(), ticked.end(), true) == ticked.end()) {
    owner_->Msg(shell::kNeedAtLeastOne);
    return;
  }
  *kinds_ = ticked;
  TDlg::OnOk();
}

// --- The window ------------------------------------------------------------------------------------

TGeomGWin::TGeomGWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {
  qelWin.settingsFileName = view::kGuessSettingsFile;
  fileMsg.mainHelp = "KVGHELP";
}

void TGeomGWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = "GUESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  NewExample();
}

void TGeomGWin::NewExample() {
  ClearFigure();
  engine::StepHistory& h = history();
  h.protected_step = -1;
  attemptCount = 0;
  hintPending = false;
  SetCaption(resources::LoadString(kStringCaption));
  example = kernel::DrawGuessExample(mapping.centre, mapping.halfWidth, mapping.halfHeight, kindEnabled);
  transformKind = example.kind;
  for (const Point2& p : example.points) {
    kernel::ConstructionRecord& step = h.BeginStep(static_cast<kernel::StepKind>(kCoordinatePointKind));
    step.text[0] = kernel::FormatLD(p.x, kCoordinateWidth, kCoordinateDecimals);
    step.text[1] = kernel::FormatLD(p.y, kCoordinateWidth, kCoordinateDecimals);
    RunNewStep();
  }
  for (const auto& [a, b] : kSides) {
    h.BeginStep(static_cast<kernel::StepKind>(kSegmentKind), static_cast<std::int16_t>(a), static_cast<std::int16_t>(b), -1);
    SetStepAttributes(3);
    RunNewStep();
  }
  const engine::FigureTables& t = tables();
  for (int k = 0; k < 3; ++k) {
    const int i = kFirstBlue + k;
    h.BeginStep(static_cast<kernel::StepKind>(kRelabelKind), static_cast<std::int16_t>(t.names[static_cast<std::size_t>(i)].label),
                static_cast<std::int16_t>(i), static_cast<std::int16_t>(example.blueLabels[static_cast<std::size_t>(k)]));
    RunNewStep();
  }
  fills.push_back(TriangleFill(kFirstRed, kRed));
  fills.push_back(TriangleFill(kFirstBlue, kBlue));
  // The example is no work of the player's: Undo stops above it.
  if (!h.steps.empty()) h.protected_step = h.steps.back().sequence;
  fileMsg.modified = 0;
  wing.pictureValid = 0;
  Invalidate(false);
  SetupMenuChecks(false);
}

void TGeomGWin::ChooseTypes() {
  kernel::GuessKinds kinds = kindEnabled;
  TGuessDlg dialog(this, &kinds);
  if (dialog.Execute() == platform::IDOK) kindEnabled = kinds;
}

void TGeomGWin::ShowHint() {
  hintPending = true;
  wing.pictureValid = 0;
  Invalidate(false);
}

bool TGeomGWin::LastTransformSolves() const {
  const std::vector<int>& image = transformImages.image_of;
  const engine::FigureTables& t = tables();
  for (int k = 0; k < 3; ++k) {
    const int source = kFirstRed + k;
    const int target = kFirstBlue + k;
    if (static_cast<std::size_t>(source) >= image.size()) return false;
    const int made = image[static_cast<std::size_t>(source)];
    if (made == target) continue;
    // An image kept as a point of its own (Save labels off) still lands on the vertex.
    if (made < 0 || !t.PointExists(made) || !t.PointExists(target) ||
        kernel::TaxiDist2(t.xy[static_cast<std::size_t>(made)], t.xy[static_cast<std::size_t>(target)]) >
            plane::kCoincidenceTolerance) {
      return false;
    }
  }
  return true;
}

std::string TGeomGWin::AttemptCaption(bool solved) const {
  std::string caption = resources::LoadString(kStringCaption);
  if (solved) return caption + " : " + resources::LoadString(kStringSuccess);
  caption += " (" + std::to_string(attemptCount) + " " + resources::LoadString(kStringAttempt);
  if (attemptCount > 1) caption += "s";
  return caption + ")";
}

void TGeomGWin::AfterTransform() {
  ++attemptCount;
  const bool solved = LastTransformSolves();
  SetCaption(AttemptCaption(solved));
  if (!solved) return;
  // The blue triangle turns red.
  for (kernel::FillRecord& record : fills) {
    if (FillsTriangle(record, kFirstBlue)) {
      record.style = kRed;
      break;
    }
  }
}

int TGeomGWin::EditCoordinates(int i) {
  if (i >= kFirstRed && i < kFirstBlue + 3) return shell::kCannotEditThis;
  return TGeomEWin::EditCoordinates(i);
}

void TGeomGWin::Paint(platform::DC& dc) {
  const bool hinted = hintPending;
  TGeomEWin::Paint(dc);
  // The hint lives in the cached picture; the next paint draws that picture again without it.
  if (hinted) preWin.bufferValid[shell::kWholeBitmap] = 0;
}

void TGeomGWin::PaintAll(view::FigurePainter& painter) {
  if (hintPending) {
    // Over the figure's fills, under the labels and texts; shown once: the next paint is without it.
    DrawHint(painter);
    hintPending = false;
  }
  TGeomEWin::PaintAll(painter);
}

void TGeomGWin::DrawHint(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  std::array<Point2, 6> p{};
  for (int i = 0; i < 6; ++i) {
    if (!t.PointExists(i)) return;
    p[static_cast<std::size_t>(i)] = t.xy[static_cast<std::size_t>(i)];
  }
  const int kind = std::clamp(transformKind, 0, kernel::kGuessKindCount - 1);
  const kernel::TransformHint hint = kernel::ComputeTransformHint(kind, p);
  const kernel::ColorRef background = Color(preWin.roles[0]);
  painter.Save();
  view::TextStyle text = painter.state().text;
  text.font = SlotFont(0);
  text.pointSize = fontWin.pointSizes[0];
  text.color = view::InkColor::Index(kRed);
  text.formula = false;
  painter.SetTextStyle(text);
  const view::LinePen pen{view::InkColor::Index(kRed), HasCentre(kind) ? 1 : 2, view::kLineSolid};
  painter.SetPen(pen);
  painter.SetBrush({true, view::InkColor::Index(preWin.roles[0]), 0});

  if (hint.hasLine) engine::DrawPointChain(painter, hint.linePoint, hint.linePoint + hint.lineDirection, pen, true);
  if (hint.hasArrow) {
    painter.Segment(hint.arrowTail, hint.arrowTip, true);
    Point2 wing1, wing2;
    const kernel::Real length = markingSizes.Size(engine::MarkingSettings::kArrow, mapping.unitsPerPixelX);
    if (kernel::ArrowWings(hint.arrowTail, hint.arrowTip, length, wing1, wing2)) {
      painter.Segment(hint.arrowTip, wing1, true);
      painter.Segment(hint.arrowTip, wing2, true);
    }
  }
  const int right = mapping.offsetX + mapping.width - kHintMargin;
  const int bottom = mapping.offsetY + mapping.height - kHintMargin;
  painter.Text({right, mapping.offsetY + kHintMargin}, resources::LoadString(kHintWords[static_cast<std::size_t>(kind)]), -1,
               -1, background);
  if (hint.found) {
    const bool inView = InView(hint.anchor);
    if (!inView) {
      painter.Text({mapping.offsetX + kHintMargin, bottom}, resources::LoadString(kStringCentreOutside), 1, 1, background);
    } else if (hint.hasCentre) {
      const int thickness = std::max<int>(1, wing.printLineThickness);
      // The disc grows with the device: the screen's width, or the printer's page.
      const int screenWidth = ScreenRect().width;
      const int deviceWidth =
          qelWin.printing ? kernel::RoundLD(screenWidth * qelWin.deviceFactor) : screenWidth;
      const int radius = (deviceWidth + 150) / std::max(1, 1250 / thickness);
      painter.PixelCircle({XToScreen(hint.centre.x), YToScreen(hint.centre.y)}, std::max(kSmallestDisc, radius));
    }
  }
  painter.Restore();
}

bool TGeomGWin::OnCommand(int id) {
  switch (id) {
    case kCmdNewExample: NewExample(); return true;
    case kCmdGuessTypes: ChooseTypes(); return true;
    case kCmdGuessHint: ShowHint(); return true;
    default: return TGeomEWin::OnCommand(id);
  }
}

void TGeomGWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdNewExample || state.id == kCmdGuessTypes || state.id == kCmdGuessHint) {
    state.enabled = true;
    return;
  }
  TGeomEWin::EnableCommand(state);
}

}  // namespace special

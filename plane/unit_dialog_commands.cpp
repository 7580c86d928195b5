// The Units and Circle commands that ask for their data in a dialog: the segment of given length
// and direction, the regular and star polygons, the parallelogram, kite and isosceles trapezoid
// from two sides and the angle between them, regular polygons erected on the segments of a chain,
// the Apollonian circle of two points and the three touching circles centred at the vertices of a
// triangle.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/line_suggestions.h"
#include "engine/step_engine.h"
#include "engine/windows/do_undo_dlg.h"
#include "kernel/number_text.h"
#include "kernel/random.h"
#include "plane/geom11_win.h"
#include "plane/reg_poly_dlg.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "shell/generic_dialogs.h"

namespace plane {

namespace {

constexpr int kCmdUnitSegment = 705;
constexpr int kCmdRegularPolygon = 707;
constexpr int kCmdHypRegularPolygon = 876;
constexpr int kCmdStarPolygon = 711;
constexpr int kCmdParallelogram = 708;
constexpr int kCmdKite = 710;
constexpr int kCmdIsoscelesTrapezoid = 883;
constexpr int kCmdAttachRegular = 808;
constexpr int kCmdApollonian = 768;
constexpr int kCmdTangentCircles = 1134;

constexpr int kKindRegularPolygon = 55;
constexpr int kKindUnitSegment = 64;
constexpr int kKindApollonian = 129;
constexpr int kKindTangentCircles = 133;
constexpr int kKindRegularOnSide = 149;
constexpr int kAttachRegularAction = 14;

constexpr int kDialogTextChars = 40;
// The one-value inputs of the segment: 40 characters and the terminating NUL.
constexpr int kSegmentInputSize = 41;
constexpr int kStringDegrees = 199;
constexpr int kStringAngle = 208;
constexpr int kStringNewSegment = 237;
constexpr int kStringLength = 244;
constexpr int kTangentCirclesChars = 50;
constexpr int kStringTangentCircles = 697;
constexpr int kStringThreeCentres = 699;
// Entries of a typed chain of points.
constexpr int kChainEntries = 99;

// A quadrilateral from side, angle, side: its kind and the defaults of each geometry.
struct SideAngleSide {
  int command;
  int kind;
  std::array<const char*, 3> euclidean;
  std::array<const char*, 3> hyperbolic;
  std::array<const char*, 3> spherical;
};

constexpr std::array<SideAngleSide, 3> kSideAngleSide{{
    {kCmdParallelogram, 56, {"5.0", "60.0", "8.0"}, {"1.0", "60.0", "1.6"}, {"0.6", "80.0", "0.8"}},
    {kCmdKite, 58, {"5.0", "60.0", "8.0"}, {"1.0", "60.0", "1.6"}, {"0.6", "80.0", "0.8"}},
    {kCmdIsoscelesTrapezoid, 63, {"5.0", "60.0", "3.0"}, {"1.0", "60.0", "3.0"}, {"0.6", "80.0", "3.0"}},
}};

void UpperCase(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

// The points a typed chain names in order, the group ends left out.
std::vector<int> ChainPoints(const engine::FigureTables& t, std::string text) {
  UpperCase(text);
  std::array<std::uint16_t, kChainEntries + 1> list{};
  const int last = t.ParsePointList(text, list, kChainEntries);
  std::vector<int> points;
  for (int k = 0; k <= last && k < kChainEntries; ++k) {
    if (list[static_cast<std::size_t>(k)] != engine::kGroupEnd) points.push_back(list[static_cast<std::size_t>(k)]);
  }
  return points;
}

}  // namespace

int TGeom11Win::UnitSegmentStep(const std::string& length, const std::string& angle) {
  if (tables().last_point + 2 > engine::kLastPointLimit) return engine::kMsgCouldNotFind;
  kernel::ConstructionRecord& step = BeginUnitStep(kKindUnitSegment);
  step.text[0] = length.substr(0, kernel::kConstructionTextFieldChars);
  step.text[1] = angle.substr(0, kernel::kConstructionTextFieldChars);
  return RunNewStep();
}

void TGeom11Win::AskUnitSegment() {
  if (tables().last_point + 2 > engine::kLastPointLimit) {
    Msg(engine::kMsgCouldNotFind);
    return;
  }
  std::string length = "1.0";
  if (AskValue(kStringNewSegment, kStringLength, length, kSegmentInputSize) != platform::IDOK) return;
  std::string angle = "0.0";
  if (!model().Spherical) {
    const std::string degrees = resources::LoadString(kStringDegrees);
    const std::string prompt = resources::LoadString(kStringAngle) + " (" + degrees + ")";
    shell::TInpDlg dialog(this, degrees, prompt, &angle, kSegmentInputSize);
    if (dialog.Execute() != platform::IDOK) return;
  }
  if (const int code = UnitSegmentStep(length, angle); code > 0) Msg(code);
}

int TGeom11Win::RegularPolygonStep(const std::string& sides, const PolygonShape& shape, const std::string& length,
                                   const std::string& angle) {
  const engine::FigureTables& t = tables();
  const long n = std::strtol(sides.c_str(), nullptr, 10);
  if (n < 3 || (shape.star && (shape.offset < 1 || n < shape.offset + 1)) ||
      t.last_line + n > engine::kLastLineLimit) {
    return engine::kMsgOutOfBounds;
  }
  if (t.last_point + n > engine::kLastPointLimit) return engine::kMsgCouldNotFind;
  kernel::ConstructionRecord& step = BeginUnitStep(kKindRegularPolygon);
  step.operands[0] = static_cast<std::uint16_t>(n);
  if (shape.star) {
    step.operands[1] = static_cast<std::uint16_t>(shape.offset);
    step.flag = 1;
  } else if (shape.mode != 0) {
    step.operands[1] = static_cast<std::uint16_t>(shape.mode);
  }
  step.text[0] = length.substr(0, kernel::kConstructionTextFieldChars);
  step.text[1] = angle.substr(0, kernel::kConstructionTextFieldChars);
  const int code = RunNewStep();
  if (code <= 0) SetupMenuChecks(false);
  return code;
}

void TGeom11Win::RegularPolygon() {
  std::string sides = std::to_string(kernel::Rand31() % 3 + 5);
  std::string length = kernel::FormatLD(1, 0, 3);
  shell::TGenDlg dialog(this, "REGPOLY", kDialogTextChars, &sides, &length);
  if (dialog.Execute() != platform::IDOK) return;
  if (const int code = RegularPolygonStep(sides, {}, length, ""); code > 0) Msg(code);
}

void TGeom11Win::HypRegularPolygon() {
  const bool spherical = model().Spherical != 0;
  int n = static_cast<int>(kernel::Rand31() % 3 + 5);
  if (spherical && n == 6) n = 4;
  std::string sides = std::to_string(n);
  std::string length = kernel::FormatLD(static_cast<kernel::Real>(0.6L), 0, 3);
  std::string angle = kernel::FormatLD(180 - static_cast<kernel::Real>(360) / (spherical ? n + 1 : n - 1), 0, 4);
  int mode = kRegPolyByAngle;
  THRegPolyDlg dialog(this, &mode, kDialogTextChars, &sides, &length, &angle);
  if (dialog.Execute() != platform::IDOK) return;
  if (const int code = RegularPolygonStep(sides, {.mode = mode}, length, angle); code > 0) Msg(code);
}

void TGeom11Win::StarPolygon() {
  std::string sides = std::to_string(2 * (kernel::Rand31() % 3) + 5);
  std::string offset = "2";
  std::string length = kernel::FormatLD(1, 0, 3);
  shell::TGenDlg dialog(this, "STARPOLY", kDialogTextChars, &sides, &offset, &length);
  if (dialog.Execute() != platform::IDOK) return;
  // Any offset past the largest count of sides is refused as one.
  const long k = std::clamp<long>(std::strtol(offset.c_str(), nullptr, 10), 0, engine::kLastLineLimit + 1);
  const PolygonShape shape{.star = true, .offset = static_cast<int>(k)};
  if (const int code = RegularPolygonStep(sides, shape, length, ""); code > 0) Msg(code);
}

int TGeom11Win::SideAngleSideQuadrilateral(int kind, const std::array<std::string, 3>& texts) {
  const engine::FigureTables& t = tables();
  if (t.last_point + 4 > engine::kLastPointLimit || t.last_line + 4 > engine::kLastLineLimit) {
    return engine::kMsgNoMoreRoom;
  }
  kernel::ConstructionRecord& step = BeginUnitStep(kind);
  for (std::size_t k = 0; k < texts.size(); ++k) step.text[k] = texts[k].substr(0, kernel::kConstructionTextFieldChars);
  return RunNewStep();
}

void TGeom11Win::AskSideAngleSide(int command) {
  for (const SideAngleSide& shape : kSideAngleSide) {
    if (shape.command != command) continue;
    const std::array<const char*, 3>& defaults =
        model().Hyperbolic ? shape.hyperbolic : model().Spherical ? shape.spherical : shape.euclidean;
    std::array<std::string, 3> texts{defaults[0], defaults[1], defaults[2]};
    shell::TGenDlg dialog(this, "SASDATA", kDialogTextChars, &texts[0], &texts[1], &texts[2]);
    if (dialog.Execute() != platform::IDOK) return;
    if (const int code = SideAngleSideQuadrilateral(shape.kind, texts); code > 0) Msg(code);
    SetupMenuChecks(false);
    return;
  }
}

void TGeom11Win::ShowAttachRegularDialog() {
  std::string line;
  std::string unused;
  engine::SuggestLineInput(tables(), line, engine::LineSuggestion::kLine, unused);
  if (!attachRegularDialog_) {
    attachRegularDialog_ = std::make_unique<engine::TDoUndoDlg>(
        this, "GLUEREG", kAttachRegularAction, kKindRegularOnSide, engine::kDoUndoTextLimit,
        engine::DialogTexts{"4", line, "", "", ""});
  }
  attachRegularDialog_->Show();
}

int TGeom11Win::DoAttachRegular(std::string& sides, std::string& chain) {
  const engine::FigureTables& t = tables();
  const std::vector<int> points = ChainPoints(t, chain);
  if (points.size() < 2) return engine::kMsgCannotUnderstand;
  // The executor refuses a count of sides it cannot draw.
  const long n = std::strtol(sides.c_str(), nullptr, 10);
  if (n < 0 || n > engine::kLastLineLimit) return engine::kMsgCannotUnderstand;
  bool appended = false;
  int code = 0;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const int p = points[k - 1];
    const int q = points[k];
    if (p == q || !t.PointExists(p) || !t.PointExists(q)) continue;
    kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kKindRegularOnSide),
                                                           static_cast<std::int16_t>(n), static_cast<std::int16_t>(p),
                                                           static_cast<std::int16_t>(q),
                                                           static_cast<std::int16_t>(FindLineThrough(p, q)));
    step.operands[39] = history().save_labels ? kernel::kNoOperand : 1;
    SetStepAttributes(4);
    code = RunNewStep();
    if (code > 0) break;
    appended = true;
  }
  if (appended) {
    Update(true);
    Invalidate(false);
  }
  return code > 0 ? code : 0;
}

int TGeom11Win::ApollonianStep(const std::string& a, const std::string& b, const std::string& ratio) {
  std::string nameA = a;
  std::string nameB = b;
  UpperCase(nameA);
  UpperCase(nameB);
  const int pa = FindPointByName(nameA);
  const int pb = FindPointByName(nameB);
  if (!tables().PointExists(pa) || !tables().PointExists(pb)) return engine::kMsgCannotUnderstand;
  kernel::ConstructionRecord& step = BeginUnitStep(kKindApollonian);
  step.operands[0] = static_cast<std::uint16_t>(pa);
  step.operands[1] = static_cast<std::uint16_t>(pb);
  step.text[0] = ratio.substr(0, kernel::kConstructionTextFieldChars);
  return RunNewStep();
}

void TGeom11Win::AskApollonianCircle() {
  const engine::FigureTables& t = tables();
  std::array<std::string, 2> names;
  int found = 0;
  for (int i = t.last_point; i >= 0 && found < 2; --i) {
    if (t.PointExists(i)) t.GetPointName(i, names[static_cast<std::size_t>(1 - found++)]);
  }
  std::string ratio = "2.0";
  shell::TGenDlg dialog(this, "APOLLO", kDialogTextChars, &names[0], &names[1], &ratio);
  if (dialog.Execute() != platform::IDOK) return;
  if (const int code = ApollonianStep(names[0], names[1], ratio); code > 0) Msg(code);
  RefreshDialogLists();
}

int TGeom11Win::TangentCirclesStep(const std::string& centres) {
  const std::vector<int> points = ChainPoints(tables(), centres);
  if (points.size() < 3) return engine::kMsgCannotUnderstand;
  history().BeginStep(static_cast<kernel::StepKind>(kKindTangentCircles), static_cast<std::int16_t>(points[0]),
                      static_cast<std::int16_t>(points[1]), static_cast<std::int16_t>(points[2]), 0);
  SetStepAttributes(4);
  const int code = RunNewStep();
  if (code <= 0) RefreshDialogLists();
  return code;
}

void TGeom11Win::AskTangentCircles() {
  const engine::FigureTables& t = tables();
  if (t.last_point + 3 > engine::kLastPointLimit || t.last_circle + 3 > engine::kLastCircleLimit) {
    Msg(engine::kMsgNoMoreRoom);
    return;
  }
  std::string text;
  if (!t.ListPointNames(text, 3)) return;
  if (AskValue(kStringThreeCentres, kStringTangentCircles, text, kTangentCirclesChars) != platform::IDOK) return;
  if (const int code = TangentCirclesStep(text); code > 0) Msg(code);
}

bool TGeom11Win::UnitDialogCommand(int id) {
  switch (id) {
    case kCmdUnitSegment: AskUnitSegment(); return true;
    case kCmdRegularPolygon: RegularPolygon(); return true;
    case kCmdHypRegularPolygon: HypRegularPolygon(); return true;
    case kCmdStarPolygon: StarPolygon(); return true;
    case kCmdParallelogram:
    case kCmdKite:
    case kCmdIsoscelesTrapezoid: AskSideAngleSide(id); return true;
    case kCmdAttachRegular: ShowAttachRegularDialog(); return true;
    case kCmdApollonian: AskApollonianCircle(); return true;
    case kCmdTangentCircles: AskTangentCircles(); return true;
    default: return false;
  }
}

bool TGeom11Win::EnableUnitDialogCommand(platform::CommandState& state) {
  const engine::FigureTables& t = tables();
  switch (state.id) {
    case kCmdAttachRegular: {
      std::string line;
      std::string unused;
      state.enabled = engine::SuggestLineInput(t, line, engine::LineSuggestion::kLine, unused);
      return true;
    }
    case kCmdApollonian: state.enabled = t.last_point >= 1; return true;
    case kCmdTangentCircles: state.enabled = t.last_point >= 2; return true;
    default: return false;
  }
}

}  // namespace plane

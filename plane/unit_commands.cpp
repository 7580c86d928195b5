// The commands of the Units menu that make unit and random figures, and Edit > Randomize.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/step_engine.h"
#include "kernel/random.h"
#include "plane/geom11_win.h"
#include "shell/file_msg_win.h"

namespace plane {

namespace {

constexpr int kCmdRandomize = 720;
constexpr int kCmdRandomTriangle = 712;
constexpr int kCmdRandomCircle = 706;
constexpr int kCmdInscribedPolygon = 714;
constexpr int kCmdConvexPolygon = 715;
constexpr int kCmdIsoscelesTriangle = 873;
constexpr int kCmdRightTriangle = 713;
constexpr int kCmdKite = 722;
constexpr int kCmdRhombus = 875;

constexpr int kKindRandomCircle = 54;
constexpr int kKindRandomTriangle = 60;
constexpr int kKindRandomPolygon = 62;
constexpr int kKindRandomRightTriangle = 61;
constexpr int kKindRandomKite = 65;
constexpr int kKindRandomIsoscelesTriangle = 73;
constexpr int kKindRandomRhombus = 75;

constexpr int kStringInput = 5;
constexpr int kStringSides = 236;

}  // namespace

kernel::ConstructionRecord& TGeom11Win::BeginUnitStep(int kind) {
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
  step.operands[3] = static_cast<std::uint16_t>(currentLinePen.colour - 1);
  step.operands[4] = static_cast<std::uint16_t>(currentLinePen.width - 1);
  step.operands[5] = static_cast<std::uint16_t>(currentLinePen.style - 1);
  return step;
}

int TGeom11Win::RunUnitStep() {
  const int result = RunNewStep();
  if (result > 0) Msg(result);
  SetupMenuChecks(false);
  return result;
}

int TGeom11Win::RandomFigure(int kind, bool snap) {
  BeginUnitStep(kind);
  const int result = RunUnitStep();
  if (snap && result <= 0) SnapNewFigure();
  return result;
}

void TGeom11Win::SnapNewFigure() {
  const engine::FigureTables& t = tables();
  const std::vector<kernel::Point2> before(t.xy.begin(), t.xy.begin() + (t.last_point + 1));
  SnapToLattice(-1);
  const bool moved = !std::equal(before.begin(), before.end(), t.xy.begin(),
                                 [](const kernel::Point2& a, const kernel::Point2& b) { return a.x == b.x && a.y == b.y; });
  if (!moved) return;
  ReplayConstruction(true);
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeom11Win::RandomPolygon(int convex) {
  const engine::FigureTables& t = tables();
  int n = kernel::Rand31() % 3 + 5;
  const int result = AskIntInRange(kStringInput, kStringSides, 3, engine::kLastLineLimit - t.last_line, n, false);
  if (result == shell::kAskCancelled) return;
  if (result != 0) {
    Msg(result);
    return;
  }
  if (t.last_point + n > engine::kLastPointLimit) {
    Msg(engine::kMsgCouldNotFind);
    return;
  }
  kernel::ConstructionRecord& step = BeginUnitStep(kKindRandomPolygon);
  step.operands[0] = static_cast<std::uint16_t>(n);
  step.flag = static_cast<std::uint8_t>(convex != 0);
  if (RunUnitStep() <= 0 && convex != 0) SnapNewFigure();
}

void TGeom11Win::Randomize() {
  stepEngine.building = 1;
  ReplayConstruction(false);
  stepEngine.building = 0;
  SetModified();
  Update(true);
  Invalidate(false);
}

bool TGeom11Win::OnCommand(int id) {
  if (TransformCommand(id) || HistoryCommand(id) || UnitDialogCommand(id)) return true;
  switch (id) {
    case kCmdRandomTriangle: RandomFigure(kKindRandomTriangle, true); return true;
    case kCmdRandomCircle:
      if (tables().last_circle >= engine::kLastCircleLimit) {
        Msg(engine::kMsgNoMoreRoom);
      } else {
        RandomFigure(kKindRandomCircle, true);
      }
      return true;
    case kCmdIsoscelesTriangle: RandomFigure(kKindRandomIsoscelesTriangle); return true;
    case kCmdRightTriangle: RandomFigure(kKindRandomRightTriangle); return true;
    case kCmdKite: RandomFigure(kKindRandomKite); return true;
    case kCmdRhombus: RandomFigure(kKindRandomRhombus); return true;
    case kCmdInscribedPolygon: RandomPolygon(0); return true;
    case kCmdConvexPolygon: RandomPolygon(1); return true;
    case kCmdRandomize: Randomize(); return true;
    default:
      return AnimMeasCommand(id) || TracingCommand(id) || ObjectDialogCommand(id) || TGeom10Win::OnCommand(id);
  }
}

void TGeom11Win::EnableCommand(platform::CommandState& state) {
  if (EnableAnimMeasCommand(state)) return;
  if (EnableTracingCommand(state)) return;
  if (EnableHistoryCommand(state)) return;
  if (EnableUnitDialogCommand(state)) return;
  if (state.id == kCmdRandomize) {
    state.enabled = stepEngine.randomize_allowed != 0;
    return;
  }
  TGeom10Win::EnableCommand(state);
}

}  // namespace plane

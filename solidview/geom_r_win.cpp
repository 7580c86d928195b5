#include "solidview/geom_r_win.h"

#include <algorithm>
#include <cmath>

#include "engine/step_engine.h"
#include "engine/step_kinds.h"
#include "solid/library_polyhedron.h"
#include "solid/poly_lib_dlg.h"

namespace solidview {

namespace {
constexpr int kPrismPyramidFromPlaneKind = 300;
constexpr int kNPrismKind = 303;
constexpr int kCmdClassics = 859;
constexpr int kCmdPerpendicularToLine = 670;
constexpr int kCmdPerpendicularToPlane = 671;
}  // namespace

TGeomRWin::TGeomRWin(platform::FrameWindow* parent, std::string_view title) : TGeomQWin(parent, title, false) {}

TGeomRWin::~TGeomRWin() = default;

int TGeomRWin::BuildSolidFromPolygon(const plane::SolidHandOver& handOver) {
  const std::size_t n =
      std::min({handOver.base.size(), handOver.labels.size(), static_cast<std::size_t>(kernel::kFaceVertexCapacity)});
  engine::FigureTables& t = tables();
  for (std::size_t i = 0; i < n; ++i) t.xyz[i] = {handOver.base[i].x, handOver.base[i].y, 0};
  kernel::ConstructionRecord& step = history().BeginStep(kPrismPyramidFromPlaneKind);
  step.operands[0] = static_cast<std::uint16_t>(n);
  for (std::size_t i = 0; i < n; ++i) step.operands[1 + i] = handOver.labels[i];
  step.flag = handOver.prism ? 1 : 0;
  step.parameters[0] = handOver.dx;
  step.parameters[1] = handOver.dy;
  step.parameters[2] = handOver.altitude;
  const int code = RunNewStep();
  SetModified();
  return code;
}

bool TGeomRWin::OnCommand(int id) {
  switch (id) {
    case kCmdClassics: CmClassics(); return true;
    case kCmdPerpendicularToLine: CmPerpendicularToLine(); return true;
    case kCmdPerpendicularToPlane: CmPerpendicularToPlane(); return true;
    default: return TGeomQWin::OnCommand(id);
  }
}

void TGeomRWin::OnDestroy() {
  polyLibDialog_.reset();
  lineAltitudeDialog_.reset();
  planeAltitudeDialog_.reset();
  TGeomQWin::OnDestroy();
}

solid::TPolyLibDlg* TGeomRWin::CmClassics() {
  if (!polyLibDialog_) polyLibDialog_ = std::make_unique<solid::TPolyLibDlg>(this);
  polyLibDialog_->Show();
  return polyLibDialog_.get();
}

int TGeomRWin::CheckModelRoom(int points, int faces) {
  if (tables().last_point + points <= engine::kLastPointLimit && solid().last_face + faces <= engine::kFaceCapacity - 1) {
    return 0;
  }
  Msg(engine::kMsgNoMoreRoom);
  return engine::kMsgNoMoreRoom;
}

int TGeomRWin::RunLibraryStep() {
  const int code = RunNewStep();
  if (code > 0) Msg(code);
  return code;
}

int TGeomRWin::BuildLibraryPolyhedron(int kind, const std::string& edge, int colour, bool mirror, int centre) {
  const solid::LibrarySolid* s = solid::FindLibrarySolid(engine::LibrarySolidCode(kind, mirror ? 1 : 0));
  if (s != nullptr && s->faceTable.size() >= 2) {
    if (const int code = CheckModelRoom(s->faceTable[0], s->faceTable[1]); code != 0) return code;
  }
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
  step.operands[0] = centre < 0 ? kernel::kNoOperand : static_cast<std::uint16_t>(centre);
  step.operands[1] = solid::kNewFormatMarker;
  step.flag = mirror ? 1 : 0;
  step.parameters[5] = colour + 1;
  step.text[0] = edge.substr(0, kernel::kConstructionTextFieldChars);
  const int code = RunLibraryStep();
  if (code > 0) return code;
  if (!solid::IsConvexLibraryCode(kind)) {
    convexityAssumed = 0;
    SetupMenuChecks(true);
  }
  RefreshFaceDialog();
  return code;
}

int TGeomRWin::BuildLibraryPolyhedronEx(int kind, const std::string& edge, int n, int colour, int centre) {
  if (n < 3) return 0;
  // The n-prism has two n-gons and n squares, the n-antiprism two n-gons and 2n triangles.
  if (const int code = CheckModelRoom(2 * n, kind == kNPrismKind ? n + 2 : 2 * n + 2); code != 0) return code;
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
  step.operands[0] = static_cast<std::uint16_t>(n);
  step.operands[1] = 1;
  step.operands[2] = centre < 0 ? kernel::kNoOperand : static_cast<std::uint16_t>(centre);
  step.operands[3] = static_cast<std::uint16_t>(colour);
  step.text[0] = edge.substr(0, kernel::kConstructionTextFieldChars);
  step.text[1] = step.text[0];
  // The height of the antiprism of unit edge.
  const kernel::Real c = std::cos(kernel::Pi / (2 * n));
  step.parameters[0] = std::sqrt(1 - 1 / (4 * c * c));
  const int code = RunLibraryStep();
  if (code <= 0) RefreshFaceDialog();
  return code;
}

}  // namespace solidview

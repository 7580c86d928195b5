#include "special/hyperbolic_tessellation_win.h"

#include "kernel/construction_record.h"
#include "kernel/triangle_group_checks.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "shell/generic_dialogs.h"
#include "shell/message_numbers.h"

namespace special {

namespace {

constexpr int kKindHyperbolicTessellation = 30;
constexpr int kStringHyperbolicTessellation = 248;  // "hyperbolic tesselation"
constexpr int kOrderChars = 20;

}  // namespace

TGeomUWin::TGeomUWin(platform::FrameWindow* parent, std::string_view title)
    : TriangleGroupWindow<plane::TGeomEWin>(parent, title, 1) {
  fileMsg.mainHelp = "HTESSHELP";
  dragHighlight = 0;
  Rename(resources::LoadString(kStringHyperbolicTessellation));
}

void TGeomUWin::SetupWindow() {
  TriangleGroupWindow<plane::TGeomEWin>::SetupWindow();
  const char* menuName = "HTESSMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  SetupMenuChecks(false);
}

bool TGeomUWin::OnCommand(int id) {
  if (id == kCmdTess) {
    CmTess();
    return true;
  }
  return TriangleGroupWindow<plane::TGeomEWin>::OnCommand(id);
}

void TGeomUWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdTess) {
    state.enabled = true;
    return;
  }
  TriangleGroupWindow<plane::TGeomEWin>::EnableCommand(state);
}

int TGeomUWin::CmTess() {
  std::array<std::string, 3> orders;
  for (std::size_t k = 0; k < orders.size(); ++k) orders[k] = std::to_string(triple[k]);
  shell::TGenDlg dialog(this, "HTESS", kOrderChars, &orders[0], &orders[1], &orders[2]);
  if (dialog.Execute() != platform::IDOK) return -1;
  const int code = Tessellate(orders);
  if (code > 0) Msg(code);
  return code;
}

int TGeomUWin::Tessellate(const std::array<std::string, 3>& orders) {
  std::array<int, 3> pqr{};
  for (std::size_t k = 0; k < orders.size(); ++k) {
    if (!kernel::ReadWholeNumber(orders[k], pqr[k])) return shell::kOutOfBounds;
  }
  return Tessellate(pqr[0], pqr[1], pqr[2]);
}

int TGeomUWin::Tessellate(int p, int q, int r) {
  switch (kernel::CheckTriangleGroup(p, q, r)) {
    case kernel::TriangleGroupFault::kNone: break;
    case kernel::TriangleGroupFault::kNotHyperbolic: return shell::kInconsistentData;
    default: return shell::kOutOfBounds;
  }
  ClearFigure();
  triple = {static_cast<std::int16_t>(p), static_cast<std::int16_t>(q), static_cast<std::int16_t>(r)};
  kernel::ConstructionRecord& step =
      history().BeginStep(static_cast<kernel::StepKind>(kKindHyperbolicTessellation), static_cast<std::int16_t>(p),
                          static_cast<std::int16_t>(q), static_cast<std::int16_t>(r),
                          static_cast<std::int16_t>(kernel::TriangleGroupTessellationDepth(p, q, r)));
  const std::string name = resources::LoadString(kStringHyperbolicTessellation) + "(" + std::to_string(p) + "," +
                           std::to_string(q) + "," + std::to_string(r) + ")";
  step.text[0] = name;
  // The step is appended only when it was built whole; else the figure stays empty.
  const int code = RunNewStep();
  Rename(code > 0 ? resources::LoadString(kStringHyperbolicTessellation) : name);
  // The letters of the vertices come only with Edit > Labels > Letters on/off.
  engine::FigureTables& t = tables();
  for (int i = 0; i <= t.last_point; ++i) t.names[static_cast<std::size_t>(i)].shown = 0;
  SetModelView();
  wing.pictureValid = 0;
  Invalidate(false);
  return code > 0 ? code : 0;
}

void TGeomUWin::NewFigure() {
  TriangleGroupWindow<plane::TGeomEWin>::NewFigure();
  Rename(resources::LoadString(kStringHyperbolicTessellation));
}

void TGeomUWin::Rename(std::string name) {
  fileMsg.fileName = std::move(name);
  fileMsg.named = 0;
  UpdateCaption(false);
}

}  // namespace special

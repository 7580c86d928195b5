// Commands of the plane window that act on the whole figure or on the window's settings: point
// coordinates (the axes come on first), the coordinate editor or, in the Poincare disk, centring a
// vertex, autoextend, and the enablers of the equation dialogs and the coordinate editor.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/selected_point_maps.h"
#include "engine/step_engine.h"
#include "platform/message_box.h"
#include "plane/geom_e_win.h"

namespace plane {

namespace {

constexpr int kCmdPointCoordinates = 789;
constexpr int kCmdLineEquation = 831;
constexpr int kCmdCircleEquation = 832;
constexpr int kCmdConicEquation = 844;
constexpr int kStringCenter = 171;
constexpr int kCentreTextChars = 20;
constexpr int kCentreLabels = 10;
// A parameter this close to an end of its segment counts as outside it.
constexpr kernel::Real kSegmentEnd = 1e-16L;

}  // namespace

bool TGeomEWin::WindowCommand(int id) {
  switch (id) {
    case kCmdPointCoordinates:
      if (!axes.axesShown) ToggleAxes();
      ShowCoordinateDialog();
      return true;
    case kCmdGridCoordinates:
      if (!hyperbolic) {
        CmGridCoordinates();
      } else if (!halfPlane) {
        CentreVertex();
      }
      return true;
    case kCmdAutoextend: ToggleAutoextend(); return true;
    default: return false;
  }
}

bool TGeomEWin::EnableWindowCommand(platform::CommandState& state) const {
  switch (state.id) {
    case kCmdLineEquation:
    case kCmdCircleEquation:
    case kCmdConicEquation: state.enabled = axes.axesShown != 0; return true;
    case kCmdGridCoordinates: state.enabled = !(hyperbolic && halfPlane); return true;
    default: return false;
  }
}

int TGeomEWin::CentreVertex() {
  std::string text = "A";
  if (AskValue(kStringCenter, kStringCenter, text, kCentreTextChars) != platform::IDOK) return -1;
  engine::FigureTables& t = tables();
  std::array<std::uint16_t, kCentreLabels + 1> named;
  named.fill(0xFFFF);
  if (t.ParsePointList(text, named, kCentreLabels) < 0) return -1;
  const int vertex = named[0];
  if (!t.PointExists(vertex)) return -1;
  const engine::PointRange all{std::span<kernel::Point2>(t.xy.data(), t.xy.size()), {}, 0, t.last_point};
  engine::DiskTranslate(t.xy[vertex], {0, 0}, all);
  t.xy[vertex] = {0, 0};
  // A second named point turns the figure about the centre until it lies on the positive x axis.
  const int second = named[1];
  if (second != vertex && t.PointExists(second)) {
    const kernel::Point2 p = t.xy[second];
    if (std::hypot(p.x, p.y) > kSegmentEnd) {
      engine::RotateDilateSelected(model(), {0, 0}, 1, -std::atan2(p.y, p.x), all);
    }
  }
  ReplayConstruction(true);
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
  return vertex;
}

void TGeomEWin::ToggleAutoextend() {
  autoExtend = !autoExtend;
  if (!autoExtend) {
    // Points on segments go back inside them.
    engine::FigureTables& t = tables();
    for (int i = 0; i <= t.last_point; ++i) {
      engine::PointAttrRecord& attr = t.attrs[i];
      if (attr.words[0] >= 0 && (attr.value < kSegmentEnd || attr.value > 1 - kSegmentEnd)) attr.value = 0.5L;
    }
    ReplayConstruction(true);
  }
  SetupMenuChecks(false);
  wing.pictureValid = 0;
  Invalidate(false);
}

}  // namespace plane

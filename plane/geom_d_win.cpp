#include "plane/geom_d_win.h"

#include "engine/line_suggestions.h"
#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/tool_dlg.h"
#include "plane/drag_repaint.h"

namespace plane {

TGeomDWin::TGeomDWin(platform::FrameWindow* parent, std::string_view title) : TGeomC2Win(parent, title) {
  qelWin.currentTool = kModeSegments;
}

TGeomDWin::~TGeomDWin() { attachFigureDialog_.reset(); }

bool TGeomDWin::OnCommand(int id) {
  switch (id) {
    case kModeSegments:
    case kModeCircles:
    case kModeDragVertices:
    case kModeCoordinates:
    case kModeRotation:
    case kModeRays:
    case kModeLines:
      SetCurrentTool(static_cast<std::uint16_t>(id));
      SetupMenuChecks(false);
      return true;
    case kCmdDeletionByRedrawing:
      deletionByRedrawing = deletionByRedrawing ? 0 : 1;
      SetupMenuChecks(false);
      return true;
    case kCmdAutoextend:
      autoExtend = !autoExtend;
      SetupMenuChecks(false);
      return true;
    case kCmdGrid: CmGrid(); return true;
    case kCmdRandomTrapezoid: CmRandomQuadrilateral(57); return true;
    case kCmdRandomParallelogram: CmRandomQuadrilateral(59); return true;
    case kCmdRandomIsoscelesTrapezoid: CmRandomQuadrilateral(71); return true;
    case kCmdRandomRectangle: CmRandomQuadrilateral(72); return true;
    case kCmdGridCoordinates: CmGridCoordinates(); return true;
    case kCmdAttachFigure: ShowAttachFigureDialog(); return true;
    default: return TGeomC2Win::OnCommand(id);
  }
}

void TGeomDWin::EnableCommand(platform::CommandState& state) {
  const int id = state.id;
  if (id >= kModeSegments && id <= kModeEvaluatedText) {
    TGeomC2Win::EnableCommand(state);
    state.checked = ToolbarMode() == id;
    return;
  }
  switch (id) {
    case kCmdDeletionByRedrawing: state.checked = deletionByRedrawing != 0; return;
    case kCmdAutoextend: state.checked = autoExtend; return;
    case kCmdAttachFigure: {
      std::string figure;
      std::string chain;
      state.enabled = engine::SuggestLineInput(tables(), figure, engine::LineSuggestion::kTwoLines, chain);
      return;
    }
    default: TGeomC2Win::EnableCommand(state);
  }
}

void TGeomDWin::SetupMenuChecks(bool redraw) {
  TGeomC2Win::SetupMenuChecks(redraw);
}

void TGeomDWin::ClearFigure() {
  TGeomC2Win::ClearFigure();
  magnifiedCopyPlaces.clear();
  dragging = 0;
  // The Pick's theorem polygon names points of the figure that goes; the figure file keeps none.
  pickVertices.clear();
  pickText.clear();
}

void TGeomDWin::RefreshDialogLists() {
  // The lists stay as they are while a point is dragged.
  if (dragging) return;
  TGeomC2Win::RefreshDialogLists();
}

void TGeomDWin::OnDestroy() {
  attachFigureDialog_.reset();
  TGeomC2Win::OnDestroy();
}

}  // namespace plane

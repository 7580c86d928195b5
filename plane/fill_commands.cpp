// The plane window's commands of filled regions, user functions, the fill mix modes and the
// bounce path.
#include "plane/geom_e_win.h"

namespace plane {

namespace {
constexpr int kCmdFillRegions = 788;
constexpr int kCmdBounce = 806;
constexpr int kCmdRandomShapes = 7778;
}  // namespace

void TGeomEWin::ShowFillDialog() {
  if (!fillDialog_) fillDialog_ = std::make_unique<TFillDlg>(this);
  if (fillDialog_->IsCreated()) fillDialog_->Refresh();
  fillDialog_->Show();
}

bool TGeomEWin::FillCommand(int id) {
  switch (id) {
    case kCmdFillRegions: ShowFillDialog(); return true;
    case kCmdBounce: Bounce(); return true;
    case kCmdRandomShapes: AnimateShapes(); return true;
    default: return false;
  }
}

bool TGeomEWin::EnableFillCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdFillRegions: {
      // Something to fill: three lines (a polygon's sides), a circle, or a curve.
      const engine::FigureTables& t = tables();
      const ConicInventories& lists = conics;
      state.enabled = t.last_line >= 2 || t.last_circle >= 0 || !lists.twoFoci.empty() ||
                      !lists.threePoint.empty() || !lists.fivePoint.empty() || !lists.equations.empty();
      return true;
    }
    case kCmdBounce: {
      const engine::FigureTables& t = tables();
      state.enabled = t.last_point > 1 && (t.last_line >= 0 || t.last_circle >= 0 || !conics.twoFoci.empty() ||
                                           !conics.threePoint.empty());
      return true;
    }
    case engine::kCmdFillOpaque:
    case engine::kCmdFillNotXor:
    case engine::kCmdFillXor:
    case engine::kCmdUserFunctions:
    case engine::kCmdZeroData:
    case kCmdRandomShapes:
      state.enabled = true;
      return true;
    default: return false;
  }
}

}  // namespace plane

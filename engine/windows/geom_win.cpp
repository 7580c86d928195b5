#include "engine/windows/geom_win.h"

namespace engine {

void TGeomWin::PrepareStepEngine() {
  stepEngine.number_width = numberFormat.fieldWidth;
  stepEngine.number_decimals = numberFormat.decimals;
  stepEngine.view_centre = mapping.centre;
  stepEngine.half_width = mapping.halfWidth;
  stepEngine.half_height = mapping.halfHeight;
}

bool TGeomWin::IsModified() { return !history().steps.empty() && fileMsg.modified != 0; }

}  // namespace engine

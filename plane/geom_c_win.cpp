#include "plane/geom_c_win.h"

#include <algorithm>

#include "engine/figure_tables.h"

namespace plane {

TGeomCWin::TGeomCWin(platform::FrameWindow* parent, std::string_view title)
    : TGeomBWin(parent, title), backupPoints(engine::kPointCapacity) {}

void TGeomCWin::SavePoints() {
  const engine::FigureTables& t = tables();
  if (t.last_point < 0) return;
  std::copy_n(t.xy.begin(), t.last_point + 1, backupPoints.begin());
}

}  // namespace plane

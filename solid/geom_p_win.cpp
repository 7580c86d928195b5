#include "solid/geom_p_win.h"

namespace solid {

TGeomPWin::TGeomPWin(platform::FrameWindow* parent, std::string_view title) : TMacWin(parent, title) {
  SetGeometry(engine::kEuclideanPlane, 3);
  solid.Allocate();
  ComputeViewFromObserver();
}

void TGeomPWin::UpdateProjection(int i) {
  engine::FigureTables& t = tables();
  const int first = i < 0 ? 0 : i;
  const int last = i < 0 ? t.last_point : i;
  for (int k = first; k <= last && k <= t.last_point; ++k) t.xy[k] = ProjectToView(t.xyz[k]);
}

}  // namespace solid

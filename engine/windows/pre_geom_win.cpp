#include "engine/windows/pre_geom_win.h"

namespace engine {

TPreGeomWin::TPreGeomWin(platform::FrameWindow* parent, std::string_view title) : TQELWinm(parent, title) {}

void TPreGeomWin::SetGeometry(const GeometryModel& model, int dimension) {
  model_ = model;
  dimension_ = dimension;
  GeometryChanged();
}

}  // namespace engine

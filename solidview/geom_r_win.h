#pragma once
// The 3-D command layer: the element editors, coordinate sliders, the cutting-plane,
// intersection, sphere and volume dialogs, the 3-D figure file and the 3-D unit commands.

#include <memory>
#include <string_view>

#include "engine/windows/do_undo_dlg.h"
#include "plane/solid_window_opener.h"
#include "solidview/geom_q_win.h"

namespace solidview {

class TGeomRWin : public TGeomQWin {
 public:
  TGeomRWin(platform::FrameWindow* parent, std::string_view title);

  // The polygon handed over by a plane window as the first step of the figure (kind 300): its
  // points at height 0 with their labels, then the prism or pyramid over it; the figure is brought
  // into view and repainted. The executor's result.
  int BuildSolidFromPolygon(const plane::SolidHandOver& handOver);

  // Linear > Perpendiculars > Point to Line and Point to Plane: the modeless dialogs that drop the
  // perpendicular from a point to a typed line or plane (or an axis or coordinate plane).
  void CmPerpendicularToLine();
  void CmPerpendicularToPlane();
  engine::TDoUndoDlg* perpendicularDialog(bool toPlane) const {
    return toPlane ? planeAltitudeDialog_.get() : lineAltitudeDialog_.get();
  }

 protected:
  bool OnCommand(int id) override;
  void OnDestroy() override;

 private:
  std::unique_ptr<engine::TDoUndoDlg> lineAltitudeDialog_;
  std::unique_ptr<engine::TDoUndoDlg> planeAltitudeDialog_;
};

}  // namespace solidview

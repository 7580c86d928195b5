#pragma once
// The 3-D command layer: the element editors, coordinate sliders, the cutting-plane,
// intersection, sphere and volume dialogs, the 3-D figure file and the 3-D unit commands.

#include <memory>
#include <string>
#include <string_view>

#include "engine/windows/do_undo_dlg.h"
#include "plane/solid_window_opener.h"
#include "solidview/geom_q_win.h"

namespace solid {
class TPolyLibDlg;
}

namespace solidview {

class TGeomRWin : public TGeomQWin {
 public:
  TGeomRWin(platform::FrameWindow* parent, std::string_view title);
  ~TGeomRWin() override;

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

  // The polyhedral library's builds: a step of the kind made and run as a new step. Message 4
  // when the model has no room for the solid, and the executor's message when it fails; nothing is
  // added then. A solid that is not convex switches "Convexity assumed" off.
  int BuildLibraryPolyhedron(int kind, const std::string& edge, int colour, bool mirror, int centre) override;
  int BuildLibraryPolyhedronEx(int kind, const std::string& edge, int n, int colour, int centre) override;

  // Units > Polyhedral > Classics: the polyhedral-library dialog, made on first use, shown.
  solid::TPolyLibDlg* CmClassics();
  solid::TPolyLibDlg* polyLibDialog() const { return polyLibDialog_.get(); }

 protected:
  bool OnCommand(int id) override;
  void OnDestroy() override;

 private:
  std::unique_ptr<engine::TDoUndoDlg> lineAltitudeDialog_;
  std::unique_ptr<engine::TDoUndoDlg> planeAltitudeDialog_;

  // Shows message 4 and returns it when the model cannot take that many more points and faces.
  int CheckModelRoom(int points, int faces);
  int RunLibraryStep();

  std::unique_ptr<solid::TPolyLibDlg> polyLibDialog_;
};

}  // namespace solidview

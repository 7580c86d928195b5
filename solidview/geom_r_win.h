#pragma once
// The 3-D command layer: the element editors, coordinate sliders, the cutting-plane,
// intersection, sphere and volume dialogs, the 3-D figure file and the 3-D unit commands.

#include <memory>
#include <string>
#include <string_view>

#include "engine/windows/do_undo_dlg.h"
#include "plane/solid_window_opener.h"
#include "solid/solid_figure_file.h"
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

  // --- The 3-D figure file (solidview/solid_figure_io.cpp) ---------------------------------
  // Writes the figure to the open file.
  bool WriteData() override;
  // Reads the open file into fresh data and takes it over only when the whole file was read: 0,
  // or 11 ("cannot open file") or 8 ("incompatible versions!") with the figure, its colours and
  // its settings unchanged. The figure is then run with the file's version in force.
  int ReadData() override;
  // Empties the figure and what the last file carried for it; the settings it carried stay.
  void ClearFigure() override;
  // The window's state as a file, and a file read whole taken over (emptied in the process).
  solid::SolidFigureFile CollectFigureFile();
  void TakeFigureFile(solid::SolidFigureFile& file);
  // The face and reflection steps of older files in their present form.
  void RepairLoadedSteps();
  // What the last file read carried that no layer of the window keeps (the plane layers' block,
  // the reals and header words of layers still to come, the fourth real of the animation
  // records, the plot settings of a window without a graph window), written back as it came.
  solid::SolidFigureFile fileData;

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

  // After the figure of a file was run: the measurements evaluated, the slider panels and the
  // toolbar that were open shown, the macro's points and caption.
  void AfterFileLoaded(const solid::SolidFigureFile& file);
  bool SliderPanelShown(int k);
  // The view the file was saved in (its centre and half width; the scales equal); false, nothing
  // changed, when the file holds no usable view.
  bool RestoreSavedView();
};

}  // namespace solidview

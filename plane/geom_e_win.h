#pragma once
// The top shared layer of the plane windows: a working Euclidean or hyperbolic window with the
// 2-D figure file, the hyperbolic model's frame and curves, and the plane window commands. The
// plane window and the Voronoi, guessing-game, RGB-demo and tessellation windows stand on it.

#include <array>
#include <cstdint>
#include <string>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "kernel/bounce_path.h"
#include "plane/conic_dialogs.h"
#include "plane/fill_dlg.h"
#include "plane/geom_d_win.h"
#include "plane/poincare_dlg.h"
#include "plane/plane_settings.h"
#include "plane/plane_figure_file.h"

namespace plane {

// View > Upper half-plane (hyperbolic windows): switches the model the figure is shown in.
inline constexpr int kCmdUpperHalfPlane = 909;
inline constexpr int kStringUpperHalfPlane = 857;
inline constexpr int kStringDiskInterior = 858;
inline constexpr int kStringEuclideanFilter = 640;
inline constexpr int kStringHyperbolicFilter = 641;
// The colour role the hyperbolic model is filled with.
inline constexpr int kModelColorRole = 10;

// The views the hyperbolic models are shown in: centre and half extents.
struct ModelView {
  kernel::Point2 centre;
  kernel::Real halfWidth = 0;
  kernel::Real halfHeight = 0;
};
inline constexpr ModelView kDiskView{{0, 0}, 1.07L, 1.07L};
inline constexpr ModelView kHalfPlaneView{{0, 2}, 2.3L, 2.0L};

// Other > Bounce: the path of a ball from the start point towards the aim point, bouncing off the
// figure's lines, circles and focal conics.
struct BounceSettings {
  std::uint8_t shown = 0;
  std::int16_t start = 0;
  std::int16_t aim = 0;
  std::int16_t impacts = 0;
};

// What the last switch between the hyperbolic models left behind, so that switching back shows
// the model as it was: its view, and the texts where they stood while the texts were not touched
// in the other model.
struct ModelSwitchMemory {
  bool valid = false;
  std::uint8_t toHalfPlane = 0;  // the model switched to
  // The view of the model left.
  kernel::Point2 centre{};
  kernel::Real halfWidth = 0;
  kernel::Real aspect = 1;
  kernel::Box2 box{};
  std::uint8_t unequal = 0;
  // Every text's tie and place, in list order, in the model left and as they went into the other.
  std::vector<view::TextItem> textsLeft;
  std::vector<view::TextItem> textsEntered;
};

class TGeomEWin : public TGeomDWin {
 public:
  // hyperbolicPlane: 0 for the Euclidean plane, 1 for the hyperbolic plane; halfPlaneModel: the
  // hyperbolic figure is shown in the upper half-plane, not the Poincare disk.
  TGeomEWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane,
            std::uint8_t halfPlaneModel = 0);

  // Fixed when the window is made.
  const std::uint8_t hyperbolic;
  // The hyperbolic model shown and held: 0 the Poincare disk, 1 the upper half-plane.
  std::uint8_t halfPlane = 0;
  // The display settings kept in the settings file.
  PlaneDisplaySettings display;

  // View > Upper half-plane: moves every point into the other model, shows that model's view,
  // replays the figure and renames the menu item after the model it now leads back to.
  void ToggleHalfPlane();
  // Shows the view of the model the window is in (hyperbolic windows only); the texts tied to the
  // frame keep their place in the window.
  void SetModelView();
  // The last model switch; a new figure forgets it.
  ModelSwitchMemory modelSwitch;
  // After a switch: back into the model the last switch left, its view and texts as they were;
  // else the model's own view.
  void ShowSwitchedModel();
  // The settings the window keeps, from the window's state, and back.
  PlaneDisplaySettings CollectDisplaySettings() const;
  void ApplyDisplaySettings(const PlaneDisplaySettings& settings);
  // The measurement symbols are the marker characters of the settings.
  MeasurementSymbols Symbols() const override {
    const auto& m = display.markers;
    return {m[1], m[0], m[3], m[2]};
  }
  // Angles in measurement texts end in the degree sign the settings name.
  char DegreeCharacter() const override { return static_cast<char>(display.markers[kDegreeMarker]); }

  // Whether a world point lies outside the hyperbolic plane's model (never in the Euclidean).
  bool IsOutsideDomain(const kernel::Point2& p) const override;
  // The model's frame: the disk, or the half-plane and its boundary.
  void DrawModelFrame(view::FigurePainter& painter);
  // The background level: the layer's, with the model's frame over it.
  void PaintBackgroundPicture(platform::DC& dc) override;
  // The lines and circles, then in a hyperbolic window the hypercycles and the horocycles.
  void PaintFigure(view::FigurePainter& painter) override;
  void DrawHypercycles(view::FigurePainter& painter);
  void DrawHorocycles(view::FigurePainter& painter);
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) override;
  // The picture on a printer page or a bitmap: the axes, the model's frame, the figure, its texts
  // and labels; on a page each font at the page's scale.
  bool PaintPicture(platform::DC& dc) override;
  bool PaintToBitmap(platform::DC& dc) override { return PaintPicture(dc); }

  // --- The 2-D figure file (plane/geom_file.cpp) ---
  // Writes the figure to the open file; false when it could not be written whole.
  bool WriteData() override;
  // Reads the open file into fresh data and takes it over only when the whole file was read; 0,
  // or message 11 or 8 with the figure unchanged.
  int ReadData() override;
  // Empties the figure and the lists the file carries for it.
  void ClearFigure() override;
  // The window's state as a file, and a file read whole taken over (emptied in the process).
  PlaneFigureFile CollectFigureFile();
  void TakeFigureFile(PlaneFigureFile& file);
  // The view the figure file was saved in becomes the window's; false when the file holds none
  // (files of earlier builds) or no usable one.
  bool RestoreSavedView();
  // The trace records and markings of a file read become the window's.
  void TakeTracesAndMarkings(PlaneFigureFile& file);
  // What the last file read carried that no layer of the window keeps yet (the attached-point
  // lists, user functions, plot settings, expression
  // tokens and the settings blocks), written back as it came.
  PlaneFigureFile fileData;
  // The settings the file keeps for the other layers (plane/geom_file_settings.cpp): the sliders
  // (in the token records), the open slider panels and toolbar, the background bitmap's name and
  // the macro's points and steps into the file; the sliders back before the figure runs.
  void CollectLayerSettings(PlaneFigureFile& file);
  void TakeLayerSettings(const PlaneFigureFile& file);
  // After a file was read and its figure run: the macro's points; the texts of files before
  // version 62 take the window's text colour and font; the measurements are evaluated again for
  // their states; the panels that were open open again; the background bitmap is loaded.
  void AfterFileLoaded(const PlaneFigureFile& file);
  // Whether slider k's panel (the toolbar) is open and shown.
  bool SliderPanelShown(int k);
  bool ToolbarShown();
  // The attached-point lists live with what the file carries.
  std::vector<AttachedPointList>* attachedLists() override { return &fileData.pointLists; }

  // --- Fills, bounce path, data and the random shapes (plane/fill_commands.cpp) ---------------
  // Edit > Highlights > Fill regions: the fill dialog, made on first use, its lists rebuilt.
  void ShowFillDialog();
  TFillDlg* fillDialog() { return fillDialog_.get(); }
  BounceSettings bounce;
  // Other > Bounce: asks for the start and aim points and the number of impacts, or switches the
  // path off.
  void Bounce();
  // The walls of the figure as the bounce path meets them.
  kernel::BounceWalls CollectBounceWalls();
  // The path's points (none while it is off or its points are gone); the number of legs.
  int ComputeBouncePath(std::vector<kernel::Point2>& points);
  void DrawBouncePath(view::FigurePainter& painter);
  // The dialog of Line > Parallels (775), Equidistant curve (835) or Horocycle (836) once opened.
  engine::TDoUndoDlg* curveDialog(int command) const;

  // --- Tool dialogs of the conic lists and of lines and circles by equation (conic_commands.cpp)
  // Units > Conics (2-point, 3-point, 5-point, Equation), Line > Equation, Circle > Equation: the
  // dialog made on first use, then shown again as it was left. False for other commands.
  bool ShowToolDialog(int command);
  // The conic dialogs fill their lists again; their buttons follow the history.
  void RefreshDialogLists() override;
  void SetupMenuChecks(bool redraw) override;
  std::unique_ptr<TConic2Dlg> conic2Dialog;
  std::unique_ptr<TConic3Dlg> conic3Dialog;
  std::unique_ptr<TConic5Dlg> conic5Dialog;
  std::unique_ptr<TConicEDlg> conicEquationDialog;
  std::unique_ptr<TEqnLnDlg> lineEquationDialog;
  std::unique_ptr<TEqnCiDlg> circleEquationDialog;

  // --- Commands of the small plane dialogs (plane/plane_dialog_commands.cpp) ---
  // Units > Array of circles: asks the rows (and columns) and the radius, then makes the array;
  // 0, -1 when cancelled, or the message shown.
  int NewCircleArray(bool triangular);
  // Point > Random point > on Circle: a random point on the circle chosen from the list.
  int RandomPointOnChosenCircle();
  // Circle > Poincare: the connection dialog, made on first use and shown again later.
  void ShowPoincareDialog();
  // Other > 3D solid > Prism (prism) or Pyramid: asks for the base polygon, the altitude and the
  // foot of the altitude, checks them, and builds the solid in a new 3-D window. 0 when the
  // window was made, -1 when cancelled, else the message shown.
  int NewSolidOnBase(bool prism);
  // Edit > Center vertex (hyperbolic disk): asks for a vertex and moves the figure by the motion
  // that takes it to the centre; a second named point is then turned onto the positive x axis.
  // The vertex, or -1 when nothing moved.
  int CentreVertex();
  // Other > Autoextend; switched off, every point on a segment outside it goes back to its middle
  // and the figure is run again.
  void ToggleAutoextend();
  TPoincareDlg* poincareDialog() { return poincareDialog_.get(); }

  // --- Typed lists, settings and toggles of the object commands (object_setting_commands.cpp,
  // typed_list_commands.cpp) ---------------------------------------------------------------
  // Line > Extensions: for each typed pair AB the end of line AB beyond B is drawn or taken back
  // (kind 112). Line > Angles > Bisect old: the bisector of each typed angle ABC (kind 113).
  // Point > Random point > on Segment: a movable point at a random place on segment AB (kind 81).
  // Each asks its list first; 0, -1 when cancelled, or the message shown.
  int CmExtensions();
  int CmBisectOldAngles();
  int CmRandomPointOnSegment();
  // The same with the text given; 0 or the message (not shown).
  int ToggleExtensions(std::string text);
  int BisectOldAngles(std::string text);
  int RandomPointOnSegment(std::string text);
  // Btns > Randomize sliding points: every point that slides on a line, circle, curve or polygon
  // moves to a random place strictly inside 0.1 .. 0.9 of its parameter range; the number moved.
  int RandomizeSlidingPoints();
  // View > Window: the model's view in a hyperbolic window, then the view fitted to the figure.
  void RestoreView() override;
  // Other > Data > Collect: shows the data window when hidden, hides it when shown.
  void ToggleDataCollection();
  bool DataCollecting() const;
  // Other > Negative angles and CCL angles: one of the two is always on.
  void ToggleNegativeAngles();
  void ToggleCounterclockwiseAngles();
  bool NegativeAngles() const { return !angleOptions.anglesNonNegative; }
  bool CounterclockwiseAngles() const { return angleOptions.anglesCounterclockwise; }
  // Other > Fonts > ASCII values: the label font's codes of the degree sign, pi, the radical,
  // the exponent 2 and the golden ratio, as shown in the dialog.
  std::array<std::string, 5> SymbolCodeTexts() const;
  // Stores the five codes when each reads as a whole number 1 .. 255; else 17 and nothing changes.
  int SetSymbolCodes(const std::array<std::string, 5>& texts);
  void CmSymbolCodes();

 protected:
  void SetupWindow() override;
  void OnDestroy() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  bool ObjectSettingCommand(int id);
  bool EnableObjectSettingCommand(platform::CommandState& state);
  void CheckObjectSettingMenus();
  // The commands of plane/fill_commands.cpp: true when the id was one of them.
  bool FillCommand(int id);
  bool EnableFillCommand(platform::CommandState& state);
  std::unique_ptr<TFillDlg> fillDialog_;
  // Line > Parallels, Equidistant curve and Horocycle (hyperbolic_curve_commands.cpp): true when
  // the command was one of them.
  bool CurveDialogCommand(int id);
  bool CurveDialogEnabled(platform::CommandState& state) const;
  std::unique_ptr<engine::TDoUndoDlg> parallelDialog_;
  std::unique_ptr<engine::TDoUndoDlg> equidistantDialog_;
  std::unique_ptr<engine::TDoUndoDlg> horocycleDialog_;

  bool PlaneDialogCommand(int id);
  bool SolidCommand(int id);
  bool WindowCommand(int id);
  bool EnableWindowCommand(platform::CommandState& state) const;
  bool EnablePlaneDialogCommand(platform::CommandState& state);
  std::unique_ptr<TPoincareDlg> poincareDialog_;
};

}  // namespace plane

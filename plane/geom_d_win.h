#pragma once
// The mouse construction layer of the plane windows: building with the mouse buttons, the grid
// and coordinate editing, attaching figures, dragging points and rotation.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/mouse_hits.h"
#include "engine/windows/tool_dlg.h"
#include "kernel/real.h"
#include "plane/geom_c2_win.h"
#include "platform/frame_window.h"

namespace engine {
class TToolDlg;
class TDoUndoDlg;
}

namespace plane {

// The toolbar modes: the commands of the Btns items that choose them.
inline constexpr int kModeSegments = 120;
inline constexpr int kModeCircles = 121;
inline constexpr int kModeDragVertices = 122;
inline constexpr int kModeText = 123;
inline constexpr int kModePaste = 124;
inline constexpr int kModeCoordinates = 125;
inline constexpr int kModeRotation = 126;
inline constexpr int kModeRays = 127;
inline constexpr int kModeLines = 128;
inline constexpr int kModeEvaluatedText = 129;
// Btns > Enable deletion by redrawing, Other > Autoextend, Btns > Toolbar.
inline constexpr int kCmdDeletionByRedrawing = 750;
inline constexpr int kCmdAutoextend = 1156;
inline constexpr int kCmdToolbar = engine::kCmdToolbar;
// Units > Grid and the random quadrilaterals.
inline constexpr int kCmdGrid = 716;
inline constexpr int kCmdRandomTrapezoid = 709;
inline constexpr int kCmdRandomParallelogram = 721;
inline constexpr int kCmdRandomIsoscelesTrapezoid = 871;
inline constexpr int kCmdRandomRectangle = 872;
// Edit > Coordinates: the coordinates of a point by its name.
inline constexpr int kCmdGridCoordinates = 759;
// Units > Polygon > Attach > Figure.
inline constexpr int kCmdAttachFigure = 809;

// Messages of the mouse layer.
inline constexpr int kMsgOutOfLabels = 116;
inline constexpr int kMsgCannotEdit = 18;
inline constexpr int kMsgCannotMovePoint = 104;

// Hit tolerances in pixels: the right button's point test, presses and releases.
inline constexpr int kNewPointPixels = 4;
inline constexpr int kPressPixels = 5;
// AddPointAtMouse reports a point already under the mouse as its index plus this.
inline constexpr int kPointUnderMouse = 1000;

class TGeomDWin : public TGeomC2Win {
 public:
  TGeomDWin(platform::FrameWindow* parent, std::string_view title);
  ~TGeomDWin() override;

  // When set, a whole-figure hyperbolic drag refills the drawn curve of every line.
  std::uint8_t sideRecordFlag = 0;
  // The centre that rotation mode turns points about.
  kernel::Point2 rotationCentre{0, 0};
  // Set for the whole of a vertex drag: the construction dialogs do not refresh their lists.
  std::uint8_t dragging = 0;
  // When set, the label of the dragged point is drawn in the second label font meanwhile.
  std::uint8_t dragHighlight = 1;

  // The toolbar mode (the command of the Btns item that chose it).
  int ToolbarMode() const { return qelWin.currentTool; }

  // --- Hit tests in the window's geometry (5 pixels) ---------------------------------------------
  kernel::Real PixelTolerance(int pixels) const { return pixels * mapping.unitsPerPixelX; }
  engine::ObjectsAtClick FindLinesAt(const kernel::Point2& p) const;
  engine::ObjectsAtClick FindCirclesAt(const kernel::Point2& p) const;
  engine::ObjectsAtClick FindHypercyclesAt(const kernel::Point2& p) const;
  engine::ObjectsAtClick FindHorocyclesAt(const kernel::Point2& p) const;
  // The first point within `pixels` of the pixel (x and y apart); -1 for none.
  int PointNearPixel(platform::PointI pixel, int pixels) const;
  kernel::Point2 WorldOf(platform::PointI pixel) const;

  // --- Lower-layer mouse operations the modes dispatch to (mouse_tools.cpp) ----------------------
  // Mode 125: the right button centres the view at the mouse (the left one shows the coordinates
  // of the point under it, TGeomWin::TrackPointCoordinates).
  void RecenterAtPoint(platform::PointI pixel);

  // --- Mouse construction (mouse_construction.cpp) --------------------------------------------
  // The right button in the construction modes: 0 (done, or nothing to do), the index of a point
  // under the mouse plus 1000, or a message number.
  int AddPointAtMouse(platform::PointI pixel);
  // A point bound to the object near P, or at the crossing of two: -1 when no object is near, 0
  // when a step was made, else the step's message.
  int PointOnObjectAtMouse(const kernel::Point2& p);
  // A segment, ray, line or circle dragged from the point pressed to the point released.
  void DragLineOrCircle(platform::PointI pixel);
  // The coordinate editor of point i: 0, or a message number.
  virtual int EditCoordinates(int i);

  // --- Dragging and rotation (point_drag.cpp) ------------------------------------------------
  // What a drag of the points `moved` moves and so paints at every mouse move: the points, what
  // the steps at `positions` make, and the whole figure when a fill moves.
  void MarkMovingObjects(std::span<const int> positions, std::span<const std::uint16_t> moved);
  void DragVertices(platform::PointI pixel);
  // Whether the whole picture changes when any point moves (so a drag keeps no still layer),
  // though only the steps downstream of the dragged points run again.
  virtual bool PictureFollowsEveryPoint() const { return false; }
  // Whether free point i may not be dragged to q: outside the plane's model here.
  virtual bool RefusesDragTo(const kernel::Point2& q, int /*i*/) const { return IsOutsideDomain(q); }
  // A bound point moved along its object to the place nearest Q; false when it stays.
  bool DragPointOnLine(int i, int line, const kernel::Point2& q, bool moved);
  bool DragPointOnCircle(int i, int circle, const kernel::Point2& q, bool moved);
  bool DragPointOnPolygon(int i, int polygon, const kernel::Point2& q, bool moved);
  bool DragPointOnHypercycle(int i, int curve, const kernel::Point2& q, bool moved);
  bool DragPointOnHorocycle(int i, int curve, const kernel::Point2& q, bool moved);
  void SetRotationCentre(platform::PointI pixel);
  void DragRotation(platform::PointI pixel);

  // --- Grid, random quadrilaterals, coordinates (grid_commands.cpp) ---------------------------
  void CmGrid();
  void CmRandomQuadrilateral(int kind);
  // Moves the named point (with its group) to the two coordinate expressions and writes its
  // resulting coordinates back: 0, 1 (a text that does not evaluate), 2 (no such point) or 104.
  int SetGridCoordinates(std::string& x, std::string& y, const std::string& name);
  // The named point's name and coordinates as the window writes them; false for no such point.
  bool GetGridCoordinates(std::string& x, std::string& y, std::string& name);
  // Edit > Coordinates: the coordinates dialog.
  void CmGridCoordinates();

  // --- Attaching figures (attach_commands.cpp) -------------------------------------------------
  // Units > Polygon > Attach > Figure: the attach dialog, made on first use.
  void ShowAttachFigureDialog();
  engine::TDoUndoDlg* attachFigureDialog() { return attachFigureDialog_.get(); }
  // A copy of the figure named by its first two points on every link of the chain: one step of
  // kind 155 a link whose points exist. 0 when a step was made, 1 when a text names fewer than two
  // points, 2 when no link could be used, else the last executor's result.
  int DoAttachFigure(std::string& figure, std::string& chain, std::string* extra, int choice) override;
  // Called on a source window: its whole figure carried onto two target points; 0, 4 when the
  // target has no room, or -1 when cancelled.
  int AttachImport(bool mouse) override;

  // Appends the pending step made by the mouse and redraws the figure without moving the view.
  void CommitDragStep();
  // Runs the pending step as a new step, keeping the view: the executor's result.
  int RunMouseStep();

  void ClearFigure() override;
  void SetupMenuChecks(bool redraw) override;
  void Update(bool keepView) override;
  void RefreshDialogLists() override;

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnMouseDown(const platform::MouseEvent& e) override;
  void OnDestroy() override;

 private:
  // What a mouse message of a point drag changed: nothing, points (the steps downstream run
  // again), the view, or the whole figure.
  enum class DragEffect { kNone, kReplay, kView, kWhole };
  // The drag loop shared by vertex drags and rotation: `move` runs for every mouse message with
  // the pixel and whether it differs from the press; the picture follows the points in `moved`
  // (everything: the whole figure moves).
  void RunPointDrag(platform::PointI press, int point, std::span<const std::uint16_t> moved, bool everything,
                    const std::function<DragEffect(platform::PointI, bool)>& move);
  int ReplayDragSteps(std::span<const int> positions, bool everything);
  void EndPointDrag();
  void DeleteOrEditPoint(int i);
  int LineDragSteps(int s, int e, int mode);
  int CircleDragSteps(int s, int e, const kernel::Point2& q);
  void DrawRubberBand(platform::DC& dc, int s, const kernel::Point2& q, int mode);

  bool committingMouseStep_ = false;
  std::unique_ptr<engine::TDoUndoDlg> attachFigureDialog_;
};

}  // namespace plane

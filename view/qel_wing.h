#pragma once
// The graphics layer of every picture window: the view of the world plane (centre, half extents,
// view box, scales) and its mapping to pixels on the screen and the printer, the stack of earlier
// views behind "Last window", the view and display commands (zoom, shift, axes, pen widths of axes
// and gridlines, axis names, the pi and minus characters, solid arrowheads, opaque labels), the
// drawing helpers that need the window's settings (labels, frame, lattice dots) and the stored
// plane of the 3-D windows. Everything is drawn through a FigurePainter; DcRules gives the rules
// for a painter on a device context of this window.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kernel/stored_plane.h"
#include "view/dc_figure_painter.h"
#include "view/export_settings.h"
#include "view/figure_painter.h"
#include "view/qel_win.h"
#include "view/view_mapping.h"
#include "view/view_record.h"
#include "view/wing_settings.h"

namespace view {

// Commands of the layer.
inline constexpr int kCmdPiSymbol = 73;
inline constexpr int kCmdMinusSign = 92;
inline constexpr int kCmdAxisScreenThickness = 100;
inline constexpr int kCmdAxisPrintedThickness = 101;
inline constexpr int kCmdAxisNames = 102;
inline constexpr int kCmdZoomOut = 106;
inline constexpr int kCmdZoomIn = 107;
inline constexpr int kCmdZoomFactor = 108;
inline constexpr int kCmdAxes = 109;
inline constexpr int kCmdSolidArrowheads = 110;
inline constexpr int kCmdLastWindow = 111;
inline constexpr int kCmdGridScreenThickness = 150;
inline constexpr int kCmdGridPrintedThickness = 151;
inline constexpr int kCmdOpaqueLabels = 220;
inline constexpr int kCmdShiftPercentage = 321;
inline constexpr int kCmdShiftLeft = 322;
inline constexpr int kCmdShiftRight = 323;
inline constexpr int kCmdShiftDown = 324;
inline constexpr int kCmdShiftUp = 325;

class TQELWing : public TQELWin {
 public:
  TQELWing(platform::FrameWindow* parent, std::string_view title);

  ViewMapping mapping;
  AxesSettings axes;
  WingData wing;
  ExportSettings exports;

  // --- Mapping (world y up, pixel y down; see view_mapping.h) ---
  int XToScreen(kernel::Real x) const { return view::XToScreen(mapping, x); }
  int YToScreen(kernel::Real y) const { return view::YToScreen(mapping, y); }
  bool WorldToPixel(const kernel::Point2& p, platform::PointI& pixel) const {
    return view::WorldToPixel(mapping, p, pixel);
  }
  kernel::Real XToWorld(int px) const { return view::XToWorld(mapping, px); }
  kernel::Real YToWorld(int py) const { return view::YToWorld(mapping, py); }
  bool InView(const kernel::Point2& p) const { return view::InView(mapping, p); }
  bool ClipToView(kernel::Point2& p, kernel::Point2& q) const { return view::ClipToView(mapping, p, q); }
  virtual void PixelToWorld(platform::PointI pixel, kernel::Point2& p) const { p = view::PixelToWorld(mapping, pixel); }
  // Whether a world point lies outside the window's model of the plane (none here).
  virtual bool IsOutsideDomain(const kernel::Point2& /*p*/) const { return false; }

  // --- View ---
  // The scales from the half extents and the picture's size; the mapping also takes the picture's
  // origin and the printing flag of the base layer (a printed page moves and enlarges it).
  void UpdateScale();
  // Reads the client size and makes box, extents and scales agree with it.
  virtual void UpdateView();
  // A view of centre (cx, cy) and half extents hw, hh: with unequal scales exactly that box;
  // with equal scales the half width, widened when the window's shape would cut off hh.
  void SetView(kernel::Real cx, kernel::Real cy, kernel::Real hw, kernel::Real hh, bool unequal);
  // The view changes of the commands and dialogs: each pushes the view it replaces, redraws and
  // marks the window modified.
  virtual void SetSquareView(const kernel::Point2& centre, kernel::Real halfWidth);
  virtual void SetViewExtents(kernel::Real cx, kernel::Real cy, kernel::Real hw, kernel::Real hh, bool unequal);
  virtual void SquareViewChanged() {}
  virtual void ViewExtentsChanged() {}
  // Out by the zoom factor, or in by it.
  virtual void Zoom(bool out);
  // Moves the view by fractions of its full width and height.
  virtual void ShiftView(kernel::Real dx, kernel::Real dy);
  // 1 pushes the current view, -1 goes back to the one on top (and drops it), 0 forgets them all;
  // then the menu check marks are refreshed.
  virtual void ViewStack(int op);
  // Back to the last saved view, if any.
  virtual void LastView();
  virtual void SaveViewRecord(ViewRecord& record) const;
  virtual void RestoreViewRecord(const ViewRecord& record);
  // Reads a number typed by the user: 0 and the value, or a message number. Here the C library's
  // reading, which never fails.
  virtual int ParseNumber(std::string_view text, kernel::Real& value);

  // --- Display switches ---
  virtual void ToggleAxes();
  virtual void ToggleSolidArrowheads();
  virtual bool CeSolidArrowheads() { return true; }
  virtual bool CeShiftLeft() { return wing.shiftEnabled != 0; }
  virtual bool CeShiftRight() { return wing.shiftEnabled != 0; }
  virtual bool CeShiftUp() { return wing.shiftEnabled != 0; }
  virtual bool CeShiftDown() { return wing.shiftEnabled != 0; }
  void SetupMenuChecks(bool redraw) override;

  // --- Printing ---
  // The grey tables, the mapping for the picture's size and origin, the clipping region.
  void ResetDeviceState() override;
  // The client area read again fits the view to it.
  void UpdateClientArea() override;
  // The print width, or the view's world width at the print scale.
  kernel::Real PictureWidth() override;

  // --- Drawing ---
  // The rules of a device-context painter on the window's device of the current pass.
  DcPaintRules DcRules() const;
  // The printed pen width for the print line thickness on that device (stored for the pass).
  void ComputePrintPenWidth(const platform::DC& dc);
  int PrintPenWidthFor(const platform::DC& dc, int thickness) const;
  // Places a label of alignments h, v at the world point P (see FigurePainter::Text): with minus
  // substitution on, the text's "-" become the substitute first; rect gets its pixel box and P
  // the world point of its top-left corner. True when the whole box lies in the client area.
  bool PlaceLabel(FigurePainter& painter, std::string& text, kernel::Point2& p, int h, int v, PixelBox& rect) const;
  // Draws a label at the pixel by its alignments, on the background colour when one is given.
  void DrawLabel(FigurePainter& painter, std::string_view text, platform::PointI pixel, int h, int v,
                 std::optional<kernel::ColorRef> background) const;
  // The outline from the pixel (x, y) along the edge vectors (a, b) and (c, d).
  void DrawParallelogram(FigurePainter& painter, int x, int y, int a, int b, int c, int d) const;
  // The picture frame, when the print format asks for one.
  void DrawPictureFrame(FigurePainter& painter) const;
  // A small cross at every grid lattice point inside the view, when lattice dots are on, in the
  // pen of the attribute.
  void DrawLatticeDots(FigurePainter& painter, std::int32_t attribute) const;

  // --- Exports (the commands of export_formats.h run the export sequence) ---
  // The picture pass of an export: draws frame `frame.frame` of `frame.frames` into the export's
  // painter; false when the picture could not be drawn. This layer draws the picture frame.
  virtual bool ExportPicture(FigurePainter& painter, const ExportFrame& frame);
  // Before the first frame is written; false cancels the export.
  virtual bool PrepareExport(ExportKind /*kind*/) { return true; }
  // Once the export's file has been chosen.
  virtual void ExportFileChosen(ExportKind /*kind*/) {}
  // The windows that animate their exports: the control value of an animation parameter text
  // (below 1: the text names nothing usable), and that of their own default animation.
  virtual int SetAnimationControl(std::string_view /*parameterText*/) { return 0; }
  virtual int UseDefaultAnimation() { return 0; }
  // Before the picture pass of each frame: the windows that animate their exports set the figure
  // up for that frame.
  virtual void PrepareExportFrame(const ExportFrame& /*frame*/) {}
  // After the last frame written, or when the export stopped early: the figure as it was before.
  virtual void FinishExport(ExportKind /*kind*/) {}

  // --- The stored plane ---
  // The plane through three points; false, the plane kept, when they are collinear.
  bool SetPlaneByPoints(const kernel::Point3& p1, const kernel::Point3& p2, const kernel::Point3& p3);
  // Normalises the record in place and stores it; false, nothing changed, for a null normal.
  bool SetPlane(kernel::PlaneRecord& plane);
  kernel::Real PlaneValue(const kernel::Point3& p) const { return kernel::PlaneValue3(wing.plane, p); }

  // --- The coordinate frame (axes_drawing.cpp, gridlines.cpp) ---
  // Gridlines, polar grid, lattice dots, both axes with their ticks, arrowheads and the labels
  // drawn with them, the axis names (unless labels are opaque) and the tick-interval notice.
  // Nothing unless the axes, the dots or a grid flag are on. The paint routines call it before
  // the figure and DrawScaleLabels right after it.
  void DrawAxes(FigurePainter& painter);
  // The scale labels not drawn with their axis, the origin letter, and the axis names when labels
  // are opaque; so they lie on top of the axes, ticks and gridlines.
  void DrawScaleLabels(FigurePainter& painter);
  // Prepares the tick intervals and index ranges before the axes are drawn (the grid layer does
  // it); 0 when nothing happened.
  virtual int PaintGrid() { return 0; }
  // The rectangular grid in the quadrants asked for, every freq-th line in the major pen.
  virtual void DrawGridlines(FigurePainter& painter, const LinePen& major, const LinePen& minor);
  // Circles about the origin at multiples of the x interval and rays at equal angles.
  void DrawPolarGrid(FigurePainter& painter, const LinePen& pen);
  // The arc of radius r about c from angle a1 to a2 (the whole circle for a full turn).
  void DrawCircleArc(FigurePainter& painter, const kernel::Point2& c, kernel::Real r, kernel::Real a1,
                     kernel::Real a2);
  // One x scale label at tick value x, below the anchor (above it in border mode); nothing when it
  // does not fit in the client area. DrawYTickLabel: left of the anchor (right of it in border mode).
  virtual void DrawTickLabel(FigurePainter& painter, kernel::Real x, kernel::Point2 anchor, bool border,
                             std::optional<kernel::ColorRef> background);
  void DrawYTickLabel(FigurePainter& painter, kernel::Real y, kernel::Point2 anchor, bool border,
                      std::optional<kernel::ColorRef> background);
  // The label texts of the x and y scales for the painter's target.
  std::string XTickText(const FigurePainter& painter, kernel::Real value) const;
  std::string YTickText(const FigurePainter& painter, kernel::Real value) const;
  void DrawAxisNames(FigurePainter& painter);
  // "tick interval changed" at the bottom right corner, once after an interval was widened.
  void DrawIntervalNotice(FigurePainter& painter);
  // After the grid dialog stored new settings: mark sizes, modified, redraw.
  void GridChanged();
  // The view dialog's view change; nothing while the view is locked.
  virtual void ApplyView(const kernel::Point2& centre, kernel::Real halfWidth, kernel::Real halfHeight,
                         bool unequal);
  // The world sizes of ticks and arrowheads for the current scales (the grid layer keeps them).
  virtual void UpdateMarkScales() {}

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnSize(int width, int height) override;

  // Asks a pen width in place of value; true when a new value was stored. Values outside
  // 0..32767 are refused with message 17.
  bool AskInteger(std::uint16_t& value, int promptId);

 private:
  // The view commands.
  void CmZoomFactor();
  void CmShiftPercentage();
  void CmAxisScreenThickness();
  void CmAxisPrintedThickness();
  void CmGridScreenThickness();
  void CmGridPrintedThickness();
  void CmAxisNames();
  void CmPiSymbol();
  void CmMinusSign();
  void CmOpaqueLabels();
  // Asks a positive number shown as `shown` with `decimals` in a field of `width`; true and the
  // value when one was given.
  bool AskPositive(int promptId, kernel::Real shown, int width, int decimals, kernel::Real& value);
  // The picture must be drawn anew: check marks, picture invalid, client area invalidated.
  void Redraw();
  // The frame's parts.
  struct AxisInk;
  AxisInk MakeAxisInk() const;
  void DrawXAxis(FigurePainter& painter, const AxisInk& ink);
  void DrawYAxis(FigurePainter& painter, const AxisInk& ink);
  void DrawXScaleLabels(FigurePainter& painter, const AxisInk& ink);
  void DrawYScaleLabels(FigurePainter& painter, const AxisInk& ink);
  // The mapping takes the picture's size, origin and printing flag from the base layer.
  void TakePictureArea();
};

}  // namespace view

#pragma once
// The PiCTeX writer: a figure painter whose every primitive becomes the text of a picture for the
// PiCTeX macros of TeX. A frame file holds the preamble (the flavour's lines, the coordinate
// system, the corners of the picture), the body and the end line. Every line ends with CR LF;
// numbers are fixed point with the window's decimals d in a field of d + 2. World units are
// picture units, except in an animation, whose frames all share a picture of half width H about
// the view centre.
//
// What the painter's primitives become:
//   segments        a horizontal or vertical one "\putrule" (only when in view), a slanted one a
//                   two-point "\plot"; nothing for one shorter than a fifth of a pixel
//   polylines       one "\plot" per run of segments in view, streamed in pieces of at most 64000
//                   bytes
//   arcs, circles   "\circulararc" (a plot of 21 points when too large for TeX) when in view,
//                   else the pieces in view as plots
//   filled shapes   "\vshade" columns (or "\hshade") cut to the view, the shade grid's density
//                   standing for the colour
//   markers, dots   "$\bullet$" or "$\circ$" in the size of the marker
//   texts           "\put" with the alignment as PiCTeX's orientation, or centred on a point;
//                   # $ % & escaped, unpaired braces kept from closing the put, formulas in math mode (display size when asked)
//   arrowheads      "\arrow" with a one-pixel shaft, or a shaded triangle when solid
//   comments        "% " lines
//   pen styles      "\setdots", "\setdashes", "\setdashpattern" before lines drawn in them,
//                   "\setsolid" after

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/real.h"
#include "view/export_painter.h"

namespace view {

// What one PiCTeX export writes, fixed for all its frames.
struct PiCTeXPicture {
  int format = 0;  // kTeXStandalone ... kTeXInsertable
  int boxNumber = 1;
  int frames = 1;
  kernel::Real width = 8;       // centimetres
  kernel::Real halfWidth = 5;   // H: half width of an animation's picture in picture units
  kernel::Real halfHeight = 5;  // V: H times the view's half height / half width
  int decimals = 5;
  // The text at the head of every frame file (PiCTeXPreamble).
  std::string preamble;
};

// The preamble of the picture for the view of the mapping. Flavour lines (a single frame only):
// "TeX standalone" loads PiCTeX, sets the five-point font and opens a box; "LaTeX2e standalone"
// defines the five-point font (LaTeX has none) and loads PiCTeX for LaTeX; "TeX compilable" loads
// PiCTeX; "TeX insertable" has none. Then the picture's beginning, its coordinate system, its four
// corners, linear plotting and the shading symbol.
std::string PiCTeXPreamble(const PiCTeXPicture& picture, const ViewMapping& mapping);

// The text for TeX: the TeX escape before every # $ % and & that is not already a command of the
// text (\% stays); braces that do not pair and a backslash at the end set as characters, so
// that no text can break the picture. Outside math mode "_" and "^" (which TeX takes only there)
// are set as characters too; characters above ASCII as TeX's own (TeXCharacter), each in a box.
std::string TeXEscape(std::string_view text, bool math = false);
// "\put {" and the mark of a dot of that size up to " at ".
std::string TeXDotPrefix(int size, bool open);
// The command of a pen style code (nothing for codes below 1; "\setsolid" with forceSolid).
std::string TeXLineStyle(int code, bool forceSolid);
// "\setshadegrid span <...pt>" with its line end for a shade style; nothing for style 1.
std::string TeXShadeGrid(int style);

class PiCTeXPainter : public ExportPainter {
 public:
  PiCTeXPainter(const ViewMapping& mapping, ExportOutput& output, const PiCTeXPicture& picture);

  // The preamble, and this frame's scale and centre.
  void BeginPicture() override;
  // "\endpicture", closing the box of "TeX standalone" and ending the run of "TeX compilable".
  void EndPicture() override;

  // The primitives of the format, on world points.
  // The picture point of a world point.
  kernel::Point2 ScaleExportPoint(const kernel::Point2& p) const;
  // A number in the window's format.
  std::string Number(kernel::Real value) const;
  // "\putrule"; with inView nothing unless both ends lie in the view.
  void Rule(const kernel::Point2& p, const kernel::Point2& q, bool inView);
  // A two-point plot (a rule in view when horizontal or vertical), dotted at that many points when
  // dotSpacing is above 0; nothing when shorter than a fifth of a pixel.
  void PlotSegment(const kernel::Point2& p, const kernel::Point2& q, int dotSpacing);
  // The part in view of the segment, as PlotSegment; false when nothing of it is in view.
  bool TrimmedSegment(const kernel::Point2& p, const kernel::Point2& q);
  void Dot(const kernel::Point2& p, int size, bool open);
  // A text at the point, with PiCTeX's orientation option ("[lt]"), in math mode when asked.
  void Put(std::string_view text, std::string_view option, const kernel::Point2& p, bool math);
  // A plot of many points: begun, fed point by point, ended (dropped with fewer than two points).
  void PlotBegin();
  void PlotPoint(const kernel::Point2& p);
  void PlotEnd();
  // "\circulararc" of that many degrees from the start about the centre, or the long arc. A pen of
  // width 2 or more sets a larger plot symbol around it (and the usual one after it).
  void CircularArc(const kernel::Point2& start, const kernel::Point2& centre, kernel::Real degrees);
  // An arc too large for TeX's dimensions as a plot of 21 points; false (nothing written) when
  // it is not that large.
  bool LongArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real degrees);
  // The region of the outline shaded in columns along x (vertical) or along y; false, nothing
  // written, when it cannot be (style 1, not monotone, degenerate).
  bool Shade(std::span<const kernel::Point2> outline, bool vertical, int style);
  // An arrowhead at the tip pointing along the direction (see the file comment).
  void Arrow(const kernel::Point2& direction, const kernel::Point2& tip, const ArrowheadShape& shape);

  const PiCTeXPicture& picture() const { return picture_; }
  bool FormulaSymbolsAsCommands() const override { return true; }
  // TeX sets the texts.
  bool SetsTextsItself() const override { return true; }

 protected:
  bool DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) override;
  void DoPolyline(std::span<const kernel::Point2> points) override;
  void DoFlaggedPolyline(std::span<const kernel::Point2> points, std::span<const std::uint8_t> flags,
                         int mode) override;
  void DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) override;
  void DoCircle(const kernel::Point2& centre, kernel::Real radius) override;
  void DoPolygon(std::span<const kernel::Point2> points) override;
  // Shaded as a polygon; a backdrop is not shaded.
  void DoRegion(std::span<const kernel::Point2> points, std::string_view kind, bool backdrop) override;
  void DoMarker(const MarkerPlace& at, std::uint32_t style, int size) override;
  void DoLatticeCross(const kernel::Point2& p, platform::PointI pixel, int armX, int armY, int extra) override;
  void DoPictureFrame(std::span<const kernel::Point2> corners) override;
  void DoArrowhead(const kernel::Point2& tip, const kernel::Point2& direction, const ArrowheadShape& shape) override;
  void DoText(platform::PointI anchor, std::string_view text, int h, int v,
              std::optional<kernel::ColorRef> background) override;
  // "\put {text} at" the point, with PiCTeX's own centring or the orientation of the alignments.
  void DoTextAtPoint(const kernel::Point2& p, std::string_view text, int h, int v) override;
  void DoComment(std::string_view text) override;

 private:
  // Writes the pen's style when it differs from the style in force.
  void UsePenStyle();
  bool PenDraws() const { return state().pen.style != kLineNone; }
  // Runs of segments in view become one plot each.
  void RunSegment(const kernel::Point2& p, const kernel::Point2& q);
  void EndRun();
  // The filled region cut to the view, shaded along x or else along y.
  void ShadeRegion(std::span<const kernel::Point2> outline);
  int ShadeStyle() const;
  std::string RuleText(const kernel::Point2& p, const kernel::Point2& q, bool inView) const;
  // "[x] [y]" of a picture point.
  std::string PointText(const kernel::Point2& picturePoint) const;

  PiCTeXPicture picture_;
  kernel::Real scale_ = 1;
  kernel::Point2 centre_{0, 0};
  int styleInForce_ = 0;
  std::string plot_;
  int plotPoints_ = 0;
  bool runOpen_ = false;
  kernel::Point2 runEnd_{0, 0};
  std::vector<kernel::Point2> cut_;
  std::vector<kernel::Point2> outline_;
};

}  // namespace view

// The PiCTeX writer: preamble, end line, coordinates and the line, dot, text and arc primitives.

#include "view/pictex_painter.h"

#include <algorithm>
#include <cmath>

#include "kernel/flag_runs.h"
#include "kernel/number_text.h"
#include "kernel/segment_clip.h"
#include "kernel/text_utils.h"
#include "kernel/vector2.h"
#include "view/arc_sampling.h"
#include "view/export_settings.h"
#include "view/tex_characters.h"

namespace view {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// A plot is handed over in pieces no longer than this.
constexpr std::size_t kPlotPiece = 64000;
// A piece is handed over once fewer bytes than this are left in it.
constexpr std::size_t kPlotReserve = 100;
constexpr Real kShortSegmentFactor = 5;
// Radius x picture width x this / view half width from which an arc is too large for TeX.
constexpr Real kLongArcFactor = static_cast<Real>(14.18);
constexpr Real kLongArcLimit = 512;
constexpr int kLongArcSteps = 20;
constexpr Real kDegrees = 180 / kernel::Pi;
// A piece of a circle whose ends are closer than this many pixels is the whole circle.
constexpr Real kClosedCircle = static_cast<Real>(0.01);

// Whether the whole arc lies in the box: its ends and those of its extreme points in x and y that
// it passes.
bool ArcInBox(const ViewMapping& m, const Point2& centre, const Point2& start, Real sweep) {
  const Real r = kernel::Dist2(centre, start);
  const Real a0 = std::atan2(start.y - centre.y, start.x - centre.x);
  const bool whole = std::fabs(sweep) >= kernel::TwoPi;
  if (!InView(m, start)) return false;
  if (!whole && !InView(m, {centre.x + r * std::cos(a0 + sweep), centre.y + r * std::sin(a0 + sweep)})) return false;
  for (int k = 0; k < 4; ++k) {
    const Real theta = k * kernel::Pi / 2;
    Real turn = sweep >= 0 ? theta - a0 : a0 - theta;
    turn = std::fmod(turn, kernel::TwoPi);
    if (turn < 0) turn += kernel::TwoPi;
    if (!whole && turn > std::fabs(sweep)) continue;
    if (!InView(m, {centre.x + r * std::cos(theta), centre.y + r * std::sin(theta)})) return false;
  }
  return true;
}

// PiCTeX's orientation option of a text placed by the painter's alignments ("[lt]": the text
// starts at the point and hangs below it).
std::string Orientation(int h, int v) {
  std::string option = "[";
  if (h < 0) option += 'r';
  if (h > 0) option += 'l';
  if (v < 0) option += 't';
  if (v > 0) option += 'b';
  option += ']';
  return option;
}

}  // namespace

// --- Texts --------------------------------------------------------------------------------------

std::string TeXEscape(std::string_view text, bool math) {
  // A brace that closes nothing, one never closed and a backslash at the very end would end the
  // text's group early or swallow the rest of the line: they are set as characters.
  constexpr std::string_view kOpenBrace = "{\\tt\\char123}";
  constexpr std::string_view kCloseBrace = "{\\tt\\char125}";
  constexpr std::string_view kBackslash = "{\\tt\\char92}";
  std::vector<bool> unmatched(text.size(), false);
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\') ++i;  // the character after a backslash belongs to its command
    else if (text[i] == '{') open.push_back(i);
    else if (text[i] != '}') continue;
    else if (open.empty()) unmatched[i] = true;
    else open.pop_back();
  }
  for (const std::size_t i : open) unmatched[i] = true;

  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      // A command the text gives (\alpha, \%, \\) passes as it is; a backslash before a character
      // above ASCII, which no command begins with, is set as a character (and the character as TeX's).
      if (i + 1 == text.size() || static_cast<unsigned char>(text[i + 1]) >= 128) {
        out += kBackslash;
      } else {
        out += c;
        out += text[++i];
      }
      continue;
    }
    if (unmatched[i]) {
      out += c == '{' ? kOpenBrace : kCloseBrace;
      continue;
    }
    if (static_cast<unsigned char>(c) >= 128) {
      // Never the byte itself: TeX's fonts have other characters there, or none.
      if (const std::string_view character = TeXCharacter(static_cast<unsigned char>(c)); !character.empty())
        kernel::StrCat8(out, "\\hbox{", character, "}");
      continue;
    }
    if (!math && c == '^') {
      out += "\\^{}";
      continue;
    }
    if (c == '#' || c == '$' || c == '%' || c == '&' || (!math && c == '_')) out += '\\';
    out += c;
  }
  return out;
}

std::string TeXDotPrefix(int size, bool open) {
  std::string text = "\\put {";
  if (size < 1) return text + "\\fiverm .} at ";
  if (size <= 2) text += "$\\scriptscriptstyle";
  else if (size <= 4) text += "$\\scriptstyle";
  else text += "$";
  text += open ? "\\circ$} at " : "\\bullet$} at ";
  return text;
}

std::string TeXLineStyle(int code, bool forceSolid) {
  if (code < 1) return {};
  if (forceSolid) return "\\setsolid";
  switch (code) {
    case 1: return "\\setdots<2pt>";
    case 2: return "\\setdashes";
    case 3: return "\\setdashpattern<3pt,2pt,10pt,2pt>";
    case 4: return "\\setdashpattern<3pt,2pt,10pt,2pt,3pt,2pt>";
    default: return "\\setsolid";
  }
}

std::string PiCTeXPreamble(const PiCTeXPicture& picture, const ViewMapping& m) {
  const int d = picture.decimals;
  auto number = [d](Real v) { return kernel::FormatLD(v, d + 2, d); };
  std::string text;
  if (picture.frames <= 1) {
    switch (picture.format) {
      case kTeXStandalone:
        kernel::StrCat8(text, "\\input pictex", kLineEnd, "\\font\\fiverm = cmr5", kLineEnd);
        kernel::StrCat8(text, "\\setbox", std::to_string(picture.boxNumber), "=\\vbox{", kLineEnd);
        break;
      case kLaTeXStandalone:
        kernel::StrCat8(text, "\\font\\fiverm = cmr5", kLineEnd, "\\input prepictex", kLineEnd);
        kernel::StrCat8(text, "\\input pictex", kLineEnd, "\\input postpictex", kLineEnd);
        break;
      case kTeXCompilable: kernel::StrCat8(text, "\\input pictex", kLineEnd); break;
      default: break;
    }
  }
  kernel::StrCat8(text, "\\beginpicture", kLineEnd);
  Real unitX = 0;
  Real unitY = 0;
  Point2 corners[4];
  if (picture.frames <= 1) {
    unitX = picture.width * static_cast<Real>(0.5) / m.halfWidth;
    unitY = picture.width * m.height * static_cast<Real>(0.5) / (m.halfHeight * m.width);
    const kernel::Box2& b = m.box;
    corners[0] = {b.xmin, b.ymin};
    corners[1] = {b.xmin, b.ymax};
    corners[2] = {b.xmax, b.ymin};
    corners[3] = {b.xmax, b.ymax};
  } else {
    const Real h = picture.halfWidth;
    const Real v = picture.halfHeight;
    unitX = picture.width * static_cast<Real>(0.5) / h;
    unitY = picture.width * m.height * static_cast<Real>(0.5) / (v * m.width);
    corners[0] = {-h, -v};
    corners[1] = {h, -v};
    corners[2] = {h, v};
    corners[3] = {-h, v};
  }
  kernel::StrCat8(text, "\\setcoordinatesystem units <", number(unitX), "cm,", number(unitY), "cm>", kLineEnd);
  for (const Point2& c : corners)
    kernel::StrCat8(text, "\\put {\\phantom{.}} at ", number(c.x), " ", number(c.y), kLineEnd);
  kernel::StrCat8(text, "\\setlinear", kLineEnd, "\\setshadesymbol <z,z,z,z> ({\\fiverm .})", kLineEnd);
  return text;
}

// --- The painter --------------------------------------------------------------------------------

PiCTeXPainter::PiCTeXPainter(const ViewMapping& mapping, ExportOutput& output, const PiCTeXPicture& picture)
    : ExportPainter(mapping, output), picture_(picture) {}

void PiCTeXPainter::BeginPicture() {
  const ViewMapping& m = mapping();
  scale_ = picture_.frames > 1 ? picture_.halfWidth / m.halfWidth : 1;
  centre_ = m.centre;
  Write(picture_.preamble);
}

void PiCTeXPainter::EndPicture() {
  std::string text;
  if (styleInForce_ != 0) kernel::StrCat8(text, TeXLineStyle(styleInForce_, true), kLineEnd);
  styleInForce_ = 0;
  const bool single = picture_.frames <= 1;
  kernel::StrCat8(text, "\\endpicture", single && picture_.format == kTeXStandalone ? "}" : "", kLineEnd);
  if (single && picture_.format == kTeXCompilable) kernel::StrCat8(text, "\\bye", kLineEnd);
  Write(text);
}

Point2 PiCTeXPainter::ScaleExportPoint(const Point2& p) const {
  if (picture_.frames < 2) return p;
  return {(p.x - centre_.x) * scale_, (p.y - centre_.y) * scale_};
}

std::string PiCTeXPainter::Number(Real value) const {
  return kernel::FormatLD(value, picture_.decimals + 2, picture_.decimals);
}

std::string PiCTeXPainter::PointText(const Point2& p) const { return Number(p.x) + " " + Number(p.y); }

void PiCTeXPainter::UsePenStyle() {
  const int code = state().pen.style;
  const int wanted = code >= kLineDot && code <= kLineDashDotDot ? code : 0;
  if (wanted == styleInForce_) return;
  std::string text = wanted == 0 ? TeXLineStyle(styleInForce_, true) : TeXLineStyle(wanted, false);
  styleInForce_ = wanted;
  Write(text + std::string(kLineEnd));
}

std::string PiCTeXPainter::RuleText(const Point2& p, const Point2& q, bool inView) const {
  if (inView && !(InView(mapping(), p) && InView(mapping(), q))) return {};
  std::string text;
  kernel::StrCat8(text, "\\putrule from ", PointText(ScaleExportPoint(p)), " to ", PointText(ScaleExportPoint(q)),
                  kLineEnd);
  return text;
}

void PiCTeXPainter::Rule(const Point2& p, const Point2& q, bool inView) {
  const std::string text = RuleText(p, q, inView);
  if (!text.empty()) Write(text);
}

void PiCTeXPainter::PlotSegment(const Point2& p, const Point2& q, int dotSpacing) {
  if (kShortSegmentFactor * kernel::TaxiDist2(p, q) < mapping().unitsPerPixelX) return;
  const bool dotted = dotSpacing > 0;
  std::string text;
  if (dotted) kernel::StrCat8(text, "\\setdots <", std::to_string(dotSpacing), "pt>", kLineEnd);
  if (std::fabs(q.x - p.x) >= kernel::NullTolerance && std::fabs(q.y - p.y) >= kernel::NullTolerance)
    kernel::StrCat8(text, "\\plot ", PointText(ScaleExportPoint(p)), " ", PointText(ScaleExportPoint(q)), " /",
                    kLineEnd);
  else
    text += RuleText(p, q, true);
  if (dotted) {
    kernel::StrCat8(text, "\\setsolid", kLineEnd);
    styleInForce_ = 0;
  }
  if (!text.empty()) Write(text);
}

bool PiCTeXPainter::TrimmedSegment(const Point2& p, const Point2& q) {
  Point2 a = p;
  Point2 b = q;
  const ViewMapping& m = mapping();
  if (!InView(m, a) || !InView(m, b)) {
    if (!kernel::ClipSegment(m.box.xmin, m.box.xmax, m.box.ymin, m.box.ymax, a, b, false)) return false;
  }
  if (kernel::Dist2(a, b) < kernel::NullTolerance) return true;
  PlotSegment(a, b, 0);
  return true;
}

void PiCTeXPainter::Dot(const Point2& p, int size, bool open) {
  if (picture_.frames > 1) size = std::max(1, static_cast<int>(size * scale_));
  std::string text = TeXDotPrefix(size, open);
  kernel::StrCat8(text, PointText(ScaleExportPoint(p)), kLineEnd);
  Write(text);
}

void PiCTeXPainter::Put(std::string_view text, std::string_view option, const Point2& p, bool math) {
  std::string line = "\\put {";
  const std::string_view dollar = math ? "$" : "";
  const bool display = math && state().text.display;
  kernel::StrCat8(line, dollar, display ? "\\displaystyle{" : "", TeXEscape(text, math), display ? "}" : "", dollar, "} ",
                  option);
  kernel::StrCat8(line, option.empty() ? "" : " ", "at ", PointText(ScaleExportPoint(p)), kLineEnd);
  Write(line);
}

void PiCTeXPainter::PlotBegin() {
  plot_ = "\\plot ";
  plot_ += kLineEnd;
  plotPoints_ = 0;
}

void PiCTeXPainter::PlotPoint(const Point2& p) {
  std::string point = PointText(ScaleExportPoint(p));
  point += kLineEnd;
  // The end "/" CR LF must still fit behind the last point of a piece.
  if (plot_.size() + point.size() + 3 > kPlotPiece) {
    Write(plot_);
    plot_.clear();
  }
  plot_ += point;
  ++plotPoints_;
  if (plot_.size() + kPlotReserve > kPlotPiece) {
    Write(plot_);
    plot_.clear();
  }
}

void PiCTeXPainter::PlotEnd() {
  plot_ += "/";
  plot_ += kLineEnd;
  if (plotPoints_ >= 2) Write(plot_);
  plot_.clear();
  plotPoints_ = 0;
}

bool PiCTeXPainter::LongArc(const Point2& centre, const Point2& start, Real degrees) {
  const Real r = kernel::Dist2(start, centre);
  if (!(picture_.width * kLongArcFactor * r / mapping().halfWidth >= kLongArcLimit)) return false;
  const Real step = degrees * kernel::Pi / (180 * kLongArcSteps);
  Point2 v = start - centre;
  PlotBegin();
  PlotPoint(start);
  for (int i = 0; i < kLongArcSteps; ++i) {
    kernel::Rotate2(v, step);
    PlotPoint(centre + v);
  }
  PlotEnd();
  return true;
}

void PiCTeXPainter::CircularArc(const Point2& start, const Point2& centre, Real degrees) {
  if (LongArc(centre, start, degrees)) return;
  const int width = state().pen.width;
  std::string text;
  // The seven- and ten-point fonts are loaded right there: plain TeX knows them by these names,
  // LaTeX does not.
  if (width == 2) kernel::StrCat8(text, "\\setplotsymbol({\\font\\sevenrm = cmr7 \\sevenrm .})", kLineEnd);
  else if (width > 2) kernel::StrCat8(text, "\\setplotsymbol({\\font\\tenrm = cmr10 \\tenrm .})", kLineEnd);
  kernel::StrCat8(text, "\\circulararc ", Number(degrees), " degrees from ", PointText(ScaleExportPoint(start)),
                  " center at ", PointText(ScaleExportPoint(centre)), kLineEnd);
  if (width > 1) kernel::StrCat8(text, "\\setplotsymbol({\\fiverm .})", kLineEnd);
  Write(text);
}

// --- The painter's primitives -------------------------------------------------------------------

bool PiCTeXPainter::DoSegment(const Point2& p, const Point2& q, bool clip) {
  if (!PenDraws()) {
    Point2 a = p;
    Point2 b = q;
    return !clip || ClipToView(mapping(), a, b);
  }
  UsePenStyle();
  if (clip) return TrimmedSegment(p, q);
  PlotSegment(p, q, 0);
  return true;
}

void PiCTeXPainter::RunSegment(const Point2& p, const Point2& q) {
  Point2 a = p;
  Point2 b = q;
  const kernel::Box2& box = mapping().box;
  if (!kernel::ClipSegment(box.xmin, box.xmax, box.ymin, box.ymax, a, b, false)) {
    EndRun();
    return;
  }
  if (!(runOpen_ && a == runEnd_)) {
    EndRun();
    PlotBegin();
    PlotPoint(a);
    runOpen_ = true;
  }
  PlotPoint(b);
  runEnd_ = b;
  // The segment leaves the view: the next one starts a new plot.
  if (!(b == q)) EndRun();
}

void PiCTeXPainter::EndRun() {
  if (!runOpen_) return;
  PlotEnd();
  runOpen_ = false;
}

void PiCTeXPainter::DoPolyline(std::span<const Point2> points) {
  if (!PenDraws()) return;
  UsePenStyle();
  for (std::size_t i = 1; i < points.size(); ++i) RunSegment(points[i - 1], points[i]);
  EndRun();
}

void PiCTeXPainter::DoFlaggedPolyline(std::span<const Point2> points, std::span<const std::uint8_t> flags,
                                      int mode) {
  if (!PenDraws()) return;
  UsePenStyle();
  int run = kernel::NextFlagRun(-1, flags[0] != 0);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const int next = kernel::NextFlagRun(run, flags[i] != 0);
    if (kernel::FlaggedSegmentDrawn(run, next, mode)) RunSegment(points[i - 1], points[i]);
    else EndRun();
    run = next;
  }
  EndRun();
}

void PiCTeXPainter::DoArc(const Point2& centre, const Point2& start, Real sweep) {
  if (!PenDraws() || !(kernel::Dist2(centre, start) >= kernel::NullTolerance)) return;
  if (!ArcInBox(mapping(), centre, start, sweep)) {
    // Only the pieces in view, as plots.
    FigurePainter::DoArc(centre, start, sweep);
    return;
  }
  UsePenStyle();
  const Real degrees = std::clamp(sweep, -kernel::TwoPi, kernel::TwoPi) * kDegrees;
  CircularArc(start, centre, degrees);
}

void PiCTeXPainter::DoCircle(const Point2& centre, Real radius) {
  if (!(radius > 0)) return;
  if (state().brush.filled) {
    ArcPieces pieces;
    const Point2 start{centre.x + radius, centre.y};
    SampleArc(mapping(), centre, start, kernel::TwoPi, pieces);
    const kernel::Box2& b = mapping().box;
    if (pieces.ends.empty()) {
      // No edge in view: the disk covers the whole view or misses it.
      if (kernel::Dist2(centre, mapping().centre) < radius) {
        const Point2 view[] = {{b.xmin, b.ymin}, {b.xmax, b.ymin}, {b.xmax, b.ymax}, {b.xmin, b.ymax}};
        ShadeRegion(view);
      }
    } else {
      std::size_t from = 0;
      for (const std::size_t end : pieces.ends) {
        outline_.assign(pieces.points.begin() + static_cast<std::ptrdiff_t>(from),
                        pieces.points.begin() + static_cast<std::ptrdiff_t>(end));
        // A piece that is not the whole circle bounds the sector of the disk over the view.
        if (outline_.size() >= 2 &&
            kernel::Dist2(outline_.front(), outline_.back()) > mapping().unitsPerPixelX * kClosedCircle)
          outline_.push_back(centre);
        ShadeRegion(outline_);
        from = end;
      }
    }
  }
  if (PenDraws()) DoArc(centre, {centre.x + radius, centre.y}, kernel::TwoPi);
}

void PiCTeXPainter::DoPolygon(std::span<const Point2> points) {
  if (state().brush.filled) ShadeRegion(points);
  if (!PenDraws()) return;
  outline_.assign(points.begin(), points.end());
  outline_.push_back(points.front());
  DoPolyline(outline_);
}

void PiCTeXPainter::DoRegion(std::span<const Point2> points, std::string_view /*kind*/, bool backdrop) {
  if (!backdrop) DoPolygon(points);
}

void PiCTeXPainter::DoMarker(const MarkerPlace& at, std::uint32_t style, int size) {
  if (style < kMarkerStyleCount) {
    Dot(at.world, size, !state().brush.filled);
  } else if (style == kMarkerStyleCount && InView(mapping(), at.world)) {
    // The crosshair through the view.
    const kernel::Box2& b = mapping().box;
    Rule({b.xmin, at.world.y}, {b.xmax, at.world.y}, true);
    Rule({at.world.x, b.ymin}, {at.world.x, b.ymax}, true);
  }
}

void PiCTeXPainter::DoLatticeCross(const Point2& p, platform::PointI /*pixel*/, int armX, int /*armY*/,
                                   int /*extra*/) {
  Dot(p, armX, false);
}

void PiCTeXPainter::DoPictureFrame(std::span<const Point2> /*corners*/) {
  Point2 path[5];
  if (picture_.frames <= 1) {
    const kernel::Box2& b = mapping().box;
    path[0] = {b.xmin, b.ymax};
    path[1] = {b.xmin, b.ymin};
    path[2] = {b.xmax, b.ymin};
    path[3] = {b.xmax, b.ymax};
  } else {
    // The corners of the animation's picture, already in picture units.
    const Real h = picture_.halfWidth;
    const Real v = picture_.halfHeight;
    path[0] = {-h, v};
    path[1] = {-h, -v};
    path[2] = {h, -v};
    path[3] = {h, v};
  }
  path[4] = path[0];
  std::string text;
  for (int i = 1; i < 5; ++i)
    kernel::StrCat8(text, "\\putrule from ", PointText(path[i - 1]), " to ", PointText(path[i]), kLineEnd);
  Write(text);
}

void PiCTeXPainter::DoText(platform::PointI anchor, std::string_view text, int h, int v,
                           std::optional<kernel::ColorRef> /*background*/) {
  Put(text, Orientation(h, v), ToWorld(anchor), state().text.formula);
}

void PiCTeXPainter::DoTextAtPoint(const Point2& p, std::string_view text, int h, int v) {
  Put(text, h == 0 && v == 0 ? std::string() : Orientation(h, v), p, state().text.formula);
}

void PiCTeXPainter::DoComment(std::string_view text) {
  std::string line = "% ";
  kernel::StrCat8(line, text, kLineEnd);
  Write(line);
}

}  // namespace view

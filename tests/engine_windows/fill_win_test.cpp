// The fill layer: polygon fills cut for the targets that need it, faces in the three models, disks
// and sectors, the half-plane background, arcs split at the view's border, the PiCTeX, EPS and SVG
// text of fills and arcs, the display switches and Thicken print.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/windows/fill_win.h"
#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "support/extended_expect.h"
#include "view/export_readers.h"
#include "view/dc_figure_painter.h"
#include "view/eps_painter.h"
#include "view/pictex_painter.h"
#include "view/svg_painter.h"

using engine::TFillWin;
using kernel::Point2;
using kernel::Real;
using view::FigurePainter;
using view::InkColor;
using view::LinePen;

namespace {

constexpr Real kFillClose = static_cast<Real>(1e-12);

// -5 .. 5 both ways on a 501 x 501 client: 0.02 units per pixel.
view::ViewMapping DefaultView() {
  view::ViewMapping m;
  m.width = 501;
  m.height = 501;
  view::FitViewToClient(m);
  return m;
}

// A target that records what reaches it.
class FillRecorder : public FigurePainter {
 public:
  FillRecorder(const view::ViewMapping& m, bool clipsItself) : FigurePainter(m), clipsItself_(clipsItself) {}

  struct Region {
    std::vector<Point2> points;
    std::string kind;
    bool backdrop = false;
    view::FillBrush brush;
    LinePen pen;
  };
  struct Arc {
    Point2 centre;
    Point2 start;
    Real sweep = 0;
    LinePen pen;
  };
  std::vector<Region> regions;
  std::vector<Arc> arcs;
  std::vector<std::pair<Point2, Real>> circles;
  std::vector<view::FillBrush> circleBrushes;

 protected:
  bool DoClipsToView() const override { return clipsItself_; }
  void DoRegion(std::span<const Point2> points, std::string_view kind, bool backdrop) override {
    regions.push_back({{points.begin(), points.end()}, std::string(kind), backdrop, state().brush, state().pen});
  }
  void DoArc(const Point2& centre, const Point2& start, Real sweep) override {
    arcs.push_back({centre, start, sweep, state().pen});
  }
  void DoCircle(const Point2& centre, Real radius) override {
    circles.emplace_back(centre, radius);
    circleBrushes.push_back(state().brush);
  }
  bool DoSegment(const Point2&, const Point2&, bool) override { return true; }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }

 private:
  bool clipsItself_;
};

// A fill window whose figure is a table of points.
class FillWindow : public TFillWin {
 public:
  FillWindow() : TFillWin(nullptr, "fills") {}
  std::map<int, Point2> points;

 protected:
  bool FacePoint(int index, Point2& p) const override {
    const auto it = points.find(index);
    if (it == points.end()) return false;
    p = it->second;
    return true;
  }
};

kernel::FillRecord Face(std::initializer_list<std::uint16_t> vertices, std::uint16_t color, std::uint16_t hatch) {
  kernel::FillRecord face;
  kernel::InitFillRecord(face);
  std::size_t k = 0;
  for (const std::uint16_t v : vertices) face.vertices[k++] = v;
  face.vertices[k] = kernel::kFillListEnd;
  face.style = color;
  face.word214 = hatch;
  return face;
}

// Export painters writing into a string, without their heads (colour index 5 pink).
using export_test::Count;
template <class Painter>
struct File : export_test::PainterFile<Painter> {
  File() : export_test::PainterFile<Painter>(DefaultView()) {}
  std::string Text() const { return this->out.str(); }
};
using Eps = File<view::EpsPainter>;
using Svg = File<view::SvgPainter>;

struct PiCTeX {
  static view::PiCTeXPicture Picture() {
    view::PiCTeXPicture p;
    p.format = view::kTeXCompilable;
    p.decimals = 2;
    return p;
  }
  view::ViewMapping mapping = DefaultView();
  view::StringOutput out;
  view::PiCTeXPainter painter{mapping, out, Picture()};
  const std::string& Text() const { return out.text(); }
};

bool InBox(const Point2& p, const kernel::Box2& b) {
  return p.x >= b.xmin && p.x <= b.xmax && p.y >= b.ymin && p.y <= b.ymax;
}

// --- Polygons and faces -------------------------------------------------------------------------

TEST(FillWin, PolygonsAreCutOnlyForTargetsThatDoNotClipThemselves) {
  FillWindow w;
  const view::ViewMapping m = DefaultView();
  const std::vector<Point2> big{{0, 0}, {100, 0}, {0, 100}};
  FillRecorder screen(m, true);
  FillRecorder file(m, false);
  EXPECT_TRUE(w.FillPolygonShape(screen, big, true, 3, 0, -1, 2));
  EXPECT_TRUE(w.FillPolygonShape(file, big, true, 3, 0, -1, 2));
  ASSERT_EQ(screen.regions.size(), 1u);
  ASSERT_EQ(file.regions.size(), 1u);
  EXPECT_EQ(screen.regions[0].points, big);
  // Cut to the view shrunk by half a pixel: right -> top walks the top right corner.
  const kernel::Box2 clip = engine::FillClipBox(m);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, clip.xmax, static_cast<Real>(4.99), kFillClose);
  for (const Point2& p : file.regions[0].points) EXPECT_TRUE(InBox(p, clip));
  EXPECT_EQ(file.regions[0].points.size(), 4u);
  // The fill's colour and hatch, no outline, the shape's word.
  const FillRecorder::Region& r = file.regions[0];
  EXPECT_EQ(r.brush, (view::FillBrush{true, InkColor::Index(3), 2}));
  EXPECT_EQ(r.pen.style, view::kLineNone);
  EXPECT_EQ(r.kind, "background");  // the shape kind a window starts with
  // Without clip the points go as they are; nothing for fewer than three or nothing in view.
  EXPECT_TRUE(w.FillPolygonShape(file, big, false, 3, 0, -1, 0));
  EXPECT_EQ(file.regions.back().points, big);
  EXPECT_FALSE(w.FillPolygonShape(file, std::vector<Point2>{{0, 0}, {1, 1}}, true, 3, 0, -1, 0));
  EXPECT_FALSE(w.FillPolygonShape(file, std::vector<Point2>{{10, 10}, {20, 10}, {15, 20}}, true, 3, 0, -1, 0));
  EXPECT_EQ(file.regions.size(), 2u);
}

TEST(FillWin, FacesInThePlaneAndInTheDisk) {
  FillWindow w;
  w.points = {{1, {0, 0}}, {2, {0.5L, 0}}, {3, {0, 0.5L}}};
  const view::ViewMapping m = DefaultView();
  FillRecorder file(m, false);
  EXPECT_TRUE(w.FillFace(file, Face({1, 2, 3}, 7, 4)));
  ASSERT_EQ(file.regions.size(), 1u);
  EXPECT_EQ(file.regions[0].points, (std::vector<Point2>{{0, 0}, {0.5L, 0}, {0, 0.5L}}));
  EXPECT_EQ(file.regions[0].brush, (view::FillBrush{true, InkColor::Index(7), 4}));
  // A vertex that does not exist: no fill.
  EXPECT_FALSE(w.FillFace(file, Face({1, 2, 9}, 7, 0)));
  EXPECT_EQ(file.regions.size(), 1u);

  // In the disk the side from (0.5, 0) to (0, 0.5) is an arc bowed toward the centre; the sides
  // through the centre are straight.
  w.SetGeometry(engine::kPoincareDisk, 2);
  EXPECT_TRUE(w.FillFace(file, Face({1, 2, 3}, 7, 0)));
  ASSERT_EQ(file.regions.size(), 2u);
  const std::vector<Point2>& region = file.regions[1].points;
  EXPECT_GT(region.size(), 10u);
  for (const Point2& p : region) {
    EXPECT_LE(p.x + p.y, 0.5L + kFillClose);  // inside the straight triangle
    EXPECT_GE(std::min(p.x, p.y), -kFillClose);
  }
  // The geodesic's middle bows toward the centre, away from the chord x + y = 0.5.
  Real nearest = 1;
  for (const Point2& p : region)
    if (std::min(p.x, p.y) > 0.05L) nearest = std::min(nearest, p.x + p.y);
  EXPECT_LT(nearest, 0.45L);

  // In the upper half-plane the sides are half circles about points of the axis, and the face is
  // cut to the view for the files.
  w.SetGeometry(engine::kUpperHalfPlane, 2);
  w.points = {{1, {-1, 1}}, {2, {1, 1}}, {3, {0, 3}}};
  EXPECT_TRUE(w.FillFace(file, Face({1, 2, 3}, 7, 0)));
  ASSERT_EQ(file.regions.size(), 3u);
  for (const Point2& p : file.regions[2].points) EXPECT_TRUE(InBox(p, engine::FillClipBox(m)));
  // The side from (-1, 1) to (1, 1) bows up to the circle of radius sqrt 2 about the origin.
  Real lowest = 10;
  for (const Point2& p : file.regions[2].points)
    if (std::fabs(p.x) < 0.2L) lowest = std::min(lowest, p.y);
  EXPECT_GT(lowest, 1.35L);
  EXPECT_LT(lowest, 1.42L);

  // The sphere fills its faces itself (nothing at this layer).
  w.SetGeometry({false, false, true}, 3);
  EXPECT_FALSE(w.FillFace(file, Face({1, 2, 3}, 7, 0)));
}

// --- Disks and sectors --------------------------------------------------------------------------

TEST(FillWin, WholeCirclesAndSectors) {
  FillWindow w;
  const view::ViewMapping m = DefaultView();
  for (const Real sweep : {static_cast<Real>(360), static_cast<Real>(359.99995), static_cast<Real>(-720)}) {
    FillRecorder p(m, false);
    w.FillEllipseShape(p, {1, 1}, {1, 3}, sweep, 5, 2);
    ASSERT_EQ(p.circles.size(), 1u) << static_cast<double>(sweep);
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.circles[0].second, 2, kFillClose);
    EXPECT_EQ(p.circleBrushes[0], (view::FillBrush{true, InkColor::Index(5), 2}));
    EXPECT_TRUE(p.regions.empty());
  }
  EXPECT_EQ(w.fill.shapeKind, engine::kShapeBackground);

  // -90 degrees from (2, 0) covers the quarter that +90 degrees from (0, -2) covers.
  FillRecorder minus(m, false);
  FillRecorder plus(m, false);
  w.FillEllipseShape(minus, {0, 0}, {2, 0}, -90, 5, 0);
  w.FillEllipseShape(plus, {0, 0}, {0, -2}, 90, 5, 0);
  ASSERT_EQ(minus.regions.size(), 1u);
  ASSERT_EQ(plus.regions.size(), 1u);
  ASSERT_EQ(minus.regions[0].points.size(), plus.regions[0].points.size());
  for (std::size_t k = 0; k < plus.regions[0].points.size(); ++k) {
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, minus.regions[0].points[k].x, plus.regions[0].points[k].x, kFillClose);
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, minus.regions[0].points[k].y, plus.regions[0].points[k].y, kFillClose);
  }
  // A sector ends at its centre and is named a sector from then on.
  EXPECT_EQ(plus.regions[0].points.back(), (Point2{0, 0}));
  EXPECT_EQ(plus.regions[0].kind, "sector");
  EXPECT_EQ(w.fill.shapeKind, engine::kShapeSector);

  // Nothing for a null radius or a sector of no angle.
  FillRecorder none(m, false);
  w.FillEllipseShape(none, {1, 1}, {1, 1}, 360, 5, 0);
  w.FillEllipseShape(none, {0, 0}, {1, 0}, 1e-14L, 5, 0);
  EXPECT_TRUE(none.circles.empty());
  EXPECT_TRUE(none.regions.empty());

  // A sector reaching out of the view is cut for the files, not for the screen.
  FillRecorder file(m, false);
  FillRecorder screen(m, true);
  w.FillEllipseShape(file, {4, 0}, {7, 0}, 90, 5, 0);
  w.FillEllipseShape(screen, {4, 0}, {7, 0}, 90, 5, 0);
  for (const Point2& p : file.regions.at(0).points) EXPECT_TRUE(InBox(p, engine::FillClipBox(m)));
  EXPECT_EQ(screen.regions.at(0).points.front(), (Point2{7, 0}));
}

// --- What the files hold ------------------------------------------------------------------------

TEST(FillWin, PiCTeXShadesATriangleAndASquare) {
  FillWindow w;
  PiCTeX tex;
  EXPECT_TRUE(w.FillPolygonShape(tex.painter, std::vector<Point2>{{0, 0}, {2, 0}, {1, 1}}, true, 0, 0, -1, 0));
  EXPECT_EQ(tex.Text(),
            "\\setshadegrid span <0.2pt>\r\n"
            "\\vshade\r\n"
            "0.000000 0.000000 0.000000\r\n"
            "1.000000 0.000000 1.000000\r\n"
            "2.000000 0.000000 0.000000 /\r\n");
  PiCTeX square;
  EXPECT_TRUE(
      w.FillPolygonShape(square.painter, std::vector<Point2>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true, 2, 0, -1, 0));
  EXPECT_EQ(square.Text(),
            "\\setshadegrid span <1.7600000pt>\r\n"
            "\\vshade\r\n"
            "0.000000 0.000000 1.000000\r\n"
            "1.000000 0.000000 1.000000 /\r\n");
  // The half-plane background is not shaded.
  PiCTeX background;
  w.FillBackground(background.painter);
  EXPECT_EQ(background.Text(), "");
}

TEST(FillWin, EpsNamesEachFillAndFillsItSolid) {
  FillWindow w;
  const std::vector<Point2> triangle{{0, 0}, {2, 0}, {1, 1}};
  struct Case {
    std::uint32_t kind;
    const char* comment;
  };
  for (const Case c : {Case{4, "% begin polygon fill\r\n"}, Case{13, "% begin parabola fill\r\n"},
                       Case{8, "% begin  fill\r\n"}, Case{9, "% begin  fill\r\n"}}) {
    Eps eps;
    w.fill.shapeKind = c.kind;
    EXPECT_TRUE(w.FillPolygonShape(eps.painter, triangle, true, 2, 0, -1, 3));
    const std::string text = eps.Text();
    EXPECT_EQ(text.rfind(c.comment, 0), 0u) << text;
    // A hatched fill is solid in EPS, and has no outline.
    EXPECT_EQ(Count(text, "\r\nfill\r\n"), 1);
    EXPECT_EQ(Count(text, "stroke"), 0);
  }
  // A whole disk is written as a circle fill; a sector as a polygon named a sector.
  Eps disk;
  w.FillEllipseShape(disk.painter, {0, 0}, {1, 0}, 360, 2, 0);
  EXPECT_EQ(disk.Text().rfind("% begin circle fill\r\nnewpath\r\n", 0), 0u);
  EXPECT_NE(disk.Text().find(" 0 360 arc"), std::string::npos);
  Eps sector;
  w.FillEllipseShape(sector.painter, {0, 0}, {1, 0}, 45, 2, 0);
  EXPECT_EQ(sector.Text().rfind("% begin sector fill\r\nnewpath\r\n", 0), 0u);
  // The background: the half-plane's part of the view.
  Eps background;
  w.preWin.roles[10] = 4;
  w.FillBackground(background.painter);
  const std::string bg = background.Text();
  EXPECT_EQ(bg.rfind("% begin background fill\r\n", 0), 0u);
  EXPECT_EQ(Count(bg, "lineto"), 4);
}

TEST(FillWin, SvgFillsCarryTheirHatch) {
  FillWindow w;
  Svg svg;
  EXPECT_TRUE(w.FillPolygonShape(svg.painter, std::vector<Point2>{{0, 0}, {2, 0}, {1, 1}}, true, 2, 0, -1, 3));
  const std::string text = svg.Text();
  EXPECT_NE(text.find("<pattern id=\"fpat000\""), std::string::npos);
  EXPECT_NE(text.find("<polygon fill=\"url(#fpat000)\""), std::string::npos);
  Svg disk;
  w.FillEllipseShape(disk.painter, {0, 0}, {1, 0}, 360, 2, 0);
  EXPECT_EQ(disk.Text().rfind("<circle cx=\"250\" cy=\"250\" r=\"50\"", 0), 0u);
}

// Ghostscript and the SVG readers take a picture of every kind of fill and arc, and Ghostscript
// finds nothing drawn outside the page.
TEST(FillWin, RealReadersTakeFillsAndArcs) {
  FillWindow w;
  w.points = {{1, {0, 0}}, {2, {0.6L, 0}}, {3, {0, 0.6L}}};
  auto draw = [&w](FigurePainter& p) {
    w.FillBackground(p);
    w.FillPolygonShape(p, std::vector<Point2>{{-9, -1}, {3, -8}, {1, 9}, {12, 12}}, true, 5, 0, -1, 2);
    w.FillEllipseShape(p, {-3, 3}, {-1, 3}, 360, 5, 3);
    w.FillEllipseShape(p, {4, -4}, {7, -4}, -120, 5, 0);
    w.FillFace(p, Face({1, 2, 3}, 5, 1));
    w.DrawArcFigure(p, {0, 0}, {7, 0}, kernel::TwoPi, {InkColor::Index(5), 2, view::kLineSolid});
    w.DrawArcThrough(p, {0, 0}, {4, 0}, {0, 4}, {InkColor::Index(5), 1, view::kLineDash});
  };
  Eps eps;
  const std::string document = eps.Document(draw);
  export_test::ExpectGhostscriptAccepts(document, static_cast<int>(eps.painter.page().width),
                                        static_cast<int>(eps.painter.page().height));
  Svg svg;
  export_test::ExpectSvgReadable(svg.Document(draw));
}

// --- Arcs ---------------------------------------------------------------------------------------

TEST(FillWin, ArcThroughTwoPointsTakesTheShorterWay) {
  FillWindow w;
  const view::ViewMapping m = DefaultView();
  const LinePen pen{InkColor::Index(4), 2, view::kLineSolid};
  struct Case {
    Point2 p, q, start;
    Real sweep;
  };
  const Case cases[] = {
      {{1, 0}, {0, 1}, {1, 0}, kernel::Pi / 2},       // counter-clockwise from p
      {{0, 1}, {1, 0}, {1, 0}, kernel::Pi / 2},       // clockwise: from q
      {{1, 0}, {-1, 0}, {1, 0}, kernel::Pi},          // opposite: a half turn
      {{1, 0}, {-1, -0.01L}, {-1, -0.01L}, kernel::Pi - std::atan(0.01L)},
  };
  for (const Case& c : cases) {
    FillRecorder p(m, true);
    w.DrawArcThrough(p, {0, 0}, c.p, c.q, pen);
    ASSERT_EQ(p.arcs.size(), 1u);
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.arcs[0].start.x, c.start.x, kFillClose);
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.arcs[0].start.y, c.start.y, kFillClose);
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.arcs[0].sweep, c.sweep, kFillClose);
    EXPECT_EQ(p.arcs[0].pen, pen);
  }
  // With the point of larger x first.
  FillRecorder open(m, true);
  w.DrawArcIfOpen(open, {0, 0}, {0, 1}, {1, 0}, pen);
  ASSERT_EQ(open.arcs.size(), 1u);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, open.arcs[0].sweep, kernel::Pi / 2, kFillClose);
  // A negative sweep draws the same arc from its other end.
  FillRecorder negative(m, true);
  w.DrawArcFigure(negative, {0, 0}, {0, 1}, -kernel::Pi / 2, pen);
  ASSERT_EQ(negative.arcs.size(), 1u);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, negative.arcs[0].start.x, 1, kFillClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, negative.arcs[0].sweep, kernel::Pi / 2, kFillClose);
}

TEST(FillWin, CirclesAreSplitAtTheBorderOfTheView) {
  FillWindow w;
  const LinePen pen{InkColor::Index(4), 1, view::kLineSolid};
  // Inside the view: a circle in SVG and EPS, whether the sweep is 2 pi or a little less.
  for (const Real sweep : {kernel::TwoPi, kernel::TwoPi - static_cast<Real>(1e-7)}) {
    Svg svg;
    Eps eps;
    w.DrawArcFigure(svg.painter, {0, 0}, {1, 0}, sweep, pen);
    w.DrawArcFigure(eps.painter, {0, 0}, {1, 0}, sweep, pen);
    EXPECT_EQ(svg.Text().rfind("<circle ", 0), 0u);
    EXPECT_NE(svg.Text().find("fill=\"none\""), std::string::npos);
    EXPECT_NE(eps.Text().find(" 0 360 arc\r\n"), std::string::npos);
    EXPECT_EQ(Count(eps.Text(), "fill"), 0);
  }
  // Crossing the border: only the pieces inside, as arcs.
  const view::ViewMapping m = DefaultView();
  FillRecorder pieces(m, true);
  w.DrawArcFigure(pieces, {0, 0}, {6, 0}, kernel::TwoPi, pen);
  EXPECT_EQ(pieces.arcs.size(), 4u);
  for (const FillRecorder::Arc& a : pieces.arcs) {
    Point2 end = a.start;
    kernel::Rotate2(end, a.sweep);
    EXPECT_TRUE(InBox(a.start, m.box));
    EXPECT_TRUE(InBox(end, m.box));
    EXPECT_GT(a.sweep, 0);
  }
  Svg svg;
  w.DrawArcFigure(svg.painter, {5, 0}, {2, 0}, kernel::TwoPi, pen);
  EXPECT_EQ(Count(svg.Text(), "<path d=\"M"), 1);
  EXPECT_EQ(Count(svg.Text(), "<circle"), 0);
  // Round the whole view, and beside it: nothing at all.
  Svg around;
  Eps aroundEps;
  PiCTeX aroundTex;
  w.DrawArcFigure(around.painter, {0, 0}, {100, 0}, kernel::TwoPi, pen);
  w.DrawArcFigure(aroundEps.painter, {0, 0}, {100, 0}, kernel::TwoPi, pen);
  w.DrawArcFigure(aroundTex.painter, {0, 0}, {100, 0}, kernel::TwoPi, pen);
  w.DrawArcFigure(around.painter, {20, 0}, {21, 0}, kernel::TwoPi, pen);
  EXPECT_EQ(around.Text(), "");
  EXPECT_EQ(aroundEps.Text(), "");
  EXPECT_EQ(aroundTex.Text(), "");
}

TEST(FillWin, PiCTeXArcsSetTheirPlotSymbolByPenWidth) {
  FillWindow w;
  PiCTeX thin;
  w.DrawArcFigure(thin.painter, {0, 0}, {1, 0}, kernel::Pi / 2, {InkColor::Index(1), 1, view::kLineSolid});
  EXPECT_EQ(thin.Text(), "\\circulararc 90.00 degrees from 1.00 0.00 center at 0.00 0.00\r\n");
  PiCTeX wide;
  w.DrawArcFigure(wide.painter, {0, 0}, {1, 0}, kernel::Pi / 2, {InkColor::Index(1), 2, view::kLineSolid});
  EXPECT_EQ(wide.Text(),
            "\\setplotsymbol({\\font\\sevenrm = cmr7 \\sevenrm .})\r\n"
            "\\circulararc 90.00 degrees from 1.00 0.00 center at 0.00 0.00\r\n"
            "\\setplotsymbol({\\fiverm .})\r\n");
  PiCTeX wider;
  w.DrawArcFigure(wider.painter, {0, 0}, {1, 0}, kernel::Pi / 2, {InkColor::Index(1), 3, view::kLineSolid});
  EXPECT_EQ(wider.Text().rfind("\\setplotsymbol({\\font\\tenrm = cmr10 \\tenrm .})\r\n", 0), 0u);
}

// Far and huge shapes end, and write little: every output stays within a few thousand points.
TEST(FillWin, FarAndHugeShapesEndQuickly) {
  FillWindow w;
  const LinePen pen{InkColor::Index(1), 1, view::kLineSolid};
  const Real huge = 1e300L;
  const Real overflowing = 1e4000L;  // its squares are infinite
  auto draw = [&](FigurePainter& p) {
    w.FillPolygonShape(p, std::vector<Point2>{{-huge, -huge}, {huge, -huge}, {0, huge}}, true, 2, 0, -1, 1);
    w.FillPolygonShape(p, std::vector<Point2>{{-overflowing, 0}, {overflowing, 1}, {0, overflowing}}, true, 2, 0,
                       -1, 1);
    w.FillPolygonShape(p, std::vector<Point2>{{0, 0}, {NAN, 1}, {1, 1}}, true, 2, 0, -1, 1);
    w.FillEllipseShape(p, {0, 1e30L}, {0, -3}, 360, 2, 3);
    w.FillEllipseShape(p, {0, 1e30L}, {0, -3}, 30, 2, 3);
    w.FillEllipseShape(p, {huge, huge}, {0, 0}, 90, 2, 3);
    w.DrawArcFigure(p, {0, 1e30L}, {0, -3}, kernel::TwoPi, pen);
    w.DrawArcFigure(p, {huge, 0}, {0, 0}, 1, pen);
    w.DrawArcThrough(p, {0, 0}, {overflowing, 0}, {0, overflowing}, pen);
  };
  Eps eps;
  Svg svg;
  PiCTeX tex;
  draw(eps.painter);
  draw(svg.painter);
  draw(tex.painter);
  EXPECT_LT(eps.Text().size(), 4000000u);
  EXPECT_LT(svg.Text().size(), 400000u);
  EXPECT_LT(tex.Text().size(), 400000u);
  platform::Bitmap bitmap(100, 100);
  auto dc = bitmap.CreateDC();
  view::ViewMapping m = DefaultView();
  m.width = m.height = 100;
  view::FitViewToClient(m);
  view::DcFigurePainter screen(*dc, m, {});
  draw(screen);
}

// A picture of 40 x 40 pixels showing -2..2 both ways.
view::ViewMapping SmallView() {
  view::ViewMapping m;
  m.width = 40;
  m.height = 40;
  m.unequal = 1;
  m.box = {-2, 2, -2, 2};
  view::FitViewToClient(m);
  return m;
}

// --- On the screen ------------------------------------------------------------------------------

TEST(FillWin, OnTheScreenFillsReachTheEdgesOfThePicture) {
  FillWindow w;
  view::ViewMapping m = SmallView();
  platform::Bitmap bitmap(40, 40);
  auto dc = bitmap.CreateDC();
  {
    view::DcFigurePainter painter(*dc, m, {});
    // A triangle far larger than the view covers it all; the background covers the upper half.
    w.FillPolygonShape(painter, std::vector<Point2>{{-1e6L, -1e6L}, {1e6L, -1e6L}, {0, 1e6L}}, true, 2, 0, -1, 0);
  }
  int blank = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) blank += *bitmap.GetPixel(x, y) == platform::kWhite;
  EXPECT_EQ(blank, 0);

  platform::Bitmap half(40, 40);
  auto halfDc = half.CreateDC();
  {
    view::DcFigurePainter painter(*halfDc, m, {});
    w.preWin.roles[10] = 2;
    w.FillBackground(painter);
  }
  EXPECT_NE(*half.GetPixel(0, 0), platform::kWhite);
  EXPECT_NE(*half.GetPixel(39, 18), platform::kWhite);
  EXPECT_EQ(*half.GetPixel(20, 25), platform::kWhite);
  EXPECT_EQ(*half.GetPixel(39, 39), platform::kWhite);
}

// On a printer page the picture is only part of the page: a fill is cut to the view there.
TEST(FillWin, OnAPrinterPageFillsStayInsideThePicture) {
  FillWindow w;
  view::ViewMapping m = SmallView();
  m.offsetX = 10;
  m.offsetY = 10;
  m.printing = true;
  platform::Bitmap page(60, 60);
  auto dc = page.CreateDC();
  {
    view::DcFigurePainter painter(*dc, m, {});
    w.FillPolygonShape(painter, std::vector<Point2>{{-100, -100}, {100, -100}, {0, 100}}, true, 2, 0, -1, 0);
  }
  int inked = 0;
  int spilled = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inside = x >= 10 && x < 50 && y >= 10 && y < 50;
      const bool ink = *page.GetPixel(x, y) != platform::kWhite;
      inked += ink;
      spilled += ink && !inside;
    }
  EXPECT_EQ(spilled, 0);
  EXPECT_GT(inked, 36 * 36);
}

// --- Commands -----------------------------------------------------------------------------------

TEST(FillWin, HideSwitchesAndThickenPrint) {
  FillWindow w;
  w.Create();
  EXPECT_EQ(w.fill.hideLines, 0);
  EXPECT_EQ(w.fill.hideColor, 0);
  w.DispatchCommand(engine::kCmdHideLines);
  w.DispatchCommand(engine::kCmdHideColor);
  EXPECT_EQ(w.fill.hideLines, 1);
  EXPECT_EQ(w.fill.hideColor, 1);
  w.DispatchCommand(engine::kCmdHideColor);
  EXPECT_EQ(w.fill.hideColor, 0);

  platform::ScriptedResponder script;
  std::vector<std::string> offered;
  auto answer = [&](std::string text) {
    script.OnDialog("ONEINPUT", [text, &offered](platform::Dialog& d) {
      offered.push_back(d.GetItemText(211));
      d.SetItemText(211, text);
      d.PressButton(platform::IDOK);
    });
  };
  answer("3");
  w.DispatchCommand(engine::kCmdThickenPrint);
  EXPECT_EQ(w.device.printerExtraWidth, 3);
  answer("-2");
  w.DispatchCommand(engine::kCmdThickenPrint);
  EXPECT_EQ(w.device.printerExtraWidth, 3);
  answer("40000");
  w.DispatchCommand(engine::kCmdThickenPrint);
  EXPECT_EQ(w.device.printerExtraWidth, 3);
  EXPECT_EQ(offered, (std::vector<std::string>{"0", "3", "3"}));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"positive value?", "out of bounds"}));
  w.Destroy();
}

}  // namespace

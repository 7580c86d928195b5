// The PiCTeX writer's text: numbers, preambles and end lines of the four flavours, rules and plots,
// streamed plots, escaping, dots, arcs, shading and arrows, animation frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "view/export_settings.h"
#include "view/pictex_painter.h"

using namespace view;
using kernel::Point2;
using kernel::Real;

namespace {

// The default view: -5 .. 5 both ways on a 501 x 501 client, 0.02 units per pixel.
ViewMapping DefaultView() {
  ViewMapping m;
  m.width = 501;
  m.height = 501;
  FitViewToClient(m);
  return m;
}

PiCTeXPicture Picture(int format, int decimals, int frames = 1) {
  PiCTeXPicture p;
  p.format = format;
  p.decimals = decimals;
  p.frames = frames;
  return p;
}

// A painter on the default view writing into a string, without the preamble.
struct Writer {
  explicit Writer(int decimals = 2, int frames = 1, ViewMapping view = DefaultView())
      : mapping(view), painter(mapping, out, Picture(kTeXCompilable, decimals, frames)) {}
  std::string Take() {
    std::string t = out.text();
    out = StringOutput();
    return t;
  }
  ViewMapping mapping;
  StringOutput out;
  PiCTeXPainter painter;
};

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(PiCTeXPainter, NumbersHaveTheWindowsDecimalsInAFieldOfTwoMore) {
  Writer two(2);
  EXPECT_EQ(two.painter.Number(1.5L), "1.50");
  EXPECT_EQ(two.painter.Number(-0.25L), "-0.25");
  two.painter.Dot({1.5L, -0.25L}, 5, false);
  EXPECT_EQ(two.Take(), "\\put {$\\bullet$} at 1.50 -0.25\r\n");
  Writer three(3);
  EXPECT_EQ(three.painter.Number(0.5L), "0.500");
  EXPECT_EQ(three.painter.Number(12.3456L), "12.346");
  Writer none(0);
  EXPECT_EQ(none.painter.Number(3), " 3");  // only d = 0 leaves room for a blank
  // No magnitude overflows anything.
  EXPECT_EQ(two.painter.Number(1e30L).size(), 34u);
}

TEST(PiCTeXPainter, ThePreambleAndEndOfEachFlavour) {
  const ViewMapping m = DefaultView();
  const std::string picture =
      "\\beginpicture\r\n"
      "\\setcoordinatesystem units <0.80cm,0.80cm>\r\n"
      "\\put {\\phantom{.}} at -5.00 -5.00\r\n"
      "\\put {\\phantom{.}} at -5.00 5.00\r\n"
      "\\put {\\phantom{.}} at 5.00 -5.00\r\n"
      "\\put {\\phantom{.}} at 5.00 5.00\r\n"
      "\\setlinear\r\n"
      "\\setshadesymbol <z,z,z,z> ({\\fiverm .})\r\n";
  const struct {
    int format;
    const char* head;
    const char* end;
  } flavours[] = {
      {kTeXStandalone, "\\input pictex\r\n\\font\\fiverm = cmr5\r\n\\setbox1=\\vbox{\r\n", "\\endpicture}\r\n"},
      {kLaTeXStandalone,
       "\\font\\fiverm = cmr5\r\n\\input prepictex\r\n\\input pictex\r\n\\input postpictex\r\n", "\\endpicture\r\n"},
      {kTeXCompilable, "\\input pictex\r\n", "\\endpicture\r\n\\bye\r\n"},
      {kTeXInsertable, "", "\\endpicture\r\n"},
  };
  for (const auto& f : flavours) {
    PiCTeXPicture p = Picture(f.format, 2);
    p.preamble = PiCTeXPreamble(p, m);
    EXPECT_EQ(p.preamble, f.head + picture) << f.format;
    StringOutput out;
    PiCTeXPainter painter(m, out, p);
    painter.BeginPicture();
    painter.EndPicture();
    EXPECT_EQ(out.text(), p.preamble + f.end) << f.format;
  }
  // The box number of "TeX standalone".
  PiCTeXPicture boxed = Picture(kTeXStandalone, 2);
  boxed.boxNumber = 7;
  EXPECT_NE(PiCTeXPreamble(boxed, m).find("\\setbox7=\\vbox{\r\n"), std::string::npos);
}

TEST(PiCTeXPainter, AnAnimationFrameHasAPictureOfHalfWidthHAboutTheViewCentre) {
  ViewMapping m;
  m.width = 400;
  m.height = 200;
  m.centre = {2, 0};
  m.halfWidth = 10;
  FitViewToClient(m);  // half height 5
  for (const int format : {kTeXStandalone, kTeXCompilable}) {
    PiCTeXPicture p = Picture(format, 2, 3);
    p.halfHeight = p.halfWidth * m.halfHeight / m.halfWidth;  // 2.5
    p.preamble = PiCTeXPreamble(p, m);
    EXPECT_EQ(p.preamble,
              "\\beginpicture\r\n"
              "\\setcoordinatesystem units <0.80cm,0.80cm>\r\n"
              "\\put {\\phantom{.}} at -5.00 -2.50\r\n"
              "\\put {\\phantom{.}} at 5.00 -2.50\r\n"
              "\\put {\\phantom{.}} at 5.00 2.50\r\n"
              "\\put {\\phantom{.}} at -5.00 2.50\r\n"
              "\\setlinear\r\n"
              "\\setshadesymbol <z,z,z,z> ({\\fiverm .})\r\n");
    StringOutput out;
    PiCTeXPainter painter(m, out, p);
    painter.BeginPicture();
    // World (12, 0) lies at the right edge of the view: picture x = (12 - 2) x H / 10.
    painter.Dot({12, 0}, 4, false);  // size 4 x 0.5
    painter.PictureFrame();
    painter.EndPicture();
    EXPECT_EQ(out.text().substr(p.preamble.size()),
              "\\put {$\\scriptscriptstyle\\bullet$} at 5.00 0.00\r\n"
              "\\putrule from -5.00 2.50 to -5.00 -2.50\r\n"
              "\\putrule from -5.00 -2.50 to 5.00 -2.50\r\n"
              "\\putrule from 5.00 -2.50 to 5.00 2.50\r\n"
              "\\putrule from 5.00 2.50 to -5.00 2.50\r\n"
              "\\endpicture\r\n");
  }
}

TEST(PiCTeXPainter, SegmentsBecomeRulesOrTwoPointPlots) {
  Writer w;
  w.painter.Segment({-1, 2}, {3, 2}, false);  // horizontal, in view
  EXPECT_EQ(w.Take(), "\\putrule from -1.00 2.00 to 3.00 2.00\r\n");
  w.painter.Segment({1, -1}, {1, 4}, false);  // vertical
  EXPECT_EQ(w.Take(), "\\putrule from 1.00 -1.00 to 1.00 4.00\r\n");
  w.painter.Segment({-1, 2}, {7, 2}, false);  // horizontal, reaching out of the view: nothing
  EXPECT_EQ(w.Take(), "");
  w.painter.Segment({-1, 2}, {7, 2}, true);  // the same cut to the view
  EXPECT_EQ(w.Take(), "\\putrule from -1.00 2.00 to 5.00 2.00\r\n");
  w.painter.Segment({0, 0}, {1, 1}, false);  // slanted, in view
  EXPECT_EQ(w.Take(), "\\plot 0.00 0.00 1.00 1.00 /\r\n");
  w.painter.Segment({0, 0}, {9, 8}, false);  // slanted plots are not cut unless asked
  EXPECT_EQ(w.Take(), "\\plot 0.00 0.00 9.00 8.00 /\r\n");
  EXPECT_FALSE(w.painter.Segment({6, 6}, {9, 8}, true));
  EXPECT_EQ(w.Take(), "");
  // A fifth of a pixel is 0.004 units (taxi distance).
  w.painter.Segment({0, 0}, {0.002L, 0.0019L}, false);
  EXPECT_EQ(w.Take(), "");
  w.painter.PlotSegment({0, 0}, {0.002L, 0.0019L}, 3);  // not even its dot setting
  EXPECT_EQ(w.Take(), "");
  w.painter.PlotSegment({0, 0}, {1, 2}, 3);
  EXPECT_EQ(w.Take(), "\\setdots <3pt>\r\n\\plot 0.00 0.00 1.00 2.00 /\r\n\\setsolid\r\n");
  // No pen, no line.
  w.painter.SetPen({InkColor::Index(1), 1, kLineNone});
  EXPECT_TRUE(w.painter.Segment({0, 0}, {1, 1}, true));
  EXPECT_EQ(w.Take(), "");
}

TEST(PiCTeXPainter, PenStylesAreSwitchedAroundTheLinesDrawnInThem) {
  Writer w;
  w.painter.SetPen({InkColor::Index(1), 1, kLineDash});
  w.painter.Segment({0, 0}, {1, 1}, false);
  w.painter.Segment({0, 0}, {1, 2}, false);
  w.painter.SetPen({InkColor::Index(1), 1, kLineDashDot});
  w.painter.Segment({0, 0}, {1, 3}, false);
  w.painter.SetPen({InkColor::Index(1), 1, kLineSolid});
  w.painter.Segment({0, 0}, {1, 4}, false);
  w.painter.SetPen({InkColor::Index(1), 1, kLineDot});
  w.painter.Segment({0, 0}, {1, 5}, false);
  w.painter.EndPicture();
  EXPECT_EQ(w.Take(),
            "\\setdashes\r\n\\plot 0.00 0.00 1.00 1.00 /\r\n\\plot 0.00 0.00 1.00 2.00 /\r\n"
            "\\setdashpattern<3pt,2pt,10pt,2pt>\r\n\\plot 0.00 0.00 1.00 3.00 /\r\n"
            "\\setsolid\r\n\\plot 0.00 0.00 1.00 4.00 /\r\n"
            "\\setdots<2pt>\r\n\\plot 0.00 0.00 1.00 5.00 /\r\n"
            "\\setsolid\r\n\\endpicture\r\n\\bye\r\n");
  EXPECT_EQ(TeXLineStyle(0, false), "");
  EXPECT_EQ(TeXLineStyle(4, false), "\\setdashpattern<3pt,2pt,10pt,2pt,3pt,2pt>");
  EXPECT_EQ(TeXLineStyle(7, false), "\\setsolid");
  EXPECT_EQ(TeXLineStyle(2, true), "\\setsolid");
}

TEST(PiCTeXPainter, TextsAreEscapedAndPlacedByTheirAlignment) {
  EXPECT_EQ(TeXEscape("50% & $5 #1 \\alpha_1", true), "50\\% \\& \\$5 \\#1 \\alpha_1");
  Writer w;
  w.painter.Put("10%", "[b]", {1, 2}, true);
  EXPECT_EQ(w.Take(), "\\put {$10\\%$} [b] at 1.00 2.00\r\n");
  // Through the painter: the anchor pixel (250, 250) is the origin; the text ends left of it and
  // hangs below it.
  w.painter.Text({250, 250}, "A", -1, -1, std::nullopt);
  EXPECT_EQ(w.Take(), "\\put {A} [rt] at 0.00 0.00\r\n");
  TextStyle formula;
  formula.formula = true;
  w.painter.SetTextStyle(formula);
  w.painter.Text({300, 200}, "x^2", 1, 1, kernel::ColorRef{0});
  EXPECT_EQ(w.Take(), "\\put {$x^2$} [lb] at 1.00 1.00\r\n");
  w.painter.Text({250, 250}, "c", 0, 0, std::nullopt);
  EXPECT_EQ(w.Take(), "\\put {$c$} [] at 0.00 0.00\r\n");
  w.painter.Comment("x axis begin");
  EXPECT_EQ(w.Take(), "% x axis begin\r\n");
}

TEST(PiCTeXPainter, DotsAndMarkersBySize) {
  EXPECT_EQ(TeXDotPrefix(0, false), "\\put {\\fiverm .} at ");
  EXPECT_EQ(TeXDotPrefix(2, false), "\\put {$\\scriptscriptstyle\\bullet$} at ");
  EXPECT_EQ(TeXDotPrefix(3, true), "\\put {$\\scriptstyle\\circ$} at ");
  EXPECT_EQ(TeXDotPrefix(5, true), "\\put {$\\circ$} at ");
  Writer w;
  w.painter.SetBrush({true, InkColor::Index(4), 0});
  w.painter.Marker({1, 1}, 1, 3);
  EXPECT_EQ(w.Take(), "\\put {$\\scriptstyle\\bullet$} at 1.00 1.00\r\n");
  w.painter.SetBrush({false, InkColor::Index(4), 0});
  w.painter.Marker({1, 1}, 0, 6);
  EXPECT_EQ(w.Take(), "\\put {$\\circ$} at 1.00 1.00\r\n");
  w.painter.Marker({1, 2}, 13, 6);  // the crosshair through the view
  EXPECT_EQ(w.Take(), "\\putrule from -5.00 2.00 to 5.00 2.00\r\n\\putrule from 1.00 -5.00 to 1.00 5.00\r\n");
  w.painter.Marker({1, 1}, 14, 6);
  EXPECT_EQ(w.Take(), "");
}

TEST(PiCTeXPainter, APlotOfManyPointsIsStreamedInPiecesThatFormOnePlot) {
  Writer w;
  std::vector<Point2> points;
  for (int i = 0; i < 100000; ++i) points.push_back({-4.9L + 9.8L * i / 100000, (i % 7) * 0.5L});
  w.painter.Polyline(points);
  const std::string text = w.out.text();
  ASSERT_GT(w.out.pieces().size(), 2u);
  for (const std::size_t piece : w.out.pieces()) EXPECT_LE(piece, 64000u);
  EXPECT_EQ(Count(text, "\\plot"), 1u);
  EXPECT_EQ(text.rfind("\\plot \r\n", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 3), "/\r\n");
  EXPECT_EQ(Count(text, "\r\n"), 100000u + 2u);
  EXPECT_NE(text.find("\r\n-4.90 0.00\r\n"), std::string::npos);
}

TEST(PiCTeXPainter, PolylinesArePlotsOfTheirRunsInView) {
  Writer w;
  // Out of the view after the second point and back in at the fourth.
  w.painter.Polyline(std::vector<Point2>{{0, 0}, {1, 0}, {7, 0}, {8, 1}, {1, 1}, {1, 2}});
  EXPECT_EQ(w.Take(),
            "\\plot \r\n0.00 0.00\r\n1.00 0.00\r\n5.00 0.00\r\n/\r\n"
            "\\plot \r\n5.00 1.00\r\n1.00 1.00\r\n1.00 2.00\r\n/\r\n");
  // Mode 1 draws every other segment of an unflagged run.
  const std::vector<Point2> p{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}};
  const std::vector<std::uint8_t> none(5, 0);
  w.painter.FlaggedPolyline(p, none, 1);
  EXPECT_EQ(w.Take(), "\\plot \r\n0.00 0.00\r\n1.00 0.00\r\n/\r\n\\plot \r\n2.00 0.00\r\n3.00 0.00\r\n/\r\n");
  w.painter.FlaggedPolyline(p, none, 0);
  EXPECT_EQ(Count(w.Take(), "\\plot"), 1u);
  // A plot of a single point is dropped.
  w.painter.PlotBegin();
  w.painter.PlotPoint({1, 1});
  w.painter.PlotEnd();
  EXPECT_EQ(w.Take(), "");
}

TEST(PiCTeXPainter, ArcsInViewAreCircularArcsAndOthersTheirPiecesInView) {
  Writer w;
  w.painter.Arc({0, 0}, {1, 0}, kernel::Pi / 2);
  EXPECT_EQ(w.Take(), "\\circulararc 90.00 degrees from 1.00 0.00 center at 0.00 0.00\r\n");
  w.painter.Arc({0, 0}, {1, 0}, -kernel::Pi / 2);
  EXPECT_EQ(w.Take(), "\\circulararc -90.00 degrees from 1.00 0.00 center at 0.00 0.00\r\n");
  w.painter.Circle({1, 1}, 2);
  EXPECT_EQ(w.Take(), "\\circulararc 360.00 degrees from 3.00 1.00 center at 1.00 1.00\r\n");
  // The arc from (4, 0) about the origin passes (0, 4) but a whole circle of radius 6 would not
  // fit: plots of what is in view.
  w.painter.Arc({0, 0}, {4, 0}, kernel::Pi / 2);
  EXPECT_EQ(w.Take().rfind("\\circulararc", 0), 0u);
  w.painter.Circle({0, 0}, 6);
  const std::string pieces = w.Take();
  EXPECT_EQ(pieces.find("\\circulararc"), std::string::npos);
  EXPECT_EQ(Count(pieces, "\\plot"), 4u);  // the four corners of the view
  // Far too large for TeX's dimensions: 21 points of the arc.
  w.painter.CircularArc({30, 0}, {0, 0}, 90);
  const std::string longArc = w.Take();
  EXPECT_EQ(longArc.rfind("\\plot \r\n30.00 0.00\r\n", 0), 0u);
  EXPECT_EQ(Count(longArc, "\r\n"), 23u);
  EXPECT_EQ(longArc.substr(longArc.size() - 11), " 30.00\r\n/\r\n");
}

TEST(PiCTeXPainter, ShadingATriangleAndASquare) {
  Writer w;
  EXPECT_TRUE(w.painter.Shade(std::vector<Point2>{{0, 0}, {2, 0}, {1, 1}}, true, 0));
  EXPECT_EQ(w.Take(),
            "\\setshadegrid span <0.2pt>\r\n\\vshade\r\n"
            "0.000000 0.000000 0.000000\r\n1.000000 0.000000 1.000000\r\n2.000000 0.000000 0.000000 /\r\n");
  EXPECT_TRUE(w.painter.Shade(std::vector<Point2>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true, 2));
  EXPECT_EQ(w.Take(),
            "\\setshadegrid span <1.7600000pt>\r\n\\vshade\r\n"
            "0.000000 0.000000 1.000000\r\n1.000000 0.000000 1.000000 /\r\n");
}

TEST(PiCTeXPainter, ShadeGridsAndRegionsThatAreNotShaded) {
  EXPECT_EQ(TeXShadeGrid(1), "");
  EXPECT_EQ(TeXShadeGrid(25), TeXShadeGrid(2));
  EXPECT_EQ(TeXShadeGrid(-3), "\\setshadegrid span <1.0000000pt>\r\n");
  EXPECT_EQ(TeXShadeGrid(3), "\\setshadegrid span <1.9200000pt>\r\n");  // k = 1
  Writer w;
  const std::vector<Point2> triangle{{0, 0}, {2, 0}, {1, 1}};
  EXPECT_FALSE(w.painter.Shade(triangle, true, 1));
  std::vector<Point2> star;
  for (int i = 0; i < 10; ++i) {
    const Real a = kernel::Pi / 2 + i * kernel::Pi / 5;
    const Real r = i % 2 == 0 ? 2 : 0.8L;
    star.push_back({r * std::cos(a), r * std::sin(a)});
  }
  EXPECT_FALSE(w.painter.Shade(star, true, 3));
  EXPECT_FALSE(w.painter.Shade(star, false, 3));
  EXPECT_EQ(w.Take(), "");
  // A C open to the right fails along x and is shaded along y.
  const std::vector<Point2> c{{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 2}, {3, 2}, {3, 3}, {0, 3}};
  EXPECT_FALSE(w.painter.Shade(c, true, 0));
  EXPECT_TRUE(w.painter.Shade(c, false, 0));
  const std::string text = w.Take();
  EXPECT_EQ(text.rfind("\\setshadegrid span <0.2pt>\r\n\\hshade\r\n", 0), 0u);
  EXPECT_EQ(Count(text, "\\hshade"), 3u);  // the bottom bar, the back and the top bar
  // Columns closer than 0.0001 break the section, and a section of one column is dropped.
  EXPECT_TRUE(w.painter.Shade(std::vector<Point2>{{0, 0}, {1, 0}, {1.00005L, -1}, {2, -1}, {2, 1}, {0, 1}}, true, 0));
  const std::string broken = w.Take();
  EXPECT_EQ(Count(broken, "\\vshade"), 2u);
}

TEST(PiCTeXPainter, FilledShapesAreShadedInsideTheView) {
  Writer w;
  w.painter.SetPen({InkColor::Index(1), 1, kLineNone});
  w.painter.SetBrush({true, InkColor::Index(2), 0});
  w.painter.Polygon(std::vector<Point2>{{0, 0}, {9, 0}, {0, 9}});  // cut to x, y <= 5
  const std::string text = w.Take();
  EXPECT_EQ(text.rfind("\\setshadegrid span <1.7600000pt>\r\n\\vshade\r\n0.000000 0.000000 5.000000\r\n", 0), 0u);
  EXPECT_NE(text.find("5.000000 0.000000 4.000000 /\r\n"), std::string::npos);
  // A disk around the whole view shades the view.
  w.painter.Circle({0, 0}, 100);
  EXPECT_EQ(w.Take(), "\\setshadegrid span <1.7600000pt>\r\n\\vshade\r\n"
                      "-5.000000 -5.000000 5.000000\r\n5.000000 -5.000000 5.000000 /\r\n");
  // Filled and outlined.
  w.painter.SetPen({InkColor::Index(1), 1, kLineSolid});
  w.painter.Circle({0, 0}, 1);
  const std::string disk = w.Take();
  EXPECT_EQ(Count(disk, "\\vshade"), 1u);
  EXPECT_NE(disk.find("\\circulararc 360.00 degrees from 1.00 0.00 center at 0.00 0.00\r\n"), std::string::npos);
}

TEST(PiCTeXPainter, ArrowsOnAOnePixelShaftOrShadedHeads) {
  Writer w;
  ArrowheadShape shape;
  shape.length = 0.5L;
  w.painter.Arrowhead({1, 1}, {3, 0}, shape);
  // L = 0.5 x 8 cm / (2 x 5); the shaft is one pixel (0.02) long.
  EXPECT_EQ(w.Take(), "\\arrow <0.400cm> [0.500,0.900] from 0.98000 1.00000 to 1.00000 1.00000\r\n");
  w.painter.Arrowhead({1, 1}, {0, 0}, shape);
  EXPECT_EQ(w.Take(), "");
  shape.solid = true;
  w.painter.Arrowhead({1, 1}, {1, 0}, shape);
  EXPECT_EQ(w.Take(),
            "\\setshadegrid span <0.2pt>\r\n\\vshade\r\n"
            "0.500000 0.775000 1.225000\r\n1.000000 1.000000 1.000000 /\r\n");
}

}  // namespace

// The EPS writer: the file's head and end, the text of each primitive, markers, dot fills, texts,
// animations, far geometry, and Ghostscript reading every file the tests write.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "export_readers.h"
#include "kernel/colour_values.h"
#include "view/eps_header.h"
#include "view/eps_painter.h"

using namespace view;
using export_test::Count;
using export_test::CrLfLines;
using kernel::Point2;
using kernel::Real;

namespace {

using EpsFile = export_test::PainterFile<EpsPainter>;
using export_test::Brush;
using export_test::kPink;
using export_test::NullPen;
using export_test::Pen;

// The path of a text: "M x,y" for every moveto and "L x,y" for every lineto, in order, numbers
// without a fraction of zeros.
std::string PathOf(const std::string& text) {
  static const std::regex point(R"((-?[0-9.]+) (-?[0-9.]+) (moveto|lineto))");
  auto trim = [](std::string n) {
    if (n.size() > 4 && n.compare(n.size() - 4, 4, ".000") == 0) n.resize(n.size() - 4);
    return n;
  };
  std::string path;
  for (std::sregex_iterator it(text.begin(), text.end(), point), end; it != end; ++it) {
    if (!path.empty()) path += ' ';
    path += ((*it)[3] == "moveto" ? "M" : "L") + trim((*it)[1]) + "," + trim((*it)[2]);
  }
  return path;
}

// Every gsave has its grestore, in order.
bool SavesBalanced(const std::string& text) {
  int depth = 0;
  for (const std::string& line : CrLfLines(text)) {
    if (line == "gsave") ++depth;
    if (line == "grestore" && --depth < 0) return false;
  }
  return depth == 0;
}

const char* const kCrLf = "\r\n";

}  // namespace

TEST(EpsPainter, HeadOfA401By301ClientAt96Dpi) {
  ViewMapping m = export_test::SquareView();
  m.width = 401;
  m.height = 301;
  FitViewToClient(m);
  EpsFile file(m);
  file.painter.BeginPicture();
  file.painter.EndPicture();
  EXPECT_EQ(file.Take(),
            "%!PS-Adobe-3.0 EPSF-3.0\r\n"
            "%%BoundingBox: 0 0 300 225\r\n"
            "%%Creator: (kavrine)\r\n"
            "%%Title: (fig.kv2)\r\n"
            "%%CreationDate:(Monday, March 3, 2025)\r\n"
            "%%Pages: 1\r\n"
            "%%Page: 1 1\r\n"
            "0.32 setlinewidth\r\n"
            "0 0 moveto 300 0 lineto 300 225 lineto 0 225 lineto clip newpath\r\n"
            "%%EOF\r\n");
  EXPECT_EQ(file.painter.page().width, 300);
  EXPECT_EQ(file.painter.page().height, 225);
  EXPECT_EQ(file.painter.page().xScale, 37.5L);
}

TEST(EpsPainter, PageSizeRoundsUpAndDashesFollowTheResolution) {
  struct Case {
    int dpi;
    Real width;  // points, before rounding up
    int rounded;
    std::array<const char*, 5> dash;
  };
  const Case cases[] = {
      {96, 300, 300, {"[] 0 setdash", "[3 3] 0 setdash", "[15 5] 0 setdash", "[2 4 6 4] 0 setdash",
                      "[2 2 6 2 2 2] 0 setdash"}},
      {72, 400, 400, {"[] 0 setdash", "[4 4] 0 setdash", "[21 7] 0 setdash", "[2 4 6 4] 0 setdash",
                      "[3 3 9 3 3 3] 0 setdash"}},
      {97, 400 * 72 / 97.0L, 297, {"[] 0 setdash", "[3 3] 0 setdash", "[15 5] 0 setdash", "[2 4 6 4] 0 setdash",
                                   "[2 2 6 2 2 2] 0 setdash"}},
  };
  for (const Case& c : cases) {
    EpsPage page;
    SetEpsPageMetrics(page, 401, 301, c.dpi);
    EXPECT_NEAR(static_cast<double>(page.width), static_cast<double>(c.width), 1e-9) << c.dpi;
    for (int style = 0; style < 5; ++style) EXPECT_EQ(page.dash[style], c.dash[style]) << c.dpi << " " << style;
    VectorExportSettings s = export_test::Settings();
    s.screenDpi = c.dpi;
    EXPECT_EQ(MakeEpsPage(export_test::SquareView(), s).width, c.rounded) << c.dpi;
  }
  // A client one pixel wide still has a finite page.
  EpsPage page;
  SetEpsPageMetrics(page, 1, 1, 96);
  EXPECT_TRUE(std::isfinite(page.width) && std::isfinite(page.height));
}

TEST(EpsPainter, ColoursAndPostScriptStrings) {
  EXPECT_EQ(EpsColorText(kPink), "1.000 0.000 0.502");
  EXPECT_EQ(EpsColorText(kernel::kWhiteRef), "1.000 1.000 1.000");
  EXPECT_EQ(EpsColorText(kernel::Rgb(255, 0, 0)), "1.000 0.000 0.000");
  EXPECT_EQ(EpsNumber(72), "72.000");
  EXPECT_EQ(EpsNumber(-3.25L), "-3.250");
  EXPECT_EQ(EpsAngle(0), "0.000000");
  EXPECT_EQ(EpsAngle(-90), "-90.000000");
  EXPECT_EQ(PostScriptEscape("f(x) = a\\b"), "f\\(x\\) = a\\\\b");
  EXPECT_EQ(PostScriptEscape("caf\xE9\n"), "caf\\351\\012");
  // The date is plain ASCII.
  const std::string date = EpsCreationDate(0);
  EXPECT_FALSE(date.empty());
  for (const char ch : date) EXPECT_TRUE(ch >= 32 && ch < 127) << date;
}

TEST(EpsPainter, SegmentsInThePensColourWidthAndDashes) {
  EpsFile file;
  file.painter.SetPen(Pen(2));
  EXPECT_TRUE(file.painter.Segment({0, 0}, {1, 1}, false));
  EXPECT_EQ(file.Take(),
            "1.000 0.000 0.502 setrgbcolor\r\n"
            "0.64 setlinewidth\r\n"
            "[] 0 setdash\r\n"
            "newpath\r\n"
            "150.000 150.000 moveto\r\n"
            "187.500 187.500 lineto\r\n"
            "stroke\r\n");
  file.painter.SetPen(Pen(1, kLineDash));
  file.painter.Segment({0, 0}, {1, 0}, false);
  EXPECT_NE(file.Take().find("0.32 setlinewidth\r\n[15 5] 0 setdash\r\n"), std::string::npos);
  // The null pen and styles beyond 4 write nothing; a clipped segment outside the view neither.
  for (const int style : {kLineNone, 5}) {
    file.painter.SetPen(Pen(1, style));
    file.painter.Segment({0, 0}, {1, 0}, false);
  }
  file.painter.SetPen(Pen());
  EXPECT_FALSE(file.painter.Segment({10, 10}, {11, 12}, true));
  EXPECT_EQ(file.Take(), "");
  // Pixel segments go through the world.
  file.painter.PixelSegment({200, 200}, {250, 200});
  EXPECT_EQ(PathOf(file.Take()), "M150,150 L187.500,150");
}

TEST(EpsPainter, PolylinesAndFlaggedPolylinesOfAnyLength) {
  EpsFile file;
  file.painter.SetPen(Pen(3));
  const std::array<Point2, 3> points{Point2{0, 0}, Point2{1, 0}, Point2{1, 1}};
  file.painter.Polyline(points);
  EXPECT_EQ(file.Take(),
            "newpath\r\n150.000 150.000 moveto\r\n187.500 150.000 lineto\r\n187.500 187.500 lineto\r\n"
            "1.000 0.000 0.502 setrgbcolor\r\n0.96 setlinewidth\r\n[] 0 setdash\r\nstroke\r\n");
  file.painter.Polyline(std::span<const Point2>(points).first(1));
  EXPECT_EQ(file.Take(), "");

  // Runs 0 1 0 1 -1 -1 0 in mode 1: segments 1, 3 and 5 (the flagged pair).
  std::array<Point2, 7> row;
  for (int i = 0; i < 7; ++i) row[i] = {static_cast<Real>(i) / 10, 0};
  const std::array<std::uint8_t, 7> flags{0, 0, 0, 0, 1, 1, 0};
  file.painter.SetPen(Pen(1, kLineDot));
  file.painter.FlaggedPolyline(row, flags, 1);
  const std::string text = file.Take();
  EXPECT_EQ(PathOf(text), "M150,150 L153.750,150 M157.500,150 L161.250,150 M165,150 L168.750,150");
  EXPECT_NE(text.find("stroke\r\n"), std::string::npos);
  EXPECT_NE(text.find("0.32 setlinewidth\r\n[3 3] 0 setdash\r\n1.000 0.000 0.502 setrgbcolor\r\nstroke"),
            std::string::npos);

  // Far more points than any fixed run array holds.
  std::vector<Point2> many(5000);
  std::vector<std::uint8_t> manyFlags(5000, 0);
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = {static_cast<Real>(i) / 1000, 0};
  file.painter.FlaggedPolyline(many, manyFlags, 0);
  EXPECT_EQ(Count(file.Take(), " lineto"), 4999);
}

TEST(EpsPainter, ArcsTurnAsOnTheScreen) {
  EpsFile file;
  file.painter.SetPen(Pen());
  file.painter.Arc({0, 0}, {1, 0}, kernel::Pi / 2);
  EXPECT_EQ(file.Take(),
            "1.000 0.000 0.502 setrgbcolor\r\n0.32 setlinewidth\r\n[] 0 setdash\r\nnewpath\r\n"
            "150.000 150.000 37.500 0.000000 90.000000 arc\r\nstroke\r\n");
  // A clockwise quarter from the top is drawn counter-clockwise from its end: 0 to 90 again.
  file.painter.Arc({0, 0}, {0, 1}, -kernel::Pi / 2);
  EXPECT_NE(file.Take().find("37.500 0.000000 90.000000 arc"), std::string::npos);
  // Starting angles in every quadrant, in (-180, 180].
  file.painter.Arc({0, 0}, {-1, 0}, 1);
  EXPECT_NE(file.Take().find(" 180.000000 "), std::string::npos);
  file.painter.Arc({0, 0}, {-1, -1}, 1);
  EXPECT_NE(file.Take().find("-135.000000 "), std::string::npos);
  file.painter.Arc({0, 0}, {0, -1}, 1);
  EXPECT_NE(file.Take().find("-90.000000 "), std::string::npos);
}

TEST(EpsPainter, CirclesWriteOutlineFillOrBoth) {
  EpsFile file;
  // Outline only: no fill comment.
  file.painter.SetPen(Pen(2));
  file.painter.SetBrush({});
  file.painter.Circle({0, 0}, 2);
  EXPECT_EQ(file.Take(),
            "newpath\r\n150.000 150.000 75.000 0 360 arc\r\n0.64 setlinewidth\r\n[] 0 setdash\r\n"
            "1.000 0.000 0.502 setrgbcolor\r\nstroke\r\n");
  // Fill only.
  file.painter.SetPen(NullPen());
  file.painter.SetBrush(Brush());
  file.painter.Circle({0, 0}, 2);
  EXPECT_EQ(file.Take(),
            "% begin circle fill\r\nnewpath\r\n150.000 150.000 75.000 0 360 arc\r\n"
            "1.000 0.000 0.502 setrgbcolor\r\nfill\r\n");
  // Both.
  file.painter.SetPen({InkColor::Value(0), 1, kLineSolid});
  file.painter.Circle({0, 0}, 2);
  EXPECT_EQ(file.Take(),
            "% begin circle fill\r\nnewpath\r\n150.000 150.000 75.000 0 360 arc\r\ngsave\r\n"
            "1.000 0.000 0.502 setrgbcolor\r\nfill\r\ngrestore\r\n0.32 setlinewidth\r\n[] 0 setdash\r\n"
            "0.000 0.000 0.000 setrgbcolor\r\nstroke\r\n");
  // Neither.
  file.painter.SetPen(NullPen());
  file.painter.SetBrush({});
  file.painter.Circle({0, 0}, 2);
  EXPECT_EQ(file.Take(), "");
  // A pixel circle is the world circle through its pixel radius.
  file.painter.SetPen(Pen());
  file.painter.PixelCircle({200, 200}, 10);
  EXPECT_NE(file.Take().find("150.000 150.000 7.500 0 360 arc"), std::string::npos);
}

TEST(EpsPainter, PolygonsAndRectanglesKeepTheirSavesBalanced) {
  EpsFile file;
  const std::array<Point2, 3> triangle{Point2{0, 0}, Point2{1, 0}, Point2{0, 1}};
  // Filled, outline of width 0 written 0.32.
  file.painter.SetPen(Pen(0));
  file.painter.SetBrush(Brush());
  file.painter.Polygon(triangle);
  std::string text = file.Take();
  EXPECT_EQ(text,
            "newpath\r\n150.000 150.000 moveto\r\n187.500 150.000 lineto\r\n150.000 187.500 lineto\r\n"
            "150.000 150.000 lineto\r\ngsave\r\n1.000 0.000 0.502 setrgbcolor\r\nfill\r\ngrestore\r\n"
            "[] 0 setdash\r\n1.000 0.000 0.502 setrgbcolor\r\n0.32 setlinewidth\r\nstroke\r\n");
  // Without outline the fill still restores what it saved.
  file.painter.SetPen(NullPen());
  file.painter.Polygon(triangle);
  text = file.Take();
  EXPECT_TRUE(SavesBalanced(text)) << text;
  EXPECT_EQ(Count(text, "stroke"), 0);
  // A hatched polygon has no fill here, only its outline; hollow and without pen it is nothing.
  file.painter.SetPen(Pen());
  file.painter.SetBrush(Brush(2));
  file.painter.Polygon(triangle);
  text = file.Take();
  EXPECT_EQ(Count(text, "fill"), 0);
  EXPECT_EQ(Count(text, "stroke"), 1);
  file.painter.SetPen(NullPen());
  file.painter.SetBrush({});
  file.painter.Polygon(triangle);
  file.painter.Rectangle({0, 1}, {1, 0});
  EXPECT_EQ(file.Take(), "");

  // A rectangle: the path from the top right corner round to it again.
  file.painter.SetPen(Pen(2));
  file.painter.SetBrush(Brush());
  file.painter.Rectangle({0, 1}, {1, 0});
  text = file.Take();
  EXPECT_EQ(PathOf(text), "M187.500,187.500 L150,187.500 L150,150 L187.500,150 L187.500,187.500");
  EXPECT_TRUE(SavesBalanced(text));
  EXPECT_NE(text.find("grestore\r\n[] 0 setdash\r\n1.000 0.000 0.502 setrgbcolor\r\n0.64 setlinewidth\r\nstroke"),
            std::string::npos);
  file.painter.SetPen(NullPen());
  file.painter.PixelRectangle({200, 150, 250, 200});
  text = file.Take();
  EXPECT_EQ(PathOf(text), "M187.500,187.500 L150,187.500 L150,150 L187.500,150 L187.500,187.500");
  EXPECT_TRUE(SavesBalanced(text));
}

TEST(EpsPainter, AllFourteenMarkers) {
  struct Case {
    std::uint32_t shape;
    const char* path;
    const char* width;
  };
  // Size 4 at the origin: 0.08 world units, 3 points either way of (150, 150).
  const Case cases[] = {
      {0, "M153,153 L147,153 L147,147 L153,147 L153,153", "0.32"},
      {1, "", "0.32"},
      {2, "M147,147 L153,147 L150,153 L147,147", "0.32"},
      {3, "M147,153 L153,153 L150,147 L147,153", "0.32"},
      {4, "M147,147 L147,153 L153,150 L147,147", "0.32"},
      {5, "M153,147 L153,153 L147,150 L153,147", "0.32"},
      {6, "M150,147 L150,153 M147,150 L153,150", "0.64"},
      {7, "M150,147 L150,153 M147,150 L153,150 M147,147 L153,147 L153,153 L147,153 L147,147", "0.64"},
      {8, "M147,147 L153,153 M147,153 L153,147", "0.64"},
      {9, "M150,147 L150,153 M147,150 L153,150", "0.64"},
      {10, "M147,147 L153,153 M147,153 L153,147 M147,147 L147,153 L153,153 L153,147 L147,147", "0.64"},
      {11, "M150,150 L150,159 M150,150 L153,153 M150,150 L147,153", "0.64"},
      {12, "M150,150 L150,141 M150,150 L153,147 M150,150 L147,147", "0.64"},
      {13, "M150,0 L150,300 M0,150 L300,150", "0.64"},
  };
  EpsFile file;
  file.painter.SetPen(Pen());
  file.painter.SetBrush(Brush());
  std::string all;
  for (const Case& c : cases) {
    file.painter.Marker({0, 0}, c.shape, 4);
    const std::string text = file.Take();
    all += text;
    EXPECT_EQ(PathOf(text), c.path) << "shape " << c.shape;
    EXPECT_NE(text.find(std::string(c.width) + " setlinewidth"), std::string::npos) << "shape " << c.shape;
    EXPECT_NE(text.find("1.000 0.000 0.502 setrgbcolor"), std::string::npos) << "shape " << c.shape;
    EXPECT_TRUE(SavesBalanced(text)) << "shape " << c.shape;
  }
  file.painter.Marker({0, 0}, 1, 4);
  EXPECT_EQ(file.Take(),
            "% begin circle fill\r\nnewpath\r\n150.000 150.000 3.000 0 360 arc\r\ngsave\r\n"
            "1.000 0.000 0.502 setrgbcolor\r\nfill\r\ngrestore\r\n0.32 setlinewidth\r\n[] 0 setdash\r\n"
            "1.000 0.000 0.502 setrgbcolor\r\nstroke\r\n");
  file.painter.Marker({0, 0}, 14, 4);
  EXPECT_EQ(file.Take(), "");
  export_test::ExpectGhostscriptAccepts(file.Document([&](EpsPainter&) { file.out << all; }), 300, 300);
}

TEST(EpsPainter, DotFillsOfRectanglesAndDisks) {
  EpsFile file;
  const Real g = 2.6L * 0.02L;
  const Real s = 0.4L * 0.02L;
  file.painter.SetPen(NullPen());
  file.painter.SetBrush(Brush(1));
  // A rectangle wholly in view gets the dots of the grid from its top-left corner: counted here
  // the plain way.
  const Point2 a{-1, 1};
  const Point2 b{0.5L, -0.25L};
  int expected = 0;
  for (Real x = a.x + g / 2; x < b.x - s / 2; x += g)
    for (Real y = a.y - g / 2; y > b.y + s / 2; y -= g) ++expected;
  file.painter.Rectangle(a, b);
  std::string text = file.Take();
  EXPECT_EQ(Count(text, "% begin circle fill"), expected);
  EXPECT_GT(expected, 100);
  EXPECT_TRUE(SavesBalanced(text));
  EXPECT_NE(text.find("% begin circle fill\r\nnewpath\r\n"), std::string::npos);
  // Too narrow for one dot: 1.5 pixel widths.
  file.painter.Rectangle({0, 0}, {1.4L * 0.02L, -1});
  EXPECT_EQ(Count(file.Take(), "% begin circle fill"), 0);

  // A disk: the four dots of each grid point in order, all inside it.
  file.painter.Circle({0, 0}, 0.3L);
  text = file.Take();
  const std::regex dot(R"((-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+) 0 360 arc)");
  int dots = 0;
  for (std::sregex_iterator it(text.begin(), text.end(), dot), end; it != end; ++it) {
    const double x = std::stod((*it)[1]) - 150;
    const double y = std::stod((*it)[2]) - 150;
    const double r = std::stod((*it)[3]);
    if (r > 1) continue;  // the disk's own path
    EXPECT_LT(std::hypot(x, y) + r, 0.3 * 37.5 + 1e-3);
    ++dots;
  }
  EXPECT_GT(dots, 40);
  EXPECT_EQ(dots % 4, 0);
  // Below about 2.24 pixel widths a disk gets no dots.
  file.painter.Circle({0, 0}, 2.2L * 0.02L);
  EXPECT_EQ(Count(file.Take(), "% begin circle fill"), 1);

  // Shapes far larger than the view: only the dots over the view, and the writing ends.
  file.painter.Rectangle({-1e12L, 1e12L}, {1e12L, -1e12L});
  const int rectDots = Count(file.Take(), "% begin circle fill");
  file.painter.Circle({1e9L, 0}, 1e9L + 1);
  const int diskDots = Count(file.Take(), "% begin circle fill");
  const int viewDots = (400 / 2.6 + 3) * (400 / 2.6 + 3);
  EXPECT_GT(rectDots, 10000);
  EXPECT_LE(rectDots, viewDots);
  EXPECT_GT(diskDots, 100);
  EXPECT_LE(diskDots, viewDots);

  export_test::ExpectGhostscriptAccepts(file.Document([&](EpsPainter& p) {
                                          p.Rectangle(a, b);
                                          p.Circle({2, 2}, 0.5L);
                                          p.SetPen(Pen());
                                          p.Circle({-2, -2}, 0.5L);
                                        }),
                                        300, 300);
}

TEST(EpsPainter, TextsInTheirFontEscapedAndTurned) {
  EpsFile file;
  TextStyle style;
  style.font.face = "Times New Roman";
  style.font.italic = true;
  style.font.escapement = 900;
  style.pointSize = 12;
  style.color = InkColor::Index(5);
  file.painter.SetTextStyle(style);
  file.painter.Text({200, 200}, "f(x)\\", 1, -1, std::nullopt);
  const std::vector<std::string> lines = CrLfLines(file.Take());
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "/Times-New-Roman-Italic findfont");
  EXPECT_EQ(lines[1], "12 scalefont setfont");
  EXPECT_NE(lines[2].find(" moveto"), std::string::npos);
  EXPECT_EQ(lines[3], "90 rotate");
  EXPECT_EQ(lines[4], "1.000 0.000 0.502 setrgbcolor");
  EXPECT_EQ(lines[5], "(f\\(x\\)\\\\) show");
  EXPECT_EQ(lines[6], "-90 rotate");

  // Upright, starting at the anchor and hanging below it: the baseline 0.777 of the height down.
  style.font = {};
  style.font.face = "Arial";
  file.painter.SetTextStyle(style);
  file.painter.Text({200, 200}, "AB", 1, -1, kernel::kWhiteRef);
  std::string text = file.Take();
  // The white box first: the corners (200, 200), (214, 200), (214, 216), (200, 216).
  EXPECT_EQ(PathOf(text), "M150,150 L160.500,150 L160.500,138 L150,138 L150,150 M150,141");
  EXPECT_NE(text.find("/Arial findfont\r\n12 scalefont setfont\r\n150.000 141.000 moveto\r\n"), std::string::npos);
  EXPECT_EQ(Count(text, "rotate"), 0);
  EXPECT_TRUE(SavesBalanced(text));

  // Bytes above 127 get their Windows-1252 glyphs; the text stays plain ASCII in the file.
  file.painter.Text({200, 200}, "caf\xE9 \x96" "1", 1, -1, std::nullopt);
  text = file.Take();
  EXPECT_NE(text.find("/Encoding Encoding 256 array copy dup 150 /endash put dup 233 /eacute put def"),
            std::string::npos);
  EXPECT_NE(text.find("/Arial-Cp1252 exch definefont\r\n12 scalefont setfont"), std::string::npos);
  EXPECT_NE(text.find("(caf\\351 \\2261) show"), std::string::npos);
  for (const char ch : text) EXPECT_LT(static_cast<unsigned char>(ch), 128);

  export_test::ExpectGhostscriptAccepts(file.Document([](EpsPainter& p) {
                                          TextStyle t;
                                          t.font.face = "Times New Roman";
                                          t.pointSize = 14;
                                          p.SetTextStyle(t);
                                          p.Text({50, 50}, "(a) \\ b", 1, -1, kernel::Rgb(200, 200, 255));
                                          p.Text({50, 100}, "\xC0 \xE9 \x80 \x96 \x81", 1, -1, std::nullopt);
                                          t.font.escapement = 900;
                                          t.font.italic = true;
                                          p.SetTextStyle(t);
                                          p.Text({200, 300}, "turned", 1, -1, std::nullopt);
                                        }),
                                        300, 300);
}

TEST(EpsPainter, CommentsAndTheFrame) {
  EpsFile file;
  file.painter.Comment("begin labels");
  file.painter.Comment("two\r\nlines");
  EXPECT_EQ(file.Take(), "% begin labels\r\n% two  lines\r\n");
  // The frame lies a pixel step outside the view: past the page, clipped to the declared box.
  const std::string doc = file.Document([](EpsPainter& p) { p.PictureFrame(); });
  EXPECT_NE(doc.find("-0.750 -0.750 moveto"), std::string::npos);
  export_test::ExpectGhostscriptAccepts(doc, 300, 300);
}

TEST(EpsPainter, AnimationFramesUseTheAnimationExtents) {
  VectorExportSettings s = export_test::Settings();
  s.frames = 3;
  s.animationHalfWidth = 5;
  EpsFile file(export_test::SquareView(), s);
  // V = H here (a square view); 300 points over 10 units: 30 points per unit.
  EXPECT_EQ(file.painter.page().xScale, 30);
  EXPECT_EQ(file.painter.page().animationHalfHeight, 5);
  file.painter.SetAnimationScale(2);
  file.painter.SetPen(Pen());
  file.painter.Segment({0, 0}, {1, 0}, false);
  EXPECT_EQ(PathOf(file.Take()), "M150,150 L210,150");
  // Radii scale like the points.
  file.painter.Circle({0, 0}, 1);
  EXPECT_NE(file.Take().find("150.000 150.000 60.000 0 360 arc"), std::string::npos);
}

TEST(EpsPainter, FarGeometryStaysNearThePage) {
  EpsFile file;
  file.painter.SetPen(Pen());
  file.painter.SetBrush(Brush());
  const std::string doc = file.Document([](EpsPainter& p) {
    p.Segment({0, 0}, {1e30L, 3e29L}, false);
    const std::array<Point2, 3> far{Point2{0, 0}, Point2{1e20L, 0}, Point2{0, 1e20L}};
    p.Polyline(far);
    p.Polygon(far);
    p.Rectangle({-1e25L, 1}, {1e25L, -1});
    p.Circle({0, 1e15L}, 1e15L + 1);     // its edge passes the view
    p.Circle({0, 0}, 1e18L);             // covers the view
    p.Arc({0, -1e12L}, {0, 1}, 1e-6L);   // a long flat arc through the view
    p.Marker({1e30L, 0}, 0, 3);          // nothing of it shows
    p.Segment({0, 0}, {NAN, 1}, false);  // nothing to draw
  });
  const std::regex number(R"(-?[0-9]+\.[0-9]+)");
  for (std::sregex_iterator it(doc.begin(), doc.end(), number), end; it != end; ++it)
    EXPECT_LT(std::fabs(std::stod(it->str())), 1e6) << it->str();
  EXPECT_EQ(doc.find("nan"), std::string::npos);
  EXPECT_EQ(doc.find("inf"), std::string::npos);
  EXPECT_GT(Count(doc, "fill\r\n"), 2);
  export_test::ExpectGhostscriptAccepts(doc, 300, 300);
}

TEST(EpsPainter, AWholeSmallFigureReadsInGhostscript) {
  ViewMapping m = export_test::SquareView();
  m.width = 401;
  m.height = 301;
  FitViewToClient(m);
  EpsFile file(m);
  const std::string doc = file.Document([](EpsPainter& p) {
    p.Comment("begin background fill");
    p.SetPen(NullPen());
    p.SetBrush({true, InkColor::Value(kernel::Rgb(250, 250, 240)), 0});
    p.PixelRectangle({0, 0, 401, 301});
    for (int style = 0; style <= 4; ++style) {
      p.SetPen(Pen(style + 1, style));
      p.Segment({-4, -2.5L + style}, {4, -2.5L + style}, true);
    }
    p.SetPen(Pen(2));
    p.SetBrush(Brush(3));
    p.Circle({1, 1}, 0.8L);
    p.Rectangle({-3, 2}, {-2, 1});
    p.Arc({0, 0}, {1, 0}, -4);
    p.SetBrush(Brush());
    for (std::uint32_t shape = 0; shape < 14; ++shape) p.Marker({-3.5L + shape * 0.5L, -1}, shape, 3);
    TextStyle t;
    t.color = InkColor::Index(5);
    p.SetTextStyle(t);
    p.Text({100, 100}, "A'B (1)", 0, 0, std::nullopt);
    p.PictureFrame();
  });
  bool crlf = false;
  CrLfLines(doc, &crlf);
  EXPECT_TRUE(crlf);
  EXPECT_TRUE(SavesBalanced(doc));
  export_test::ExpectGhostscriptAccepts(doc, 300, 225);
}

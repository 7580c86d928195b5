// The SVG writer: the document's head and end, each element's text, dash arrays, hatch patterns,
// markers, texts, and xmllint and rsvg-convert reading every document the tests write.
#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <sstream>
#include <string>

#include "export_readers.h"
#include "kernel/colour_values.h"
#include "view/svg_document.h"
#include "view/svg_painter.h"

using namespace view;
using export_test::Count;
using kernel::Point2;
using kernel::Real;

namespace {

using SvgFile = export_test::PainterFile<SvgPainter>;
using export_test::Brush;
using export_test::kPink;
using export_test::NullPen;
using export_test::Pen;

}  // namespace

TEST(SvgPainter, HeadAndEndOfTheDocument) {
  ViewMapping m = export_test::SquareView();
  m.width = 401;
  m.height = 301;
  FitViewToClient(m);
  SvgFile file(m);
  EXPECT_EQ(file.Document([](SvgPainter&) {}),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
            "<svg version=\"1.1\"\r\n"
            "baseProfile=\"full\"\r\n"
            "width=\"401\" height=\"301\"\r\n"
            "viewBox=\"0 0 401 301\" preserveAspectRatio=\"defer xMidYMid\"\r\n"
            "xmlns=\"http://www.w3.org/2000/svg\"\r\n"
            "xmlns:xlink=\"http://www.w3.org/1999/xlink\"\r\n"
            "xmlns:ev=\"http://www.w3.org/2001/xml-events\">\r\n"
            "<title>fig.kv2</title>\r\n"
            "</svg>\r\n");
  // A title with markup characters stays well-formed.
  EXPECT_NE(SvgHeaderText(10, 10, 10, 10, "a<b&c").find("<title>a&lt;b&amp;c</title>"), std::string::npos);
}

TEST(SvgPainter, LinesWithTheirDashArrays) {
  SvgFile file;
  const char* const arrays[] = {"", "4,4", "20,8", "2,4,6,4", "3,3,10,3,3,3", "3,3,10,3,3,3"};
  for (int style = 0; style <= 5; ++style) {
    file.painter.SetPen(Pen(style == 0 ? 0 : 2, style));
    file.painter.Segment({0, 0}, {1, 1}, false);
    std::string expected = "<line x1=\"200\" y1=\"200\" x2=\"250\" y2=\"150\" stroke=\"#ff0080\" stroke-width=\"" +
                           std::string(style == 0 ? "1" : "2") + "px\"";
    if (style > 0) expected += " stroke-dasharray=\"" + std::string(arrays[style]) + "\"";
    EXPECT_EQ(file.Take(), expected + " />\r\n") << style;
  }
  file.painter.SetPen(NullPen());
  file.painter.Segment({0, 0}, {1, 1}, false);
  EXPECT_EQ(file.Take(), "");
  file.painter.SetPen({InkColor::Value(kernel::Rgb(0, 10, 255)), 1, kLineSolid});
  file.painter.PixelSegment({1, 2}, {3, 4});
  EXPECT_EQ(file.Take(), "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"#000aff\" stroke-width=\"1px\" />\r\n");
}

TEST(SvgPainter, PathsArcsAndFlaggedPolylines) {
  SvgFile file;
  file.painter.SetPen(Pen(2));
  const std::array<Point2, 3> points{Point2{0, 0}, Point2{1, 0}, Point2{1, 1}};
  file.painter.Polyline(points);
  EXPECT_EQ(file.Take(),
            "<path d=\"M 200 200 L 250 200 250 150\" fill=\"none\" stroke=\"#ff0080\" stroke-width=\"2px\" />\r\n");

  file.painter.Arc({0, 0}, {1, 0}, kernel::Pi / 2);
  EXPECT_EQ(file.Take(),
            "<path d=\"M 250,200 a50,50 0  0,0  -50,-50\" fill=\"none\" stroke=\"#ff0080\" stroke-width=\"2px\" />\r\n");
  // Clockwise: the same quarter drawn the other way; more than half a turn: the large arc.
  file.painter.Arc({0, 0}, {0, 1}, -kernel::Pi / 2);
  EXPECT_NE(file.Take().find("d=\"M 200,150 a50,50 0  0,1  50,50\""), std::string::npos);
  file.painter.Arc({0, 0}, {1, 0}, 1.5L * kernel::Pi);
  EXPECT_NE(file.Take().find("d=\"M 250,200 a50,50 0  1,0  -50,50\""), std::string::npos);
  // A whole turn: two half circles.
  file.painter.Arc({0, 0}, {1, 0}, kernel::TwoPi);
  EXPECT_NE(file.Take().find("d=\"M 250,200 a50,50 0  1,0  -100,0 a50,50 0  1,0  100,0\""), std::string::npos);

  std::array<Point2, 7> row;
  for (int i = 0; i < 7; ++i) row[i] = {static_cast<Real>(i) / 10, 0};
  const std::array<std::uint8_t, 7> flags{0, 0, 0, 0, 1, 1, 0};
  file.painter.SetPen(Pen(1));
  file.painter.FlaggedPolyline(row, flags, 1);
  EXPECT_EQ(file.Take(),
            "<path d=\" M 200 200 L 205 200 M 210 200 L 215 200 M 220 200 L 225 200\" fill=\"none\" "
            "stroke=\"#ff0080\" stroke-width=\"1px\" />\r\n");
  // Nothing drawn: no element.
  const std::array<std::uint8_t, 7> none{0, 0, 0, 0, 0, 0, 0};
  file.painter.FlaggedPolyline(row, none, 2);
  EXPECT_EQ(file.Take(), "");
}

TEST(SvgPainter, ShapesAndHatchPatterns) {
  SvgFile file;
  file.painter.SetPen(NullPen());
  file.painter.SetBrush(Brush());
  file.painter.Circle({0, 0}, 1);
  EXPECT_EQ(file.Take(),
            "<circle cx=\"200\" cy=\"200\" r=\"50\" fill=\"#ff0080\" stroke=\"none\" stroke-width=\"1px\" />\r\n");
  file.painter.SetPen(Pen(0));
  file.painter.SetBrush({});
  const std::array<Point2, 3> triangle{Point2{0, 0}, Point2{1, 0}, Point2{0, 1}};
  file.painter.Polygon(triangle);
  EXPECT_EQ(file.Take(),
            "<polygon fill=\"none\" stroke=\"#ff0080\" stroke-width=\"1px\" points=\"200,200 250,200 200,150\" />\r\n");
  file.painter.SetPen(NullPen());
  file.painter.Polygon(triangle);
  file.painter.Rectangle({0, 1}, {1, 0});
  file.painter.Circle({0, 0}, 1);
  EXPECT_EQ(file.Take(), "");

  // A hatched rectangle: its pattern first, then the shape filled with it.
  file.painter.SetPen(Pen());
  file.painter.SetBrush(Brush(1));
  file.painter.PixelRectangle({10, 10, 30, 40});
  EXPECT_EQ(file.Take(),
            "<defs>\r\n"
            "<pattern id=\"fpat000\" patternUnits=\"userSpaceOnUse\" x=\"0\" y=\"0\" width=\"10\" height=\"10\">\r\n"
            "<g style=\"fill:#ff0080; stroke:#ff0080; stroke-width:1px\"> <path d=\"M0,10 l10,-10\"/></g>\r\n"
            "</pattern>\r\n"
            "</defs>\r\n"
            "<rect x=\"10\" y=\"10\" width=\"20\" height=\"30\" fill=\"url(#fpat000)\" stroke=\"#ff0080\" "
            "stroke-width=\"1px\" />\r\n");
  struct Hatch {
    int style;
    const char* tile;
    const char* strokes;
  };
  const Hatch hatches[] = {
      {2, "8", "<path d=\"M0,4 l8,0\"/><path d=\"M4,0 l0,8\"/>"},
      {3, "10", "<path d=\"M0,10 l10,-10\"/><path d=\"M0,0 l10,10\"/>"},
      {4, "10", "<path d=\"M0,0 l10,10\"/>"},
      {5, "8", "<path d=\"M0,4 l8,0\"/>"},
      {6, "8", "<path d=\"M4,0 l0,8\"/>"},
      {9, "8", "<path d=\"M4,0 l0,8\"/>"},
  };
  int id = 1;
  for (const Hatch& h : hatches) {
    file.painter.SetBrush(Brush(h.style));
    file.painter.Polygon(triangle);
    const std::string text = file.Take();
    const std::string name = "fpat00" + std::to_string(id++);
    EXPECT_NE(text.find("id=\"" + name + "\""), std::string::npos) << text;
    EXPECT_NE(text.find("width=\"" + std::string(h.tile) + "\" height=\"" + h.tile + "\""), std::string::npos) << text;
    EXPECT_NE(text.find("> " + std::string(h.strokes) + "</g>"), std::string::npos) << text;
    EXPECT_NE(text.find("<polygon fill=\"url(#" + name + ")\""), std::string::npos) << text;
  }
  // A hatched disk without outline has its hatch lines in the fill colour.
  file.painter.SetPen(NullPen());
  file.painter.SetBrush(Brush(5));
  file.painter.Circle({0, 0}, 1);
  std::string text = file.Take();
  EXPECT_NE(text.find("fill:#ff0080; stroke:#ff0080;"), std::string::npos) << text;
  EXPECT_NE(text.find("<circle cx=\"200\" cy=\"200\" r=\"50\" fill=\"url(#fpat007)\" stroke=\"none\""),
            std::string::npos)
      << text;

  // Pattern numbers stop at 999: later hatched fills are plain.
  for (int i = file.painter.patternCount(); i < kSvgPatternLimit; ++i) file.painter.PixelRectangle({0, 0, 5, 5});
  text = file.Take();
  EXPECT_NE(text.find("id=\"fpat998\""), std::string::npos);
  file.painter.PixelRectangle({0, 0, 5, 5});
  EXPECT_EQ(file.Take(),
            "<rect x=\"0\" y=\"0\" width=\"5\" height=\"5\" fill=\"#ff0080\" stroke=\"#ff0080\" stroke-width=\"1px\" />\r\n");
}

TEST(SvgPainter, MarkersZeroToThirteen) {
  const std::string c = "\"#ff0080\"";
  const std::string cross = "<path d=\"M 100 97 L 100 103 M 97 100 L 103 100\" fill=\"none\" stroke=" + c +
                            " stroke-width=\"1px\" />\r\n";
  const std::string diagonal = "<path d=\"M 97 97 L 103 103 M 103 97 L 97 103\" fill=\"none\" stroke=" + c +
                               " stroke-width=\"1px\" />\r\n";
  const std::string open = "<rect x=\"97\" y=\"97\" width=\"6\" height=\"6\" fill=\"none\" stroke=" + c +
                           " stroke-width=\"1px\" />\r\n";
  auto polygon = [&](const char* points) {
    return "<polygon fill=" + c + " stroke=" + c + " stroke-width=\"1px\" points=\"" + points + "\" />\r\n";
  };
  auto path = [&](const char* d) {
    return "<path d=\"" + std::string(d) + "\" fill=\"none\" stroke=" + c + " stroke-width=\"1px\" />\r\n";
  };
  const std::string expected[14] = {
      "<rect x=\"97\" y=\"97\" width=\"6\" height=\"6\" fill=" + c + " stroke=" + c + " stroke-width=\"1px\" />\r\n",
      "<ellipse cx=\"100\" cy=\"100\" rx=\"3\" ry=\"3\" fill=" + c + " stroke=" + c + " stroke-width=\"1px\" />\r\n",
      polygon("97,103 103,103 100,97"),
      polygon("97,97 103,97 100,103"),
      polygon("97,97 97,103 103,100"),
      polygon("103,97 103,103 97,100"),
      cross,
      cross + open,
      diagonal,
      cross,
      diagonal + open,
      path("M 100 100 L 100 91 M 100 100 L 103 97 M 100 100 L 97 97"),
      path("M 100 100 L 100 109 M 100 100 L 103 103 M 100 100 L 97 103"),
      path("M 100 0 L 100 401 M 0 100 L 401 100"),
  };
  SvgFile file;
  file.painter.SetPen(Pen());
  file.painter.SetBrush(Brush());
  std::string all;
  for (std::uint32_t shape = 0; shape < 14; ++shape) {
    file.painter.MarkerAtPixel({100, 100}, shape, 3);
    const std::string text = file.Take();
    EXPECT_EQ(text, expected[shape]) << "shape " << shape;
    all += text;
  }
  // Shapes beyond 13, and markers whose point lies outside the picture, draw nothing.
  file.painter.MarkerAtPixel({100, 100}, 14, 3);
  file.painter.Marker({100, 0}, 0, 3);
  EXPECT_EQ(file.Take(), "");
  // A world point gives its pixel.
  file.painter.Marker({-2, 2}, 0, 3);
  EXPECT_EQ(file.Take(), expected[0]);
  // Lattice crosses in the pen's colour.
  file.painter.LatticeCross({-2, 2}, 3, 3, 0);
  EXPECT_EQ(file.Take(), cross);
  export_test::ExpectSvgReadable(file.Document([&](SvgPainter&) { file.out << all; }));
}

TEST(SvgPainter, TextsEscapedPlacedAndTurned) {
  SvgFile file;
  TextStyle style;
  style.font.face = "Arial";
  style.pointSize = 12;
  style.color = InkColor::Index(5);
  file.painter.SetTextStyle(style);
  // Markup characters and bytes above 127 as the characters they show.
  file.painter.Text({100, 100}, "a<b & \"c\" > \xE9\x96\x80", 1, -1, std::nullopt);
  EXPECT_EQ(file.Take(),
            "<text x=\"100\" y=\"112\" font-family=\"Arial\" font-size=\"16\" font-weight=\"400\" fill=\"#ff0080\" "
            "text-anchor=\"start\"> a&lt;b &amp; \"c\" &gt; &#233;&#8211;&#8364; </text>\r\n");

  // Turned by 30 degrees, bold italic, on a background box.
  style.font.escapement = 300;
  style.font.weight = 700;
  style.font.italic = true;
  style.font.face = "Bitstream \"Vera\" & Co";
  file.painter.SetTextStyle(style);
  file.painter.Text({100, 100}, "x", 1, -1, kernel::Rgb(255, 255, 0));
  const std::string text = file.Take();
  EXPECT_EQ(text.rfind("<polygon fill=\"#ffff00\" stroke=\"#ffff00\" stroke-width=\"1px\" points=\"100,100 ", 0), 0u)
      << text;
  EXPECT_TRUE(std::regex_search(
      text, std::regex("\r\n<g transform=\"translate\\(10[0-9],11[0-9]\\) rotate\\(-30\\)\">\r\n<text x=\"0\" y=\"0\" "
                       "font-family=\"Bitstream &quot;Vera&quot; &amp; Co\" font-size=\"16\" font-weight=\"700\" "
                       "font-style=\"italic\" fill=\"#ff0080\" text-anchor=\"start\"> x </text>\r\n</g>\r\n$")))
      << text;

  // Symbol-font texts show their symbols.
  style = {};
  style.font.face = "Symbol";
  style.font.symbolCharset = true;
  file.painter.SetTextStyle(style);
  file.painter.Text({10, 10}, "p", 1, -1, std::nullopt);
  EXPECT_NE(file.Take().find("> &#960; </text>"), std::string::npos);

  export_test::ExpectSvgReadable(file.Document([](SvgPainter& p) {
    TextStyle t;
    t.pointSize = 14;
    p.SetTextStyle(t);
    p.Text({50, 50}, "1 < 2 & \"3\" > 0", 1, -1, kernel::Rgb(200, 200, 255));
    std::string high;
    for (int b = 128; b < 256; ++b) high += static_cast<char>(b);
    p.Text({50, 100}, high, 1, -1, std::nullopt);
    p.Text({50, 150}, "tab\tbell\a end", 1, -1, std::nullopt);
    t.font.escapement = 900;
    t.font.face = "A \"quoted\" <face>";
    p.SetTextStyle(t);
    p.Text({200, 300}, "turned", 1, -1, std::nullopt);
  }));
}

TEST(SvgPainter, FarGeometryStaysNearThePicture) {
  SvgFile file;
  file.painter.SetPen(Pen());
  file.painter.SetBrush(Brush(2));
  const std::string doc = file.Document([](SvgPainter& p) {
    p.Segment({0, 0}, {1e30L, 3e29L}, false);
    const std::array<Point2, 3> far{Point2{0, 0}, Point2{1e20L, 0}, Point2{0, 1e20L}};
    p.Polyline(far);
    p.Polygon(far);
    p.Rectangle({-1e25L, 1}, {1e25L, -1});
    p.Circle({0, 1e15L}, 1e15L + 1);
    p.Circle({0, 0}, 1e18L);
    p.Arc({0, -1e12L}, {0, 1}, 1e-6L);
  });
  const std::regex number(R"(-?[0-9]{6,})");
  for (std::sregex_iterator it(doc.begin(), doc.end(), number), end; it != end; ++it) ADD_FAILURE() << it->str();
  export_test::ExpectSvgReadable(doc);
}

TEST(SvgPainter, AWholeSmallFigureReadsAndRenders) {
  ViewMapping m = export_test::SquareView();
  m.width = 401;
  m.height = 301;
  FitViewToClient(m);
  SvgFile file(m);
  const std::string doc = file.Document([](SvgPainter& p) {
    p.Comment("begin background fill");
    p.SetPen(NullPen());
    p.SetBrush({true, InkColor::Value(kernel::Rgb(250, 250, 240)), 0});
    p.PixelRectangle({0, 0, 401, 301});
    for (int style = 0; style <= 4; ++style) {
      p.SetPen(Pen(style + 1, style));
      p.Segment({-4, -2.5L + style}, {4, -2.5L + style}, true);
    }
    p.SetPen(Pen(2, kLineDash));
    p.SetBrush(Brush(3));
    p.Circle({1, 1}, 0.8L);
    p.Rectangle({-3, 2}, {-2, 1});
    p.Arc({0, 0}, {1, 0}, -4);
    p.PixelCircle({300, 50}, 20);
    p.SetBrush(Brush());
    for (std::uint32_t shape = 0; shape < 14; ++shape) p.Marker({-3.5L + shape * 0.5L, -1}, shape, 3);
    TextStyle t;
    t.color = InkColor::Index(5);
    p.SetTextStyle(t);
    p.Text({100, 100}, "A'B <1> & \xB0", 0, 0, kernel::kWhiteRef);
    p.PictureFrame();
  });
  EXPECT_EQ(Count(doc, "<svg "), 1);
  EXPECT_EQ(doc.substr(doc.size() - 8), "</svg>\r\n");
  export_test::ExpectSvgReadable(doc);
}

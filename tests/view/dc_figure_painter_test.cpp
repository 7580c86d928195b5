// The figure painter on a device context: marker and pen pictures, clipping and clamping of far
// segments, colour rules, far circles and polygons, arcs and labels.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "kernel/colour_values.h"
#include "support/source_paths.h"
#include "support/test_colours.h"
#include "view/line_style.h"
#include "view/painter_pictures.h"

using namespace view;
using namespace view_test;
using kernel::Point2;

namespace {

// The pictures of a golden file: blocks of rows, each after a line "style N" (or the whole file
// as block 0 when it has no such lines); lines starting with "#" are comments.
std::map<int, std::vector<std::string>> GoldenPictures(const std::string& name) {
  std::ifstream in(test_support::SourceRoot() + "/tests/view/data/" + name);
  std::map<int, std::vector<std::string>> blocks;
  int current = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line.rfind("# ", 0) == 0) continue;  // a row of ink may start with '#'
    if (line.rfind("style ", 0) == 0) {
      current = std::stoi(line.substr(6));
      continue;
    }
    blocks[current].push_back(line);
  }
  return blocks;
}

void UsePenAndGreyBrush(FigurePainter& painter) {
  painter.SetPen({InkColor::Value(kernel::kBlackRef), 1, kLineSolid});
  painter.SetBrush({true, InkColor::Value(kernel::Rgb(128, 128, 128)), 0});
}

}  // namespace

TEST(DcFigurePainter, MarkerStylesMatchTheirPictures) {
  const auto golden = GoldenPictures("markers.txt");
  ASSERT_EQ(golden.size(), 13u);
  for (std::uint32_t style = 0; style < 13; ++style) {
    Canvas c(MappingOf(9, 13, {0, 8, 0, 12}));
    UsePenAndGreyBrush(c.painter);
    c.painter.MarkerAtPixel({4, 6}, style, 2);
    EXPECT_EQ(c.rows(), golden.at(static_cast<int>(style))) << "style " << style << Joined(c.rows());
  }
}

TEST(DcFigurePainter, MarkersBeyondTheStylesDrawNothingAndSizeZeroIsOnePixel) {
  for (const std::uint32_t style : {13u, 100u, static_cast<std::uint32_t>(-1)}) {
    Canvas c(MappingOf(9, 9, {0, 8, 0, 8}));
    UsePenAndGreyBrush(c.painter);
    c.painter.MarkerAtPixel({4, 4}, style, 2);
    EXPECT_EQ(InkCount(c.bitmap), 0) << style;
  }
  Canvas c(MappingOf(9, 9, {0, 8, 0, 8}));
  UsePenAndGreyBrush(c.painter);
  c.painter.Marker({4, 4}, 0, 0);  // world (4, 4) is pixel (4, 4)
  EXPECT_EQ(InkCount(c.bitmap), 1) << Joined(c.rows());
  EXPECT_EQ(*c.bitmap.GetPixel(4, 4), platform::kBlack);
}

TEST(DcFigurePainter, PrintedMarkersGrowByThePrintFactor) {
  ViewMapping m = MappingOf(11, 11, {0, 10, 0, 10});
  m.printing = true;
  DcPaintRules rules;
  rules.printFactor = 2.4L;  // size 1 prints with half size 2
  Canvas c(m, rules);
  UsePenAndGreyBrush(c.painter);
  c.painter.MarkerAtPixel({5, 5}, 9, 1);
  EXPECT_EQ(c.rows()[5], "...####....") << Joined(c.rows());
  EXPECT_EQ(InkCount(c.bitmap), 7);
}

TEST(DcFigurePainter, PenStyleCodesAndWidthsMatchTheirPicture) {
  Canvas c(MappingOf(32, 13, {0, 31, 0, 12}));
  int y = 0;
  for (const int code : {-1, 0, 1, 2, 3, 4, 7}) {
    c.painter.SetPen(PenOfAttribute(MakeAttribute(0, 1), code));
    c.painter.PixelSegment({1, y}, {30, y});
    ++y;
  }
  c.painter.SetPen(PenOfAttribute(MakeAttribute(0, 0), kLineDash));
  c.painter.PixelSegment({1, y}, {30, y});
  c.painter.SetPen(PenOfAttribute(MakeAttribute(0, 3), kLineDash));
  c.painter.PixelSegment({1, y + 3}, {30, y + 3});
  EXPECT_EQ(c.rows(), GoldenPictures("pens.txt").at(0)) << Joined(c.rows());
}

TEST(DcFigurePainter, DevicePensFollowTheAttributeThePrinterAndTheMagnifier) {
  DcPaintRules rules;
  rules.colors[7] = kernel::Rgb(10, 20, 30);
  rules.printerExtraWidth = 2;
  rules.colorPrinting = true;
  const LinePen pen = PenOfAttribute(MakeAttribute(7, 3), kLineDashDot);
  EXPECT_EQ(DevicePen(rules, false, pen), (platform::Pen{platform::PenStyle::DashDot, 3, {10, 20, 30}}));
  EXPECT_EQ(DevicePen(rules, true, pen).width, 5);
  rules.magnifier = 9;
  EXPECT_EQ(DevicePen(rules, true, pen).width, 45);
  EXPECT_EQ(DevicePen(rules, false, PenOfAttribute(MakeAttribute(7, 0), kLineNone)).style, platform::PenStyle::Null);
  EXPECT_EQ(AttributeWidth(MakeAttribute(7, -2)), -2);
  EXPECT_EQ(AttributeColorIndex(MakeAttribute(7, -2)), 7);
}

TEST(DcFigurePainter, ColourRulesOfScreenAndPrinter) {
  DcPaintRules rules;
  rules.backgroundIndex = 5;
  rules.greys[6] = 200;
  const InkColor six = InkColor::Index(6);
  const InkColor five = InkColor::Index(5);
  // On the screen a pen in the background's colour index is drawn in index 0.
  EXPECT_EQ(PenColorOf(rules, false, five), rules.colors[0]);
  EXPECT_EQ(PenColorOf(rules, true, five), kernel::kBlackRef);  // printing without colour
  EXPECT_EQ(PenColorOf(rules, false, six), rules.colors[6]);
  rules.backgroundIndex = 0;
  EXPECT_EQ(PenColorOf(rules, false, InkColor::Index(0)), rules.colors[1]);
  // Indices outside the table draw in entry 0; colour values are used as they are.
  EXPECT_EQ(PenColorOf(rules, false, InkColor::Index(61)), rules.colors[0]);
  EXPECT_EQ(PenColorOf(rules, true, InkColor::Value(0x123456)), 0x123456u);
  // Fills print grey without colour printing, in colour with it.
  EXPECT_EQ(FillColorOf(rules, true, six), kernel::Rgb(200, 200, 200));
  rules.colorPrinting = true;
  EXPECT_EQ(FillColorOf(rules, true, six), rules.colors[6]);
  EXPECT_EQ(PenColorOf(rules, true, six), rules.colors[6]);
  // Brushes: hollow, solid and the hatch patterns.
  EXPECT_EQ(DeviceBrush(rules, false, {}).style, platform::BrushStyle::Hollow);
  EXPECT_EQ(DeviceBrush(rules, false, {true, six, 0}), platform::Brush::Solid(platform::Color::FromColorRef(rules.colors[6])));
  EXPECT_EQ(DeviceBrush(rules, false, {true, six, 3}).hatch, platform::HatchStyle::DiagonalCross);
}

TEST(DcFigurePainter, SegmentsAreCutToTheViewOrClampedWithoutOverflow) {
  const ViewMapping m = MappingOf(11, 11, {0, 10, 0, 10});
  {
    // Cut one pixel step inside the view.
    Canvas c(m);
    EXPECT_TRUE(c.painter.Segment({-5, 5}, {15, 5}, true));
    EXPECT_EQ(c.rows()[5], ".########..") << Joined(c.rows());
    EXPECT_EQ(InkCount(c.bitmap), 8);
  }
  {
    // Wholly outside: nothing, and false.
    Canvas c(m);
    EXPECT_FALSE(c.painter.Segment({-5, 20}, {15, 20}, true));
    EXPECT_EQ(InkCount(c.bitmap), 0);
  }
  {
    // Not cut: a far end is clamped one pixel beyond the client area before it is rounded.
    Canvas c(m);
    EXPECT_TRUE(c.painter.Segment({5, 5}, {1e30L, 5}, false));
    EXPECT_EQ(c.rows()[5], ".....######") << Joined(c.rows());
    EXPECT_TRUE(c.painter.Segment({5, 3}, {-1e4000L, 3}, false));
    EXPECT_EQ(c.rows()[7], "######.....") << Joined(c.rows());
  }
}

TEST(DcFigurePainter, ArcsTurnCounterClockwiseForPositiveSweeps) {
  const ViewMapping m = MappingOf(21, 21, {0, 20, 0, 20});
  // Ink inside and outside the quarter of the picture right of the centre and above or below it.
  auto ink = [](const platform::Bitmap& bitmap, bool upper, bool inside) {
    int n = 0;
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 21; ++x) {
        const bool quarter = x >= 10 && (upper ? y <= 10 : y >= 10);
        n += *bitmap.GetPixel(x, y) != platform::kWhite && quarter == inside;
      }
    return n;
  };
  Canvas up(m);
  up.painter.Arc({10, 10}, {18, 10}, kernel::Pi / 2);  // from the right to the top
  EXPECT_GT(ink(up.bitmap, true, true), 8) << Joined(up.rows());
  EXPECT_EQ(ink(up.bitmap, true, false), 0) << Joined(up.rows());
  Canvas down(m);
  down.painter.Arc({10, 10}, {18, 10}, -kernel::Pi / 2);  // from the right to the bottom
  EXPECT_GT(ink(down.bitmap, false, true), 8) << Joined(down.rows());
  EXPECT_EQ(ink(down.bitmap, false, false), 0) << Joined(down.rows());
}

TEST(DcFigurePainter, CirclesFarLargerThanTheViewDrawTheirVisiblePart) {
  // The centre a billion units below: the circle passes the view as a straight line at y = 5.
  const ViewMapping m = MappingOf(11, 11, {0, 10, 0, 10});
  const Point2 centre{5, -1e9L};
  const kernel::Real radius = 1e9L + 5;
  Canvas outline(m);
  outline.painter.Circle(centre, radius);
  EXPECT_EQ(outline.rows()[5], "###########") << Joined(outline.rows());
  EXPECT_EQ(InkCount(outline.bitmap), 11);

  Canvas disk(m);
  disk.painter.SetPen({InkColor::Value(kernel::kBlackRef), 1, kLineNone});
  disk.painter.SetBrush({true, InkColor::Value(kernel::kBlackRef), 0});
  disk.painter.Circle(centre, radius);
  const std::vector<std::string> rows = disk.rows();
  for (int y = 0; y < 11; ++y)
    EXPECT_EQ(rows[y], y < 5 ? "..........." : y > 5 ? "###########" : rows[y]) << y << Joined(rows);

  // A disk around the whole view with no edge in it fills all of it.
  Canvas inside(m);
  inside.painter.SetBrush({true, InkColor::Value(kernel::kBlackRef), 0});
  inside.painter.Circle({5, 5}, 1e12L);
  EXPECT_EQ(InkCount(inside.bitmap), 121);
}

TEST(DcFigurePainter, PolygonsReachingFarAreCutBeforeTheyReachTheDevice) {
  const ViewMapping m = MappingOf(11, 11, {0, 10, 0, 10});
  Canvas c(m);
  c.painter.SetPen({InkColor::Value(kernel::kBlackRef), 1, kLineNone});
  c.painter.SetBrush({true, InkColor::Value(kernel::kBlackRef), 0});
  // Half the plane right of x = 4.6, given by far corners.
  const std::array<Point2, 4> half{Point2{4.6L, -1e20L}, Point2{1e20L, -1e20L}, Point2{1e20L, 1e20L},
                                   Point2{4.6L, 1e20L}};
  c.painter.Polygon(half);
  for (const std::string& row : c.rows()) EXPECT_EQ(row, ".....######") << Joined(c.rows());
}

TEST(DcFigurePainter, LabelsArePlacedByTheirAlignmentsAndMayBeOpaque) {
  struct Case {
    int h, v;
    platform::PointI corner;
  };
  // A 20 x 10 text at (100, 50).
  for (const Case& k : {Case{1, -1, {100, 50}}, Case{0, 0, {90, 45}}, Case{-1, 1, {80, 40}}, Case{-1, -1, {80, 50}}})
    EXPECT_EQ(TextBoxCorner({100, 50}, {20, 10}, k.h, k.v), k.corner) << k.h << "," << k.v;
  EXPECT_EQ(TextBoxCorner({0, 0}, {21, 11}, 0, 0), (platform::PointI{-10, -5}));  // halves truncate

  const ViewMapping m = MappingOf(60, 30, {0, 59, 0, 29});
  Canvas opaque(m);
  opaque.painter.SetTextStyle({platform::FontSpec{}, 12, InkColor::Value(kernel::kBlackRef)});
  const platform::SizeI size = opaque.painter.TextExtent("Ax");
  ASSERT_GT(size.width, 0);
  opaque.painter.Text({2, 2}, "Ax", 1, -1, kernel::Rgb(0, 255, 0));
  // The box is filled with the background colour from its top-left corner.
  EXPECT_EQ(*opaque.bitmap.GetPixel(2, 2), test_colours::kGreen);
  EXPECT_EQ(*opaque.bitmap.GetPixel(1 + size.width, 1 + size.height), test_colours::kGreen);
  EXPECT_EQ(*opaque.bitmap.GetPixel(2 + size.width, 2), platform::kWhite);

  DcPaintRules metafile;
  metafile.transparentLabels = true;
  Canvas clear(m, metafile);
  clear.painter.SetTextStyle({platform::FontSpec{}, 12, InkColor::Value(kernel::kBlackRef)});
  clear.painter.Text({2, 2}, "Ax", 1, -1, kernel::Rgb(0, 255, 0));
  EXPECT_GT(InkCount(clear.bitmap), 0);
  EXPECT_EQ(*clear.bitmap.GetPixel(2, 2), platform::kWhite);
}

TEST(DcFigurePainter, LeavesTheDeviceContextAsItFoundIt) {
  platform::Bitmap bitmap(8, 8);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  const platform::Pen pen{platform::PenStyle::Dot, 1, test_colours::kRed};
  dc->SelectPen(pen);
  dc->SetBackgroundMode(platform::BackgroundMode::Opaque);
  const ViewMapping m = MappingOf(8, 8, {0, 7, 0, 7});
  {
    DcFigurePainter painter(*dc, m, {});
    painter.SetPen({InkColor::Value(0), 3, kLineSolid});
    painter.SetBrush({true, InkColor::Value(0), 2});
    painter.Segment({1, 1}, {6, 6}, false);
    painter.Text({0, 0}, "x", 1, -1, std::nullopt);
  }
  EXPECT_EQ(dc->state().pen, pen);
  EXPECT_EQ(dc->state().brush, platform::Brush::Solid(platform::kWhite));
  EXPECT_EQ(dc->state().backgroundMode, platform::BackgroundMode::Opaque);
}

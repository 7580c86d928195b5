// The coordinate frame drawn through the painters: axes, ticks and their labels, the axis names,
// the origin letter, the tick-interval notice, the rectangular and the polar grid, and the section
// comments of the text exports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "grid_window.h"
#include "view/eps_painter.h"
#include "view/export_output.h"
#include "view/pictex_painter.h"
#include "view/svg_painter.h"

using namespace view;
using kernel::Point2;
using kernel::Real;
using platform::PointI;

namespace {

// A target that records what it is asked to draw.
class RecordingPainter : public FigurePainter {
 public:
  using FigurePainter::FigurePainter;
  struct Line {
    Point2 p, q;
    int width;
  };
  std::vector<Line> lines;
  std::vector<std::pair<PointI, PointI>> pixelLines;
  std::vector<std::string> texts;
  std::vector<Real> circles;
  std::vector<Real> arcs;

 protected:
  bool DoSegment(const Point2& p, const Point2& q, bool) override {
    lines.push_back({p, q, state().pen.width});
    return true;
  }
  void DoPixelSegment(PointI a, PointI b) override { pixelLines.emplace_back(a, b); }
  void DoCircle(const Point2&, Real r) override { circles.push_back(r); }
  void DoArc(const Point2& c, const Point2& start, Real) override {
    arcs.push_back(std::hypot(start.x - c.x, start.y - c.y));
  }
  void DoArrowhead(const Point2&, const Point2&, const ArrowheadShape&) override {}
  void DoText(PointI, std::string_view text, int, int, std::optional<kernel::ColorRef>) override {
    texts.emplace_back(text);
  }
  platform::SizeI DoTextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 12}; }
};

// The window with view and grid at their reset values.
void Reset(GridWindow& w) {
  w.ResetView();
  w.UpdateView();
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The positions of the texts in the output, -1 for those missing.
std::vector<long> Positions(const std::string& out, const std::vector<std::string>& texts) {
  std::vector<long> at;
  for (const std::string& t : texts) {
    const std::size_t pos = out.find(t);
    at.push_back(pos == std::string::npos ? -1 : static_cast<long>(pos));
  }
  return at;
}

const std::vector<std::string> kComments = {"% x axis begin", "% x axis end", "% x-ticks begin", "% x-ticks end",
                                            "% y axis begin", "% y axis end", "% y-ticks begin", "% y-ticks end"};

}  // namespace

TEST(Axes, EpsAndPiCTeXCarryTheSectionCommentsInOrder) {
  GridWindow w(401, 401);
  Reset(w);
  w.axes.xScalePi = 1;
  StringOutput eps;
  {
    EpsPainter painter(eps, w.mapping, VectorExportSettings{});
    w.DrawAxes(painter);
    w.DrawScaleLabels(painter);
  }
  StringOutput tex;
  {
    PiCTeXPainter painter(w.mapping, tex, PiCTeXPicture{});
    w.DrawAxes(painter);
    w.DrawScaleLabels(painter);
  }
  for (const std::string* out : {&eps.text(), &tex.text()}) {
    const std::vector<long> at = Positions(*out, kComments);
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()) && at.front() >= 0) << *out;
  }
  // PiCTeX spells pi as its command; the EPS labels use the pi character.
  EXPECT_NE(tex.text().find("\\pi"), std::string::npos);
  EXPECT_EQ(tex.text().find("tick interval changed"), std::string::npos);

  // A view without y = 0 has no x axis; ticks off leave the ticks comments out.
  w.SetViewExtents(0, 20, 5, 5, true);
  w.axes.ticks = 0;
  StringOutput moved;
  {
    EpsPainter painter(moved, w.mapping, VectorExportSettings{});
    w.DrawAxes(painter);
  }
  const std::vector<long> at = Positions(moved.text(), kComments);
  EXPECT_EQ(at, (std::vector<long>{-1, -1, -1, -1, at[4], at[5], -1, -1}));
  EXPECT_GE(at[4], 0);
  EXPECT_GT(at[5], at[4]);
  w.Destroy();
}

TEST(Axes, TheTickAndLabelAtZeroBelongToALoneAxisOnly) {
  GridWindow w(401, 401);
  Reset(w);
  w.axes.showAxisNames = 0;
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    w.DrawScaleLabels(p);
    // -5 and 5 lie on the edges, where their labels do not fit.
    for (const char* t : {"-4", "-1", "1", "4"}) EXPECT_TRUE(Has(p.texts, t)) << t;
    EXPECT_FALSE(Has(p.texts, "0"));
    // 10 ticks on each axis (-5 .. 5 without 0), 2p + 1 pixels: a tick of 10 pixels is p = 5.
    ASSERT_EQ(p.pixelLines.size(), 20u);
    EXPECT_EQ(p.pixelLines[0].first, (PointI{0, 205}));
    EXPECT_EQ(p.pixelLines[0].second, (PointI{0, 194}));
  }
  w.axes.axesKind = 1;  // the x axis alone
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    w.DrawScaleLabels(p);
    EXPECT_TRUE(Has(p.texts, "0"));
    EXPECT_EQ(p.pixelLines.size(), 11u);
  }
  w.Destroy();
}

TEST(Axes, FrequencyBorderModeQuadrantIAndPolarChoice) {
  GridWindow w(401, 401);
  Reset(w);
  w.axes.showAxisNames = 0;
  w.axes.xLabelFrequency = 2;
  w.axes.axesKind = 1;
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    w.DrawScaleLabels(p);
    EXPECT_TRUE(Has(p.texts, "2"));
    EXPECT_FALSE(Has(p.texts, "3"));
    EXPECT_EQ(p.pixelLines.size(), 11u);  // every tick still drawn
  }
  // The view above the x axis: no axis, no ticks, but border labels along the bottom edge.
  w.axes.xLabelFrequency = 1;
  w.SetViewExtents(0, 20, 5, 5, true);
  w.axes.scaleNumbers = 1 | 4;
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    w.DrawScaleLabels(p);
    EXPECT_TRUE(p.pixelLines.empty());
    EXPECT_TRUE(Has(p.texts, "3"));
  }
  w.LastView();
  w.axes.scaleNumbers = 3;
  // Polar choice: the axis from the origin, ticks and labels from index 1.
  w.axes.axesKind = 4;
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    w.DrawScaleLabels(p);
    ASSERT_FALSE(p.lines.empty());
    EXPECT_EQ(p.lines[0].p.x, 0);
    EXPECT_FALSE(Has(p.texts, "-1"));
    EXPECT_TRUE(Has(p.texts, "1"));
  }
  // A rectangular grid in quadrant I only starts the axis at 0 as well: nothing on y = 0 left of it.
  w.axes.axesKind = 3;
  w.axes.gridKind = 16 | 1;
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    ASSERT_FALSE(p.lines.empty());
    for (const RecordingPainter::Line& l : p.lines)
      if (l.p.y == 0 && l.q.y == 0) {
        EXPECT_GE(std::min(l.p.x, l.q.x), 0);
      }
  }
  w.Destroy();
}

TEST(Axes, TheIntervalNoticeIsDrawnOnceAfterAWidening) {
  GridWindow w(401, 401);
  Reset(w);
  w.axes.noticeState = 2;  // a notice was shown before
  w.SetSquareView({0, 0}, 500);
  RecordingPainter p(w.mapping);
  w.DrawAxes(p);
  EXPECT_EQ(w.axes.gridSpacingX, 100);
  EXPECT_EQ(std::count(p.texts.begin(), p.texts.end(), "tick interval changed"), 1);
  EXPECT_EQ(w.axes.noticeState, 2);
  p.texts.clear();
  w.DrawAxes(p);
  EXPECT_EQ(std::count(p.texts.begin(), p.texts.end(), "tick interval changed"), 0);
  // Exports never carry it.
  w.SetSquareView({0, 0}, 5000);
  StringOutput svg;
  {
    SvgPainter painter(svg, w.mapping, VectorExportSettings{});
    w.DrawAxes(painter);
  }
  EXPECT_EQ(svg.text().find("tick interval changed"), std::string::npos);
  EXPECT_EQ(w.axes.noticeState, 1);  // left for the screen
  w.Destroy();
}

TEST(Axes, AxisNamesAndTheOriginLetter) {
  GridWindow w(401, 401);
  Reset(w);
  w.axes.axisNames = {"u", "v", "z"};
  w.axes.originLetter = 1;
  RecordingPainter p(w.mapping);
  w.DrawAxes(p);
  const std::size_t inAxes = p.texts.size();
  w.DrawScaleLabels(p);
  // Opaque labels (the default) put the names after the scale labels, on top of them.
  ASSERT_GE(p.texts.size(), 3u);
  EXPECT_EQ(p.texts[p.texts.size() - 2], "u");
  EXPECT_EQ(p.texts.back(), "v");
  EXPECT_TRUE(Has(p.texts, "O"));
  EXPECT_FALSE(Has(std::vector<std::string>(p.texts.begin(), p.texts.begin() + inAxes), "u"));
  w.Destroy();
}

TEST(Gridlines, QuadrantIOnlyAndEveryThirdLineMajor) {
  GridWindow w(401, 401);
  Reset(w);
  w.axes.axesShown = 0;
  w.axes.gridPenWidth = 3;
  w.axes.gridKind = 16 | 1;
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    // Horizontal lines y = 0 .. 5 from x = 0 to the inset right edge, then vertical lines x = 0 .. 5
    // from y = 0 to the inset top edge.
    ASSERT_EQ(p.lines.size(), 12u);
    const Real inset = 5 - 0.002L * 5;
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(p.lines[i].p.y, i);
      EXPECT_EQ(p.lines[i].p.x, 0);
      EXPECT_EQ(p.lines[i].q.x, inset);
      EXPECT_EQ(p.lines[6 + i].p.x, i);
      EXPECT_EQ(p.lines[6 + i].p.y, 0);
      EXPECT_EQ(p.lines[6 + i].q.y, inset);
    }
  }
  w.axes.gridKind = 16 | 15;
  w.axes.yLabelFrequency = 3;
  {
    RecordingPainter p(w.mapping);
    w.DrawAxes(p);
    std::vector<Real> major;
    for (const RecordingPainter::Line& l : p.lines)
      if (l.p.y == l.q.y && l.width == 3 && l.p.y == l.q.y) major.push_back(l.p.y);
    std::sort(major.begin(), major.end());
    major.erase(std::unique(major.begin(), major.end()), major.end());
    EXPECT_EQ(major, (std::vector<Real>{-3, 0, 3}));
    // No line on the left or the bottom edge.
    for (const RecordingPainter::Line& l : p.lines) {
      EXPECT_TRUE(l.p.y != l.q.y || l.p.y > -5);
      EXPECT_TRUE(l.p.x != l.q.x || l.p.x > -5);
    }
  }
  w.Destroy();
}

TEST(PolarGrid, CirclesInsideTheViewAndRaysEveryThirtyDegrees) {
  GridWindow w(301, 401);
  Reset(w);
  w.axes.axesShown = 0;
  w.axes.gridKind = 32;
  w.SetViewExtents(0, 0, 3, 4, true);  // the farthest corner (3, 4) is 5 away
  w.axes.gridSpacingX = 0.5L;
  RecordingPainter p(w.mapping);
  w.DrawAxes(p);
  std::vector<Real> expected;
  for (int k = 1; k <= 9; ++k) expected.push_back(k * 0.5L);
  EXPECT_EQ(p.circles, expected);
  // 12 sectors, the origin inside: rays at 30 .. 330 degrees, and at 0 as the axes choice 3 is odd.
  auto rayAngles = [](const RecordingPainter& rp) {
    std::vector<long> degrees;
    for (const RecordingPainter::Line& l : rp.lines)
      degrees.push_back(std::lround(static_cast<double>(std::atan2(l.q.y, l.q.x) * 180 / kernel::Pi + 360)) % 360);
    return degrees;
  };
  EXPECT_EQ(rayAngles(p), (std::vector<long>{30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}));
  w.axes.axesKind = 2;
  RecordingPainter even(w.mapping);
  w.DrawAxes(even);
  EXPECT_EQ(rayAngles(even).front(), 0);
  EXPECT_EQ(rayAngles(even).size(), 12u);

  // Only SVG takes the rays; no export takes the circles.
  StringOutput svg;
  {
    SvgPainter painter(svg, w.mapping, VectorExportSettings{});
    w.DrawPolarGrid(painter, {InkColor::Index(1), 1, kLineSolid});
  }
  std::size_t lines = 0;
  for (std::size_t at = svg.text().find("<line"); at != std::string::npos; at = svg.text().find("<line", at + 1))
    ++lines;
  EXPECT_EQ(lines, 12u);
  EXPECT_EQ(svg.text().find("<circle"), std::string::npos);
  StringOutput eps;
  {
    EpsPainter painter(eps, w.mapping, VectorExportSettings{});
    w.DrawPolarGrid(painter, {InkColor::Index(1), 1, kLineSolid});
  }
  EXPECT_TRUE(eps.text().empty());
  w.Destroy();
}

TEST(PolarGrid, AnOriginLeftOfTheViewGivesArcsAcrossPi) {
  GridWindow w(401, 401);
  Reset(w);
  w.axes.axesShown = 0;
  w.axes.gridKind = 32;
  w.SetViewExtents(-6, 0, 2, 2, true);  // x from -8 to -4, straddling the negative x axis
  RecordingPainter p(w.mapping);
  w.DrawAxes(p);
  EXPECT_TRUE(p.circles.empty());
  EXPECT_FALSE(p.arcs.empty());
  // The view spans 153 to 207 degrees as seen from the origin: the ray of 180 degrees alone.
  std::vector<long> degrees;
  for (const RecordingPainter::Line& l : p.lines)
    degrees.push_back(std::lround(static_cast<double>(std::atan2(l.q.y, l.q.x) * 180 / kernel::Pi + 360)) % 360);
  EXPECT_EQ(degrees, (std::vector<long>{180}));
  w.Destroy();
}

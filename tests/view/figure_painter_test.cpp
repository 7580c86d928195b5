// The figure painter's public operations and the decompositions an export writer inherits when it
// supplies only segments and text.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "kernel/vector2.h"
#include "view/figure_painter.h"

using namespace view;
using kernel::Point2;
using kernel::Real;
using platform::PointI;

namespace {

struct Drawn {
  Point2 p, q;
  bool clip;
  LinePen pen;
};

// A target with nothing but segments and text, recording what reaches it.
class SegmentRecorder : public FigurePainter {
 public:
  using FigurePainter::FigurePainter;
  std::vector<Drawn> segments;
  std::vector<std::string> texts;
  int stateChanges = 0;

 protected:
  void DoStateChanged() override { ++stateChanges; }
  bool DoSegment(const Point2& p, const Point2& q, bool clip) override {
    segments.push_back({p, q, clip, state().pen});
    return true;
  }
  void DoText(PointI anchor, std::string_view text, int h, int v, std::optional<kernel::ColorRef>) override {
    texts.push_back(std::string(text) + "@" + std::to_string(anchor.x) + "," + std::to_string(anchor.y) + "/" +
                    std::to_string(h) + std::to_string(v));
  }
  platform::SizeI DoTextExtent(std::string_view text) override {
    return {8 * static_cast<int>(text.size()), 10};
  }
};

ViewMapping DefaultView() {
  ViewMapping m;
  m.width = 501;
  m.height = 501;
  FitViewToClient(m);
  return m;
}

bool Same(const Point2& a, const Point2& b, Real tolerance = static_cast<Real>(1e-12)) {
  return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance;
}

}  // namespace

TEST(FigurePainter, LinesAndShapesDecomposeIntoSegments) {
  const ViewMapping m = DefaultView();
  SegmentRecorder painter(m);
  const std::array<Point2, 4> points{Point2{0, 0}, Point2{1, 0}, Point2{1, 1}, Point2{0, 1}};
  painter.Polyline(points);
  ASSERT_EQ(painter.segments.size(), 3u);
  EXPECT_TRUE(painter.segments[0].clip);
  painter.segments.clear();
  painter.Polygon(points);  // closed
  ASSERT_EQ(painter.segments.size(), 4u);
  EXPECT_TRUE(Same(painter.segments[3].q, points[0]));
  painter.segments.clear();
  painter.Polyline(std::span<const Point2>(points).first(1));  // too few points
  painter.Polygon(std::span<const Point2>(points).first(2));
  EXPECT_TRUE(painter.segments.empty());

  // Pixel primitives become world ones.
  painter.PixelSegment({250, 250}, {500, 0});
  ASSERT_EQ(painter.segments.size(), 1u);
  EXPECT_FALSE(painter.segments[0].clip);
  EXPECT_TRUE(Same(painter.segments[0].p, {0, 0}));
  EXPECT_TRUE(Same(painter.segments[0].q, {5, 5}));

  // The frame: one pixel step outside the view box, all round, not clipped.
  painter.segments.clear();
  painter.PictureFrame();
  ASSERT_EQ(painter.segments.size(), 4u);
  EXPECT_TRUE(Same(painter.segments[0].p, {-5.02L, -5.02L}));
  EXPECT_TRUE(Same(painter.segments[1].p, {5.02L, -5.02L}));
  EXPECT_TRUE(Same(painter.segments[2].p, {5.02L, 5.02L}));
  EXPECT_TRUE(Same(painter.segments[3].q, {-5.02L, -5.02L}));
  for (const Drawn& d : painter.segments) EXPECT_FALSE(d.clip);
}

TEST(FigurePainter, FlaggedPolylinesDrawTheSegmentsTheirModeAsksFor) {
  const ViewMapping m = DefaultView();
  std::array<Point2, 7> points;
  for (int i = 0; i < 7; ++i) points[i] = {static_cast<Real>(i), 0};
  // Runs: 0 1 0 1 -1 -1 0.
  const std::array<std::uint8_t, 7> flags{0, 0, 0, 0, 1, 1, 0};
  struct Case {
    int mode;
    std::vector<int> drawn;  // segment i joins points i - 1 and i
  };
  for (const Case& c : {Case{0, {1, 2, 3, 4, 5, 6}}, Case{1, {1, 3, 5}}, Case{2, {5}}}) {
    SegmentRecorder painter(m);
    painter.FlaggedPolyline(points, flags, c.mode);
    std::vector<int> drawn;
    for (const Drawn& d : painter.segments) drawn.push_back(static_cast<int>(d.q.x));
    EXPECT_EQ(drawn, c.drawn) << "mode " << c.mode;
  }
  SegmentRecorder painter(m);
  painter.FlaggedPolyline(points, std::span<const std::uint8_t>(flags).first(6), 0);
  EXPECT_TRUE(painter.segments.empty());
}

TEST(FigurePainter, ArcsBecomeChordsWithinHalfAPixel) {
  const ViewMapping m = DefaultView();  // 50 pixels per unit
  SegmentRecorder painter(m);
  painter.Arc({0, 0}, {4, 0}, kernel::Pi / 2);
  ASSERT_GT(painter.segments.size(), 4u);
  EXPECT_TRUE(Same(painter.segments.front().p, {4, 0}));
  EXPECT_TRUE(Same(painter.segments.back().q, {0, 4}, static_cast<Real>(1e-9)));
  for (std::size_t i = 0; i < painter.segments.size(); ++i) {
    const Drawn& d = painter.segments[i];
    if (i > 0) {
      EXPECT_TRUE(Same(d.p, painter.segments[i - 1].q));
    }
    const Point2 mid = kernel::Midpoint2(d.p, d.q);
    EXPECT_LE(4 - std::hypot(mid.x, mid.y), m.unitsPerPixelX / 2);
    EXPECT_GE(mid.x, -1e-9L);
    EXPECT_GE(mid.y, -1e-9L);
  }
  // Clockwise for a negative sweep.
  painter.segments.clear();
  painter.Arc({0, 0}, {4, 0}, -kernel::Pi / 2);
  EXPECT_TRUE(Same(painter.segments.back().q, {0, -4}, static_cast<Real>(1e-9)));
}

TEST(FigurePainter, ArcsFarLargerThanTheViewAreSampledOnlyWhereTheyPassIt) {
  const ViewMapping m = DefaultView();
  SegmentRecorder painter(m);
  // A circle of radius 1e12 through the origin, centre far below.
  painter.Circle({0, -1e12L}, 1e12L);
  ASSERT_FALSE(painter.segments.empty());
  EXPECT_LT(painter.segments.size(), 50u);
  Real left = 1e9L;
  Real right = -1e9L;
  for (const Drawn& d : painter.segments) {
    for (const Point2& p : {d.p, d.q}) {
      EXPECT_LE(std::fabs(p.x), 5.2L);
      EXPECT_LE(std::fabs(p.y), 1e-9L);
      left = std::min(left, p.x);
      right = std::max(right, p.x);
    }
  }
  EXPECT_LE(left, -5);  // the piece spans the whole view
  EXPECT_GE(right, 5);
  // One wholly outside the view draws nothing.
  painter.segments.clear();
  painter.Circle({0, -1e12L}, 1e12L - 100);
  EXPECT_TRUE(painter.segments.empty());
}

TEST(FigurePainter, DefaultMarkersAreTheScreenShapes) {
  const ViewMapping m = DefaultView();
  struct Case {
    std::uint32_t style;
    std::size_t segments;
  };
  for (const Case& c : {Case{0, 4}, Case{2, 3}, Case{5, 3}, Case{6, 2}, Case{7, 6}, Case{8, 2}, Case{9, 2},
                        Case{10, 6}, Case{11, 3}, Case{12, 3}, Case{13, 0}, Case{0xFFFFFFFFu, 0}}) {
    SegmentRecorder painter(m);
    painter.Marker({0, 0}, c.style, 3);
    EXPECT_EQ(painter.segments.size(), c.segments) << c.style;
  }
  // The plus of style 6: three pixels each way from (250, 250), the far ends excluded.
  SegmentRecorder plus(m);
  plus.MarkerAtPixel({250, 250}, 6, 3);
  ASSERT_EQ(plus.segments.size(), 2u);
  EXPECT_TRUE(Same(plus.segments[0].p, {0, 0.06L}));
  EXPECT_TRUE(Same(plus.segments[0].q, {0, -0.08L}));
  // Lattice crosses: arms with the extra length on the left and top.
  SegmentRecorder cross(m);
  cross.LatticeCross({0, 0}, 2, 2, 1);
  ASSERT_EQ(cross.segments.size(), 2u);
  EXPECT_TRUE(Same(cross.segments[0].p, {-0.06L, 0}));
  EXPECT_TRUE(Same(cross.segments[0].q, {0.06L, 0}));
}

TEST(FigurePainter, StateIsSavedAndRestoredAndTextGoesToTheTarget) {
  const ViewMapping m = DefaultView();
  SegmentRecorder painter(m);
  const LinePen red{InkColor::Index(3), 2, kLineDash};
  painter.SetPen(red);
  painter.Save();
  painter.SetPen({InkColor::Value(0xFF), 5, kLineDot});
  painter.Segment({0, 0}, {1, 1}, false);
  painter.Restore();
  painter.Segment({0, 0}, {1, 1}, false);
  painter.Restore();  // nothing saved: nothing changes
  EXPECT_EQ(painter.segments[0].pen.width, 5);
  EXPECT_EQ(painter.segments[1].pen, red);
  EXPECT_EQ(painter.state().pen, red);
  EXPECT_EQ(painter.stateChanges, 3);

  painter.Text({10, 20}, "", 0, 0, std::nullopt);
  painter.Text({10, 20}, "AB", 0, 1, std::nullopt);
  EXPECT_EQ(painter.texts, std::vector<std::string>{"AB@10,20/01"});
  EXPECT_EQ(painter.TextExtent("ABC").width, 24);
}

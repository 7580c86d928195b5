// Segments and arrows between world points: cut to the view shrunk by a pixel, whole lines from
// edge to edge, arrowheads only at tips in view, no shaft when nothing of it is left.
#include <gtest/gtest.h>

#include <vector>

#include "engine/windows/arrow_drawing.h"
#include "view/figure_painter.h"
#include "view/view_mapping.h"

namespace {

using kernel::Point2;
using kernel::Real;

// Records what reaches the device: segments, and arrowheads by their tips.
class RecordingPainter : public view::FigurePainter {
 public:
  explicit RecordingPainter(const view::ViewMapping& m) : FigurePainter(m) {}
  std::vector<std::pair<Point2, Point2>> segments;
  std::vector<Point2> heads;

 protected:
  bool DoSegment(const Point2& p, const Point2& q, bool) override {
    segments.emplace_back(p, q);
    return true;
  }
  void DoArrowhead(const Point2& tip, const Point2& direction, const view::ArrowheadShape& shape) override {
    heads.push_back(tip);
    FigurePainter::DoArrowhead(tip, direction, shape);
  }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }
};

// -5 .. 5 both ways: 0.02 units per pixel, so the shrunk view is -4.98 .. 4.98.
view::ViewMapping View() {
  view::ViewMapping m;
  m.width = m.height = 501;
  view::FitViewToClient(m);
  return m;
}

constexpr double kClose = 1e-12;

TEST(PointChain, IsCutToTheShrunkViewAndWholeLinesRunFromEdgeToEdge) {
  const view::ViewMapping m = View();
  RecordingPainter painter(m);
  const view::LinePen pen;
  EXPECT_TRUE(engine::DrawPointChain(painter, {0, 0}, {10, 0}, pen, false));
  EXPECT_TRUE(engine::DrawPointChain(painter, {-1, 1}, {1, 1}, pen, true));
  ASSERT_EQ(painter.segments.size(), 2u);
  EXPECT_NEAR(static_cast<double>(painter.segments[0].first.x), 0, kClose);
  EXPECT_NEAR(static_cast<double>(painter.segments[0].second.x), 4.98, kClose);
  EXPECT_NEAR(static_cast<double>(painter.segments[1].first.x), -4.98, kClose);
  EXPECT_NEAR(static_cast<double>(painter.segments[1].second.x), 4.98, kClose);

  // Outside the view, or no longer than 1e-16: nothing.
  EXPECT_FALSE(engine::DrawPointChain(painter, {6, 6}, {7, 7}, pen, false));
  EXPECT_FALSE(engine::DrawPointChain(painter, {1, 1}, {1, 1 + 1e-17L}, pen, false));
  EXPECT_EQ(painter.segments.size(), 2u);
}

TEST(Arrow, ShaftAndHeadFollowTheFlags) {
  const view::ViewMapping m = View();
  const view::LinePen pen;
  struct Case {
    Point2 p, q;
    bool clip, shaft;
    std::size_t segments;  // the shaft, and two strokes for an open head
    std::size_t heads;
  };
  const std::vector<Case> cases{
      {{0, 0}, {1, 0}, true, true, 3, 1},
      {{0, 0}, {1, 0}, false, false, 2, 1},   // the head alone
      {{0, 0}, {9, 0}, true, true, 1, 0},     // the tip outside: the shaft, cut, and no head
      {{0, 0}, {9, 0}, false, true, 1, 0},    // ... uncut
      {{6, 6}, {9, 9}, true, true, 0, 0},     // nothing of the shaft in view: no shaft
      {{1, 1}, {1, 1}, false, true, 1, 1},    // no direction: the device gets no head strokes
  };
  for (const Case& c : cases) {
    RecordingPainter painter(m);
    engine::DrawArrow(painter, c.p, c.q, c.clip, c.shaft, 0.3L, false, pen);
    EXPECT_EQ(painter.segments.size(), c.segments) << c.q.x << c.clip << c.shaft;
    EXPECT_EQ(painter.heads.size(), c.heads) << c.q.x << c.clip << c.shaft;
  }
  RecordingPainter painter(m);
  engine::DrawArrow(painter, {0, 0}, {9, 0}, true, true, 0.3L, false, pen);
  ASSERT_EQ(painter.segments.size(), 1u);
  EXPECT_NEAR(static_cast<double>(painter.segments[0].second.x), 4.98, kClose);
}

}  // namespace

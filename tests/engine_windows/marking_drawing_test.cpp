// The markings as they reach the painter: ticks, arrowheads, angle arcs (plain and directed) and
// brackets at their places and sizes; and the records the markings dialog stores.
#include <gtest/gtest.h>

#include <numbers>
#include <vector>

#include "engine/windows/marking_drawing.h"
#include "engine/windows/markings.h"
#include "view/figure_painter.h"
#include "view/view_mapping.h"

namespace {

using kernel::Point2;
using kernel::Real;

struct ArcCall {
  Point2 centre, start;
  Real sweep;
};
struct HeadCall {
  Point2 tip, direction;
};

class MarkingRecorder : public view::FigurePainter {
 public:
  explicit MarkingRecorder(const view::ViewMapping& m) : FigurePainter(m) {}
  std::vector<std::pair<Point2, Point2>> segments;
  std::vector<ArcCall> arcs;
  std::vector<HeadCall> heads;

 protected:
  bool DoSegment(const Point2& p, const Point2& q, bool) override {
    segments.emplace_back(p, q);
    return true;
  }
  void DoArc(const Point2& c, const Point2& s, Real sweep) override { arcs.push_back({c, s, sweep}); }
  void DoArrowhead(const Point2& tip, const Point2& direction, const view::ArrowheadShape&) override {
    heads.push_back({tip, direction});
  }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }
};

// -10 .. 10 both ways.
view::ViewMapping MarkingView() {
  view::ViewMapping m;
  m.halfWidth = m.halfHeight = 10;
  m.width = m.height = 401;
  view::FitViewToClient(m);
  return m;
}

constexpr double kMarkingClose = 1e-12;

void ExpectPoint(const Point2& p, double x, double y) {
  EXPECT_NEAR(static_cast<double>(p.x), x, kMarkingClose);
  EXPECT_NEAR(static_cast<double>(p.y), y, kMarkingClose);
}

TEST(MarkingDrawing, TicksStandAcrossTheSegmentFromFiftyFivePerCentOn) {
  const view::ViewMapping m = MarkingView();
  MarkingRecorder painter(m);
  engine::DrawTicks(painter, {0, 0}, {10, 0}, 3, 1);
  ASSERT_EQ(painter.segments.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    ExpectPoint(painter.segments[k].first, 5.5 + k, -1);
    ExpectPoint(painter.segments[k].second, 5.5 + k, 1);
  }
  // A first stroke outside the view draws nothing, even with later strokes inside; a null
  // segment draws nothing.
  MarkingRecorder outside(m);
  engine::DrawTicks(outside, {-30, 0}, {2, 0}, 6, 4);
  engine::DrawTicks(outside, {1, 1}, {1, 1}, 2, 1);
  EXPECT_TRUE(outside.segments.empty());
}

TEST(MarkingDrawing, ArrowheadsStartAtFortyPerCentAndPointAlongTheSegment) {
  const view::ViewMapping m = MarkingView();
  MarkingRecorder painter(m);
  engine::DrawSegmentArrow(painter, {0, 0}, {0, 10}, 2, 0.5L, true);
  ASSERT_EQ(painter.heads.size(), 2u);
  ExpectPoint(painter.heads[0].tip, 0, 4);
  ExpectPoint(painter.heads[1].tip, 0, 4.5);
  EXPECT_GT(painter.heads[0].direction.y, 0);
  EXPECT_NEAR(static_cast<double>(painter.heads[0].direction.x), 0, kMarkingClose);
}

TEST(MarkingDrawing, AngleArcsSpreadAboutTheRadius) {
  const view::ViewMapping m = MarkingView();
  MarkingRecorder painter(m);
  engine::AngleMarkShape shape;
  shape.arcs = 5;
  shape.radius = 2;
  engine::DrawAngleMark(painter, {4, 0}, {0, 0}, {0, 4}, shape);
  ASSERT_EQ(painter.arcs.size(), 5u);
  const double radii[] = {2, 2.24, 1.76, 2.48, 1.52};
  for (int k = 0; k < 5; ++k) {
    ExpectPoint(painter.arcs[k].centre, 0, 0);
    ExpectPoint(painter.arcs[k].start, radii[k], 0);
    EXPECT_NEAR(static_cast<double>(painter.arcs[k].sweep), std::numbers::pi / 2, kMarkingClose);
  }
  EXPECT_TRUE(painter.heads.empty());
}

TEST(MarkingDrawing, DirectedArcsEndInHeadsOnTheSecondRayTurningTheirWay) {
  const view::ViewMapping m = MarkingView();
  struct Case {
    Point2 c;
    bool fullTurn;
    double sweep;
    double headX;  // the direction of the heads at the ray towards C
  };
  // Counter-clockwise from BA to BC; clockwise; clockwise raised to the long way round.
  const std::vector<Case> cases{
      {{0, 3}, false, std::numbers::pi / 2, -1},
      {{0, -3}, false, -std::numbers::pi / 2, -1},
      {{0, -3}, true, 3 * std::numbers::pi / 2, 1},
  };
  for (const Case& c : cases) {
    MarkingRecorder painter(m);
    engine::AngleMarkShape shape;
    shape.arcs = 2;
    shape.radius = 1;
    shape.directed = true;
    shape.fullTurn = c.fullTurn;
    shape.headSize = 0.2L;
    engine::DrawAngleMark(painter, {3, 0}, {0, 0}, c.c, shape);
    ASSERT_EQ(painter.arcs.size(), 2u);
    ASSERT_EQ(painter.heads.size(), 2u);
    EXPECT_NEAR(static_cast<double>(painter.arcs[0].sweep), c.sweep, kMarkingClose);
    const double side = c.c.y > 0 ? 1 : -1;
    ExpectPoint(painter.heads[0].tip, 0, side * 1);
    ExpectPoint(painter.heads[1].tip, 0, side * 1.12);
    EXPECT_NEAR(static_cast<double>(painter.heads[0].direction.x), c.headX, kMarkingClose);
  }
}

TEST(MarkingDrawing, TheBracketOfARightAngleIsTwoStrokes) {
  const view::ViewMapping m = MarkingView();
  MarkingRecorder painter(m);
  engine::DrawRightAngleMark(painter, {0, 5}, {0, 0}, {5, 0}, 1);
  ASSERT_EQ(painter.segments.size(), 2u);
  ExpectPoint(painter.segments[0].first, 1, 0);
  ExpectPoint(painter.segments[0].second, 1, 1);
  ExpectPoint(painter.segments[1].first, 0, 1);
  ExpectPoint(painter.segments[1].second, 1, 1);
}

TEST(MarkingRecords, TheDialogCodesAndTheByteImage) {
  // Size step 5, angle arc, colour 12, two strokes.
  EXPECT_EQ(engine::MarkingTypeCode(5, engine::kMarkAngleArc), 53);
  EXPECT_EQ(engine::MarkingNumberAndColour(engine::kMarkAngleArc, 2, 12, false), 1202);
  // Ticks, arrows and plane rays take their line's colour; brackets and plane rays one stroke.
  EXPECT_EQ(engine::MarkingNumberAndColour(engine::kMarkTick, 3, 12, false), 3);
  EXPECT_EQ(engine::MarkingNumberAndColour(engine::kMarkPerpBracket, 3, 12, false), 1201);
  EXPECT_EQ(engine::MarkingNumberAndColour(engine::kMarkRay, 3, 12, false), 1);
  EXPECT_EQ(engine::MarkingNumberAndColour(engine::kMarkRay, 3, 12, true), 1203);

  const engine::MarkingFields f{2, -3, 7, 53, 1202};
  const engine::Marking image = engine::MarkingOfFields(f);
  EXPECT_EQ(image, (engine::Marking{2, 0, 0xFD, 0xFF, 7, 0, 53, 0, 0xB2, 0x04, 0, 0, 0, 0}));
  const engine::MarkingFields back = engine::FieldsOfMarking(image);
  EXPECT_EQ(back.b, -3);
  EXPECT_EQ(engine::KindOfMarking(back), 3);
  EXPECT_EQ(engine::SizeStepOfMarking(back), 5);
  EXPECT_EQ(engine::StrokesOfMarking(back), 2);
  EXPECT_EQ(engine::ColourOfMarking(back), 12);
  EXPECT_NEAR(static_cast<double>(engine::RelativeMarkingSize(back)), 1.5, kMarkingClose);
}

TEST(MarkingRecords, SizesAreTenthsOfAPerCentOfTheScreen) {
  struct Case {
    Real typed;
    bool accepted;
    int setting;
  };
  for (const Case& c : std::vector<Case>{{0.1L, false, 0}, {0.2L, true, 2}, {99.8L, true, 998}, {99.9L, false, 0},
                                         {2.54L, true, 25}}) {
    std::int16_t setting = 0;
    EXPECT_EQ(engine::MarkingSettingOfPercentage(c.typed, setting), c.accepted) << static_cast<double>(c.typed);
    if (c.accepted) {
      EXPECT_EQ(setting, c.setting);
    }
  }
  engine::MarkingSettings s;
  s.screenWidth = 1000;
  s.settings[engine::MarkingSettings::kTick] = 20;
  s.settings[engine::MarkingSettings::kArcRadius] = 30;
  // 2 % of 1000 pixels of 0.01 units, halved for the tick; 3 % for the arc.
  EXPECT_NEAR(static_cast<double>(s.Size(engine::MarkingSettings::kTick, 0.01L)), 0.1, kMarkingClose);
  EXPECT_NEAR(static_cast<double>(s.Size(engine::MarkingSettings::kArcRadius, 0.01L)), 0.3, kMarkingClose);
}

}  // namespace

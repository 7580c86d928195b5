#include "engine/step_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/step_dependencies.h"
#include "kernel/vector2.h"
#include "step_engine_fixture.h"
#include "support/extended_expect.h"  // IWYU pragma: keep

namespace {

using engine::kLastPointLimit;
using engine::StepEngine;
using engine_test::StepFixture;

using StepEngineTest = StepFixture;

TEST_F(StepEngineTest, AddPointTakesTheLabelAskedForOrTheLowestFree) {
  EXPECT_EQ(engine.AddPoint({1, 2}, 3, 5), 5);
  EXPECT_EQ(engine.AddPoint({0, 0}, 3, -1), 0);
  EXPECT_EQ(engine.tables.label_map[5], 0);
  EXPECT_EQ(engine.tables.attrs[0].tag, 3);
  EXPECT_EQ(engine.tables.xy[0].y, 2);

  engine.tables.last_point = kLastPointLimit;
  const auto before = engine.tables.label_map;
  EXPECT_EQ(engine.AddPoint({1, 1}, 0, -1), -1);
  EXPECT_EQ(engine.tables.last_point, kLastPointLimit);
  EXPECT_EQ(engine.tables.label_map, before);
}

std::vector<std::pair<int, int>> Sides(const StepEngine& e, int first, int count) {
  std::vector<std::pair<int, int>> sides;
  for (int i = first; i < first + count; ++i) {
    sides.push_back({e.tables.lines[i].points.entries[0], e.tables.lines[i].points.entries[1]});
  }
  return sides;
}

TEST_F(StepEngineTest, PolygonsCloseWheneverTheStepReturnsToTheStart) {
  ASSERT_EQ(engine.AddPolygon(4, 1, 2), 0);
  EXPECT_EQ(Sides(engine, 0, 4), (std::vector<std::pair<int, int>>{{0, 1}, {1, 0}, {2, 3}, {3, 2}}));
  ASSERT_EQ(engine.AddPolygon(5, 2, 2), 0);
  EXPECT_EQ(Sides(engine, 4, 5), (std::vector<std::pair<int, int>>{{4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 4}}));
  EXPECT_EQ(engine.tables.last_point, 8);
  EXPECT_EQ(engine.tables.last_line, 8);
  EXPECT_EQ(engine.tables.names[8].label, 8);
  EXPECT_EQ(engine.tables.attrs[8].tag, 2);

  engine.tables.last_line = engine::kLastLineLimit - 2;
  EXPECT_EQ(engine.AddPolygon(3, 1, 1), engine::kMsgNoMoreRoom);
  EXPECT_EQ(engine.tables.last_point, 8);
}

TEST_F(StepEngineTest, AdjustTablesReservesAndGivesBack) {
  engine.AddPoint({0, 0}, 0, -1);
  engine.AdjustTables(3, 2, 1, 1, 1);
  EXPECT_EQ(engine.tables.last_point, 3);
  EXPECT_FALSE(engine.tables.PointExists(3));
  EXPECT_EQ(engine.tables.names[3].label, 3);
  EXPECT_EQ(engine.tables.last_line, 1);
  EXPECT_EQ(engine.tables.last_circle, 0);
  engine.AdjustTables(-3, -5, -1, -1, -1);
  EXPECT_EQ(engine.tables.last_point, 0);
  EXPECT_EQ(engine.tables.last_line, -1);  // never below -1
  EXPECT_EQ(engine.tables.FindFreeLabel(), 1);

  // At the cap the entry there is left alone.
  engine.tables.last_circle = engine::kLastCircleLimit;
  engine.tables.circles[engine::kLastCircleLimit].exists = 1;
  engine.AdjustTables(0, 0, 2);
  EXPECT_EQ(engine.tables.last_circle, engine::kLastCircleLimit);
  EXPECT_EQ(engine.tables.circles[engine::kLastCircleLimit].exists, 1);
}

TEST_F(StepEngineTest, PointOnAPolygonByTheFractionOfItsPerimeter) {
  for (kernel::Point2 p : {kernel::Point2{0, 0}, {2, 0}, {2, 2}, {0, 2}}) engine.AddPoint(p, 0, -1);
  engine.last_polygon = 0;
  engine.polygons[0].n = 3;
  engine.polygons[0].vertices = {0, 1, 2, 3};
  const struct {
    kernel::Real t;
    kernel::Point2 at;
  } cases[] = {{1.25L, {2, 0}}, {0, {0, 0}}, {0.5L, {2, 2}}, {0.875L, {0, 1}}, {-0.125L, {0, 1}}};
  for (const auto& c : cases) {
    ASSERT_EQ(engine.PlacePolygonPoints(0, 0, c.t), 0);
    EXPECT_REAL_NEAR(engine.tables.xy[engine.tables.last_point].x, c.at.x, 1e-15L) << c.t;
    EXPECT_REAL_NEAR(engine.tables.xy[engine.tables.last_point].y, c.at.y, 1e-15L) << c.t;
    EXPECT_EQ(engine.tables.attrs[engine.tables.last_point].words[2], 0);
  }
}

class ReplayTest : public StepFixture {
 protected:
  void Build() {
    a = FreePoint(0, 0);
    b = FreePoint(4, 0);
    c = FreePoint(0, 3);
    ASSERT_EQ(NewStep(111, {a, b, -1, 0, 0, 0}), 0);              // segment AB
    ASSERT_EQ(NewStep(91, {a, c, -1, 0, 0, 0}), 0);               // circle about A through C
    ASSERT_EQ(NewStep(101, {a, b, 0, -1, -1, -1}, {"0.25"}), 0);  // a point on AB
    d = engine.tables.last_point;
    ASSERT_EQ(NewStep(53, {-1, -1, -1, 0, 0, 0}, {"3", "4", "5"}), 0);  // a triangle unit
    ASSERT_EQ(NewStep(111, {c, d, -1, 0, 0, 0}), 0);
  }

  struct Snapshot {
    int last_point, last_line, last_circle;
    std::vector<int> labels;
    std::vector<int> exists;
    std::vector<kernel::Point2> xy;
    // Indices, labels and exists flags exactly; positions to the rounding of a re-solved unit.
    bool operator==(const Snapshot& o) const {
      if (last_point != o.last_point || last_line != o.last_line || last_circle != o.last_circle ||
          labels != o.labels || exists != o.exists || xy.size() != o.xy.size()) {
        return false;
      }
      for (std::size_t i = 0; i < xy.size(); ++i) {
        if (std::fabs(xy[i].x - o.xy[i].x) > 1e-15L || std::fabs(xy[i].y - o.xy[i].y) > 1e-15L) return false;
      }
      return true;
    }
  };
  Snapshot Take() const {
    Snapshot s{engine.tables.last_point, engine.tables.last_line, engine.tables.last_circle, {}, {}, {}};
    for (int i = 0; i <= engine.tables.last_point; ++i) {
      s.labels.push_back(engine.tables.names[i].label);
      s.exists.push_back(engine.tables.exists[i]);
      s.xy.push_back(engine.tables.xy[i]);
    }
    return s;
  }

  int a = 0, b = 0, c = 0, d = 0;
};

TEST_F(ReplayTest, ReplayingTwiceGivesTheSameIndicesAndLabels) {
  Build();
  const Snapshot built = Take();
  EXPECT_EQ(built.last_point, 6);
  EXPECT_EQ(built.last_line, 4);
  EXPECT_REAL_NEAR(engine.tables.xy[d].x, 1, 1e-18L);
  EXPECT_EQ(engine.ReplayConstruction(true), 8);
  EXPECT_EQ(Take(), built);
  EXPECT_EQ(engine.ReplayConstruction(true), 8);
  EXPECT_EQ(Take(), built);
  EXPECT_EQ(engine.figure_counter, 1);
}

TEST_F(ReplayTest, AFailedStepKeepsTheIndicesOfLaterSteps) {
  Build();
  const Snapshot built = Take();
  engine.history.steps[6].text[1] = "-4";  // the triangle's data now fail
  engine.ReplayConstruction(true);
  const Snapshot failed = Take();
  EXPECT_EQ(failed.last_point, built.last_point);
  EXPECT_EQ(failed.labels, built.labels);
  EXPECT_EQ(failed.exists[4], 0);
  EXPECT_EQ(engine.tables.lines[4].exists, 1);  // the last segment: C to the point on AB
}

TEST_F(ReplayTest, OnlyStepsDownstreamOfAMovedPointRunAgain) {
  Build();
  engine::DownstreamFinder finder;
  const std::uint16_t moved_b[] = {static_cast<std::uint16_t>(b)};
  // B feeds the segment, the point on AB and the segment from C; the unit runs always.
  EXPECT_EQ(finder.Find(engine.history, engine.ends, moved_b), (std::vector<int>{3, 5, 6, 7}));
  const std::uint16_t moved_c[] = {static_cast<std::uint16_t>(c)};
  EXPECT_EQ(finder.Find(engine.history, engine.ends, moved_c), (std::vector<int>{4, 6, 7}));

  engine.tables.xy[b] = {8, 2};
  const std::vector<int> steps = finder.Find(engine.history, engine.ends, moved_b);
  EXPECT_EQ(engine.ReplaySteps(steps), 4);
  const Snapshot partial = Take();
  EXPECT_REAL_NEAR(engine.tables.xy[d].x, 2, 1e-18L);
  EXPECT_REAL_NEAR(engine.tables.xy[d].y, 0.5L, 1e-18L);
  engine.ReplayConstruction(true);
  EXPECT_EQ(Take(), partial);
}

TEST_F(ReplayTest, PartialReplayKeepsLabelsAfterARelabel) {
  Build();
  engine.history.BeginStep(123, static_cast<std::int16_t>(a), static_cast<std::int16_t>(d));
  engine.RedoStep(nullptr);
  engine.history.AppendStep();
  engine.ReplayConstruction(true);
  const std::uint16_t moved[] = {static_cast<std::uint16_t>(a)};
  engine::DownstreamFinder finder;
  engine.tables.xy[a] = {1, 1};
  engine.ReplaySteps(finder.Find(engine.history, engine.ends, moved));
  const Snapshot partial = Take();
  EXPECT_EQ(partial.labels[d], 0);  // the point on AB carries A's label
  engine.ReplayConstruction(true);
  EXPECT_EQ(Take(), partial);
}

// The window around the history: Undo and Redo rebuild the engine's figure.
class ReplayHooks : public engine::HistoryHooks {
 public:
  explicit ReplayHooks(StepEngine& e) : engine_(e) {}
  void ReplayConstruction() override { engine_.ReplayConstruction(true); }

 private:
  StepEngine& engine_;
};

TEST_F(ReplayTest, UndoThenRedoRestoresTheSameTables) {
  Build();
  engine.ReplayConstruction(true);
  const Snapshot built = Take();
  ReplayHooks hooks(engine);
  ASSERT_EQ(engine.history.UndoRedo(0, true, hooks), 1);
  ASSERT_EQ(engine.history.UndoRedo(0, true, hooks), 1);
  EXPECT_EQ(engine.tables.last_point, 3);  // the unit and the last segment are gone
  EXPECT_EQ(engine.tables.last_line, 0);
  EXPECT_EQ(engine.ends.size(), 6u);
  ASSERT_EQ(engine.history.UndoRedo(-1, true, hooks), 1);
  ASSERT_EQ(engine.history.UndoRedo(-1, true, hooks), 1);
  EXPECT_EQ(Take(), built);
  EXPECT_EQ(engine.history.steps.back().sequence, 7);
}

TEST_F(ReplayTest, WithoutEndsEveryStepIsDownstream) {
  Build();
  engine::DownstreamFinder finder;
  const std::uint16_t moved[] = {0};
  EXPECT_EQ(finder.Find(engine.history, {}, moved).size(), engine.history.steps.size());
}

}  // namespace

namespace {

using NewStepTest = engine_test::StepFixture;

TEST_F(NewStepTest, AFailedNewStepGivesBackWhatItReserved) {
  FreePoint(0, 0);
  FreePoint(1, 0);
  EXPECT_EQ(NewStep(53, {-1, -1, -1, 0, 0, 0}, {"1", "1", "5"}), engine::kMsgInconsistentData);
  EXPECT_EQ(engine.tables.last_point, 1);
  EXPECT_EQ(engine.tables.last_line, -1);
  EXPECT_EQ(engine.tables.FindFreeLabel(), 2);
  EXPECT_EQ(engine.history.steps.size(), 2u);
  EXPECT_EQ(engine.history.pending(), nullptr);
  // A deletion is kept whatever it counted.
  ASSERT_EQ(NewStep(111, {0, 1, -1, 0, 0, 0}), 0);
  EXPECT_EQ(NewStep(142, {0, 1, 0}), 1);
  EXPECT_EQ(engine.history.steps.size(), 4u);
  EXPECT_EQ(engine.ends.size(), 4u);
}

TEST_F(NewStepTest, AFailedPointOnAPolygonGivesBackItsPolygon) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(4, 0);
  const int c = FreePoint(0, 3);
  engine.tables.last_point = kLastPointLimit;  // no room for the new point
  EXPECT_EQ(NewStep(204, {a, b, c}), engine::kMsgNoMoreRoom);
  EXPECT_EQ(engine.last_polygon, -1);
  EXPECT_EQ(engine.history.steps.size(), 3u);
}

TEST_F(NewStepTest, PartialReplayFallsBackWhenAStepEndsElsewhere) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(2, 0);
  ASSERT_EQ(NewStep(111, {a, b, -1, 0, 0, 0}), 0);
  // A step whose tables end differently now: the record says otherwise than the last replay.
  engine.ends[2].lines = 5;
  const int steps[] = {2};
  EXPECT_EQ(engine.ReplaySteps(steps), 3);  // the whole history ran
  EXPECT_EQ(engine.ends[2].lines, 0);
}

}  // namespace

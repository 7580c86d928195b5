// The rules every step executor keeps: room is checked before anything is written, and a step
// that fails leaves placeholders in place of what it would have made, so later steps keep their
// indices; points built in the disk are stored in the window's model.
#include "engine/step_contract.h"

#include <gtest/gtest.h>

#include "engine/step_engine.h"
#include "kernel/vector2.h"

namespace {

using engine::StepCreates;
using engine::StepEngine;

TEST(StepContract, RoomIsCheckedForEveryTable) {
  struct Case {
    int points, lines, circles, hypercycles, horocycles;  // last indices
    StepCreates creates;
    int expected;
  };
  const Case cases[] = {
      {-1, -1, -1, -1, -1, {3, 3, 1, 1, 1}, 0},
      {7874, -1, -1, -1, -1, {3}, 0},
      {7875, -1, -1, -1, -1, {3}, engine::kMsgNoMoreRoom},
      {-1, 8999, -1, -1, -1, {0, 2}, engine::kMsgNoMoreRoom},
      {-1, -1, 1000, -1, -1, {0, 0, 1}, engine::kMsgTooManyCircles},
      {-1, -1, 999, -1, -1, {0, 0, 1}, 0},
      {-1, -1, -1, 25, -1, {0, 0, 0, 1}, engine::kMsgNoMoreRoom},
      {-1, -1, -1, -1, 25, {0, 0, 0, 0, 1}, engine::kMsgNoMoreRoom},
      // A full point table says "no more room" even when the circles are full too.
      {7877, -1, 1000, -1, -1, {1, 0, 1}, engine::kMsgNoMoreRoom},
  };
  for (const Case& c : cases) {
    engine::FigureTables t;
    t.last_point = static_cast<std::int16_t>(c.points);
    t.last_line = static_cast<std::int16_t>(c.lines);
    t.last_circle = static_cast<std::int16_t>(c.circles);
    t.last_hypercycle = static_cast<std::int16_t>(c.hypercycles);
    t.last_horocycle = static_cast<std::int16_t>(c.horocycles);
    EXPECT_EQ(engine::CheckRoom(t, c.creates), c.expected) << c.points << " " << c.lines << " " << c.circles;
  }
}

TEST(StepContract, AFailedStepLeavesPlaceholdersThatFitAndItsCode) {
  StepEngine e;
  e.tables.last_circle = 999;
  EXPECT_EQ(engine::FailStep(e, {2, 1, 3, 1, 0}, engine::kMsgCouldNotFind), engine::kMsgCouldNotFind);
  EXPECT_EQ(e.tables.last_point, 1);
  EXPECT_FALSE(e.tables.exists[0] || e.tables.exists[1]);
  EXPECT_EQ(e.tables.label_map[0], 0);  // the placeholders hold labels, so later points keep theirs
  EXPECT_EQ(e.tables.last_line, 0);
  EXPECT_FALSE(e.tables.lines[0].exists);
  EXPECT_EQ(e.tables.last_circle, 1000);  // never past the end
  EXPECT_FALSE(e.tables.circles[1000].exists);
  EXPECT_EQ(e.tables.last_hypercycle, 0);

  // The table of step kinds says what a step makes.
  kernel::ConstructionRecord step;
  step.kind = 122;
  e.history.current = &step;
  EXPECT_EQ(engine::CreatesOfCurrentStep(e).points, 1);
}

TEST(StepContract, DiskPointsAreStoredInTheWindowsModel) {
  const kernel::Point2 p{0.5L, 0};
  EXPECT_EQ(engine::StoredFromDisk(engine::kPoincareDisk, p), p);
  EXPECT_EQ(engine::StoredFromDisk(engine::kEuclideanPlane, p), p);
  const kernel::Point2 h = engine::StoredFromDisk(engine::kUpperHalfPlane, p);
  EXPECT_LE(kernel::Dist2(h, {0.8L, 0.6L}), 1e-18L);
  EXPECT_LE(kernel::Dist2(engine::DiskFromStored(engine::kUpperHalfPlane, h), p), 1e-18L * 0.5L);
}

}  // namespace

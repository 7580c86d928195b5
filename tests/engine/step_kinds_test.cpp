#include "engine/step_kinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/history_piece.h"
#include "kernel/construction_record.h"
#include "step_engine_fixture.h"

namespace {

using engine::StepDispatch;
using engine::StepKindEntry;

std::set<int> Range(int first, int last) {
  std::set<int> s;
  for (int k = first; k <= last; ++k) s.insert(k);
  return s;
}

std::set<int> Join(std::initializer_list<std::set<int>> parts) {
  std::set<int> s;
  for (const auto& p : parts) s.insert(p.begin(), p.end());
  return s;
}

// The kinds that do nothing, as the dispatch table lists them.
std::set<int> NothingKinds() {
  return Join({Range(23, 29), Range(32, 49), Range(68, 70), {74}, Range(76, 80), Range(83, 89), Range(96, 98),
               {109, 110, 140}, Range(151, 154), {156, 158, 159}, Range(161, 166), Range(178, 200), Range(213, 299),
               Range(313, 315), {355, 356, 362, 372}, Range(391, 400), Range(405, 421), Range(424, 426),
               Range(428, 439), {453, 454}, Range(458, 500), {512, 513, 517, 551, 563, 584}});
}

std::set<int> OwnKinds() {
  return {50, 51, 52, 53, 67, 56, 58, 63, 91, 101, 102, 111, 116, 117, 112, 120, 123, 129, 142, 143, 160,
          201, 202, 204, 207, 209};
}

TEST(StepKinds, EveryKindHasTheDispatchOfTheTable) {
  const std::set<int> nothing = NothingKinds();
  const std::set<int> own = OwnKinds();
  const std::set<int> library = Join({Range(316, 350), Range(501, 599)});
  int window = 0;
  for (int kind = engine::kFirstStepKind; kind <= engine::kLastStepKind; ++kind) {
    const auto& e = StepKindEntry(kind);
    SCOPED_TRACE(kind);
    if (nothing.count(kind)) {
      EXPECT_EQ(e.dispatch, StepDispatch::kNone);
    } else if (own.count(kind)) {
      EXPECT_EQ(e.dispatch, StepDispatch::kOwn);
    } else if (library.count(kind)) {
      EXPECT_EQ(e.dispatch, StepDispatch::kLibrary);
    } else {
      EXPECT_EQ(e.dispatch, StepDispatch::kWindow);
      ++window;
    }
  }
  EXPECT_EQ(window, 165);  // one per-kind operation of the window layers each
  EXPECT_EQ(StepKindEntry(10).dispatch, StepDispatch::kNone);
  EXPECT_EQ(StepKindEntry(600).dispatch, StepDispatch::kNone);
  EXPECT_EQ(StepKindEntry(-5).dispatch, StepDispatch::kNone);
  EXPECT_EQ(StepKindEntry(138).name, "DoHorocycle");
  EXPECT_EQ(StepKindEntry(115).name, "DoPerpendicularParallel");
  EXPECT_EQ(StepKindEntry(53).name, "DoTriangleFromData");
}

TEST(StepKinds, LibraryCodes) {
  const struct {
    int kind;
    int code;
  } cases[] = {{316, 1000}, {321, 1005}, {322, 1115}, {323, 1006}, {338, 1021}, {339, 1114}, {340, 1105},
               {341, 1072}, {342, 1033}, {343, 1034}, {344, 1038}, {345, 1084}, {346, 1116}, {350, 1120},
               {501, 1022}, {592, 1113}, {593, 1121}, {596, 1124}, {598, 1127}, {599, 1128}, {512, 0},
               {584, 0}, {23, 0}};
  for (const auto& c : cases) EXPECT_EQ(engine::LibrarySolidCode(c.kind, 0), c.code) << c.kind;
  // The flag byte of a kind 597 step picks the small icosihemidodecahedron, else the small
  // dodecahemidodecahedron.
  EXPECT_EQ(engine::LibrarySolidCode(597, 1), 1125);
  EXPECT_EQ(engine::LibrarySolidCode(597, 0), 1126);
}

using StepDispatchTest = engine_test::StepFixture;

TEST_F(StepDispatchTest, LibraryKindsBuildTheirSolidAndUnusedKindsNothing) {
  const int kinds[] = {342, 512, 597, 597};
  for (int k = 0; k < 4; ++k) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(static_cast<kernel::StepKind>(kinds[k]));
    step.flag = k == 3 ? 1 : 0;
    engine.RedoStep(nullptr);
  }
  EXPECT_EQ(executors.library_codes, (std::vector<int>{1033, 1126, 1125}));
}

TEST_F(StepDispatchTest, KindWithoutOperationIsSkippedByReplay) {
  FreePoint(1, 2);
  engine.history.BeginStep(23, 0, 0, 0);
  engine.history.AppendStep();
  FreePoint(3, 4);
  EXPECT_EQ(engine.ReplayConstruction(true), 3);
  EXPECT_EQ(engine.tables.last_point, 1);
  EXPECT_EQ(engine.tables.names[1].label, 1);
  EXPECT_EQ(engine.ends[1], engine.ends[0]);
}

kernel::ConstructionRecord Record(int kind, std::vector<int> ops) {
  kernel::ConstructionRecord r;
  kernel::InitConstruction(r, static_cast<kernel::StepKind>(kind), -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0);
  for (std::size_t i = 0; i < ops.size(); ++i) r.operands[i] = static_cast<std::uint16_t>(ops[i]);
  return r;
}

TEST(StepKinds, RecordsThatDoNotFitTheirKindAreRefused) {
  const struct {
    int kind;
    std::vector<int> ops;
    int result;
  } cases[] = {
      {121, {5}, 0},                         // a movable point with its label
      {121, {}, 0},                          // without one
      {121, {0, 1, -1, 0, 0, 0}, 1},         // the operands of a circle
      {91, {0, 1, -1, 0, 0, 0}, 0},
      {91, {0, 8000, -1, 0, 0, 0}, 1},       // no such point
      {91, {0, -1, -1, 0, 0, 0}, 1},
      {111, {0, 1, -1, 2, 0, 1, 7}, 1},      // a stray operand
      {201, {0, 1, 2, 5, 0, 1}, 0},          // the current line attributes, unused
      {201, {0, 1, 2, 5000}, 1},
      {201, {0, 1, 9001}, 1},                // no such line
      {202, {0, 1, 1000}, 0},
      {202, {0, 1, 1001}, 1},
      {207, {25}, 0},
      {207, {26}, 1},
      {208, {2, 0, 1, 2, 3, 4}, 0},          // two vectors and the start point
      {208, {20, 0, 1}, 1},                  // 41 operands would be needed
      {160, {2, 3, 0, 1, 4, 5}, 0},
      {160, {37, 3, 0, 1}, 1},
      {142, {0, 1, 4, 2, 3, 9001}, 1},       // the second line is out of range
      {142, {0, 1, 4, 2, 3, 5}, 0},
      {103, {0, 1, 2, 3, -10, -20}, 0},      // the x axis and the y axis
      {103, {0, 1, 2, 3, -10, -9}, 1},       // -9 to -1 name no line
      {169, {6, 1, 19, 7, 0, 0, 0}, 0},
      {169, {6, 1, 18, 7, 0, 0, 0}, 1},      // a ring of 6 has 19 points
      {169, {51, 0, 153, 52}, 1},
      {23, {1, 2, 3}, 0},                    // nothing to check
      {300, {1, 2, 3, 4, 5, 6, 7, 8}, 0},    // opaque
      {342, {-1, 2010}, 0},                  // a library solid without a centre
      {342, {9000, 2010}, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(engine::CheckStepOperands(Record(c.kind, c.ops)), c.result) << "kind " << c.kind;
  }
  // A point run may fill all 40 operands; every entry must be a point.
  kernel::ConstructionRecord run = Record(141, {});
  run.operands.fill(3);
  EXPECT_EQ(engine::CheckStepOperands(run), 0);
  run.operands[39] = 7878;
  EXPECT_EQ(engine::CheckStepOperands(run), 1);
}

TEST(StepKinds, SlotsAreDistinctOperands) {
  for (int kind = engine::kFirstStepKind; kind <= engine::kLastStepKind; ++kind) {
    const auto& e = StepKindEntry(kind);
    std::set<int> slots;
    for (int s = 0; s < e.slot_count; ++s) {
      EXPECT_LT(e.slots[s].slot, kernel::kConstructionOperands) << kind;
      EXPECT_TRUE(slots.insert(e.slots[s].slot).second) << kind << " slot " << int{e.slots[s].slot};
    }
    if (e.dispatch == StepDispatch::kNone) {
      EXPECT_FALSE(e.AlwaysReplayed()) << kind;
    }
  }
  EXPECT_EQ(StepKindEntry(133).slot_count, 14);
}

TEST(StepKinds, DependenciesOfAKind) {
  const auto& circle = StepKindEntry(91);
  EXPECT_FALSE(circle.AlwaysReplayed());
  EXPECT_EQ(circle.creates.circles, 1);
  std::vector<std::pair<engine::OperandKind, int>> seen;
  kernel::ConstructionRecord r = Record(91, {4, 7, -1, 0, 0, 0});
  engine::ForEachObjectOperand(r, circle, [&](engine::OperandKind k, std::uint16_t i) { seen.push_back({k, i}); });
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].second, 7);
  for (int kind : {60, 169, 55}) EXPECT_TRUE(StepKindEntry(kind).Has(engine::kUsesRandom)) << kind;
  for (int kind : {60, 56, 53}) EXPECT_TRUE(StepKindEntry(kind).Has(engine::kUsesCounter)) << kind;
  EXPECT_TRUE(StepKindEntry(300).AlwaysReplayed());
  EXPECT_TRUE(StepKindEntry(145).Has(engine::kMovesOtherPoints));
  EXPECT_FALSE(StepKindEntry(23).AlwaysReplayed());
}

}  // namespace


namespace {

TEST(HistoryPiece, ReadsBackNumberedAndRefusesMisfits) {
  std::deque<kernel::ConstructionRecord> steps;
  steps.push_back(Record(121, {0}));
  steps.push_back(Record(91, {0, 1, -1, 0, 0, 0}));
  steps[0].sequence = 7;
  steps[1].sequence = 3;
  kernel::ByteWriter w;
  engine::WriteHistory(w, steps);
  kernel::Bytes bytes = w.Take();
  ASSERT_EQ(bytes.size(), 2 + 2 * kernel::kConstructionRecordBytes);
  {
    kernel::ByteReader r(bytes.data(), bytes.size());
    std::deque<kernel::ConstructionRecord> read;
    ASSERT_EQ(engine::ReadHistory(r, read), 0);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].sequence, 0);
    EXPECT_EQ(read[1].sequence, 1);
    EXPECT_EQ(read[1].kind, 91);
  }
  {
    kernel::ByteReader r(bytes.data(), bytes.size() - 1);
    std::deque<kernel::ConstructionRecord> read;
    EXPECT_EQ(engine::ReadHistory(r, read), engine::kMsgInconsistentData);
  }
  // The second step turned into a movable point that still carries a circle's operands.
  bytes[2 + kernel::kConstructionRecordBytes + 2] = 121;
  bytes[2 + kernel::kConstructionRecordBytes + 3] = 0;
  kernel::ByteReader r(bytes.data(), bytes.size());
  std::deque<kernel::ConstructionRecord> read;
  EXPECT_EQ(engine::ReadHistory(r, read), engine::kMsgCannotUnderstand);

  kernel::ByteWriter empty;
  engine::WriteHistory(empty, {});
  EXPECT_EQ(empty.Take(), (kernel::Bytes{0, 0}));
}

}  // namespace

// Points in space made by steps: the common perpendicular of two lines, the vector sum, point and
// face deletion, the movable point and the feet of perpendiculars to lines, planes, axes and
// coordinate planes, each with the placeholders a failing step leaves for the steps after it.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "kernel/vector3.h"
#include "solid/foot_executors.h"
#include "solid/shared_kind_executors.h"
#include "solid_step_fixture.h"

namespace {

using kernel::Point3;
using kernel::Real;

std::string PointWord(int id) {
  switch (id) {
    case 179: return "at";
    case 210: return "perp to";
    case 211: return "movable";
    case 218: return "point deletion";
    case 652: return "vector sum";
    case 729: return "faces";
    case 749: return "plane";
    case 754: return "delete";
    case 771: return "foot of altitude from";
    default: return {};
  }
}

class PointExecutors : public solid_test::SolidExecutors {
 public:
  explicit PointExecutors(solid::ModelTables& model) : SolidExecutors(model), model_(model) {}
  int DoMovablePoint(std::string* out) override { return solid::MovablePoint3D(*engine(), model_, out); }
  int DoPerpendicular(std::string* out) override { return solid::CommonPerpendicular3D(*engine(), model_, out); }
  int DoDeletePoint(std::string* out) override { return solid::DeletePoints3D(*engine(), model_, out); }
  int DoDeleteAllLines(std::string* out) override { return solid::DeleteAllFaces(*engine(), model_, out); }
  int DoVectorSum(std::string* out) override { return solid::VectorSum3D(*engine(), model_, out); }
  int DoFootToLine(std::string* out) override { return solid::FootToLine(*engine(), model_, out); }
  int DoFootToPlane(std::string* out) override { return solid::FootToPlane(*engine(), model_, out); }

 private:
  solid::ModelTables& model_;
};

class PointsInSpace : public solid_test::SolidStepFixture {
 protected:
  PointsInSpace() {
    engine.LoadWords(&PointWord);
    engine.SetExecutors(&points);
    engine.dimension = 3;
  }

  // Free points at the given places, one movable-point step each.
  void FreePoints(std::initializer_list<Point3> places) {
    for (const Point3& p : places) {
      engine.tables.xyz[static_cast<std::size_t>(engine.tables.last_point + 1)] = p;
      engine.history.BeginStep(121);
      ASSERT_EQ(engine.ExecuteNewStep(nullptr), 0);
    }
  }

  int Run(kernel::StepKind kind, std::vector<int> operands, std::string* out = nullptr,
          std::array<std::string, 3> texts = {}) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(kind);
    for (std::size_t k = 0; k < operands.size(); ++k) step.operands[k] = static_cast<std::uint16_t>(operands[k]);
    for (std::size_t k = 0; k < 3; ++k) step.text[k] = texts[k];
    return engine.ExecuteNewStep(out);
  }

  const Point3& At(int i) const { return engine.tables.xyz[static_cast<std::size_t>(i)]; }

  PointExecutors points{model};
};

void ExpectPointAt(const Point3& p, const Point3& q) {
  EXPECT_NEAR(p.x, q.x, 1e-15L);
  EXPECT_NEAR(p.y, q.y, 1e-15L);
  EXPECT_NEAR(p.z, q.z, 1e-15L);
}

TEST_F(PointsInSpace, AMovablePointStandsWhereItsCoordinatesWaitedAndDescribesThem) {
  engine.number_width = 0;
  engine.number_decimals = 2;
  engine.tables.xyz[0] = {1, 2.5L, -3};
  engine.history.BeginStep(121);
  std::string text;
  ASSERT_EQ(engine.ExecuteNewStep(&text), 0);
  EXPECT_EQ(engine.tables.last_point, 0);
  EXPECT_EQ(engine.tables.attrs[0].tag, 0);
  EXPECT_EQ(text, "movable A at (1.00,2.50,-3.00)");
  // Dragged, it keeps its new place when the figure is made again.
  engine.tables.xyz[0] = {4, 4, 4};
  engine.ReplayConstruction(true);
  ExpectPointAt(At(0), {4, 4, 4});
}

TEST_F(PointsInSpace, TheCommonPerpendicularJoinsItsTwoFeetAndParallelLinesLeaveTwoPlaceholders) {
  FreePoints({{0, 0, 0}, {1, 0, 0}, {0, 1, 1}, {0, 2, 1}});
  std::string text;
  ASSERT_EQ(Run(139, {0, 1, 2, 3}, &text, {"AB", "CD", ""}), 0);
  ExpectPointAt(At(4), {0, 0, 0});
  ExpectPointAt(At(5), {0, 0, 1});
  EXPECT_EQ(text, "EF perp to AB, CD");
  const kernel::FaceRecord& segment = engine.solid.faces[0];
  ASSERT_EQ(engine.solid.last_face, 0);
  EXPECT_EQ(segment.count, 2);
  EXPECT_EQ(kernel::Dist3(At(segment.vertices[0]), At(segment.vertices[1])), 1);
  // Skew lines in general position: the segment is perpendicular to both.
  FreePoints({{1, 2, 3}, {2, -1, 4}, {-3, 0, 1}, {0, 5, -2}});
  ASSERT_EQ(Run(139, {6, 7, 8, 9}), 0);
  const Point3 pq = At(11) - At(10);
  EXPECT_NEAR(kernel::Dot3(pq, At(7) - At(6)), 0, 1e-14L);
  EXPECT_NEAR(kernel::Dot3(pq, At(9) - At(8)), 0, 1e-14L);

  // A stored step on two parallel lines: 143, two placeholders, and the vector sum after it still
  // finds its start and makes its point at the same index.
  ASSERT_EQ(Run(208, {0, 0}), 0);
  const int sum = engine.tables.last_point;
  engine.tables.xyz[9] = At(8) + (At(7) - At(6));  // CD of the second pair parallel to AB
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.tables.exists[10], 0);
  EXPECT_EQ(engine.tables.exists[11], 0);
  EXPECT_EQ(engine.tables.last_point, sum);
  EXPECT_EQ(engine.tables.exists[sum], 1);
  // Made new on parallel lines, the step is refused and leaves nothing.
  const engine::StepEnds before = engine.CurrentEnds();
  EXPECT_EQ(Run(139, {6, 7, 8, 9}), 143);
  EXPECT_TRUE(engine.CurrentEnds() == before);
}

TEST_F(PointsInSpace, TheVectorSumAddsEveryVectorToTheStart) {
  FreePoints({{0, 0, 0}, {1, 2, 3}, {5, 5, 5}, {4, 6, 5}, {10, 0, -1}});
  std::string text;
  // n = 0: a copy of the start and a segment of length 0.
  ASSERT_EQ(Run(208, {0, 4}, &text), 0);
  ExpectPointAt(At(5), At(4));
  EXPECT_EQ(kernel::Dist3(At(engine.solid.faces[0].vertices[0]), At(engine.solid.faces[0].vertices[1])), 0);
  // AB + CD from E.
  ASSERT_EQ(Run(208, {2, 0, 1, 2, 3, 4}, &text, {"AB+CD", "", ""}), 0);
  ExpectPointAt(At(6), {10 + 1 - 1, 0 + 2 + 1, -1 + 3 + 0});
  EXPECT_EQ(engine.tables.attrs[6].tag, -1);
  EXPECT_EQ(text, "EG = vector sum(AB+CD)");
  // More vectors than the record can hold: 2 with one placeholder.
  const int last = engine.tables.last_point;
  EXPECT_EQ(Run(208, {20, 0, 1}), engine::kMsgCouldNotFind);
  EXPECT_EQ(engine.tables.last_point, last);
}

TEST_F(PointsInSpace, DeletionsClearExistsFlagsAndFreeLabelsUpToTheFirstNegativeOperand) {
  std::vector<Point3> places(45, Point3{1, 1, 1});
  for (const Point3& p : places) FreePoints({p});
  std::vector<int> all(40);
  for (int k = 0; k < 40; ++k) all[static_cast<std::size_t>(k)] = k;
  std::string text;
  ASSERT_EQ(Run(141, all, &text, {"A-AN", "", ""}), 0);
  for (int k = 0; k < 40; ++k) EXPECT_EQ(engine.tables.exists[k], 0) << k;
  EXPECT_EQ(engine.tables.exists[40], 1);
  EXPECT_EQ(engine.tables.label_map[0], -1);
  EXPECT_EQ(text, "point deletion: A-AN");
  // The first negative operand ends the list; an index past the last point is skipped.
  ASSERT_EQ(Run(141, {40, -1, 41}), 0);
  EXPECT_EQ(engine.tables.exists[40], 0);
  EXPECT_EQ(engine.tables.exists[41], 1);
  ASSERT_EQ(Run(141, {9000, 42}), 0);
  EXPECT_EQ(engine.tables.exists[42], 0);

  // Kind 144 on a figure without faces only describes itself; with faces it hides them all.
  ASSERT_EQ(Run(144, {}, &text), 0);
  EXPECT_EQ(text, "faces: delete");
  ASSERT_EQ(Run(208, {0, 43}), 0);
  ASSERT_EQ(Run(208, {0, 44}), 0);
  ASSERT_EQ(Run(144, {}), 0);
  EXPECT_EQ(engine.solid.last_face, 1);
  for (const kernel::FaceRecord& f : engine.solid.Faces()) EXPECT_EQ(f.visible, 0);
}

TEST_F(PointsInSpace, FeetOnLinesPlanesAxesAndCoordinatePlanes) {
  FreePoints({{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {1, 2, 3}, {1, 1, 0}});
  struct Case {
    const char* what;
    kernel::StepKind kind;
    std::vector<int> operands;
    int result;
    Point3 foot;
  };
  const Case cases[] = {
      {"on the line AB", 402, {0, 1, 3, 0xFFFF}, 0, {1, 0, 0}},
      {"on the y axis", 402, {3, 3, 3, 2}, 0, {0, 2, 0}},
      {"on the x axis", 402, {3, 3, 3, 1}, 0, {1, 0, 0}},
      {"on a line of one point", 402, {0, 0, 3, 0xFFFF}, 127, {}},
      {"on the plane ABC", 403, {0, 1, 2, 3, 0xFFFF}, 0, {1, 2, 0}},
      {"on the plane z = 0", 403, {3, 3, 3, 3, 3}, 0, {1, 2, 0}},
      {"on the plane x = 0", 403, {3, 3, 3, 3, 1}, 0, {0, 2, 3}},
      {"on a plane of collinear points", 403, {0, 1, 4, 3, 0xFFFF}, 129, {}},
      {"from a missing point", 402, {0, 1, 60, 0xFFFF}, engine::kMsgCouldNotFind, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.what == std::string("on a plane of collinear points")) engine.tables.xyz[4] = {1, 0, 0};
    const int before = engine.tables.last_point;
    const int faces = engine.solid.last_face;
    ASSERT_EQ(Run(c.kind, c.operands), c.result);
    if (c.result != 0) {
      EXPECT_EQ(engine.tables.last_point, before);
      continue;
    }
    ExpectPointAt(At(before + 1), c.foot);
    ASSERT_EQ(engine.solid.last_face, faces + 1);
    const kernel::FaceRecord& segment = engine.solid.faces[static_cast<std::size_t>(faces + 1)];
    EXPECT_EQ(segment.count, 2);
    EXPECT_EQ(segment.vertices[0], 3);
    EXPECT_EQ(segment.vertices[1], before + 1);
  }
  std::string text;
  ASSERT_EQ(Run(403, {0, 1, 2, 3, 0xFFFF}, &text, {"", "", "ABC"}), 0);
  EXPECT_EQ(text, "L = foot of altitude from D perp to plane ABC");
  ASSERT_EQ(Run(402, {3, 3, 3, 3}, &text, {"", "", "z axis"}), 0);
  EXPECT_EQ(text, "M = foot of altitude from D perp to z axis");
  // Stored and failing on replay: one placeholder, and the foot made after it keeps its index.
  const int last = engine.tables.last_point;
  engine.tables.xyz[1] = engine.tables.xyz[0];
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.tables.last_point, last);
  EXPECT_EQ(engine.tables.exists[5], 0);
  ExpectPointAt(At(last), {0, 0, 3});
}

}  // namespace

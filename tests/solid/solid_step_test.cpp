// The frame of the steps in space: the point count a step finds again when it runs again, the
// placeholders of a failed step, the faces and counters a failed new step gives back, and a
// partial replay that ends where a whole one does; the prism and pyramid over a handed-over
// polygon on it.
#include <gtest/gtest.h>

#include <vector>

#include "engine/step_dependencies.h"
#include "kernel/labels.h"
#include "solid/model_projection.h"
#include "solid_step_fixture.h"

namespace {

using solid_test::SolidStepFixture;

TEST_F(SolidStepFixture, ThePrismOverTheHandedOverSquareIsMadeInTheFrame) {
  std::string text;
  ASSERT_EQ(HandOverSquare(true, &text), 0);
  const engine::FigureTables& t = engine.tables;
  ASSERT_EQ(t.last_point, 7);
  const std::vector<std::string> names{"A", "B", "C", "D", "A'", "B'", "C'", "D'"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(Name(i), names[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(t.attrs[i].tag, 1) << i;  // the first solid's number
  }
  EXPECT_EQ(t.xyz[6].z, 3);
  EXPECT_EQ(engine.solid.last_face, 5);
  EXPECT_EQ(engine.figure_counter, 1);
  EXPECT_EQ(text, "ABCDA'B'C'D' prism from plane");
  // The point count before the step is recorded in it.
  EXPECT_EQ(static_cast<std::int16_t>(engine.history.steps[0].extra_words[0]), -1);
  // Every face is closed, visible, in colour 1 and has its plane: the top z = 3.
  for (const kernel::FaceRecord& f : engine.solid.Faces()) {
    EXPECT_EQ(f.visible, 1);
    EXPECT_EQ(f.colour, 1);
    EXPECT_EQ(f.vertices[static_cast<std::size_t>(f.count)], f.vertices[0]);
  }
  const kernel::PlaneRecord& top = model.face_planes[1];
  EXPECT_EQ(std::fabs(top.c), 1);
  EXPECT_EQ(top.d * top.c, 3);
}

TEST_F(SolidStepFixture, ThePyramidsApexStandsOverTheFirstVertex) {
  std::string text;
  ASSERT_EQ(HandOverSquare(false, &text), 0);
  ASSERT_EQ(engine.tables.last_point, 4);
  EXPECT_EQ(engine.tables.xyz[4].z, 2);
  EXPECT_EQ(engine.solid.last_face, 4);  // the base and four triangles
  EXPECT_EQ(engine.solid.faces[4].vertices[2], 4);
  EXPECT_EQ(text, "ABCDE pyramid from plane");
}

TEST_F(SolidStepFixture, TheTableGrowthAddsPlaceholdersAsFarAsLabelsLastAndFreesLabelsWhenItShrinks) {
  solid::AdjustTables(engine, 4);
  engine::FigureTables& t = engine.tables;
  ASSERT_EQ(t.last_point, 3);
  EXPECT_EQ(t.exists[3], 0);  // a placeholder has a label but does not exist
  EXPECT_EQ(t.label_map[3], 3);
  solid::AdjustTables(engine, -2);
  EXPECT_EQ(t.last_point, 1);
  EXPECT_EQ(t.label_map[2], -1);
  EXPECT_EQ(t.label_map[3], -1);
  // One free label left: three more placeholders come to one.
  for (int label = 0; label < engine::kPointCapacity; ++label) {
    if (t.label_map[label] < 0 && label != 100) t.label_map[label] = 0;
  }
  solid::AdjustTables(engine, 3);
  EXPECT_EQ(t.last_point, 2);
  EXPECT_EQ(t.names[2].label, 100);
  // The last index stays within -1 and 7877.
  solid::AdjustTables(engine, -10);
  EXPECT_EQ(t.last_point, -1);
}

TEST_F(SolidStepFixture, AStepRunAgainFindsItsPointsWhereItMadeThem) {
  ASSERT_EQ(HandOverSquare(true), 0);
  ASSERT_EQ(NewCube("2"), 0);
  ASSERT_EQ(NewCube("1"), 0);
  const engine::FigureTables& t = engine.tables;
  ASSERT_EQ(t.last_point, 23);
  EXPECT_EQ(static_cast<std::int16_t>(engine.history.steps[2].extra_words[0]), 15);
  EXPECT_EQ(engine.figure_counter, 3);
  const std::string lastName = Name(23);

  // The middle cube fails when the figure is made again: its eight points stay as placeholders
  // and the last cube keeps its indices and labels.
  engine.history.steps[1].text[0] = "-1";
  engine.ReplayConstruction(true);
  ASSERT_EQ(t.last_point, 23);
  for (int i = 8; i < 16; ++i) EXPECT_EQ(t.exists[i], 0) << i;
  for (int i = 16; i < 24; ++i) EXPECT_EQ(t.exists[i], 1) << i;
  EXPECT_EQ(Name(23), lastName);
  EXPECT_EQ(t.attrs[16].tag, 2);
  EXPECT_EQ(engine.solid.last_face, 11);  // the prism's six faces and the last cube's six

  // A step whose recorded count no longer matches (a figure of fewer points before it) is given
  // its count back first.
  engine.history.steps[1].text[0] = "2";
  engine.history.steps[2].extra_words[0] = 20;
  engine.ReplayConstruction(true);
  EXPECT_EQ(t.last_point, 28);
  EXPECT_EQ(t.exists[18], 0);
  EXPECT_EQ(t.exists[21], 1);
}

TEST_F(SolidStepFixture, ANewStepThatFailsGivesBackItsPointsFacesAndCounters) {
  ASSERT_EQ(HandOverSquare(true), 0);
  const engine::StepEnds before = engine.CurrentEnds();
  EXPECT_EQ(NewCube("-1"), engine::kMsgPositiveValue);
  EXPECT_GT(NewCube("(("), 0);  // the evaluator's message
  EXPECT_TRUE(engine.CurrentEnds() == before);
  EXPECT_EQ(engine.history.steps.size(), 1u);
  // No room for six more faces: message 4, nothing made.
  engine.solid.last_face = 1497;
  EXPECT_EQ(NewCube("1"), engine::kMsgNoMoreRoom);
  EXPECT_EQ(engine.solid.last_face, 1497);
  EXPECT_EQ(engine.tables.last_point, 7);
}

TEST_F(SolidStepFixture, AReplayAfterADragEndsWhereAWholeReplayDoes) {
  ASSERT_EQ(HandOverSquare(true), 0);
  ASSERT_EQ(NewCube("2"), 0);
  ASSERT_EQ(NewCube("1+1/2"), 0);
  EXPECT_EQ(engine.ends.back().faces, 17);
  EXPECT_EQ(engine.ends.back().objects, 0);

  // A is dragged; the steps downstream of it run again.
  engine.tables.xyz[0] = {-1, -0.5L, 0.25L};
  const std::uint16_t moved[] = {0};
  engine::DownstreamFinder finder;
  engine.ReplaySteps(finder.Find(engine.history, engine.ends, moved));
  const engine::FigureTables& t = engine.tables;
  EXPECT_EQ(t.xyz[4].z, 3.25L);  // A' follows
  const engine::StepEnds partialEnds = engine.CurrentEnds();
  std::vector<kernel::Point3> points(t.xyz.begin(), t.xyz.begin() + t.last_point + 1);
  std::vector<std::int16_t> labels(t.label_map.begin(), t.label_map.end());
  std::vector<std::uint16_t> faceVertices;
  for (const kernel::FaceRecord& f : engine.solid.Faces()) faceVertices.insert(faceVertices.end(), f.vertices.begin(), f.vertices.end());

  engine.ReplayConstruction(true);
  EXPECT_TRUE(engine.CurrentEnds() == partialEnds);
  for (int i = 0; i <= t.last_point; ++i) {
    EXPECT_EQ(t.xyz[i].x, points[static_cast<std::size_t>(i)].x) << i;
    EXPECT_EQ(t.xyz[i].z, points[static_cast<std::size_t>(i)].z) << i;
  }
  EXPECT_EQ(std::vector<std::int16_t>(t.label_map.begin(), t.label_map.end()), labels);
  std::vector<std::uint16_t> wholeVertices;
  for (const kernel::FaceRecord& f : engine.solid.Faces()) wholeVertices.insert(wholeVertices.end(), f.vertices.begin(), f.vertices.end());
  EXPECT_EQ(wholeVertices, faceVertices);
}

TEST_F(SolidStepFixture, TheEndsOfAStepHoldItsFacesSurfacesAndObjectNumbers) {
  engine.solid.last_face = 4;
  engine.solid.last_surface = 2;
  engine.solid.object_counter = 7;
  const engine::StepEnds at = engine.CurrentEnds();
  EXPECT_EQ(at.faces, 4);
  EXPECT_EQ(at.surfaces, 2);
  EXPECT_EQ(at.objects, 7);
  engine.RestoreEnds({});
  EXPECT_EQ(engine.solid.last_face, -1);
  EXPECT_EQ(engine.solid.object_counter, 0);
  engine.RestoreEnds(at);
  EXPECT_EQ(engine.solid.last_surface, 2);
  // A whole replay starts the three from scratch.
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.solid.last_face, -1);
  EXPECT_EQ(engine.solid.last_surface, -1);
  EXPECT_EQ(engine.solid.object_counter, 0);
}

}  // namespace

// The library solids built as steps: placed at the table's own coordinates in an empty figure,
// scaled by the typed edge, mirrored, centred on a point, carried by their dragged first vertex on
// replay, coloured, described, and the failures that leave placeholders so later steps keep their
// indices.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/expr_compiler.h"
#include "engine/step_engine.h"
#include "kernel/vector3.h"
#include "solid/library_catalogue.h"
#include "solid/library_constants.h"
#include "solid/library_polyhedron.h"
#include "solid/model_tables.h"
#include "solid/solid_step.h"
#include "support/fake_expression_context.h"

namespace {

using kernel::Point3;
using kernel::Real;

constexpr Real kC = 0.7071067811865476L;  // the tetrahedron's table coordinate
constexpr int kTetrahedron = 316;
constexpr int kCube = 317;
constexpr int kDodecahedron = 319;
constexpr int kSnubCuboctahedron = 326;

class LibraryExecutors : public engine::StepExecutors {
 public:
  explicit LibraryExecutors(solid::ModelTables& model) : model_(model) {}
  int DoLibraryPolyhedron(int code, std::string* out) override {
    return solid::LibraryPolyhedronStep(*engine(), model_, code, view, out);
  }
  solid::NewSolidView view{{-1, -1, -1}, {1, 1, 1}, {0, 0, 0}, {25, 32, 18}};

 private:
  solid::ModelTables& model_;
};

// A figure in space as plain data whose library kinds build their solids.
class LibraryStepFigure : public ::testing::Test {
 protected:
  LibraryStepFigure() {
    engine.SetExecutors(&executors);
    engine.compiler = &compiler;
    engine.solid.Allocate();
    model.Allocate();
  }

  // A library step as the dialog makes it: edge text, centre (-1 none), flag, parameter 6.
  kernel::ConstructionRecord& Begin(int kind, const std::string& edge, int centre = -1, int flag = 0,
                                    Real colourPlusOne = 0) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(static_cast<kernel::StepKind>(kind));
    step.operands[0] = centre < 0 ? kernel::kNoOperand : static_cast<std::uint16_t>(centre);
    step.operands[1] = solid::kNewFormatMarker;
    step.flag = static_cast<std::uint8_t>(flag);
    step.parameters[5] = colourPlusOne;
    step.text[0] = edge;
    return step;
  }
  int Build(int kind, const std::string& edge, int centre = -1, int flag = 0, Real colourPlusOne = 0,
            std::string* out = nullptr) {
    Begin(kind, edge, centre, flag, colourPlusOne);
    return engine.ExecuteNewStep(out);
  }

  // An empty figure again: no step, no point, no face.
  void Empty() {
    engine.history.ClearHistory();
    engine.tables.ResetForReplay();
    engine.RestoreEnds({});
  }

  const Point3& P(int i) const { return engine.tables.xyz[i]; }

  engine_test::FakeExpressionContext context;
  engine::ExpressionCompiler compiler{context};
  engine::StepEngine engine;
  solid::ModelTables model;
  LibraryExecutors executors{model};
};

void ExpectAt(const Point3& p, const Point3& q) {
  EXPECT_NEAR(p.x, q.x, 1e-15L);
  EXPECT_NEAR(p.y, q.y, 1e-15L);
  EXPECT_NEAR(p.z, q.z, 1e-15L);
}

TEST_F(LibraryStepFigure, TheTetrahedronInAnEmptyFigureStandsOnItsTableCoordinates) {
  std::string text;
  ASSERT_EQ(Build(kTetrahedron, "1.00", -1, 0, 0, &text), 0);
  ASSERT_EQ(engine.tables.last_point, 3);
  ExpectAt(P(0), {kC, 0, 0});
  ExpectAt(P(1), {0, kC, 0});
  ExpectAt(P(2), {0, 0, kC});
  ExpectAt(P(3), {kC, kC, kC});
  ASSERT_EQ(engine.solid.last_face, 3);
  for (const kernel::FaceRecord& f : engine.solid.Faces()) {
    ASSERT_EQ(f.count, 3);
    EXPECT_EQ(f.visible, 1);
    EXPECT_EQ(f.colour, 1);  // the regular solids keep colour 1
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(kernel::Dist3(P(f.vertices[i]), P(f.vertices[i + 1])), 1.0L, 1e-15L);
  }
  EXPECT_EQ(text, "ABCD = regular tetrahedron; edge length 1.00");
  EXPECT_EQ(engine.figure_counter, 1);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(engine.tables.attrs[i].tag, 1);
}

TEST_F(LibraryStepFigure, TheEdgeScalesTheTableBeforePlacement) {
  ASSERT_EQ(Build(kTetrahedron, "2"), 0);
  ExpectAt(P(3), {2 * kC, 2 * kC, 2 * kC});
  ExpectAt(P(0), {2 * kC, 0, 0});
}

TEST_F(LibraryStepFigure, TheMirrorOfAChiralSolidNegatesItsTable) {
  // The tetrahedron's tables taken as those of a chiral solid, with the flag set.
  solid::LibrarySolid chiral = *solid::FindLibrarySolid(1000);
  chiral.chiral = true;
  engine.history.current = &Begin(kTetrahedron, "1", -1, 1);
  engine.building = 1;
  std::string text;
  ASSERT_EQ(solid::BuildLibrarySolid(engine, model, chiral, executors.view, &text), 0);
  engine.building = 0;
  ExpectAt(P(3), {-kC, -kC, -kC});
  ExpectAt(P(1), {0, -kC, 0});
  EXPECT_EQ(text, "ABCD = -[regular tetrahedron]; edge length 1");
}

TEST_F(LibraryStepFigure, TheSnubCuboctahedronsFlagBuildsItsMirrorImage) {
  ASSERT_EQ(Build(kSnubCuboctahedron, "1", -1, 0), 0);
  std::vector<Point3> plain(24);
  for (int i = 0; i < 24; ++i) plain[static_cast<std::size_t>(i)] = P(i);
  Empty();
  ASSERT_EQ(Build(kSnubCuboctahedron, "1", -1, 1), 0);
  // Both in an empty figure: placed at the origin, so the mirror is the plain image negated.
  for (int i = 0; i < 24; ++i) ExpectAt(P(i), -plain[static_cast<std::size_t>(i)]);
}

TEST_F(LibraryStepFigure, WithACentreTheCentroidLandsOnItAndTheSolidJoinsItsObject) {
  ASSERT_EQ(Build(kTetrahedron, "1"), 0);
  ASSERT_EQ(Build(kDodecahedron, "2", 3), 0);
  ASSERT_EQ(engine.tables.last_point, 23);
  Point3 sum{0, 0, 0};
  for (int i = 4; i <= 23; ++i) sum = sum + P(i);
  ExpectAt((1.0L / 20) * sum, P(3));
  EXPECT_NEAR(kernel::Dist3(P(4), P(3)), 2 * 1.4012585384440734L, 1e-14L);  // the circumradius
  EXPECT_EQ(engine.tables.attrs[10].tag, engine.tables.attrs[3].tag);
  EXPECT_EQ(engine.figure_counter, 1);  // no new solid number

  // The mirror image of a chiral solid centred the same way.
  ASSERT_EQ(Build(kSnubCuboctahedron, "1", 3, 1), 0);
  sum = {0, 0, 0};
  for (int i = 24; i <= 47; ++i) sum = sum + P(i);
  ExpectAt((1.0L / 24) * sum, P(3));
}

TEST_F(LibraryStepFigure, AnOlderStepSubtractsTheCentroidOfTheUnscaledTable) {
  ASSERT_EQ(Build(kTetrahedron, "1"), 0);
  kernel::ConstructionRecord& step = Begin(kCube, "2", 3);
  step.operands[1] = kernel::kNoOperand;
  ASSERT_EQ(engine.ExecuteNewStep(nullptr), 0);
  // The cube's table runs from 0 to 1: its unscaled centroid (1/2, 1/2, 1/2) lands on the centre,
  // so the scaled centroid stands 1/2 beyond it.
  Point3 sum{0, 0, 0};
  for (int i = 4; i < 12; ++i) sum = sum + P(i);
  ExpectAt((1.0L / 8) * sum, P(3) + Point3{0.5L, 0.5L, 0.5L});
}

TEST_F(LibraryStepFigure, ReplayKeepsTheDraggedFirstVertexAndTheCentreCarriesItsSolid) {
  ASSERT_EQ(Build(kTetrahedron, "1"), 0);
  ASSERT_EQ(Build(kCube, "1"), 0);
  ASSERT_EQ(Build(kCube, "1", 0), 0);  // centred on the tetrahedron's first vertex
  const std::vector<Point3> before(engine.tables.xyz.begin(), engine.tables.xyz.begin() + 20);
  const Point3 d{1, -2, 3};
  engine.tables.xyz[0] = engine.tables.xyz[0] + d;
  engine.tables.xyz[4] = engine.tables.xyz[4] + d;
  ASSERT_EQ(engine.ReplayConstruction(true), 3);
  for (int i = 0; i < 20; ++i) ExpectAt(P(i), before[static_cast<std::size_t>(i)] + d);
  EXPECT_EQ(engine.solid.last_face, 4 + 6 + 6 - 1);
}

TEST_F(LibraryStepFigure, ParameterSixColoursEveryFaceOrLeavesTheTablesColours) {
  // The truncated icosahedron's runs: 12 pentagons colour 4, 20 hexagons colour 1.
  const struct {
    Real parameter;
    int pentagon;
    int hexagon;
  } cases[] = {{0, 4, 1}, {1, 0, 0}, {1.9L, 0, 0}, {8, 7, 7}, {60, 59, 59}, {61, 4, 1}, {-3, 4, 1}};
  for (const auto& c : cases) {
    Empty();
    ASSERT_EQ(Build(321, "1", -1, 0, c.parameter), 0) << c.parameter;
    ASSERT_EQ(engine.solid.last_face, 31);
    EXPECT_EQ(engine.solid.faces[0].colour, c.pentagon) << c.parameter;
    EXPECT_EQ(engine.solid.faces[11].colour, c.pentagon) << c.parameter;
    EXPECT_EQ(engine.solid.faces[12].colour, c.hexagon) << c.parameter;
    EXPECT_EQ(engine.solid.faces[31].colour, c.hexagon) << c.parameter;
  }
}

TEST_F(LibraryStepFigure, ADescriptionNamesTwelveNewPointsThenDots) {
  std::string text;
  ASSERT_EQ(Build(kDodecahedron, "1.5", -1, 0, 0, &text), 0);
  EXPECT_EQ(text, "ABCDEFGHIJKL... = regular dodecahedron; edge length 1.5");
}

TEST_F(LibraryStepFigure, FailuresLeavePlaceholdersSoLaterStepsKeepTheirIndices) {
  ASSERT_EQ(Build(kTetrahedron, "1"), 0);
  const struct {
    const char* edge;
    int centre;
    int code;
  } cases[] = {{"0", -1, 17}, {"-1", -1, 17}, {"0.00000000000000001", -1, 17}, {"what", -1, 1},
               {"what", 7, 2}, {"1", 65534, 2}, {"1", 4, 2}};
  for (const auto& c : cases) {
    // A new step that fails gives everything back and is not kept.
    EXPECT_EQ(Build(kCube, c.edge, c.centre), c.code) << c.edge << " " << c.centre;
    EXPECT_EQ(engine.tables.last_point, 3);
    EXPECT_EQ(engine.solid.last_face, 3);
    EXPECT_EQ(engine.history.steps.size(), 1u);
  }
  // Stored (read from a file), such a step replays as eight placeholders, and the solid after it
  // keeps its points.
  Begin(kCube, "0").extra_words[0] = 3;  // the last point index before it, as stored
  engine.history.AppendStep();
  ASSERT_EQ(engine.ReplayConstruction(true), 2);
  EXPECT_EQ(engine.tables.last_point, 11);
  ASSERT_EQ(Build(kTetrahedron, "1"), 0);
  ASSERT_EQ(engine.ReplayConstruction(true), 3);
  EXPECT_EQ(engine.tables.last_point, 15);
  for (int i = 4; i < 12; ++i) EXPECT_EQ(engine.tables.exists[i], 0) << i;
  for (int i = 12; i < 16; ++i) EXPECT_EQ(engine.tables.exists[i], 1) << i;
  EXPECT_EQ(engine.solid.last_face, 7);
  EXPECT_EQ(engine.solid.faces[4].vertices[0], 12);
}

TEST_F(LibraryStepFigure, ANewStepWithoutRoomIsRefusedAndAddsNothing) {
  solid::AdjustTables(engine, engine::kLastPointLimit - 1);  // two entries left
  EXPECT_EQ(Build(kTetrahedron, "1"), engine::kMsgNoMoreRoom);
  EXPECT_EQ(engine.tables.last_point, engine::kLastPointLimit - 2);
  EXPECT_EQ(engine.solid.last_face, -1);
}

// Every regular and semi-regular solid reached from the dialog's step kinds: its points, its faces
// with the table's vertex counts, every edge the typed length, the face planes through the faces.
TEST_F(LibraryStepFigure, EveryListedSolidIsBuiltFromItsKindAtTheTypedEdge) {
  for (int family : {solid::kPlatonic, solid::kArchimedean}) {
    const int count = family == solid::kPlatonic ? 5 : 13;
    for (int p = 0; p < count; ++p) {
      const int code = solid::LibraryItemCode(family, p);
      const solid::LibrarySolid* s = solid::FindLibrarySolid(code);
      ASSERT_NE(s, nullptr) << code;
      const int kind = solid::LibraryKindTable[static_cast<std::size_t>(solid::LibraryGlobalIndex(family, p))];
      EXPECT_EQ(kind, s->stepKind) << code;
      Empty();
      ASSERT_EQ(Build(kind, "3"), 0) << code;
      const int n = s->faceTable[0];
      const int f = s->faceTable[1];
      EXPECT_EQ(engine.tables.last_point, n - 1) << code;
      ASSERT_EQ(engine.solid.last_face, f - 1) << code;
      std::size_t pos = 2;
      for (int j = 0; j < f; ++j) {
        const kernel::FaceRecord& face = engine.solid.faces[static_cast<std::size_t>(j)];
        ASSERT_EQ(face.count, s->faceTable[pos]) << code << " face " << j;
        const kernel::PlaneRecord& plane = model.face_planes[static_cast<std::size_t>(j)];
        for (int v = 0; v < face.count; ++v) {
          EXPECT_EQ(face.vertices[static_cast<std::size_t>(v)], s->faceTable[pos + 1 + v] - 1);
          const Point3& a = P(face.vertices[static_cast<std::size_t>(v)]);
          EXPECT_NEAR(kernel::Dist3(a, P(face.vertices[static_cast<std::size_t>(v + 1)])), 3.0L, 1e-14L);
          EXPECT_NEAR(plane.a * a.x + plane.b * a.y + plane.c * a.z, plane.d, 1e-13L) << code << " face " << j;
        }
        pos += 1 + static_cast<std::size_t>(face.count);
      }
    }
  }
}

TEST(LibraryConvexity, TheStarSolidsCompoundsAndHemipolyhedraAreNotConvex) {
  for (int kind : {316, 334, 340, 345, 501, 592}) EXPECT_TRUE(solid::IsConvexLibraryCode(kind)) << kind;
  for (int kind : {335, 338, 339, 346, 350, 593, 597, 599}) EXPECT_FALSE(solid::IsConvexLibraryCode(kind)) << kind;
}

}  // namespace

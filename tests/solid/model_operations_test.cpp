// Typed vertex lists, the searches for curves and surfaces, and the copy of selected points with
// their faces.
#include "solid/model_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "kernel/labels.h"
#include "solid_step_fixture.h"

namespace {

using solid_test::SolidStepFixture;

class ModelOperations : public SolidStepFixture {
 protected:
  // A point at p labelled with the given id.
  int Point(kernel::Point3 p, int label) {
    engine.AddPoint3D(p, 0, static_cast<std::int16_t>(label));
    return engine.tables.last_point;
  }
  // The triangle ABC and the point D.
  void TriangleAndD() {
    Point({0, 0, 0}, 0);
    Point({1, 0, 0}, 1);
    Point({0, 1, 0}, 2);
    Point({5, 0, 0}, 3);
    const std::array<std::uint16_t, 3> abc{0, 1, 2};
    kernel::InitFaceListFrom(engine.solid.faces[0], 3, abc);
    kernel::ResetFaceStyle(engine.solid.faces[0], 7);
    engine.solid.last_face = 0;
    engine.tables.SelectPoints("ABC");
  }
};

TEST_F(ModelOperations, ATypedVertexListBecomesAFace) {
  Point({0, 0, 0}, 0);
  Point({1, 0, 0}, 1);
  Point({0, 1, 0}, 2);
  solid::AdjustTables(engine, 1);  // D: a placeholder, no existing point
  struct Case {
    const char* text;
    int count;
  };
  const Case cases[] = {{"ABCA", 3}, {"abc", 3}, {"AA", 2}, {"A", 1}, {"ABQ", 0},
                        {"ABD", 0},  {"", 0},    {"A_7B", 0}, {"ABCB", 4}};
  for (const Case& c : cases) {
    kernel::FaceRecord face;
    EXPECT_EQ(solid::ParseVertexList(engine.tables, c.text, face), c.count) << c.text;
    if (c.count > 0) {
      EXPECT_EQ(face.count, c.count) << c.text;
      EXPECT_EQ(face.vertices[static_cast<std::size_t>(c.count)], face.vertices[0]) << c.text;
      EXPECT_EQ(face.visible, 1) << c.text;
    }
  }
}

TEST_F(ModelOperations, CurvesAndSurfacesAreFoundByNumberOrByPoints) {
  engine::SolidTables& s = engine.solid;
  kernel::InitSurfaceRecord(s.surfaces[0], kernel::kSurfaceSphere, 0, 1, 1, 0, 0, 0, -1, -1);
  kernel::SetCodeHundreds(s.surfaces[0], 4);
  kernel::InitSurfaceRecord(s.surfaces[1], kernel::kSurfaceCone, 2, 3, 1, 0.5L, 0, 0, -1, -1);
  kernel::SetCodeHundreds(s.surfaces[1], 5);
  s.last_surface = 1;
  EXPECT_EQ(solid::FindSurfaceById(s, 5), 1);
  EXPECT_EQ(solid::FindSurfaceById(s, 6), -1);
  const std::int16_t cone[] = {2, 3};
  EXPECT_EQ(solid::FindSurfaceByPoints(s, kernel::kSurfaceCone, cone), 1);
  EXPECT_EQ(solid::FindSurfaceByPoints(s, kernel::kSurfaceCone, cone, 0.5L + 1e-14L), 1);
  EXPECT_EQ(solid::FindSurfaceByPoints(s, kernel::kSurfaceCone, cone, 0.5L + 1e-12L), -1);
  EXPECT_EQ(solid::FindSurfaceByPoints(s, kernel::kSurfaceSphere, cone), -1);

  // A copy of a surface takes the images of its points; its second point may stay when it was
  // not selected.
  TriangleAndD();
  Point({0, 0, 1}, 4);
  model.image_index[2] = 5;
  model.image_index[3] = 6;
  engine.tables.selected[3] = 0;
  EXPECT_FALSE(solid::GetCurve(engine.tables, s, model, 1, true));
  const auto copy = solid::GetCurve(engine.tables, s, model, 1, false);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->points[0], 5);
  EXPECT_EQ(copy->points[1], 3);
}

TEST_F(ModelOperations, ACopyMergesWithAnExistingPointAndAddsTheOthersWithPrimedLabels) {
  TriangleAndD();
  model.images[0] = {5, 0, 1e-9L};  // on D within the point tolerance
  model.images[1] = {6, 0, 0};
  model.images[2] = {5, 1, 0};
  solid::CopySelection(engine, model, {.kind = 380, .merge = true, .tag = 9});
  const engine::FigureTables& t = engine.tables;
  ASSERT_EQ(t.last_point, 5);  // two new points
  EXPECT_EQ(model.image_index[0], 3);
  EXPECT_EQ(model.image_index[1], 4);
  EXPECT_EQ(model.image_index[2], 5);
  EXPECT_EQ(Name(4), "B'");
  EXPECT_EQ(Name(5), "C'");
  EXPECT_EQ(t.attrs[4].tag, 9);
  EXPECT_EQ(model.image_flag[3], 1);
  EXPECT_EQ(model.image_flag[0], 0);
  ASSERT_EQ(engine.solid.last_face, 1);
  const kernel::FaceRecord& copied = engine.solid.faces[1];
  EXPECT_EQ(copied.vertices[0], 3);
  EXPECT_EQ(copied.vertices[2], 5);
  EXPECT_EQ(copied.vertices[3], 3);
  EXPECT_EQ(copied.colour, 7);  // "Attribute copy" keeps the colour
  EXPECT_NEAR(std::fabs(model.face_planes[1].c), 1, 1e-12);
}

TEST_F(ModelOperations, AFaceEqualToAnExistingOneIsNotCopied) {
  TriangleAndD();
  // Images that merge with the triangle itself, turned by one vertex: the face B C A is A B C.
  model.images[0] = {1, 0, 0};
  model.images[1] = {0, 1, 0};
  model.images[2] = {0, 0, 0};
  solid::CopySelection(engine, model, {.merge = true, .hideFace = -1, .attributeCopy = false, .faceColour = 4});
  EXPECT_EQ(engine.tables.last_point, 3);
  EXPECT_EQ(engine.solid.last_face, 0);
  // Moved rather than copied: the source face is hidden, the copy takes the current colour.
  model.images[0] = {0, 0, 2};
  model.images[1] = {1, 0, 2};
  model.images[2] = {0, 1, 2};
  solid::CopySelection(engine, model, {.merge = false, .hideFace = 0, .attributeCopy = false, .faceColour = 4});
  EXPECT_EQ(engine.solid.last_face, 1);
  EXPECT_EQ(engine.solid.faces[0].visible, 0);
  EXPECT_EQ(engine.solid.faces[1].colour, 4);
}

TEST_F(ModelOperations, AnImageTakesOnePrimeMoreElseTheNextSubscriptElseTheFirstFreeLabel) {
  const int a2 = Point({0, 0, 0}, 2 * kernel::kLabelsPerPrime);                   // A''
  const int b = Point({1, 0, 0}, 1);                                              // B
  Point({2, 0, 0}, 1 + kernel::kLabelsPerPrime);                                  // B' taken
  const int c = Point({3, 0, 0}, 2);                                              // C
  Point({4, 0, 0}, 2 + kernel::kLabelsPerPrime);                                  // C' taken
  Point({5, 0, 0}, 2 + kernel::kLabelLetters);                                    // C_0 taken
  engine.tables.SelectPoints("A''BC");
  for (int i : {a2, b, c}) model.images[i] = {kernel::Real(i), 7, 7};
  solid::CopySelection(engine, model, {});
  EXPECT_EQ(Name(6), "A\"_0");
  EXPECT_EQ(Name(7), "B_0");
  EXPECT_EQ(Name(8), "A");  // the first free label
}

TEST_F(ModelOperations, TheImagesOfTheSelectedPointsMoveTogether) {
  TriangleAndD();
  solid::TranslateImages(engine.tables, model, {1, 2, 3}, 3);
  EXPECT_EQ(model.images[2].y, 2);
  EXPECT_EQ(model.images[3].z, 0);  // D is not selected
}

}  // namespace

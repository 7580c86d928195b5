// The model projected from the observer: positions, pixels, face boxes and face planes.
#include "solid/model_projection.h"

#include <gtest/gtest.h>

#include "solid_step_fixture.h"

namespace {

using solid_test::SolidStepFixture;

class ModelProjection : public SolidStepFixture {
 protected:
  ModelProjection() {
    mapping.width = 400;
    mapping.height = 300;
    mapping.halfWidth = 4;
    view::FitViewToClient(mapping);
    kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, frame);
  }
  view::ViewMapping mapping;
  kernel::ViewFrame frame;
};

TEST_F(ModelProjection, EveryPointGetsItsViewPositionAndPixelAndEveryFaceItsBox) {
  ASSERT_EQ(HandOverSquare(true), 0);
  engine::FigureTables& t = engine.tables;
  solid::UpdateProjection(frame, mapping, t, engine.solid, model, -1);
  for (int k = 0; k <= t.last_point; ++k) {
    const kernel::Point2 p = kernel::ProjectToView(frame, t.xyz[k]);
    EXPECT_EQ(t.xy[k].x, p.x) << k;
    EXPECT_EQ(t.xy[k].y, p.y) << k;
    EXPECT_EQ(t.projected[k].x, kernel::RoundLD(view::XToScreenLD(mapping, p.x))) << k;
    EXPECT_EQ(t.projected[k].y, kernel::RoundLD(view::YToScreenLD(mapping, p.y))) << k;
  }
  // The top face A'B'C'D': the box of its four pixels.
  const solid::FaceScreenBox& box = model.face_boxes[1];
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
  for (int k = 4; k < 8; ++k) {
    left = std::min(left, t.projected[k].x);
    right = std::max(right, t.projected[k].x);
    top = std::min(top, t.projected[k].y);
    bottom = std::max(bottom, t.projected[k].y);
  }
  EXPECT_EQ(box.left, left);
  EXPECT_EQ(box.right, right);
  EXPECT_EQ(box.top, top);
  EXPECT_EQ(box.bottom, bottom);
  // The pixel of a model point agrees with the projection of the table.
  const engine::PixelPoint pixel = solid::PointToScreen(frame, mapping, t.xyz[6]);
  EXPECT_EQ(pixel.x, t.projected[6].x);
  EXPECT_EQ(pixel.y, t.projected[6].y);
}

TEST_F(ModelProjection, AMovedPointMovesOnlyItselfAndThePlanesOfItsFaces) {
  ASSERT_EQ(HandOverSquare(true), 0);
  engine::FigureTables& t = engine.tables;
  solid::UpdateProjection(frame, mapping, t, engine.solid, model, -1);
  const kernel::Point2 before = t.xy[5];
  // A' rises: the top and the two sides at A' tilt; the base and the faces away from A' stay.
  t.xyz[4].z = 5;
  t.xyz[5].z = 9;  // moved too, but not projected yet
  model.face_planes[0] = {7, 7, 7, 7};
  solid::UpdateProjection(frame, mapping, t, engine.solid, model, 4);
  EXPECT_EQ(t.xy[5].x, before.x);
  EXPECT_EQ(model.face_planes[0].a, 7);                 // the base does not hold A'
  EXPECT_NE(std::fabs(model.face_planes[1].c), 1);      // the top tilts
  EXPECT_NEAR(kernel::PlaneValue3(model.face_planes[1], t.xyz[4]), 0, 1e-15);
}

TEST_F(ModelProjection, AFaceWithoutThreeVerticesOrWithCollinearOnesKeepsItsPlane) {
  ASSERT_EQ(HandOverSquare(false), 0);
  engine::SolidTables& s = engine.solid;
  const std::array<std::uint16_t, 2> segment{0, 2};
  kernel::InitFaceListFrom(s.faces[5], 2, segment);
  const std::array<std::uint16_t, 3> collinear{0, 1, 1};
  kernel::InitFaceListFrom(s.faces[6], 3, collinear);
  s.last_face = 6;
  model.face_planes[5] = {1, 2, 3, 4};
  model.face_planes[6] = {5, 6, 7, 8};
  solid::FacePlanesOf(engine.tables, s, model, -1);
  EXPECT_EQ(model.face_planes[5].d, 4);
  EXPECT_EQ(model.face_planes[6].d, 8);
  EXPECT_EQ(std::fabs(model.face_planes[0].c), 1);  // the base z = 0
  EXPECT_EQ(model.face_planes[0].d, 0);
}

}  // namespace

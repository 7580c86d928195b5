// Translations, glide reflections, attached copies, inversions and magnified copies: where the
// images go, what they are called, what becomes of lines and circles, and what fails.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/labels.h"
#include "kernel/line_circle_records.h"
#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/hyperbolic_test_support.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using TransformSteps = IsolatedFolders;

#define EXPECT_POINT_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::engine_test::Points2Close, actual, expected, tolerance)

constexpr int kUnusedOperand = 0xFFFF;
constexpr Real kTight = static_cast<Real>(1e-12);

std::string Name(PlaneWindow& w, int i) {
  std::string name;
  w.tables().GetPointName(i, name);
  return name;
}

TEST_F(TransformSteps, TranslationMovesPointsLinesAndCirclesAndWalksOn) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(2, 1);
  const int c = w.FreePoint(1, 1);
  const int d = w.FreePoint(3, 1);
  ASSERT_EQ(w.Step(111, {c, d, kUnusedOperand, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(91, {c, d, kUnusedOperand, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(145, {a, b, 0}, {"2", "CD"}), 0);
  const int c1 = d + 1;
  EXPECT_EQ(Name(w, c1), "C'");
  EXPECT_EQ(Name(w, c1 + 1), "D'");
  EXPECT_POINT_NEAR(w.tables().xy[c1], (Point2{5, 3}), kTight);
  EXPECT_POINT_NEAR(w.tables().xy[c1 + 1], (Point2{7, 3}), kTight);
  EXPECT_EQ(w.tables().last_line, 1);
  EXPECT_EQ(w.tables().lines[1].points.entries[0], c1);
  EXPECT_EQ(w.tables().last_circle, 1);
  EXPECT_EQ(w.tables().circles[1].centre, c1);
  EXPECT_EQ(w.stepText, "C'D' = translate  CD (2)*AB");

  // Again on the previous images: C'' and D''; C' then D' with a subscript once the primes are used.
  ASSERT_EQ(w.Step(145, {a, b, 0}, {"1", ""}, 1), 0);
  EXPECT_EQ(Name(w, c1 + 2), "C\"");
  EXPECT_POINT_NEAR(w.tables().xy[c1 + 2], (Point2{7, 4}), kTight);
  EXPECT_EQ(w.stepText, "C\"D\" = translate previous images (1)*AB");
  ASSERT_EQ(w.Step(145, {a, b, 1}, {"1", "CD", "1,2"}), 0);
  EXPECT_EQ(Name(w, c1 + 4), "C_0");
  EXPECT_POINT_NEAR(w.tables().xy[c1 + 4], (Point2{2, 3}), kTight);
  EXPECT_EQ(w.stepText, "C_0D_0 = translate  CD (1)*[1,2]");

  // Replaying gives every image the same index and place.
  const int last = w.tables().last_point;
  w.ReplayConstruction(false);
  EXPECT_EQ(w.tables().last_point, last);
  EXPECT_POINT_NEAR(w.tables().xy[c1 + 2], (Point2{7, 4}), kTight);
  EXPECT_EQ(Name(w, c1 + 4), "C_0");

  EXPECT_EQ(w.Step(145, {a, 99, 0}, {"1", "CD"}), engine::kMsgCouldNotFind);
  EXPECT_EQ(w.Step(145, {a, b, 0}, {"((", "CD"}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.tables().last_point, last);
}

TEST_F(TransformSteps, AFailingStepOfTheHistoryKeepsTheLaterIndices) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  w.FreePoint(5, 5);
  ASSERT_EQ(w.Step(145, {a, b, 0}, {"1", "C"}), 0);
  const int after = w.FreePoint(7, 7);
  ASSERT_EQ(after, 4);
  w.history().steps[3].operands[1] = 99;  // the translation loses its vector
  w.ReplayConstruction(false);
  EXPECT_FALSE(w.tables().exists[3]);
  EXPECT_TRUE(w.tables().exists[after]);
  EXPECT_EQ(w.tables().xy[after], (Point2{7, 7}));
  EXPECT_EQ(w.tables().last_point, after);
}

// Images that fall on a point share it: one already in the figure, or one the same step made for
// an earlier source (a point on AB at A's place moves with A onto A's image).
TEST_F(TransformSteps, ImagesFallingOnAPointAreThatPoint) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  const int c = w.FreePoint(0, 2);
  ASSERT_EQ(w.Step(111, {a, b, kUnusedOperand, 0, 0, 0}), 0);
  w.tables().attrs[w.tables().last_point + 1].value = 0;
  ASSERT_EQ(w.Step(201, {a, b, 0}), 0);
  const int d = w.tables().last_point;
  ASSERT_EQ(w.tables().xy[d], w.tables().xy[a]);
  // By AC, A lands on C; D with it.
  ASSERT_EQ(w.Step(145, {a, c, 0}, {"1", "AD"}), 0);
  EXPECT_EQ(w.tables().last_point, d);
  // By BC, A and D land where no point was: one new point.
  ASSERT_EQ(w.Step(145, {b, c, 0}, {"1", "AD"}), 0);
  ASSERT_EQ(w.tables().last_point, d + 1);
  EXPECT_POINT_NEAR(w.tables().xy[d + 1], (Point2{-1, 2}), kTight);
  EXPECT_TRUE(w.tables().saved_selected[d + 1]);
}

TEST_F(TransformSteps, GlideReflectionAndItsDegenerateAxis) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  const int p = w.FreePoint(0.5L, 2);
  ASSERT_EQ(w.Step(150, {a, b}, {"3", "C"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[p + 1], (Point2{3.5L, -2}), kTight);
  EXPECT_EQ(w.stepText, "C' = glide-reflect  C; axis = (3)*AB");

  // A = B: the axis has no direction, and nothing is added.
  const int last = w.tables().last_point;
  const std::size_t steps = w.history().steps.size();
  EXPECT_EQ(w.Step(150, {a, a}, {"1", "C"}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.tables().last_point, last);
  EXPECT_EQ(w.history().steps.size(), steps);
}

TEST_F(TransformSteps, AttachedCopyCarriesABOntoCD) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  const int c = w.FreePoint(5, 5);
  const int d = w.FreePoint(5, 7);
  const int p = w.FreePoint(1, 1);
  ASSERT_EQ(w.Step(155, {a, b, c, d, 0}, {"E"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[p + 1], (Point2{3, 7}), kTight);
  EXPECT_EQ(w.stepText, "E' = attach copy(E) with AB ==> CD");

  EXPECT_EQ(w.Step(155, {a, a, c, d, 0}, {"E"}), engine::kMsgDuplicateLabel);
  const int b2 = w.FreePoint(0, 0);
  EXPECT_EQ(w.Step(155, {a, b2, c, d, 0}, {"E"}), engine::kMsgOutOfBounds);
  EXPECT_EQ(w.Step(155, {a, b, c, 99, 0}, {"E"}), engine::kMsgCouldNotFind);
}

TEST_F(TransformSteps, InversionKeepsTheCircleAndTurnsLinesIntoCirclesThroughO) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int q = w.FreePoint(1, 0);
  const int onCircle = w.FreePoint(0.6L, 0.8L);
  const int l1 = w.FreePoint(2, -1);
  const int l2 = w.FreePoint(2, 1);
  const int r = w.FreePoint(2, 0);
  ASSERT_EQ(w.Step(116, {l1, l2, kUnusedOperand, 0, 0, 0}), 0);  // the line x = 2
  ASSERT_EQ(w.Step(111, {l1, l2, kUnusedOperand, 0, 0, 0}), 0);  // and its segment
  ASSERT_EQ(w.Step(91, {o, r, kUnusedOperand, 0, 0, 0}), 0);     // the circle of radius 2 about O
  const int lastLine = w.tables().last_line;
  const int lastCircle = w.tables().last_circle;

  // Text 2 lists O too: O is never inverted.
  ASSERT_EQ(w.Step(148, {o, q}, {"", "OCDEF"}), 0);
  EXPECT_EQ(w.history().steps.back().text[2], "");
  // C on the circle of inversion stays where it is: merged with itself.
  EXPECT_EQ(w.tables().last_point, r + 3 + 2);  // D', E', F' and two circle centres
  EXPECT_TRUE(w.tables().saved_selected[onCircle]);
  EXPECT_EQ(w.tables().xy[onCircle], (Point2{0.6L, 0.8L}));
  EXPECT_POINT_NEAR(w.tables().xy[r + 1], (Point2{0.4L, -0.2L}), kTight);
  EXPECT_POINT_NEAR(w.tables().xy[r + 3], (Point2{0.5L, 0}), kTight);

  // The line becomes the full circle through O of centre (1/4, 0), the segment an arc of it that
  // avoids O, and the circle about O the circle of radius 1/2 about O.
  ASSERT_EQ(w.tables().last_circle, lastCircle + 3);
  EXPECT_EQ(w.tables().last_line, lastLine);
  const kernel::CircleRecord& full = w.tables().circles[lastCircle + 1];
  EXPECT_POINT_NEAR(w.tables().xy[full.centre], (Point2{0.25L, 0}), kTight);
  EXPECT_EQ(full.points[0], o);
  EXPECT_TRUE(full.full_circle);
  const kernel::CircleRecord& arc = w.tables().circles[lastCircle + 2];
  EXPECT_FALSE(arc.full_circle);
  EXPECT_REAL_NEAR(std::fabs(arc.arc_angle), 2 * std::atan2(1.0L, 2.0L) * 180 / std::acos(-1.0L) * 2, 1e-9L);
  const kernel::CircleRecord& about = w.tables().circles[lastCircle + 3];
  EXPECT_EQ(about.centre, o);
  EXPECT_REAL_NEAR(kernel::Dist2(w.tables().xy[about.points[0]], {0, 0}), 0.5L, kTight);

  EXPECT_EQ(w.Step(148, {o, 99}, {"", "C"}), engine::kMsgCouldNotFind);
}

TEST_F(TransformSteps, InversionTurnsACircleThroughOIntoALine) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int q = w.FreePoint(2, 0);
  const int centre = w.FreePoint(1, 0);
  ASSERT_EQ(w.Step(91, {centre, o, kUnusedOperand, 0, 0, 0}), 0);
  const int p = w.FreePoint(1, 1);
  kernel::CircleAppendPoint(w.tables().circles[0], static_cast<std::uint16_t>(p));
  ASSERT_EQ(w.Step(148, {o, q}, {"", "CD"}), 0);
  // Both images lie on the line x = 2, and the line runs on past both.
  ASSERT_EQ(w.tables().last_line, 0);
  const kernel::SegmentRecord& line = w.tables().lines[0];
  for (int k = 0; k < line.points.count; ++k) EXPECT_REAL_NEAR(w.tables().xy[line.points.entries[k]].x, 2, kTight);
  EXPECT_TRUE(line.extends_first && line.extends_second);
}

TEST_F(TransformSteps, MagnifiedCopyStaysWhereItWasDrawn) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  ASSERT_EQ(w.Step(111, {a, b, kUnusedOperand, 0, 0, 0}), 0);
  kernel::ConstructionRecord& step = w.history().BeginStep(90);
  step.parameters[0] = 3;
  step.text[0] = "3";
  step.text[1] = "AB";
  step.flag = 1;
  ASSERT_EQ(w.RunNewStep(), 0);
  ASSERT_EQ(w.tables().last_point, 3);
  EXPECT_REAL_NEAR(kernel::Dist2(w.tables().xy[2], w.tables().xy[3]), 3, 1e-12L);
  EXPECT_EQ(w.tables().last_line, 1);
  EXPECT_GE(w.tables().attrs[2].tag, 1);
  const Point2 placed = w.tables().xy[2];
  w.ReplayConstruction(false);
  EXPECT_EQ(w.tables().xy[2], placed);
  EXPECT_EQ(w.tables().last_point, 3);
}

TEST_F(TransformSteps, TheInvertedSegmentIsDrawnAsTheArcAwayFromO) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int q = w.FreePoint(3, 0);
  const int l1 = w.FreePoint(4, -3);
  const int l2 = w.FreePoint(4, 3);
  // Colour 0 (black), stored one less.
  ASSERT_EQ(w.Step(111, {l1, l2, kUnusedOperand, kUnusedOperand, 1, 0}), 0);
  ASSERT_EQ(w.Step(148, {o, q}, {"", "CD"}), 0);
  platform::Bitmap picture(w.ClientWidth(), w.ClientHeight());
  w.PaintInto(*picture.CreateDC());
  const auto darkAt = [&](Point2 p) {
    platform::PointI at;
    w.WorldToPixel(p, at);
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const std::optional<platform::Color> c = picture.GetPixel(at.x + dx, at.y + dy);
        if (c && c->r + c->g + c->b < 3 * 128) return true;
      }
    }
    return false;
  };
  // The arc of the circle about (9/8, 0) from the image of C to that of D through (9/4, 0), not
  // the part by O.
  EXPECT_TRUE(darkAt({2.25L, 0}));
  EXPECT_FALSE(darkAt({1.125L, 1.125L}));
  EXPECT_FALSE(darkAt({1.125L, -1.125L}));
  picture.WriteBmpFile("inverted_segment.bmp");
}

class HyperbolicTransformSteps : public IsolatedFolders, public ::testing::WithParamInterface<engine::GeometryModel> {};

TEST_P(HyperbolicTransformSteps, TranslationAndGlideAreIsometries) {
  PlaneWindow w(1);
  w.stepEngine.model = GetParam();
  const engine::GeometryModel& m = w.stepEngine.model;
  auto point = [&](Point2 disk) {
    const Point2 p = engine_test::InModel(m, disk);
    return w.FreePoint(p.x, p.y);
  };
  const int a = point({-0.2L, 0.1L});
  const int b = point({0.3L, 0.2L});
  const int c = point({0.1L, -0.4L});
  // The image of A is B: the image merges with B, and C' keeps its distance from it.
  ASSERT_EQ(w.Step(145, {a, b, 0}, {"", "AC"}), 0);
  ASSERT_EQ(w.tables().last_point, c + 1);
  const Real ac = engine::HyperbolicDistance(m, w.tables().xy[a], w.tables().xy[c]);
  EXPECT_REAL_NEAR(engine::HyperbolicDistance(m, w.tables().xy[b], w.tables().xy[c + 1]), ac, 1e-10L);
  EXPECT_EQ(w.stepText, "BC' = translate  AC; axis AB");

  // The glide takes A to B as well (B lies on its axis), and C to the other side of AB.
  ASSERT_EQ(w.Step(150, {a, b}, {"", "AC"}), 0);
  ASSERT_EQ(w.tables().last_point, c + 2);
  EXPECT_REAL_NEAR(engine::HyperbolicDistance(m, w.tables().xy[b], w.tables().xy[c + 2]), ac, 1e-10L);
  EXPECT_GT(engine::HyperbolicDistance(m, w.tables().xy[c + 1], w.tables().xy[c + 2]), 1e-3L);
}

INSTANTIATE_TEST_SUITE_P(BothModels, HyperbolicTransformSteps,
                         ::testing::Values(engine::kPoincareDisk, engine::kUpperHalfPlane), engine_test::ModelName);

}  // namespace

#include "kernel/side_tests.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/extended_expect.h"
#include "kernel/frames3.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

TEST(SideTests, SameSideOfALineInThePlane) {
  struct Case {
    Point2 a, b, p, q;
    bool same;
  };
  const Case cases[] = {
      {{0, 0}, {1, 0}, {0, 1}, {5, 2}, true},
      {{0, 0}, {1, 0}, {0, 1}, {5, -2}, false},
      {{0, 0}, {1, 0}, {-3, -1}, {7, -0.5L}, true},
      {{0, 0}, {1, 0}, {3, 0}, {5, 2}, false},  // P on the line
      {{0, 0}, {1, 0}, {3, 0}, {-5, 0}, false}, // both on the line
      {{1, 1}, {1, 1}, {0, 1}, {5, 2}, false},  // A = B
      {{1, 1}, {2, 3}, {0, 5}, {-4, 0}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameSide2(c.a, c.b, c.p, c.q), c.same) << c.p.x << "," << c.p.y << " / " << c.q.x << "," << c.q.y;
  }
}

// Three points of the circle of latitude with height z about the z axis.
void CircleOfLatitude(Real z, Point3& p1, Point3& p2, Point3& p3) {
  const Real r = std::sqrt(1 - z * z);
  p1 = {r, 0, z};
  p2 = {r * std::cos(2.0L), r * std::sin(2.0L), z};
  p3 = {r * std::cos(4.5L), r * std::sin(4.5L), z};
}

TEST(SideTests, SameSideOfTheCirclePlaneOnTheSphere) {
  Point3 p1, p2, p3;
  CircleOfLatitude(0.5L, p1, p2, p3);
  EXPECT_TRUE(SameSide3(p1, p2, p3, Point3{0, 0, 1}));
  EXPECT_TRUE(SameSide3(p1, p2, p3, Point3{0.9L, 0, 0.1L}));
  EXPECT_FALSE(SameSide3(p1, p2, p3, Point3{0, 0, -1}));
  EXPECT_FALSE(SameSide3(p1, p2, p3, Point3{1, 0, 0}));  // on the parallel plane through the origin

  // Points of the equator lie on a great circle: no side holds the circle.
  const Point3 e1{1, 0, 0}, e2{0, 1, 0}, e3{-1, 0, 0};
  for (const Point3& q : {Point3{0, 0, 1}, Point3{0, 0, -1}, Point3{0.3L, 0.2L, 0.9L}}) {
    EXPECT_FALSE(SameSide3(e1, e2, e3, q));
  }
}

TEST(SideTests, SphereCircumcentreLiesOnTheSideOfItsCircle) {
  Point3 p1, p2, p3, out;
  CircleOfLatitude(0.5L, p1, p2, p3);
  EXPECT_TRUE(SphereCircumcentre3(p1, p2, p3, out));
  EXPECT_POINT3_NEAR(out, (Point3{0, 0, 1}), 1e-17L);
  EXPECT_TRUE(SphereCircumcentre3(p3, p2, p1, out));  // either orientation
  EXPECT_POINT3_NEAR(out, (Point3{0, 0, 1}), 1e-17L);

  CircleOfLatitude(-0.8L, p1, p2, p3);
  EXPECT_TRUE(SphereCircumcentre3(p1, p2, p3, out));
  EXPECT_POINT3_NEAR(out, (Point3{0, 0, -1}), 1e-17L);

  // A circle about a tilted pole.
  Point3 pole{0.2L, -0.6L, 0.7L};
  Normalize3(pole);
  CircleOfLatitude(0.3L, p1, p2, p3);
  // Turn the z axis onto the pole: about the axis z x pole by the angle between them.
  Point3 axis = Cross3(Point3{0, 0, 1}, pole);
  const Real sine = std::sqrt(Dot3(axis, axis));
  Normalize3(axis);
  for (Point3* p : {&p1, &p2, &p3}) *p = RotateAboutAxis3(axis, pole.z, sine, *p);
  EXPECT_TRUE(SphereCircumcentre3(p1, p2, p3, out));
  EXPECT_POINT3_NEAR(out, pole, 1e-17L);
}

TEST(SideTests, SphereCircumcentreOfAGreatCircleAndDegenerateInput) {
  // On a great circle the side test fails, so the pole opposite Cross3(B1, B2) is taken.
  Point3 out;
  EXPECT_TRUE(SphereCircumcentre3(Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{-1, 0, 0}, out));
  EXPECT_POINT3_NEAR(out, (Point3{0, 0, -1}), 0);

  const Point3 p{0.6L, 0, 0.8L};
  EXPECT_FALSE(SphereCircumcentre3(p, p, Point3{0, 1, 0}, out));
  EXPECT_FALSE(SphereCircumcentre3(p, -p, Point3{0, 1, 0}, out));
}

}  // namespace

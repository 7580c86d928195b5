// The one-line texts of curves and surfaces.
#include "solid/surface_description.h"

#include <gtest/gtest.h>

#include "sphere_step_fixture.h"

namespace {

using sphere_test::Real;
using sphere_test::SphereStepFixture;

class SurfaceLines : public SphereStepFixture {
 protected:
  // Points A to F, none of them steps: the lines only name them.
  SurfaceLines() {
    for (int i = 0; i < 6; ++i) engine.AddPoint3D({0, 0, static_cast<Real>(i)}, 0, -1);
  }

  // The record appended to the table; its index.
  int Add(std::int16_t kind, std::array<std::int16_t, 4> p, std::array<Real, 4> params = {},
          int sectionMark = 0) {
    kernel::SurfaceRecord& s = engine.solid.surfaces[static_cast<std::size_t>(++engine.solid.last_surface)];
    kernel::InitSurfaceRecord(s, kind, p[0], p[1], params[0], params[1], params[2], params[3], p[2], p[3]);
    s.sectionMark = static_cast<std::uint16_t>(sectionMark);
    return engine.solid.last_surface;
  }
};

TEST_F(SurfaceLines, EachKindHasItsLine) {
  enum : std::int16_t { A, B, C, D, E, F };
  constexpr std::int16_t kNo = -1;
  struct Case {
    std::int16_t kind;
    std::array<std::int16_t, 4> points;
    std::array<Real, 4> params;
    int sectionMark;
    std::string line;
  };
  const std::vector<Case> cases{
      {kernel::kSurfaceSphere, {A, B, kNo, kNo}, {1, -1, 2, 0}, 0, "sphere AB"},
      {kernel::kSurfaceSphere, {A, B, kNo, kNo}, {1, 0, 1, 0}, 0, "hemisphere AB"},
      {kernel::kSurfaceSphere,
       {A, B, kNo, kNo},
       {1, 0.5L, 0.5L, 0},
       0,
       "sphere segment (axis = AB, height = 0.50)"},
      {kernel::kSurfaceDisk, {A, B, C, kNo}, {1, 1, -1, -1}, 0, "disk (radius AC, perp to AB)"},
      {kernel::kSurfaceCircle, {A, B, C, kNo}, {}, 0, "circle (radius AC, perp to AB)"},
      {kernel::kSurfaceLatitudeCircle,
       {A, B, kNo, D},
       {1, 1, 43, -1},
       0,
       "A = circle (latitude 43.00, sphere DB)"},
      {kernel::kSurfaceMeridian,
       {A, B, C, D},
       {1, 0.5L, 30, -1},
       0,
       "AC = meridian (longitude 30.00, sphere AB(D))"},
      {kernel::kSurfaceGreatCircle, {A, kNo, C, D}, {}, 0, "great circle (CD, center A)"},
      {kernel::kSurfaceGreatCircleArc, {A, kNo, C, D}, {}, 0, "great circle (CD, center A)"},
      {kernel::kSurfaceGreatCircleArc2, {A, kNo, C, D}, {}, 0, "great circle (CD, center A)"},
      {kernel::kSurfaceCylinderSphereCurve,
       {A, B, C, D},
       {2, 1, 0, 0},
       0,
       "cylinder (CD, radius 1.00) intersect sphere (A, radius 2.00)"},
      {kernel::kSurfaceEllipse, {A, B, C, D}, {}, 0, "ellipse (center A; vertices CD; plane normal AB)"},
      {kernel::kSurfaceHyperbola, {A, B, C, D}, {}, 0, "hyperbola (center A; vertices CD; plane normal AB)"},
      {kernel::kSurfaceEllipse, {A, B, C, D}, {}, 1, "ellipse (center A)"},  // from a plane section
      {kernel::kSurfaceParabola, {A, B, C, D}, {}, 0, "parabola (focus A; vertex C)"},
      {kernel::kSurfaceSphereDiskArc, {A, B, C, kNo}, {1, 0.25L, 0, 0}, 0, ""},
  };
  for (const Case& c : cases) {
    const int i = Add(c.kind, c.points, c.params, c.sectionMark);
    EXPECT_EQ(solid::DescribeSurface(engine, i), c.line) << c.kind;
  }
  EXPECT_EQ(solid::DescribeSurface(engine, engine.solid.last_surface + 1), "");
  EXPECT_EQ(solid::DescribeSurface(engine, -1), "");
}

TEST_F(SurfaceLines, SolidsNameTheRimsOfTheirBaseDisksAndLongLinesAreCut) {
  const int cylinder = Add(kernel::kSurfaceCylinder, {0, 1, -1, -1});
  Add(kernel::kSurfaceDisk, {0, 1, 4, -1});
  Add(kernel::kSurfaceDisk, {1, 0, 5, -1});
  const int frustum = Add(kernel::kSurfaceFrustum, {0, 1, -1, -1});
  Add(kernel::kSurfaceDisk, {0, 1, 4, -1});
  Add(kernel::kSurfaceDisk, {1, 0, 5, -1});
  const int cone = Add(kernel::kSurfaceCone, {0, 1, -1, -1});
  EXPECT_EQ(solid::DescribeSurface(engine, cylinder), "cylinder (axis AB, radius AE)");
  EXPECT_EQ(solid::DescribeSurface(engine, frustum), "frustum (axis AB, radius1 AE, radius2 BF)");
  // A cone whose base disk is not there yet names no rim point.
  EXPECT_EQ(solid::DescribeSurface(engine, cone), "cone (axis AB, radius A)");
  EXPECT_EQ(solid::DescribeSurface(engine, cylinder, 8), "cylinder");
  EXPECT_EQ(solid::DescribeSurface(engine, cylinder, 0), "");
}

TEST_F(SurfaceLines, TheLineLeavesTheCurrentStepAsItWas) {
  const int sphere = Add(kernel::kSurfaceSphere, {0, 1, -1, -1}, {1, -1, 2, 0});
  kernel::ConstructionRecord& step = engine.history.BeginStep(361, 2, 3);
  step.text[0] = "7";
  engine.history.current = &step;
  EXPECT_EQ(solid::DescribeSurface(engine, sphere), "sphere AB");
  EXPECT_EQ(engine.history.current, &step);
  EXPECT_EQ(step.operands[0], 2);
  EXPECT_EQ(step.text[0], "7");
  engine.history.current = nullptr;
}

}  // namespace

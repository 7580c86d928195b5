#pragma once
// A figure in space as plain data whose executors build spheres, curves on spheres, disks and
// stored surface records; free solids are placed at (10, 0, 0). The text "minus4" evaluates to 2
// with the compiler's result -4, which some steps refuse and others take.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/expr_compiler.h"
#include "engine/step_engine.h"
#include "kernel/vector3.h"
#include "solid/model_tables.h"
#include "solid/solid_step.h"
#include "solid/sphere_curve_steps.h"
#include "solid/sphere_steps.h"
#include "solid/surface_from_record.h"
#include "support/fake_expression_context.h"

namespace sphere_test {

using kernel::Point3;
using kernel::Real;

inline constexpr Point3 kPlacedAt{10, 0, 0};

class SphereExecutors : public engine::StepExecutors {
 public:
  explicit SphereExecutors(solid::ModelTables& model) : model_(model) {}

  int DoSurfaceFromRecord(std::string* out) override {
    return solid::DoSurfaceFromRecord(*engine(), model_, out);
  }
  int DoLatitudeCircle(std::string* out) override { return solid::DoLatitudeCircle(*engine(), model_, out); }
  int DoMeridian(std::string* out) override { return solid::DoMeridian(*engine(), model_, out); }
  int DoGreatCircle(std::string* out) override { return solid::DoGreatCircle(*engine(), model_, out); }
  int DoDisk(std::string* out) override { return solid::DoDisk(*engine(), model_, Place(), out); }
  int DoSphere(std::string* out) override { return solid::DoSphere(*engine(), model_, Place(), out); }
  int DoCircumsphere(std::string* out) override { return solid::DoCircumsphere(*engine(), model_, out); }
  int DoHemisphere(std::string* out) override { return solid::DoHemisphere(*engine(), model_, Place(), out); }
  int DoSphereSegment(std::string* out) override { return solid::DoSphereSegment(*engine(), model_, out); }
  int DoInsphere(std::string* out) override { return solid::DoInsphere(*engine(), model_, out); }
  int DoLatLongPoint(std::string* out) override { return solid::DoLatLongPoint(*engine(), model_, out); }

  // A free point at parameters 1 to 3, for the figures the tests build on.
  int DoPointXYZ(std::string* /*out*/) override {
    solid::SolidStep step(*engine(), model_, {1, 0, 0});
    if (const int code = step.Begin(); code != 0) return code;
    const kernel::ConstructionRecord& r = step.record();
    return step.AddPoint({r.parameters[0], r.parameters[1], r.parameters[2]}, 0) >= 0
               ? 0
               : engine::kMsgNoMoreRoom;
  }

  int EvaluateText(std::string& text, Real& value) override {
    if (text == "minus4") {
      value = 2;
      return -4;
    }
    return StepExecutors::EvaluateText(text, value);
  }

  std::vector<std::pair<Point3, Point3>> placed;  // the extents of the free solids placed

 private:
  solid::PlaceSolid Place() {
    return [this](const Point3& low, const Point3& high) {
      placed.emplace_back(low, high);
      return kPlacedAt;
    };
  }
  solid::ModelTables& model_;
};

class SphereStepFixture : public ::testing::Test {
 protected:
  SphereStepFixture() {
    engine.SetExecutors(&executors);
    engine.compiler = &compiler;
    engine.solid.Allocate();
    engine.number_width = 0;
    engine.number_decimals = 2;
    model.Allocate();
  }

  // Free points of the figure, one step each.
  void Points(const std::vector<Point3>& points) {
    constexpr kernel::StepKind kPointXYZ = 422;
    for (const Point3& p : points) {
      kernel::ConstructionRecord& step = engine.history.BeginStep(kPointXYZ);
      step.parameters[0] = p.x;
      step.parameters[1] = p.y;
      step.parameters[2] = p.z;
      ASSERT_EQ(engine.ExecuteNewStep(nullptr), 0);
    }
  }

  // A new step of the kind with the operands (the others none), text 1 and operand 38; its result.
  int Step(int kind, std::vector<int> operands, const std::string& text = {}, std::string* out = nullptr,
           int object = 1) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(static_cast<kernel::StepKind>(kind));
    for (std::size_t k = 0; k < operands.size(); ++k)
      step.operands[k] = static_cast<std::uint16_t>(operands[k]);
    step.text[0] = text;
    step.operands[38] = static_cast<std::uint16_t>(object);
    return engine.ExecuteNewStep(out);
  }

  std::string Name(int i) const {
    std::string name;
    engine.tables.GetPointName(i, name);
    return name;
  }

  const kernel::SurfaceRecord& Surface(int i) const {
    return engine.solid.surfaces[static_cast<std::size_t>(i)];
  }
  const Point3& At(int i) const { return engine.tables.xyz[static_cast<std::size_t>(i)]; }

  engine_test::FakeExpressionContext context;
  engine::ExpressionCompiler compiler{context};
  engine::StepEngine engine;
  solid::ModelTables model;
  SphereExecutors executors{model};
};

inline void ExpectNear3(const Point3& p, const Point3& q, Real tolerance = 1e-15L) {
  EXPECT_NEAR(p.x, q.x, tolerance);
  EXPECT_NEAR(p.y, q.y, tolerance);
  EXPECT_NEAR(p.z, q.z, tolerance);
}

}  // namespace sphere_test

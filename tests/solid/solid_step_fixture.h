#pragma once
// A figure in space as plain data: a step engine whose executors build the prism or pyramid over a
// handed-over polygon (kind 300) and, for kind 301, a cube of the edge typed as text 1 at a free
// corner, both in the executor frame of the 3-D steps.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/expr_compiler.h"
#include "engine/step_engine.h"
#include "solid/model_tables.h"
#include "solid/prism_pyramid_from_plane.h"
#include "solid/solid_step.h"
#include "support/fake_expression_context.h"

namespace solid_test {

using kernel::Point3;
using kernel::Real;

inline std::string SolidWord(int id) {
  switch (id) {
    case 291: return "pyramid";
    case 292: return "prism";
    case 855: return "from plane";
    case 739: return "cube";
    default: return {};
  }
}

class SolidExecutors : public engine::StepExecutors {
 public:
  explicit SolidExecutors(solid::ModelTables& model) : model_(model) {}

  int DoPrismPyramidFrom2D(std::string* out) override { return solid::PrismPyramidFromPlane(*engine(), model_, out); }

  // A cube of edge a (text 1, positive) with its first corner free at (5, 5, 5) when built.
  int DoBox(std::string* out) override {
    solid::SolidStep step(*engine(), model_, {8, 6, 0});
    if (const int code = step.Begin(); code != 0) return code;
    Real a = 0;
    if (const int code = step.Evaluate(0, a); code != 0) return step.Fail(code);
    if (!(a > 0)) return step.Fail(engine::kMsgPositiveValue);
    const std::uint16_t tag = step.NewSolidTag();
    const int o = step.AddAnchor({5, 5, 5}, tag);
    const Point3 c = step.tables().xyz[o];
    std::array<std::uint16_t, 8> v{static_cast<std::uint16_t>(o)};
    for (int k = 1; k < 8; ++k) {
      const Point3 p{c.x + ((k & 1) ? a : 0), c.y + ((k & 2) ? a : 0), c.z + ((k & 4) ? a : 0)};
      v[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(step.AddPoint(p, tag));
    }
    const std::array<std::array<int, 4>, 6> faces{{{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                                                  {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}}};
    for (const auto& f : faces) {
      const std::array<std::uint16_t, 4> list{v[f[0]], v[f[1]], v[f[2]], v[f[3]]};
      step.AddFace(list, 1);
    }
    std::array<std::int16_t, 6> items{4, 8, ' ', 5, 739, engine::kTemplateEnd};
    step.Describe(out, items);
    return 0;
  }

 private:
  solid::ModelTables& model_;
};

class SolidStepFixture : public ::testing::Test {
 protected:
  SolidStepFixture() {
    engine.LoadWords(&SolidWord);
    engine.SetExecutors(&executors);
    engine.compiler = &compiler;
    engine.solid.Allocate();
    model.Allocate();
  }

  // The square (0,0)-(2,2) handed over with labels A to D, then the prism (height 3) or the
  // pyramid (apex 2 above A) over it as the first step.
  int HandOverSquare(bool prism, std::string* out = nullptr) {
    const std::array<Point3, 4> square{{{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}};
    for (std::size_t i = 0; i < square.size(); ++i) engine.tables.xyz[i] = square[i];
    kernel::ConstructionRecord& step = engine.history.BeginStep(300);
    step.operands[0] = 4;
    for (std::uint16_t i = 0; i < 4; ++i) step.operands[1 + i] = i;
    step.flag = prism ? 1 : 0;
    step.parameters[2] = prism ? 3 : 2;
    return engine.ExecuteNewStep(out);
  }

  int NewCube(const std::string& edge, std::string* out = nullptr) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(301);
    step.text[0] = edge;
    return engine.ExecuteNewStep(out);
  }

  std::string Name(int i) const {
    std::string name;
    engine.tables.GetPointName(i, name);
    return name;
  }

  engine_test::FakeExpressionContext context;
  engine::ExpressionCompiler compiler{context};
  engine::StepEngine engine;
  solid::ModelTables model;
  SolidExecutors executors{model};
};

}  // namespace solid_test

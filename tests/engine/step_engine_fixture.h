#pragma once
// A step engine with the executors a plane window gives it (free points at their stored places,
// the Euclidean triangle solvers), an expression compiler and a small word table.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/expr_compiler.h"
#include "engine/plane_triangle_steps.h"
#include "engine/step_engine.h"
#include "support/fake_expression_context.h"

namespace engine_test {

inline std::string TestWord(int id) {
  static const std::map<int, std::string> words = {
      {56, "rgb"},        {120, "label"},     {146, "color"},     {168, "through"}, {169, "radius"},  {171, "center"},
      {173, "solid"},     {174, "dotted"},    {175, "dashed"},    {176, "dot-dash"}, {177, "dot-dash-dot"},
      {178, "invisible"}, {179, "at"},        {189, "segment"},   {201, "circle"},   {202, "on"},
      {211, "movable"},   {216, "line"},      {219, "line deletion"}, {230, "thickness"}, {231, "style"},
      {250, "chain of circles"}, {251, "ring of circles"}, {252, "ring of congruent circles"},
      {404, "no more room"}, {739, "box"},    {853, "SSS"},       {185, "random triangle"}};
  const auto it = words.find(id);
  return it == words.end() ? std::string() : it->second;
}

class PlaneExecutors : public engine::StepExecutors {
 public:
  // A free point: the coordinates wait in the slot after the last point; operand 0 its label.
  int DoMovablePoint(std::string* out) override {
    engine::StepEngine& e = *engine();
    const int label = e.current()->operands[0] == kernel::kNoOperand ? -1 : e.current()->operands[0];
    if (e.tables.last_point >= engine::kLastPointLimit) return engine::kMsgNoMoreRoom;
    if (e.AddPoint(e.tables.xy[e.tables.last_point + 1], 0, static_cast<std::int16_t>(label)) < 0) {
      return engine::kMsgNoMoreRoom;
    }
    const std::int16_t items[] = {9, -1};
    e.ExpandTemplate(out, items);
    return 0;
  }
  int SolveTrianglePlane() override { return engine::SolveTrianglePlaneStep(*engine()); }
  int SolveTriangleASA() override { return engine::SolveTriangleASAStep(*engine()); }
  void RandomFigureHook(std::uint16_t kind) override { engine::RandomFigureHookStep(*engine(), kind); }
  int DoLibraryPolyhedron(int code, std::string* /*out*/) override {
    library_codes.push_back(code);
    return 0;
  }

  std::vector<int> library_codes;
};

class StepFixture : public ::testing::Test {
 protected:
  StepFixture() {
    engine.LoadWords(&TestWord);
    engine.SetExecutors(&executors);
    engine.compiler = &compiler;
  }

  // A free point at (x, y) made as a new step; its index.
  int FreePoint(kernel::Real x, kernel::Real y) {
    engine.tables.xy[engine.tables.last_point + 1] = {x, y};
    engine.history.BeginStep(121, static_cast<std::int16_t>(engine.tables.FindFreeLabel()));
    EXPECT_EQ(engine.ExecuteNewStep(nullptr), 0);
    return engine.tables.last_point;
  }

  // A new step of the kind with operands 0..5 and texts; the executor's result.
  int NewStep(int kind, std::vector<int> ops, std::vector<std::string> texts = {}, std::string* out = nullptr) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(static_cast<kernel::StepKind>(kind));
    for (std::size_t i = 0; i < ops.size(); ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
    for (std::size_t i = 0; i < texts.size() && i < 3; ++i) step.text[i] = texts[i];
    return engine.ExecuteNewStep(out);
  }

  FakeExpressionContext context;
  engine::ExpressionCompiler compiler{context};
  engine::StepEngine engine;
  PlaneExecutors executors;
};

}  // namespace engine_test

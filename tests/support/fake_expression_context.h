#pragma once
// A stand-in for a geometry window: its measuring hook gives every point label the value stored
// for it here, measures [SEG](PQ) as the distance of two points, and marks unary minus, as the
// windows do.

#include <cmath>
#include <map>
#include <string>

#include "engine/expr_compiler.h"
#include "kernel/number_text.h"

namespace engine_test {

using engine::ExprTokenArray;
using engine::ExprValue;
using engine::Real;
using engine::ValueKind;

class FakeExpressionContext : public engine::ExpressionContext {
 public:
  struct Entry {
    ExprValue value;
    ValueKind kind;
  };

  void SetPoint(int index, Real x, Real y, Real z = 0) { labels[index] = {{x, y, z}, ValueKind::kPoint}; }
  void SetMeasure(int index, Real value, ValueKind kind) { labels[index] = {{value, 0, 0}, kind}; }

  int CompileHook117(ExprTokenArray& /*tokens*/) override {
    ++hook117_calls;
    return hook117_result;
  }

  int CompileHook116(ExprTokenArray& tokens) override {
    for (int i = 0; i < tokens.size(); ++i) {
      if (tokens[i].code == engine::code::kSegment) {
        // "(" SEG P Q ")": the distance of P and Q in place of SEG and its labels.
        const Entry* p = Find(tokens.CodeAt(i + 1));
        const Entry* q = Find(tokens.CodeAt(i + 2));
        if (p == nullptr || q == nullptr) return engine::expr_error::kCannotUnderstand;
        const Real d = std::hypot(p->value.x - q->value.x, p->value.y - q->value.y);
        tokens[i] = engine::MakeValueToken({d, 0, 0}, ValueKind::kLength);
        if (i + 3 < tokens.size()) {
          engine::TokenArrayShift(tokens, i + 1, i + 3);
        } else {
          tokens.Erase(i + 1, i + 3);  // the labels end the array: nothing behind them moves
        }
      } else if (tokens[i].code >= engine::code::kLabelBase) {
        const Entry* e = Find(tokens[i].code);
        if (e == nullptr) return engine::expr_error::kCannotUnderstand;
        tokens[i] = engine::MakeValueToken(e->value, e->kind);
      }
    }
    if (mark_unary_minus) engine::MarkUnaryMinus(tokens);
    return 0;
  }

  bool InNonEuclideanModel() const override { return non_euclidean; }
  Real PixelsPerUnitX() const override { return pixels_per_unit; }
  std::string FormatNumber(Real x) const override { return kernel::FormatLD(x, 0, 2); }
  int Dimension() const override { return dimension; }

  std::map<int, Entry> labels;
  bool mark_unary_minus = true;
  bool non_euclidean = false;
  Real pixels_per_unit = 40;
  int dimension = 2;
  int hook117_result = 0;
  int hook117_calls = 0;

 private:
  const Entry* Find(std::uint16_t code) const {
    if (code < engine::code::kLabelBase) return nullptr;
    const auto it = labels.find(code - engine::code::kLabelBase);
    return it == labels.end() ? nullptr : &it->second;
  }
};

}  // namespace engine_test

#include "engine/expr_evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/expr_compiler.h"
#include "support/fake_expression_context.h"
#include "kernel/constants.h"
#include "support/extended_expect.h"

namespace {

using engine::ExpressionCompiler;
using engine::ExprValue;
using engine::Real;
using engine::ValueKind;
using engine_test::FakeExpressionContext;
namespace err = engine::expr_error;

class ExprEvaluatorTest : public ::testing::Test {
 protected:
  int Compile(std::string text) { return compiler.CompileExpression(text, value); }

  FakeExpressionContext context;
  ExpressionCompiler compiler{context};
  ExprValue value;
};

constexpr int kNumber = 0;
constexpr int kAngle = -static_cast<int>(ValueKind::kAngle);
constexpr int kGeneral = -static_cast<int>(ValueKind::kGeneral);

TEST_F(ExprEvaluatorTest, FunctionsMatchTheirClosedForms) {
  const struct {
    const char* text;
    Real expected;
    int result;
  } cases[] = {
      {"[SIN](30)", 0.5L, kNumber},
      {"[COS](60)", 0.5L, kNumber},
      {"[TAN](45)", 1, kNumber},
      {"[SEC](60)", 2, kNumber},
      {"[CSC](30)", 2, kNumber},
      {"[COT](45)", 1, kNumber},
      {"[ARCSIN](0.5)", 30, kAngle},
      {"[ARCCOS](0.5)", 60, kAngle},
      {"[ARCTAN](1)", 45, kAngle},
      {"[ARCCOT](1)", 45, kAngle},
      {"[ARCCOT](0)", 90, kAngle},
      {"[ARCSEC](2)", 60, kGeneral},
      {"[ARCCSC](2)", 30, kGeneral},
      {"[SINR]([PI]/6)", 0.5L, kNumber},
      {"[COSR]([PI]/3)", 0.5L, kNumber},
      {"[TANR]([PI]/4)", 1, kNumber},
      {"[SECR]([PI]/3)", 2, kNumber},
      {"[CSCR]([PI]/6)", 2, kNumber},
      {"[COTR]([PI]/4)", 1, kNumber},
      {"[ARCSINR](1)", kernel::Pi / 2, kAngle},
      {"[ARCCOSR](-1)", kernel::Pi, kAngle},
      {"[ARCTANR](1)", kernel::Pi / 4, kAngle},
      {"[ARCCOTR](1)", kernel::Pi / 4, kAngle},
      {"[ARCSECR](2)", kernel::Pi / 3, kGeneral},
      {"[ARCCSCR](-2)", -kernel::Pi / 6, kGeneral},
      {"[LN]([EXP](2))", 2, kNumber},
      {"[LOG](1000)", 3, kNumber},
      {"[ABS](-2.5)", 2.5L, kNumber},
      {"[SQ](3)", 9, kGeneral},
      {"[SQRT](2)", kernel::Sqrt2, kGeneral},
      {"[SGN](0)", 1, kNumber},
      {"[SGN](-0.1)", -1, kNumber},
      {"[INT](-2.5)", -3, kNumber},
      {"[FRAC](-2.5)", 0.5L, kNumber},
      {"[PIXELS](2)", 80, kGeneral},
      {"2^0.5", kernel::Sqrt2, kNumber},
      {"2^(0-1)", 0.5L, kNumber},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Compile(c.text), c.result) << c.text;
    // The angle factors are double-precision values: about 16 digits.
    EXPECT_REAL_NEAR(value.x, c.expected, 1e-15L * std::fmax(1, std::fabs(c.expected))) << c.text;
  }
}

TEST_F(ExprEvaluatorTest, DomainErrorsFailTheEvaluation) {
  for (const char* text : {"[LN](0)", "[LOG](-1)", "[SQRT](-1)", "[ARCSIN](1.5)", "[ARCCOS](-1.01)",
                           "[ARCSINR](2)", "[ARCSEC](0.5)", "[ARCCSCR](0.5)", "[TAN](90)",
                           "[TANR](1.5707963267948966)", "[SEC](90)", "[COT](0)", "[CSCR](0)", "1/0",
                           "1:(2-2)", "(0-8)^(1/3)", "0^(0-1)", "0^(-1)"}) {
    EXPECT_EQ(Compile(text), err::kEvaluationFailed) << text;
    EXPECT_EQ(value.x, 0) << text;
  }
}

TEST_F(ExprEvaluatorTest, GuardsKeepResultsFinite) {
  const struct {
    const char* text;
    int result;
    Real expected;
  } cases[] = {
      {"10^19", err::kEvaluationFailed, 0},   // beyond e^42
      {"10^18", kNumber, 1e18L},
      {"2^62", err::kEvaluationFailed, 0},
      {"1/10^17", kNumber, 0},                // flushed below 1e-16
      {"10^(0-17)", kNumber, 1e-17L},         // a computed power is not flushed
      {"[EXP](5000)", err::kEvaluationFailed, 0},
      {"[EXP](-5000)", kNumber, 0},
      {"0^0", kNumber, 1},
      {"(-2)^3", kNumber, -8},
      {"(-2)^2.0000000000000001", kNumber, 4},  // near an integer: an integer power
      {"0^2.5", kNumber, 0},
      {"[SQ](10^18)", kGeneral, 1e36L},      // the square is not guarded
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Compile(c.text), c.result) << c.text;
    EXPECT_REAL_NEAR(value.x, c.expected, std::fabs(c.expected) * 1e-15L) << c.text;
  }
}

TEST_F(ExprEvaluatorTest, KindsFollowTheOperands) {
  context.SetMeasure(0, 3, ValueKind::kLength);   // A
  context.SetMeasure(1, 4, ValueKind::kLength);   // B
  context.SetMeasure(2, 30, ValueKind::kAngle);   // C
  context.SetMeasure(3, 6, ValueKind::kArea);     // D
  const struct {
    const char* text;
    ValueKind kind;
  } cases[] = {
      {"A+B", ValueKind::kLength},  {"A+C", ValueKind::kGeneral}, {"2A", ValueKind::kLength},
      {"A*2", ValueKind::kLength},  {"A*B", ValueKind::kGeneral}, {"A/2", ValueKind::kLength},
      {"A/B", ValueKind::kNumber},  {"D/A", ValueKind::kGeneral}, {"2/A", ValueKind::kGeneral},
      {"-C", ValueKind::kAngle},    {"A^2", ValueKind::kNumber},  {"[SIN](C)", ValueKind::kNumber},
      {"[MAX](C,A)", ValueKind::kLength}, {"[MIN](A,C)", ValueKind::kAngle},
  };
  for (const auto& c : cases) EXPECT_EQ(Compile(c.text), -static_cast<int>(c.kind)) << c.text;
}

TEST_F(ExprEvaluatorTest, SlopeAndEquationOfTwoPoints) {
  context.SetPoint(0, 0, 1);   // A
  context.SetPoint(1, 1, 3);   // B
  context.SetPoint(2, 1, 5);   // C
  EXPECT_EQ(Compile("[EQN](A,B)"), -static_cast<int>(ValueKind::kLine));
  EXPECT_EQ(value.x, 2);
  EXPECT_EQ(value.y, 1);
  EXPECT_EQ(Compile("[EQN](B,C)"), -static_cast<int>(ValueKind::kVerticalLine));
  EXPECT_EQ(value.x, 1);
  EXPECT_EQ(Compile("[SLOPE](B,C)"), -static_cast<int>(ValueKind::kUndefinedSlope));
  EXPECT_EQ(value.x, 1);
  EXPECT_EQ(Compile("[SLOPE](A,B)"), 0);
  EXPECT_EQ(value.x, 2);
}

TEST_F(ExprEvaluatorTest, UnboundCodesEvaluateToZero) {
  engine::ExprNode slice{engine::code::kSlice, {5, 5, 5}, ValueKind::kGeneral, nullptr, nullptr};
  engine::ExprNode arg{engine::code::kValue, {2, 0, 0}, ValueKind::kNumber, nullptr, nullptr};
  slice.right = &arg;
  EXPECT_TRUE(engine::Evaluate(&slice, 1));
  EXPECT_EQ(slice.value.x, 0);
  EXPECT_EQ(slice.value.y, 0);
  EXPECT_EQ(slice.kind, ValueKind::kGeneral);
  EXPECT_TRUE(engine::Evaluate(nullptr, 1));
}

}  // namespace

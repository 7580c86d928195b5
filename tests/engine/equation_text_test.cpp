#include "engine/equation_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_expression_context.h"

namespace {

using engine::ExpressionCompiler;
using engine::ValueKind;
using engine_test::FakeExpressionContext;

class EquationTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context.SetPoint(0, 0, 1);    // A
    context.SetPoint(1, 1, 3);    // B
    context.SetPoint(2, 1, 0);    // C
    context.SetPoint(3, 1, 5);    // D
    context.SetPoint(4, 0, -3);   // E
    context.SetPoint(5, 2, -3);   // F
    context.SetPoint(6, 1, 1);    // G
    context.SetMeasure(7, 2, ValueKind::kArea);           // H
    context.SetMeasure(8, 30, ValueKind::kDihedralAngle); // I
    context.SetMeasure(9, 1.5L, ValueKind::kSolidAngle);  // J
    context.SetPoint(10, 2, 3);   // K
    context.SetPoint(11, 0, 0);   // L
  }
  std::string Text(const char* expression, int expected_result) {
    std::string out;
    EXPECT_EQ(engine::FormatEquation(compiler, expression, out), expected_result) << expression;
    return out;
  }

  FakeExpressionContext context;
  ExpressionCompiler compiler{context};
};

TEST_F(EquationTextTest, ValuesPointsVectorsAndLines) {
  const struct {
    const char* expression;
    int result;
    const char* text;
  } cases[] = {
      {"1+1", 0, " = 2.00"},
      {"[EQN](A,B)", -7, " : y = 2.00x+ 1.00"},
      {"[EQN](C,D)", -8, " : x = 1.00"},
      {"[EQN](E,F)", -7, " : y = -3.00"},
      {"[EQN](A,G)", -7, " : y = 1.00"},
      {"[EQN](C,K)", -7, " : y = 3.00x- 3.00"},
      {"[EQN](L,B)", -7, " : y = 3.00x"},
      {"[SLOPE](A,B)", 0, " = 2.00"},
      {"[SLOPE](C,D)", -10, " = undefined"},
      {"[LN](0)", 36, " = undefined"},
      {"1+", 6, " = undefined"},
      {"B", -4, " = (1.00,3.00)"},
      {"B-A", -12, " = [1.00,2.00]"},
      {"[ARCTAN](1)", -3, " = 45.00"},
      {"H", -2, " = 2.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(Text(c.expression, c.result), c.text) << c.expression;
}

TEST_F(EquationTextTest, ThirdCoordinateInSpace) {
  context.dimension = 3;
  context.SetPoint(0, 1, 2, 3);
  EXPECT_EQ(Text("A", -4), " = (1.00,2.00,3.00)");
  EXPECT_EQ(Text("A-A", -12), " = [0.00,0.00,0.00]");
}

TEST_F(EquationTextTest, UnitsNameTheKind) {
  compiler.settings.show_units = true;
  const std::string degree(1, engine::kDegreeCharacter);
  EXPECT_EQ(Text("[ARCTAN](1)", -3), " = 45.00" + degree);
  EXPECT_EQ(Text("[SEG](AB)", -1), " = 2.24 [length]");
  EXPECT_EQ(Text("H", -2), " = 2.00 [area]");
  EXPECT_EQ(Text("I", -5), " = 30.00" + degree + " [dihedral]");
  EXPECT_EQ(Text("J", -11), " = 1.50 sr");
  EXPECT_EQ(Text("2", 0), " = 2.00");
}

TEST_F(EquationTextTest, CallersTextIsNotChanged) {
  const std::string expression = " 1 + 1 ";
  std::string out;
  EXPECT_EQ(engine::FormatEquation(compiler, expression, out), 0);
  EXPECT_EQ(expression, " 1 + 1 ");
}

}  // namespace

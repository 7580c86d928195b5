#include "engine/expr_compiler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/expr_text_passes.h"
#include "support/fake_expression_context.h"
#include "kernel/constants.h"
#include "support/extended_expect.h"  // IWYU pragma: keep

namespace {

using engine::ExpressionCompiler;
using engine::ExprValue;
using engine::Real;
using engine::ValueKind;
using engine_test::FakeExpressionContext;
namespace err = engine::expr_error;

constexpr int kP = 15;
constexpr int kI = 8;
constexpr int kA = 0;
constexpr int kB = 1;
constexpr int kA1 = 52;  // A_1

std::string Char(int code) { return std::string(1, static_cast<char>(code)); }

class ExprCompilerTest : public ::testing::Test {
 protected:
  int Compile(std::string text) { return compiler.CompileExpression(text, value); }
  Real ValueOf(std::string text) {
    const int r = Compile(std::move(text));
    EXPECT_LE(r, 0) << "error " << r;
    return value.x;
  }

  FakeExpressionContext context;
  ExpressionCompiler compiler{context};
  ExprValue value;
};

TEST_F(ExprCompilerTest, ArithmeticTableGivesItsValues) {
  const struct {
    std::string text;
    Real expected;
  } cases[] = {
      {"((1))", 1},       {"(1)+(2)", 3},        {"2(3)", 6},         {"(2)(3)", 6},
      {"[MAX](1,5,3)", 5}, {"[MIN](1,5,3)", 1}, {"8/4/2", 1},        {"8:4", 2},
      {"2^3^2", 512},     {"-2^2", -4},          {"2*-3", -6},        {"1+2*3", 7},
      {"(1+2)*3", 9},     {"2 + 3 * 4", 14},     {"1.2.3", 1.2L},     {"10-4-3", 3},
      {"[SIN](30)^2*4", 1}, {"[sq](3)", 9},      {"3[sqrt](16)", 12}, {"[ABS](-2)+1", 3},
      {"[MAX](1,5)[MIN](2,3)", 10},              {"--2", 2},          {"2" + Char(253), 4},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(ValueOf(c.text)), static_cast<double>(c.expected), 1e-15) << c.text;
  }
}

TEST_F(ExprCompilerTest, ErrorTableGivesEachFailureItsNumber) {
  const struct {
    std::string text;
    int error;
  } cases[] = {
      {"", err::kEmptyText},
      {"()", err::kEmptyText},
      {"  ", err::kEmptyText},
      {")(", err::kMismatch},
      {"(1", err::kMismatch},
      {"[MAX](4)", err::kCannotUnderstand},
      {"[SLOPE](A,B,A)", err::kCannotUnderstand},
      {"[FOO](1)", err::kCannotUnderstand},
      {"[SIN", err::kCannotUnderstand},
      {"1,2", err::kCannotUnderstand},
      {"[SIN](1,2)", err::kCannotUnderstand},
      {"1]", err::kCannotUnderstand},
      {"1>2", err::kCannotUnderstand},
      {"2^-2", err::kInconsistentData},
      {"[MAX](1,-2)", err::kInconsistentData},
      {"1++2", err::kInconsistentData},
      {"1+", err::kInconsistentData},
      {"[SIN]", err::kInconsistentData},
      {"A123", err::kNothingToDo},  // not a label: the run goes and nothing is left
      {"[LN](0)", err::kEvaluationFailed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Compile(c.text), c.error) << c.text;
    EXPECT_EQ(value.x, 0) << c.text;
  }
}

TEST_F(ExprCompilerTest, UnaryMinusNeedsTheWindowsHook) {
  context.mark_unary_minus = false;
  EXPECT_EQ(Compile("-2"), err::kInconsistentData);
  context.mark_unary_minus = true;
  EXPECT_EQ(Compile("-2"), 0);
  EXPECT_EQ(value.x, -2);
}

TEST_F(ExprCompilerTest, ConstantsAreTheProgramsWidenedDoubles) {
  // pi and pi/180 are the double-precision values widened, bit for bit, not the 80-bit ones.
  const Real pi = ValueOf("[PI]");
  EXPECT_EQ(std::memcmp(&pi, &kernel::Pi, 10), 0);
  EXPECT_NE(pi, 3.14159265358979323846264338327950288L);
  EXPECT_EQ(ValueOf(Char(227)), kernel::Pi);
  EXPECT_EQ(ValueOf("[RAD]"), static_cast<Real>(0.017453292519943295));
  EXPECT_EQ(ValueOf("[PHI]"), kernel::GoldenRatio);
  EXPECT_EQ(ValueOf(Char(232)), kernel::GoldenRatio);
  EXPECT_EQ(ValueOf("2[PI]"), 2 * kernel::Pi);
}

TEST_F(ExprCompilerTest, AnimationParametersGiveTheirCurrentValues) {
  EXPECT_EQ(ValueOf("#"), static_cast<Real>(2) / 3);
  EXPECT_EQ(ValueOf("$"), static_cast<Real>(1) / 3);
  EXPECT_EQ(ValueOf("@+&+%+?"), 2);
  EXPECT_EQ(ValueOf("[TIME]"), 0);
  compiler.settings.parameters[6].value = 5;
  EXPECT_EQ(ValueOf("2[T]"), 10);
  EXPECT_EQ(ValueOf("[TIME]#"), 5 * (static_cast<Real>(2) / 3));
}

TEST_F(ExprCompilerTest, LabelsAreMeasuredByTheWindowsHook) {
  context.SetMeasure(kA1, 7, ValueKind::kLength);
  context.SetMeasure(kP, 3, ValueKind::kNumber);
  context.SetMeasure(kI, 5, ValueKind::kNumber);
  EXPECT_EQ(Compile("a1"), -1);
  EXPECT_EQ(value.x, 7);
  EXPECT_EQ(Compile("A_1"), -1);
  EXPECT_EQ(value.x, 7);
  // 2PI is 2 times the points P and I; 2[PI] is 2 pi.
  EXPECT_EQ(ValueOf("2PI"), 30);
  EXPECT_EQ(Compile("B"), err::kCannotUnderstand);  // the hook knows no B
  EXPECT_EQ(context.hook117_calls, 4);
}

TEST_F(ExprCompilerTest, LabelLeftByTheHooksIsRefused) {
  struct SilentContext : FakeExpressionContext {
    int CompileHook116(engine::ExprTokenArray&) override { return 0; }
  } silent;
  ExpressionCompiler plain(silent);
  std::string text = "A+1";
  EXPECT_EQ(plain.CompileExpression(text, value), err::kInconsistentData);
}

TEST_F(ExprCompilerTest, HookErrorEndsTheCompilation) {
  context.hook117_result = err::kCannotUnderstand;
  EXPECT_EQ(Compile("1"), err::kCannotUnderstand);
}

TEST_F(ExprCompilerTest, MeasuringKeywordReachesTheHookWithItsLabels) {
  context.SetPoint(kA, 0, 0);
  context.SetPoint(kB, 3, 4);
  EXPECT_EQ(Compile("[SEG](AB)"), -static_cast<int>(ValueKind::kLength));
  EXPECT_EQ(value.x, 5);
  EXPECT_EQ(Compile("2[seg](ab)"), -static_cast<int>(ValueKind::kLength));
  EXPECT_EQ(value.x, 10);
  EXPECT_EQ(Compile("2[seg](ab)+1"), -static_cast<int>(ValueKind::kGeneral));  // unlike kinds
  EXPECT_EQ(value.x, 11);
}

TEST_F(ExprCompilerTest, PointsAndVectorsKeepAllCoordinates) {
  context.SetPoint(kA, 1, 2);
  context.SetPoint(kB, 4, 6);
  const auto expect = [&](const char* text, ValueKind kind, Real x, Real y) {
    EXPECT_EQ(Compile(text), -static_cast<int>(kind)) << text;
    EXPECT_REAL_NEAR(value.x, x, 1e-18L) << text;
    EXPECT_REAL_NEAR(value.y, y, 1e-18L) << text;
  };
  expect("A", ValueKind::kPoint, 1, 2);
  expect("B-A", ValueKind::kVector, 3, 4);
  expect("-A", ValueKind::kPoint, -1, -2);
  expect("-(B-A)", ValueKind::kVector, -3, -4);
  expect("2A", ValueKind::kPoint, 2, 4);
  expect("A*3", ValueKind::kPoint, 3, 6);
  expect("A/2", ValueKind::kPoint, 0.5L, 1);
  expect("2(B-A)", ValueKind::kVector, 6, 8);
  expect("(B-A)/2", ValueKind::kVector, 1.5L, 2);
  expect("A+B", ValueKind::kPoint, 5, 8);
  expect("[SLOPE](A,B)", ValueKind::kNumber, static_cast<Real>(4) / 3, static_cast<Real>(2) / 3);
  EXPECT_EQ(Compile("A*B"), err::kEvaluationFailed);
  EXPECT_EQ(Compile("1/A"), err::kEvaluationFailed);
  EXPECT_EQ(Compile("A^2"), err::kEvaluationFailed);
  EXPECT_EQ(Compile("(B-A)^2"), err::kEvaluationFailed);
}

TEST_F(ExprCompilerTest, VerticalBarIsRefusedOutsideTheEuclideanModel) {
  // In the Euclidean plane the bar reaches the hooks; this window has no meaning for it.
  EXPECT_EQ(Compile("|1"), err::kInconsistentData);
  context.non_euclidean = true;
  EXPECT_EQ(Compile("|1"), err::kCannotUnderstand);
}

TEST_F(ExprCompilerTest, CallersTextLosesItsBlanksOnly) {
  std::string text = " 1 + a 1 ";
  context.SetMeasure(kA1, 2, ValueKind::kNumber);
  EXPECT_EQ(compiler.CompileExpression(text, value), 0);
  EXPECT_EQ(text, "1+a1");
  EXPECT_EQ(value.x, 3);
}

TEST_F(ExprCompilerTest, ParseNumberGivesXOrTheError) {
  Real out = 99;
  std::string text = "3*4";
  EXPECT_EQ(compiler.ParseNumber(text, out), 0);
  EXPECT_EQ(out, 12);
  context.SetMeasure(kA, 2, ValueKind::kLength);
  text = "A";
  EXPECT_EQ(compiler.ParseNumber(text, out), 0);
  EXPECT_EQ(out, 2);
  text = "1/0";
  EXPECT_EQ(compiler.ParseNumber(text, out), err::kEvaluationFailed);
  EXPECT_EQ(out, 2);
}

TEST_F(ExprCompilerTest, TextLengthIsBoundedBeforeAndAfterImplicitProducts) {
  std::string sum = "1";
  while (sum.size() < engine::kMaxExpressionLength) sum += "+1";
  ASSERT_EQ(sum.size(), 1985u);
  EXPECT_EQ(ValueOf(sum), 993);
  EXPECT_EQ(Compile("1" + sum), err::kTooLong);
  // 1985 pi signs need 1984 more "*" tokens than the array can take.
  EXPECT_EQ(Compile(std::string(engine::kMaxExpressionLength, static_cast<char>(227))), err::kTooLong);
  // n parameters in a row make 2n - 1 tokens once multiplied: 1000 fit, 1001 do not.
  EXPECT_EQ(Compile(std::string(1000, '#')), 0);
  EXPECT_EQ(value.x, 0);  // (2/3)^1000 falls below the flush bound
  EXPECT_EQ(Compile(std::string(1001, '#')), err::kTooLong);
}

TEST_F(ExprCompilerTest, UserFunctionsAreExpandedBeforeCompiling) {
  compiler.settings.user_functions = {{"X^2", "F"}, {"[F](X)+1", "G"}};
  EXPECT_EQ(ValueOf("[F](2)"), 4);
  EXPECT_EQ(ValueOf("[g](3)"), 10);
  EXPECT_EQ(ValueOf("[F](1+2)*[F](2)"), 36);
}

TEST(ExpandUserFunctions, SubstitutesTheArgumentForEachFreeX) {
  const std::vector<engine::UserFunction> functions = {
      {"X^2", "F"}, {"[EXP](X)+[MAX](X,1)+[X](A)", "H"}, {"[MAXX](X)", "K"}, {"X", "MAXX"}};
  const struct {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"[F](2)", "((2)^2)"},
      {"[F](2)+[F](A)", "((2)^2)+((A)^2)"},
      {"[H](2)", "([EXP]((2))+[MAX]((2),1)+[X](A))"},
      {"[K](1)", "([MAXX]((1)))"},
      {"[F]2", "[F]2"},    // not a call
      {"[F](2", "[F](2"},  // unmatched
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(engine::ExpandUserFunctions(text, functions), 0) << c.text;
    EXPECT_EQ(text, c.expanded) << c.text;
  }
}

TEST(ExpandUserFunctions, RunawayExpansionStopsOutOfBounds) {
  const std::vector<engine::UserFunction> recursive = {{"[R](X)+X", "R"}};
  std::string text = "[R](1)";
  EXPECT_EQ(engine::ExpandUserFunctions(text, recursive), engine::expr_error::kOutOfBounds);
  EXPECT_LT(text.size(), engine::kExpandedTextLimit);

  // A body naming more functions with an X than can be kept aside.
  std::vector<engine::UserFunction> many;
  std::string body;
  for (int i = 0; i < 19; ++i) {
    const std::string name = "X" + std::string(1, static_cast<char>('A' + i));
    many.push_back({"X", name});
    body += "[" + name + "](1)+";
  }
  many.push_back({body + "[EXP](X)", "BIG"});
  text = "[BIG](1)";
  EXPECT_EQ(engine::ExpandUserFunctions(text, many), engine::expr_error::kOutOfBounds);
  many.erase(many.begin());
  many.back().body = body.substr(body.find('+') + 1) + "[EXP](X)";
  text = "[BIG](1)";
  EXPECT_EQ(engine::ExpandUserFunctions(text, many), 0);
}

TEST(ExprTextPasses, RewritesBeforeTokenizing) {
  const struct {
    std::string text;
    std::string rewritten;
  } cases[] = {
      {"((1))", "1"},
      {"(1)+(2)", "(1)+(2)"},
      {"()", ""},
      {"[SEG](AB)", Char(194) + "AB"},
      {"[SEG](AB)+1", "(" + Char(194) + "AB)+1"},
      {"[PIE](A)<<B->C", "(" + Char(190) + "A)" + Char(250) + "B" + Char(249) + "C"},
      {"2" + Char(253) + "[SQRT](2)", "2^2" + Char(251) + "(2)"},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    engine::ReplaceMeasuringKeywords(text);
    engine::StripOuterParens(text);
    EXPECT_EQ(engine::RewriteSquares(text), 0) << c.text;
    EXPECT_EQ(text, c.rewritten) << c.text;
  }
}

}  // namespace

namespace {

TEST(ExprFunctionTable, NamesAndCodesLookUpBothWays) {
  EXPECT_EQ(engine::FunctionCode("SQRT"), engine::code::kSqrt);
  EXPECT_EQ(engine::FunctionCode("SQR"), engine::code::kSqrt);
  EXPECT_EQ(engine::FunctionIndex(engine::code::kSqrt), 15);  // the first of the two names
  EXPECT_EQ(engine::FunctionCode("T"), engine::FunctionCode("TIME"));
  EXPECT_EQ(engine::FunctionCode("sin"), 0);  // names are matched exactly
  EXPECT_EQ(engine::FunctionCode("SI"), 0);
  EXPECT_EQ(engine::FunctionIndex(engine::code::kPixels), 47);
  EXPECT_EQ(engine::FunctionIndex(engine::code::kUnaryMinus), -1);
}

}  // namespace

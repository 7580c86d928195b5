// Measuring terms in the expressions of the plane windows: lengths, areas, angles, arcs, sectors,
// lattice counts and the hyperbolic measures, on the current figure.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/expr_tokens.h"
#include "kernel/real.h"
#include "plane/measuring_terms.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Real;
using plane_test::PlaneWindow;

using MeasuringTerms = IsolatedFolders;

const Real kPi = std::acos(static_cast<Real>(-1));

// A(0,0) B(3,0) C(3,4): the 3-4-5 triangle; D(1,0) E(0,1): a right angle at A; F(2,0) G(0,2):
// a quarter circle of radius 2 about A; H(2,2) closes the square AFHG.
void Fixture(PlaneWindow& w) {
  for (auto [x, y] : std::vector<std::pair<Real, Real>>{{0, 0}, {3, 0}, {3, 4}, {1, 0}, {0, 1}, {2, 0}, {0, 2}, {2, 2}})
    w.FreePoint(x, y);
}

struct Result {
  int code;
  engine::ExprValue value;
};

Result Compile(PlaneWindow& w, std::string text) {
  Result r;
  r.code = w.CompileExpression(text, r.value);
  return r;
}

constexpr int kLength = -1;
constexpr int kArea = -2;
constexpr int kAngle = -3;
constexpr int kPoint = -4;
constexpr int kNumber = 0;
// A value of whatever kind the evaluator gives.
constexpr int kAnyKind = -100;

struct TermCase {
  const char* text;
  int code;
  Real value;
};

void ExpectCases(PlaneWindow& w, const std::vector<TermCase>& cases) {
  for (const TermCase& c : cases) {
    SCOPED_TRACE(c.text);
    const Result r = Compile(w, c.text);
    if (c.code == kAnyKind) {
      EXPECT_LE(r.code, 0);
    } else {
      EXPECT_EQ(r.code, c.code);
    }
    if (c.code <= 0) {
      EXPECT_NEAR(static_cast<double>(r.value.x), static_cast<double>(c.value), 1e-12);
    }
  }
}

TEST_F(MeasuringTerms, EuclideanMeasuresOfTheFixture) {
  PlaneWindow w(0);
  Fixture(w);
  ExpectCases(w, {
                     {"[PIE](5)", kArea, 25 * kPi},
                     {"[SECTOR](5)", kArea, 25 * kPi},
                     {"[SEG](5)", kArea, 25 * kPi},
                     {"[CIR](5)", kLength, 10 * kPi},
                     {"AC", kLength, 5},
                     {"CA", kLength, 5},
                     {"[CIR](AC)", kLength, 10 * kPi},
                     {"[PIE](CA)", kArea, 25 * kPi},
                     {"<DAE", kAngle, 90},
                     {"<EAD", kAngle, -90},
                     {"[ARC](FAG)", kLength, kPi},
                     {"[PIE](FAG)", kArea, kPi},
                     {"[SEG](FAG)", kArea, kPi - 2},
                     {"[PER](ABC)", kLength, 12},
                     {"ABC", kArea, 6},
                     {"[PER](A->C)", kLength, 12},
                     {"[X](C)", kNumber, 3},
                     {"[Y](C)", kNumber, 4},
                     {"[PICKI](AFHG)", kLength, 1},
                     {"[PICKB](AFHG)", kLength, 8},
                     // The angle from the direction of AB to that of DE.
                     {"AB|DE", kAngle, 135},
                     // Measures are numbers the rest of the expression works with.
                     {"2*AC+1", kAnyKind, 11},
                     {"-AC", kLength, -5},
                     {"(AC)", kLength, 5},
                 });
  const Result point = Compile(w, "C");
  EXPECT_EQ(point.code, kPoint);
  EXPECT_EQ(point.value.x, 3);
  EXPECT_EQ(point.value.y, 4);
}

TEST_F(MeasuringTerms, NegativeAnglesFollowTheWindowsOptions) {
  PlaneWindow w(0);
  Fixture(w);
  struct Option {
    bool nonNegative, counterclockwise;
    Real angle, arc;
  };
  // <EAD turns clockwise by a right angle; [ARC](GAF) likewise, radius 2.
  for (const Option& o : std::vector<Option>{{false, false, -90, kPi},
                                             {false, true, -90, kPi},
                                             {true, true, 270, 3 * kPi},
                                             {true, false, 90, kPi}}) {
    SCOPED_TRACE(testing::Message() << o.nonNegative << o.counterclockwise);
    w.angleOptions = {o.nonNegative, o.counterclockwise};
    ExpectCases(w, {{"<EAD", kAngle, o.angle}, {"[ARC](GAF)", kLength, o.arc}, {"<DAE", kAngle, 90}});
  }
}

TEST_F(MeasuringTerms, MalformedTermsAndMissingPoints) {
  PlaneWindow w(0);
  Fixture(w);
  ExpectCases(w, {
                     {"[PIE](-1)", 1, 0},
                     {"[X](AB)", 1, 0},
                     {"[Y]()", 1, 0},
                     {"AB|C", 1, 0},
                     {"[PER](AB)", 1, 0},
                     {"[SEG](AB)", 1, 0},
                     {"[PIE](ABCD)", 1, 0},
                     {"<AB", 1, 0},
                     {"[CIR](ABC)", 1, 0},
                     // Z names no point; a range through labels no point holds.
                     {"AZ", 54, 0},
                     {"[PER](A->K)", 54, 0},
                     {"A->", 6, 0},
                     {"[PER](->B)", 6, 0},
                     // After a failure later terms are not measured; the last failure decides.
                     {"AZ+[X](AB)", 54, 0},
                     {"[X](AB)+AZ", 54, 0},
                 });
  // A point that was deleted: every term naming it fails, the others still measure.
  w.tables().exists[2] = 0;
  ExpectCases(w, {{"[PER](A->C)", 54, 0}, {"<BCA", 54, 0}, {"AB", kLength, 3}});
}

TEST_F(MeasuringTerms, ATermNamesAtMostAHundredPoints) {
  PlaneWindow w(0);
  for (int i = 0; i < 102; ++i) w.FreePoint(std::cos(i * kPi / 51), std::sin(i * kPi / 51));
  // A to V_2 are the first hundred labels, W_2 the hundred and first.
  const Real perimeter = 198 * std::sin(kPi / 102) + 2 * std::sin(3 * kPi / 102);
  ExpectCases(w, {{"[PER](A->V_2)", kLength, perimeter}, {"[PER](A->W_2)", 17, 0}});
}

TEST_F(MeasuringTerms, LatticeCountsOnlyInTheEuclideanPlaneAndOnlyOverPolygonsThatCanBeScanned) {
  PlaneWindow euclidean(0);
  euclidean.FreePoint(0, 0);
  euclidean.FreePoint(1e6, 0);
  euclidean.FreePoint(0, 1e6);
  // A triangle far too large to scan is refused, not counted as empty.
  ExpectCases(euclidean, {{"[PICKB](ABC)", 17, 0}, {"[PICKI](ABC)", 17, 0}});

  PlaneWindow hyperbolic(1);
  hyperbolic.FreePoint(0, 0);
  hyperbolic.FreePoint(0.5, 0);
  hyperbolic.FreePoint(0, 0.5);
  ExpectCases(hyperbolic, {{"[PICKI](ABC)", 1, 0}, {"[PICKB](ABC)", 1, 0}});
}

TEST_F(MeasuringTerms, HyperbolicMeasuresOfTheDisk) {
  PlaneWindow w(1);
  w.FreePoint(0, 0);
  w.FreePoint(0.5, 0);
  w.FreePoint(0, 0.5);
  const Real d = std::log(static_cast<Real>(3));  // the distance of the centre and a point at radius 1/2
  const Real parallelism = 2 * std::atan(std::exp(-d)) * 180 / kPi;
  ExpectCases(w, {
                     {"AB", kLength, d},
                     {"[ANGP](AB)", kAngle, parallelism},
                     {"[ANGPR](AB)", kAngle, parallelism * kPi / 180},
                     {"[CIR](AB)", kLength, 2 * kPi * std::sinh(d)},
                     {"[CIR](5)", kLength, 10 * kPi},
                     {"[PIE](AB)", kArea, 4 * kPi * std::sinh(d / 2) * std::sinh(d / 2)},
                     {"[PIE](BAC)", kArea, kPi * std::sinh(d / 2) * std::sinh(d / 2)},
                     {"[ARC](BAC)", kLength, kPi / 2 * std::sinh(d)},
                     {"<BAC", kAngle, 90},
                 });
  // The segment of the quarter disk is its sector less the triangle ABC.
  engine::ExprValue sector, triangle, segment;
  std::string t1 = "[PIE](BAC)", t2 = "ABC", t3 = "[SEG](BAC)";
  ASSERT_EQ(w.CompileExpression(t1, sector), kArea);
  ASSERT_EQ(w.CompileExpression(t2, triangle), kArea);
  ASSERT_EQ(w.CompileExpression(t3, segment), kArea);
  EXPECT_NEAR(static_cast<double>(segment.x), static_cast<double>(sector.x - triangle.x), 1e-12);
  EXPECT_GT(triangle.x, 0);
}

TEST_F(MeasuringTerms, AngleOfParallelismIsNoKeywordInTheEuclideanPlane) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(3, 4);
  engine::ExprTokenArray tokens;
  for (std::uint16_t c : {std::uint16_t{'('}, engine::code::kAngleAtPoint, std::uint16_t{engine::code::kLabelBase + 0},
                          std::uint16_t{engine::code::kLabelBase + 1}, std::uint16_t{')'}})
    tokens.PushBack(engine::MakeToken(c));
  EXPECT_EQ(plane::ResolveMeasuringTerms(tokens, w.tables(), w.model(), {}), 0);
  ASSERT_EQ(tokens.size(), 4);
  EXPECT_EQ(tokens[1].code, engine::code::kAngleAtPoint);
  EXPECT_EQ(tokens[2].code, engine::code::kValue);
  EXPECT_EQ(tokens[2].value.x, 5);
  EXPECT_EQ(tokens[3].code, ')');
}

}  // namespace

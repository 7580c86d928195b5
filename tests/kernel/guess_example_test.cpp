// The guessing game's examples and hints: every kind of example is the image of its red triangle
// under a similarity of that kind, laid out in the view, and the hint's centre, mirror line, glide
// axis or arrow is what that similarity fixes or moves; the hints that cannot be found.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "kernel/guess_example.h"
#include "kernel/random.h"
#include "kernel/transform_hint.h"
#include "kernel/vector2.h"

namespace {

using kernel::Point2;
using kernel::Real;
using Z = std::complex<Real>;

Z ToZ(const Point2& p) { return {p.x, p.y}; }
Point2 ToPoint(const Z& z) { return {z.real(), z.imag()}; }

// The similarity that carries A to D and B to E: z -> a z + b, or a conj(z) + b when it reverses.
struct Similarity {
  bool reverses = false;
  Z a, b;
  Z operator()(const Z& z) const { return a * (reverses ? std::conj(z) : z) + b; }
  Point2 operator()(const Point2& p) const { return ToPoint((*this)(ToZ(p))); }
};

Similarity SimilarityOf(const std::array<Point2, 6>& p, bool reverses) {
  const auto in = [&](int i) { return reverses ? std::conj(ToZ(p[i])) : ToZ(p[i]); };
  Similarity s;
  s.reverses = reverses;
  s.a = (ToZ(p[4]) - ToZ(p[3])) / (in(1) - in(0));
  s.b = ToZ(p[3]) - s.a * in(0);
  return s;
}

bool Reverses(int kind) { return kind == kernel::kGuessReflection || kind == kernel::kGuessGlideReflection; }

kernel::GuessKinds Only(int kind) {
  kernel::GuessKinds kinds{};
  kinds[static_cast<std::size_t>(kind)] = true;
  return kinds;
}

constexpr Real kClose = 1e-12L;

TEST(GuessExample, EachKindIsTheImageUnderASimilarityOfThatKind) {
  const Point2 centre{1, -2};
  const Real w = 8, h = 6;
  for (int kind = 0; kind < kernel::kGuessKindCount; ++kind) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      kernel::SeedRandom(seed);
      const kernel::GuessExample ex = kernel::DrawGuessExample(centre, w, h, Only(kind));
      SCOPED_TRACE(testing::Message() << "kind " << kind << " seed " << seed);
      ASSERT_EQ(ex.kind, kind);
      const Similarity f = SimilarityOf(ex.points, Reverses(kind));
      // C goes to F too, so the vertices correspond in order.
      EXPECT_NEAR(static_cast<double>(kernel::Dist2(f(ex.points[2]), ex.points[5])), 0, kClose);
      EXPECT_NEAR(static_cast<double>(std::abs(f.a)), static_cast<double>(ex.factor), kClose);
      const bool scales = kind == kernel::kGuessDilation || kind == kernel::kGuessRotaryDilation;
      if (!scales) {
        EXPECT_EQ(ex.factor, 1);
      }
      const bool turns = kind == kernel::kGuessRotation || kind == kernel::kGuessRotaryDilation;
      if (!Reverses(kind)) {
        const Real turn = std::arg(f.a) * 180 / kernel::Pi;
        EXPECT_NEAR(static_cast<double>(std::remainder(turn - (turns ? ex.rotation : 0), 360.0L)), 0, 1e-9);
      } else {
        // A reflection is its own inverse; a glide reflection is not.
        const Z twice = f(f(Z{0.3L, 0.7L}));
        const bool involution = std::abs(twice - Z{0.3L, 0.7L}) < 1e-9L;
        EXPECT_EQ(involution, kind == kernel::kGuessReflection);
      }
      if (turns) {
        EXPECT_GE(ex.rotation, 30);
        EXPECT_LT(ex.rotation, 150);
      }
      // Scalene, so no other order of the vertices fits; everything in the view.
      const Real ab = kernel::Dist2(ex.points[0], ex.points[1]);
      const Real bc = kernel::Dist2(ex.points[1], ex.points[2]);
      const Real ca = kernel::Dist2(ex.points[2], ex.points[0]);
      EXPECT_GT(std::fabs(ab - bc), 0.01L);
      EXPECT_GT(std::fabs(bc - ca), 0.01L);
      EXPECT_GT(std::fabs(ca - ab), 0.01L);
      for (const Point2& p : ex.points) {
        EXPECT_LT(std::fabs(p.x - centre.x), w);
        EXPECT_LT(std::fabs(p.y - centre.y), h);
      }
      // The red triangle in the upper left half, the blue in the lower right.
      EXPECT_LT(ex.points[0].x + ex.points[1].x + ex.points[2].x, 3 * centre.x);
      EXPECT_GT(ex.points[0].y + ex.points[1].y + ex.points[2].y, 3 * centre.y);
      EXPECT_GT(ex.points[3].x + ex.points[4].x + ex.points[5].x, 3 * centre.x);
      // Three different blue letters from G to Z.
      for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_GE(ex.blueLabels[i], 6);
        EXPECT_LE(ex.blueLabels[i], 25);
        EXPECT_NE(ex.blueLabels[i], ex.blueLabels[(i + 1) % 3]);
      }
    }
  }
}

TEST(GuessExample, TheSameSeedDrawsTheSameExampleAndOnlyEnabledKinds) {
  const kernel::GuessKinds two{false, true, false, false, true, false};
  kernel::SeedRandom(11);
  const kernel::GuessExample first = kernel::DrawGuessExample({0, 0}, 5, 4, two);
  kernel::SeedRandom(11);
  const kernel::GuessExample again = kernel::DrawGuessExample({0, 0}, 5, 4, two);
  EXPECT_EQ(first.points, again.points);
  EXPECT_EQ(first.blueLabels, again.blueLabels);
  bool factorOne = false, otherFactor = false;
  for (int n = 0; n < 200; ++n) {
    const kernel::GuessExample ex = kernel::DrawGuessExample({0, 0}, 5, 4, two);
    EXPECT_TRUE(ex.kind == kernel::kGuessReflection || ex.kind == kernel::kGuessDilation);
    if (ex.kind == kernel::kGuessDilation) (ex.factor == 1 ? factorOne : otherFactor) = true;
  }
  // A dilation may come out with the factor 1: a translation in disguise.
  EXPECT_TRUE(factorOne);
  EXPECT_TRUE(otherFactor);
  // With no kind enabled the example is a translation.
  EXPECT_EQ(kernel::DrawGuessExample({0, 0}, 5, 4, kernel::GuessKinds{}).kind, kernel::kGuessTranslation);
}

TEST(TransformHint, TheHintIsWhatTheHiddenSimilarityFixesOrMoves) {
  int factorOneRotations = 0;
  for (int kind = 0; kind < kernel::kGuessKindCount; ++kind) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      kernel::SeedRandom(seed);
      const kernel::GuessExample ex = kernel::DrawGuessExample({0, 0}, 8, 6, Only(kind));
      SCOPED_TRACE(testing::Message() << "kind " << kind << " seed " << seed);
      const kernel::TransformHint hint = kernel::ComputeTransformHint(kind, ex.points);
      const Similarity f = SimilarityOf(ex.points, Reverses(kind));
      if (kind == kernel::kGuessDilation && ex.factor == 1) {
        // The lines AD and BE are parallel: the word alone.
        EXPECT_FALSE(hint.found);
        continue;
      }
      ASSERT_TRUE(hint.found);
      switch (kind) {
        case kernel::kGuessTranslation:
          EXPECT_NEAR(static_cast<double>(kernel::Dist2(f(hint.arrowTail), hint.arrowTip)), 0, kClose);
          EXPECT_EQ(hint.anchor, hint.arrowTail);
          break;
        case kernel::kGuessReflection:
          ASSERT_TRUE(hint.hasLine);
          EXPECT_NEAR(static_cast<double>(kernel::Dist2(f(hint.linePoint), hint.linePoint)), 0, kClose);
          EXPECT_NEAR(static_cast<double>(kernel::Dist2(f(hint.linePoint + hint.lineDirection),
                                                        hint.linePoint + hint.lineDirection)),
                      0, kClose);
          break;
        case kernel::kGuessGlideReflection: {
          ASSERT_TRUE(hint.hasLine && hint.hasArrow);
          // Along the axis by the arrow: the axis's points move by the arrow.
          const Point2 t = hint.arrowTip - hint.arrowTail;
          EXPECT_NEAR(static_cast<double>(kernel::Cross2(t, hint.lineDirection)), 0, kClose);
          EXPECT_NEAR(static_cast<double>(kernel::Dist2(f(hint.linePoint), hint.linePoint + t)), 0, kClose);
          EXPECT_GT(kernel::Dist2(t, {0, 0}), 0.01L);
          break;
        }
        default: {
          ASSERT_TRUE(hint.hasCentre);
          // A rotary dilation of factor 1 is a rotation: its centre is found all the same.
          if (kind == kernel::kGuessRotaryDilation && ex.factor == 1) ++factorOneRotations;
          EXPECT_NEAR(static_cast<double>(kernel::Dist2(f(hint.centre), hint.centre)), 0, 1e-9);
          EXPECT_EQ(hint.anchor, hint.centre);
        }
      }
    }
  }
  EXPECT_GT(factorOneRotations, 0);
}

TEST(TransformHint, DegenerateFiguresGiveTheWordAlone) {
  struct Case {
    const char* what;
    int kind;
    std::array<Point2, 6> p;
  };
  const Case cases[] = {
      // (C - A) + (F - D) is null: the glide axis has no direction.
      {"glide", kernel::kGuessGlideReflection, {{{0, 1}, {1, 2}, {0, 3}, {5, -1}, {6, -2}, {5, -3}}}},
      // The midpoints of AD and BE coincide.
      {"mirror", kernel::kGuessReflection, {{{0, 0}, {1, 1}, {3, 3}, {2, 0}, {1, -1}, {0, 5}}}},
      // The perpendicular bisectors of AD and BE are parallel.
      {"rotation", kernel::kGuessRotation, {{{0, 0}, {0, 1}, {2, 2}, {1, 0}, {1, 1}, {3, 2}}}},
      // AD and BE are parallel.
      {"dilation", kernel::kGuessDilation, {{{0, 0}, {0, 1}, {2, 2}, {1, 0}, {1, 1}, {3, 2}}}},
      // A and B coincide: no ratio.
      {"rotary dilation", kernel::kGuessRotaryDilation, {{{0, 0}, {0, 0}, {2, 2}, {1, 0}, {1, 1}, {3, 2}}}},
  };
  for (const Case& c : cases) {
    const kernel::TransformHint hint = kernel::ComputeTransformHint(c.kind, c.p);
    EXPECT_FALSE(hint.found) << c.what;
    EXPECT_FALSE(hint.hasLine || hint.hasArrow || hint.hasCentre) << c.what;
  }
}

TEST(TransformHint, ArrowWingsStandAtThirtyDegreesToTheShaft) {
  Point2 w1, w2;
  ASSERT_TRUE(kernel::ArrowWings({0, 0}, {4, 0}, 1, w1, w2));
  EXPECT_NEAR(static_cast<double>(w1.x), 4 - 0.866, 1e-15);
  EXPECT_NEAR(static_cast<double>(std::fabs(w1.y)), 0.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(w2.y), -static_cast<double>(w1.y), 1e-15);
  EXPECT_FALSE(kernel::ArrowWings({1, 1}, {1, 1}, 1, w1, w2));
}

}  // namespace

#pragma once
// The examples of the transformation guessing game: a red triangle and its blue image under a
// hidden translation, reflection, rotation, glide reflection, dilation or rotary dilation, drawn
// at random from the program's random source and laid out in a view.

#include <array>

#include "kernel/real.h"

namespace kernel {

// The kinds of hidden transformation, in the order the game numbers them.
enum GuessKind : int {
  kGuessTranslation = 0,
  kGuessReflection = 1,
  kGuessRotation = 2,
  kGuessGlideReflection = 3,
  kGuessDilation = 4,
  kGuessRotaryDilation = 5,
};
inline constexpr int kGuessKindCount = 6;
using GuessKinds = std::array<bool, kGuessKindCount>;

// The dilation factors an example draws from, uniformly (1 twice: a dilation may be a translation).
inline constexpr std::array<Real, 9> kGuessFactors{0.5L, 1.0L / 3, 0.75L, 0.4L, 0.6L, 0.8L, 2.0L / 3, 1.0L, 1.0L};

struct GuessExample {
  int kind = kGuessTranslation;
  // The turn (degrees) of the kinds that turn, and the factor of the kinds that scale.
  int rotation = 0;
  Real factor = 1;
  // Vertex angles (degrees) about each triangle's centre: red, then blue.
  std::array<int, 3> redAngles{};
  std::array<int, 3> blueAngles{};
  // The red triangle A B C, then its images D E F in the same order.
  std::array<Point2, 6> points{};
  // The label ids of the blue vertices: three different letters G to Z.
  std::array<int, 3> blueLabels{};
};

// Draws an example for the view of the given centre and half extents: the red triangle in the
// upper left, the blue one in the lower right, each inscribed in a circle of half the radius of
// two equal circles that touch at the centre and each touch two sides of the view. The kind is
// drawn among the enabled ones (translation when none is).
GuessExample DrawGuessExample(const Point2& centre, Real halfWidth, Real halfHeight, const GuessKinds& enabled);

}  // namespace kernel

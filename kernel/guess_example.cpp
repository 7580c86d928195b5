#include "kernel/guess_example.h"

#include <algorithm>
#include <cmath>

#include "kernel/random.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kRadiansPerDegree = Pi / 180;
// Blue vertices are lettered from G (label id 6) on, over twenty letters.
constexpr int kFirstBlueLabel = 6;
constexpr int kBlueLabelChoices = 20;

int RandBelow(int n) { return static_cast<int>(Rand31() % n); }

// The image angle of a red vertex angle a under the kind, with the turn r.
int ImageAngle(int kind, int a, int r) {
  switch (kind) {
    case kGuessReflection: return 180 - a;
    case kGuessRotation:
    case kGuessRotaryDilation: return a + r;
    case kGuessGlideReflection: return r + 180 - a;
    default: return a;
  }
}

}  // namespace

GuessExample DrawGuessExample(const Point2& centre, Real halfWidth, Real halfHeight, const GuessKinds& enabled) {
  GuessExample ex;
  const Real w = halfWidth;
  const Real h = halfHeight;
  // Two equal circles of radius s touching at the centre, each touching two sides of the view.
  const Real s = w + h - std::sqrt(2 * w * h);
  const Point2 d{w - s, s - h};
  const Point2 redCentre = centre - d;
  const Point2 blueCentre = centre + d;
  Point2 v = d;
  if (!ScaleTo2(v, s / 2)) v = {s / 2, 0};

  // A triangle with inscribed angles 45, 60 and 75 degrees, or a right triangle with acute
  // angles of 30 to 39 and 51 to 60 degrees: scalene either way, so its vertices are told apart.
  std::array<int, 3>& a = ex.redAngles;
  a[0] = 70 + RandBelow(50);
  if (RandBelow(3) == 0) {
    a[1] = a[0] + 90;
    a[2] = a[1] + 120;
  } else {
    a[1] = a[0] + 2 * (30 + RandBelow(10));
    a[2] = a[1] + 180;
  }
  ex.rotation = 30 + RandBelow(120);
  const bool any = std::find(enabled.begin(), enabled.end(), true) != enabled.end();
  int kind = kGuessTranslation;
  if (any) {
    do kind = RandBelow(kGuessKindCount);
    while (!enabled[static_cast<std::size_t>(kind)]);
  }
  ex.kind = kind;
  if (kind == kGuessDilation || kind == kGuessRotaryDilation) {
    ex.factor = kGuessFactors[static_cast<std::size_t>(RandBelow(static_cast<int>(kGuessFactors.size())))];
  }
  for (std::size_t i = 0; i < 3; ++i) {
    ex.blueAngles[i] = ImageAngle(kind, a[i], ex.rotation);
    Point2 red = v;
    Rotate2(red, a[i] * kRadiansPerDegree);
    Point2 blue = v;
    Rotate2(blue, ex.blueAngles[i] * kRadiansPerDegree);
    ex.points[i] = redCentre + red;
    ex.points[i + 3] = blueCentre + blue * ex.factor;
  }
  for (std::size_t i = 0; i < 3; ++i) {
    int label = 0;
    do label = kFirstBlueLabel + RandBelow(kBlueLabelChoices);
    while (std::find(ex.blueLabels.begin(), ex.blueLabels.begin() + static_cast<std::ptrdiff_t>(i), label) !=
           ex.blueLabels.begin() + static_cast<std::ptrdiff_t>(i));
    ex.blueLabels[i] = label;
  }
  return ex;
}

}  // namespace kernel

#pragma once
// The path of a ball that starts at a point, runs towards a second point and bounces off the
// walls of a plane figure by the law of reflection: lines, circles and the conics of the two
// focal curve lists. The walls are given as plain values; the window gathers them from its
// tables on every paint, so the path follows the figure.

#include <cstdint>
#include <vector>

#include "kernel/real.h"

namespace kernel {

struct BounceLineWall {
  bool exists = false;
  Point2 first;  // the line's first listed point
  Point2 last;   // its last listed point
  bool continuesBefore = false;
  bool continuesAfter = false;
};

struct BounceCircleWall {
  bool exists = false;
  Point2 centre;
  Point2 onCircle;  // its first listed point
};

// The curve a conic node stands for as a wall.
enum class BounceCurve : std::uint8_t { None, Ellipse, Circle, Hyperbola, Parabola };

struct BounceConicWall {
  // The effective kind: 0 an ellipse (or a circle), 1 a parabola, 2 a hyperbola; -1 no wall.
  int kind = -1;
  BounceCurve curve = BounceCurve::None;
  // Ellipse and hyperbola: the foci a and b and the eccentricity e. Circle: centre a through c.
  // Parabola: directrix a b, focus c.
  Point2 a;
  Point2 b;
  Point2 c;
  Real e = 0;
};

// A conic node of a curve list as a wall: its three points, its kind word (three-point list:
// 0 ellipse by foci and a point, 1 focus and directrix with e, 2 hyperbola by foci and a point;
// two-foci list: 4) and its eccentricity. A focus-directrix node, and every two-foci node,
// counts as an ellipse below e = 1 and a hyperbola above it; a focus-directrix node with e
// within 1e-13 of 1 is a parabola, a two-foci one no wall.
BounceConicWall ConicBounceWall(std::uint16_t kindWord, const Point2& a, const Point2& b, const Point2& c, Real e);

struct BounceWalls {
  std::vector<BounceLineWall> lines;
  std::vector<BounceCircleWall> circles;
  std::vector<BounceConicWall> threePointConics;  // families 2, 3, 4 (kinds 0, 1, 2)
  std::vector<BounceConicWall> twoFociConics;     // families 5, 6, 7
};

// The wall last hit: its family (0 lines, 1 circles, 2 to 7 conics) and its index there.
struct BounceWall {
  int family = -1;
  int index = -1;
};

inline constexpr int kBounceNoWall = 138;    // the ray meets no wall
inline constexpr int kBounceNoTangent = 6;   // a wall was hit whose tangent is null

// One leg: from position along direction to the nearest wall (the wall just left, `last`, is no
// wall when it is a line). 0 with the position moved to the hit, the direction reflected and
// `last` the wall hit; kBounceNoTangent with position and `last` moved but the direction kept;
// kBounceNoWall with nothing changed. tolerance: how close to the wall just left a meeting
// point counts as the point the ball leaves from.
int NextBounce(const BounceWalls& walls, Point2& position, Point2& direction, BounceWall& last, Real tolerance);

struct BounceRun {
  Point2 start;
  Point2 aim;
  int maxBounces = 0;  // negative counts as 0
  BounceWall startWall;
  Real tolerance = 0;
  // How far the last leg goes when nothing stops it: 2 (half-width + half-height) of the view.
  Real reach = 1;
};

// The path: points[0] is the start; each bounce adds its wall point; after maxBounces bounces
// the path ends halfway to the next wall, and a leg that meets no wall (or a wall without a
// tangent) runs `reach` on from its start. The number of legs (points.size() - 1).
int ComputeBouncePath(const BounceWalls& walls, const BounceRun& run, std::vector<Point2>& points);

}  // namespace kernel

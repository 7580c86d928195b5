#include "engine/hyperbolic_fermat_point.h"

#include <cmath>

#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"

namespace engine {

using kernel::Point2;
using kernel::Real;

namespace {

// A vertex nearer than this (in the disk centred at the point sought) is taken as reached.
constexpr Real kVertexReached = static_cast<Real>(1e-15);
// The search stops once a Newton step moves the point less than this in the centred disk.
constexpr Real kStepDone = static_cast<Real>(1e-18);
constexpr int kMostSteps = 100;
// A step never leaves this disk about the current point (the disk's radius is 1).
constexpr Real kLongestStep = static_cast<Real>(0.5);

// The vertices as seen from c: the disk centred at c, where the geodesics from c are diameters.
std::array<Point2, 3> SeenFrom(const GeometryModel& model, const Point2& c, const std::array<Point2, 3>& v) {
  std::array<Point2, 3> q = v;
  for (Point2& p : q) TranslateToOrigin(model, c, p, false);
  return q;
}

Real Length(const Point2& p) {
  return std::sqrt(kernel::Dot2(p, p));
}

Real DistanceSum(const GeometryModel& model, const Point2& c, const std::array<Point2, 3>& v) {
  return HyperbolicDistance(model, c, v[0]) + HyperbolicDistance(model, c, v[1]) +
         HyperbolicDistance(model, c, v[2]);
}

}  // namespace

bool FermatPoint(const GeometryModel& model, const std::array<Point2, 3>& vertices, Point2& out) {
  // A vertex whose angle is 120 degrees or more is the point itself: from there every move
  // lengthens the sum. The angle is read in the disk centred at the vertex, where it is the
  // Euclidean angle of the two diameters.
  for (int i = 0; i < 3; ++i) {
    const std::array<Point2, 3> q = SeenFrom(model, vertices[i], vertices);
    const Point2& a = q[(i + 1) % 3];
    const Point2& b = q[(i + 2) % 3];
    const Real la = Length(a);
    const Real lb = Length(b);
    if (la < kVertexReached || lb < kVertexReached) return false;
    if (kernel::Dot2(a, b) <= static_cast<Real>(-0.5) * la * lb) {
      out = vertices[i];
      return true;
    }
  }
  // Newton's method on the sum of distances, each step taken in the disk centred at the current
  // point. There the disk's metric is 4 |dz|^2 with no first-order change, so a distance r to a
  // vertex in direction u has gradient -2u and Hessian 4 coth(r) (I - u u^T) in the disk's
  // coordinates; a step that would not shorten the sum is halved.
  Point2 c = Centroid(model, vertices[0], vertices[1], vertices[2]);
  Real sum = DistanceSum(model, c, vertices);
  for (int step = 0; step < kMostSteps; ++step) {
    const std::array<Point2, 3> q = SeenFrom(model, c, vertices);
    Point2 pull{0, 0};
    Real hxx = 0, hxy = 0, hyy = 0;
    for (const Point2& p : q) {
      const Real length = Length(p);
      if (length < kVertexReached) return false;  // only a wide vertex is the point, and none was
      const Point2 u{p.x / length, p.y / length};
      // 4 coth(r) with r = 2 artanh(length), the distance of the vertex.
      const Real weight = 2 * (1 + length * length) / length;
      pull = pull + u * static_cast<Real>(2);
      hxx += weight * (1 - u.x * u.x);
      hxy -= weight * u.x * u.y;
      hyy += weight * (1 - u.y * u.y);
    }
    const Real det = hxx * hyy - hxy * hxy;
    if (!(det > 0)) return false;
    Point2 move{(hyy * pull.x - hxy * pull.y) / det, (hxx * pull.y - hxy * pull.x) / det};
    const Real length = Length(move);
    if (length > kLongestStep) move = move * (kLongestStep / length);
    for (int halving = 0; halving < 60; ++halving) {
      Point2 next = move;
      TranslateFromOrigin(model, c, next, false);
      const Real nextSum = DistanceSum(model, next, vertices);
      if (nextSum <= sum || Length(move) < kStepDone) {
        c = next;
        sum = nextSum;
        break;
      }
      move = move * static_cast<Real>(0.5);
    }
    if (Length(move) < kStepDone) break;
  }
  out = c;
  return true;
}

}  // namespace engine

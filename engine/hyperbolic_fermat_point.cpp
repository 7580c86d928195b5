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
// The search stops once the vertices' pulls balance this closely.
constexpr Real kBalanced = static_cast<Real>(1e-17);
constexpr int kMostSteps = 200;
constexpr int kMostHalvings = 64;
constexpr int kPolishSteps = 8;
// A step never leaves this disk about the current point (the disk's radius is 1).
constexpr Real kLongestStep = static_cast<Real>(0.5);

Real Length(const Point2& p) {
  return std::sqrt(kernel::Dot2(p, p));
}

// The vertices as seen from c: the disk centred at c, where the geodesics from c are diameters.
std::array<Point2, 3> SeenFrom(const GeometryModel& model, const Point2& c, const std::array<Point2, 3>& v) {
  std::array<Point2, 3> q = v;
  for (Point2& p : q) TranslateToOrigin(model, c, p, false);
  return q;
}

Real DistanceSum(const GeometryModel& model, const Point2& c, const std::array<Point2, 3>& v) {
  return HyperbolicDistance(model, c, v[0]) + HyperbolicDistance(model, c, v[1]) +
         HyperbolicDistance(model, c, v[2]);
}

// The two steps the search tries from c, as points of the disk centred at c. There the disk's
// metric is 4 |dz|^2 with no first-order change: a vertex at distance r = 2 artanh(|q|) in
// direction u pulls with -2u on the gradient of the distance sum and adds 4 coth(r) (I - u u^T)
// to its Hessian. The Newton step solves with that Hessian; the Weiszfeld step goes the distance
// (sum of u) / (sum of 1/r) along the sum of u, as the mean of the vertices weighted by 1/r would.
// Near a vertex that is not the answer the sum has a corner, and Newton steps can creep into it;
// the Weiszfeld step leaps out to the side where the sum is lower.
struct Steps {
  Point2 newton{0, 0};
  Point2 weiszfeld{0, 0};
  Real balance = 0;  // the length of the sum of u: 0 at the point sought
};

// False when c is a vertex (within rounding) or the Hessian is singular.
bool StepsFrom(const GeometryModel& model, const Point2& c, const std::array<Point2, 3>& v, Steps& out) {
  Point2 pull{0, 0};
  Real hxx = 0, hxy = 0, hyy = 0, inverseDistances = 0;
  for (const Point2& p : SeenFrom(model, c, v)) {
    const Real length = Length(p);
    if (length < kVertexReached) return false;
    const Point2 u{p.x / length, p.y / length};
    const Real weight = 2 * (1 + length * length) / length;  // 4 coth(r)
    pull = pull + u;
    hxx += weight * (1 - u.x * u.x);
    hxy -= weight * u.x * u.y;
    hyy += weight * (1 - u.y * u.y);
    inverseDistances += 1 / (2 * std::atanh(length));
  }
  const Real det = hxx * hyy - hxy * hxy;
  if (!(det > 0)) return false;
  out.balance = Length(pull);
  out.newton = Point2{(hyy * pull.x - hxy * pull.y) / det, (hxx * pull.y - hxy * pull.x) / det} * 2;
  const Real length = Length(out.newton);
  if (length > kLongestStep) out.newton = out.newton * (kLongestStep / length);
  out.weiszfeld =
      out.balance > 0 ? pull * (std::tanh(out.balance / inverseDistances / 2) / out.balance) : pull;
  return true;
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
  // Otherwise the point lies inside, where the three pulls balance. From the centroid, each round
  // takes whichever of the Newton step (halved until it shortens the sum) and the Weiszfeld step
  // shortens the sum more, until the pulls balance or neither shortens it any more.
  Point2 c = Centroid(model, vertices[0], vertices[1], vertices[2]);
  Real sum = DistanceSum(model, c, vertices);
  Steps steps;
  if (!StepsFrom(model, c, vertices, steps)) return false;
  for (int round = 0; round < kMostSteps && steps.balance > kBalanced; ++round) {
    Point2 best = c;
    Real bestSum = sum;
    const auto tryStep = [&](Point2 move) {
      TranslateFromOrigin(model, c, move, false);
      const Real there = DistanceSum(model, move, vertices);
      if (there < bestSum) {
        best = move;
        bestSum = there;
        return true;
      }
      return false;
    };
    Point2 move = steps.newton;
    for (int halving = 0; halving < kMostHalvings && !tryStep(move); ++halving)
      move = move * static_cast<Real>(0.5);
    tryStep(steps.weiszfeld);
    if (!(bestSum < sum)) break;  // balanced as far as the arithmetic goes
    Steps next;
    if (!StepsFrom(model, best, vertices, next)) break;
    c = best;
    sum = bestSum;
    steps = next;
  }
  // Near the point the sum is too flat for its last digits to tell steps apart: Newton steps that
  // bring the pulls nearer to balance finish the search.
  for (int polish = 0; polish < kPolishSteps && steps.balance > kBalanced; ++polish) {
    Point2 next = steps.newton;
    TranslateFromOrigin(model, c, next, false);
    Steps there;
    if (!StepsFrom(model, next, vertices, there) || !(there.balance < steps.balance)) break;
    c = next;
    steps = there;
  }
  out = c;
  return true;
}

}  // namespace engine

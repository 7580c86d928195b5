#include "engine/hyperbolic_triangle_steps.h"

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/hyperbolic_triangle_data.h"
#include "kernel/random.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

using kernel::HyperbolicTriangleShape;
using kernel::Point2;
using kernel::Real;

constexpr Real kStartSpread = static_cast<Real>(0.3);
// A vertex this close to the unit circle would be an ideal point, not a point of the plane.
constexpr Real kLargestDiskRadius = 1 - static_cast<Real>(1e-13);

// Writes the vertices last+1 .. last+3 from the shape, about the stored second vertex.
int PlaceTriangle(StepEngine& engine, const HyperbolicTriangleShape& shape) {
  FigureTables& t = engine.tables;
  const int first = t.last_point + 1;
  if (first + 3 > kPointCapacity) return kMsgNoMoreRoom;
  if (shape.diskC >= kLargestDiskRadius || shape.diskA >= kLargestDiskRadius) return kMsgTriangleOutOfBounds;
  Point2& v1 = t.xy[static_cast<std::size_t>(first)];
  Point2& v2 = t.xy[static_cast<std::size_t>(first + 1)];
  Point2& v3 = t.xy[static_cast<std::size_t>(first + 2)];
  const GeometryModel& model = engine.model;
  if (engine.building != 0) {
    v2 = {kernel::RandomBetween(-kStartSpread, kStartSpread), kernel::RandomBetween(-kStartSpread, kStartSpread)};
    v1 = {2 * v2.x, 2 * v2.y};
    if (model.HalfPlane) {
      DiskToHalfPlane(v1);
      DiskToHalfPlane(v2);
    }
  }
  // The direction of side c seen from vertex 2 at the disk's centre; a first vertex dragged onto
  // the second leaves the direction of the x axis.
  Point2 u = v1;
  if (!TranslateToOrigin(model, v2, u, false) || !kernel::Normalize2(u)) u = {1, 0};
  Point2 w = u;
  kernel::Rotate2(w, shape.angleB);
  u = shape.diskC * u;
  w = shape.diskA * w;
  if (!TranslateFromOrigin(model, v2, u, false) || !TranslateFromOrigin(model, v2, w, false)) {
    return kMsgTriangleOutOfBounds;
  }
  v1 = u;
  v3 = w;
  return 0;
}

std::array<Real, 6>* Parameters(StepEngine& engine) {
  kernel::ConstructionRecord* step = engine.current();
  return step == nullptr ? nullptr : &step->parameters;
}

}  // namespace

int SolveTriangleAAAHyperbolicStep(StepEngine& engine) {
  std::array<Real, 6>* p = Parameters(engine);
  if (p == nullptr) return kMsgCouldNotFind;
  HyperbolicTriangleShape shape;
  if (const int code = kernel::HyperbolicTriangleFromAngles((*p)[0], (*p)[1], (*p)[2], shape); code != 0) return code;
  return PlaceTriangle(engine, shape);
}

int SolveTriangleSASHyperbolicStep(StepEngine& engine) {
  std::array<Real, 6>* p = Parameters(engine);
  if (p == nullptr) return kMsgCouldNotFind;
  HyperbolicTriangleShape shape;
  kernel::HyperbolicTriangleFromSAS((*p)[0], (*p)[1], (*p)[2], shape);
  return PlaceTriangle(engine, shape);
}

int SolveTriangleSSSHyperbolicStep(StepEngine& engine) {
  std::array<Real, 6>* p = Parameters(engine);
  if (p == nullptr) return kMsgCouldNotFind;
  HyperbolicTriangleShape shape;
  if (const int code = kernel::HyperbolicTriangleFromSides((*p)[0], (*p)[1], (*p)[2], shape); code != 0) return code;
  return PlaceTriangle(engine, shape);
}

}  // namespace engine

#pragma once
// The maps the plane transformations apply to a chosen set of points, in the Euclidean plane and
// in both hyperbolic models: rotation with dilation, reflection in a line, translation along a
// line. Each moves, in place, the entries first to last of a point array whose selection flag is
// set (every entry when no flags are given).

#include <cstdint>
#include <span>

#include "engine/geometry_model.h"
#include "kernel/real.h"

namespace engine {

struct PointRange {
  std::span<kernel::Point2> points;
  // One flag per entry, non-zero = move it; empty: every entry of the range moves.
  std::span<const std::uint8_t> selected;
  int first = 0;
  int last = -1;  // a negative last moves nothing
};

// Z reflected in the line through A with unit normal n: Z - 2 ((Z - A) . n) n.
kernel::Point2 ReflectAcross(const kernel::Point2& a, const kernel::Point2& n, const kernel::Point2& z);
void ReflectSelected(const kernel::Point2& a, const kernel::Point2& n, PointRange range);
// Adds v to every treated entry.
void TranslateSelected(const kernel::Point2& v, PointRange range);
// Rotation about C by angle (radians) combined with the dilation by factor; in a hyperbolic model
// the distance from C is the hyperbolic one. Factor -1 is the half-turn about C.
void RotateDilateSelected(const GeometryModel& model, const kernel::Point2& c, kernel::Real factor,
                          kernel::Real angle, PointRange range);
// Euclidean reflection in the line AB; nothing moves when A and B coincide.
void ReflectInLine(const kernel::Point2& a, const kernel::Point2& b, PointRange range);

// The hyperbolic translation of the Poincare disk along the line AB that carries A to B. Nothing
// moves when A and B are within a taxicab distance of 1e-13.
void DiskTranslate(const kernel::Point2& a, const kernel::Point2& b, PointRange range);
// The same in the upper half-plane (A, B and the entries in half-plane coordinates).
void HalfPlaneTranslate(const kernel::Point2& a, const kernel::Point2& b, PointRange range);
// The translation in the model's own coordinates.
void HyperbolicTranslate(const GeometryModel& model, const kernel::Point2& a, const kernel::Point2& b,
                         PointRange range);
// The hyperbolic reflection in the line AB in the disk; nothing moves when A and B coincide.
void DiskReflect(const kernel::Point2& a, const kernel::Point2& b, PointRange range);
// The same in the upper half-plane, where it is the inversion in the circle that carries AB.
void HalfPlaneReflect(const kernel::Point2& a, const kernel::Point2& b, PointRange range);
// The reflection in the line AB of the window's geometry.
void ReflectInModelLine(const GeometryModel& model, const kernel::Point2& a, const kernel::Point2& b,
                        PointRange range);

}  // namespace engine

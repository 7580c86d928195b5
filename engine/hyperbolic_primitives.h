#pragma once
// Primitives of the hyperbolic plane (curvature -1) in the Poincare disk and the upper half-plane:
// distance, the Cayley maps between the two models, the isometry that carries a point to the centre
// of the disk and back, angles, geodesics and circles as drawn, dilation, rotation, points at a
// distance and the angle of parallelism.
//
// Points are Point2 values read as complex numbers z = x + iy. The primitives read only the
// model's HalfPlane flag (except Distance, which also reads Hyperbolic); a Euclidean window uses
// the kernel's plane routines instead. Every construction has the same shape: move the inputs to
// the disk centred at one point A (TranslateToOrigin), solve there with Euclidean kernels, and move
// the results back about the same A (TranslateFromOrigin). The half-plane is converted only inside
// those two translations.

#include "engine/geometry_model.h"
#include "kernel/real.h"

namespace engine {

// Disk radius of a point at hyperbolic distance 0.577 from the centre, used for second points of rays.
inline constexpr kernel::Real kRayPointRadius = static_cast<kernel::Real>(0.577);

// The measuring distance of the window: hyperbolic when the model is hyperbolic, else Euclidean.
kernel::Real Distance(const GeometryModel& model, const kernel::Point2& P, const kernel::Point2& Q);

// Hyperbolic distance in the window's model. A vanishing denominator (a point beyond the boundary
// paired with its mirror image) gives the far value HugeReal; points at the boundary are pulled in
// to a ratio of 1 - 1e-13, so the result is always finite.
kernel::Real HyperbolicDistance(const GeometryModel& model, const kernel::Point2& P, const kernel::Point2& Q);

// The Cayley maps, in place: the disk centre goes to i and i back to the centre. A vanishing
// denominator is replaced (the point without an image goes to the origin); no failure is reported.
void DiskToHalfPlane(kernel::Point2& z);
void HalfPlaneToDisk(kernel::Point2& z);

// The isometry that sends A to the centre of the disk, applied to Z. In the half-plane model (and
// inDisk false) A and Z are first mapped to the disk; Z stays in disk coordinates. False, with Z as
// converted so far, when the denominator vanishes.
bool TranslateToOrigin(const GeometryModel& model, kernel::Point2 A, kernel::Point2& Z, bool inDisk);
// The inverse isometry: Z, a point of the disk centred at A, goes back to the window's model.
bool TranslateFromOrigin(const GeometryModel& model, kernel::Point2 A, kernel::Point2& Z, bool inDisk);

// Signed angle at V from the geodesic V P1 to the geodesic V P2, in -pi..pi, counter-clockwise
// positive; pi for a straight angle, 0 when P1 or P2 (nearly) coincides with V.
kernel::Real AngleAt(const GeometryModel& model, const kernel::Point2& P1, const kernel::Point2& V,
                     const kernel::Point2& P2);

// The geodesic through two points of the disk as drawn: a diameter (isLine true) or an arc of the
// circle of centre ends[2] orthogonal to the unit circle; arcs whose centre lies more than 1000 from
// the origin are drawn straight too. ends[0] is the ideal end beyond P, ends[1] the one beyond Q.
// kDegenerateInput when P and Q coincide (only ends[2] = (1, 0) is written).
GeometryResult DiskGeodesic(const kernel::Point2& P, const kernel::Point2& Q, GeodesicEnds& ends,
                            bool& isLine);
// The geodesic in the upper half-plane: a vertical ray (isLine true, ends[2] = (P.x, 0), the ends
// (P.x, 0) and (P.x, HugeReal)) or a half-circle centred on the axis at ends[2].
GeometryResult HalfPlaneGeodesic(const kernel::Point2& P, const kernel::Point2& Q, GeodesicEnds& ends,
                                 bool& isLine);
// The geodesic in the window's model.
GeometryResult Geodesic(const GeometryModel& model, const kernel::Point2& P, const kernel::Point2& Q,
                        GeodesicEnds& ends, bool& isLine);

// Euclidean centre, in the window's model, of the hyperbolic circle of centre C through Q; the drawn
// radius is the Euclidean distance from out to Q. False, with out = C, when Q coincides with C.
bool CircleModelCentre(const GeometryModel& model, const kernel::Point2& C, const kernel::Point2& Q,
                       kernel::Point2& out);

// P moved along the geodesic from C so that its distance from C is multiplied by k (k = 0.5 gives
// the hyperbolic midpoint).
kernel::Point2 DilatePoint(const GeometryModel& model, const kernel::Point2& C, const kernel::Point2& P,
                           kernel::Real k);
// P turned about C by angle (radians, counter-clockwise).
kernel::Point2 RotatePoint(const GeometryModel& model, const kernel::Point2& C, const kernel::Point2& P,
                           kernel::Real angle);
// Z turned about C by the angle whose cosine and sine are R.x and R.y.
void RotatePointCosSin(const GeometryModel& model, const kernel::Point2& C, const kernel::Point2& R,
                       kernel::Point2& Z);
// P turned about C by angle and its distance from C multiplied by k.
kernel::Point2 RotateDilatePoint(const GeometryModel& model, const kernel::Point2& C, const kernel::Point2& P,
                                 kernel::Real angle, kernel::Real k);
// A point of the ray from C that makes the given angle with CP, at disk radius kRayPointRadius from C.
kernel::Point2 PointOnRayAtAngle(const GeometryModel& model, const kernel::Point2& C, const kernel::Point2& P,
                                 kernel::Real angle);
// Z moved along the ray from C through Z to hyperbolic distance d from C. False when Z coincides
// with C (Z then holds its coordinates in the disk centred at C).
bool PointAtDistance(const GeometryModel& model, const kernel::Point2& C, kernel::Point2& Z, kernel::Real d);
// The angle of parallelism for the distance CP, in degrees: 2 atan(e^-d).
kernel::Real AngleOfParallelism(const GeometryModel& model, const kernel::Point2& C, const kernel::Point2& P);

}  // namespace engine

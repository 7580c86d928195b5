#pragma once
// Classical constructions in the hyperbolic plane: intersections of lines and circles,
// perpendiculars, the common perpendicular of two lines, angle bisectors, the triangle centres,
// tangents from a point and common tangents of two circles, and the completion of a regular
// polygon. Each moves its inputs to the disk centred at one of them, solves there with the plane
// kernels (geodesics through the centre are diameters, all others circles orthogonal to the unit
// circle) and moves the results back, so they work alike in the disk and the half-plane.
// Lines are given by two points, circles by their hyperbolic centre and one point on them.

#include <array>
#include <cstdint>
#include <span>

#include "engine/geometry_model.h"
#include "kernel/real.h"

namespace engine {

// Modes of PerpendicularThrough.
// A second point of the perpendicular through P.
inline constexpr std::int16_t kPerpendicularThroughPoint = 3;
// The foot of the perpendicular from P.
inline constexpr std::int16_t kFootOfPerpendicular = 4;

// The common point of the lines AB and CD: kGeometryOk, kDegenerateInput when A and B or C and D
// coincide, kLinesDoNotMeet for parallel and ultraparallel lines. Lines crossing at A give A exactly.
GeometryResult LineLineIntersect(const GeometryModel& model, const kernel::Point2& A, const kernel::Point2& B,
                                 const kernel::Point2& C, const kernel::Point2& D, kernel::Point2& out);

// The common points of the line AB and the circle of centre C through Q, out[0] the one farther
// along the direction from A to B. The kernel's position code, or kNoSolution (nothing written).
GeometryResult LineCircleIntersect(const GeometryModel& model, const kernel::Point2& A,
                                   const kernel::Point2& B, const kernel::Point2& C, const kernel::Point2& Q,
                                   std::array<kernel::Point2, 2>& out);

// kPerpendicularThroughPoint: out is a second point of the perpendicular to AB through P, on the
// left of the direction from A to B. kFootOfPerpendicular: out is the foot of the perpendicular
// from P on AB (P itself when P lies on AB; A when the angle at A is right). kModeOutOfRange for
// another mode, kDegenerateInput when the defining points coincide.
GeometryResult PerpendicularThrough(const GeometryModel& model, const kernel::Point2& A,
                                    const kernel::Point2& B, const kernel::Point2& P, kernel::Point2& out,
                                    std::int16_t mode);

// The common perpendicular of the ultraparallel lines AB and CD: its feet on both lines. False when
// the lines meet or are parallel.
bool Perpendicular(const GeometryModel& model, const kernel::Point2& A, const kernel::Point2& B,
                   const kernel::Point2& C, const kernel::Point2& D, kernel::Point2& footAB,
                   kernel::Point2& footCD);

// A point on the bisector of the angle PVQ; false when P or Q coincides with V.
bool AngleBisectorPoint(const GeometryModel& model, const kernel::Point2& V, const kernel::Point2& P,
                        const kernel::Point2& Q, kernel::Point2& out);

// The centre of the circle through A, B and C; false when the perpendicular bisectors do not meet
// (the triangle has no circumcircle in the hyperbolic plane).
bool Circumcentre(const GeometryModel& model, const kernel::Point2& A, const kernel::Point2& B,
                  const kernel::Point2& C, kernel::Point2& out);

// out[0] the incentre of the triangle; with wantFeet also its feet on the sides V0V1, V1V2 and
// V2V0 in out[1..3]. False when a step fails.
bool Incentre(const GeometryModel& model, const std::array<kernel::Point2, 3>& vertices,
              std::array<kernel::Point2, 4>& out, bool wantFeet);

// The common point of the altitudes; false when they do not meet.
bool Orthocentre(const GeometryModel& model, const std::array<kernel::Point2, 3>& vertices,
                 kernel::Point2& out);

// The common point of the medians.
kernel::Point2 Centroid(const GeometryModel& model, const kernel::Point2& A, const kernel::Point2& B,
                        const kernel::Point2& C);

// The touching points of the two tangents from P to the circle of centre C through Q: kGeometryOk,
// kPointInsideCircle when P lies inside or on the circle, kDegenerateInput for a circle of radius 0.
GeometryResult TangentPointsFromPoint(const GeometryModel& model, const kernel::Point2& C,
                                      const kernel::Point2& Q, const kernel::Point2& P,
                                      std::array<kernel::Point2, 2>& out);

// The two external (internal false) or internal common tangents of the circles (C1 through Q1) and
// (C2 through Q2). Tangent i touches the first circle at outA[i] and the second at outB[i]. A circle
// of radius 0 counts as its centre, and the tangents from it to the other circle are given (the
// centre stands in both slots of its side). kNoSolution when there are no such tangents.
GeometryResult CommonTangents(const GeometryModel& model, const kernel::Point2& C1, const kernel::Point2& Q1,
                              const kernel::Point2& C2, const kernel::Point2& Q2, bool internal,
                              std::array<kernel::Point2, 2>& outA, std::array<kernel::Point2, 2>& outB);

// Given vertices[0] and vertices[1], places vertices[2..n-1] so that every side equals the first and
// every interior angle is interiorAngle (radians), turning left. Stops at the end of the span.
void CompleteRegularPolygon(const GeometryModel& model, std::span<kernel::Point2> vertices, int n,
                            kernel::Real interiorAngle);

}  // namespace engine

#pragma once
// The 3-D vector toolbox: lengths, products, distances, bounds and angles of Point3 values,
// plus the small record setters and point-in-box tests of the plane that sit beside it.

#include <cstdint>

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// Component-wise arithmetic, each component computed on its own in the extended type.
inline Point3 operator+(const Point3& a, const Point3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Point3 operator-(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Point3 operator-(const Point3& a) { return {-a.x, -a.y, -a.z}; }
inline Point3 operator*(Real k, const Point3& a) { return {k * a.x, k * a.y, k * a.z}; }

// Scales v to length 1. A length below the null tolerance gives false and leaves v as it was.
bool Normalize3(Point3& v);
// Scales v to length len (a negative len reverses it); false and v unchanged when v is null.
bool ScaleTo3(Point3& v, Real len);
// Divides v by the smallest absolute value among its components above the null tolerance.
void NormalizeBySmallest3(Point3& v);

inline Real Dot3(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Real Dist3(const Point3& p, const Point3& q);
Point3 Midpoint3(const Point3& p, const Point3& q);
// Component-wise maximum and minimum (a's component is kept on ties).
Point3 Max3(const Point3& a, const Point3& b);
Point3 Min3(const Point3& a, const Point3& b);
// Widens the box lo..hi so that it contains p.
void ExtendBox3(Point3& lo, const Point3& p, Point3& hi);
inline Point3 Cross3(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// Determinant of the 3x3 matrix with rows a, b, c: a . (b x c).
Real Det3(const Point3& a, const Point3& b, const Point3& c);
// Sum of the absolute coordinate differences: a cheap closeness test.
Real TaxiDist3(const Point3& p, const Point3& q);

// Angle between two vectors in [0, pi]; 0 when either is (nearly) null. Cosines within the angle
// tolerance of -1, 0 and 1 give exactly pi, pi/2 and 0.
Real AngleBetween3(const Point3& a, const Point3& b);
// Angle at the vertex b of the path a, b, c.
Real AngleAt3(const Point3& a, const Point3& b, const Point3& c);

// v holds (r, theta, phi): theta the azimuth about the z axis, phi the angle from +z. Turned into
// Cartesian coordinates; false and v unchanged when an angle exceeds 5e18 in magnitude.
bool FromSpherical3(Point3& v);
// p holds (r, theta); turned into (r cos theta, r sin theta), false and unchanged for |theta| > 5e18.
bool FromPolarInPlace2(Point2& p);

void SetRec8(PenRec& rec, std::uint32_t a, std::uint16_t b, std::uint16_t c);
void SetShort3b(Short3& rec, std::uint16_t a, std::uint16_t b, std::uint16_t c);

// Bounds included.
bool PointInBox2b(const Point2& p, Real xmin, Real xmax, Real ymin, Real ymax);
bool InBox2(const Point2& p, const Box2& box);

}  // namespace kernel

#include "kernel/tessellation_cover.h"

#include <cmath>
#include <limits>

#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kPi = 3.14159265358979323846264338327950288L;

Real Taxicab(const Point2& p) { return std::fabs(p.x) + std::fabs(p.y); }

// v(0) and each further vector the one before turned by a sixth of a turn.
int SixTurned(const Point2& first, NeighbourVectorArray& out) {
  out[0] = first;
  for (int i = 1; i < 6; ++i) {
    out[static_cast<std::size_t>(i)] = out[static_cast<std::size_t>(i - 1)];
    Rotate2(out[static_cast<std::size_t>(i)], kPi / 3);
  }
  return 6;
}

// v(0), v(1) and each further vector the one two before turned by a quarter turn.
int EightQuarterTurned(const Point2& first, const Point2& second, NeighbourVectorArray& out) {
  out[0] = first;
  out[1] = second;
  for (std::size_t i = 2; i < 8; ++i) out[i] = {-out[i - 2].y, out[i - 2].x};
  return 8;
}

}  // namespace

Real UnitRotationPeriod(int kind) {
  switch (kind) {
    case 15:
    case 16: return kPi / 2;
    case 11:
    case 20: return kPi;
    case 13:
    case 14: return 2 * kPi / 3;
    case 12:
    case 17:
    case 18:
    case 19:
    case 21: return kPi / 3;
    default: return 0;
  }
}

Real ReducedInclination(Real t, Real period) {
  if (period <= 0) return 0;
  const Real reduced = t - period * std::floor((t + period / 2) / period);
  // Rounding can leave the result a hair outside the interval.
  if (reduced >= period / 2) return reduced - period;
  if (reduced < -period / 2) return reduced + period;
  return reduced;
}

int UnitNeighbourVectors(int kind, Real angle, std::span<const Point2> unit, NeighbourVectorArray& out) {
  const Real r3 = std::sqrt(static_cast<Real>(3));
  const Real r8 = std::sqrt(static_cast<Real>(8));
  int n = 0;
  switch (kind) {
    case 11:
      out = {Point2{2, 0}, Point2{1, 2 + r3}, Point2{-1, 2 + r3}, Point2{-2, 0}, Point2{-1, -2 - r3}, Point2{1, -2 - r3}};
      n = 6;
      break;
    case 12:
    case 13: n = SixTurned({4, 0}, out); break;
    case 14: n = SixTurned({6, 0}, out); break;
    case 17: n = SixTurned({6 + 2 * r3, 0}, out); break;
    case 18: n = SixTurned({0, 2 + 2 * r3}, out); break;
    case 19: n = SixTurned({0, 4 + 2 * r3}, out); break;
    case 21:
      // The built unit is already turned (and maybe mirrored): its own points give the lattice.
      if (unit.size() < 6) return 0;
      return SixTurned(unit[5] - unit[0], out);
    case 15: n = EightQuarterTurned({2 + r8, 0}, {2 + r8, 2 + r8}, out); break;
    case 16: n = EightQuarterTurned({2, 0}, {2, 2}, out); break;
    case 20: n = EightQuarterTurned({2 + 2 * r3, 0}, {2 + 2 * r3, 2 + 2 * r3}, out); break;
    case 22:
      if (unit.size() < 4) return 0;
      return QuadNeighbourVectors(unit[0], unit[1], unit[2], unit[3], out);
    default: return 0;
  }
  for (int i = 0; i < n; ++i) Rotate2(out[static_cast<std::size_t>(i)], angle);
  return n;
}

int QuadNeighbourVectors(const Point2& a, const Point2& b, const Point2& c, const Point2& d, NeighbourVectorArray& out) {
  out[0] = c - a;
  out[1] = d - b;
  out[2] = a - c;
  out[3] = b - d;
  return 4;
}

Box2 CoverBox(const Point2& a, std::span<const Point2> vectors) {
  constexpr Real kHuge = std::numeric_limits<Real>::max();
  Box2 box{kHuge, -kHuge, kHuge, -kHuge};
  for (const Point2& v : vectors) {
    const Point2 p = a + 4 * v;
    box.xmin = std::fmin(box.xmin, p.x);
    box.xmax = std::fmax(box.xmax, p.x);
    box.ymin = std::fmin(box.ymin, p.y);
    box.ymax = std::fmax(box.ymax, p.y);
  }
  return box;
}

bool BoxStrictlyInside(const Box2& view, const Box2& box) {
  return view.xmin > box.xmin && box.xmax > view.xmax && view.ymin > box.ymin && box.ymax > view.ymax;
}

Point2 RecentredCentre(const Point2& centre, std::span<const Point2> vectors) {
  const Real m = Taxicab(centre);
  Point2 c = centre;
  for (const Point2& v : vectors) {
    if (Taxicab(c + v) < m) c = c + v;
  }
  return c;
}

}  // namespace kernel

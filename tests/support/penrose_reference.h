#pragma once
// A Penrose tiling made independently of the tile engine, for checking it: Robinson triangles
// subdivided from a wheel of ten, then paired along their bases into rhombs or along a leg into
// kites and darts. Corners come in the engine's order: counter-clockwise, with c0 the kite's
// 144-degree corner, the dart's side corner before its notch, the 72-degree rhomb's corner at an
// end of its long diagonal and the 36-degree rhomb's 144-degree corner.

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <map>
#include <utility>
#include <vector>

#include "kernel/real.h"

namespace testsupport {

struct ReferenceTile {
  int type = 0;
  std::array<kernel::Point2, 4> c{};
};

namespace penrose_reference_detail {

using C = std::complex<long double>;

struct Triangle {
  int colour;  // 0 the acute triangle (36-degree apex), 1 the obtuse one (108-degree apex)
  C a, b, c;
};

inline long double Phi() { return (std::sqrt(5.0L) + 1) / 2; }

inline std::vector<Triangle> Subdivide(const std::vector<Triangle>& in) {
  std::vector<Triangle> out;
  const long double phi = Phi();
  for (const Triangle& t : in) {
    if (t.colour == 0) {
      const C p = t.a + (t.b - t.a) / phi;
      out.push_back({0, t.c, p, t.b});
      out.push_back({1, p, t.c, t.a});
    } else {
      const C q = t.b + (t.a - t.b) / phi;
      const C r = t.b + (t.c - t.b) / phi;
      out.push_back({1, r, t.c, t.a});
      out.push_back({1, q, r, t.b});
      out.push_back({0, r, q, t.a});
    }
  }
  return out;
}

inline std::pair<long long, long long> Key(const C& z) {
  return {std::llround(z.real() * 1e6L), std::llround(z.imag() * 1e6L)};
}
using PairKey = std::pair<std::pair<long long, long long>, std::pair<long long, long long>>;
inline PairKey SideKey(const C& p, const C& q) {
  auto a = Key(p);
  auto b = Key(q);
  if (b < a) std::swap(a, b);
  return {a, b};
}

inline long double Cross(const C& u, const C& v) { return u.real() * v.imag() - u.imag() * v.real(); }

// Orders four corners counter-clockwise starting at `first`, or (when `before` is given) at the
// corner whose counter-clockwise successor is `before`.
inline ReferenceTile Canonical(int type, std::array<C, 4> ring, const C& first, const C* before = nullptr) {
  long double area = 0;
  for (int k = 0; k < 4; ++k) area += Cross(ring[k], ring[(k + 1) % 4]);
  if (area < 0) std::reverse(ring.begin(), ring.end());
  int start = 0;
  for (int k = 0; k < 4; ++k) {
    const C& probe = before != nullptr ? ring[(k + 1) % 4] : ring[k];
    if (std::abs(probe - (before != nullptr ? *before : first)) < 1e-9L) start = k;
  }
  ReferenceTile tile;
  tile.type = type;
  for (int k = 0; k < 4; ++k) {
    const C z = ring[(start + k) % 4];
    tile.c[k] = {z.real(), z.imag()};
  }
  return tile;
}

// Kites and darts: an acute triangle is half a kite (a its apex, b the far end of its axis, c a
// side corner; legs phi, base 1), an obtuse one half a dart (a its notch, b its tip, c a side
// corner; legs 1, base phi). Each step shrinks the pieces by phi.
inline std::vector<Triangle> DeflateKitesAndDarts(const std::vector<Triangle>& in) {
  std::vector<Triangle> out;
  const long double phi = Phi();
  for (const Triangle& t : in) {
    if (t.colour == 0) {
      const C d = t.a + (t.b - t.a) / phi;
      const C e = t.c + (t.a - t.c) / phi;
      out.push_back({0, t.c, d, t.b});
      out.push_back({0, t.c, d, e});
      out.push_back({1, e, t.a, d});
    } else {
      const C e = t.b + (t.c - t.b) / phi;
      out.push_back({0, t.b, t.a, e});
      out.push_back({1, e, t.c, t.a});
    }
  }
  return out;
}

}  // namespace penrose_reference_detail

// mode 0: kites and darts with short sides 1, deflated from a sun; mode 1: rhombs with sides 1,
// subdivided from a wheel of ten triangles. Only whole tiles are returned (triangles at the rim
// without their partner are dropped).
inline std::vector<ReferenceTile> ReferenceTiling(int mode, int subdivisions) {
  using namespace penrose_reference_detail;
  std::vector<Triangle> triangles;
  const long double pi = std::acos(-1.0L);
  if (mode == 0) {
    for (int i = 0; i < 10; ++i) {
      const int kite = i / 2;
      const C axis = std::polar(Phi(), kite * 72 * pi / 180);
      const C side = std::polar(Phi(), (kite * 72 + (i % 2 != 0 ? 36 : -36)) * pi / 180);
      triangles.push_back({0, C(0, 0), axis, side});
    }
    for (int k = 0; k < subdivisions; ++k) triangles = DeflateKitesAndDarts(triangles);
  } else {
    for (int i = 0; i < 10; ++i) {
      C b = std::polar(1.0L, (2 * i - 1) * pi / 10);
      C c = std::polar(1.0L, (2 * i + 1) * pi / 10);
      if (i % 2 == 0) std::swap(b, c);
      triangles.push_back({0, C(0, 0), b, c});
    }
    for (int k = 0; k < subdivisions; ++k) triangles = Subdivide(triangles);
  }

  // Scale: the rhomb side (a leg of the acute triangle) or the kite's short side (its base) is 1.
  long double scale = 1;
  for (const Triangle& t : triangles) {
    if (t.colour == 0) {
      scale = mode == 1 ? 1 / std::abs(t.b - t.a) : 1 / std::abs(t.c - t.b);
      break;
    }
  }
  for (Triangle& t : triangles) {
    t.a *= scale;
    t.b *= scale;
    t.c *= scale;
  }

  std::map<PairKey, std::vector<int>> bySide;
  for (int i = 0; i < static_cast<int>(triangles.size()); ++i) {
    const Triangle& t = triangles[static_cast<std::size_t>(i)];
    // Rhombs join along the base; kites and darts along the axis a-b.
    const PairKey key = mode == 1 ? SideKey(t.b, t.c) : SideKey(t.a, t.b);
    bySide[key].push_back(i);
  }
  std::vector<ReferenceTile> tiles;
  for (const auto& [key, list] : bySide) {
    if (list.size() != 2) continue;
    const Triangle& s = triangles[static_cast<std::size_t>(list[0])];
    const Triangle& t = triangles[static_cast<std::size_t>(list[1])];
    if (s.colour != t.colour) continue;
    if (mode == 1) {
      // Acute triangles make the 36-degree rhomb (c0 at a 144-degree corner: b or c), obtuse ones
      // the 72-degree rhomb (c0 at a 72-degree corner: b or c).
      const int type = s.colour == 0 ? 1 : 0;
      tiles.push_back(Canonical(type, {s.a, s.b, t.a, s.c}, s.b));
    } else if (s.colour == 0) {
      // Kite: 144-degree corner b, side corner c, apex a, the other side corner.
      tiles.push_back(Canonical(0, {s.b, s.c, s.a, t.c}, s.b));
    } else {
      // Dart: side corner c, notch a, the other side corner, tip b.
      tiles.push_back(Canonical(1, {s.c, s.a, t.c, s.b}, s.c, &s.a));
    }
  }
  return tiles;
}

}  // namespace testsupport

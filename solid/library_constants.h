#pragma once
// The constant table of the polyhedron library. Every coordinate of every library solid, and every
// placement radius, is one of its entries or an entry's negation; the vertex tables hold the
// entries' indices (library_solid_tables.h), and the tessellation units index it as well.
//
// Entries keep their indices for good: 0 is 0.0, 1 is sqrt 2, 20 is sqrt 3 / 2, 21 is 1/2, 22 is
// sqrt 2 / 2, 23 is 1.0, 25 is the golden ratio and 46 the tetrahedron's placement radius
// 0.6764447647281682. Entries still 0.0 beyond the last used one are free for further solids.
//
// How the values were made. Each solid's vertices were computed to 60 digits from its standard
// construction, scaled to edge 1 (by the shortest distance between two vertices) and, except the
// tetrahedron and the cube, moved so that their centroid is the origin:
// - tetrahedron (c, 0, 0), (0, c, 0), (0, 0, c), (c, c, c) with c = sqrt 2 / 2; cube 0 to 1;
//   octahedron (0, 0, +-c), (+-c, 0, 0), (0, +-c, 0);
// - cuboctahedron, truncated octahedron, truncated cube, truncated cuboctahedron and
//   rhombicuboctahedron: all permutations of (1, 1, 0), (0, 1, 2), (sqrt 2 - 1, 1, 1),
//   (1, 1 + sqrt 2, 1 + 2 sqrt 2) and (1, 1, 1 + sqrt 2) with every choice of signs; truncated
//   tetrahedron: the permutations of (3, 1, 1) with an even number of minus signs;
// - with phi the golden ratio, even (cyclic) permutations with every choice of signs of
//   dodecahedron (1, 1, 1), (0, 1/phi, phi); icosahedron (0, 1, phi); truncated icosahedron
//   (0, 1, 3 phi), (1, 2 + phi, 2 phi), (phi, 2, phi^3); icosidodecahedron (0, 0, phi),
//   (1/2, phi/2, phi^2/2); rhombicosidodecahedron (1, 1, phi^3), (phi^2, phi, 2 phi),
//   (2 + phi, 0, phi^2); truncated dodecahedron (0, 1/phi, 2 + phi), (1/phi, phi, 2 phi),
//   (phi, 2, phi^2); truncated icosidodecahedron (1/phi, 1/phi, 3 + phi), (2/phi, phi, 1 + 2 phi),
//   (1/phi, phi^2, 3 phi - 1), (2 phi - 1, 2, 2 + phi), (phi, 3, 2 phi);
// - snub cuboctahedron: with t the real root of t^3 = t^2 + t + 1, the even permutations of
//   (+-1, +-1/t, +-t) with an even number of plus signs and the odd ones with an odd number;
// - snub icosidodecahedron: with x the real root of x^3 - 2x = phi, a = x - 1/x and
//   b = x phi + phi^2 + phi/x, the 60 images of (2a, 2, 2b) under the rotations of the
//   icosahedron with vertices (0, +-phi, +-1) and their cyclic permutations, turned a quarter
//   turn about z;
// - the icosidodecahedron is then turned about x so that the five-fold axis through (0, phi, 1)
//   becomes the z axis (a pentagon on top, its centre on the z axis).
// Vertices are numbered from the top layer (largest z) down, each layer counter-clockwise about z
// from +x, with these exceptions: the icosahedron lists one vertex, its five neighbours, the five
// beyond them and its antipode (its first 6 and 11 vertices are the pentagonal pyramid and the
// icosahedron less one vertex); the rhombicosidodecahedron ends with three pentagons that share no
// square and are not opposite, so that its first 55, 50 and 45 vertices leave out one, two and
// three pentagonal caps; the rhombicuboctahedron's layers make its first 12 and 20 vertices the
// square cupola and the elongated square cupola. A face is the set of vertices in one supporting
// plane of the hull, walked counter-clockwise as seen from outside (its normal by the right-hand
// rule points out of the solid); faces come by size, then from the top down. Distinct absolute
// coordinate values became entries in the order first met (an entry's comment gives its closed
// form where it has a short one, and the first solid that uses it); a placement radius is the
// circumradius when that is an entry already, otherwise the circumradius rounded up at the fourth
// decimal (the dodecahedron 1.4013, the icosahedron 0.9511). The values are written with 30
// digits. The colour runs give each kind of face one colour of the window's table, the same for
// every solid: triangles 3, squares 6, pentagons 4, hexagons 1, octagons 5, decagons 8; the
// Platonic solids have none.

#include <array>
#include <cstdint>

#include "kernel/real.h"

namespace solid {

inline constexpr int kLibraryConstantCount = 350;

extern const std::array<kernel::Real, kLibraryConstantCount> LibraryConstantTable;

// The value a word of a vertex table stands for: entry |word|, negated when the word is negative.
kernel::Real LibraryTableValue(std::int16_t word);

}  // namespace solid

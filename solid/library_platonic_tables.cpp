// The five Platonic solids, codes 1000 to 1004: their tables at unit edge, made as
// library_constants.h describes.
#include "solid/library_solid_families.h"

namespace solid {

namespace {

// clang-format off
// regular tetrahedron
constexpr std::int16_t kTetrahedronVertices[] = {
    46,  // placement radius
    22, 0, 0,   0, 22, 0,   0, 0, 22,   22, 22, 22,  // 1-4
};
constexpr std::int16_t kTetrahedronFaces[] = {
    4, 4,  // vertices, faces
    3, 1, 3, 2,  3, 1, 2, 4,  3, 1, 4, 3,  3, 2, 3, 4,
};

// cube
constexpr std::int16_t kCubeVertices[] = {
    20,  // placement radius
    0, 0, 0,   23, 0, 0,   23, 23, 0,   0, 23, 0,  // 1-4
    0, 0, 23,   23, 0, 23,   23, 23, 23,   0, 23, 23,  // 5-8
};
constexpr std::int16_t kCubeFaces[] = {
    8, 6,  // vertices, faces
    4, 5, 6, 7, 8,  4, 1, 2, 6, 5,  4, 2, 3, 7, 6,  4, 3, 4, 8, 7,  4, 1, 5, 8, 4,  4, 1, 4, 3, 2,
};

// regular octahedron
constexpr std::int16_t kOctahedronVertices[] = {
    22,  // placement radius
    0, 0, 22,   22, 0, 0,   0, 22, 0,   -22, 0, 0,  // 1-4
    0, -22, 0,   0, 0, -22,  // 5-6
};
constexpr std::int16_t kOctahedronFaces[] = {
    6, 8,  // vertices, faces
    3, 1, 2, 3,  3, 1, 3, 4,  3, 1, 4, 5,  3, 1, 5, 2,  3, 2, 6, 3,  3, 3, 6, 4,  3, 4, 6, 5,
    3, 2, 5, 6,
};

// regular dodecahedron
constexpr std::int16_t kDodecahedronVertices[] = {
    2,  // placement radius
    0, 21, 3,   0, -21, 3,   4, 4, 4,   -4, 4, 4,  // 1-4
    -4, -4, 4,   4, -4, 4,   3, 0, 21,   -3, 0, 21,  // 5-8
    21, 3, 0,   -21, 3, 0,   -21, -3, 0,   21, -3, 0,  // 9-12
    3, 0, -21,   -3, 0, -21,   4, 4, -4,   -4, 4, -4,  // 13-16
    -4, -4, -4,   4, -4, -4,   0, 21, -3,   0, -21, -3,  // 17-20
};
constexpr std::int16_t kDodecahedronFaces[] = {
    20, 12,  // vertices, faces
    5, 1, 2, 6, 7, 3,  5, 1, 4, 8, 5, 2,  5, 1, 3, 9, 10, 4,  5, 2, 5, 11, 12, 6,  5, 3, 7, 13, 15, 9,
    5, 4, 10, 16, 14, 8,  5, 5, 8, 14, 17, 11,  5, 6, 12, 18, 13, 7,  5, 9, 15, 19, 16, 10,
    5, 11, 17, 20, 18, 12,  5, 13, 18, 20, 19, 15,  5, 14, 16, 19, 20, 17,
};

// regular icosahedron
constexpr std::int16_t kIcosahedronVertices[] = {
    5,  // placement radius
    0, 21, 4,   21, 4, 0,   -21, 4, 0,   -4, 0, 21,  // 1-4
    0, -21, 4,   4, 0, 21,   4, 0, -21,   0, 21, -4,  // 5-8
    -4, 0, -21,   -21, -4, 0,   21, -4, 0,   0, -21, -4,  // 9-12
};
constexpr std::int16_t kIcosahedronFaces[] = {
    12, 20,  // vertices, faces
    3, 1, 5, 6,  3, 1, 4, 5,  3, 1, 6, 2,  3, 1, 3, 4,  3, 4, 10, 5,  3, 5, 11, 6,  3, 1, 2, 3,
    3, 5, 10, 11,  3, 2, 6, 7,  3, 3, 9, 4,  3, 4, 9, 10,  3, 6, 11, 7,  3, 2, 8, 3,  3, 10, 12, 11,
    3, 2, 7, 8,  3, 3, 8, 9,  3, 9, 12, 10,  3, 7, 11, 12,  3, 7, 12, 8,  3, 8, 12, 9,
};

constexpr LibrarySolid kSolids[] = {
    {1000, 316, kTetrahedronVertices, kTetrahedronFaces, {}, false},
    {1001, 317, kCubeVertices, kCubeFaces, {}, false},
    {1002, 318, kOctahedronVertices, kOctahedronFaces, {}, false},
    {1003, 319, kDodecahedronVertices, kDodecahedronFaces, {}, false},
    {1004, 320, kIcosahedronVertices, kIcosahedronFaces, {}, false},
};
// clang-format on

}  // namespace

std::span<const LibrarySolid> PlatonicLibrarySolids() {
  return kSolids;
}

}  // namespace solid

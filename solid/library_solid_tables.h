#pragma once
// The static tables of the polyhedron library's solids, found by solid code.
//
// A vertex table (signed 16-bit words): word 0 the index into LibraryConstantTable of the solid's
// placement radius at unit edge; then x, y, z of each vertex as signed indices of the constant
// table (LibraryTableValue). It may hold more vertices than a solid reads: the solid reads as many
// as its face table says.
// A face table: word 0 the vertex count n, word 1 the face count f, then per face its vertex count
// k (at most 24) and its k vertex numbers, 1-based, in the order the boundary is walked.
// Colour runs: pairs {run length, colour index} for the faces in table order, ended by a run length
// of 0 or less; the runs of a solid cover no face after its last.

#include <cstdint>
#include <span>

namespace solid {

using LibraryVertexTable = std::span<const std::int16_t>;
using LibraryFaceTable = std::span<const std::int16_t>;
using LibraryColorRuns = std::span<const std::int16_t>;

struct LibrarySolid {
  std::uint16_t code = 0;      // 1000 to 1128; the solid's name is the string of that number
  std::uint16_t stepKind = 0;  // the StepKind of the steps that build it
  LibraryVertexTable vertexTable;
  LibraryFaceTable faceTable;
  LibraryColorRuns colorRuns;  // empty: the faces keep their first colour
  bool chiral = false;         // a mirror image can be asked for
};

// The solid of the code, or null when the library has no tables for it.
const LibrarySolid* FindLibrarySolid(int code);

}  // namespace solid

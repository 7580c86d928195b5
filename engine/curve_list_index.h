#pragma once
// The running index over a plane window's four curve lists, taken in the order: conics by two
// foci (list A), conics by three points (list B), five-point conics, equations.

#include <array>

namespace engine {

// The list codes of the running index.
inline constexpr int kCurveListA = 2;
inline constexpr int kCurveListB = 3;
inline constexpr int kCurveListEquations = 4;
inline constexpr int kCurveListConics = 5;

struct CurveListPlace {
  int list = kCurveListEquations;  // one of the codes above
  int position = 0;                // from 0 in that list
};

// counts: the lengths of list A, list B, the conics and the equations. An index past the conics
// falls to the equations, whatever their length.
CurveListPlace LocateInCurveLists(const std::array<int, 4>& counts, int index);

}  // namespace engine

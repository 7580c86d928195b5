#pragma once
// The running index over a plane window's four curve lists, taken in the order: conics by two
// foci (list A), conics by three points (list B), five-point conics, equations (list D). The fill
// dialog and the conic dialogs number the curves by it, and fill records store its list codes.

#include <array>
#include <cstddef>
#include <vector>

namespace engine {

// The list codes of the running index.
inline constexpr int kCurveListA = 2;
inline constexpr int kCurveListB = 3;
inline constexpr int kCurveListEquations = 4;
inline constexpr int kCurveListConics = 5;

struct CurveListPlace {
  int list = 0;       // one of the codes above; 0 for no entry
  int position = -1;  // from 0 in that list; -1 for no entry
};

// counts: the lengths of list A, list B, the conics and the equations. An index past the conics
// falls to the equations, whatever their length.
CurveListPlace LocateInCurveLists(const std::array<int, 4>& counts, int index);
// The same, but an index outside the lists (below 0 or past the last equation) gives no entry.
CurveListPlace LocateCurveEntry(const std::array<int, 4>& counts, int index);

// The record at position n (from 0) of a curve list, or null when the list has none there.
template <class Record>
const Record* NthRecord(const std::vector<Record>& list, int n) {
  return n >= 0 && static_cast<std::size_t>(n) < list.size() ? &list[static_cast<std::size_t>(n)] : nullptr;
}

}  // namespace engine

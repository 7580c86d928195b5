#include "engine/curve_list_index.h"

namespace engine {

CurveListPlace LocateInCurveLists(const std::array<int, 4>& counts, int index) {
  if (index < counts[0]) return {kCurveListA, index};
  index -= counts[0];
  if (index < counts[1]) return {kCurveListB, index};
  index -= counts[1];
  if (index < counts[2]) return {kCurveListConics, index};
  return {kCurveListEquations, index - counts[2]};
}

CurveListPlace LocateCurveEntry(const std::array<int, 4>& counts, int index) {
  if (index < 0 || index >= counts[0] + counts[1] + counts[2] + counts[3]) return {};
  return LocateInCurveLists(counts, index);
}

}  // namespace engine

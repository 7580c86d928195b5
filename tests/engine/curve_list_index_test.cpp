// The running index over the four plane curve lists.
#include "engine/curve_list_index.h"

#include <gtest/gtest.h>

namespace {

TEST(CurveListIndex, TheRunningIndexWalksListAThenBThenTheConicsThenTheEquations) {
  const std::array<int, 4> counts{2, 3, 4, 5};
  struct Case {
    int index;
    int list;
    int position;
  };
  for (const Case& c : {Case{0, engine::kCurveListA, 0}, Case{1, engine::kCurveListA, 1}, Case{2, engine::kCurveListB, 0},
                        Case{4, engine::kCurveListB, 2}, Case{6, engine::kCurveListConics, 1},
                        Case{9, engine::kCurveListEquations, 0}, Case{10, engine::kCurveListEquations, 1}}) {
    const engine::CurveListPlace place = engine::LocateInCurveLists(counts, c.index);
    EXPECT_EQ(place.list, c.list) << c.index;
    EXPECT_EQ(place.position, c.position) << c.index;
  }
}

}  // namespace

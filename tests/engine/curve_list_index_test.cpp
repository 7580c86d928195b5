// The running index over the four plane curve lists.
#include "engine/curve_list_index.h"

#include <gtest/gtest.h>

namespace {

struct IndexCase {
  int index;
  int list;
  int position;
};

TEST(CurveListIndex, TheRunningIndexWalksListAThenBThenTheConicsThenTheEquations) {
  const std::array<int, 4> counts{2, 3, 4, 5};
  for (const IndexCase& c : {IndexCase{0, engine::kCurveListA, 0}, IndexCase{1, engine::kCurveListA, 1}, IndexCase{2, engine::kCurveListB, 0},
                        IndexCase{4, engine::kCurveListB, 2}, IndexCase{6, engine::kCurveListConics, 1},
                        IndexCase{9, engine::kCurveListEquations, 0}, IndexCase{10, engine::kCurveListEquations, 1},
                        IndexCase{16, engine::kCurveListEquations, 7}}) {
    const engine::CurveListPlace place = engine::LocateInCurveLists(counts, c.index);
    EXPECT_EQ(place.list, c.list) << c.index;
    EXPECT_EQ(place.position, c.position) << c.index;
  }
}

TEST(CurveListIndex, AnEntryOutsideTheListsIsNone) {
  const std::array<int, 4> counts{1, 0, 0, 2};
  for (const IndexCase& c : {IndexCase{-1, 0, -1}, IndexCase{0, engine::kCurveListA, 0}, IndexCase{1, engine::kCurveListEquations, 0},
                        IndexCase{2, engine::kCurveListEquations, 1}, IndexCase{3, 0, -1}}) {
    const engine::CurveListPlace place = engine::LocateCurveEntry(counts, c.index);
    EXPECT_EQ(place.list, c.list) << c.index;
    EXPECT_EQ(place.position, c.position) << c.index;
  }
  EXPECT_EQ(engine::LocateCurveEntry({0, 0, 0, 0}, 0).position, -1);
}

}  // namespace

// Where the observer may stand and where a new solid goes.
#include "kernel/observer_placement.h"

#include <gtest/gtest.h>

namespace {

using kernel::Point3;

const Point3 kLow{0, 0, 0};
const Point3 kHigh{2, 2, 2};
const Point3 kCentre{1, 1, 1};

TEST(ObserverPlacement, TooCloseWhenTheMidpointLiesOverTheModel) {
  struct Case {
    Point3 observer;
    bool tooClose;
  };
  const Case cases[] = {
      {{3, 3, 50}, true},       // the midpoint (2, 2, 25.5) lies on the box's corner, bounds included
      {{3.1L, 3, 50}, false},   // just beyond it
      {{1, 1, 50}, true},       // straight above the centre
      {{1, 1, -50}, true},      // and below: the height does not count
      {{25, 32, 18}, false},    // the default observer
      {{-1, 1, 0}, true},       // level with the model, the midpoint at its edge
  };
  for (const Case& c : cases) {
    EXPECT_EQ(kernel::ObserverTooClose(kLow, kHigh, kCentre, c.observer), c.tooClose)
        << c.observer.x << " " << c.observer.y << " " << c.observer.z;
  }
}

TEST(ObserverPlacement, TooFarBeyondTenThousandTimesTheModelsSizeInTaxicabDistance) {
  // The box's taxicab size is 6: the limit is 60000 from the centre.
  EXPECT_FALSE(kernel::ObserverTooFar(kLow, kHigh, kCentre, {60001, 1, 1}));
  EXPECT_TRUE(kernel::ObserverTooFar(kLow, kHigh, kCentre, {60001.5L, 1, 1}));
  EXPECT_TRUE(kernel::ObserverTooFar(kLow, kHigh, kCentre, {30001, -30001, 1}));
  EXPECT_FALSE(kernel::ObserverTooFar(kLow, kHigh, kCentre, {20000, 20000, 20000}));
}

TEST(ObserverPlacement, ANewSolidStandsBesideTheModelOnTheObserversSide) {
  const Point3 low{-1, -1, 0};
  const Point3 high{1, 1, 4};
  const Point3 empty = kernel::PlaceNewSolid(true, kLow, kHigh, kCentre, {25, 32, 18}, low, high);
  EXPECT_EQ(empty.x, 0);
  EXPECT_EQ(empty.y, 0);
  EXPECT_EQ(empty.z, 0);
  // Seen from +x +y, the new solid's low corner touches the box's high side; centred on C's height.
  const Point3 front = kernel::PlaceNewSolid(false, kLow, kHigh, kCentre, {25, 32, 18}, low, high);
  EXPECT_EQ(front.x, 3);
  EXPECT_EQ(front.y, 3);
  EXPECT_EQ(front.z, -1);
  // Seen from -x -y, its high corner touches the box's low side.
  const Point3 back = kernel::PlaceNewSolid(false, kLow, kHigh, kCentre, {-25, -32, 18}, low, high);
  EXPECT_EQ(back.x, -1);
  EXPECT_EQ(back.y, -1);
}

TEST(ObserverPlacement, KeepingInRangeHalvesAFarObserverThenDoublesACloseOne) {
  // Taxicab limit 60000: halved until within it.
  Point3 observer{200000, 0, 0};
  EXPECT_TRUE(kernel::KeepObserverInRange(kLow, kHigh, kCentre, observer));
  EXPECT_EQ(observer.x, 50000);
  // Too close: doubled until the midpoint leaves the box's x-y extent.
  observer = {2, 2, 1};
  EXPECT_TRUE(kernel::KeepObserverInRange(kLow, kHigh, kCentre, observer));
  EXPECT_EQ(observer.x, 4);
  EXPECT_EQ(observer.z, 2);
  // Within range: left alone.
  observer = {25, 32, 18};
  EXPECT_FALSE(kernel::KeepObserverInRange(kLow, kHigh, kCentre, observer));
  EXPECT_EQ(observer.x, 25);
  // At the origin doubling never helps, and a box of no size is too far from everywhere: both
  // give up after 64 scalings.
  observer = {0, 0, 0};
  EXPECT_FALSE(kernel::KeepObserverInRange(kLow, kHigh, kCentre, observer));
  observer = {3, 3, 3};
  EXPECT_TRUE(kernel::KeepObserverInRange(kCentre, kCentre, kCentre, observer));
}

}  // namespace

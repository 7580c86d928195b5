// The view after each step of a plane window: kept while the figure fits, widened when something
// sticks out, fitted to the figure on request, never moved in the Poincare disk.
#include "plane/geom_b_win.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "kernel/vector2.h"
#include "plane/geom2_win.h"
#include "platform/application.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;

// A plane window on the (off-)screen with a square client, whose free points (kind 121) wait in
// the slot after the last point.
class FreePointWindow : public plane::TGeom2Win {
 public:
  explicit FreePointWindow(std::uint8_t hyperbolicPlane) : TGeom2Win(nullptr, "plane", hyperbolicPlane) {
    Create();
    Show();
    SetClientSize(501, 501);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
  }
  int DoMovablePoint(std::string* /*out*/) override {
    return stepEngine.AddPoint(tables().xy[tables().last_point + 1], 0, -1) < 0 ? engine::kMsgNoMoreRoom : 0;
  }
  // A free point made by a command, which commits it and lets the view follow.
  void FreePoint(Real x, Real y) {
    tables().xy[tables().last_point + 1] = {x, y};
    history().BeginStep(121);
    ASSERT_EQ(RunNewStep(), 0);
  }
};

using PlaneUpdate = IsolatedFolders;

TEST_F(PlaneUpdate, AnEmptyFigureFitsTheOrigin) {
  FreePointWindow w(0);
  ASSERT_EQ(w.ClientWidth(), 501);
  ASSERT_EQ(w.ClientHeight(), 501);
  w.Update(false);
  EXPECT_EQ(w.mapping.centre, (Point2{0, 0}));
  EXPECT_REAL_NEAR(w.mapping.halfWidth, 0.13L, 1e-15L);
  EXPECT_REAL_NEAR(w.mapping.halfHeight, 0.13L, 1e-15L);
}

TEST_F(PlaneUpdate, TheViewStaysWhileTheFigureFitsAndWidensWhenItDoesNot) {
  FreePointWindow w(0);
  w.SetSquareView({0, 0}, 5);
  const view::ViewMapping before = w.mapping;
  const std::size_t saved = w.wing.viewStack.size();
  w.FreePoint(1, 2);
  w.FreePoint(5, -5);  // on the corner: not outside
  w.FreePoint(1, 3);
  w.history().BeginStep(91, 0, 2);  // the circle about the first through the third stays inside
  ASSERT_EQ(w.RunNewStep(), 0);
  w.Update(true);
  EXPECT_EQ(w.mapping.centre, before.centre);
  EXPECT_EQ(w.mapping.halfWidth, before.halfWidth);
  EXPECT_EQ(w.mapping.halfHeight, before.halfHeight);
  EXPECT_EQ(w.wing.viewStack.size(), saved);  // the same view is not saved again
  EXPECT_EQ(w.wing.pictureValid, 0);

  // A point far right: the view holds the old view and the point, 1.2 times that box.
  w.FreePoint(20, 0);
  EXPECT_EQ(w.mapping.centre, (Point2{7.5L, 0}));
  EXPECT_REAL_NEAR(w.mapping.halfWidth, 15, 1e-15L);
  EXPECT_TRUE(w.InView({20, 0}));
  ASSERT_EQ(w.wing.viewStack.size(), saved + 1);
  w.LastView();
  EXPECT_EQ(w.mapping.halfWidth, before.halfWidth);
}

TEST_F(PlaneUpdate, ACircleWhoseRimCrossesTheEdgeWidensTheView) {
  FreePointWindow w(0);
  w.SetSquareView({0, 0}, 5);
  w.FreePoint(4, 0);
  w.FreePoint(4, 2);
  w.history().BeginStep(91, 0, 1);
  ASSERT_EQ(w.RunNewStep(), 0);
  EXPECT_EQ(w.CircleRadius(0), 2);
  EXPECT_EQ(w.CircleRadius(1), 0);
  // The box grows to x 6, y 5 .. -5: centre (0.5, 0), half width 0.6 * 11.
  EXPECT_EQ(w.mapping.centre, (Point2{0.5L, 0}));
  EXPECT_REAL_NEAR(w.mapping.halfWidth, 6.6L, 1e-15L);
}

TEST_F(PlaneUpdate, ThePoincareDiskViewNeverMoves) {
  FreePointWindow w(1);
  EXPECT_TRUE(w.model().Hyperbolic);
  const view::ViewMapping before = w.mapping;
  w.FreePoint(0.5L, 0.25L);
  w.wing.pictureValid = 1;
  w.Update(false);
  EXPECT_EQ(w.mapping.centre, before.centre);
  EXPECT_EQ(w.mapping.halfWidth, before.halfWidth);
  EXPECT_EQ(w.wing.pictureValid, 0);  // but the figure is drawn anew
}

}  // namespace

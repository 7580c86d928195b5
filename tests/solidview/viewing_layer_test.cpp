// The 3-D view follows the model: the view box around the model as the observer sees it, the
// figure cleared to an empty model, and points moved alone or with their solid.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "kernel/model_box.h"
#include "kernel/vector3.h"
#include "kernel/number_text.h"
#include "platform/application.h"
#include "platform/scripted_responder.h"
#include "shell/child_windows.h"
#include "resources/resource_library.h"
#include "solid/obs_dlg.h"
#include "solidview/geom3_win.h"
#include "solidview/view_commands.h"
#include "solidview/solid_window_opening.h"
#include "sphere/geom_sm_win.h"
#include "support/isolated_folders.h"
#include "view/qel_wint.h"

namespace {

using kernel::Point3;
using kernel::Real;

// A window of the viewing layer, closed with the test.
template <class Window>
struct Closing {
  void operator()(Window* w) const {
    w->Destroy();
    platform::Application::ProcessPendingEvents();
  }
};
template <class Window>
using WindowPtr = std::unique_ptr<Window, Closing<Window>>;

class ViewingLayer : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
  }
  void TearDown() override {
    shell::ChildWindows().fill(0);
    IsolatedFolders::TearDown();
  }
  // The unit cube: a prism of altitude 1 over the unit square, built in a new 3-D window.
  static WindowPtr<solidview::TGeom3Win> Cube() {
    plane::SolidHandOver cube;
    cube.prism = true;
    cube.base = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    cube.labels = {0, 1, 2, 3};
    cube.altitude = 1;
    return WindowPtr<solidview::TGeom3Win>(
        static_cast<solidview::TGeom3Win*>(solidview::OpenSolidWindow(nullptr, "cube.kv3", 0, cube)));
  }
};

void ExpectNear3(const Point3& p, const Point3& q) {
  EXPECT_NEAR(p.x, q.x, 1e-15L);
  EXPECT_NEAR(p.y, q.y, 1e-15L);
  EXPECT_NEAR(p.z, q.z, 1e-15L);
}

// The view holds the projected box with 0.55 of its extent on each side of its middle, and the
// scales are equal.
void ExpectFitted(const solidview::TGeomQWin& w) {
  const kernel::Box2 extent = kernel::ProjectedBoxExtent(w.frame, w.boxMin, w.boxMax);
  const view::ViewMapping& m = w.mapping;
  EXPECT_NEAR(m.centre.x, (extent.xmin + extent.xmax) / 2, 1e-12L);
  EXPECT_NEAR(m.centre.y, (extent.ymin + extent.ymax) / 2, 1e-12L);
  EXPECT_GE(m.halfWidth, 0.55L * (extent.xmax + 0.01L - extent.xmin) - 1e-12L);
  EXPECT_GE(m.halfHeight, 0.55L * (extent.ymax + 0.01L - extent.ymin) - 1e-12L);
  // One of the two is tight.
  const bool tightX = std::abs(m.halfWidth - 0.55L * (extent.xmax + 0.01L - extent.xmin)) < 1e-12L;
  const bool tightY = std::abs(m.halfHeight - 0.55L * (extent.ymax + 0.01L - extent.ymin)) < 1e-12L;
  EXPECT_TRUE(tightX || tightY);
  EXPECT_EQ(m.aspect, 1);
}

TEST_F(ViewingLayer, EveryUpdateMeasuresTheModelAndFitsTheViewWithoutMovingTheObserver) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  ASSERT_EQ(w->tables().last_point, 7);
  // The cube with the origin, widened by 1 %.
  ExpectNear3(w->boxMin, {-0.01L, -0.01L, -0.01L});
  ExpectNear3(w->boxMax, {1.01L, 1.01L, 1.01L});
  ExpectNear3(w->viewCentre, {0.5L, 0.5L, 0.5L});
  EXPECT_NEAR(w->modelEpsilon, 0.0001L * std::sqrt(3.0L), 1e-15L);
  ExpectFitted(*w);

  // The user's observer stays where it was put; the view follows it.
  w->observer = {-6, 9, 4};
  w->Update(true);
  ExpectNear3(w->observer, {-6, 9, 4});
  ExpectFitted(*w);
  const engine::FigureTables& t = w->tables();
  for (int i = 0; i <= t.last_point; ++i) EXPECT_TRUE(w->InView(t.xy[i])) << i;

  // An observer beyond reach is brought back (halved while too far).
  w->observer = {1e7, 0, 0};
  w->Update(true);
  EXPECT_LE(kernel::TaxiDist3(w->observer, w->viewCentre), 10000 * kernel::TaxiDist3(w->boxMin, w->boxMax));
  EXPECT_EQ(w->observer.y, 0);
}

TEST_F(ViewingLayer, AnEmptyFigureIsSeenInTheBoxOfTheAxes) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  w->ClearFigure();
  w->axisLengths = {2, 3, 4};
  w->ComputeModelBox();
  ExpectNear3(w->boxMin, {-0.02L, -0.03L, -0.04L});
  ExpectNear3(w->boxMax, {2.02L, 3.03L, 4.04L});
}

TEST_F(ViewingLayer, TheSphericalBallKeepsItsViewOnUpdate) {
  WindowPtr<sphere::TGeomSMWin> w(new sphere::TGeomSMWin(nullptr, "ball"));
  w->Create();
  w->Show();
  w->SetView(0.25L, -0.5L, 3, 3, false);
  const view::ViewMapping before = w->mapping;
  w->Update(false);
  EXPECT_EQ(w->mapping.centre.x, before.centre.x);
  EXPECT_EQ(w->mapping.centre.y, before.centre.y);
  EXPECT_EQ(w->mapping.halfWidth, before.halfWidth);
}

TEST_F(ViewingLayer, ClearingEmptiesTheModelAndFreesEveryLabel) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  w->ClearLabels();
  const engine::FigureTables& t = w->tables();
  EXPECT_EQ(t.last_point, -1);
  for (int i = 0; i < engine::kPointCapacity; ++i) {
    ASSERT_EQ(t.exists[i], 0) << i;
    ASSERT_EQ(t.label_map[i], -1) << i;
  }
  EXPECT_EQ(t.FindFreeLabel(), 0);
  EXPECT_EQ(w->solid().last_face, -1);
  EXPECT_EQ(w->solid().last_surface, -1);
  EXPECT_EQ(w->modelTables.last_edge, -1);
  EXPECT_EQ(w->stepEngine.figure_counter, 0);
}

TEST_F(ViewingLayer, MovingAVertexCarriesItsSolidAndAFreePointMovesAlone) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  const engine::FigureTables& t = w->tables();
  std::vector<Point3> before(t.xyz.begin(), t.xyz.begin() + 8);

  // Vertex C' by (1, 0, 0): the whole cube follows, rigidly.
  EXPECT_EQ(w->MovePointXYZ(6, before[6] + Point3{1, 0, 0}), 0);
  ASSERT_EQ(t.last_point, 7);
  for (int i = 0; i < 8; ++i) ExpectNear3(t.xyz[i], before[static_cast<std::size_t>(i)] + Point3{1, 0, 0});

  // A point of no solid (tag 0) moves alone; what is built over it follows at the replay (A' stays
  // above A), the rest stays.
  w->tables().attrs[0].tag = 0;
  EXPECT_EQ(w->MovePointXYZ(0, {0, 0, -2}), 0);
  ExpectNear3(t.xyz[0], {0, 0, -2});
  ExpectNear3(t.xyz[4], {0, 0, -1});
  ExpectNear3(t.xyz[1], before[1] + Point3{1, 0, 0});

  // A point that does not exist: 2, nothing moves.
  const std::vector<Point3> now(t.xyz.begin(), t.xyz.begin() + 8);
  EXPECT_EQ(w->MovePointXYZ(8, {5, 5, 5}), 2);
  EXPECT_EQ(w->MovePointXYZ(-1, {5, 5, 5}), 2);
  for (int i = 0; i < 8; ++i) ExpectNear3(t.xyz[i], now[static_cast<std::size_t>(i)]);
}

TEST_F(ViewingLayer, TheTwoPersonalitiesDifferInMenuHelpKindSettingsExtensionAndFilter) {
  struct Personality {
    bool spherical;
    std::string menu;
    std::string help;
    std::int32_t kind;
    std::string settings;
    std::string extension;
    std::string filter;
  };
  const Personality cases[] = {
      {false, "GEO3MENU", "KV3HELP", 676, "kavrine3.ini", "kv3", "Euclidean files (*.KV3)|*.kv3"},
      {true, "GEOSMENU", "KVSHELP", 14641, "kavrines.ini", "kvs", "Spherical files (*.KVS)|*.kvs"},
  };
  for (const Personality& c : cases) {
    SCOPED_TRACE(c.menu);
    WindowPtr<solidview::TGeomQWin> w(c.spherical ? static_cast<solidview::TGeomQWin*>(new sphere::TGeomSMWin(nullptr, "f"))
                                                  : new solidview::TGeom3Win(nullptr, "f"));
    w->Create();
    w->Show();
    EXPECT_EQ(w->model().Spherical, c.spherical);
    EXPECT_EQ(w->menuName, c.menu);
    EXPECT_EQ(w->fileMsg.mainHelp, c.help);
    EXPECT_TRUE(resources::FindHelpText(c.help).has_value());
    EXPECT_EQ(w->qelWin.fileKind, c.kind);
    EXPECT_EQ(w->qelWin.settingsFileName, c.settings);
    EXPECT_EQ(w->fileMsg.defaultExtension, c.extension);
    EXPECT_EQ(w->fileMsg.filters, c.filter);
    EXPECT_EQ(w->dimension(), 3);
    // The View menu is there, with Outlines and Axes > Labels checked from the start and the
    // display mode Painted (Hidden lines > Hidden in the spherical menu).
    EXPECT_NE(w->menu().Find(solidview::kCmdTurn), nullptr);
    EXPECT_NE(w->menu().Find(solidview::kCmdPointCoordinates), nullptr);
    EXPECT_TRUE(w->menu().IsChecked(solidview::kCmdAxisLabels));
    EXPECT_TRUE(w->menu().IsChecked(solidview::kCmdPainted));
    EXPECT_FALSE(w->menu().IsChecked(solidview::kCmdDotHiddenLines));
    EXPECT_FALSE(w->menu().IsChecked(solidview::kCmdAxisArrows));
    if (!c.spherical) {
      EXPECT_TRUE(w->menu().IsChecked(solidview::kCmdOutlines));
      EXPECT_EQ(w->qelWin.currentTool, view::kCmdTextTool);
    }
    // Ray-traced and the coordinates of a new point are not offered yet.
    EXPECT_FALSE(w->QueryCommand(solidview::kCmdPointCoordinates).enabled);
    // Closed with the observer dialog open: the dialog goes first.
    ASSERT_NE(w->ShowObserverDialog(), nullptr);
  }
}

TEST_F(ViewingLayer, TheDisplayModesAndOptionsCheckTheirItemsAndMarkTheFigureOnlyWhenThePictureChanges) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  w->fileMsg.modified = 0;
  // The active mode again: nothing.
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdPainted));
  EXPECT_EQ(w->fileMsg.modified, 0);
  EXPECT_TRUE(w->QueryCommand(solidview::kCmdOutlines).enabled);
  // Dot hidden lines: checked, figure changed; Outlines greyed, and toggling it changes its check
  // only.
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdDotHiddenLines));
  EXPECT_EQ(w->display.displayMode, solidview::kDotHiddenLines);
  EXPECT_TRUE(w->menu().IsChecked(solidview::kCmdDotHiddenLines));
  EXPECT_FALSE(w->menu().IsChecked(solidview::kCmdPainted));
  EXPECT_EQ(w->fileMsg.modified, 1);
  EXPECT_FALSE(w->QueryCommand(solidview::kCmdOutlines).enabled);
  w->fileMsg.modified = 0;
  w->ToggleOutlines();
  EXPECT_FALSE(w->menu().IsChecked(solidview::kCmdOutlines));
  EXPECT_EQ(w->fileMsg.modified, 0);
  // Ray-traced is not offered yet.
  EXPECT_FALSE(w->QueryCommand(solidview::kCmdRayTraced).enabled);
  // Axis arrows and labels toggle with their checks.
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdAxisArrows));
  EXPECT_TRUE(w->menu().IsChecked(solidview::kCmdAxisArrows));
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdAxisLabels));
  EXPECT_FALSE(w->menu().IsChecked(solidview::kCmdAxisLabels));
}

TEST_F(ViewingLayer, AxisLengthsFreezeOnlyValidLengthsAndCancelReleasesThem) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  {
    platform::ScriptedResponder script;
    script.FillAndPress("AXLEN", {{211, "3"}, {212, "0"}, {213, "5"}}, 1).AnswerMessage(platform::IDOK);
    EXPECT_TRUE(w->DispatchCommand(solidview::kCmdFixAxisLengths));
    EXPECT_EQ(script.Messages(), (std::vector<std::string>{"cannot understand"}));
    EXPECT_EQ(w->axisLengthsFixed, 0);
    EXPECT_EQ(w->axisLengths.y, 2);
  }
  {
    platform::ScriptedResponder script;
    script.FillAndPress("AXLEN", {{211, "3"}, {212, "2*2"}, {213, "5"}}, 1);
    EXPECT_TRUE(w->DispatchCommand(solidview::kCmdFixAxisLengths));
    EXPECT_TRUE(script.Messages().empty());
    EXPECT_EQ(w->axisLengthsFixed, 1);
    EXPECT_EQ(w->axisLengths.y, 4);
    EXPECT_TRUE(w->menu().IsChecked(solidview::kCmdFixAxisLengths));
    // The fixed axes count in the model box.
    w->Update(true);
    EXPECT_GT(w->boxMax.z, 5);
  }
  {
    platform::ScriptedResponder script;
    script.FillAndPress("AXLEN", {}, 2);
    EXPECT_TRUE(w->DispatchCommand(solidview::kCmdFixAxisLengths));
    EXPECT_EQ(w->axisLengthsFixed, 0);
    EXPECT_EQ(w->axisLengths.y, 4);
    EXPECT_FALSE(w->menu().IsChecked(solidview::kCmdFixAxisLengths));
  }
}

TEST_F(ViewingLayer, TheTurnAngleAndTheArrowheadSizeAreAskedAndChecked) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  {
    platform::ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, "1/0"}}, 1).AnswerMessage(platform::IDOK);
    EXPECT_TRUE(w->DispatchCommand(solidview::kCmdRotationAngle));
    EXPECT_EQ(script.Messages(), (std::vector<std::string>{"cannot understand"}));
    EXPECT_NEAR(w->rotationStep, kernel::Pi / 36, 1e-18L);
  }
  {
    platform::ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, "2*45"}}, 1);
    EXPECT_TRUE(w->DispatchCommand(solidview::kCmdRotationAngle));
    EXPECT_NEAR(w->rotationStep, kernel::Pi / 2, 1e-15L);
  }
  // The arrowhead: a size of one pixel is refused, 200 pixels taken.
  const int width = w->ScreenWidthPixels();
  ASSERT_GT(width, 200);
  {
    platform::ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, kernel::FormatLD(100.0L / width, 8, 5)}}, 1).AnswerMessage(platform::IDOK);
    EXPECT_TRUE(w->DispatchCommand(solidview::kCmdArrowheadSize));
    EXPECT_EQ(script.Messages(), (std::vector<std::string>{"out of bounds"}));
    EXPECT_EQ(w->display.arrowheadPixels, 17);
  }
  {
    platform::ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, kernel::FormatLD(20000.0L / width, 8, 5)}}, 1);
    EXPECT_TRUE(w->DispatchCommand(solidview::kCmdArrowheadSize));
    EXPECT_TRUE(script.Messages().empty());
    EXPECT_EQ(w->display.arrowheadPixels, 200);
    EXPECT_NEAR(w->display.arrowheadLength, 200 * w->mapping.unitsPerPixelX, 1e-15L);
  }
}

TEST_F(ViewingLayer, TheObserverCommandsMoveTheObserverAndTheViewFollowsWithoutRefitting) {
  WindowPtr<solidview::TGeom3Win> w = Cube();
  ASSERT_TRUE(w);
  w->observer = {10, 0, 0};
  w->Update(true);
  const view::ViewMapping fitted = w->mapping;
  // Eighteen turns of 5 degrees: a quarter turn about the z axis.
  for (int i = 0; i < 18; ++i) EXPECT_TRUE(w->DispatchCommand(solidview::kCmdTurn));
  EXPECT_NEAR(w->observer.x, 0, 1e-15L);
  EXPECT_NEAR(w->observer.y, 10, 1e-15L);
  EXPECT_NEAR(w->frame.observer.y, 10, 1e-15L);
  EXPECT_EQ(w->mapping.halfWidth, fitted.halfWidth);
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdTurnBack));
  EXPECT_NEAR(std::atan2(w->observer.y, w->observer.x), kernel::Pi * 85 / 180, 1e-15L);
  // Up from the horizon: 2.25 degrees.
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdRotateUp));
  EXPECT_NEAR(std::atan2(w->observer.z, std::hypot(w->observer.x, w->observer.y)), kernel::Pi * 2.25L / 180, 1e-15L);
  // Out, then In: not back where it was.
  const Point3 before = w->observer;
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdObserverOut));
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdObserverIn));
  EXPECT_GT(kernel::Dist3(w->observer, before), 1e-3L);
  // Isometric: on the diagonal at 8000 times the box's taxicab size, the view fitted again.
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdObserverIsometric));
  const Real d = 8000 * kernel::TaxiDist3(w->boxMin, w->boxMax);
  ExpectNear3(w->observer, {d, d, d});
  ExpectFitted(*w);
  // Observer > Coordinates shows the dialog with the observer in it.
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdObserverCoordinates));
  ASSERT_NE(w->observerDialog(), nullptr);
  EXPECT_TRUE(w->observerDialog()->IsVisible());
  // Straight above the centre nothing tilts.
  w->observer = {0, 0, 9};
  w->fileMsg.modified = 0;
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdRotateUp));
  EXPECT_TRUE(w->DispatchCommand(solidview::kCmdRotateDown));
  EXPECT_EQ(w->observer.z, 9);
  EXPECT_EQ(w->fileMsg.modified, 0);
}

}  // namespace

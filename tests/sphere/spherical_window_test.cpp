// The spherical window: a new ball, what faces the observer, lines and circles with their frames,
// a failed step keeping later indices, the Triangle sub-menu, the settings kept for the next window,
// macro windows and the PiCTeX outline of the ball.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <optional>
#include <vector>

#include "kernel/vector3.h"
#include "platform/application.h"
#include "resources/resource_library.h"
#include "shell/child_windows.h"
#include "solidview/view_commands.h"
#include "sphere/geom_sm_win.h"
#include "support/isolated_folders.h"
#include "view/export_settings.h"

namespace {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;

struct ClosingBall {
  void operator()(sphere::TGeomSWin* w) const {
    w->Destroy();
    platform::Application::ProcessPendingEvents();
  }
};
using BallPtr = std::unique_ptr<sphere::TGeomSWin, ClosingBall>;

BallPtr NewBall() {
  BallPtr w(new sphere::TGeomSMWin(nullptr, "ball"));
  w->Create();
  w->Show();
  return w;
}

// A point of the sphere made by a kind-121 step; the step's result.
int AddBallPoint(sphere::TGeomSWin& w, Point3 p) {
  kernel::Normalize3(p);
  engine::FigureTables& t = w.tables();
  t.xyz[static_cast<std::size_t>(t.last_point + 1)] = p;
  w.history().BeginStep(121);
  return w.RunNewStep();
}

int AddStep(sphere::TGeomSWin& w, int kind, int a, int b) {
  w.history().BeginStep(static_cast<kernel::StepKind>(kind), static_cast<std::int16_t>(a), static_cast<std::int16_t>(b));
  w.SetStepAttributes(3);
  return w.RunNewStep();
}

// Records what a pass draws: arcs (PiCTeX's circle), flagged polylines and regions.
class BallRecorder : public view::FigurePainter {
 public:
  explicit BallRecorder(const view::ViewMapping& m) : FigurePainter(m) {}
  int arcs = 0;
  int regions = 0;
  std::vector<std::vector<std::uint8_t>> polylineFlags;

 protected:
  bool DoSegment(const Point2&, const Point2&, bool) override { return true; }
  void DoArc(const Point2&, const Point2&, Real) override { ++arcs; }
  void DoRegion(std::span<const Point2>, std::string_view, bool) override { ++regions; }
  void DoFlaggedPolyline(std::span<const Point2>, std::span<const std::uint8_t> flags, int) override {
    polylineFlags.emplace_back(flags.begin(), flags.end());
  }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }
};

class SphericalWindow : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
  }
};

TEST_F(SphericalWindow, ANewWindowShowsAnEmptyBallFromTheFirstObserver) {
  BallPtr w = NewBall();
  EXPECT_EQ(w->tables().last_point, -1);
  EXPECT_EQ(w->observer.x, 6);
  EXPECT_EQ(w->observer.y, 8);
  EXPECT_EQ(w->observer.z, 5);
  EXPECT_EQ(w->qelWin.currentTool, 120);
  EXPECT_EQ(w->boxMin.x, -static_cast<Real>(0.7));
  EXPECT_EQ(w->boxMax.z, static_cast<Real>(0.7));
  EXPECT_EQ(w->initialHalfWidth, w->mapping.halfWidth);
  // The view holds the box +-0.7 as the observer sees it.
  for (const Real x : {-0.7L, 0.7L})
    for (const Real y : {-0.7L, 0.7L})
      for (const Real z : {-0.7L, 0.7L}) EXPECT_TRUE(w->InView(w->ProjectToView({x, y, z})));
  EXPECT_NEAR(static_cast<double>(w->horizon.centre.x), 0.048, 1e-15);

  // Turning the observer turns the horizon with it.
  w->DispatchCommand(solidview::kCmdTurn);
  const Real d = std::sqrt(kernel::Dot3(w->observer, w->observer));
  EXPECT_NEAR(static_cast<double>(w->horizon.u.x), static_cast<double>(w->observer.x / d), 1e-15);
  EXPECT_NEAR(static_cast<double>(w->horizon.u.y), static_cast<double>(w->observer.y / d), 1e-15);
}

TEST_F(SphericalWindow, APointIsVisibleWhenItFacesTheObserver) {
  BallPtr w = NewBall();
  EXPECT_TRUE(w->IsVisible({0.6L, 0.8L, 0}));
  EXPECT_FALSE(w->IsVisible({1, -0.625L, 0}));  // p . O = 1 exactly
  EXPECT_FALSE(w->IsVisible({0.1L, 0.1L, 0.1L}));  // inside the ball, though it faces the observer
  w->SetDisplayMode(solidview::kShowHiddenLines);
  EXPECT_TRUE(w->IsVisible({1, -0.625L, 0}));
  EXPECT_TRUE(w->IsVisible({0.1L, 0.1L, 0.1L}));
}

TEST_F(SphericalWindow, SegmentsLinesAndCirclesAreDrawnWithTheirHiddenParts) {
  BallPtr w = NewBall();
  // A and B face the observer, C lies behind the ball.
  ASSERT_EQ(AddBallPoint(*w, {6, 8, 5}), 0);
  ASSERT_EQ(AddBallPoint(*w, {8, 6, 5}), 0);
  ASSERT_EQ(AddBallPoint(*w, {-6, -8, -5}), 0);
  ASSERT_EQ(AddStep(*w, 111, 0, 1), 0);  // segment AB
  ASSERT_EQ(AddStep(*w, 116, 0, 1), 0);  // line AB: its great circle
  ASSERT_EQ(AddStep(*w, 91, 0, 2), 0);   // the circle about A through C: a great circle behind A
  const engine::FigureTables& t = w->tables();
  const engine::SphereSideRecord& side = t.sphere_frames.lines[0];
  ASSERT_TRUE(side.framed);
  EXPECT_NEAR(static_cast<double>(side.angle), static_cast<double>(kernel::AngleAt3(t.xyz[0], {0, 0, 0}, t.xyz[1])), 1e-15);
  EXPECT_NEAR(static_cast<double>(kernel::Dot3(side.vectors[2], t.xyz[1])), 0, 1e-15);
  EXPECT_TRUE(t.sphere_frames.circles[0].framed);

  for (const int mode : {solidview::kPainted, solidview::kDotHiddenLines}) {
    w->SetDisplayMode(mode);
    BallRecorder r(w->mapping);
    w->DrawLines(r);
    w->DrawCircles(r);
    ASSERT_EQ(r.polylineFlags.size(), 3u);
    // The segment between two visible points is visible all along; the line is seen in part; the
    // circle through the hidden point has hidden points.
    for (const std::uint8_t f : r.polylineFlags[0]) EXPECT_EQ(f, 1);
    EXPECT_EQ(r.polylineFlags[1].size(), 102u);  // a whole great circle at the first zoom: 101 steps
    EXPECT_NE(std::count(r.polylineFlags[1].begin(), r.polylineFlags[1].end(), 0), 0);
    EXPECT_NE(std::count(r.polylineFlags[2].begin(), r.polylineFlags[2].end(), 0), 0);
    EXPECT_EQ(w->HiddenLineRule(), mode == solidview::kPainted ? -1 : 1);
  }

  // The ball: filled once, outlined all visible.
  BallRecorder ball(w->mapping);
  w->DrawBall(ball, false);
  EXPECT_EQ(ball.regions, 1);
  ASSERT_EQ(ball.polylineFlags.size(), 1u);
  for (const std::uint8_t f : ball.polylineFlags[0]) EXPECT_EQ(f, 1);
}

TEST_F(SphericalWindow, ALineWithoutPoleIsNotDrawn) {
  BallPtr w = NewBall();
  ASSERT_EQ(AddBallPoint(*w, {1, 0, 0}), 0);
  ASSERT_EQ(AddBallPoint(*w, {-1, 0, 0}), 0);
  ASSERT_EQ(AddStep(*w, 116, 0, 1), 0);
  EXPECT_FALSE(w->tables().sphere_frames.lines[0].framed);
  BallRecorder r(w->mapping);
  w->DrawLines(r);
  EXPECT_TRUE(r.polylineFlags.empty());
}

TEST_F(SphericalWindow, AFailedSegmentKeepsThePlaceOfItsLine) {
  BallPtr w = NewBall();
  for (const Point3 p : {Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}}) ASSERT_EQ(AddBallPoint(*w, p), 0);
  ASSERT_EQ(AddStep(*w, 111, 0, 1), 0);
  ASSERT_EQ(AddStep(*w, 111, 1, 2), 0);
  // The first segment's step now names a point that is not there: the replay fails it.
  w->history().steps[3].operands[1] = 40;
  w->ReplayConstruction(true);
  const engine::FigureTables& t = w->tables();
  ASSERT_EQ(t.last_line, 1);
  EXPECT_FALSE(t.lines[0].exists);
  EXPECT_TRUE(t.lines[1].exists);
  EXPECT_EQ(t.lines[1].points.entries[0], 1);
  EXPECT_EQ(t.lines[1].points.entries[1], 2);
  EXPECT_TRUE(t.sphere_frames.lines[1].framed);
}

TEST_F(SphericalWindow, PointTriangleIsGreyBelowThreePoints) {
  BallPtr w = NewBall();
  const std::vector<int> triangle{1, 7};
  ASSERT_NE(w->menu().ItemAt(triangle), nullptr);
  EXPECT_EQ(w->menu().ItemAt(triangle)->text, "&Triangle");
  for (int n = 0; n < 3; ++n) {
    w->UpdateMenu();
    EXPECT_FALSE(w->menu().ItemAt(triangle)->enabled) << n;
    ASSERT_EQ(AddBallPoint(*w, {1, Real(n), 2}), 0);
  }
  w->UpdateMenu();
  EXPECT_TRUE(w->menu().ItemAt(triangle)->enabled);
}

TEST_F(SphericalWindow, TheNextWindowTakesBackTheSettings) {
  {
    BallPtr w = NewBall();
    w->qelWin.currentTool = 128;
    w->SetDisplayMode(solidview::kDotHiddenLines);
    w->numberFormat.decimals = 7;
    w->observer = {3, -4, 2};
    w->wing.zoomFactor = 1.5L;
    w->rotationStep = 0.25L;
  }
  ASSERT_TRUE(std::filesystem::exists(SettingsFolderPath() / "kavrines.ini"));
  BallPtr w = NewBall();
  EXPECT_EQ(w->qelWin.currentTool, 128);
  EXPECT_EQ(w->display.displayMode, solidview::kDotHiddenLines);
  EXPECT_EQ(w->numberFormat.decimals, 7);
  EXPECT_EQ(w->numberFormat.fieldWidth, 9);
  EXPECT_EQ(w->observer.x, 3);
  EXPECT_EQ(w->observer.y, -4);
  EXPECT_EQ(w->observer.z, 2);
  EXPECT_EQ(w->wing.zoomFactor, 1.5L);
  EXPECT_EQ(w->rotationStep, 0.25L);
}

TEST_F(SphericalWindow, StoredValuesOutOfRangeGiveThoseOfANewWindow) {
  const sphere::SphereSettings fresh;
  view::SettingsArrays arrays{};
  sphere::SphereSettings odd = fresh;
  odd.mouseMode = 7;
  odd.displayMode = 4;
  odd.decimals = 40;
  odd.observer = {0, 0.5L, 0};  // inside the ball
  odd.zoomFactor = -1;
  sphere::StoreSphereSettings(odd, arrays);
  const sphere::SphereSettings back = sphere::RestoreSphereSettings(arrays, fresh);
  EXPECT_EQ(back.mouseMode, fresh.mouseMode);
  EXPECT_EQ(back.displayMode, fresh.displayMode);
  EXPECT_EQ(back.decimals, fresh.decimals);
  EXPECT_EQ(back.observer.y, fresh.observer.y);
  EXPECT_EQ(back.zoomFactor, fresh.zoomFactor);
}

TEST_F(SphericalWindow, AMacroWindowIsCaptionedMacroTakesNoSlotAndWritesNoSettings) {
  BallPtr w = NewBall();
  ASSERT_EQ(AddBallPoint(*w, {1, 0, 0}), 0);
  const int slots = static_cast<int>(std::count(shell::ChildWindows().begin(), shell::ChildWindows().end(), 1));
  auto* macro = dynamic_cast<sphere::TGeomSWin*>(dynamic_cast<sphere::TGeomSMWin&>(*w).OpenMacroWindow());
  ASSERT_NE(macro, nullptr);
  EXPECT_EQ(macro->macroWindow, 1);
  EXPECT_EQ(macro->Caption().find(resources::LoadString(141)), 0u);
  EXPECT_EQ(macro->slotIndex, -1);
  EXPECT_EQ(std::count(shell::ChildWindows().begin(), shell::ChildWindows().end(), 1), slots);
  macro->observer = {1, 2, 3};
  macro->Destroy();
  platform::Application::ProcessPendingEvents();
  EXPECT_FALSE(std::filesystem::exists(SettingsFolderPath() / "kavrines.ini"));
}

TEST_F(SphericalWindow, ThePiCTeXBallIsOneCircleUnlessItsColourSaysNone) {
  BallPtr w = NewBall();
  struct {
    std::uint16_t ball;
    std::uint16_t outline;
    std::uint16_t background;
    int arcs;
  } const cases[] = {{4, 1, 18, 1}, {1, 1, 18, 0}, {18, 1, 18, 0}};
  for (const auto& c : cases) {
    w->preWin.roles[sphere::kBallColorRole] = c.ball;
    w->preWin.roles[sphere::kBallOutlineRole] = c.outline;
    w->preWin.roles[0] = c.background;
    BallRecorder r(w->mapping);
    w->DrawBall(r, true);
    EXPECT_EQ(r.arcs, c.arcs) << c.ball;
    EXPECT_EQ(r.regions, 0);
  }
}

}  // namespace

// Spheres and curves on spheres built in the 3-D window: the window's executors run them, a free
// sphere is placed beside the model, and the frames follow a moved point.
#include <gtest/gtest.h>

#include <memory>

#include "platform/application.h"
#include "shell/child_windows.h"
#include "solidview/geom3_win.h"
#include "solidview/solid_window_opening.h"
#include "support/isolated_folders.h"

namespace {

class SphereWindow : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
    plane::SolidHandOver cube;
    cube.prism = true;
    cube.base = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    cube.labels = {0, 1, 2, 3};
    cube.altitude = 1;
    window_ = static_cast<solidview::TGeom3Win*>(solidview::OpenSolidWindow(nullptr, "spheres.kv3", 0, cube));
  }
  void TearDown() override {
    if (window_ != nullptr) window_->Destroy();
    platform::Application::ProcessPendingEvents();
    shell::ChildWindows().fill(0);
    IsolatedFolders::TearDown();
  }

  int Run(int kind, std::int16_t op0, std::int16_t op1, std::int16_t op2, const std::string& text = {}) {
    kernel::ConstructionRecord& step =
        window_->history().BeginStep(static_cast<kernel::StepKind>(kind), op0, op1, op2);
    step.text[0] = text;
    step.operands[38] = ++window_->solid().object_counter;
    return window_->RunNewStep();
  }

  solidview::TGeom3Win* window_ = nullptr;
};

TEST_F(SphereWindow, TheWindowBuildsSpheresAndKeepsTheirFrames) {
  ASSERT_NE(window_, nullptr);
  solidview::TGeom3Win& w = *window_;
  ASSERT_EQ(Run(361, 0, 4, 0), 0);  // the sphere about A through A'
  ASSERT_EQ(Run(361, -1, -1, 2, "1"), 0);
  ASSERT_EQ(Run(359, 0, 1, 3), 0);
  EXPECT_EQ(w.solid().last_surface, 2);
  EXPECT_EQ(w.DescribeSurface(0), "sphere AA'");
  EXPECT_EQ(w.DescribeSurface(2), "great circle (BD, center A)");
  // The free sphere stands beside the cube, not in it.
  const kernel::Point3 c = w.tables().xyz[8];
  EXPECT_TRUE(c.x > 1 || c.y > 1 || c.x < 0 || c.y < 0);
  const std::vector<std::string> lines = w.stepEngine.StepDescriptions();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "AA' = sphere");

  // A' moved without a replay: the sphere's axis follows when the frames are brought up to date.
  w.tables().xyz[4] = {1, 0, 0};
  w.UpdateSurfaces();
  EXPECT_EQ(w.solid().surfaces[0].w.x, 1);
}

}  // namespace

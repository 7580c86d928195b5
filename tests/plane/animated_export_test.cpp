// Animated exports of a plane window: the animation text's modes, frames drawn with their slider
// or point parameters running from start to end, and the figure restored after the last frame and
// when Q stops the export.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "plane_window.h"
#include "platform/key_poll.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/export_readers.h"
#include "view/export_settings_dlg.h"

namespace {

using kernel::Real;
using plane_test::PlaneWindow;

class AnimatedExport : public IsolatedFolders {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
};

// Records the x of point 0 at each frame; presses Q during frame `quitAt`.
struct RecordingWindow : PlaneWindow {
  RecordingWindow() : PlaneWindow(0) {}
  std::vector<Real> xs;
  int quitAt = -1;
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) override {
    xs.push_back(tables().xy[0].x);
    if (frame.frame == quitAt) platform::PostKeyPressForTesting(this, 'Q', 0, "q");
    return PlaneWindow::ExportPicture(painter, frame);
  }
};

void ExportFrames(platform::ScriptedResponder& script, const std::string& file, int frames, const std::string& text) {
  script.ChooseFile(file);
  script.OnDialog("SVG", [frames, text](platform::Dialog& d) {
    d.PressButton(view::kSettingsPagesCheck);
    d.SetItemText(view::kSettingsFramesEdit, std::to_string(frames));
    d.SetItemText(view::kSettingsParameterEdit, text);
    d.PressButton(platform::IDOK);
  });
  script.AnswerMessage(platform::IDOK);
}

TEST_F(AnimatedExport, TheAnimationTextNamesSlidersPointsOrNothing) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);  // A
  w.FreePoint(1, 0);  // B
  w.FreePoint(2, 0);  // C
  struct Case {
    const char* text;
    int mode;
    std::vector<int> symbols;
    std::size_t selected;
  };
  const std::vector<Case> cases{
      {"# %", engine::kAnimateSliders, {0, 4}, 0},
      {"[t]", engine::kAnimateSliders, {6}, 0},  // the time symbol in lower case
      {"[Time] ?", engine::kAnimateSliders, {5, 6}, 0},
      {"A B C", engine::kAnimatePoints, {}, 3},
      {"\\vturn", engine::kAnimateNothing, {}, 0},  // no turn in the plane; no such points either
      {"\\uturn AB", engine::kAnimateNothing, {}, 0},  // a backslash text names no points
      {"XYZ", engine::kAnimateNothing, {}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(w.SetAnimationControl(c.text), c.mode) << c.text;
    std::vector<int> symbols;
    for (int k = 0; k < engine::kSliderCount; ++k) {
      if (w.animation.symbols[k]) symbols.push_back(k);
    }
    EXPECT_EQ(symbols, c.symbols) << c.text;
    EXPECT_EQ(w.animation.selected.size(), c.selected) << c.text;
  }
}

TEST_F(AnimatedExport, TenFramesRunTheSliderFromStartToEndAndTheFigureIsRestored) {
  RecordingWindow w;
  w.sliderValues()[0].value = 0.25L;
  ASSERT_EQ(w.Step(122, {}, {"#", "1"}), 0);  // a point at x = #
  ASSERT_EQ(w.tables().xy[0].x, 0.25L);
  platform::ScriptedResponder script;
  ExportFrames(script, Path("run.svg"), 10, "#");
  w.DispatchCommand(view::kCmdExportSVG);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"SVG file saved"});
  ASSERT_EQ(w.xs.size(), 10u);
  for (int k = 0; k < 10; ++k) EXPECT_NEAR(static_cast<double>(w.xs[k]), k / 9.0, 1e-12) << k;
  EXPECT_EQ(w.sliderValues()[0].value, 0.25L);
  EXPECT_EQ(w.tables().xy[0].x, 0.25L);
  for (int k = 0; k < 10; ++k) EXPECT_TRUE(std::filesystem::exists(Path("run0" + std::to_string(k) + ".svg"))) << k;
  EXPECT_TRUE(std::filesystem::exists(Path("runANIM.txt")));
  std::ifstream last(Path("run09.svg"));
  std::stringstream text;
  text << last.rdbuf();
  export_test::ExpectSvgReadable(text.str());
}

TEST_F(AnimatedExport, QStopsAfterTheCurrentFrameAndTheFigureIsRestored) {
  RecordingWindow w;
  w.sliderValues()[0].value = 0.5L;
  ASSERT_EQ(w.Step(122, {}, {"#", "1"}), 0);
  w.quitAt = 3;
  platform::ScriptedResponder script;
  ExportFrames(script, Path("stop.svg"), 10, "#");
  w.DispatchCommand(view::kCmdExportSVG);
  EXPECT_EQ(w.xs.size(), 4u);
  EXPECT_TRUE(std::filesystem::exists(Path("stop03.svg")));
  EXPECT_FALSE(std::filesystem::exists(Path("stop04.svg")));
  EXPECT_FALSE(std::filesystem::exists(Path("stopANIM.txt")));
  EXPECT_EQ(w.sliderValues()[0].value, 0.5L);
  EXPECT_EQ(w.tables().xy[0].x, 0.5L);
}

TEST_F(AnimatedExport, OneFrameChangesNothingAndShowsNoStatus) {
  RecordingWindow w;
  w.sliderValues()[0].value = 0.5L;
  ASSERT_EQ(w.Step(122, {}, {"#", "1"}), 0);
  const std::string caption = w.Caption();
  platform::ScriptedResponder script;
  ExportFrames(script, Path("one.svg"), 1, "#");
  w.DispatchCommand(view::kCmdExportSVG);
  ASSERT_EQ(w.xs.size(), 1u);
  EXPECT_EQ(w.xs[0], 0.5L);
  for (const auto& shown : script.shown()) EXPECT_EQ(shown.caption.find("press Q"), std::string::npos);
  EXPECT_EQ(w.Caption(), caption);
}

TEST_F(AnimatedExport, EachFrameOfAZoomedEpsAnimationHoldsTheWholeFigure) {
  PlaneWindow w(0);
  // A segment from (-15, -10) to (15, 10) moving with # in a view 40 units wide: far more than the
  // animation's picture of half width 5 takes at the world's own scale.
  w.sliderValues()[0].value = 0.5L;
  ASSERT_EQ(w.Step(122, {}, {"-15+#", "-10"}), 0);
  ASSERT_EQ(w.Step(122, {}, {"15", "10"}), 0);
  ASSERT_EQ(w.Step(111, {0, 1, -1, 0, 0, 0}), 0);
  w.SetView(0, 0, 20, 20, false);
  w.UpdateView();
  platform::ScriptedResponder script;
  ExportFrames(script, Path("zoomed.eps"), 2, "#");
  w.DispatchCommand(view::kCmdExportEPS);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"EPS file saved"});
  for (const char* frame : {"zoomed0.eps", "zoomed1.eps"}) {
    std::ifstream in(Path(frame), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string eps = text.str();
    ASSERT_FALSE(eps.empty()) << frame;
    int width = 0;
    int height = 0;
    std::istringstream(eps.substr(eps.find("%%BoundingBox: 0 0 ") + 19)) >> width >> height;
    ASSERT_GT(width, 0) << frame;
    // What Ghostscript marks lies on the page, and the segment spans three quarters of its width
    // (30 of the view's 40 units), as on the screen.
    export_test::ExpectGhostscriptAccepts(eps, width, height);
    const export_test::ToolRun run =
        export_test::RunTool("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox '" + Path(frame) + "'");
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::istringstream(run.output.substr(run.output.find("%%HiResBoundingBox:") + 19)) >> x0 >> y0 >> x1 >> y1;
    EXPECT_GT(x1 - x0, 0.7 * width) << frame << run.output;
    EXPECT_LT(x1 - x0, 0.8 * width) << frame << run.output;
  }
}

}  // namespace

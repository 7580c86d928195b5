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

}  // namespace

// Files that once made the 2-D figure reader misbehave. Each is read without a window; a refused
// one is refused cleanly, and an accepted one is written, read again and written again with the
// very bytes of the first save.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/view_update.h"
#include "plane/plane_figure_file.h"
#include "platform/bitmap.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
#include "shell/file_msg_win.h"
#include "support/isolated_folders.h"
#include "support/live_heap.h"
#include "support/source_paths.h"
#include "view/settings_files.h"

namespace {

kernel::Bytes UntrustedInput(const std::string& name) {
  std::ifstream in(test_support::SourceRoot() + "/tests/plane/data/untrusted/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return kernel::Bytes(std::istreambuf_iterator<char>(in), {});
}

int ReadUntrusted(const kernel::Bytes& bytes, plane::PlaneFigureFile& file) {
  kernel::ByteReader in(bytes);
  return plane::ReadPlaneFigureFile(in, view::kPlaneFileKind, 0, file);
}

kernel::Bytes WriteUntrusted(const plane::PlaneFigureFile& file) {
  kernel::ByteWriter out;
  EXPECT_TRUE(plane::WritePlaneFigureFile(out, view::kPlaneFileKind, file));
  return out.Take();
}

TEST(UntrustedPlaneFile, EachInputIsRefusedOrSavesTheSameBytesTwice) {
  const struct {
    const char* name;
    int result;
  } cases[] = {
      {"picture-of-size-0-memcpy-null", 11},  // an empty picture is no metafile
      {"v40-graph-trace-number-not-reset", 0},
      {"huge-point-no-saved-view-nan-axes.kv2", 0},
      {"slider-panels-stay-open-after-next-file", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    plane::PlaneFigureFile file;
    ASSERT_EQ(ReadUntrusted(UntrustedInput(c.name), file), c.result);
    if (c.result != 0) continue;
    const kernel::Bytes first = WriteUntrusted(file);
    plane::PlaneFigureFile again;
    ASSERT_EQ(ReadUntrusted(first, again), 0);
    EXPECT_EQ(WriteUntrusted(again), first);
  }
}

using UntrustedPlaneWindow = IsolatedFolders;

std::string UntrustedPath(const std::string& name) {
  return test_support::SourceRoot() + "/tests/plane/data/untrusted/" + name;
}

// A window holding a figure of its own, with a slider panel open.
void HoldFigure(plane_test::PlaneWindow& w) {
  w.qelWin.writeSettings = 0;
  w.FreePoint(1, 2);
  w.FreePoint(-3, 0.5L);
  w.ShowSliderDialog(2);
}

TEST_F(UntrustedPlaneWindow, AHugePointIsToldTooLargeAndTheViewFitsTheRest) {
  plane_test::PlaneWindow w(0);
  HoldFigure(w);
  w.fileMsg.fileName = UntrustedPath("huge-point-no-saved-view-nan-axes.kv2");
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  ASSERT_EQ(w.LoadFile(), 0);
  ASSERT_EQ(script.Messages().size(), 1u);
  EXPECT_NE(script.Messages()[0].find("too large"), std::string::npos);
  // The view holds the points that can be shown (all but the huge one, near the origin).
  const view::ViewMapping& m = w.mapping;
  EXPECT_TRUE(std::isfinite(m.centre.x) && std::isfinite(m.centre.y));
  EXPECT_GT(m.halfWidth, 0.5L);
  EXPECT_LT(m.halfWidth, 10);
  EXPECT_TRUE(std::isfinite(m.halfHeight));
  for (int i = 0; i <= w.tables().last_point; ++i) {
    if (engine::WithinViewLimit(w.tables().xy[i])) {
      EXPECT_TRUE(w.InView(w.tables().xy[i])) << i;
    }
  }
  // It paints, and saves and reads back.
  platform::Bitmap picture(w.ClientWidth(), w.ClientHeight());
  w.PaintInto(*picture.CreateDC());
  const std::string path = (folder_ / "huge.kv2").string();
  w.fileMsg.fileName = path;
  w.fileMsg.named = 1;
  ASSERT_TRUE(w.Save());
  plane_test::PlaneWindow reader(0);
  reader.qelWin.writeSettings = 0;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  EXPECT_EQ(reader.tables().last_point, w.tables().last_point);
  reader.Destroy();
  w.Destroy();
}

TEST_F(UntrustedPlaneWindow, TheSliderPanelsOfTheFigureBeforeClose) {
  plane_test::PlaneWindow w(0);
  HoldFigure(w);
  w.ShowSliderDialog(6);
  ASSERT_TRUE(w.SliderPanelShown(2));
  w.fileMsg.fileName = UntrustedPath("slider-panels-stay-open-after-next-file");
  platform::ScriptedResponder script;
  ASSERT_EQ(w.LoadFile(), 0);
  // Only the panels the file asks for are open (flag bytes 10 to 12 shown, 18 to 20 hidden).
  plane::PlaneFigureFile file;
  ASSERT_EQ(ReadUntrusted(UntrustedInput("slider-panels-stay-open-after-next-file"), file), 0);
  for (int k = 0; k < 7; ++k) {
    const bool asked = k < 3 ? file.flags[static_cast<std::size_t>(10 + k)] != 0
                             : k < 6 && file.flags[static_cast<std::size_t>(18 + k - 3)] == 0;
    EXPECT_EQ(w.SliderPanelShown(k), asked) << k;
  }
  w.Destroy();
}

TEST_F(UntrustedPlaneWindow, AWindowThatOpensAHundredFilesKeepsItsMemoryFlat) {
  // One file opens slider panels, the other closes them; the other has no saved view, so the view
  // is fitted to it, and is told too large.
  plane_test::PlaneWindow w(0);
  w.qelWin.writeSettings = 0;
  w.ShowSliderDialog(2);
  const std::string files[] = {UntrustedPath("slider-panels-stay-open-after-next-file"),
                               UntrustedPath("huge-point-no-saved-view-nan-axes.kv2")};
  const auto openFiles = [&](int count) {
    for (int i = 0; i < count; ++i) {
      platform::ScriptedResponder script;
      script.ChooseFile(files[i % 2]);
      if (i % 2 == 1) script.AnswerMessage(platform::IDOK);
      w.DispatchCommand(shell::kCmdFileOpen);
      ASSERT_EQ(w.fileMsg.fileName, files[i % 2]);
      ASSERT_TRUE(script.Unexpected().empty()) << script.Unexpected().front();
      platform::Application::ProcessPendingEvents();  // as the program's event loop does
    }
  };
  openFiles(10);  // the caches of the drawing and the toolkit fill
  const std::size_t before = test_support::LiveHeapBytes();
  openFiles(100);
  const std::size_t after = test_support::LiveHeapBytes();
  // Two kilobytes per file at most, room for the toolkit's drawing threads that come and go (a
  // menu bar left behind at each open was 830 KB; the figure's tables are megabytes).
  EXPECT_LT(after, before + 100 * 2048)
      << "grew by " << (static_cast<long long>(after) - static_cast<long long>(before)) / 100 << " bytes per file";
  // Last View leads back into no figure opened before.
  EXPECT_TRUE(w.wing.viewStack.empty());
  w.Destroy();
}

}  // namespace

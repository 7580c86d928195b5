// The 3-D window saves its figure and opens it again in the same view; a damaged or newer file is
// refused and leaves the open figure, its colours and its settings; a failed save keeps the old
// file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "kernel/file_bytes.h"
#include "platform/application.h"
#include "platform/scripted_responder.h"
#include "shell/child_windows.h"
#include "solidview/geom3_win.h"
#include "solidview/solid_window_opening.h"
#include "support/isolated_folders.h"
#include "view/settings_files.h"

namespace {

struct ClosingSolid {
  void operator()(solidview::TGeom3Win* w) const {
    w->Destroy();
    platform::Application::ProcessPendingEvents();
    delete w;  // a window without a parent is its opener's to delete
  }
};
using SolidWindow = std::unique_ptr<solidview::TGeom3Win, ClosingSolid>;

class SolidFileWindow : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
  }
  void TearDown() override {
    shell::ChildWindows().fill(0);
    IsolatedFolders::TearDown();
  }
  static SolidWindow UnitCube() {
    plane::SolidHandOver cube;
    cube.prism = true;
    cube.base = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    cube.labels = {0, 1, 2, 3};
    cube.altitude = 1;
    SolidWindow w(static_cast<solidview::TGeom3Win*>(solidview::OpenSolidWindow(nullptr, "prism.kv3", shell::FindFreeSlot(), cube)));
    w->qelWin.writeSettings = 0;
    return w;
  }
  static SolidWindow EmptyWindow() {
    SolidWindow w(new solidview::TGeom3Win(nullptr, "noname.kv3"));
    w->qelWin.writeSettings = 0;
    w->Create();
    w->Show();
    return w;
  }
  std::string PathOf(const char* name) const { return (folder_ / name).string(); }
};

void SaveAs(solidview::TGeom3Win& w, const std::string& path) {
  w.fileMsg.fileName = path;
  w.fileMsg.named = 1;
  platform::ScriptedResponder script;
  ASSERT_TRUE(w.Save());
}

int Open(solidview::TGeom3Win& w, const std::string& path) {
  w.fileMsg.fileName = path;
  return w.LoadFile();
}

TEST_F(SolidFileWindow, ASavedCubeOpensInTheSameViewAndSavesToTheSameBytes) {
  const std::string first = PathOf("cube.kv3");
  SolidWindow cube = UnitCube();
  cube->display.displayMode = solidview::kDotHiddenLines;
  cube->observer = {20, 30, 15};
  cube->tableText = "A B C";
  cube->Update(false);
  SaveAs(*cube, first);

  SolidWindow opened = EmptyWindow();
  ASSERT_EQ(Open(*opened, first), 0);
  const engine::FigureTables& a = cube->tables();
  const engine::FigureTables& b = opened->tables();
  ASSERT_EQ(b.last_point, a.last_point);
  for (int i = 0; i <= a.last_point; ++i) {
    EXPECT_EQ(b.xyz[i].x, a.xyz[i].x);
    EXPECT_EQ(b.xyz[i].z, a.xyz[i].z);
    EXPECT_EQ(b.names[i].label, a.names[i].label);
  }
  EXPECT_EQ(opened->solid().Faces().size(), cube->solid().Faces().size());
  EXPECT_EQ(opened->history().steps.size(), cube->history().steps.size());
  EXPECT_EQ(opened->display.displayMode, solidview::kDotHiddenLines);
  EXPECT_EQ(opened->observer.x, 20);
  EXPECT_EQ(opened->tableText, "A B C");
  EXPECT_EQ(opened->mapping.centre.x, cube->mapping.centre.x);
  EXPECT_EQ(opened->mapping.centre.y, cube->mapping.centre.y);
  EXPECT_EQ(opened->mapping.halfWidth, cube->mapping.halfWidth);
  // The primed labels of the top lie beyond the label-map entries the file keeps: found by name.
  EXPECT_EQ(b.FindPointByName("A'"), a.FindPointByName("A'"));
  EXPECT_GE(b.FindPointByName("C'"), 4);

  const kernel::Bytes saved = *kernel::ReadFileBytes(first);
  SaveAs(*opened, first);
  const kernel::Bytes again = *kernel::ReadFileBytes(first);
  ASSERT_EQ(again.size(), saved.size());
  const auto differ = std::mismatch(saved.begin(), saved.end(), again.begin());
  EXPECT_EQ(differ.first, saved.end()) << "first difference at byte " << differ.first - saved.begin();
}

TEST_F(SolidFileWindow, ADamagedOrNewerFileLeavesTheFigureColoursAndSettings) {
  const std::string good = PathOf("cube.kv3");
  const std::string bad = PathOf("bad.kv3");
  SolidWindow cube = UnitCube();
  SaveAs(*cube, good);
  const kernel::Bytes bytes = *kernel::ReadFileBytes(good);

  SolidWindow w = UnitCube();
  w->display.displayMode = solidview::kShowHiddenLines;
  w->preWin.roles[0] = 9;
  w->tables().xyz[0].x = 0.5L;
  const kernel::ColorArray colours = w->preWin.colors;
  const std::size_t steps = w->history().steps.size();
  auto unchanged = [&](const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(w->history().steps.size(), steps);
    EXPECT_EQ(w->tables().last_point, 7);
    EXPECT_EQ(w->tables().xyz[0].x, 0.5L);
    EXPECT_EQ(w->display.displayMode, solidview::kShowHiddenLines);
    EXPECT_EQ(w->preWin.roles[0], 9);
    EXPECT_EQ(w->preWin.colors, colours);
    EXPECT_EQ(w->fileMsg.fileName, bad);
  };
  // Every cut is refused by the reader (its own test); here a cut in each stretch of the file.
  std::vector<std::size_t> cuts;
  for (std::size_t size = 0; size < bytes.size(); size += 53) cuts.push_back(size);
  cuts.push_back(bytes.size() - 1);
  for (const std::size_t size : cuts) {
    ASSERT_TRUE(kernel::WriteFileAtomically(bad, kernel::Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size))));
    ASSERT_EQ(Open(*w, bad), 11) << "cut at " << size;
    unchanged("cut at " + std::to_string(size));
  }
  kernel::Bytes newer = bytes;
  newer[4] = 64;  // the common block's format version
  ASSERT_TRUE(kernel::WriteFileAtomically(bad, newer));
  EXPECT_EQ(Open(*w, bad), 8);
  unchanged("version 64");
}

TEST_F(SolidFileWindow, FilesBeforeVersion47KeepTheWindowsArrowSettings) {
  SolidWindow cube = UnitCube();
  cube->display.axisArrowsOn = 1;
  cube->wing.solidArrowheads = 1;
  const solid::SolidFigureFile saved = cube->CollectFigureFile();
  for (const std::int32_t version : {46, 47}) {
    SCOPED_TRACE(version);
    SolidWindow w = EmptyWindow();
    solid::SolidFigureFile file = saved;
    file.version = version;
    w->TakeFigureFile(file);
    EXPECT_EQ(w->display.axisArrowsOn, version > 46 ? 1 : 0);
    EXPECT_EQ(w->wing.solidArrowheads, version > 46 ? 1 : 0);
  }
}

TEST_F(SolidFileWindow, AFailedSaveKeepsTheOldFile) {
  const std::string path = PathOf("cube.kv3");
  SolidWindow cube = UnitCube();
  SaveAs(*cube, path);
  const kernel::Bytes before = *kernel::ReadFileBytes(path);
  // The temporary file cannot be made where a folder of its name stands.
  std::filesystem::create_directory(path + ".kvtmp");
  cube->display.displayMode = solidview::kPaintedAndDotted;
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  EXPECT_FALSE(cube->Save());
  ASSERT_EQ(script.Messages().size(), 1u);
  EXPECT_EQ(script.Messages()[0], "cannot save file");
  EXPECT_EQ(*kernel::ReadFileBytes(path), before);
}

}  // namespace

namespace {

TEST_F(SolidFileWindow, ASolidFromAPlaneWindowOffersItsOwnNameForExports) {
  SolidWindow cube = UnitCube();
  platform::ScriptedResponder script;
  script.ChooseFile(std::nullopt);
  cube->DispatchCommand(87);
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown().back().path, "prism.svg");
  EXPECT_EQ(cube->fileMsg.fileName, "prism.kv3");
}

}  // namespace

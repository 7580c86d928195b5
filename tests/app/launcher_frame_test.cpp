#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/child_windows.h"
#include "app/launcher_frame.h"
#include "shell/pre_text_win.h"
#include "app/startup_file.h"
#include "app/tips_dlg.h"
#include "support/isolated_folders.h"
#include "kernel/file_bytes.h"
#include "plane/geom2_win.h"
#include "platform/application.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"
#include "platform/settings_folder.h"
#include "platform/window_state.h"
#include "solidview/geom3_win.h"
#include "special/guess_win.h"
#include "special/hyperbolic_tessellation_win.h"
#include "special/penrose_win.h"
#include "special/rgb_win.h"
#include "special/spherical_tessellation_win.h"
#include "special/tessellation_win.h"
#include "special/voronoi_win.h"
#include "sphere/geom_sm_win.h"

using namespace app;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

// The launcher, remembering the windows it opened.
class RecordingFrame : public TGeomFrame {
 public:
  RecordingFrame() : TGeomFrame(nullptr, "Kavrine") {}
  view::TQELWin* OpenWindow(WindowKind kind, std::string_view fileName) override {
    tried.push_back(kind);
    view::TQELWin* window = TGeomFrame::OpenWindow(kind, fileName);
    if (window) opened.push_back(window);
    return window;
  }
  std::vector<WindowKind> tried;
  std::vector<view::TQELWin*> opened;
};

class LauncherFrame : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
    StartupFileName().clear();
  }
  void TearDown() override {
    if (frame_) frame_->Destroy();
    frame_.reset();
    platform::Application::ProcessPendingEvents();
    IsolatedFolders::TearDown();
  }
  RecordingFrame& MakeFrame() {
    frame_ = std::make_unique<RecordingFrame>();
    frame_->Create();
    return *frame_;
  }
  std::string SettingsFile() const { return (SettingsFolderPath() / "kavrine32.ini").string(); }
  void WriteSettings(const LauncherSettings& s) {
    platform::SettingsFolder();  // makes the folder
    ASSERT_TRUE(WriteLauncherSettings(SettingsFile(), s));
  }

  std::unique_ptr<RecordingFrame> frame_;
};

// No slot of the child-window table is taken.
bool NoChildWindow() {
  platform::Application::ProcessPendingEvents();
  for (std::int32_t slot : shell::ChildWindows())
    if (slot > 0) return false;
  return true;
}

template <typename T>
bool Is(view::TQELWin* w) {
  return dynamic_cast<T*>(w) != nullptr;
}

}  // namespace

TEST_F(LauncherFrame, EveryCommandOpensItsWindowWithTheLaunchersFlags) {
  struct Case {
    int command;
    std::function<bool(view::TQELWin*)> isRightClass;
    int notebook;
    bool takesOpenLast;
    bool readsSettings;
  };
  const Case cases[] = {
      {402, [](auto* w) { return Is<plane::TGeom2Win>(w) && static_cast<plane::TGeom2Win*>(w)->hyperbolic == 0; }, 1, true, true},
      {410, [](auto* w) { return Is<plane::TGeom2Win>(w) && static_cast<plane::TGeom2Win*>(w)->hyperbolic == 1; }, 1, true, true},
      {403, Is<solidview::TGeom3Win>, 1, true, true},
      {412, Is<sphere::TGeomSMWin>, 1, true, false},
      {404, Is<special::TGeomVWin>, 0, true, true},
      {407, [](auto* w) { return Is<special::TPenrWin>(w) && static_cast<special::TPenrWin*>(w)->tiling == 0; }, 1, true, true},
      {408, [](auto* w) { return Is<special::TPenrWin>(w) && static_cast<special::TPenrWin*>(w)->tiling == 1; }, 1, true, true},
      {405, Is<special::TGeomGWin>, 0, false, true},
      {409, Is<special::TRGBWin>, 0, false, true},
      {406, Is<special::TGeomTWin>, 0, false, false},
      {411, Is<special::TGeomUWin>, 0, false, false},
      {413, Is<special::TGeomWWin>, 0, false, false},
  };
  RecordingFrame& frame = MakeFrame();
  frame.DispatchCommand(kCmdOpenLast);  // Open last on, and with it Use defaults off
  ASSERT_EQ(frame.data.settings.openLast, 1);
  ASSERT_EQ(frame.data.settings.useDefaults, 0);
  for (const Case& c : cases) {
    ASSERT_TRUE(frame.DispatchCommand(c.command));
    ASSERT_FALSE(frame.opened.empty());
    view::TQELWin* w = frame.opened.back();
    EXPECT_TRUE(c.isRightClass(w)) << c.command;
    EXPECT_TRUE(w->IsVisible()) << c.command;
    EXPECT_EQ(w->fileMsg.version, 63) << c.command;
    EXPECT_EQ(w->notebook, c.notebook) << c.command;
    EXPECT_EQ(w->fileMsg.openLast, c.takesOpenLast ? 1 : 0) << c.command;
    EXPECT_EQ(w->readSettings, c.readsSettings ? 1 : 0) << c.command;
    EXPECT_TRUE(w->fileMsg.startupFileName.empty()) << c.command;
    ASSERT_GE(w->slotIndex, 0);
    EXPECT_EQ(shell::ChildWindows()[w->slotIndex], 1);
  }
  EXPECT_EQ(shell::CountFreeSlots(), 32 - 12);

  // With "Use defaults" on, no window reads its settings file.
  frame.DispatchCommand(kCmdUseDefaults);
  ASSERT_EQ(frame.data.settings.useDefaults, 1);
  for (const Case& c : cases) {
    frame.DispatchCommand(c.command);
    EXPECT_EQ(frame.opened.back()->readSettings, 0) << c.command;
    EXPECT_EQ(frame.opened.back()->fileMsg.openLast, 0) << c.command;
  }
}

TEST_F(LauncherFrame, EveryWindowOffersTheFileFormatColourAndHelpCommands) {
  RecordingFrame& frame = MakeFrame();
  const std::pair<int, bool> kinds[] = {{402, true}, {410, true}, {403, true}, {412, true}, {404, true},
                                        {407, true}, {408, true}, {405, false}, {409, false}, {406, false},
                                        {411, false}, {413, false}};
  for (const auto& [command, hasFiles] : kinds) {
    frame.DispatchCommand(command);
    const platform::Menu& menu = frame.opened.back()->menu();
    // Format, Decimals, Help; New, Notebook, Delay and the background colour of the graphics layer.
    for (int id : {304, 105, 354, 78, 75, 112, 200}) EXPECT_NE(menu.Find(id), nullptr) << command << " " << id;
    for (int id : {59, 57, 58, 76, 77}) {
      // The classic tessellations save their tiling but open no file.
      const bool offered = hasFiles || (command == 406 && (id == 57 || id == 58));
      EXPECT_EQ(menu.Find(id) != nullptr, offered) << command << " " << id;
    }
  }
  // The commands reach the file layer: Decimals opens its dialog.
  ScriptedResponder script;
  script.OnDialog("DP", [](platform::Dialog& d) { d.PressButton(2); });
  EXPECT_TRUE(frame.opened.front()->DispatchCommand(105));
  EXPECT_TRUE(script.Finished());
}

TEST_F(LauncherFrame, UntitledWindowsAreNumberedOnlyByKindsWithAnExtension) {
  RecordingFrame& frame = MakeFrame();
  const std::pair<int, const char*> steps[] = {
      {402, "noname1.kv2"}, {409, "RGB demo"}, {405, "transform red onto blue"},    {402, "noname2.kv2"},
      {403, "noname3.kv3"}, {406, "noname4.kv2"}, {411, "hyperbolic tesselation"}, {410, "noname5.kvh"},
  };
  for (const auto& [command, title] : steps) {
    frame.DispatchCommand(command);
    EXPECT_EQ(frame.opened.back()->Caption(), title) << command;
  }
}

TEST_F(LauncherFrame, AFullTableSaysNoMoreRoomOncePerAttempt) {
  RecordingFrame& frame = MakeFrame();
  for (int i = 0; i < 32; ++i) frame.DispatchCommand(402);
  EXPECT_EQ(shell::FindFreeSlot(), -1);
  ScriptedResponder script;
  script.AnswerMessage(IDOK).AnswerMessage(IDOK);
  frame.DispatchCommand(403);
  frame.OpenByExtension("more.kv2");
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"no more room", "no more room"}));
  EXPECT_EQ(script.shown().back().caption, "hmm ...");
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(frame.opened.size(), 32u);
  EXPECT_EQ(frame.data.untitledCounter, 32);

  // Closing a window gives its slot back.
  view::TQELWin* third = frame.opened[2];
  const int slot = third->slotIndex;
  ASSERT_TRUE(third->Close());
  EXPECT_EQ(shell::FindFreeSlot(), slot);
  frame.DispatchCommand(403);
  EXPECT_EQ(frame.opened.back()->slotIndex, slot);
  EXPECT_EQ(frame.opened.back()->Caption(), "noname33.kv3");
}

TEST_F(LauncherFrame, TheTwoOptionsExcludeEachOther) {
  RecordingFrame& frame = MakeFrame();
  EXPECT_TRUE(frame.menu().IsChecked(kCmdUseDefaults));
  EXPECT_FALSE(frame.menu().IsChecked(kCmdOpenLast));
  frame.DispatchCommand(kCmdOpenLast);
  EXPECT_TRUE(frame.menu().IsChecked(kCmdOpenLast));
  EXPECT_FALSE(frame.menu().IsChecked(kCmdUseDefaults));
  // Use defaults while Open last is on clears Open last.
  frame.DispatchCommand(kCmdUseDefaults);
  EXPECT_EQ(frame.data.settings.useDefaults, 1);
  EXPECT_EQ(frame.data.settings.openLast, 0);
  EXPECT_TRUE(frame.menu().IsChecked(kCmdUseDefaults));
  EXPECT_FALSE(frame.menu().IsChecked(kCmdOpenLast));
}

TEST_F(LauncherFrame, StoredSettingsComeBackAndBadOnesAreReplaced) {
  LauncherSettings s;
  kernel::SetWinRect(s.placement, 40, 30, 250, 150, 0);
  s.openLast = 1;
  s.useDefaults = 1;  // a file may hold both; the next toggle clears the other
  WriteSettings(s);
  {
    RecordingFrame& frame = MakeFrame();
    const platform::WindowRect r = platform::NormalPlacement(frame);
    EXPECT_EQ(r.x, 40);
    EXPECT_EQ(r.y, 30);
    EXPECT_EQ(r.width, 250);
    EXPECT_EQ(r.height, 150);
    EXPECT_TRUE(frame.menu().IsChecked(kCmdOpenLast));
    EXPECT_TRUE(frame.menu().IsChecked(kCmdUseDefaults));
    frame.DispatchCommand(kCmdOpenLast);
    EXPECT_EQ(frame.data.settings.openLast, 0);
    EXPECT_EQ(frame.data.settings.useDefaults, 0);
    frame_->Destroy();
    frame_.reset();
  }
  const platform::WindowRect screen = platform::FrameWindow::ScreenRect();
  kernel::SetWinRect(s.placement, screen.width - 100, 10, 400, 100, 0);
  WriteSettings(s);
  RecordingFrame& frame = MakeFrame();
  const platform::WindowRect r = platform::NormalPlacement(frame);
  EXPECT_LT(r.x, 30);
  EXPECT_LT(r.y, 30);
  EXPECT_GE(r.x, 0);
  EXPECT_GE(r.y, 0);
  EXPECT_EQ(r.width, 120);
  EXPECT_EQ(r.height, 72);
}

TEST_F(LauncherFrame, ClosingWritesTheNormalPlacementAndTheOptions) {
  RecordingFrame& frame = MakeFrame();
  frame.Show();
  frame.MoveTo({50, 60, 300, 200});
  platform::Application::ProcessPendingEvents();
  frame.DispatchCommand(kCmdOpenLast);
  frame.DispatchCommand(kCmdExit);
  EXPECT_TRUE(frame.IsDestroyed());
  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(SettingsFile());
  ASSERT_TRUE(bytes);
  const kernel::Bytes expected = {50, 0, 0, 0, 60, 0, 0, 0, 44, 1, 0, 0, 200, 0, 0, 0, 0, 1, 0};
  EXPECT_EQ(*bytes, expected);

  // A maximised frame stores the size it comes back to, and the maximised byte.
  RecordingFrame& again = MakeFrame();
  again.Show();
  again.AfterFirstShow();
  EXPECT_EQ(platform::NormalPlacement(again).width, 300);
  again.ShowMaximized();
  platform::Application::ProcessPendingEvents();
  ASSERT_TRUE(again.IsMaximized());
  again.DispatchCommand(kCmdExit);
  const std::optional<LauncherSettings> stored = ReadLauncherSettings(SettingsFile());
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->placement.x, 50);
  EXPECT_EQ(stored->placement.y, 60);
  EXPECT_EQ(stored->placement.width, 300);
  EXPECT_EQ(stored->placement.height, 200);
  EXPECT_EQ(stored->placement.zoomed, 1);

  // ... and starts maximised.
  RecordingFrame& third = MakeFrame();
  third.Show();
  third.AfterFirstShow();
  platform::Application::ProcessPendingEvents();
  EXPECT_TRUE(third.IsMaximized());
}

TEST_F(LauncherFrame, OpenLastOpensTheFigureSavedLastTime) {
  const std::string figure = (folder_ / "last.kv2").string();
  {
    RecordingFrame& frame = MakeFrame();
    frame.DispatchCommand(kCmdOpenLast);
    ASSERT_TRUE(frame.DispatchCommand(402));
    auto* window = dynamic_cast<plane::TGeom2Win*>(frame.opened.back());
    ASSERT_NE(window, nullptr);
    window->history().BeginStep(121, static_cast<std::int16_t>(window->tables().FindFreeLabel()));
    ASSERT_EQ(window->RunNewStep(), 0);
    ScriptedResponder script;
    script.ChooseFile(figure);
    ASSERT_TRUE(window->DispatchCommand(58));  // Save As
    EXPECT_TRUE(script.Finished());
    frame.DispatchCommand(kCmdExit);
  }
  ASSERT_TRUE(std::filesystem::exists(figure));
  // Started again, the 2-D window opens the figure; the other kinds keep their own last files.
  RecordingFrame& frame = MakeFrame();
  ASSERT_EQ(frame.data.settings.openLast, 1);
  ASSERT_TRUE(frame.DispatchCommand(402));
  auto* window = dynamic_cast<plane::TGeom2Win*>(frame.opened.back());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->fileMsg.fileName, figure);
  EXPECT_EQ(window->fileMsg.named, 1);
  EXPECT_EQ(window->tables().last_point, 0);
  ASSERT_TRUE(frame.DispatchCommand(410));
  EXPECT_NE(frame.opened.back()->fileMsg.fileName, figure);

  // Without Open last the window starts empty, yet it still knows the file for the next time.
  frame.DispatchCommand(kCmdOpenLast);
  ASSERT_TRUE(frame.DispatchCommand(402));
  auto* empty = dynamic_cast<plane::TGeom2Win*>(frame.opened.back());
  EXPECT_EQ(empty->tables().last_point, -1);
  EXPECT_EQ(empty->fileMsg.names[0], figure);
}

TEST_F(LauncherFrame, DroppedFilesOpenByTheirExtensionOnly) {
  RecordingFrame& frame = MakeFrame();
  const std::string figure = (folder_ / "Figure.Kvh").string();
  ASSERT_TRUE(kernel::WriteFileAtomically(figure, kernel::Bytes{}));
  // The empty file is no figure: the hyperbolic window opened for it says so and goes again.
  ScriptedResponder script;
  script.AnswerMessage(IDOK);
  frame.DeliverFilesDropped({"/tmp/picture.jpeg", "notes.txt", figure});
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot open file"});
  EXPECT_EQ(frame.tried, std::vector<WindowKind>{WindowKind::Hyperbolic});
  EXPECT_TRUE(frame.opened.empty());
  EXPECT_TRUE(NoChildWindow());
  EXPECT_EQ(frame.data.untitledCounter, 1);

  // A readable figure dropped next keeps its window.
  const std::string good = (folder_ / "good.kv2").string();
  {
    plane::TGeom2Win maker(nullptr, good, 0);
    maker.Create();
    maker.qelWin.writeSettings = 0;
    maker.fileMsg.fileName = good;
    maker.fileMsg.named = 1;
    ASSERT_TRUE(maker.Save());
    maker.Destroy();
  }
  frame.DeliverFilesDropped({good});
  ASSERT_EQ(frame.opened.size(), 1u);
  EXPECT_TRUE(frame.opened[0]->IsVisible());
  EXPECT_EQ(frame.opened[0]->fileMsg.fileName, good);
  EXPECT_FALSE(NoChildWindow());
}

TEST_F(LauncherFrame, TheCommandLineFileOpensOnceTheLauncherIsShown) {
  StartupFileName() = "a.kv3";
  RecordingFrame& frame = MakeFrame();
  EXPECT_TRUE(frame.opened.empty());
  // There is no such file: the 3-D window opened for it says so and goes again, leaving no
  // empty window behind.
  ScriptedResponder script;
  script.AnswerMessage(IDOK);
  frame.AfterFirstShow();
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot open file"});
  EXPECT_EQ(frame.tried, std::vector<WindowKind>{WindowKind::Solid});
  EXPECT_TRUE(frame.opened.empty());
  EXPECT_TRUE(NoChildWindow());
  EXPECT_EQ(frame.data.untitledCounter, 1);
  EXPECT_TRUE(StartupFileName().empty());
  frame.AfterFirstShow();
  EXPECT_EQ(frame.tried.size(), 1u);
}

TEST_F(LauncherFrame, AWindowTheUserOpenedStaysWhenOpenLastFindsNoFile) {
  // Open last with a last file that is gone: no message, the new window stays as it is.
  RecordingFrame& frame = MakeFrame();
  frame.DispatchCommand(kCmdOpenLast);
  ScriptedResponder script;
  ASSERT_TRUE(frame.DispatchCommand(402));
  EXPECT_TRUE(script.Messages().empty());
  ASSERT_EQ(frame.opened.size(), 1u);
  EXPECT_TRUE(frame.opened[0]->IsVisible());
  EXPECT_FALSE(NoChildWindow());
}

TEST_F(LauncherFrame, AHandOffRaisesTheLauncherAndOpensOnlyANamedFile) {
  RecordingFrame& frame = MakeFrame();
  frame.Show();
  frame.ShowMinimized();
  platform::Application::ProcessPendingEvents();
  frame.ReceiveHandOff("");
  frame.ReceiveHandOff("x");
  platform::Application::ProcessPendingEvents();
  EXPECT_FALSE(frame.IsMinimized());
  EXPECT_TRUE(frame.IsVisible());
  EXPECT_TRUE(frame.opened.empty());
  ScriptedResponder script;
  script.AnswerMessage(IDOK);
  frame.ReceiveHandOff("My figure.kv2");
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot open file"});
  EXPECT_EQ(frame.tried, std::vector<WindowKind>{WindowKind::Plane});
  EXPECT_TRUE(frame.opened.empty());
  EXPECT_TRUE(NoChildWindow());
}

TEST_F(LauncherFrame, HelpAndAboutGoThroughTheServiceWindow) {
  RecordingFrame& frame = MakeFrame();
  ASSERT_NE(frame.serviceWindow(), nullptr);
  EXPECT_FALSE(frame.serviceWindow()->IsVisible());
  EXPECT_EQ(frame.serviceWindow()->fileMsg.version, 63);
  ScriptedResponder script;
  std::string body;
  script.OnDialog("ABOUTBOX", [&body](platform::Dialog& d) {
    body = d.GetItemText(211);
    d.PressButton(1);
  });
  // Help shows the program's help text in the service window's help window.
  frame.DispatchCommand(kCmdHelp);
  shell::TTextWin* help = frame.serviceWindow()->helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->IsVisible());
  EXPECT_EQ(help->preText.text.rfind("Kavrine opens a window", 0), 0u);
  EXPECT_EQ(help->editor().Text(), help->preText.text);
  frame.DispatchCommand(kCmdAbout);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].caption, "about Kavrine [v 1.63]");
  EXPECT_NE(body.find("Comments and suggestions welcome"), std::string::npos);
  EXPECT_TRUE(script.Unexpected().empty());

  // Tips shows the box, one tip on from where it was.
  TTipsDlg* tips = frame.tips();
  ASSERT_NE(tips, nullptr);
  TipsData before = tips->tips;
  frame.DispatchCommand(kCmdTips);
  EXPECT_TRUE(tips->IsVisible());
  EXPECT_EQ(tips->tips.current, NextTipId(before));
  EXPECT_EQ(tips->GetItemText(kTipTextItem), resources::LoadString(tips->tips.current));
}

TEST_F(LauncherFrame, ATipsFileOfZeroKeepsTheTipsBoxAwayUntilAskedFor) {
  platform::SettingsFolder();
  ASSERT_TRUE(kernel::WriteFileAtomically((SettingsFolderPath() / "kv.tip").string(), kernel::Bytes{0}));
  RecordingFrame& frame = MakeFrame();
  frame.AfterFirstShow();
  TTipsDlg* tips = frame.tips();
  ASSERT_NE(tips, nullptr);
  EXPECT_FALSE(tips->IsVisible());
  EXPECT_EQ(tips->tips.showAtStart, 0);
  EXPECT_FALSE(tips->IsChecked(kShowAtStartCheck));
  frame.DispatchCommand(kCmdTips);
  EXPECT_TRUE(tips->IsVisible());
}

TEST_F(LauncherFrame, WithoutATipsFileTheTipsBoxGreetsTheUser) {
  RecordingFrame& frame = MakeFrame();
  ASSERT_NE(frame.tips(), nullptr);
  EXPECT_EQ(frame.tips()->tips.showAtStart, 1);
  frame.AfterFirstShow();
  EXPECT_TRUE(frame.tips()->IsVisible());
  EXPECT_TRUE(frame.tips()->IsChecked(kShowAtStartCheck));
}

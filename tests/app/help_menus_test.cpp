// Help > Help and every help-topic item of every window kind the launcher opens: each shows its
// text in the window's help window, and none says "cannot open file".
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/launcher_frame.h"
#include "app/startup_file.h"
#include "platform/application.h"
#include "platform/scripted_responder.h"
#include "shell/child_windows.h"
#include "shell/pre_text_win.h"
#include "support/isolated_folders.h"
#include "view/qel_win.h"

using namespace app;

namespace {

class HelpFrame : public TGeomFrame {
 public:
  HelpFrame() : TGeomFrame(nullptr, "Kavrine") {}
  view::TQELWin* OpenWindow(WindowKind kind, std::string_view fileName) override {
    view::TQELWin* window = TGeomFrame::OpenWindow(kind, fileName);
    if (window) opened.push_back(window);
    return window;
  }
  std::vector<view::TQELWin*> opened;
};

class HelpMenus : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
    StartupFileName().clear();
    frame_ = std::make_unique<HelpFrame>();
    frame_->Create();
  }
  void TearDown() override {
    if (frame_) frame_->Destroy();
    frame_.reset();
    platform::Application::ProcessPendingEvents();
    IsolatedFolders::TearDown();
  }
  std::unique_ptr<HelpFrame> frame_;
};

constexpr int kCmdMainHelp = 354;
constexpr int kFirstTopic = 330;
constexpr int kLastTopic = 342;

}  // namespace

TEST_F(HelpMenus, EveryWindowKindShowsItsHelpAndEveryTopicItOffers) {
  constexpr int kVoronoi = 404;
  for (int command : {402, 410, 403, 412, kVoronoi, 407, 408, 405, 409, 406, 411, 413}) {
    ASSERT_TRUE(frame_->DispatchCommand(command));
    view::TQELWin* w = frame_->opened.back();
    std::vector<int> items{kCmdMainHelp};
    for (int id = kFirstTopic; id <= kLastTopic; ++id)
      if (w->menu().Find(id)) items.push_back(id);
    // The plane windows and the tilings offer a page for each menu.
    if (command == 402 || command == 410) {
      EXPECT_EQ(items.size(), 13u) << command;
    }
    if (command == 407 || command == 408) {
      EXPECT_EQ(items.size(), 6u) << command;
    }
    for (int id : items) {
      platform::ScriptedResponder script;
      if (command == kVoronoi) script.AnswerMessage(platform::IDOK);
      ASSERT_TRUE(w->DispatchCommand(id)) << command << " " << id;
      if (command == kVoronoi) {
        // The Voronoi window says in a message box what its two buttons do.
        ASSERT_EQ(script.Messages().size(), 1u);
        EXPECT_EQ(script.Messages()[0].rfind("Use the right button", 0), 0u);
        continue;
      }
      EXPECT_TRUE(script.shown().empty()) << command << " " << id << ": "
                                          << (script.shown().empty() ? "" : script.shown()[0].text);
      shell::TTextWin* help = w->helpWindow();
      ASSERT_NE(help, nullptr) << command;
      EXPECT_TRUE(help->IsVisible()) << command << " " << id;
      EXPECT_GT(help->preText.text.size(), 200u) << command << " " << id;
      EXPECT_EQ(help->preText.text.find("not available"), std::string::npos) << command << " " << id;
      help->Hide();
    }
  }
}

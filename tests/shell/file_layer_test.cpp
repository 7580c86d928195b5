// The document file of a window: close question, Open, Save, Save As, captions, start-up file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/msg_dlg.h"
#include "kernel/file_bytes.h"
#include "support/note_window.h"
#include "platform/scripted_responder.h"

using platform::Dialog;
using platform::IDOK;
using platform::ScriptedResponder;
namespace fs = std::filesystem;

namespace {

class FileLayer : public testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    folder_ = fs::temp_directory_path() / ("kvfl" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, ignored);
    fs::remove_all(folder_, ignored);
  }
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Contents(const std::string& path) {
    const auto bytes = kernel::ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<none>");
  }
  // The bytes NoteWindow writes for an unprotected text.
  static std::string NoteBytes(const std::string& text) {
    std::string bytes("\0\0", 2);
    bytes += static_cast<char>(text.size() + 1);
    bytes += '\0';
    bytes += text;
    bytes += '\0';
    return bytes;
  }

  fs::path folder_;
};

// Answers the close question with `button` and keeps its text.
std::function<void(Dialog&)> Answer(int button, std::string* question = nullptr) {
  return [button, question](Dialog& d) {
    if (question) *question = d.Caption() + "|" + d.GetItemText(shell::kMessageTextStatic);
    d.PressButton(button);
  };
}

}  // namespace

TEST_F(FileLayer, TheCloseQuestionDecidesWhetherTheWindowClosesAndSaves) {
  // Cancel keeps the window with its changes.
  NoteWindow window(nullptr, "noname1.kv2");
  window.Create();
  window.Edit("abc");
  std::string question;
  {
    ScriptedResponder script;
    script.OnDialog("YNCMBOX", Answer(platform::IDCANCEL, &question));
    EXPECT_FALSE(window.Close());
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(question, "careful!|save changes to noname1?");
  EXPECT_FALSE(window.IsDestroyed());
  EXPECT_EQ(window.fileMsg.modified, 1);
  EXPECT_EQ(window.fileMsg.closing, 0);

  // No closes without writing.
  {
    ScriptedResponder script;
    script.OnDialog("YNCMBOX", Answer(shell::kNoButton));
    EXPECT_TRUE(window.Close());
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_TRUE(window.IsDestroyed());
  EXPECT_EQ(window.writes, 0);
  EXPECT_EQ(window.fileMsg.modified, 0);

  // Yes on an untitled window asks for a name and saves there; cancelling that dialog keeps
  // the window open.
  NoteWindow untitled(nullptr, "noname2.kv2");
  untitled.Create();
  untitled.Edit("xyz");
  {
    ScriptedResponder script;
    script.OnDialog("YNCMBOX", Answer(shell::kYesButton)).ChooseFile(std::nullopt);
    EXPECT_FALSE(untitled.Close());
    EXPECT_TRUE(script.Finished());
  }
  const std::string path = PathOf("fig.kv2");
  {
    ScriptedResponder script;
    script.OnDialog("YNCMBOX", Answer(shell::kYesButton)).ChooseFile(path);
    EXPECT_TRUE(untitled.Close());
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_TRUE(untitled.IsDestroyed());
  EXPECT_EQ(Contents(path), NoteBytes("xyz"));

  // An unmodified window closes without a question (the script would record one).
  NoteWindow clean(nullptr, "noname3.kv2");
  ScriptedResponder script;
  EXPECT_TRUE(clean.Close());
  EXPECT_TRUE(script.shown().empty());
}

TEST_F(FileLayer, SaveNamesANewFigureAndLaterSavesWithoutAsking) {
  NoteWindow window(nullptr, "noname1.kv2");
  window.fileMsg.filters = "2-dim figures|*.kv2";
  window.fileMsg.defaultExtension = "kv2";
  window.Create();
  // Untitled and unmodified: Save is offered and asks for a name.
  EXPECT_TRUE(window.QueryCommand(shell::kCmdFileSave).enabled);
  const std::string path = PathOf("square.kv2");
  {
    ScriptedResponder script;
    script.ChooseFile(path);
    EXPECT_TRUE(window.DispatchCommand(shell::kCmdFileSave));
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].caption, "2-dim figures|*.kv2");
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_EQ(Contents(path), NoteBytes(""));
  EXPECT_EQ(window.fileMsg.named, 1);
  EXPECT_EQ(window.fileMsg.fileName, path);
  EXPECT_EQ(window.Caption(), "square");
  EXPECT_FALSE(window.QueryCommand(shell::kCmdFileSave).enabled);

  // Named and modified: saved in place without any dialog.
  window.Edit("side 3");
  EXPECT_TRUE(window.QueryCommand(shell::kCmdFileSave).enabled);
  ScriptedResponder script;
  window.DispatchCommand(shell::kCmdFileSave);
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(Contents(path), NoteBytes("side 3"));
  EXPECT_EQ(window.fileMsg.modified, 0);
}

TEST_F(FileLayer, SaveAsAsksBeforeOverwritingAnExistingFile) {
  const std::string old = PathOf("old.kv2");
  ASSERT_TRUE(kernel::WriteFileAtomically(old, {'o', 'l', 'd'}));
  const std::string mine = PathOf("mine.kv2");
  NoteWindow window(nullptr, "noname1.kv2");
  window.fileMsg.fileName = mine;
  window.fileMsg.named = 1;
  window.Edit("new");

  std::string question;
  {
    ScriptedResponder script;
    script.ChooseFile(old).OnDialog("YNMBOX", Answer(shell::kNoButton, &question));
    window.DispatchCommand(shell::kCmdFileSaveAs);
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(question, "careful!|overwrite existing file?");
  EXPECT_EQ(Contents(old), "old");
  // The window keeps its own name and stays modified.
  EXPECT_EQ(window.fileMsg.fileName, mine);
  EXPECT_EQ(window.fileMsg.named, 1);
  EXPECT_EQ(window.fileMsg.modified, 1);

  {
    ScriptedResponder script;
    script.ChooseFile(old).OnDialog("YNMBOX", Answer(shell::kYesButton));
    window.DispatchCommand(shell::kCmdFileSaveAs);
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(Contents(old), NoteBytes("new"));
  EXPECT_EQ(window.fileMsg.fileName, old);

  // A new file needs no question; nor does any file with the question turned off.
  window.fileMsg.noOverwriteQuestion = 1;
  for (const std::string& target : {PathOf("fresh.kv2"), old}) {
    ScriptedResponder script;
    script.ChooseFile(target);
    window.DispatchCommand(shell::kCmdFileSaveAs);
    EXPECT_TRUE(script.Unexpected().empty()) << target;
    EXPECT_EQ(Contents(target), NoteBytes("new")) << target;
  }
}

TEST_F(FileLayer, AFailedSaveKeepsTheOldFileAndSaysSoOnce) {
  const std::string path = PathOf("keep.kv2");
  NoteWindow window(nullptr, "w");
  window.fileMsg.fileName = path;
  window.fileMsg.named = 1;
  window.Edit("first");
  window.DispatchCommand(shell::kCmdFileSave);
  const std::string before = Contents(path);
  ASSERT_EQ(before, NoteBytes("first"));

  // The folder cannot be written any more (and, for a test run as root, where the folder's mode
  // does not stop anything, the temporary file's place is taken).
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() == 0) fs::create_directory(path + ".kvtmp");
  window.Edit("second");
  ScriptedResponder script;
  script.AnswerMessage(IDOK);
  window.DispatchCommand(shell::kCmdFileSave);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot save file"});
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(Contents(path), before);
  EXPECT_EQ(window.fileMsg.modified, 1);
  EXPECT_EQ(window.Caption(), "keep");
}

TEST_F(FileLayer, AFailedSaveAsKeepsTheWindowsOwnName) {
  const std::string mine = PathOf("mine.kv2");
  NoteWindow window(nullptr, "w");
  window.fileMsg.fileName = mine;
  window.fileMsg.named = 1;
  window.Edit("text");
  // The chosen file lies in a folder that does not exist, so it cannot be written.
  const std::string elsewhere = PathOf("missing/elsewhere.kv2");
  ScriptedResponder script;
  script.ChooseFile(elsewhere).AnswerMessage(IDOK);
  window.DispatchCommand(shell::kCmdFileSaveAs);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot save file"});
  EXPECT_EQ(window.fileMsg.fileName, mine);
  EXPECT_EQ(window.fileMsg.named, 1);
  EXPECT_EQ(window.fileMsg.modified, 1);
  EXPECT_EQ(window.Caption(), "mine");

  // An unnamed window stays unnamed.
  NoteWindow fresh(nullptr, "noname1.kv2");
  fresh.Edit("text");
  ScriptedResponder again;
  again.ChooseFile(elsewhere).AnswerMessage(IDOK);
  fresh.DispatchCommand(shell::kCmdFileSave);
  EXPECT_EQ(fresh.fileMsg.fileName, "noname1.kv2");
  EXPECT_EQ(fresh.fileMsg.named, 0);
}

TEST_F(FileLayer, OpenReadsAFileAndARejectedFileChangesNothing) {
  const std::string good = PathOf("good.kv2");
  const std::string corrupt = PathOf("corrupt.kv2");
  ASSERT_TRUE(kernel::WriteFileAtomically(good, {0, 0, 4, 0, 'a', 'b', 'c', 0}));
  // The text's length runs past the end of the file.
  ASSERT_TRUE(kernel::WriteFileAtomically(corrupt, {0, 0, 9, 0, 'a', 'b'}));

  NoteWindow window(nullptr, "noname1.kv2");
  {
    ScriptedResponder script;
    script.ChooseFile(good);
    window.DispatchCommand(shell::kCmdFileOpen);
  }
  EXPECT_EQ(window.text, "abc");
  EXPECT_EQ(window.fileMsg.named, 1);
  EXPECT_EQ(window.Caption(), "good");

  const std::pair<std::string, std::string> failures[] = {
      {corrupt, "inconsistent data"},
      {PathOf("missing.kv2"), "cannot open file"},
  };
  for (const auto& [path, message] : failures) {
    ScriptedResponder script;
    script.ChooseFile(path).AnswerMessage(IDOK);
    window.DispatchCommand(shell::kCmdFileOpen);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{message});
    EXPECT_EQ(window.text, "abc");
    EXPECT_EQ(window.fileMsg.fileName, good);
    EXPECT_EQ(window.Caption(), "good");
  }

  // A modified window asks first; Cancel there opens nothing.
  window.Edit("changed");
  ScriptedResponder script;
  script.OnDialog("YNCMBOX", Answer(platform::IDCANCEL));
  window.DispatchCommand(shell::kCmdFileOpen);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(window.text, "changed");
}

TEST_F(FileLayer, TheStartupFileIsReadInFull) {
  const std::string path = PathOf("start.kv2");
  ASSERT_TRUE(kernel::WriteFileAtomically(path, {0, 0, 3, 0, 'h', 'i', 0}));
  NoteWindow window(nullptr, "noname1.kv2");
  window.fileMsg.startupFileName = path;
  EXPECT_EQ(window.OpenStartupFile(), 0);
  EXPECT_EQ(window.text, "hi");
  EXPECT_EQ(window.fileMsg.named, 1);

  // Open last: the start-up file is missing, the last file is read instead.
  NoteWindow second(nullptr, "noname2.kv2");
  second.fileMsg.startupFileName = PathOf("gone.kv2");
  second.fileMsg.names[0] = path;
  second.fileMsg.openLast = 1;
  EXPECT_EQ(second.OpenStartupFile(), 0);
  EXPECT_EQ(second.text, "hi");
}

TEST(FileLayerCaption, TheCaptionIsMadeFromTheFileName) {
  struct Case {
    std::uint8_t nameOnly, hideExtension;
    std::uint16_t permissions;
    bool saving;
    const char* extra;
    const char* caption;
  };
  const Case cases[] = {
      {1, 1, 0, false, "", "fig"},
      {1, 0, 0, false, "", "fig.kv2"},
      {0, 1, 0, false, "", "/data/fig.kv2"},
      {1, 1, 2, false, "", "fig+"},
      {1, 1, 1, false, " [3]", "fig [3]+"},
      {1, 1, 1, true, "", "save changes to  fig"},
  };
  for (const Case& c : cases) {
    NoteWindow window(nullptr, "w");
    window.fileMsg.fileName = "/data/fig.kv2";
    window.fileMsg.nameOnlyCaption = c.nameOnly;
    window.fileMsg.hideExtension = c.hideExtension;
    window.authorData.permissions = c.permissions;
    window.UpdateCaption(c.saving, c.extra);
    EXPECT_EQ(window.Caption(), c.caption);
  }
}

namespace {
class HelpWindow : public NoteWindow {
 public:
  using NoteWindow::NoteWindow;
  void ShowHelp(std::string_view name, std::string_view extra) override {
    shown.push_back(std::string(name) + "|" + std::string(extra));
  }
  std::vector<std::string> shown;
};
}  // namespace

TEST(FileLayerCommands, HelpTopicsCloseAndAskAndHide) {
  HelpWindow window(nullptr, "w");
  window.fileMsg.mainHelp = "MAINHELP";
  for (int i = 0; i < shell::kHelpTopicCount; ++i) window.fileMsg.helpTopics[i] = "TOPIC" + std::to_string(i + 1);
  window.DispatchCommand(shell::kCmdMainHelp);
  window.DispatchCommand(shell::kCmdFirstHelpTopic);
  window.DispatchCommand(342);
  EXPECT_EQ(window.shown, (std::vector<std::string>{"MAINHELP|", "TOPIC1|", "TOPIC13|"}));

  window.Show();
  window.DispatchCommand(shell::kCloseCommand);
  EXPECT_FALSE(window.IsVisible());
  EXPECT_EQ(window.fileMsg.hidden, 1);

  // Ask and hide: a modified window asks first; No hides it unmodified.
  window.fileMsg.hidden = 0;
  window.Show();
  window.Edit("x");
  ScriptedResponder script;
  script.OnDialog("YNCMBOX", Answer(platform::IDCANCEL)).OnDialog("YNCMBOX", Answer(shell::kNoButton));
  window.DispatchCommand(shell::kCmdAskAndHide);
  EXPECT_TRUE(window.IsVisible());
  window.DispatchCommand(shell::kCmdAskAndHide);
  EXPECT_FALSE(window.IsVisible());
  EXPECT_EQ(window.fileMsg.modified, 0);
  EXPECT_TRUE(script.Unexpected().empty());
}

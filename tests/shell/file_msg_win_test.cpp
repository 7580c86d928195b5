#include <gtest/gtest.h>

#include "shell/file_msg_win.h"
#include "platform/scripted_responder.h"

using shell::TFileMsgWin;

namespace {

// Counts the loads and fails the ones of files named "bad...".
class LoadingWindow : public TFileMsgWin {
 public:
  using TFileMsgWin::TFileMsgWin;
  int LoadFile() override {
    loaded.push_back(fileMsg.fileName);
    return fileMsg.fileName.rfind("bad", 0) == 0 ? 11 : 0;
  }
  std::vector<std::string> loaded;
};

}  // namespace

TEST(FileMsgWin, TheStartupFileOrElseTheLastFileIsLoaded) {
  struct Case {
    const char* startup;
    std::uint8_t openLast;
    const char* last;
    int result;
    const char* fileName;  // afterwards
    std::vector<std::string> loaded;
  };
  const Case cases[] = {
      {"a.kv2", 0, "last.kv2", 0, "a.kv2", {"a.kv2"}},
      {"", 0, "last.kv2", 11, "current.kv2", {}},
      {"", 1, "last.kv2", 0, "last.kv2", {"last.kv2"}},
      {"", 1, "", 11, "current.kv2", {}},
      {"bad.kv2", 1, "last.kv2", 0, "last.kv2", {"bad.kv2", "last.kv2"}},
      {"bad.kv2", 0, "last.kv2", 11, "current.kv2", {"bad.kv2"}},
  };
  for (const Case& c : cases) {
    LoadingWindow window(nullptr, "w");
    window.fileMsg.fileName = "current.kv2";
    window.fileMsg.startupFileName = c.startup;
    window.fileMsg.openLast = c.openLast;
    window.fileMsg.names[0] = c.last;
    EXPECT_EQ(window.OpenStartupFile(), c.result) << c.startup << " " << c.last;
    EXPECT_EQ(window.fileMsg.fileName, c.fileName) << c.startup << " " << c.last;
    EXPECT_EQ(window.loaded, c.loaded) << c.startup << " " << c.last;
  }
}

TEST(FileMsgWin, AMissingHelpTextIsMessageEleven) {
  TFileMsgWin window(nullptr, "w");
  std::string text = "unchanged";
  EXPECT_EQ(window.LoadHelpText("NOSUCHHELP", text), 11);
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(window.LoadHelpText("PROGHELP", text, 64001), 0);
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(window.LoadHelpText("PROGHELP", text, 20), 20);

}

TEST(FileMsgWin, HideMarksTheWindowHidden) {
  TFileMsgWin window(nullptr, "w");
  window.Show();
  static_cast<platform::FrameWindow&>(window).Hide();  // the layer is not skipped
  EXPECT_FALSE(window.IsVisible());
  EXPECT_EQ(window.fileMsg.hidden, 1);
  EXPECT_EQ(window.fileMsg.version, 1);
}

// Services of the window layer: questions for values, texts in files, status captions, key poll.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/counted_text.h"
#include "support/note_window.h"
#include "platform/application.h"
#include "platform/key_poll.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"

using platform::Dialog;
using platform::IDCANCEL;
using platform::IDOK;
using platform::ScriptedResponder;

TEST(AskIntInRange, TheValueIsCheckedAgainstItsRange) {
  struct Case {
    const char* input;
    int button;
    int result;
    int value;
  };
  const Case cases[] = {
      {"25", IDOK, 0, 25},  {"60", IDOK, 17, 60},   {"abc", IDOK, 17, 0},
      {"1", IDOK, 0, 1},    {"50", IDOK, 0, 50},    {"7", IDCANCEL, shell::kAskCancelled, 10},
  };
  for (const Case& c : cases) {
    NoteWindow window(nullptr, "w");
    int value = 10;
    std::string prompt, initial, caption;
    ScriptedResponder script;
    script.OnDialog("ONEINPUT", [&](Dialog& d) {
      prompt = d.GetItemText(231);
      initial = d.GetItemText(211);
      caption = d.Caption();
      d.SetItemText(211, c.input);
      d.PressButton(c.button);
    });
    // Prompt string 62 as the caption, string 29 as the label.
    EXPECT_EQ(window.AskIntInRange(62, 29, 1, 50, value, true), c.result) << c.input;
    EXPECT_EQ(value, c.value) << c.input;
    EXPECT_EQ(prompt, "1 .. noname .. 50");
    EXPECT_EQ(initial, "10");
    EXPECT_EQ(caption, "hmm ...");
  }
  NoteWindow window(nullptr, "w");
  int value = 3;
  std::string prompt;
  ScriptedResponder script;
  script.OnDialog("ONEINPUT", [&](Dialog& d) {
    prompt = d.GetItemText(231);
    d.PressButton(IDOK);
  });
  EXPECT_EQ(window.AskIntInRange(62, 29, 1, 50, value, false), 0);
  EXPECT_EQ(prompt, "noname");
}

TEST(AskValue, TheStringsFrameTheInput) {
  NoteWindow window(nullptr, "w");
  std::string buffer = "old";
  ScriptedResponder script;
  script.OnDialog("ONEINPUT", [](Dialog& d) {
    EXPECT_EQ(d.Caption(), "hmm ...");
    EXPECT_EQ(d.GetItemText(231), "noname");
    EXPECT_EQ(d.GetItemText(211), "old");
    d.SetItemText(211, "a longer answer");
    d.PressButton(IDOK);
  });
  EXPECT_EQ(window.AskValue(62, 29, buffer, 9), IDOK);
  EXPECT_EQ(buffer, "a longer");
}

TEST(CountedText, LengthCountsTheNulAndBuffersAreNeverOverrun) {
  kernel::ByteWriter out;
  shell::WriteCountedText(out, "ab");
  shell::WriteCountedText(out, "");
  EXPECT_EQ(out.bytes(), (kernel::Bytes{3, 0, 'a', 'b', 0, 1, 0, 0}));

  struct Case {
    kernel::Bytes bytes;
    int capacity;
    bool ok;
    const char* text;  // the buffer held "keep" before
    std::size_t position;
  };
  const Case cases[] = {
      {{3, 0, 'a', 'b', 0}, 101, true, "ab", 5},
      {{6, 0, 'a', 'b', 'c', 'd', 'e', 0}, 3, true, "ab", 8},   // cut, the rest skipped
      {{0, 0}, 101, true, "keep", 2},                           // nothing read
      {{5, 0, 'a', 0, 'b', 'c', 0}, 101, true, "a", 7},         // ends at its first NUL
      {{9, 0, 'a', 'b'}, 101, false, "keep", 0},                // runs past the end
      {{3}, 101, false, "keep", 0},
  };
  for (const Case& c : cases) {
    kernel::ByteReader in(c.bytes);
    std::string buffer = "keep";
    EXPECT_EQ(shell::ReadCountedText(in, buffer, c.capacity), c.ok) << c.text;
    EXPECT_EQ(buffer, c.text);
    if (c.ok) {
      EXPECT_EQ(in.position(), c.position) << c.text;
    }
  }
}

TEST(CaptionStatus, StatusLinesByKind) {
  struct Case {
    int kind, a, b;
    const char* caption;
  };
  const Case cases[] = {
      {1, -1, -1, "press Q to quit"},
      {5, -1, -1, "Q=quit P=pause F=faster S=slower"},
      {8, -1, -1, "press any key"},
      {16, -1, -1, "spacebar to advance, Z to reverse, Q to quit"},
      {7, 3, -1, "slide #3; press any key"},
      {6, 4, -1, "preparing slides -- please wait4; press Q to quit"},
      {11, -1, 5, "Q=quit X,Y,Z,R=axis  F=fast  S=slow  space=rev"},
      {11, 2, 1, "Q=quit X,Y,Z,R=axis  F=fast  S=slow  space=rev2"},
      {11, 2, 9, "Q=quit X,Y,Z,R=axis  F=fast  S=slow  space=rev2/9"},
      {12, 3, 10, "slide # 3/10"},
  };
  NoteWindow window(nullptr, "w");
  for (const Case& c : cases) {
    window.CaptionStatus(c.kind, c.a, c.b);
    EXPECT_EQ(window.Caption(), c.caption) << c.kind;
  }
}

namespace {
class CommandCounter : public NoteWindow {
 public:
  using NoteWindow::NoteWindow;
  std::vector<int> commands;

 protected:
  bool OnCommand(int id) override {
    commands.push_back(id);
    return true;
  }
};
}  // namespace

TEST(PollKey, TakesOnePendingKeyAndStopsOnAccelerators) {
  ASSERT_FALSE(resources::AddResourceScriptForTesting("ACCELERATORS POLLKEYS\n  Ctrl+S 57\n  F5 58\nEND\n"));
  CommandCounter window(nullptr, "w");
  window.Create();
  window.SetAccelerators("POLLKEYS");
  window.Show();
  window.BringToFront();
  platform::Application::ProcessPendingEvents();

  EXPECT_EQ(window.PollKey(), 0);
  struct Case {
    int key;
    unsigned modifiers;
    const char* text;
    int result;
  };
  const Case cases[] = {
      {'Q', 0, "q", shell::kStopKey},
      {'X', 0, "x", 'X'},
      {'5', 0, "5", '5'},
      {' ', 0, " ", ' '},
      {resources::kKeyLeft, 0, "", resources::kKeyLeft},
      {'S', resources::kControl, "\x13", shell::kStopKey},
      {resources::kKeyF1 + 4, 0, "", shell::kStopKey},
  };
  for (const Case& c : cases) {
    platform::PostKeyPressForTesting(&window, c.key, c.modifiers, c.text);
    EXPECT_EQ(window.PollKey(), c.result) << c.text;
    EXPECT_EQ(window.PollKey(), 0) << c.text;
  }
  // Two keys pressed between polls come one per poll.
  platform::PostKeyPressForTesting(&window, 'A', 0, "a");
  platform::PostKeyPressForTesting(&window, 'B', 0, "b");
  EXPECT_EQ(window.PollKey(), 'A');
  EXPECT_EQ(window.PollKey(), 'B');
  EXPECT_EQ(window.PollKey(), 0);
  // The accelerators stopped the work without running their commands ...
  EXPECT_TRUE(window.commands.empty());
  // ... which they do when no work is polling.
  platform::PostKeyPressForTesting(&window, 'S', resources::kControl, "\x13");
  platform::Application::ProcessPendingEvents();
  EXPECT_EQ(window.commands, std::vector<int>{shell::kCmdFileSave});
}

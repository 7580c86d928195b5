// Password and author data of figure files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/author_data.h"
#include "kernel/file_bytes.h"
#include "support/note_window.h"
#include "platform/scripted_responder.h"

using platform::Dialog;
using platform::IDCANCEL;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

constexpr int kPasswordEdit = 211, kConfirmEdit = 212;

// Fills the protection dialog and presses `button`.
std::function<void(Dialog&)> Protect(std::string password, std::string confirmation, std::vector<int> checks,
                                     int button, std::vector<std::string> lines = {}) {
  return [=](Dialog& d) {
    d.SetItemText(kPasswordEdit, password);
    d.SetItemText(kConfirmEdit, confirmation);
    for (int id = 271; id <= 274; ++id) d.CheckItem(id, false);
    for (const int id : checks) d.CheckItem(id, true);
    for (std::size_t i = 0; i < lines.size(); ++i) d.SetItemText(213 + static_cast<int>(i), lines[i]);
    d.PressButton(button);
  };
}

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + name)).string();
}

}  // namespace

TEST(PasswordTransform, EveryStorableByteComesBack) {
  EXPECT_EQ(shell::ModPow(17, 0, 251), 1);
  EXPECT_EQ(shell::ModPow(2, 10, 1000), 24);
  EXPECT_EQ(shell::ModPow(97, shell::kPasswordWriteExponent, shell::kPasswordModulus), 14);
  for (int c = 1; c < shell::kPasswordModulus; ++c) {
    std::string text(1, static_cast<char>(c));
    shell::TransformBytes(text, shell::kPasswordWriteExponent);
    ASSERT_EQ(text.size(), 1u) << c;
    shell::TransformBytes(text, shell::kPasswordReadExponent);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), c);
  }
  // A byte equal to the modulus would end the stored text: such passwords are refused.
  std::string cut = "a\xFB" "b";
  shell::TransformBytes(cut, shell::kPasswordWriteExponent);
  EXPECT_EQ(cut.size(), 1u);
  EXPECT_TRUE(shell::IsStorablePassword("Secret 1!"));
  EXPECT_FALSE(shell::IsStorablePassword("caf\xFB"));
  EXPECT_FALSE(shell::IsStorablePassword("\xFF"));
}

TEST(AuthorPiece, GoldenBytesAndRoundTrip) {
  shell::AuthorData data;
  data.password = "ab";
  data.lines = {"Ann", "2024", "a@b.c", "x.org"};
  data.permissions = 3;
  kernel::ByteWriter out;
  shell::WriteAuthorPiece(out, data);
  const kernel::Bytes expected = {3, 0, 14, 109, 0,                   // password, transformed
                                  4, 0, 'A', 'n', 'n', 0,             // author
                                  5, 0, '2', '0', '2', '4', 0,        // date
                                  6, 0, 'a', '@', 'b', '.', 'c', 0,   // e-mail
                                  6, 0, 'x', '.', 'o', 'r', 'g', 0};  // homepage
  EXPECT_EQ(out.bytes(), expected);

  kernel::ByteReader in(out.bytes());
  shell::AuthorData back;
  ASSERT_TRUE(shell::ReadAuthorPiece(in, back));
  EXPECT_EQ(back.password, "ab");
  EXPECT_EQ(back.lines, data.lines);
  EXPECT_TRUE(in.AtEnd());

  // Cut anywhere inside, the piece is refused.
  for (std::size_t size = 0; size < expected.size(); ++size) {
    kernel::ByteReader shortIn(expected.data(), size);
    shell::AuthorData partial;
    EXPECT_FALSE(shell::ReadAuthorPiece(shortIn, partial)) << size;
  }
}

TEST(Protection, AFileGuardingOnlyTheHistorySavesFreelyAndAsksOnceForTheHistory) {
  const std::string path = TempPath("history.kv2");
  {
    NoteWindow writer(nullptr, "w");
    writer.fileMsg.fileName = path;
    writer.fileMsg.named = 1;
    writer.authorData.password = "open sesame";
    writer.authorData.permissions = shell::kGuardHistory;
    writer.Edit("figure");
    writer.DispatchCommand(shell::kCmdFileSave);
  }
  NoteWindow window(nullptr, "noname1.kv2");
  window.fileMsg.startupFileName = path;
  ASSERT_EQ(window.OpenStartupFile(), 0);
  EXPECT_EQ(window.authorData.unlocked, 0);
  EXPECT_EQ(window.authorData.password, "open sesame");
  EXPECT_EQ(window.Caption(), std::to_string(::getpid()) + "history+");

  ScriptedResponder script;
  window.Edit("changed");
  window.DispatchCommand(shell::kCmdFileSave);  // no question: saving is not guarded
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(window.fileMsg.modified, 0);

  script.FillAndPress("ASKPW", {{211, "open sesame"}}, IDOK);
  EXPECT_TRUE(window.CheckPassword(shell::kGuardHistory));
  EXPECT_TRUE(window.CheckPassword(shell::kGuardHistory));  // asked once only
  EXPECT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].caption, "authorization");
  EXPECT_TRUE(script.Unexpected().empty());
  std::filesystem::remove(path);
}

TEST(Protection, AWrongPasswordIsRefusedAndTheFileStaysLocked) {
  NoteWindow window(nullptr, "w");
  window.fileMsg.fileName = TempPath("locked.kv2");
  window.fileMsg.named = 1;
  window.authorData.password = "Pw";
  window.authorData.permissions = shell::kGuardSave | shell::kGuardNotebook;
  window.authorData.unlocked = 0;
  window.Edit("x");

  ScriptedResponder script;
  script.FillAndPress("ASKPW", {{211, "pw"}}, IDOK).AnswerMessage(IDOK);  // case matters
  script.FillAndPress("ASKPW", {{211, ""}}, IDOK).AnswerMessage(IDOK);
  script.FillAndPress("ASKPW", {{211, "Pw"}}, IDCANCEL);  // no message
  EXPECT_FALSE(window.CheckPassword(shell::kGuardNotebook));
  EXPECT_FALSE(window.CheckPassword(shell::kGuardNotebook));
  // Save As of a file whose password the user cannot give does nothing.
  window.DispatchCommand(shell::kCmdFileSaveAs);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"not authorized", "not authorized"}));
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(window.authorData.unlocked, 0);
  EXPECT_EQ(window.writes, 0);
  EXPECT_EQ(window.fileMsg.named, 1);
  // Unguarded operations run without asking.
  EXPECT_TRUE(window.CheckPassword(shell::kGuardHistory));
}

TEST(Protection, TheProtectionDialogChecksItsInputAndStaysOpen) {
  NoteWindow window(nullptr, "noname1.kv2");
  window.authorData.lines = {"Ann", "", "", ""};
  std::vector<std::string> afterMismatch;
  ScriptedResponder script;
  script.OnDialog("SETPW", [&](Dialog& d) {
    EXPECT_EQ(d.Caption(), "protection");
    EXPECT_EQ(d.GetItemText(213), "Ann");
    EXPECT_TRUE(d.IsChecked(271));
    EXPECT_FALSE(d.IsChecked(274));
    // Mismatch: both edits emptied.
    Protect("abc", "abd", {271}, IDOK)(d);
    afterMismatch = {d.GetItemText(kPasswordEdit), d.GetItemText(kConfirmEdit)};
    Protect("", "", {271}, IDOK)(d);                 // no password
    Protect("abc", "abc", {274}, IDOK)(d);           // the copyright bit alone guards nothing
    Protect("\xFF\xFF", "\xFF\xFF", {271}, IDOK)(d); // cannot be stored
    Protect("abc", "abc", {272, 274}, IDOK, {"Bea", "today", "b@c.d", "b.org"})(d);
  });
  for (int i = 0; i < 4; ++i) script.AnswerMessage(IDOK);
  script.AnswerMessage(IDOK);  // "protected"
  window.DispatchCommand(shell::kCmdPassword);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"do not match", "nothing to do", "nothing to do",
                                                          "out of bounds", "protected"}));
  EXPECT_EQ(afterMismatch, (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(window.authorData.permissions, shell::kGuardHistory | shell::kShowCopyright);
  EXPECT_EQ(window.authorData.password, "abc");
  EXPECT_EQ(window.authorData.lines[0], "Bea");
  EXPECT_EQ(window.authorData.unlocked, 1);
  EXPECT_EQ(window.fileMsg.modified, 1);
  EXPECT_EQ(window.Caption(), "noname1+");

  // The author box shows the four lines.
  EXPECT_TRUE(window.QueryCommand(shell::kCmdAuthor).enabled);
  ScriptedResponder authorBox;
  authorBox.AnswerMessage(IDOK);
  window.DispatchCommand(shell::kCmdAuthor);
  ASSERT_EQ(authorBox.shown().size(), 1u);
  EXPECT_EQ(authorBox.shown()[0].text, "Bea\r\ntoday\r\nb@c.d\r\nb.org");
  EXPECT_EQ(authorBox.shown()[0].caption, "author");

  // "remove": unprotected, the author lines gone, the caption without its "+".
  ScriptedResponder remove;
  remove.FillAndPress("SETPW", {}, IDCANCEL).AnswerMessage(IDOK);
  window.DispatchCommand(shell::kCmdPassword);
  EXPECT_EQ(remove.Messages(), std::vector<std::string>{"unprotected"});
  EXPECT_EQ(window.authorData.permissions, 0);
  EXPECT_EQ(window.authorData.lines[0], "");
  EXPECT_EQ(window.Caption(), "noname1");
  EXPECT_FALSE(window.QueryCommand(shell::kCmdAuthor).enabled);
}

TEST(Protection, ThePasswordCommandOfALockedFileAsksFirst) {
  NoteWindow window(nullptr, "w");
  window.authorData.password = "key";
  window.authorData.permissions = shell::kGuardHistory;
  window.authorData.unlocked = 0;
  ScriptedResponder script;
  script.FillAndPress("ASKPW", {{211, "nokey"}}, IDOK).AnswerMessage(IDOK);
  window.DispatchCommand(shell::kCmdPassword);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"not authorized"});
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(window.authorData.permissions, shell::kGuardHistory);
}

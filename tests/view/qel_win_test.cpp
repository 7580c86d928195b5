#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_responder.h"
#include "shell/note_win.h"
#include "shell/pre_text_win.h"
#include "view/qel_win.h"

using namespace shell;
using platform::ScriptedResponder;

namespace {

TEST(QELWin, TheGraphicsWindowOwnsItsNotebookAndHelpWindows) {
  view::TQELWin owner(nullptr, "tri.kv2");
  owner.notebook = 1;
  owner.fileMsg.fileName = "/figures/tri.kv2";
  owner.fileMsg.hideExtension = 0;
  owner.Create();
  TNoteWin* notes = owner.notebookWindow();
  ASSERT_NE(notes, nullptr);
  ASSERT_NE(owner.helpWindow(), nullptr);
  ASSERT_NE(owner.scratchWindow(), nullptr);
  EXPECT_EQ(owner.scratchWindow()->Caption(), "noname.txt");
  EXPECT_EQ(notes->Caption(), "notebook [tri.kv2]");
  EXPECT_FALSE(notes->IsVisible());
  EXPECT_TRUE(notes->fileMsg.hidden);

  owner.DispatchCommand(view::kCmdNotebook);
  EXPECT_TRUE(notes->IsVisible());
  owner.fileMsg.modified = 0;
  // Closing the notebook from its title bar hides it, never asks, and marks the figure.
  notes->editor().ReplaceSelection("my notes");
  notes->DeliverCloseRequest();
  EXPECT_FALSE(notes->IsVisible());
  EXPECT_FALSE(notes->IsDestroyed());
  EXPECT_EQ(owner.fileMsg.modified, 1);
  owner.fileMsg.modified = 0;
  owner.DispatchCommand(view::kCmdNotebook);
  notes->Hide();  // unchanged notes too
  EXPECT_EQ(owner.fileMsg.modified, 1);
  notes->SetText("kept");
  EXPECT_EQ(notes->editor().Text(), "kept");
  notes->Reset();
  EXPECT_EQ(notes->editor().Text(), "");

  // Help: the text shown in the help window, a topic searched case-sensitively there.
  ScriptedResponder script;
  owner.ShowHelp("PROGHELP", "menu");
  TTextWin* help = owner.helpWindow();
  EXPECT_TRUE(help->IsVisible());
  EXPECT_FALSE(help->fileMsg.hidden);
  const std::string shown = help->editor().Text();
  const auto [start, end] = help->editor().Selection();
  EXPECT_EQ(shown.substr(start, end - start), "menu");
  EXPECT_EQ(static_cast<std::size_t>(start), shown.find("menu"));
  // Hiding the graphics window hides the companions that show.
  owner.Hide();
  EXPECT_FALSE(help->IsVisible());
  EXPECT_TRUE(help->fileMsg.hidden);
  EXPECT_TRUE(script.Unexpected().empty());
  owner.Destroy();
  EXPECT_EQ(owner.helpWindow(), nullptr);
}

TEST(QELWin, AMissingHelpTextIsMessageEleven) {
  view::TQELWin graphics(nullptr, "name.ext");
  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  graphics.ShowHelp("NOSUCHHELP", "");
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot open file"});
}

}  // namespace

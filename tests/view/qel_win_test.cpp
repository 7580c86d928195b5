#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "shell/child_windows.h"
#include "shell/col_win.h"
#include "shell/msg_dlg.h"
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

namespace {

using platform::IDCANCEL;
using platform::IDOK;

class CountingWindow : public view::TQELWin {
 public:
  using TQELWin::TQELWin;
  std::vector<int> colourChanges;
  int newFigures = 0;
  int menuUpdates = 0;
  void ColorChanged(int roleKind) override { colourChanges.push_back(roleKind); }
  void NewFigure() override { ++newFigures; }
  void UpdateMenu() override { ++menuUpdates; }
};

TEST(QELWin, ColoursFollowTheBackgroundOnScreenAndGreyWithoutColourPrinting) {
  view::TQELWin w(nullptr, "colours");
  w.preWin.colors[3] = kernel::Rgb(255, 0, 0);
  w.preWin.roles[0] = 5;
  // On screen the background's own index is drawn as 0, or as 1 on a background of index 0.
  EXPECT_EQ(w.DrawColor(5), w.Color(0));
  EXPECT_EQ(w.DrawColor(6), w.Color(6));
  EXPECT_EQ(w.ColorOf(5, true), w.Color(0));
  EXPECT_EQ(w.ColorOf(5, false), w.Color(5));
  w.preWin.roles[0] = 0;
  EXPECT_EQ(w.DrawColor(0), w.Color(1));
  const std::pair<int, int> indices[] = {{5, 5}, {60, 60}, {0, 0}, {61, 0}, {-1, 0}};
  for (const auto& [index, expected] : indices) EXPECT_EQ(w.ColorIndex(index), expected) << index;
  // Printing in colour: every index keeps its colour, the background's too.
  w.qelWin.printing = 1;
  w.printFormat.colorPrinter = 1;
  EXPECT_EQ(w.DrawColor(0), w.Color(0));
  EXPECT_EQ(w.ColorOf(3, true), kernel::Rgb(255, 0, 0));
  EXPECT_EQ(w.ColorIndex(3), 3);
  // Printing without colour: greys, and index 0 for everything.
  w.printFormat.colorPrinter = 0;
  for (const int index : {0, 3, 17, 60}) {
    EXPECT_EQ(w.ColorOf(index, true), w.GreyColor(index)) << index;
    EXPECT_EQ(w.ColorOf(index, false), w.GreyColor(index)) << index;
    EXPECT_EQ(w.ColorIndex(index), 0) << index;
  }
  EXPECT_NE(w.GreyColor(3), w.Color(3));
  EXPECT_EQ(w.RgbText(3), "rgb(255,0,0)");
}

TEST(QELWin, AColourRoleCommandOpensTheColourWindowOnThatRole) {
  CountingWindow w(nullptr, "roles");
  w.Create();
  shell::TColWin* colours = w.colorWindow();
  ASSERT_NE(colours, nullptr);
  EXPECT_FALSE(colours->IsVisible());
  EXPECT_FALSE(w.HasColorWindow());
  w.preWin.roles[3] = 7;
  w.preWin.roleValues[3] = 33;
  w.fileMsg.modified = 0;
  w.DispatchCommand(view::kCmdFirstColorRole + 3);
  EXPECT_TRUE(colours->IsVisible());
  EXPECT_TRUE(w.HasColorWindow());
  EXPECT_EQ(colours->currentIndex(), &w.preWin.roles[3]);
  EXPECT_EQ(colours->roleKind(), 33);
  // A colour edit counts as a change while colours are tracked.
  EXPECT_EQ(w.fileMsg.modified, 1);
  colours->Pick(2, 1);
  EXPECT_EQ(w.preWin.roles[3], 2);
  EXPECT_EQ(w.colourChanges, std::vector<int>{33});

  // Hiding the window hides the colour window; so does UpdateColorWindow.
  w.Hide();
  EXPECT_FALSE(colours->IsVisible());
  EXPECT_FALSE(w.HasColorWindow());
  w.Show();
  w.qelWin.colorsFlag = 0;
  w.fileMsg.modified = 0;
  w.DispatchCommand(view::kCmdLastColorRole);
  EXPECT_EQ(colours->currentIndex(), &w.preWin.roles[14]);
  EXPECT_EQ(colours->roleKind(), -1);
  EXPECT_EQ(w.fileMsg.modified, 0);
  w.UpdateColorWindow();
  EXPECT_FALSE(colours->IsVisible());
  w.Destroy();
  EXPECT_EQ(w.colorWindow(), nullptr);
}

TEST(QELWin, TheFlagCommandsToggleAndCheckTheirItems) {
  ASSERT_FALSE(resources::AddResourceScriptForTesting(
      "MENU QELTESTMENU\n  POPUP \"&File\"\n    ITEM 56 \"&Colors\"\n    ITEM 221 \"&With back color\"\n"
      "  END\nEND\n"));
  CountingWindow w(nullptr, "flags");
  w.Create();
  w.SetMenu("QELTESTMENU");
  w.DispatchCommand(view::kCmdToggleColors);
  EXPECT_EQ(w.qelWin.colorsFlag, 0);
  EXPECT_FALSE(w.menu().IsChecked(view::kCmdToggleColors));
  w.DispatchCommand(view::kCmdToggleColors);
  EXPECT_EQ(w.qelWin.colorsFlag, 1);
  EXPECT_TRUE(w.menu().IsChecked(view::kCmdToggleColors));
  w.DispatchCommand(view::kCmdBackColor);
  EXPECT_EQ(w.device.withBackColor, 1);
  EXPECT_TRUE(w.menu().IsChecked(view::kCmdBackColor));
  EXPECT_EQ(w.menuUpdates, 3);
  // A new tool refreshes the checks; the same tool again does not.
  w.SetCurrentTool(125);
  w.SetCurrentTool(125);
  EXPECT_EQ(w.qelWin.currentTool, 125);
  EXPECT_EQ(w.menuUpdates, 4);
  w.Destroy();
}

TEST(QELWin, DelayAsksForMillisecondsAndKeepsTheOldValueOnABadOne) {
  view::TQELWin w(nullptr, "delay");
  w.Create();
  std::string caption, prompt, initial;
  ScriptedResponder script;
  script.OnDialog("ONEINPUT", [&](platform::Dialog& d) {
    caption = d.Caption();
    prompt = d.GetItemText(231);
    initial = d.GetItemText(211);
    d.SetItemText(211, "250");
    d.PressButton(IDOK);
  });
  w.DispatchCommand(view::kCmdDelay);
  EXPECT_EQ(w.qelWin.animationDelay, 250);
  EXPECT_EQ(caption, "input");
  EXPECT_EQ(prompt, "millisecond delay");
  EXPECT_EQ(initial, "0");
  script.FillAndPress("ONEINPUT", {{211, "-5"}}, IDOK).AnswerMessage(IDOK);
  w.DispatchCommand(view::kCmdDelay);
  script.FillAndPress("ONEINPUT", {{211, "9"}}, IDCANCEL);
  w.DispatchCommand(view::kCmdDelay);
  EXPECT_EQ(w.qelWin.animationDelay, 250);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"out of bounds"});
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST(QELWin, NewAsksToSaveAChangedFigureFirst) {
  CountingWindow w(nullptr, "noname1.kv2");
  w.Create();
  EXPECT_TRUE(w.QueryCommand(view::kCmdNew).enabled);
  ScriptedResponder script;
  w.DispatchCommand(view::kCmdNew);
  EXPECT_EQ(w.newFigures, 1);
  w.fileMsg.modified = 1;
  script.OnDialog("YNCMBOX", [](platform::Dialog& d) { d.PressButton(IDCANCEL); });
  w.DispatchCommand(view::kCmdNew);
  EXPECT_EQ(w.newFigures, 1);
  EXPECT_EQ(w.fileMsg.modified, 1);
  script.OnDialog("YNCMBOX", [](platform::Dialog& d) { d.PressButton(shell::kNoButton); });
  w.DispatchCommand(view::kCmdNew);
  EXPECT_EQ(w.newFigures, 2);
  EXPECT_EQ(w.fileMsg.modified, 0);
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST(QELWin, AWindowWithoutNotebookHasNoNotebookCommand) {
  view::TQELWin w(nullptr, "plain");
  w.Create();
  EXPECT_EQ(w.notebookWindow(), nullptr);
  EXPECT_FALSE(w.QueryCommand(view::kCmdNotebook).enabled);
  w.Destroy();
}

TEST(QELWin, DestroyFreesOnlyASlotOfTheTable) {
  for (const int slot : {-1, 0, 31, 32}) {
    shell::ChildWindows().fill(1);
    view::TQELWin w(nullptr, "slot");
    w.slotIndex = slot;
    w.Create();
    w.Destroy();
    for (int i = 0; i < shell::kChildWindowSlots; ++i)
      EXPECT_EQ(shell::ChildWindows()[i], i == slot ? 0 : 1) << "slot " << slot << ", entry " << i;
  }
  shell::ChildWindows().fill(0);
}

TEST(QELWin, TheFrameIsDrawnInsideThePictureOnlyWhenAskedFor) {
  view::TQELWin w(nullptr, "frame");
  w.preWin.width = 50;
  w.preWin.height = 40;
  const auto draw = [&w] {
    platform::Bitmap picture(50, 40, platform::kWhite);
    auto dc = picture.CreateDC();
    w.DrawFrame(*dc);
    dc.reset();
    return picture;
  };
  const auto black = [](const platform::Bitmap& b, int x, int y) {
    return b.GetPixel(x, y)->ToColorRef() == kernel::Rgb(0, 0, 0);
  };
  platform::Bitmap none = draw();
  EXPECT_FALSE(black(none, 25, 0));
  w.printFormat.frameImage = 1;
  platform::Bitmap thin = draw();
  for (const auto& [x, y] : {std::pair{25, 0}, {49, 20}, {25, 39}, {0, 20}, {0, 0}, {49, 39}})
    EXPECT_TRUE(black(thin, x, y)) << x << "," << y;
  EXPECT_FALSE(black(thin, 25, 2));
  EXPECT_FALSE(black(thin, 25, 20));
  // Thick printing multiplies the frame's pen width.
  w.device.framePenWidth = 2;
  w.qelWin.thickPrinting = 1;
  w.qelWin.printThicknessFactor = 2;
  platform::Bitmap thick = draw();
  EXPECT_TRUE(black(thick, 25, 2));
  EXPECT_FALSE(black(thick, 25, 20));
}

TEST(QELWin, TextsForTheLayersAbove) {
  view::TQELWin w(nullptr, "texts");
  w.numberFormat.decimals = 2;
  w.numberFormat.fieldWidth = 7;
  EXPECT_EQ(w.FormatNumber(3.14159L, false), "   3.14");
  EXPECT_EQ(w.FormatNumber(-3.14159L, true), "-3.14");
  EXPECT_EQ(w.CurrentValueCaption('#', 50), "current value of #");
  EXPECT_EQ(w.CurrentValueCaption('#', 10), "current va");
  ScriptedResponder script;
  script.AnswerMessage(IDOK);
  std::string name = "/tmp/pictures/frame07.svg";
  w.ShowSavedMessage(25, name);
  EXPECT_EQ(name, "frame07");
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].text, "help.txt");
  EXPECT_EQ(script.shown()[0].caption, "success");
}

}  // namespace

#include <gtest/gtest.h>

#include <set>

#include "shell/generic_dialogs.h"
#include "shell/lunch_dlg.h"
#include "kernel/random.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"

using namespace platform;
using resources::AddResourceScriptForTesting;
using namespace shell;

namespace {

const char* kScript = R"(DIALOG GENTEST 200 120 "generic"
  STATIC 231 5 2 90 10 ""
  STATIC 232 5 28 90 10 ""
  STATIC 233 5 54 90 10 ""
  EDIT 211 5 12 90 12
  EDIT 212 5 38 90 12
  EDIT 213 5 64 90 12
  CHECKBOX 271 110 10 80 10 "first"
  CHECKBOX 272 110 24 80 10 "second"
  RADIO 251 110 40 50 10 "one" GROUP
  RADIO 252 110 52 50 10 "two"
  RADIO 253 110 64 50 10 "three"
  DEFBUTTON 1 60 100 40 14 "OK"
  BUTTON 2 110 100 40 14 "Cancel"
END
)";

class GenericDialogs : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_FALSE(AddResourceScriptForTesting(kScript).has_value()); }
};

}  // namespace

TEST_F(GenericDialogs, GenDlgShowsTheTextsAndStoresTheEditsCutToLengthOnOk) {
  std::string a = "alpha", b = "beta";
  ScriptedResponder script;
  std::string shownA, shownB;
  bool thirdUntouched = false;
  script.OnDialog("GENTEST", [&](Dialog& d) {
    shownA = d.GetItemText(211);
    shownB = d.GetItemText(212);
    thirdUntouched = d.GetItemText(213).empty();
    d.SetItemText(211, "A");
    d.SetItemText(212, "0123456789");
    d.PressButton(IDOK);
  });
  TGenDlg dialog(nullptr, "GENTEST", 6, &a, &b);
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(shownA, "alpha");
  EXPECT_EQ(shownB, "beta");
  EXPECT_TRUE(thirdUntouched);
  EXPECT_EQ(a, "A");
  EXPECT_EQ(b, "012345");

  script.FillAndPress("GENTEST", {{211, "changed"}}, IDCANCEL);
  TGenDlg cancelled(nullptr, "GENTEST", 6, &a);
  EXPECT_EQ(cancelled.Execute(), IDCANCEL);
  EXPECT_EQ(a, "A");
}

TEST_F(GenericDialogs, GenBoolDlgStoresTheFlagsItWasGiven) {
  std::uint8_t first = 1, second = 0;
  std::string text = "t";
  ScriptedResponder script;
  script.OnDialog("GENTEST", [&](Dialog& d) {
    EXPECT_TRUE(d.IsChecked(271));
    EXPECT_FALSE(d.IsChecked(272));
    d.CheckItem(271, false);
    d.CheckItem(272, true);
    d.PressButton(IDOK);
  });
  TGenBoolDlg both(nullptr, "GENTEST", &first, &second, 10, &text);
  EXPECT_EQ(both.Execute(), IDOK);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);

  // Without a second flag, box 272 is left as it is and nothing is written for it.
  bool secondAsInTemplate = false;
  script.OnDialog("GENTEST", [&](Dialog& d) {
    secondAsInTemplate = !d.IsChecked(272);
    d.CheckItem(271, true);
    d.CheckItem(272, true);
    d.PressButton(IDOK);
  });
  TGenBoolDlg one(nullptr, "GENTEST", &first, nullptr, 10);
  EXPECT_EQ(one.Execute(), IDOK);
  EXPECT_TRUE(secondAsInTemplate);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

TEST_F(GenericDialogs, RadBtDlgReturnsTheNumberOfTheCheckedButton) {
  struct Case {
    int press;  // 0: leave as set up
    int expected;
  };
  for (const Case c : {Case{253, 3}, Case{252, 2}, Case{0, 1}}) {
    int choice = 3;
    std::string text = "x";
    ScriptedResponder script;
    script.OnDialog("GENTEST", [&](Dialog& d) {
      EXPECT_TRUE(d.IsChecked(251));
      if (c.press) d.PressButton(c.press);
      d.SetItemText(211, "typed");
      d.PressButton(IDOK);
    });
    TRadBtDlg dialog(nullptr, "GENTEST", &choice, 20, &text);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(choice, c.expected);
    EXPECT_EQ(text, "typed");
  }
}

TEST_F(GenericDialogs, InpDlgShowsPromptAndCaptionAndCutsTheInputToFit) {
  std::string buffer = "12";
  ScriptedResponder script;
  std::string prompt, caption, shown;
  script.OnDialog("ONEINPUT", [&](Dialog& d) {
    prompt = d.GetItemText(231);
    caption = d.Caption();
    shown = d.GetItemText(211);
    d.SetItemText(211, "123456789");
    d.PressButton(IDOK);
  });
  TInpDlg dialog(nullptr, "points", "how many?", &buffer, 5);
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(prompt, "how many?");
  EXPECT_EQ(caption, "points");
  EXPECT_EQ(shown, "12");
  EXPECT_EQ(buffer, "1234");
}

TEST_F(GenericDialogs, Inp2DlgCopiesTwoOrThreeInputs) {
  std::string a = "a", b = "b", c = "c";
  ScriptedResponder script;
  std::string thirdPrompt;
  script.OnDialog("GENTEST", [&](Dialog& d) {
    thirdPrompt = d.GetItemText(233);
    d.SetItemText(211, "x1");
    d.SetItemText(212, "y2");
    d.SetItemText(213, "z3");
    d.PressButton(IDOK);
  });
  TInp2Dlg three(nullptr, "move", "GENTEST", "x", "y", &a, &b, 20, "z", &c);
  EXPECT_EQ(three.Execute(), IDOK);
  EXPECT_EQ(thirdPrompt, "z");
  EXPECT_EQ(a, "x1");
  EXPECT_EQ(b, "y2");
  EXPECT_EQ(c, "z3");

  script.FillAndPress("GENTEST", {{211, "p"}, {212, "q"}, {213, "r"}}, IDOK);
  TInp2Dlg two(nullptr, "move", "GENTEST", "x", "y", &a, &b, 20);
  EXPECT_EQ(two.Execute(), IDOK);
  EXPECT_EQ(a, "p");
  EXPECT_EQ(b, "q");
  EXPECT_EQ(c, "z3");
}

TEST_F(GenericDialogs, LunchNeverShowsTheSameDishTwice) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    kernel::SeedRandom(seed);
    std::set<std::string> dishes;
    ScriptedResponder script;
    script.OnDialog("LUNCH", [&](Dialog& d) {
      EXPECT_EQ(d.Caption(), "today's specials");
      EXPECT_EQ(d.GetItemText(276), "take-out");
      for (int id = 271; id <= 275; ++id) dishes.insert(d.GetItemText(id));
      d.PressButton(IDOK);
    });
    TLunch lunch(nullptr);
    lunch.Execute();
    EXPECT_EQ(dishes.size(), 5u) << "seed " << seed;
    EXPECT_EQ(dishes.count(""), 0u);
  }
}

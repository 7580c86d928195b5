#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"

using namespace platform;

namespace {

const char* kScript = R"(DIALOG DLGTEST 200 120 "test dialog"
  STATIC 231 5 5 100 10 "name"
  EDIT 211 5 20 100 12
  CHECKBOX 271 5 35 80 10 "flag"
  RADIO 251 5 50 50 10 "one" GROUP
  RADIO 252 5 60 50 10 "two"
  RADIO 253 5 70 50 10 "three"
  LISTBOX 301 110 5 80 60 SORT
  LISTBOX 302 110 70 80 30 MULTI
  COMBOBOX 303 5 85 80 50
  SCROLLBAR 304 5 100 80 8
  MULTIEDIT 305 110 85 40 10 READONLY
  DEFBUTTON 1 110 100 40 14 "OK"
  BUTTON 2 155 100 40 14 "Cancel"
  BUTTON 357 155 85 40 14 "Close"
END
DIALOG DLGHIDDENDEF 100 40 ""
  EDIT 211 5 5 80 12
  DEFBUTTON 1 5 20 40 14 "OK" HIDDEN
  BUTTON 2 50 20 40 14 "Cancel"
END
)";

// Accepts only a non-empty name; otherwise complains and stays open.
class NameDialog : public Dialog {
 public:
  using Dialog::Dialog;
  std::string name;
  int notifications = 0;

 protected:
  void SetupWindow() override {
    SetItemText(211, "start");
    SetTextLimit(211, 8);
  }
  void OnOk() override {
    const std::string text = GetItemText(211);
    if (text.empty()) {
      MessageBox(nullptr, "nothing to do", "hmm ...");
      return;
    }
    name = text;
    EndDialog(1);
  }
  void OnNotify(int, ControlNotification) override { ++notifications; }
};

class DialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_FALSE(resources::AddResourceScriptForTesting(kScript).has_value()); }
};

}  // namespace

TEST_F(DialogTest, ModalRunFillsAndEndsThroughTheResponder) {
  ScriptedResponder script;
  script.OnDialog("DLGTEST", [](Dialog& d) {
    EXPECT_EQ(d.GetItemText(211), "start");
    EXPECT_EQ(d.Caption(), "test dialog");
    d.SetItemText(211, "a much too long name");
    d.PressButton(1);
  });
  NameDialog dialog(nullptr, "DLGTEST");
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(dialog.name, "a much t");  // cut at the edit's limit
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(DialogTest, AFailedCheckKeepsTheDialogOpen) {
  ScriptedResponder script;
  script
      .OnDialog("DLGTEST",
                [&script](Dialog& d) {
                  d.SetItemText(211, "");
                  d.PressButton(1);  // refused: a message, the dialog stays
                  EXPECT_EQ(script.Messages(), std::vector<std::string>{"nothing to do"});
                  d.SetItemText(211, "AB");
                  d.PressButton(1);
                })
      .AnswerMessage(IDOK);
  // The message comes while the dialog step runs, so it is answered by the next step.
  NameDialog dialog(nullptr, "DLGTEST");
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(dialog.name, "AB");
}

TEST_F(DialogTest, UnansweredDialogIsCancelledAndRecorded) {
  ScriptedResponder script;
  NameDialog dialog(nullptr, "DLGTEST");
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  ASSERT_EQ(script.Unexpected().size(), 1u);
  EXPECT_EQ(script.Unexpected()[0], "dialog: DLGTEST");
}

TEST_F(DialogTest, EnterAndEscape) {
  ScriptedResponder script;
  script.OnDialog("DLGTEST", [](Dialog& d) { d.PressKey(resources::kKeyEscape); });
  NameDialog escaped(nullptr, "DLGTEST");
  EXPECT_EQ(escaped.Execute(), IDCANCEL);

  script.OnDialog("DLGHIDDENDEF", [](Dialog& d) {
    d.PressKey(resources::kKeyEnter);  // the default button is hidden: nothing happens
    EXPECT_TRUE(d.IsItemShown(2));
    EXPECT_FALSE(d.IsItemShown(1));
    d.PressButton(2);
  });
  NameDialog hidden(nullptr, "DLGHIDDENDEF");
  EXPECT_EQ(hidden.Execute(), IDCANCEL);

  script.OnDialog("DLGTEST", [](Dialog& d) { d.PressKey(resources::kKeyEnter); });
  NameDialog entered(nullptr, "DLGTEST");
  EXPECT_EQ(entered.Execute(), IDOK);
  EXPECT_EQ(entered.name, "start");
}

TEST_F(DialogTest, ControlsByIdWhileModeless) {
  NameDialog d(nullptr, "DLGTEST");
  d.Create();
  EXPECT_TRUE(d.IsCreated());
  EXPECT_FALSE(d.IsModal());

  // Radio buttons of one group exclude each other; clicks notify.
  d.PressButton(252);
  EXPECT_TRUE(d.IsChecked(252));
  d.PressButton(253);
  EXPECT_FALSE(d.IsChecked(252));
  EXPECT_TRUE(d.IsChecked(253));
  d.PressButton(271);
  EXPECT_TRUE(d.IsChecked(271));
  EXPECT_EQ(d.notifications, 3);
  d.CheckItem(271, false);  // set by the program: no notification
  EXPECT_EQ(d.notifications, 3);

  // A sorted list sorts what is added.
  d.ListAdd(301, "pear");
  d.ListAdd(301, "apple");
  EXPECT_EQ(d.ListCount(301), 2);
  EXPECT_EQ(d.ListText(301, 0), "apple");
  d.ListSelect(301, 1);
  EXPECT_EQ(d.ListSelection(301), 1);
  EXPECT_EQ(d.ListFind(301, "pear"), 1);
  d.ListDelete(301, 0);
  EXPECT_EQ(d.ListText(301, 0), "pear");

  for (const char* t : {"a", "b", "c"}) d.ListAdd(302, t);
  d.ListSetSelected(302, 0, true);
  d.ListSetSelected(302, 2, true);
  EXPECT_EQ(d.ListSelections(302), (std::vector<int>{0, 2}));

  d.ListAdd(303, "x");
  d.SetItemText(303, "typed");
  EXPECT_EQ(d.GetItemText(303), "typed");

  d.ScrollSetRange(304, 0, 100);
  d.ScrollSetPosition(304, 250);
  EXPECT_EQ(d.ScrollPosition(304), 100);

  // Windows-1252 texts come back byte for byte (e acute, euro sign, the unassigned 0x81).
  d.SetItemText(211, "\xE9\x80\x81");
  EXPECT_EQ(d.GetItemText(211), "\xE9\x80\x81");

  // A multi-line text keeps its CR LF line ends.
  d.SetItemText(305, "one\r\ntwo\r\n");
  EXPECT_EQ(d.GetItemText(305), "one\r\ntwo\r\n");

  d.EnableItem(211, false);
  EXPECT_FALSE(d.IsItemEnabled(211));
  EXPECT_FALSE(d.HasItem(999));

  d.MoveTo(300, 200);
  EXPECT_EQ(d.X(), 300);
  EXPECT_EQ(d.Y(), 200);
  d.EndDialog(0);
  EXPECT_FALSE(d.IsCreated());
  EXPECT_EQ(d.X(), 300);  // the last position is remembered after it is gone
}

TEST(MessageBoxTest, AnsweredAndRecordedByTheResponder) {
  ScriptedResponder script;
  script.AnswerMessage(IDNO);
  EXPECT_EQ(MessageBox(nullptr, "save changes?", "fig.kv2", MessageButtons::YesNoCancel), IDNO);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].caption, "fig.kv2");
  // Nothing scripted: an OK box is acknowledged, a question cancelled.
  EXPECT_EQ(MessageBox(nullptr, "no more room", "hmm ..."), IDOK);
  EXPECT_EQ(MessageBox(nullptr, "sure?", "hmm ...", MessageButtons::YesNo), IDCANCEL);
  EXPECT_EQ(script.Unexpected().size(), 2u);
}

TEST(MessageBoxTest, IsWideEnoughForItsCaptionAndItsText) {
  struct Case {
    const char* text;
    const char* caption;
    MessageButtons buttons;
  };
  const Case cases[] = {
      {"cannot open file", "hmm ...", MessageButtons::Ok},
      {"ok", "a caption much longer than the text it stands over", MessageButtons::Ok},
      {"save changes to a figure with a rather long name.kv2?", "careful!", MessageButtons::YesNoCancel},
      {"Comments and suggestions\r\nwelcome", "author", MessageButtons::Ok},
  };
  for (const Case& c : cases) {
    const MessageBoxLayout layout = LayOutMessageBox(c.text, c.caption, c.buttons);
    EXPECT_GE(layout.width, CaptionWidthNeeded(c.caption)) << c.caption;
    EXPECT_GT(layout.textWidth, 0) << c.text;
    EXPECT_GT(layout.width, layout.textWidth) << c.text;
  }
  // The room a caption needs grows with it and leaves space for the title bar's buttons.
  EXPECT_GT(CaptionWidthNeeded("hmm ..."), CaptionWidthNeeded(""));
  EXPECT_GT(CaptionWidthNeeded(""), 50);
}

TEST(FileDialogs, FiltersMatchBothLetterCasesAndTheResponderChooses) {
  EXPECT_EQ(QtFilterList("2-D figures|*.kv2|Texts|*.txt;*.asc|All files|*.*"),
            "2-D figures (*.kv2 *.KV2);;Texts (*.txt *.TXT *.asc *.ASC);;All files (*)");
  ScriptedResponder script;
  script.ChooseFile("/tmp/a.kv2").ChooseFile(std::nullopt);
  EXPECT_EQ(GetOpenFileName(nullptr, {false, "Open", "2-D|*.kv2", 1, "", ""}), "/tmp/a.kv2");
  EXPECT_EQ(GetSaveFileName(nullptr, {true, "Save as", "2-D|*.kv2", 1, "", "kv2"}), std::nullopt);
  EXPECT_EQ(script.shown()[1].text, "Save as");
}

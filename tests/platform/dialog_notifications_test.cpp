// What a dialog is told about its controls: focus leaving, function keys in edits, typing in a
// combo box, how a scroll bar moved; sorted combo boxes, a list's horizontal extent, and command
// buttons that follow the owner window's enablers.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/frame_window.h"
#include "resources/resource_library.h"

using namespace platform;

namespace {

const char* kScript = R"(DIALOG NOTIFYTEST 200 120 "notifications"
  EDIT 211 5 5 80 12
  EDIT 212 5 20 80 12
  COMBOBOX 303 5 35 80 50 SORT
  LISTBOX 301 110 5 80 60
  SCROLLBAR 304 5 100 80 8
  BUTTON 401 110 100 40 14 "Apply"
  BUTTON 402 155 100 40 14 "Undo"
END
)";

class WatchingDialog : public Dialog {
 public:
  using Dialog::Dialog;
  std::vector<std::pair<int, ControlNotification>> notes;
  std::vector<std::pair<ScrollKind, int>> scrolls;
  std::vector<int> editKeys;

 protected:
  void OnNotify(int id, ControlNotification what) override { notes.push_back({id, what}); }
  void OnScroll(int id, ScrollKind kind, int position) override {
    scrolls.push_back({kind, position});
    Dialog::OnScroll(id, kind, position);
  }
  bool OnEditKey(int id, int keyCode, unsigned) override {
    editKeys.push_back(keyCode);
    return id == 211;
  }
};

class EnablingWindow : public FrameWindow {
 public:
  using FrameWindow::FrameWindow;
  bool canUndo = false;

 protected:
  void EnableCommand(CommandState& state) override {
    if (state.id == 402) state.enabled = canUndo;
  }
};

class DialogNotifications : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_FALSE(resources::AddResourceScriptForTesting(kScript).has_value()); }
};

}  // namespace

TEST_F(DialogNotifications, FocusLeavingAndFunctionKeysInEditsAreTold) {
  WatchingDialog dialog(nullptr, "NOTIFYTEST");
  dialog.Create();
  dialog.FocusItem(211);
  dialog.FocusItem(212);
  dialog.FocusItem(303);
  EXPECT_EQ(dialog.notes, (std::vector<std::pair<int, ControlNotification>>{
                              {211, ControlNotification::FocusLost}, {212, ControlNotification::FocusLost}}));
  dialog.notes.clear();
  dialog.PressKeyInItem(211, resources::kKeyF1 + 1);  // F2: used by the dialog
  dialog.PressKeyInItem(212, resources::kKeyF1 + 4, resources::kShift);
  dialog.PressKeyInItem(212, 'A');  // an ordinary key stays the edit's
  EXPECT_EQ(dialog.editKeys, (std::vector<int>{resources::kKeyF1 + 1, resources::kKeyF1 + 4}));
}

TEST_F(DialogNotifications, ComboBoxesSortTheirItemsAndTellTyping) {
  WatchingDialog dialog(nullptr, "NOTIFYTEST");
  dialog.Create();
  for (const char* name : {"delta", "Alpha", "charlie", "Bravo"}) dialog.ListAdd(303, name);
  EXPECT_EQ(dialog.ListAdd(303, "beta"), 1);  // letter case aside
  std::vector<std::string> items;
  for (int i = 0; i < dialog.ListCount(303); ++i) items.push_back(dialog.ListText(303, i));
  EXPECT_EQ(items, (std::vector<std::string>{"Alpha", "beta", "Bravo", "charlie", "delta"}));
  dialog.InsertText(303, "x");
  EXPECT_EQ(dialog.notes, (std::vector<std::pair<int, ControlNotification>>{{303, ControlNotification::EditChanged}}));
  dialog.SetItemText(303, "quiet");  // set by the program: not told
  EXPECT_EQ(dialog.notes.size(), 1u);
}

TEST_F(DialogNotifications, ScrollBarsTellHowTheyMoved) {
  WatchingDialog dialog(nullptr, "NOTIFYTEST");
  dialog.Create();
  dialog.ScrollSetRange(304, 0, 100);
  dialog.ScrollSetPage(304, 10);
  dialog.ScrollSetPosition(304, 50);
  dialog.ScrollBy(304, ScrollKind::LineRight);
  dialog.ScrollBy(304, ScrollKind::PageLeft);
  dialog.ScrollBy(304, ScrollKind::Track, 70);
  dialog.ScrollBy(304, ScrollKind::ThumbPosition, 72);
  dialog.ScrollBy(304, ScrollKind::Right);
  using K = ScrollKind;
  EXPECT_EQ(dialog.scrolls, (std::vector<std::pair<K, int>>{{K::LineRight, 51}, {K::EndScroll, 51},
                                                           {K::PageLeft, 41}, {K::EndScroll, 41},
                                                           {K::Track, 70},
                                                           {K::ThumbPosition, 72}, {K::EndScroll, 72},
                                                           {K::Right, 100}, {K::EndScroll, 100}}));
  // Each move that may have changed the position is also a plain notification.
  EXPECT_EQ(dialog.notes.size(), 4u);
  EXPECT_EQ(dialog.ScrollPosition(304), 100);
}

TEST_F(DialogNotifications, ListsScrollAcrossTheirExtent) {
  WatchingDialog dialog(nullptr, "NOTIFYTEST");
  dialog.Create();
  EXPECT_EQ(dialog.ListHorizontalExtent(301), 0);
  dialog.ListAdd(301, "a rather long line that does not fit the list box");
  dialog.ListSetHorizontalExtent(301, 600);
  dialog.ListAdd(301, "short");
  EXPECT_EQ(dialog.ListHorizontalExtent(301), 600);
  EXPECT_EQ(dialog.ListCount(301), 2);
}

TEST_F(DialogNotifications, CommandButtonsFollowTheOwnersEnablersWhenTheFigureChanges) {
  EnablingWindow window(nullptr, "figure");
  window.Create();
  auto dialog = std::make_unique<WatchingDialog>(&window, "NOTIFYTEST");
  dialog->Create();
  dialog->SetCommandButtons({401, 402});
  EXPECT_TRUE(dialog->IsItemEnabled(401));
  EXPECT_FALSE(dialog->IsItemEnabled(402));
  window.canUndo = true;
  window.CommandStatesChanged();
  EXPECT_TRUE(dialog->IsItemEnabled(402));
  dialog.reset();                 // a dialog gone first is forgotten by its window
  window.CommandStatesChanged();
}

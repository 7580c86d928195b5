// The print-format and decimals dialogs of a window.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "support/note_window.h"
#include "platform/scripted_responder.h"

using platform::Dialog;
using platform::IDCANCEL;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {
constexpr int kWidthRadio = 251, kXUnitRadio = 252;
constexpr int kWidthEdit = 211, kXUnitEdit = 212, kHorizontalEdit = 213, kVerticalEdit = 214;
constexpr kernel::Real kInch = 2.54;
}  // namespace

TEST(PrintFormat, TheDefaultBlockShowsInCentimetres) {
  NoteWindow window(nullptr, "w");
  window.formatMode = 2;
  std::map<int, std::string> texts;
  bool widthChosen = false, unitChosen = true;
  ScriptedResponder script;
  script.OnDialog("PRNSPX2", [&](Dialog& d) {
    for (const int id : {kWidthEdit, kXUnitEdit, kHorizontalEdit, kVerticalEdit}) texts[id] = d.GetItemText(id);
    widthChosen = d.IsChecked(kWidthRadio);
    unitChosen = d.IsChecked(kXUnitRadio);
    d.PressButton(IDOK);
  });
  window.DispatchCommand(shell::kCmdFormat);
  EXPECT_EQ(texts, (std::map<int, std::string>{
                       {kWidthEdit, "7.62"}, {kXUnitEdit, "1.00"}, {kHorizontalEdit, "2.54"}, {kVerticalEdit, "2.54"}}));
  EXPECT_TRUE(widthChosen);
  EXPECT_FALSE(unitChosen);
  // OK keeps the width in force and marks the window modified.
  EXPECT_NEAR(static_cast<double>(window.printFormat.width), 3.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(window.printFormat.xUnit), -1 / 2.54, 1e-12);
  EXPECT_EQ(window.fileMsg.modified, 1);
}

TEST(PrintFormat, ChoosingTheXUnitAndOutOfBoundsValues) {
  NoteWindow window(nullptr, "w");
  window.formatMode = 2;
  // An offset of 0.5 cm is too small; Cancel afterwards puts the old block back.
  {
    ScriptedResponder script;
    script.FillAndPress("PRNSPX2", {{kHorizontalEdit, "0.5"}}, IDOK).AnswerMessage(IDOK);
    window.DispatchCommand(shell::kCmdFormat);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"out of bounds"});
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_EQ(window.printFormat.horizontalOffset, 1.0);
    EXPECT_EQ(window.fileMsg.modified, 0);
  }
  // The x unit chosen: the width is kept as a negative value.
  ScriptedResponder script;
  script.OnDialog("PRNSPX2", [](Dialog& d) {
    d.PressButton(kXUnitRadio);
    d.SetItemText(kXUnitEdit, "2");
    d.SetItemText(kVerticalEdit, "0.7");
    d.CheckItem(271, true);
    d.PressButton(IDOK);
  });
  window.DispatchCommand(shell::kCmdFormat);
  EXPECT_TRUE(script.Unexpected().empty());
  const shell::PrintFormat& f = window.printFormat;
  EXPECT_LT(f.width, 0);
  EXPECT_NEAR(static_cast<double>(f.width), -3.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(f.xUnit), static_cast<double>(2 / kInch), 1e-15);
  EXPECT_NEAR(static_cast<double>(f.verticalOffset), 0.7 / 2.54, 1e-15);
  EXPECT_EQ(f.frameImage, 1);
}

TEST(PrintFormat, TheModeChoosesWhatIsOffered) {
  // Shown: radios, x-unit edit, frame image, colour printer, width edit.
  struct Case {
    int mode;
    std::vector<bool> shown;
  };
  const Case cases[] = {
      {2, {true, true, true, true, true}},
      {1, {false, false, true, true, true}},
      {0, {false, false, false, false, false}},
      {3, {false, false, true, false, false}},
  };
  for (const Case& c : cases) {
    NoteWindow window(nullptr, "w");
    window.formatMode = static_cast<std::int16_t>(c.mode);
    std::vector<bool> shown;
    ScriptedResponder script;
    script.OnDialog("PRNSPX2", [&](Dialog& d) {
      for (const int id : {kWidthRadio, kXUnitEdit, 271, 272, kWidthEdit}) shown.push_back(d.IsItemShown(id));
      EXPECT_TRUE(d.IsItemShown(kHorizontalEdit));
      d.PressButton(IDCANCEL);
    });
    window.DispatchCommand(shell::kCmdFormat);
    EXPECT_EQ(shown, c.shown) << c.mode;
  }
}

TEST(Decimals, TheDecimalsSetTheRoundingUnitAndFieldWidth) {
  NoteWindow window(nullptr, "w");
  ScriptedResponder script;
  script.FillAndPress("DP", {{211, "16"}}, IDOK).AnswerMessage(IDOK);
  window.DispatchCommand(shell::kCmdDecimals);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"out of bounds"});
  EXPECT_EQ(window.numberFormat.decimals, 5);

  for (const int decimals : {15, 0, 3}) {
    script.FillAndPress("DP", {{211, std::to_string(decimals)}}, IDOK);
    window.DispatchCommand(shell::kCmdDecimals);
    EXPECT_EQ(window.numberFormat.decimals, decimals);
    EXPECT_EQ(window.numberFormat.fieldWidth, decimals + 2);
    const double expected = std::pow(10.0, -decimals);
    EXPECT_NEAR(static_cast<double>(window.numberFormat.roundingUnit), expected, expected * 1e-12);
  }
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(shell::RoundingUnitFor(5), shell::NumberFormat{}.roundingUnit);
}

namespace {
// The data window keeps its own field width.
class DataLikeWindow : public NoteWindow {
 public:
  using NoteWindow::NoteWindow;
  void DefaultFieldWidth() override {}
};
}  // namespace

TEST(Decimals, TheFieldWidthMustHoldTheDecimals) {
  DataLikeWindow window(nullptr, "w");
  window.numberFormat.dialogMask = shell::kDecimalsWidthTabbed;
  struct Case {
    const char* decimals;
    const char* width;
    const char* message;  // empty: accepted
  };
  const Case cases[] = {
      {"6", "7", "inconsistent data"},
      {"3", "2", "out of bounds"},
      {"-1", "9", "out of bounds"},
      {"6", "8", ""},
  };
  for (const Case& c : cases) {
    ScriptedResponder script;
    script.OnDialog("FWDPTAB", [&](Dialog& d) {
      EXPECT_EQ(d.GetItemText(212), std::to_string(window.numberFormat.fieldWidth));
      d.SetItemText(211, c.decimals);
      d.SetItemText(212, c.width);
      d.PressButton(252);  // tabbed
      d.PressButton(IDOK);
    });
    if (*c.message) script.AnswerMessage(IDOK);
    window.DispatchCommand(shell::kCmdDecimals);
    EXPECT_EQ(script.Messages(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
        << c.decimals << " " << c.width;
  }
  EXPECT_EQ(window.numberFormat.decimals, 6);
  EXPECT_EQ(window.numberFormat.fieldWidth, 8);
  EXPECT_EQ(window.numberFormat.tabbed, 1);
}

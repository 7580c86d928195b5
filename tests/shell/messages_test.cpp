#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/file_msg_win.h"
#include "platform/scripted_responder.h"

using namespace platform;
using shell::TFileMsgWin;

namespace {

const std::vector<std::pair<int, std::string>> kMessages = {
    {1, "cannot understand"}, {2, "could not find"}, {3, "low memory...trouble!"}, {4, "no more room"},
    {5, "no graphics on clipboard"}, {6, "inconsistent data"}, {7, "ini file not saved"},
    {8, "incompatible versions!"}, {9, "nothing to do"}, {10, "nothing to show"}, {11, "cannot open file"},
    {12, "cannot save file"}, {13, "kitchen closed today"}, {14, "positive value?"}, {15, "make a selection"},
    {16, "tick interval changed"}, {17, "out of bounds"}, {18, "cannot edit this"}, {19, "cannot copy this"},
    {20, "too large"}, {21, "bad ini file"}, {23, "select two"}, {24, "missing data"},
    {25, "need at least one"}, {27, "not authorized"}, {28, "unprotected"}, {29, "protected"},
    {30, "do not match"}, {102, "point already labeled"}, {103, "need a circle"},
    {104, "cannot move this point"}, {105, "no such line"}, {106, "cannot undo this"},
    {108, "could not paste ... sorry"}, {109, "line too crowded"}, {110, "macro changes labels"},
    {111, "macro includes mouse data"}, {112, "macro deletes all lines"}, {113, "macro creates random elements"},
    {114, "circle too crowded"}, {115, "viewer too close"}, {116, "out of labels"}, {117, "too many lines"},
    {118, "label in use"}, {119, "need a sphere"}, {122, "duplicate label"}, {123, "mismatch"},
    {124, "segments do not match"}, {125, "degenerate face"}, {126, "tolerance exceeded"},
    {127, "coincident points"}, {129, "collinear points"}, {130, "out of order"}, {131, "too many macros"},
    {132, "undefined macro"}, {133, "needed for segment"}, {134, "needed for circle"},
    {135, "no such segment"}, {136, "not enough vertices"}, {137, "already drawn"}, {138, "no intersection"},
    {139, "at most 76 chars"}, {140, "no occurrences of X"}, {141, "need two measurements"},
    {142, "some calculations too long"}, {143, "coplanar points"}, {144, "polygon too concave"},
    {145, "incompatible tile"}, {146, "not enough circles"}, {147, "too many circles"},
};

}  // namespace

TEST(Messages, EveryNumberShowsItsTextUnderTheDefaultCaption) {
  TFileMsgWin window(nullptr, "w");
  ScriptedResponder script;
  for (const auto& [n, text] : kMessages) {
    script.AnswerMessage(IDOK);
    window.Msg(n);
    ASSERT_FALSE(script.shown().empty());
    EXPECT_EQ(script.shown().back().text, text) << "message " << n;
    EXPECT_EQ(script.shown().back().caption, "hmm ...") << "message " << n;
  }
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST(Messages, AGivenCaptionReplacesTheDefault) {
  TFileMsgWin window(nullptr, "w");
  ScriptedResponder script;
  script.AnswerMessage(IDOK);
  window.Msg(4, "careful!");
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].text, "no more room");
  EXPECT_EQ(script.shown()[0].caption, "careful!");
}

TEST(Messages, AskBoxesAnswerTheirButtonsMnemonicKeys) {
  struct Case {
    int boxType;
    const char* resource;
    int key;
    bool inButton;  // typed while the Cancel button has the focus, else where no control takes it
    int expected;   // what the box ends with; a key that answers nothing leaves it to button 88
  };
  const Case cases[] = {
      {2, "YNCMBOX", 'N', false, IDNO},  {2, "YNCMBOX", 'Y', false, IDYES}, {2, "YNCMBOX", 'C', false, IDCANCEL},
      {2, "YNCMBOX", 'N', true, IDNO},   {1, "YNMBOX", 'N', false, IDNO},   {1, "YNMBOX", 'C', false, IDYES},
      {2, "YNCMBOX", 'Q', false, IDYES}, {0, "OKMBOX", 'Y', false, IDOK},
  };
  TFileMsgWin window(nullptr, "w");
  for (const Case& c : cases) {
    ScriptedResponder script;
    script.OnDialog(c.resource, [&](Dialog& d) {
      if (c.inButton) d.PressKeyInItem(IDCANCEL, c.key);
      else d.PressKey(c.key);
      d.PressButton(c.boxType == 0 ? IDOK : 88);  // ignored when the key ended the box
    });
    EXPECT_EQ(window.AskBox("save changes to a?", "careful!", c.boxType), c.expected)
        << c.resource << " key " << static_cast<char>(c.key);
  }
}

TEST(Messages, AskBoxEndsWithTheCodeOfTheButtonPressed) {
  struct Case {
    int boxType;
    const char* resource;
    int press;  // a button id, or 0 for Escape
    int expected;
  };
  const Case cases[] = {
      {0, "OKMBOX", IDOK, IDOK},       {0, "OKMBOX", 0, IDCANCEL},    {1, "YNMBOX", 88, IDYES},
      {1, "YNMBOX", 89, IDNO},         {1, "YNMBOX", 0, IDCANCEL},    {2, "YNCMBOX", 88, IDYES},
      {2, "YNCMBOX", 89, IDNO},        {2, "YNCMBOX", IDCANCEL, IDCANCEL}, {7, "YNCMBOX", 89, IDNO},
  };
  TFileMsgWin window(nullptr, "w");
  for (const Case& c : cases) {
    ScriptedResponder script;
    std::string shownText, shownCaption;
    script.OnDialog(c.resource, [&](Dialog& d) {
      shownText = d.GetItemText(231);
      shownCaption = d.Caption();
      if (c.press == 0) d.PressKey(resources::kKeyEscape);
      else d.PressButton(c.press);
    });
    EXPECT_EQ(window.AskBox("save changes to a?", "careful!", c.boxType), c.expected)
        << "box " << c.boxType << " button " << c.press;
    EXPECT_TRUE(script.Unexpected().empty()) << "box " << c.boxType;
    EXPECT_EQ(shownText, "save changes to a?");
    EXPECT_EQ(shownCaption, "careful!");
  }
}

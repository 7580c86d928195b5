#include "platform/text_editor.h"

#include <gtest/gtest.h>

#include "platform/clipboard.h"
#include "platform/frame_window.h"

using namespace platform;

namespace {

class TextEditorTest : public testing::Test {
 protected:
  FrameWindow host{nullptr, "text"};
  TextEditor editor{&host};
};

}  // namespace

TEST_F(TextEditorTest, KeepsCrLfLineEndsAndCountsPositionsWithThem) {
  editor.SetText("ab\r\ncd\nef \x80\xE4");  // a lone LF shows as a line end too
  EXPECT_EQ(editor.Text(), "ab\r\ncd\r\nef \x80\xE4");
  EXPECT_EQ(editor.Length(), 13);
  EXPECT_EQ(editor.LineCount(), 3);
  EXPECT_FALSE(editor.IsModified());
  EXPECT_EQ(editor.Selection(), std::make_pair(0, 0));

  editor.SetSelection(4, 6);
  EXPECT_EQ(editor.Selection(), std::make_pair(4, 6));
  EXPECT_EQ(editor.LineFromPosition(4), 1);
  EXPECT_EQ(editor.LineFromPosition(9), 2);
  editor.ReplaceSelection("X\r\nY");
  EXPECT_EQ(editor.Text(), "ab\r\nX\r\nY\r\nef \x80\xE4");
  EXPECT_EQ(editor.Selection(), std::make_pair(8, 8));  // the caret follows the insertion
  EXPECT_TRUE(editor.IsModified());

  editor.SetSelection(0, 1000);  // clamped to the text
  EXPECT_EQ(editor.Selection(), std::make_pair(0, editor.Length()));
}

TEST_F(TextEditorTest, TypingAndPastingStayWithinTheLimit) {
  editor.SetLimit(10);
  editor.SetText("12345678");
  editor.SetSelection(8, 8);
  editor.ReplaceSelection("ab\r\ncd");  // only "ab" fits; a line end needs two characters
  EXPECT_EQ(editor.Text(), "12345678ab");
  editor.ReplaceSelection("z");
  EXPECT_EQ(editor.Text(), "12345678ab");
  // Replacing a selection frees its room.
  editor.SetSelection(0, 2);
  editor.ReplaceSelection("\r\n");
  EXPECT_EQ(editor.Text(), "\r\n345678ab");
  // Setting a text is not cut.
  editor.SetText("0123456789012");
  EXPECT_EQ(editor.Length(), 13);
}

TEST_F(TextEditorTest, CopiesCutsAndPastesThroughTheClipboard) {
  editor.SetText("one\r\ntwo");
  editor.SetSelection(2, 6);
  editor.Copy();
  EXPECT_EQ(ClipboardText(), "e\r\nt");
  editor.Cut();
  EXPECT_EQ(editor.Text(), "onwo");
  editor.SetSelection(4, 4);
  editor.Paste();
  EXPECT_EQ(editor.Text(), "onwoe\r\nt");

  editor.SetReadOnly(true);
  editor.SetSelection(0, 2);
  editor.Cut();
  EXPECT_EQ(editor.Text(), "onwoe\r\nt");
}

TEST_F(TextEditorTest, ScrollsByLines) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  host.SetClientSize(300, 200);
  host.Show();
  editor.Place(0, 0, 300, 200);
  editor.SetText(text);
  EXPECT_EQ(editor.FirstVisibleLine(), 0);
  editor.ScrollLines(50);
  EXPECT_EQ(editor.FirstVisibleLine(), 50);
  editor.ScrollLines(-80);
  EXPECT_EQ(editor.FirstVisibleLine(), 0);
  editor.ScrollLines(20);
  editor.ScrollToTop();
  EXPECT_EQ(editor.FirstVisibleLine(), 0);
  host.Hide();
}

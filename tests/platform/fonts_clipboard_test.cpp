#include <gtest/gtest.h>

#include "platform/clipboard.h"
#include "platform/font_dialog.h"
#include "platform/scripted_responder.h"
#include "platform/stored_fonts.h"

using namespace platform;

TEST(StoredFonts, RecordsBecomeFontSpecsAndChoicesGoBack) {
  const auto slots = kernel::DefaultFontSlots(96);
  const FontSpec courier = FontSpecFromRecord(slots[0].font);
  EXPECT_EQ(courier.face, "Courier New");
  EXPECT_EQ(courier.height, -16);
  EXPECT_EQ(courier.weight, 400);
  EXPECT_FALSE(courier.symbolCharset);
  EXPECT_TRUE(FontSpecFromRecord(slots[1].font).symbolCharset);

  kernel::FontRecord record = slots[1].font;
  FontChoice choice;
  choice.font = {"Liberation Serif", -14, 700, true, true, 0, false};
  choice.strikeOut = true;
  StoreFontChoice(record, choice);
  EXPECT_EQ(record.faceName, "Liberation Serif");
  EXPECT_EQ(record.height, -14);
  EXPECT_EQ(record.weight, 700);
  EXPECT_EQ(record.italic, 1);
  EXPECT_EQ(record.underline, 1);
  EXPECT_EQ(record.strikeOut, 1);
  EXPECT_EQ(record.charset, kernel::kSymbolCharset);  // kept
  EXPECT_GT(ScreenDpiY(), 0);
}

TEST(FontDialog, TheResponderAnswersOrCancels) {
  ScriptedResponder script;
  FontChoice choice;
  choice.font.face = "Times";
  choice.pointTenths = 105;
  script.ChooseFont(choice).ChooseFont(std::nullopt);
  FontDialogRequest request;
  request.caption = "text window";
  const std::optional<FontChoice> first = ChooseFont(nullptr, request);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->pointTenths, 105);
  EXPECT_FALSE(ChooseFont(nullptr, request));
  EXPECT_TRUE(script.Finished());
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[0].kind, ScriptedResponder::Shown::Kind::Font);
  EXPECT_EQ(script.shown()[0].text, "text window");
  // A font dialog nobody expected is cancelled and recorded.
  EXPECT_FALSE(ChooseFont(nullptr, request));
  EXPECT_EQ(script.Unexpected().size(), 1u);
}

TEST(Clipboard, TextKeepsItsWindows1252BytesAndPicturesTheirPixels) {
  const std::string text = "AB\xB0 \xE9t\xE9";  // degree sign, e acute
  CopyTextToClipboard(text);
  EXPECT_TRUE(ClipboardHasText());
  EXPECT_EQ(ClipboardText(), text);

  Bitmap picture(5, 3, Color{10, 20, 30});
  picture.SetPixel(4, 2, Color{200, 0, 0});
  CopyImageToClipboard(picture);
  ASSERT_TRUE(ClipboardHasImage());
  const std::optional<Bitmap> back = ClipboardImage();
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width(), 5);
  EXPECT_EQ(back->height(), 3);
  EXPECT_EQ(back->GetPixel(0, 0), (Color{10, 20, 30}));
  EXPECT_EQ(back->GetPixel(4, 2), (Color{200, 0, 0}));
  EXPECT_FALSE(ClipboardHasText());
  EXPECT_FALSE(ClipboardText());

  CopyTextToClipboard("plain");
  EXPECT_FALSE(ClipboardHasImage());
  EXPECT_FALSE(ClipboardImage());
}

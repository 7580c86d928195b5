#include <gtest/gtest.h>

#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/font_dialog.h"
#include "platform/metafile_dc.h"
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

TEST(Clipboard, TextKeepsItsBytesAndPicturesTheirPixels) {
  const std::string text = "AB\xF8 \xE9t\xE9 \xE3r\xFD";  // the degree sign, e acute, pi r squared
  CopyTextToClipboard(text);
  EXPECT_TRUE(ClipboardHasText());
  EXPECT_EQ(ClipboardText(), text);
  // Windows-1252's own degree sign comes back as the program's.
  CopyTextToClipboard("90\xB0");
  EXPECT_EQ(ClipboardText(), "90\xF8");

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

TEST(Clipboard, MetafilesTravelAsTheirBytesWithAPictureBeside) {
  MetafileSetup setup;
  setup.reference.dpiX = setup.reference.dpiY = 96;
  setup.reference.widthPixels = 960;
  setup.reference.heightPixels = 960;
  setup.reference.widthMm = 254;
  setup.reference.heightMm = 254;
  setup.picture = {0, 0, 40, 20};
  MetafileDC dc(setup);
  dc.SelectBrush(Brush::Solid(Color{0, 0, 255}));
  dc.Rectangle({0, 0, 40, 20});
  const kernel::Bytes metafile = dc.Finish();

  ASSERT_TRUE(CopyMetafileToClipboard(metafile));
  EXPECT_TRUE(ClipboardHasMetafile());
  EXPECT_EQ(ClipboardMetafile(), metafile);
  const std::optional<Bitmap> picture = ClipboardImage();
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->GetPixel(picture->width() / 2, picture->height() / 2), (Color{0, 0, 255}));

  // Anything else is refused and the clipboard keeps what it had.
  EXPECT_FALSE(CopyMetafileToClipboard({1, 2, 3}));
  EXPECT_EQ(ClipboardMetafile(), metafile);
  CopyTextToClipboard("text");
  EXPECT_FALSE(ClipboardHasMetafile());
}

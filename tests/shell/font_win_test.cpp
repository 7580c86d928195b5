#include <gtest/gtest.h>

#include <vector>

#include "shell/font_win.h"
#include "platform/scripted_responder.h"
#include "platform/stored_fonts.h"

using namespace shell;
using platform::ScriptedResponder;

namespace {

class ScalingWindow : public TFontWin {
 public:
  using TFontWin::TFontWin;
  void ScaleFonts(int k) override { scaled.push_back(k); }
  std::vector<int> scaled;
};

platform::FontChoice Choice(const char* face, int tenths) {
  platform::FontChoice choice;
  choice.font.face = face;
  choice.font.height = -kernel::MulDiv(tenths, 96, 720);
  choice.font.weight = 700;
  choice.pointTenths = tenths;
  choice.color = {0, 0, 200};
  return choice;
}

}  // namespace

TEST(FontWin, SlotsAreMadeAtSetUpForTheScreen) {
  TFontWin window(nullptr, "w");
  EXPECT_EQ(window.fontWin.captions[9], 63);
  EXPECT_EQ(window.fontWin.textSlot, 4);
  EXPECT_EQ(window.fontWin.fontChangeMarksModified, 1);
  window.Create();
  const int dpi = platform::ScreenDpiY();
  const auto defaults = kernel::DefaultFontSlots(dpi);
  for (int k = 0; k < kernel::kFontSlotCount; ++k) {
    EXPECT_EQ(window.fontWin.fonts[k], defaults[k].font) << k;
    EXPECT_EQ(window.fontWin.pointSizes[k], defaults[k].points) << k;
    EXPECT_EQ(window.fontWin.colors[k], 0u) << k;
  }
  EXPECT_EQ(window.fontWin.fonts[0].height, kernel::PointsToFontHeight(12, dpi));
  EXPECT_TRUE(window.SlotFont(1).symbolCharset);
  EXPECT_EQ(window.SlotFont(4).face, "Times");
}

TEST(FontWin, CancelInTheFontDialogChangesNothing) {
  ScalingWindow window(nullptr, "w");
  window.Create();
  const FontWinData before = window.fontWin;
  ScriptedResponder script;
  script.ChooseFont(std::nullopt);
  EXPECT_TRUE(window.DispatchCommand(60));
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(window.fontWin.fonts, before.fonts);
  EXPECT_EQ(window.fontWin.pointSizes, before.pointSizes);
  EXPECT_EQ(window.fontWin.colors, before.colors);
  EXPECT_EQ(window.fileMsg.modified, 0);
  EXPECT_TRUE(window.scaled.empty());
}

TEST(FontWin, TheCommandsChooseTheirSlots) {
  ScalingWindow window(nullptr, "w");
  window.Create();
  window.fontWin.captions[5] = 29;
  ScriptedResponder script;
  script.ChooseFont(Choice("Liberation Serif", 105))
      .ChooseFont(Choice("Liberation Mono", 140))
      .ChooseFont(Choice("DejaVu Sans", 90));
  window.DispatchCommand(60);  // slot 0
  window.DispatchCommand(61);  // the main font: slot 1
  window.DispatchCommand(65);  // slot 5
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(window.scaled, (std::vector<int>{0, 1, 5}));
  // 10.5 points are kept as 10.
  EXPECT_EQ(window.fontWin.pointSizes[0], 10);
  EXPECT_EQ(window.fontWin.fonts[0].faceName, "Liberation Serif");
  EXPECT_EQ(window.fontWin.fonts[0].weight, 700);
  EXPECT_EQ(window.fontWin.colors[0], kernel::Rgb(0, 0, 200));
  EXPECT_EQ(window.fontWin.pointSizes[1], 14);
  EXPECT_EQ(window.fontWin.fonts[1].charset, kernel::kSymbolCharset);
  EXPECT_EQ(window.fontWin.pointSizes[5], 9);
  EXPECT_EQ(window.fileMsg.modified, 1);
  // Each dialog is captioned by its slot's string and starts from the slot's font.
  ASSERT_EQ(script.shown().size(), 3u);
  EXPECT_EQ(script.shown()[0].text, "text window");
  EXPECT_EQ(script.shown()[0].caption, "Courier New");
  EXPECT_EQ(script.shown()[1].caption, "Symbol");
  EXPECT_EQ(script.shown()[2].text, "noname");
}

TEST(FontWin, FontChangesNeedNotMarkTheDocument) {
  ScalingWindow window(nullptr, "w");
  window.Create();
  window.fontWin.fontChangeMarksModified = 0;
  ScriptedResponder script;
  script.ChooseFont(Choice("Liberation Serif", 120));
  EXPECT_TRUE(window.ChooseFontSlot(2));
  EXPECT_EQ(window.fileMsg.modified, 0);
  EXPECT_EQ(window.scaled, std::vector<int>{2});
}

TEST(FontWin, TextClipboard) {
  CopyTextToClipboard("A_1B \xF8");
  EXPECT_TRUE(CanPasteText());
  EXPECT_EQ(PasteTextFromClipboard(), "A_1B \xF8");
}

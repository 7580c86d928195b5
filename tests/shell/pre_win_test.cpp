#include <gtest/gtest.h>

#include <filesystem>

#include "shell/pre_win.h"
#include "kernel/file_bytes.h"
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"

using namespace shell;
using platform::ScriptedResponder;

namespace {

class PreWinTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("kv_prewin_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  std::filesystem::path folder_;
};

platform::Color Rgb(kernel::ColorRef c) { return platform::Color::FromColorRef(c); }

// A window whose figure file is one byte.
class SavingWindow : public TPreWin {
 public:
  using TPreWin::TPreWin;
  bool WriteData() override {
    OutFile()->U8(1);
    return writes;
  }
  bool writes = true;
};

// Puts the window on the (off-)screen with that client size.
void ShowSized(TPreWin& window, int width, int height) {
  window.Create();
  window.Show();
  window.SetClientSize(width, height);
  platform::Application::ProcessPendingEvents();
}

}  // namespace

TEST(PreWin, ColoursOutsideTheTableAreEntryZero) {
  TPreWin window(nullptr, "w");
  window.preWin.colors[0] = kernel::Rgb(1, 2, 3);
  EXPECT_EQ(window.Color(0), kernel::Rgb(1, 2, 3));
  EXPECT_EQ(window.Color(61), kernel::Rgb(1, 2, 3));
  EXPECT_EQ(window.Color(-1), kernel::Rgb(1, 2, 3));
  EXPECT_EQ(window.Color(60), kernel::Rgb(20, 100, 20));
  EXPECT_EQ(window.Color(1), kernel::Rgb(255, 255, 255));
  EXPECT_EQ(window.GreyColor(61), window.GreyColor(0));
  EXPECT_EQ(window.GreyColor(-7), window.GreyColor(0));
  EXPECT_EQ(window.GreyColor(1), kernel::Rgb(255, 255, 255));
  EXPECT_EQ(window.GreyColor(4), kernel::Rgb(202, 202, 202));
  window.preWin.colors[4] = 0;
  window.ResetColors();
  EXPECT_EQ(window.preWin.colors, kernel::DefaultColorTable());
}

TEST(PreWin, ANewWindowPaintsTheDefaultBackgroundWithoutAPicture) {
  TPreWin window(nullptr, "w");
  ShowSized(window, 30, 20);
  window.UpdateClientSize();
  window.RebuildBitmaps(0);
  ASSERT_TRUE(window.preWin.buffers[0]);
  const kernel::ColorRef background = kernel::DefaultColorTable()[window.preWin.roles[0]];
  EXPECT_EQ(window.preWin.buffers[0]->GetPixel(29, 19), Rgb(background));
  EXPECT_EQ(window.preWin.actualBackground, background);
  EXPECT_FALSE(window.preWin.backBitmap);
}

TEST(PreWin, OffScreenBitmapsHoldTheBackgroundAndBlitToTheWindow) {
  TPreWin window(nullptr, "w");
  ShowSized(window, 120, 80);
  EXPECT_TRUE(window.UpdateClientSize());  // forced the first time
  EXPECT_FALSE(window.UpdateClientSize());
  EXPECT_EQ(window.preWin.width, 120);
  EXPECT_EQ(window.preWin.height, 80);
  EXPECT_EQ(window.preWin.eighthWidth, 15);
  EXPECT_EQ(window.preWin.eighthHeight, 10);
  EXPECT_TRUE(window.preWin.clientRegion.IsEmpty() || !window.preWin.clientRegion.Contains({119, 79}));

  window.preWin.roles[0] = 6;  // blue background
  window.RebuildBitmaps(2);
  for (int i = 0; i < kBitmapLevels; ++i) {
    ASSERT_TRUE(window.preWin.buffers[i]) << i;
    EXPECT_EQ(window.preWin.buffers[i]->width(), 120);
    EXPECT_EQ(window.preWin.bufferValid[i], 0);
  }
  // The last bitmap made holds the background.
  EXPECT_EQ(window.preWin.buffers[2]->GetPixel(60, 40), Rgb(kernel::Rgb(0, 0, 255)));
  EXPECT_EQ(window.preWin.actualBackground, kernel::Rgb(0, 0, 255));
  EXPECT_TRUE(window.preWin.clientRegion.Contains({118, 78}));
  EXPECT_FALSE(window.preWin.clientRegion.Contains({130, 40}));

  platform::Bitmap screen(120, 80, platform::kWhite);
  {
    auto dc = screen.CreateDC();
    window.BlitBuffer(5, *dc);
  }
  EXPECT_EQ(screen.GetPixel(119, 79), Rgb(kernel::Rgb(0, 0, 255)));

  window.preWin.bufferValid = {1, 1, 1};
  window.InvalidateBuffer(-1);
  EXPECT_EQ(window.preWin.bufferValid, (std::array<std::uint8_t, 3>{1, 1, 1}));
  window.InvalidateBuffer(7);
  EXPECT_EQ(window.preWin.bufferValid, (std::array<std::uint8_t, 3>{1, 1, 0}));
  window.InvalidateBuffer(0);
  EXPECT_EQ(window.preWin.bufferValid, (std::array<std::uint8_t, 3>{0, 1, 0}));
}

TEST(PreWin, ASmallBackgroundBitmapLeavesTheRestInTheBackgroundColour) {
  TPreWin window(nullptr, "w");
  ShowSized(window, 40, 40);
  window.ReadClientSize();
  window.preWin.backBitmap.emplace(10, 10, platform::Color{200, 0, 0});
  platform::Bitmap target(40, 40, platform::kBlack);
  {
    auto dc = target.CreateDC();
    window.PaintInto(*dc);
  }
  EXPECT_EQ(target.GetPixel(5, 5), (platform::Color{200, 0, 0}));
  EXPECT_EQ(target.GetPixel(20, 20), Rgb(kernel::Rgb(192, 192, 192)));
  // The background the screen showed is read back where the bitmap lies.
  EXPECT_EQ(window.preWin.actualBackground, kernel::Rgb(192, 192, 192));
}

TEST(PreWin, TrackedSizeChangesMarkTheDocument) {
  TPreWin window(nullptr, "w");
  window.preWin.trackSize = 1;
  ShowSized(window, 90, 200);
  window.UpdateClientSize();
  EXPECT_EQ(window.fileMsg.modified, 0);  // narrower than 101
  ShowSized(window, 150, 200);
  EXPECT_TRUE(window.UpdateClientSize());
  EXPECT_EQ(window.fileMsg.modified, 1);
}

TEST(PreWin, AClientAreaDraggedTooLowSpringsBackToForty) {
  TPreWin window(nullptr, "w");
  ShowSized(window, 200, 100);
  window.preWin.bufferValid = {1, 1, 1};
  window.preWin.bitmapLevel = 1;
  window.SetClientSize(200, 10);
  platform::Application::ProcessPendingEvents();
  window.DeliverSize(200, 10);
  platform::Application::ProcessPendingEvents();
  // (The window system may keep a window higher than that anyway.)
  EXPECT_GE(window.ClientHeight(), kMinimumClientHeight);
  EXPECT_LT(window.ClientHeight(), 100);
  EXPECT_EQ(window.ClientWidth(), 200);
  EXPECT_EQ(window.preWin.bufferValid, (std::array<std::uint8_t, 3>{1, 0, 1}));
}

TEST(PreWin, DefaultBitmapNames) {
  struct Case {
    const char* path;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      {"tri.kv2", "tri1.bmp"},
      {"/home/me/figs/tri.kv2", "/home/me/figs/tri1.bmp"},
      {"a.b.kv3", "a.b1.bmp"},
      {"noextension", std::nullopt},
      {"/home/me/.config/figure", std::nullopt},  // a dot in a folder is no extension
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TPreWin::DefaultBitmapName(c.path), c.name) << c.path;
}

TEST_F(PreWinTest, OpeningABackgroundBitmap) {
  TPreWin window(nullptr, "w");
  window.Create();
  ScriptedResponder script;
  // A missing file, a file that is no bitmap, then a good one.
  ASSERT_TRUE(kernel::WriteFileAtomically(Path("junk.bmp"), kernel::Bytes{'B', 'M', 1, 2, 3}));
  ASSERT_TRUE(platform::Bitmap(30, 20, platform::Color{0, 128, 0}).WriteBmpFile(Path("good.bmp")));
  script.ChooseFile(Path("missing.bmp"))
      .AnswerMessage(platform::IDOK)
      .ChooseFile(Path("junk.bmp"))
      .AnswerMessage(platform::IDOK)
      .ChooseFile(std::nullopt)
      .ChooseFile(Path("good.bmp"));
  window.DispatchCommand(kCmdOpenBackBitmap);
  window.DispatchCommand(kCmdOpenBackBitmap);
  EXPECT_FALSE(window.preWin.backBitmap);
  EXPECT_FALSE(window.QueryCommand(kCmdRemoveBackBitmap).enabled);
  window.DispatchCommand(kCmdOpenBackBitmap);  // cancelled
  EXPECT_EQ(window.preWin.backBitmapName, Path("junk.bmp"));
  window.DispatchCommand(kCmdOpenBackBitmap);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"could not find", "cannot open file"}));
  EXPECT_EQ(script.shown()[0].caption, "Bitmap files (*.BMP)|*.bmp");
  ASSERT_TRUE(window.preWin.backBitmap);
  EXPECT_EQ(window.preWin.backWidth, 30);
  EXPECT_EQ(window.preWin.backHeight, 20);
  EXPECT_EQ(window.preWin.backFromFile, 1);
  EXPECT_TRUE(window.QueryCommand(kCmdRemoveBackBitmap).enabled);

  // A bad file later keeps the bitmap there is.
  window.preWin.backBitmapName = Path("missing.bmp");
  EXPECT_EQ(window.LoadBackBitmap(), 2);
  EXPECT_TRUE(window.preWin.backBitmap);

  window.DispatchCommand(kCmdRemoveBackBitmap);
  EXPECT_FALSE(window.preWin.backBitmap);
  EXPECT_EQ(window.preWin.backFromFile, 0);
}

TEST_F(PreWinTest, PastingABackgroundBitmap) {
  TPreWin window(nullptr, "w");
  window.Create();
  window.preWin.backBitmap.emplace(4, 4, platform::kWhite);
  window.preWin.backFromFile = 1;
  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);

  // Nothing to paste: the message, and the old background stays.
  platform::CopyTextToClipboard("no picture");
  EXPECT_FALSE(window.QueryCommand(kCmdPasteBackBitmap).enabled);
  window.PasteBackBitmap();
  ASSERT_TRUE(window.preWin.backBitmap);
  EXPECT_EQ(window.preWin.backBitmap->width(), 4);
  EXPECT_EQ(window.preWin.backFromFile, 1);

  platform::CopyImageToClipboard(platform::Bitmap(12, 7, platform::Color{1, 2, 3}));
  EXPECT_TRUE(window.QueryCommand(kCmdPasteBackBitmap).enabled);
  window.DispatchCommand(kCmdPasteBackBitmap);
  ASSERT_TRUE(window.preWin.backBitmap);
  EXPECT_EQ(window.preWin.backWidth, 12);
  EXPECT_EQ(window.preWin.backHeight, 7);
  EXPECT_EQ(window.preWin.backFromFile, 0);

  // Wider than the screen: a warning, and the bitmap stays in use.
  const int wide = platform::FrameWindow::ScreenRect().width + 1;
  platform::CopyImageToClipboard(platform::Bitmap(wide, 2, platform::Color{1, 2, 3}));
  window.DispatchCommand(kCmdPasteBackBitmap);
  EXPECT_EQ(window.preWin.backWidth, wide);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"no graphics on clipboard", "too large"}));
}

TEST_F(PreWinTest, APastedBitmapIsOfferedForSavingBesideTheFigure) {
  SavingWindow window(nullptr, "w");
  window.Create();
  window.fileMsg.fileName = Path("tri.kv2");
  window.fileMsg.named = 1;
  window.preWin.backBitmap.emplace(6, 5, platform::Color{9, 8, 7});
  window.preWin.backFromFile = 0;
  ScriptedResponder script;
  std::string question;
  script.OnDialog("YNMBOX", [&question](platform::Dialog& d) {
    question = d.GetItemText(231);
    d.PressButton(89);  // no
  });
  script.OnDialog("YNMBOX", [&question](platform::Dialog& d) {
    question = d.GetItemText(231);
    d.PressButton(88);  // yes
  });
  window.fileMsg.hideExtension = 1;
  EXPECT_TRUE(window.Save());
  EXPECT_TRUE(std::filesystem::exists(Path("tri.kv2")));
  EXPECT_EQ(question, "save bitmap as tri1?");
  EXPECT_FALSE(std::filesystem::exists(Path("tri1.bmp")));
  window.fileMsg.hideExtension = 0;
  EXPECT_TRUE(window.Save());
  EXPECT_EQ(question, "save bitmap as tri1.bmp?");
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(window.preWin.backBitmapName, Path("tri1.bmp"));
  const std::optional<platform::Bitmap> saved = platform::Bitmap::ReadBmpFile(Path("tri1.bmp"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->GetPixel(5, 4), (platform::Color{9, 8, 7}));

  // Never for a bitmap from a file, nor for a figure file without a dot, nor after a failed save.
  window.preWin.backFromFile = 1;
  window.OfferToSaveBackBitmap();
  window.preWin.backFromFile = 0;
  window.fileMsg.fileName = Path("figure");
  window.OfferToSaveBackBitmap();
  EXPECT_EQ(script.shown().size(), 2u);
  window.fileMsg.fileName = Path("tri.kv2");
  window.writes = false;
  script.AnswerMessage(platform::IDOK);
  EXPECT_FALSE(window.Save());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot save file"});
  EXPECT_TRUE(script.Unexpected().empty());
}

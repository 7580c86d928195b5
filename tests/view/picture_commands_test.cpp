// The picture commands of the graphics window base that do not print: Image size, the bitmap
// copy to the clipboard and Lunch.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"
#include "view/image_size.h"
#include "view/qel_win.h"

using namespace view;
using platform::IDCANCEL;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

class PictureWindow : public TQELWin {
 public:
  PictureWindow() : TQELWin(nullptr, "picture") {
    Create();
    Show();
    SetClientSize(120, 90);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
  }
  // A red block in the middle of the picture.
  bool PaintToBitmap(platform::DC& dc) override {
    dc.FillRect({40, 30, 80, 60}, platform::Brush::Solid({255, 0, 0}));
    return true;
  }
};

TEST(ImageSize, TypedSizesInCentimetresOrPixels) {
  ImageSizeLimits limits;
  limits.dpiX = 96;
  limits.dpiY = 72;
  limits.borderWidth = 10;
  limits.borderHeight = 40;
  limits.screenWidth = 1000;
  limits.screenHeight = 800;
  struct Case {
    const char* width;
    const char* height;
    std::optional<platform::SizeI> pixels;
  };
  const Case cases[] = {
      {"27", "27", platform::SizeI{1020, 765}},  // the largest size in centimetres
      {"27.01", "5", std::nullopt},
      {"0.5", "0.5", platform::SizeI{19, 14}},
      {"0.49", "3", std::nullopt},
      {"x", "3", std::nullopt},
      // One "@" makes both sizes pixels.
      {"200@", "150", platform::SizeI{200, 150}},
      {"200", "150@", platform::SizeI{200, 150}},
      {"10@", "8", std::nullopt},  // 10 and 8 pixels: below 50
      {"50@", "50", platform::SizeI{50, 50}},
      {"@", "5", std::nullopt},  // a lone "@" is no pixel mark
      // Border + size + 8 must fit the screen.
      {"982@", "752", platform::SizeI{982, 752}},
      {"983@", "100", std::nullopt},
      {"100@", "753", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseImageSize(c.width, c.height, limits), c.pixels) << c.width << " " << c.height;
  EXPECT_EQ(CentimetreText(96, 96), "2.5400");
  EXPECT_EQ(CentimetreText(100, 72), "3.5278");
}

TEST(ImageSize, TheCommandSizesTheClientAreaOrKeepsIt) {
  PictureWindow w;
  std::string shownWidth;
  ScriptedResponder script;
  script.OnDialog("TWOINPUT", [&](platform::Dialog& d) {
    EXPECT_EQ(d.Caption(), "size of drawing");
    EXPECT_EQ(d.GetItemText(231), "width");
    shownWidth = d.GetItemText(211);
    d.SetItemText(211, "10@");
    d.SetItemText(212, "8");
    d.PressButton(IDOK);
  });
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdImageSize);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"out of bounds"});
  const std::unique_ptr<platform::DC> dc = w.GetDC();
  EXPECT_EQ(shownWidth, CentimetreText(120, dc->GetDeviceCaps().dpiX));
  EXPECT_EQ(w.ClientWidth(), 120);

  script.FillAndPress("TWOINPUT", {{211, "240@"}, {212, "160"}}, IDOK);
  w.DispatchCommand(kCmdImageSize);
  platform::Application::ProcessPendingEvents();
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(w.ClientWidth(), 240);
  EXPECT_EQ(w.ClientHeight(), 160);
  EXPECT_EQ(w.fileMsg.placement.x, 10);
  EXPECT_EQ(w.fileMsg.placement.y, 10);
  EXPECT_EQ(w.preWin.width, 240);
}

TEST(BitmapCopy, TheClipboardGetsTheClientPictureOnItsBackgroundWithTheFrame) {
  PictureWindow w;
  w.preWin.colors[4] = kernel::Rgb(0, 0, 200);
  w.preWin.roles[0] = 4;
  w.printFormat.frameImage = 1;
  w.DispatchCommand(kCmdBitmapToClipboard);
  const std::optional<platform::Bitmap> image = platform::ClipboardImage();
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width(), 120);
  ASSERT_EQ(image->height(), 90);
  EXPECT_EQ(image->GetPixel(20, 20), (platform::Color{0, 0, 200}));
  EXPECT_EQ(image->GetPixel(60, 45), (platform::Color{255, 0, 0}));
  for (const platform::PointI corner : {platform::PointI{0, 0}, {119, 0}, {0, 89}, {119, 89}})
    EXPECT_EQ(image->GetPixel(corner.x, corner.y), platform::kBlack) << corner.x << "," << corner.y;
}

TEST(Lunch, OkClosesTheKitchenAndCancelSaysNothing) {
  PictureWindow w;
  ScriptedResponder script;
  script.OnDialog("LUNCH", [](platform::Dialog& d) { d.PressButton(IDOK); }).AnswerMessage(IDOK);
  w.DispatchCommand(kCmdLunch);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"kitchen closed today"});
  script.OnDialog("LUNCH", [](platform::Dialog& d) { d.PressButton(IDCANCEL); });
  w.DispatchCommand(kCmdLunch);
  EXPECT_EQ(script.Messages().size(), 1u);
  EXPECT_TRUE(script.Unexpected().empty());
}

}  // namespace

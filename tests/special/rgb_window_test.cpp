// The RGB demonstration as its user drives it: the figure it builds, the colour the mix shows on
// screen, the RGB values dialog placing C and the brightness, refused entries, and drags that
// stop where C would leave the triangle.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/windows/slide_dlg.h"
#include "kernel/labels.h"
#include "kernel/vector2.h"
#include "view/text_item.h"
#include "platform/bitmap.h"
#include "platform/scripted_responder.h"
#include "special/rgb_win.h"
#include "special_window.h"
#include "support/isolated_folders.h"

using kernel::Point2;
using kernel::Real;
using special::TRGBWin;

namespace {

class RgbWindow : public IsolatedFolders {
 protected:
  std::unique_ptr<TRGBWin> Open() {
    auto w = OpenAsLauncherWould<TRGBWin>("RGB demo");
    w->UpdateClientArea();
    return w;
  }
  static std::string Label(const TRGBWin& w, int i) {
    std::string letter, subscript;
    kernel::IndexToLabel(w.tables().names[static_cast<std::size_t>(i)].label, letter, subscript);
    return letter + subscript;
  }
  // Types the three numbers into the values dialog and presses apply: the dialog's answer.
  static int Enter(TRGBWin& w, const char* r, const char* g, const char* b) {
    special::TRGBDlg& d = *w.rgbDialog();
    d.SetItemText(special::kRgbRedEdit, r);
    d.SetItemText(special::kRgbGreenEdit, g);
    d.SetItemText(special::kRgbBlueEdit, b);
    return d.Apply();
  }
  static kernel::ColorRef PixelColour(TRGBWin& w, const Point2& p) {
    const platform::Bitmap picture = w.ClientPicture();
    return picture.GetPixel(w.XToScreen(p.x), w.YToScreen(p.y)).value().ToColorRef();
  }
};

TEST_F(RgbWindow, TheFigureIsTheTriangleRGBWithCInsideAndTheSwatch) {
  auto w = Open();
  const engine::FigureTables& t = w->tables();
  ASSERT_GE(t.last_point, 7);
  EXPECT_EQ(Label(*w, TRGBWin::kR), "R");
  EXPECT_EQ(Label(*w, TRGBWin::kG), "G");
  EXPECT_EQ(Label(*w, TRGBWin::kB), "B");
  EXPECT_EQ(Label(*w, TRGBWin::kC), "C");
  EXPECT_EQ(t.xy[TRGBWin::kG], (Point2{4.3L, -3.5L}));
  EXPECT_EQ(t.xy[TRGBWin::kSwatch + 2], (Point2{-1, 3}));
  EXPECT_EQ(w->textItems.measurements.size(), 3u);
  // They stand in the view, reading C's weights.
  for (view::TextItem item : w->textItems.measurements) {
    w->TextToAbsolute(item);
    EXPECT_TRUE(w->InView({item.x, item.y})) << item.text;
  }
  EXPECT_EQ(w->ToolbarMode(), 122);
  // The slider starts at two thirds: the largest channel of the mix is 170.
  special::RgbMix mix;
  ASSERT_TRUE(w->Mix(mix));
  EXPECT_EQ(std::max({mix.red, mix.green, mix.blue}), 170);
  ASSERT_NE(w->rgbDialog(), nullptr);
  EXPECT_TRUE(w->rgbDialog()->IsVisible());
  ASSERT_NE(w->sliderDialog(0), nullptr);
  EXPECT_EQ(w->sliderDialog(0)->Caption(), "RGB brightness");
  EXPECT_TRUE(w->CheckModified());
}

TEST_F(RgbWindow, TypedValuesPlaceCAndSetTheBrightness) {
  auto w = Open();
  const engine::FigureTables& t = w->tables();
  const Point2 r = t.xy[TRGBWin::kR], g = t.xy[TRGBWin::kG], b = t.xy[TRGBWin::kB];

  ASSERT_EQ(Enter(*w, "255", "0", "0"), 0);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(t.xy[TRGBWin::kC], r)), 0, 1e-15);
  EXPECT_NEAR(static_cast<double>(w->BrightnessFraction()), 1, 1e-6);

  ASSERT_EQ(Enter(*w, "128", "128", "128"), 0);
  const Point2 centroid{(r.x + g.x + b.x) / 3, (r.y + g.y + b.y) / 3};
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(t.xy[TRGBWin::kC], centroid)), 0, 1e-15);
  EXPECT_NEAR(static_cast<double>(w->BrightnessFraction()), 128.0 / 255, 1e-6);
  special::RgbMix mix;
  ASSERT_TRUE(w->Mix(mix));
  EXPECT_EQ(mix.red, 128);
  EXPECT_EQ(mix.green, 128);
  EXPECT_EQ(mix.blue, 128);
  // The swatch on screen is that grey, the part opposite R pure red.
  EXPECT_EQ(PixelColour(*w, {-2.5L, 1.5L}), mix.Color());
  EXPECT_EQ(PixelColour(*w, (g + b + t.xy[TRGBWin::kC]) * (Real{1} / 3)), 255u);
  EXPECT_EQ(w->rgbDialog()->GetItemText(special::kRgbRedEdit), "128");

  // Beyond 255 C still goes to R, the brightness stays.
  ASSERT_EQ(Enter(*w, "300", "0", "0"), 0);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(t.xy[TRGBWin::kC], r)), 0, 1e-15);
  EXPECT_NEAR(static_cast<double>(w->BrightnessFraction()), 128.0 / 255, 1e-6);
}

TEST_F(RgbWindow, NegativeOrAllZeroEntriesAreOutOfBoundsAndMoveNothing) {
  auto w = Open();
  const Point2 c = w->tables().xy[TRGBWin::kC];
  const Real brightness = w->BrightnessFraction();
  for (const auto& entry : {std::array<const char*, 3>{"-1", "20", "30"}, {"0", "0", "0"}, {"0.2", "0", "0.4"}}) {
    platform::ScriptedResponder script;
    script.AnswerMessage(platform::IDOK);
    EXPECT_EQ(Enter(*w, entry[0], entry[1], entry[2]), 17) << entry[0] << " " << entry[1] << " " << entry[2];
    EXPECT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(w->tables().xy[TRGBWin::kC], c);
    EXPECT_EQ(w->BrightnessFraction(), brightness);
  }
}

TEST_F(RgbWindow, DragsStopWhereCWouldLeaveTheTriangle) {
  auto w = Open();
  struct Case {
    int point;
    Point2 to;
    bool refused;
  };
  const Case cases[] = {
      {TRGBWin::kC, {1.5L, -1}, false},    // inside
      {TRGBWin::kC, {1.5L, -3.5L}, true},  // on the side RG
      {TRGBWin::kC, {9, 9}, true},         // outside
      {TRGBWin::kB, {3, 6}, false},        // the triangle grows
      {TRGBWin::kB, {3, -3.4L}, true},     // C would fall outside
      {TRGBWin::kR, {-3, -3.5L}, false},
      {TRGBWin::kSwatch, {50, 50}, false},  // the swatch goes anywhere
  };
  for (const Case& c : cases) EXPECT_EQ(w->RefusesDragTo(c.to, c.point), c.refused) << c.point;
}

TEST_F(RgbWindow, TheBrightnessSliderKeepsTheHue) {
  auto w = Open();
  special::RgbMix before;
  ASSERT_TRUE(w->Mix(before));
  w->SetBrightness(1);
  special::RgbMix bright;
  ASSERT_TRUE(w->Mix(bright));
  EXPECT_EQ(std::max({bright.red, bright.green, bright.blue}), 255);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(static_cast<double>(bright.weights[k] * 2 / 3), static_cast<double>(before.weights[k]), 1e-12);
  EXPECT_EQ(PixelColour(*w, {-2.5L, 1.5L}), bright.Color());
}

}  // namespace

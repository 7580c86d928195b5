// The plane window's setting commands: the angle conventions, the symbol codes, the marking
// sizes, sliding points moved at random, the view restored and the data window toggled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/equation_text.h"
#include "engine/expr_tokens.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "shell/data_win.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Real;
using plane_test::PlaneWindow;

using SettingCommands = IsolatedFolders;

TEST_F(SettingCommands, NegativeAndCounterclockwiseAnglesAreNeverBothOff) {
  PlaneWindow w(0);
  EXPECT_TRUE(w.NegativeAngles());
  EXPECT_FALSE(w.CounterclockwiseAngles());
  EXPECT_TRUE(w.menu().IsChecked(618));
  EXPECT_FALSE(w.menu().IsChecked(619));
  // Negative angles off while CCL is off turns CCL on; the measurements then fold by a turn.
  ASSERT_TRUE(w.DispatchCommand(618));
  EXPECT_FALSE(w.NegativeAngles());
  EXPECT_TRUE(w.CounterclockwiseAngles());
  EXPECT_TRUE(w.angleOptions.anglesNonNegative);
  EXPECT_FALSE(w.menu().IsChecked(618));
  EXPECT_TRUE(w.menu().IsChecked(619));
  // CCL off turns negative angles on again.
  ASSERT_TRUE(w.DispatchCommand(619));
  EXPECT_TRUE(w.NegativeAngles());
  EXPECT_FALSE(w.CounterclockwiseAngles());
  // Both may be on.
  ASSERT_TRUE(w.DispatchCommand(619));
  EXPECT_TRUE(w.NegativeAngles());
  EXPECT_TRUE(w.CounterclockwiseAngles());
  EXPECT_TRUE(w.menu().IsChecked(618));
  EXPECT_TRUE(w.menu().IsChecked(619));
}

TEST_F(SettingCommands, SymbolCodesOutOfRangeChangeNothing) {
  PlaneWindow w(0);
  const std::array<std::string, 5> before = w.SymbolCodeTexts();
  EXPECT_EQ(before, (std::array<std::string, 5>{"248", "227", "251", "253", "232"}));
  platform::ScriptedResponder script;
  script.FillAndPress("ASCII", {{211, "0"}}, platform::IDOK)
      .AnswerMessage(platform::IDOK)
      .FillAndPress("ASCII", {{215, "256"}}, platform::IDOK)
      .AnswerMessage(platform::IDOK)
      .FillAndPress("ASCII", {{213, "x"}}, platform::IDOK)
      .AnswerMessage(platform::IDOK)
      .FillAndPress("ASCII", {{211, "176"}, {212, " 112 "}}, platform::IDOK);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(w.DispatchCommand(807));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>(3, "out of bounds")));
  EXPECT_EQ(w.SymbolCodeTexts(), (std::array<std::string, 5>{"176", "112", "251", "253", "232"}));
  // The measurement dialog's pi follows, and an angle's value ends in the new degree sign.
  EXPECT_EQ(w.Symbols().pi, 112);
  w.compiler.settings.show_units = true;
  std::string value;
  engine::FormatEquation(w.compiler, std::string{static_cast<char>(engine::code::kArcTan)} + "(1)", value);
  EXPECT_EQ(value.back(), static_cast<char>(176)) << value;
}

TEST_F(SettingCommands, MarkingSizesInTenthsOfAPerCent) {
  PlaneWindow w(0);
  struct Case {
    const char* text;
    bool stored;
    int setting;
  };
  for (const Case& c : {Case{"0.1", false, 25}, Case{"99.9", false, 25}, Case{"abc", false, 25}, Case{"0.2", true, 2},
                        Case{"99.8", true, 998}, Case{"3.14", true, 31}}) {
    SCOPED_TRACE(c.text);
    w.markingSizes.settings[1] = 25;
    w.fileMsg.modified = 0;
    EXPECT_EQ(w.SetMarkingSize(1, c.text), c.stored);
    EXPECT_EQ(w.markingSizes.settings[1], c.setting);
    EXPECT_EQ(w.fileMsg.modified != 0, c.stored);
  }
  // A setting is a tenth of a per cent of the screen width; the tick length is halved.
  const Real perPixel = w.mapping.unitsPerPixelX;
  const Real base = w.markingSizes.screenWidth * 0.001L * perPixel;
  EXPECT_REAL_NEAR(w.markingSizes.Size(1, perPixel), 31 * base, 1e-15L);
  EXPECT_REAL_NEAR(w.markingSizes.Size(0, perPixel), w.markingSizes.settings[0] * base / 2, 1e-15L);

  platform::ScriptedResponder script;
  script.OnDialog("ONEINPUT", [](platform::Dialog& d) {
    EXPECT_EQ(d.GetItemText(211), "1.500");
    d.SetItemText(211, "2.5");
    d.PressButton(platform::IDOK);
  });
  ASSERT_TRUE(w.DispatchCommand(848));
  EXPECT_EQ(w.markingSizes.settings[2], 25);
}

TEST_F(SettingCommands, RandomizingMovesOnlySlidingPoints) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(4, 0);
  ASSERT_EQ(w.SegmentsLinesRays(111, "AB"), 0);
  ASSERT_EQ(w.RandomPointOnSegment("AB"), 0);
  ASSERT_EQ(w.RandomizeSlidingPoints(), 1);
  EXPECT_EQ(w.tables().xy[0].x, 0);
  EXPECT_EQ(w.tables().xy[1].x, 4);
  const Real t = w.tables().attrs[2].value;
  EXPECT_TRUE(t > 0.1L && t < 0.9L) << t;
  EXPECT_REAL_NEAR(w.tables().xy[2].x, 4 * t, 1e-15L);
  EXPECT_NE(w.fileMsg.modified, 0);

  PlaneWindow empty(0);
  empty.FreePoint(1, 1);
  EXPECT_EQ(empty.RandomizeSlidingPoints(), 0);
}

TEST_F(SettingCommands, WindowFitsTheViewToTheFigure) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(764).enabled);
  w.FreePoint(0, 0);
  w.FreePoint(3, 2);
  EXPECT_TRUE(w.QueryCommand(764).enabled);
  w.SetView(100, 100, 1, 1, false);
  ASSERT_TRUE(w.DispatchCommand(764));
  const kernel::Box2& box = w.mapping.box;
  EXPECT_TRUE(box.xmin < 0 && box.xmax > 3 && box.ymin < 0 && box.ymax > 2)
      << box.xmin << " " << box.xmax << " " << box.ymin << " " << box.ymax;
}

TEST_F(SettingCommands, CollectShowsAndHidesTheDataWindow) {
  PlaneWindow w(0);
  EXPECT_EQ(w.dataWindowIfMade(), nullptr);
  EXPECT_FALSE(w.QueryCommand(718).enabled);
  w.FreePoint(0, 0);
  w.FreePoint(3, 4);
  w.AddTextItem("AB", -1, true);
  ASSERT_TRUE(w.DispatchCommand(718));
  ASSERT_NE(w.dataWindowIfMade(), nullptr);
  EXPECT_TRUE(w.DataCollecting());
  EXPECT_TRUE(w.menu().IsChecked(718));
  ASSERT_TRUE(w.DispatchCommand(718));
  EXPECT_FALSE(w.DataCollecting());
  EXPECT_FALSE(w.menu().IsChecked(718));
}

}  // namespace

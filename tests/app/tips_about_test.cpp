#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/about_dlg.h"
#include "app/tips_dlg.h"
#include "kernel/file_bytes.h"
#include "kernel/number_text.h"
#include "kernel/random.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"

using namespace app;

TEST(Tips, NextAndPreviousWrapWithinTheTips) {
  TipsData tips;
  tips.current = 1853;
  tips.step = 5;
  EXPECT_EQ(NextTipId(tips), 1804);
  tips.current = 1800;
  EXPECT_EQ(PreviousTipId(tips), 1849);
  tips.current = 1820;
  EXPECT_EQ(NextTipId(tips), 1825);
  EXPECT_EQ(PreviousTipId(tips), 1815);

  // A step without a common factor with 54 visits every tip once before any comes back.
  for (const int step : {1, 5, 7, 25, 53}) {
    tips.step = step;
    tips.current = 1800;
    std::set<int> seen;
    for (int i = 0; i < 54; ++i) {
      seen.insert(tips.current);
      tips.current = NextTipId(tips);
      ASSERT_GE(tips.current, 1800);
      ASSERT_LE(tips.current, 1853);
    }
    EXPECT_EQ(seen.size(), 54u) << "step " << step;
    EXPECT_EQ(tips.current, 1800);
  }
}

TEST(Tips, RandomStartsAndStepsVisitEveryTip) {
  kernel::SeedRandom(12345);
  for (int i = 0; i < 200; ++i) {
    TTipsDlg dialog(nullptr, "TIPS", kFirstTip, kLastTip, "", nullptr, -1, 0);
    ASSERT_GE(dialog.tips.current, kFirstTip);
    ASSERT_LE(dialog.tips.current, kLastTip);
    ASSERT_GE(dialog.tips.step, 1);
    ASSERT_LE(dialog.tips.step, 54);
    ASSERT_EQ(kernel::Gcd(dialog.tips.step, 54), 1) << dialog.tips.step;
  }
  TTipsDlg off(nullptr, "TIPS", kFirstTip, -kLastTip, "", nullptr, 1810, 7);
  EXPECT_EQ(off.tips.showAtStart, 0);
  EXPECT_EQ(off.tips.last, kLastTip);
  EXPECT_EQ(off.tips.count, 54);
  EXPECT_EQ(off.tips.current, 1810);
  EXPECT_EQ(off.tips.step, 7);
}

TEST(Tips, EveryTipHasItsText) {
  for (int id = kFirstTip; id <= kLastTip; ++id) {
    ASSERT_TRUE(resources::HasString(id)) << id;
    EXPECT_FALSE(resources::LoadString(id).empty()) << id;
    EXPECT_LE(resources::LoadString(id).size(), 999u) << id;
  }
}

TEST(Tips, TheButtonsStepAndTheCheckBoxIsWrittenAtOnce) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "kv_tips_test.tip";
  std::filesystem::remove(file);
  shell::DlgPosition position;
  TTipsDlg dialog(nullptr, "TIPS", kFirstTip, kLastTip, file.string(), &position, 1853, 5);
  dialog.Create();
  dialog.Show();
  EXPECT_TRUE(dialog.IsChecked(kShowAtStartCheck));
  EXPECT_EQ(dialog.GetItemText(kTipTextItem), resources::LoadString(1853));
  dialog.PressButton(kCmdNextTip);
  EXPECT_EQ(dialog.tips.current, 1804);
  EXPECT_EQ(dialog.GetItemText(kTipTextItem), resources::LoadString(1804));
  dialog.PressButton(kCmdPreviousTip);
  dialog.PressButton(kCmdPreviousTip);
  EXPECT_EQ(dialog.tips.current, 1848);

  dialog.PressButton(kShowAtStartCheck);  // unchecks
  EXPECT_EQ(kernel::ReadFileBytes(file.string()), kernel::Bytes{0});
  EXPECT_EQ(dialog.tips.showAtStart, 0);
  EXPECT_TRUE(dialog.IsVisible());
  dialog.PressButton(kShowAtStartCheck);
  EXPECT_EQ(kernel::ReadFileBytes(file.string()), kernel::Bytes{1});

  dialog.PressKey(resources::kKeyEscape);
  EXPECT_FALSE(dialog.IsVisible());
  EXPECT_EQ(dialog.closed, 1);
  std::filesystem::remove(file);

  // A tips file that cannot be written is passed over.
  TTipsDlg nowhere(nullptr, "TIPS", kFirstTip, kLastTip, "/nonexistent-folder/kv.tip", nullptr, 1800, 1);
  nowhere.Create();
  nowhere.PressButton(kShowAtStartCheck);
  EXPECT_EQ(nowhere.tips.showAtStart, 0);
}

TEST(About, CaptionAndBodyOfTheAboutBox) {
  EXPECT_EQ(AboutCaption(63), "about Kavrine [v 1.63]");
  const std::string body = AboutBody();
  std::string expected = "\r\n" + resources::LoadString(300) + "\r\nversion compiled 1 September 2012\r\n\r\n";
  for (int id = 301; id <= 308; ++id) {
    expected += resources::LoadString(id) + "\r\n";
    if (id == 303 || id == 307) expected += "\r\n";
  }
  expected += "\r\nComments and suggestions welcome";
  EXPECT_EQ(body, expected);
  EXPECT_LE(resources::LoadString(300).size(), 100u);

  shell::TFileMsgWin window(nullptr, "w");
  window.fileMsg.version = 63;
  platform::ScriptedResponder script;
  std::string shown;
  script.OnDialog("ABOUTBOX", [&shown](platform::Dialog& d) {
    shown = d.GetItemText(211);
    d.PressButton(1);
  });
  About(window);
  EXPECT_TRUE(script.Finished());
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].caption, "about Kavrine [v 1.63]");
  EXPECT_NE(shown.find("Comments and suggestions welcome"), std::string::npos);
}

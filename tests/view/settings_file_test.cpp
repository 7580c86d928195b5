// The window settings file: written when the window is destroyed, read when it is set up.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "kind_window.h"
#include "support/isolated_folders.h"
#include "kernel/colour_table.h"
#include "kernel/file_bytes.h"
#include "kernel/font_records.h"
#include "platform/scripted_responder.h"
#include "platform/stored_fonts.h"

using platform::ScriptedResponder;

namespace {

constexpr std::size_t kBodyStart = view::kCommonBlockBytes;
constexpr std::size_t kSettingsFileBytes = view::kCommonBlockBytes + view::kSettingsBodyBytes;
constexpr std::size_t kArraySetBytes = 3 * (view::kIntArrayBytes + view::kRealArrayBytes + view::kByteArrayBytes);

class SettingsFile : public IsolatedFolders {
 protected:
  std::string Path() const { return (SettingsFolderPath() / kTestSettingsFile).string(); }
  kernel::Bytes Written() const { return kernel::ReadFileBytes(Path()).value_or(kernel::Bytes{}); }
  void Store(const kernel::Bytes& bytes) const { ASSERT_TRUE(kernel::WriteFileAtomically(Path(), bytes)); }

  // A settings file whose every part differs from a new window's.
  kernel::Bytes DistinctFile() {
    KindWindow w;
    w.fileMsg.placement = {50, 60, 300, 200, 0};
    w.Create();
    for (int i = 0; i < shell::kColorRoleCount; ++i) w.preWin.roles[i] = static_cast<std::uint16_t>(i + 1);
    w.preWin.colors[5] = kernel::Rgb(1, 2, 3);
    w.preWin.colors[60] = kernel::Rgb(4, 5, 6);
    w.fontWin.fonts[0].faceName = "Arial";
    w.fontWin.pointSizes[0] = 17;
    w.fontWin.colors[2] = kernel::Rgb(7, 8, 9);
    w.printFormat.width = 4.25;
    w.printFormat.frameImage = 1;
    w.qelWin.colorsFlag = 0;
    w.qelWin.animationDelay = 250;
    w.qelWin.savedValues[9] = 0xFFFF;
    w.qelWin.settings.ints[1][0] = 7;
    w.qelWin.settings.reals[2][20] = 2.5;
    w.qelWin.settings.bytes[2][20] = 3;
    w.qelWin.settings.ints[3][0] = 9;
    w.qelWin.settings.bytes[5][20] = 4;
    w.fileMsg.names[0] = "/figures/last.kvt";
    w.Destroy();
    return Written();
  }
};

TEST_F(SettingsFile, ADefaultWindowWritesTheGoldenFile) {
  {
    KindWindow w;
    w.fileMsg.placement = {30, 40, 400, 300, 0};
    w.Create();
    w.Destroy();
  }
  const kernel::Bytes bytes = Written();
  ASSERT_EQ(bytes.size(), kSettingsFileBytes);
  EXPECT_EQ(kSettingsFileBytes, 3248u);
  // The header: kind, version, placement, not maximised, colours flag, 61 colours, print scale
  // -1/2.54 in hundredths, width 3, margins 1, no frame, greys, 10, 15, the magic words, version.
  const std::vector<std::int32_t> header = {625, 1,   30,  40,  400, 300, 0,  1,        61,       -39,
                                            300, 100, 100, 0,   0,   10,  15, 19451947, 19471945, 1};
  for (std::size_t i = 0; i < header.size(); ++i) EXPECT_EQ(WordAt(bytes, 4 * i), header[i]) << "word " << i;
  EXPECT_EQ(bytes[68], 0x2B);
  EXPECT_EQ(bytes[71], 0x01);
  // Fonts: point sizes, then the records (Courier New 12 first), then black for each.
  const std::vector<std::int32_t> points = {12, 10, 10, 8, 12, 10, 10, 10, 10, 10};
  for (std::size_t i = 0; i < points.size(); ++i) EXPECT_EQ(WordAt(bytes, 80 + 4 * i), points[i]);
  EXPECT_EQ(WordAt(bytes, 120), kernel::PointsToFontHeight(12, platform::ScreenDpiY()));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[120 + 28])), "Courier New");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[120 + 60 + 28])), "Symbol");
  EXPECT_TRUE(std::all_of(bytes.begin() + 720, bytes.begin() + 828, [](std::uint8_t b) { return b == 0; }));
  // Fifteen roles of light grey, then the colour table.
  for (int i = 0; i < 15; ++i) EXPECT_EQ(bytes[828 + 2 * i] | bytes[829 + 2 * i] << 8, 19);
  for (int i = 0; i < kernel::kColorCount; ++i)
    EXPECT_EQ(static_cast<kernel::ColorRef>(WordAt(bytes, 858 + 4 * i)), kernel::DefaultColorTable()[i]);
  // The body: delay 0, ten saved values, then zeros, and no last file.
  const std::vector<std::int32_t> first = {0, 10, 24, 6, 7, 0, 10, 8, 13, 2, 14, 17};
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(WordAt(bytes, kBodyStart + 4 * i), first[i]);
  EXPECT_TRUE(std::all_of(bytes.begin() + kBodyStart + 48, bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(SettingsFile, WhatOneWindowWritesTheNextReads) {
  DistinctFile();
  KindWindow w;
  w.Create();
  EXPECT_EQ(w.qelWin.settingsRead, 1);
  const kernel::WinPlacement& p = w.fileMsg.placement;
  EXPECT_EQ(p.x, 50);
  EXPECT_EQ(p.y, 60);
  EXPECT_EQ(p.width, 300);
  EXPECT_EQ(p.height, 200);
  EXPECT_EQ(w.Placement().width, 300);
  EXPECT_EQ(w.preWin.roles[14], 15);
  EXPECT_EQ(w.preWin.colors[5], kernel::Rgb(1, 2, 3));
  EXPECT_EQ(w.preWin.colors[60], kernel::Rgb(4, 5, 6));
  EXPECT_EQ(w.fontWin.fonts[0].faceName, "Arial");
  EXPECT_EQ(w.fontWin.pointSizes[0], 17);
  EXPECT_EQ(w.fontWin.colors[2], kernel::Rgb(7, 8, 9));
  EXPECT_NEAR(static_cast<double>(w.printFormat.width), 4.25, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.printFormat.xUnit), -0.39, 1e-12);
  EXPECT_EQ(w.printFormat.frameImage, 1);
  EXPECT_EQ(w.qelWin.colorsFlag, 0);
  EXPECT_EQ(w.qelWin.animationDelay, 250);
  EXPECT_EQ(w.qelWin.savedValues[9], 0xFFFF);
  EXPECT_EQ(w.qelWin.settings.ints[1][0], 7);
  EXPECT_EQ(w.qelWin.settings.reals[2][20], 2.5);
  EXPECT_EQ(w.qelWin.settings.bytes[2][20], 3);
  EXPECT_EQ(w.qelWin.settings.ints[3][0], 9);
  EXPECT_EQ(w.qelWin.settings.bytes[5][20], 4);
  EXPECT_EQ(w.fileMsg.names[0], "/figures/last.kvt");
  EXPECT_EQ(w.qelWin.versionRead, 1);
  w.Destroy();
}

// What a window holds when it took nothing of a settings file.
void ExpectNothingTaken(const KindWindow& w) {
  EXPECT_EQ(w.qelWin.settingsRead, 0);
  EXPECT_EQ(w.preWin.roles[14], shell::kLightGreyIndex);
  EXPECT_EQ(w.preWin.colors, kernel::DefaultColorTable());
  EXPECT_EQ(w.fontWin.fonts[0].faceName, "Courier New");
  EXPECT_EQ(w.qelWin.animationDelay, 0);
  EXPECT_EQ(w.qelWin.settings.ints[1][0], 0);
  EXPECT_EQ(w.fileMsg.names[0], "");
  EXPECT_EQ(w.fileMsg.placement.width, w.fileMsg.defaultSize);
}

TEST_F(SettingsFile, TheReaderTakesWhatTheFileAllows) {
  const kernel::Bytes distinct = DistinctFile();
  ASSERT_EQ(distinct.size(), kSettingsFileBytes);
  using Edit = std::function<void(kernel::Bytes&)>;
  struct Case {
    const char* name;
    Edit edit;
    bool damaged;
    std::function<void(const KindWindow&)> check;
  };
  const Case cases[] = {
      {"another kind", [](kernel::Bytes& b) { SetWordAt(b, 0, 441); }, false, ExpectNothingTaken},
      {"no format version", [](kernel::Bytes& b) { SetWordAt(b, 4, 0); }, false, ExpectNothingTaken},
      {"swapped magic words",
       [](kernel::Bytes& b) {
         SetWordAt(b, 68, view::kSecondMagicWord);
         SetWordAt(b, 72, view::kFirstMagicWord);
       },
       false,
       [](const KindWindow& w) {
         EXPECT_EQ(w.qelWin.settingsRead, 1);
         EXPECT_EQ(w.fileMsg.placement.width, 300);
         EXPECT_EQ(w.fontWin.fonts[0].faceName, "Arial");
         EXPECT_EQ(w.preWin.roles[14], 15);
         EXPECT_NEAR(static_cast<double>(w.printFormat.width), 4.25, 1e-12);
         EXPECT_EQ(w.preWin.colors, kernel::DefaultColorTable());
         EXPECT_EQ(w.qelWin.animationDelay, 250);
       }},
      {"70 colours",
       [](kernel::Bytes& b) {
         SetWordAt(b, 32, 70);
         b.insert(b.begin() + kBodyStart, 9 * 4, 0xEE);
       },
       false,
       [](const KindWindow& w) {
         EXPECT_EQ(w.preWin.colors[60], kernel::Rgb(4, 5, 6));
         EXPECT_EQ(w.qelWin.animationDelay, 250);
         EXPECT_EQ(w.fileMsg.names[0], "/figures/last.kvt");
       }},
      {"no colours",
       [](kernel::Bytes& b) {
         SetWordAt(b, 32, 0);
         b.erase(b.begin() + 858, b.begin() + kBodyStart);
       },
       false,
       [](const KindWindow& w) {
         EXPECT_EQ(w.preWin.colors, kernel::DefaultColorTable());
         EXPECT_EQ(w.preWin.roles[14], 15);
         EXPECT_EQ(w.qelWin.animationDelay, 250);
         EXPECT_EQ(w.fileMsg.names[0], "/figures/last.kvt");
       }},
      {"block version 0",
       [](kernel::Bytes& b) {
         SetWordAt(b, 76, 0);
         b.erase(b.begin() + kBodyStart + kArraySetBytes, b.begin() + kBodyStart + 2 * kArraySetBytes);
       },
       false,
       [](const KindWindow& w) {
         EXPECT_EQ(w.qelWin.versionRead, 0);
         EXPECT_EQ(w.qelWin.settings.ints[1][0], 7);
         EXPECT_EQ(w.qelWin.settings.bytes[2][20], 3);
         EXPECT_EQ(w.qelWin.settings.ints[3][0], 0);
         EXPECT_EQ(w.qelWin.settings.bytes[5][20], 0);
         EXPECT_EQ(w.fileMsg.names[0], "/figures/last.kvt");
       }},
      {"print scale 0",
       [](kernel::Bytes& b) { SetWordAt(b, 36, 0); },
       false,
       [](const KindWindow& w) { EXPECT_EQ(w.printFormat.xUnit, view::kDefaultPrintScale); }},
      {"short file", [](kernel::Bytes& b) { b.resize(b.size() - 1); }, true, ExpectNothingTaken},
      {"short header", [](kernel::Bytes& b) { b.resize(79); }, true, ExpectNothingTaken},
      {"huge colour count", [](kernel::Bytes& b) { SetWordAt(b, 32, 0x7FFFFFFF); }, true, ExpectNothingTaken},
      {"endless face name",
       [](kernel::Bytes& b) { std::fill(b.begin() + 120 + 28, b.begin() + 120 + 60, 'A'); },
       true,
       ExpectNothingTaken},
      {"endless last file name", [](kernel::Bytes& b) { std::fill(b.end() - 256, b.end(), 'A'); }, true,
       ExpectNothingTaken},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kernel::Bytes bytes = distinct;
    c.edit(bytes);
    Store(bytes);
    ScriptedResponder script;
    if (c.damaged) script.AnswerMessage(platform::IDOK);
    KindWindow w;
    w.Create();
    c.check(w);
    EXPECT_EQ(script.Messages(), c.damaged ? std::vector<std::string>{"bad ini file"} : std::vector<std::string>{});
    EXPECT_TRUE(script.Unexpected().empty());
    w.qelWin.writeSettings = 0;
    w.Destroy();
  }
}

TEST_F(SettingsFile, TheFlagsAndTheNameDecideWhetherAFileIsUsed) {
  DistinctFile();
  {
    // Told not to read: the file stays unread; told not to write: it stays as it was.
    KindWindow w;
    w.readSettings = 0;
    w.Create();
    ExpectNothingTaken(w);
    w.qelWin.writeSettings = 0;
    w.qelWin.animationDelay = 5;
    EXPECT_TRUE(w.WriteSettings());
    w.Destroy();
  }
  EXPECT_EQ(WordAt(Written(), kBodyStart), 250);
  {
    // A window kind without a settings file neither reads nor writes one.
    KindWindow w;
    w.qelWin.settingsFileName.clear();
    w.Create();
    ExpectNothingTaken(w);
    w.Destroy();
  }
  EXPECT_EQ(WordAt(Written(), kBodyStart), 250);
  {
    // A window that was never set up writes nothing.
    KindWindow w;
    w.qelWin.animationDelay = 5;
    w.Destroy();
  }
  EXPECT_EQ(WordAt(Written(), kBodyStart), 250);
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenIsReportedAsSuch) {
  KindWindow w;
  w.qelWin.settingsFileName = "no/such/folder/kvtest.ini";
  w.Create();
  EXPECT_FALSE(w.WriteSettings());
  w.qelWin.writeSettings = 0;
  w.Destroy();
}

}  // namespace

// The metafile export: command 370 through the export sequence, the metafile's frame and
// description, high resolution, animated frames, and a real reader (emf2svg-conv) finding the
// figure's line and text where the figure has them.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "export_readers.h"
#include "picture_window.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/metafile_player.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/export_settings_dlg.h"
#include "view/metafile_export.h"

using namespace view;
using export_test::HaveTool;
using export_test::RunTool;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

kernel::Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return kernel::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

platform::MetafileHeader HeaderOf(const kernel::Bytes& bytes) {
  platform::MetafileRead read = platform::MetafilePlayer::Read(bytes);
  EXPECT_EQ(read.error, platform::MetafileError::None);
  return read.player ? read.player->header() : platform::MetafileHeader{};
}

class MetafileExports : public IsolatedFolders {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  // Runs the export to `name`, answering the success message.
  void Export(PictureWindow& w, const std::string& name, ScriptedResponder& script) {
    script.ChooseFile(Path(name));
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportMetafile);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_TRUE(script.Finished());
  }
};

}  // namespace

TEST_F(MetafileExports, OneFrameWithItsFrameInHundredthsOfAMillimetreAndTheDescription) {
  PictureWindow w;
  const std::string title = w.Caption();
  ScriptedResponder script;
  Export(w, "figure.EMF", script);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{resources::LoadString(40)});
  EXPECT_EQ(script.shown().front().caption, "Enhanced metafiles (*.EMF)|*.emf");
  ASSERT_TRUE(std::filesystem::exists(folder_ / "figure.emf"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "figureANIM.txt"));
  const kernel::Bytes bytes = ReadBytes(folder_ / "figure.emf");
  const platform::MetafileHeader header = HeaderOf(bytes);
  EXPECT_EQ(header.application, "Kavrine");
  EXPECT_EQ(header.title, title);
  // The description is stored as "Kavrine\0title\0\0" in UTF-16.
  std::u16string description = u"Kavrine";
  description += u'\0';
  for (char c : title) description += static_cast<char16_t>(static_cast<unsigned char>(c));
  description += u'\0';
  description += u'\0';
  std::vector<std::uint8_t> utf16;
  for (char16_t c : description) {
    utf16.push_back(static_cast<std::uint8_t>(c & 0xFF));
    utf16.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), utf16.begin(), utf16.end()), bytes.end());
  // The frame is the client area in 0.01 mm of the reference device.
  const double mmPerPixel = static_cast<double>(header.deviceMillimetres.width) / header.devicePixels.width;
  EXPECT_NEAR(header.frame.right - header.frame.left, w.mapping.width * mmPerPixel * 100, 1.5);
  // The window is as it was.
  EXPECT_EQ(w.device.metafileRunning, 0);
  EXPECT_EQ(w.exports.running, ExportKind::None);
  w.Destroy();
}

TEST_F(MetafileExports, HighResolutionDrawsNineTimesLargerAndPutsTheWindowBack) {
  PictureWindow w;
  ScriptedResponder script;
  Export(w, "low.emf", script);
  const ViewMapping before = w.mapping;
  const auto fonts = w.fontWin.fonts;
  w.DispatchCommand(kCmdHighResolution);
  EXPECT_EQ(w.highResolution, 1);
  Export(w, "high.emf", script);
  const platform::MetafileHeader low = HeaderOf(ReadBytes(folder_ / "low.emf"));
  const platform::MetafileHeader high = HeaderOf(ReadBytes(folder_ / "high.emf"));
  EXPECT_NEAR(high.frame.right - high.frame.left, 9.0 * (low.frame.right - low.frame.left), 9);
  EXPECT_NEAR(high.frame.bottom - high.frame.top, 9.0 * (low.frame.bottom - low.frame.top), 9);
  // The segment (-3, -2)..(3, 2) is drawn at nine times the pixels.
  EXPECT_NEAR(high.bounds.right - high.bounds.left, 9.0 * (low.bounds.right - low.bounds.left), 18);
  EXPECT_EQ(w.mapping.width, before.width);
  EXPECT_EQ(w.mapping.unitsPerPixelX, before.unitsPerPixelX);
  EXPECT_EQ(w.device.magnifier, 1);
  EXPECT_TRUE(w.fontWin.fonts == fonts);
  EXPECT_EQ(MetafileFontDpi(1), 95);
  EXPECT_EQ(MetafileFontDpi(9), 861);
  w.DispatchCommand(kCmdHighResolution);
  EXPECT_EQ(w.highResolution, 0);
  w.Destroy();
}

TEST_F(MetafileExports, AnAnimationWritesAFilePerFrameAndItsList) {
  PictureWindow w;
  w.exports.animationMode = 2;
  w.exports.defaultFrameCount = 3;
  ScriptedResponder script;
  script.ChooseFile(Path("anim.emf"));
  script.OnDialog("SVG", [](platform::Dialog& d) {
    d.PressButton(kSettingsPagesCheck);
    d.SetItemText(kSettingsFramesEdit, "3");
    d.PressButton(IDOK);
  });
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportMetafile);
  EXPECT_TRUE(script.Unexpected().empty());
  for (const char* name : {"anim0.emf", "anim1.emf", "anim2.emf"}) {
    ASSERT_TRUE(std::filesystem::exists(folder_ / name)) << name;
    HeaderOf(ReadBytes(folder_ / name));
  }
  EXPECT_TRUE(std::filesystem::exists(folder_ / "animANIM.txt"));
  w.Destroy();
}

TEST_F(MetafileExports, ARealReaderConvertsTheFileAndFindsTheLineAndTheTextWhereTheFigureHasThem) {
  ASSERT_TRUE(HaveTool("emf2svg-conv")) << "emf2svg-conv is not installed; ./kv.sh test installs it";
  PictureWindow w;
  w.pictures.push_back(*MakePicture(BlueMetafile(40, 40)));
  w.pictures[0].x1 = 1;
  w.pictures[0].x2 = 3;
  w.pictures[0].y1 = -2;
  w.pictures[0].y2 = 0;
  ScriptedResponder script;
  Export(w, "read.emf", script);
  const std::string svg = Path("read.svg");
  const export_test::ToolRun run = RunTool("emf2svg-conv -i '" + Path("read.emf") + "' -o '" + svg + "'");
  ASSERT_EQ(run.status, 0) << run.output;
  std::ifstream in(svg);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());
  // The text, at the figure's point (-3, 2).
  const std::size_t at = text.find("Kavrine]]></text>");
  ASSERT_NE(at, std::string::npos) << text;
  const std::size_t open = text.rfind("<text", at);
  ASSERT_NE(open, std::string::npos);
  std::smatch m;
  const std::string element = text.substr(open, at - open);
  ASSERT_TRUE(std::regex_search(element, m, std::regex("x=\"([-0-9.]+)\"")));
  const double textX = std::stod(m[1]);
  EXPECT_NEAR(textX, w.XToScreen(-3), 2) << element;
  // The segment from (-3, -2) to (3, 2): a path through both ends.
  const std::string from = std::to_string(w.XToScreen(-3));
  const std::string to = std::to_string(w.XToScreen(3));
  const std::regex line("M\\s*" + from + "(\\.0+)?[ ,]+" + std::to_string(w.YToScreen(-2)) + "(\\.0+)?\\s*L\\s*" + to +
                        "(\\.0+)?[ ,]+" + std::to_string(w.YToScreen(2)));
  EXPECT_TRUE(std::regex_search(text, line)) << text.substr(0, 4000);
  EXPECT_NE(text.find("stroke=\"#FF0000\""), std::string::npos) << text.substr(0, 4000);
  // The pasted picture's blue rectangle, its left half from (1, 0) down to (2, -2).
  const std::regex rect("<rect x=\"" + std::to_string(w.XToScreen(1)) + "(\\.0+)?\" y=\"" +
                        std::to_string(w.YToScreen(0)) + "(\\.0+)?\"[^>]*fill=\"#0000FF\"");
  EXPECT_TRUE(std::regex_search(text, rect)) << text.substr(0, 4000);
  w.Destroy();
}

TEST_F(MetafileExports, TheClipboardGetsTheSameMetafileAsTheFile) {
  PictureWindow w;
  ASSERT_TRUE(w.DispatchCommand(kCmdCopyToClipboard));
  const std::optional<kernel::Bytes> clip = platform::ClipboardMetafile();
  ASSERT_TRUE(clip);
  ScriptedResponder script;
  Export(w, "clip.emf", script);
  EXPECT_EQ(*clip, ReadBytes(folder_ / "clip.emf"));
  w.Destroy();
}

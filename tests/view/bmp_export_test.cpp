// The BMP export command: the frame files as a bitmap reader that is not ours reads them, against
// the same picture drawn off-screen, and the numbered frames of an animation.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "export_readers.h"
#include "export_window.h"
#include "kernel/file_bytes.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/dc_figure_painter.h"
#include "view/export_formats.h"
#include "view/export_settings_dlg.h"

using namespace view;
using export_test::RunTool;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

std::uint32_t Le32(const kernel::Bytes& b, std::size_t at) {
  return b.at(at) | (b.at(at + 1) << 8) | (b.at(at + 2) << 16) | (std::uint32_t{b.at(at + 3)} << 24);
}

// The picture the window shows for frame 0, drawn off-screen as the screen draws it.
platform::Bitmap OffScreenPicture(ExportWindow& w) {
  platform::Bitmap picture(w.preWin.width, w.preWin.height);
  std::unique_ptr<platform::DC> dc = picture.CreateDC();
  w.PaintBackground(*dc);
  {
    DcFigurePainter painter(*dc, w.mapping, w.DcRules());
    const ExportFrame frame{ExportKind::BMP, 0, 1};
    w.TQELWing::ExportPicture(painter, frame);
    w.DrawFigure(painter, frame);
  }
  dc.reset();
  return picture;
}

class BmpExports : public IsolatedFolders {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
};

TEST_F(BmpExports, AStillPictureIsOneBitmapFileWithTheOffScreenPixels) {
  // 61 pixels of 3 bytes: rows padded from 183 to 184 bytes.
  ExportWindow w(61, 47);
  w.fullFigure = true;
  w.preWin.colors[19] = kernel::Rgb(250, 240, 200);
  w.preWin.roles[0] = 19;
  w.printFormat.frameImage = 1;
  ASSERT_EQ(w.preWin.width, 61);
  ASSERT_EQ(w.preWin.height, 47);
  ScriptedResponder script;
  script.ChooseFile(Path("picture.bmp")).AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportBMP);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"BMP file saved"});
  ASSERT_EQ(w.passes.size(), 1u);
  EXPECT_EQ(w.passes[0].running, ExportKind::BMP);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "pictureANIM.txt"));

  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(Path("picture.bmp"));
  ASSERT_TRUE(bytes);
  ASSERT_GE(bytes->size(), 54u);
  EXPECT_EQ((*bytes)[0], 'B');
  EXPECT_EQ((*bytes)[1], 'M');
  EXPECT_EQ(Le32(*bytes, 2), 54u + 184 * 47);
  EXPECT_EQ(bytes->size(), 54u + 184 * 47);
  EXPECT_EQ(Le32(*bytes, 10), 54u);
  EXPECT_EQ(Le32(*bytes, 18), 61u);
  EXPECT_EQ(Le32(*bytes, 22), 47u);  // positive: rows bottom-up
  EXPECT_EQ((*bytes)[28], 24);
  for (int row = 0; row < 47; ++row) EXPECT_EQ((*bytes)[54 + row * 184 + 183], 0) << "padding of row " << row;

  const export_test::ToolRun info = RunTool("identify -format '%m %w %h %z' '" + Path("picture.bmp") + "'");
  ASSERT_EQ(info.status, 0) << info.output;
  EXPECT_EQ(info.output, "BMP3 61 47 8");  // a BITMAPINFOHEADER file

  // Every pixel as ImageMagick reads it equals the off-screen picture.
  const platform::Bitmap expected = OffScreenPicture(w);
  const export_test::ToolRun text = RunTool("convert '" + Path("picture.bmp") + "' -depth 8 txt:-");
  ASSERT_EQ(text.status, 0) << text.output;
  std::istringstream lines(text.output);
  std::string line;
  int compared = 0, differing = 0, dark = 0;
  while (std::getline(lines, line)) {
    int x = 0, y = 0, r = 0, g = 0, b = 0;
    if (std::sscanf(line.c_str(), "%d,%d: (%d,%d,%d", &x, &y, &r, &g, &b) != 5) continue;
    ++compared;
    const platform::Color c{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
    if (expected.GetPixel(x, y) != c) ++differing;
    if (r + g + b < 200) ++dark;
  }
  EXPECT_EQ(compared, 61 * 47);
  EXPECT_EQ(differing, 0);
  EXPECT_GT(dark, 100);  // the figure and its frame are there
  EXPECT_EQ(expected.GetPixel(4, 4), (platform::Color{250, 240, 200}));  // the background
}

TEST_F(BmpExports, AnAnimationWritesNumberedFramesAndTheirList) {
  ExportWindow w(40, 40);
  w.exports.animationMode = 1;
  ScriptedResponder script;
  script.ChooseFile(Path("anim.bmp"));
  script.OnDialog("SVG", [](platform::Dialog& d) {
    d.PressButton(kSettingsPagesCheck);
    d.SetItemText(kSettingsFramesEdit, "12");
    d.SetItemText(kSettingsParameterEdit, "t");
    d.PressButton(IDOK);
  });
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportBMP);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"BMP file saved"});
  EXPECT_EQ(w.exports.bmp.frames, 12);
  EXPECT_EQ(w.passes.size(), 12u);
  // Frame 7 of two-digit numbers.
  ASSERT_TRUE(std::filesystem::exists(folder_ / "anim07.bmp"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "anim00.bmp"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "anim11.bmp"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "anim.bmp"));
  const std::string list = ReadText(folder_ / "animANIM.txt");
  EXPECT_EQ(list.rfind("anim00\r\nanim01\r\n", 0), 0u);
  EXPECT_NE(list.find("anim11\r\n"), std::string::npos);
  // The frames differ where the figure moves.
  EXPECT_NE(kernel::ReadFileBytes(Path("anim00.bmp")), kernel::ReadFileBytes(Path("anim07.bmp")));
  const export_test::ToolRun info = RunTool("identify -format '%w %h;' '" + Path("anim07.bmp") + "'");
  EXPECT_EQ(info.output, "40 40;");
}

}  // namespace

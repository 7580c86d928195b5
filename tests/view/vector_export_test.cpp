// The EPS and SVG export commands driven by id on a window, with the file dialog and the settings
// dialog answered by a script: the files written, what reads them, the animation list and the
// outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "export_readers.h"
#include "export_window.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/export_settings_dlg.h"

using namespace view;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

// The settings dialog confirmed; with frames, "pages" checked and that many frames asked.
void ConfirmSettings(ScriptedResponder& script, int frames = 0) {
  script.OnDialog("SVG", [frames](platform::Dialog& d) {
    if (frames > 0) {
      d.PressButton(kSettingsPagesCheck);
      d.SetItemText(kSettingsFramesEdit, std::to_string(frames));
      d.SetItemText(kSettingsParameterEdit, "t");
    }
    d.PressButton(IDOK);
  });
}

// The page size the EPS head declares.
std::pair<int, int> BoundingBox(const std::string& eps) {
  std::smatch m;
  static const std::regex box("%%BoundingBox: 0 0 (\\d+) (\\d+)\r\n");
  if (!std::regex_search(eps, m, box)) return {0, 0};
  return {std::stoi(m[1]), std::stoi(m[2])};
}

class VectorExports : public IsolatedFolders {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
};

TEST_F(VectorExports, EpsCommandWritesAFileGhostscriptReads) {
  ExportWindow w;
  w.fullFigure = true;
  w.fileMsg.fileName = "/somewhere/figure.kv2";
  w.exports.animationMode = 1;  // the settings dialog opens
  ScriptedResponder script;
  script.ChooseFile(Path("picture.EPS"));
  ConfirmSettings(script);
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportEPS);
  EXPECT_TRUE(script.Unexpected().empty());
  ASSERT_TRUE(script.Finished());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"EPS file saved"});
  EXPECT_EQ(script.shown().front().caption, resources::LoadString(96));
  const std::string eps = ReadText(folder_ / "picture.eps");
  EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0\r\n", 0), 0u);
  EXPECT_NE(eps.find("%%Title: (figure.kv2)\r\n"), std::string::npos);
  EXPECT_NE(eps.find("% figure end\r\n"), std::string::npos);
  EXPECT_EQ(eps.substr(eps.size() - 7), "%%EOF\r\n");
  const auto [width, height] = BoundingBox(eps);
  EXPECT_GT(width, 100);
  EXPECT_EQ(width, height);  // a square client
  export_test::ExpectGhostscriptAccepts(eps, width, height);
  ASSERT_EQ(w.passes.size(), 1u);
  EXPECT_EQ(w.passes[0].running, ExportKind::EPS);
  EXPECT_EQ(w.exports.running, ExportKind::None);
  EXPECT_EQ(w.exports.basePaths[KindIndex(ExportKind::EPS)], "picture");
  EXPECT_EQ(w.exports.basePaths[KindIndex(ExportKind::SVG)], "noname");
  w.Destroy();
}

TEST_F(VectorExports, EpsOfAStillWindowAsksNoSettingsAndCancelWritesNothing) {
  ExportWindow w;
  {
    ScriptedResponder script;  // animation mode 0: no settings dialog
    script.ChooseFile(Path("still.eps")).AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportEPS);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"EPS file saved"});
  }
  EXPECT_TRUE(std::filesystem::exists(folder_ / "still.eps"));
  {
    ScriptedResponder script;
    script.ChooseFile(Path("cancelled.svg")).FillAndPress("SVG", {}, platform::IDCANCEL);
    w.DispatchCommand(kCmdExportSVG);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_TRUE(script.Messages().empty());
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "cancelled.svg"));
  EXPECT_EQ(w.passes.size(), 1u);
  w.Destroy();
}

TEST_F(VectorExports, SvgCommandWritesADocumentXmllintReads) {
  ExportWindow w;
  w.fullFigure = true;
  w.fileMsg.fileName = "/somewhere/figure.kv2";
  ScriptedResponder script;
  script.ChooseFile(Path("picture.svg"));
  ConfirmSettings(script);
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportSVG);
  EXPECT_TRUE(script.Unexpected().empty());
  ASSERT_TRUE(script.Finished());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"SVG file saved"});
  EXPECT_EQ(script.shown().front().caption, resources::LoadString(97));
  const std::string svg = ReadText(folder_ / "picture.svg");
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\"", 0), 0u);
  EXPECT_NE(svg.find("<title>figure.kv2</title>"), std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 8), "</svg>\r\n");
  export_test::ExpectSvgReadable(svg);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "pictureANIM.txt"));  // one frame, no list
  ASSERT_EQ(w.passes.size(), 1u);
  EXPECT_EQ(w.passes[0].running, ExportKind::SVG);
  EXPECT_EQ(w.exports.basePaths[KindIndex(ExportKind::SVG)], "picture");
  w.Destroy();
}

TEST_F(VectorExports, TheSvgSettingsShowThePictureSizeTheFileGets) {
  ExportWindow w(501, 321);
  w.fullFigure = true;
  const struct {
    const char* width;  // typed in the dialog; none keeps what it shows
    const char* height;
    const char* size;  // the picture's size in the file
  } cases[] = {{nullptr, nullptr, "width=\"501\" height=\"321\""},
               {"1002", "642", "width=\"1002\" height=\"642\""},
               {"250", "250", "width=\"250\" height=\"250\""}};
  int n = 0;
  for (const auto& c : cases) {
    w.exports.svgWidth = 400;  // whatever an earlier export left
    w.exports.svgHeight = 400;
    const std::string name = "sized" + std::to_string(++n) + ".svg";
    ScriptedResponder script;
    script.ChooseFile(Path(name));
    script.OnDialog("SVG", [&c](platform::Dialog& d) {
      EXPECT_EQ(d.GetItemText(kSettingsWidthEdit), "501");
      EXPECT_EQ(d.GetItemText(kSettingsHeightEdit), "321");
      if (c.width != nullptr) {
        d.SetItemText(kSettingsWidthEdit, c.width);
        d.SetItemText(kSettingsHeightEdit, c.height);
      }
      d.PressButton(IDOK);
    });
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportSVG);
    ASSERT_TRUE(script.Unexpected().empty()) << c.size;
    const std::string svg = ReadText(folder_ / name);
    // The drawing keeps the window's pixels and is scaled into the picture.
    EXPECT_NE(svg.find(std::string(c.size) + "\r\nviewBox=\"0 0 501 321\""), std::string::npos)
        << svg.substr(0, 300);
    export_test::ExpectSvgReadable(svg);
  }
  w.Destroy();
}

TEST_F(VectorExports, AnimationsWriteNumberedFramesAndOnlySvgWritesTheTextList) {
  ExportWindow w;
  w.exports.animationMode = 1;
  {
    ScriptedResponder script;
    script.ChooseFile(Path("anim.svg"));
    ConfirmSettings(script, 3);
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportSVG);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"SVG file saved"});
  }
  EXPECT_EQ(w.exports.svg.frames, 3);
  for (const char* name : {"anim0.svg", "anim1.svg", "anim2.svg"}) {
    const std::string svg = ReadText(folder_ / name);
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\"", 0), 0u) << name;
    EXPECT_EQ(svg.substr(svg.size() - 8), "</svg>\r\n") << name;
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "anim3.svg"));
  EXPECT_EQ(ReadText(folder_ / "animANIM.txt"), "anim0\r\nanim1\r\nanim2\r\n");
  {
    ScriptedResponder script;
    script.ChooseFile(Path("anim.eps"));
    ConfirmSettings(script, 2);
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportEPS);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"EPS file saved"});
  }
  EXPECT_EQ(w.exports.eps.frames, 2);
  for (const char* name : {"anim0.eps", "anim1.eps"}) {
    const std::string eps = ReadText(folder_ / name);
    EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0\r\n", 0), 0u) << name;
    // Every frame file of one export carries the same head.
    EXPECT_EQ(eps.substr(0, eps.find("%%Page: 1 1")),
              ReadText(folder_ / "anim0.eps").substr(0, eps.find("%%Page: 1 1")));
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "animANIM.tex"));
  ASSERT_EQ(w.passes.size(), 5u);
  EXPECT_EQ(w.passes[4].frame.kind, ExportKind::EPS);
  EXPECT_EQ(w.passes[4].frame.frames, 2);
  w.Destroy();
}

TEST_F(VectorExports, TheCommandsFollowTheirEnablers) {
  ExportWindow w;
  for (const auto& [id, kind] : {std::pair{kCmdExportEPS, ExportKind::EPS}, std::pair{kCmdExportSVG, ExportKind::SVG}}) {
    EXPECT_EQ(ExportCommandKind(id), kind);
    EXPECT_TRUE(w.QueryCommand(id).enabled);
    w.exports.enabled[KindIndex(kind)] = 0;
    EXPECT_FALSE(w.QueryCommand(id).enabled);
  }
  w.Destroy();
}

}  // namespace

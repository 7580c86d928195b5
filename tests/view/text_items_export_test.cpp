// Texts placed on a figure go into the figure file and through the export commands into every
// format: a damaged text piece is refused with the texts kept; TeX sets a PiCTeX picture holding
// texts with TeX's special characters, Ghostscript reads the EPS, xmllint and rsvg-convert the SVG.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "export_readers.h"
#include "export_window.h"
#include "kernel/file_bytes.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "shell/message_numbers.h"
#include "support/isolated_folders.h"
#include "text_window.h"
#include "view/export_formats.h"
#include "view/pictex_dlg.h"
#include "view/pictex_painter.h"
#include "view/tex_characters.h"

using namespace view;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

class TextItemExports : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    window_.Add(window_.textItems.plain, {60, 80}, "50% & $5 #1 <b> (x)");
    TextItem& turned = window_.Add(window_.textItems.plain, {200, 300}, "turned \"quote\"");
    turned.font.escapement = 300;
    turned.transparent = 0;
    window_.Add(window_.textItems.measurements, {60, 400}, "a^2 + b^2 = c^2");
    window_.Draw();
  }
  std::string Export(int command, const std::string& file) {
    ScriptedResponder script;
    script.ChooseFile((folder_ / file).string());
    if (command == kCmdExportPiCTeX) {
      script.OnDialog("PICTEX", [](platform::Dialog& d) {
        d.PressButton(kTeXFirstFlavour + kTeXCompilable);
        d.PressButton(IDOK);
      });
    } else if (command == kCmdExportSVG) {
      script.OnDialog("SVG", [](platform::Dialog& d) { d.PressButton(IDOK); });
    }
    script.AnswerMessage(IDOK);
    window_.DispatchCommand(command);
    EXPECT_TRUE(script.Unexpected().empty());
    return ReadText(folder_ / file);
  }

  TextWindow window_;
};

// A window whose figure file is the common block and two text pieces, read into fresh lists
// that replace the window's only when both were read.
class TextFileWindow : public TextWindow {
 public:
  TextFileWindow() {
    qelWin.fileKind = 626;
    qelWin.writeSettings = 0;
  }
  bool IsModified() override { return fileMsg.modified != 0; }
  bool WriteData() override {
    return OpenFileForSave(0) && WriteTexts(textItems.plain) && WriteTexts(textItems.measurements);
  }
  int ReadData() override {
    if (OpenFileForLoad() < 1) return shell::kIncompatibleVersions;
    TextList plain;
    TextList measurements;
    if (!ReadTexts(false, plain) || !ReadTexts(true, measurements)) return shell::kInconsistentData;
    textItems.plain = std::move(plain);
    textItems.measurements = std::move(measurements);
    return 0;
  }
};

}  // namespace

TEST_F(TextItemExports, TextsGoIntoTheFigureFileAndADamagedPieceChangesNothing) {
  const std::string path = (folder_ / "texts.kvt").string();
  {
    TextFileWindow w;
    w.Add(w.textItems.plain, {60, 80}, "frame", kTieFrame);
    w.Add(w.textItems.plain, {60, 120}, "figure").shown = 0;
    w.Add(w.textItems.measurements, {60, 160}, "hidden measurement").shown = 0;
    w.fileMsg.fileName = path;
    w.fileMsg.named = 1;
    ScriptedResponder script;
    ASSERT_TRUE(w.Save());
  }
  TextFileWindow reader;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  ASSERT_EQ(reader.textItems.plain.size(), 2u);
  EXPECT_EQ(reader.textItems.plain[0].tie, kTieFrame);
  EXPECT_EQ(reader.textItems.plain[1].shown, 1) << "typed texts are read shown";
  ASSERT_EQ(reader.textItems.measurements.size(), 1u);
  EXPECT_EQ(reader.textItems.measurements[0].shown, 0) << "measurements keep their flag";
  EXPECT_EQ(reader.PixelOf(reader.textItems.plain[1]), (platform::PointI{60, 120}));

  // The measurement piece announces a record more than the file holds.
  kernel::Bytes bytes = kernel::ReadFileBytes(path).value();
  bytes[bytes.size() - kTextItemBytes - 2] = 2;
  ASSERT_TRUE(kernel::WriteFileAtomically(path, bytes));
  const TextList before = reader.textItems.plain;
  EXPECT_EQ(reader.LoadFile(), shell::kInconsistentData);
  EXPECT_EQ(reader.textItems.plain, before);
  EXPECT_EQ(reader.textItems.measurements.size(), 1u);
}

TEST_F(TextItemExports, TeXSetsThePiCTeXTexts) {
  const std::string tex = Export(kCmdExportPiCTeX, "texts.tex");
  EXPECT_NE(tex.find("\\put {50\\% \\& \\$5 \\#1 <b> (x)} at "), std::string::npos) << tex;
  EXPECT_NE(tex.find("\\put {$a^2 + b^2 = c^2$} at "), std::string::npos) << tex;
  if (std::system("command -v tex >/dev/null 2>&1") != 0 ||
      std::system("kpsewhich pictex.tex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "TeX with the PiCTeX macros is not installed (Debian: texlive-pictures)";
  const std::string command =
      "cd '" + folder_.string() +
      "' && tex -interaction=nonstopmode -halt-on-error texts.tex </dev/null >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << ReadText(folder_ / "texts.log");
}

TEST(TeXEscape, NoTextCanBreakThePicture) {
  struct Case {
    const char* text;
    bool math;
    const char* tex;
  };
  const Case cases[] = {
      {"50% & $5 #1", false, "50\\% \\& \\$5 \\#1"},
      {"\\% and \\alpha stay", false, "\\% and \\alpha stay"},
      {"x_1^2", false, "x\\_1\\^{}2"},
      {"x_1^2", true, "x_1^2"},
      {"\\frac{a}{b}", true, "\\frac{a}{b}"},
      {"a}b{c", false, "a{\\tt\\char125}b{\\tt\\char123}c"},
      {"{open", true, "{\\tt\\char123}open"},
      {"ends in \\", false, "ends in {\\tt\\char92}"},
      {"\\{ kept \\}", false, "\\{ kept \\}"},
      // Windows-1252 letters and signs as TeX's own, and the program's symbols; no byte above
      // ASCII is written as it is (the codes that are no character are left out).
      {"caf\xE9 \xB1 a\x96"
       "b \xDF",
       false, "caf\\hbox{\\'e} \\hbox{$\\pm$} a\\hbox{--}b \\hbox{\\ss}"},
      {"\xA4\x81\xA2", false, "\\hbox{$\\diamond$}\\hbox{\\rlap/c}"},
      {"40\xF8 \xE3r\xFD \xFB(2) \xE8", true,
       "40\\hbox{$^\\circ$} \\hbox{$\\pi$}r\\hbox{$^2$} \\hbox{$\\sqrt{}$}(2) \\hbox{$\\Phi$}"},
      {"\\\xE9", false, "{\\tt\\char92}\\hbox{\\'e}"},
  };
  for (const Case& c : cases) EXPECT_EQ(TeXEscape(c.text, c.math), c.tex) << c.text;
}

TEST_F(TextItemExports, TeXSetsTextsWithUnpairedBracesAndStrayBackslashes) {
  window_.textItems.plain.clear();
  window_.Add(window_.textItems.plain, {60, 80}, "a}b{c");
  window_.Add(window_.textItems.plain, {60, 160}, "x_1^2 costs 5\\% or \\$5 \\");
  window_.Add(window_.textItems.measurements, {60, 240}, "{x_1");
  std::string every;
  for (int byte = 128; byte < 256; ++byte)
    if (!TeXCharacter(static_cast<unsigned char>(byte)).empty()) every += static_cast<char>(byte);
  window_.Add(window_.textItems.plain, {60, 320}, every.substr(0, every.size() / 2));
  window_.Add(window_.textItems.measurements, {60, 360}, every.substr(every.size() / 2));
  window_.Draw();
  Export(kCmdExportPiCTeX, "awkward.tex");
  if (std::system("command -v tex >/dev/null 2>&1") != 0 ||
      std::system("kpsewhich pictex.tex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "TeX with the PiCTeX macros is not installed (Debian: texlive-pictures)";
  const std::string command =
      "cd '" + folder_.string() +
      "' && tex -interaction=nonstopmode -halt-on-error awkward.tex </dev/null >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << ReadText(folder_ / "awkward.log");
}

TEST_F(TextItemExports, GhostscriptAndTheSvgReadersReadTheTexts) {
  const std::string eps = Export(kCmdExportEPS, "texts.eps");
  EXPECT_NE(eps.find("(50% & $5 #1 <b> \\(x\\)) show"), std::string::npos) << eps;
  EXPECT_NE(eps.find("30 rotate"), std::string::npos);
  std::smatch box;
  ASSERT_TRUE(std::regex_search(eps, box, std::regex("%%BoundingBox: 0 0 (\\d+) (\\d+)")));
  export_test::ExpectGhostscriptAccepts(eps, std::stoi(box[1]), std::stoi(box[2]));
  const std::string svg = Export(kCmdExportSVG, "texts.svg");
  EXPECT_NE(svg.find("> 50% &amp; $5 #1 &lt;b&gt; (x) </text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("> turned \"quote\" </text>"), std::string::npos) << svg;
  export_test::ExpectSvgReadable(svg);
}

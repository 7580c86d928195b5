// The coordinate frame of a grid window through the real export commands: the PiCTeX picture
// compiles with TeX, the EPS file reads in Ghostscript and the SVG document in an XML reader, with
// pi labels, arrows, a dotted grid and the polar grid on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "export_readers.h"
#include "export_window.h"
#include "grid_window.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/pictex_dlg.h"

using namespace view;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

class AxesExports : public IsolatedFolders {
 protected:
  // A window with every part of the frame on.
  static void Dress(GridWindow& w) {
    w.ResetView();
    w.axes.xScalePi = 1;
    w.axes.yLabelPlaces = 2;
    w.axes.originLetter = 1;
    w.axes.gridKind = 15 | 16 | 32 | 64;
    w.axes.yLabelFrequency = 2;
    w.UpdateView();
    w.numberFormat.decimals = 3;
  }

  std::string Export(GridWindow& w, int command, const std::string& file) {
    ScriptedResponder script;
    script.ChooseFile((folder_ / file).string());
    if (command == kCmdExportPiCTeX)
      script.OnDialog("PICTEX", [](platform::Dialog& d) {
        d.PressButton(kTeXFirstFlavour + kTeXCompilable);
        d.PressButton(IDOK);
      });
    if (command == kCmdExportSVG) script.FillAndPress("SVG", {}, IDOK);  // its settings
    script.AnswerMessage(IDOK);
    w.DispatchCommand(command);
    for (const std::string& u : script.Unexpected()) ADD_FAILURE() << file << ": " << u;
    return ReadText(folder_ / file);
  }
};

}  // namespace

TEST_F(AxesExports, TheFrameReachesEveryExportReadable) {
  GridWindow w(401, 401);
  Dress(w);
  const std::string tex = Export(w, kCmdExportPiCTeX, "frame.tex");
  EXPECT_NE(tex.find("% y-ticks end"), std::string::npos);
  EXPECT_NE(tex.find("\\pi"), std::string::npos);
  EXPECT_NE(tex.find("\\setdots"), std::string::npos);  // the dotted grid
  if (std::system("command -v tex >/dev/null 2>&1 && kpsewhich pictex.tex >/dev/null 2>&1") == 0) {
    const std::string run = "cd '" + folder_.string() +
                            "' && tex -interaction=nonstopmode -halt-on-error frame.tex </dev/null >/dev/null 2>&1";
    EXPECT_EQ(std::system(run.c_str()), 0) << ReadText(folder_ / "frame.log");
  }

  const std::string eps = Export(w, kCmdExportEPS, "frame.eps");
  EXPECT_NE(eps.find("% x axis begin"), std::string::npos);
  std::smatch box;
  ASSERT_TRUE(std::regex_search(eps, box, std::regex("%%BoundingBox: 0 0 (\\d+) (\\d+)\r\n")));
  export_test::ExpectGhostscriptAccepts(eps, std::stoi(box[1]), std::stoi(box[2]));

  const std::string svg = Export(w, kCmdExportSVG, "frame.svg");
  EXPECT_NE(svg.find("<line"), std::string::npos);
  export_test::ExpectSvgReadable(svg);
  w.Destroy();
}

// Real TeX runs over exported PiCTeX pictures: each flavour as it is meant to be used, and an
// animation through its "ANIM.tex" list. Skipped, with the reason, where TeX is not installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "export_window.h"
#include "view/export_formats.h"
#include "view/pictex_dlg.h"

using namespace view;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

bool Installed(const std::string& command) {
  return std::system(("command -v " + command + " >/dev/null 2>&1").c_str()) == 0;
}

bool HasTeXFile(const std::string& name) {
  return std::system(("kpsewhich " + name + " >/dev/null 2>&1").c_str()) == 0;
}

class PiCTeXRun : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    if (!Installed("tex") || !Installed("latex") || !HasTeXFile("pictex.tex"))
      GTEST_SKIP() << "TeX with the PiCTeX macros is not installed (Debian: texlive-pictures, texlive-latex-base)";
  }

  // Exports the test figure through the command in the flavour (and frames, when more than one).
  void Export(ExportWindow& w, const std::string& name, int flavour, int frames = 1) {
    ScriptedResponder script;
    script.ChooseFile((folder_ / (name + ".tex")).string());
    script.OnDialog("PICTEX", [flavour, frames](platform::Dialog& d) {
      d.PressButton(kTeXFirstFlavour + flavour);
      if (frames > 1) {
        d.PressButton(kTeXPagesCheck);
        d.SetItemText(kTeXFramesEdit, std::to_string(frames));
      }
      d.PressButton(IDOK);
    });
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportPiCTeX);
    ASSERT_TRUE(script.Unexpected().empty());
    ASSERT_TRUE(script.Finished());
  }

  // Runs the TeX program on the input in the test's folder; the log is kept for a failure.
  ::testing::AssertionResult Run(const std::string& program, const std::string& input, const std::string& job) {
    const std::string command = "cd '" + folder_.string() + "' && " + program +
                                " -interaction=nonstopmode -halt-on-error -jobname=" + job + " '" + input +
                                "' </dev/null >/dev/null 2>&1";
    if (std::system(command.c_str()) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << program << " failed on " << input << ":\n"
                                         << ReadText(folder_ / (job + ".log"));
  }

  void WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
};

TEST_F(PiCTeXRun, EveryFlavourCompiles) {
  ExportWindow w;
  w.fullFigure = true;
  w.printFormat.frameImage = 1;
  Export(w, "standalone", kTeXStandalone);
  Export(w, "latex", kLaTeXStandalone);
  Export(w, "compilable", kTeXCompilable);
  Export(w, "insertable", kTeXInsertable);
  w.Destroy();

  // "TeX compilable" is a document of its own.
  EXPECT_TRUE(Run("tex", "compilable.tex", "compilable"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "compilable.dvi"));
  // "TeX standalone" loads what it needs and leaves the picture in box 1.
  EXPECT_TRUE(Run("tex", "\\input standalone \\box1 \\bye", "standalone"));
  // "LaTeX2e standalone" is input into any LaTeX document.
  WriteFile("latexdoc.tex", "\\documentclass{article}\n\\begin{document}\nA figure:\n\\input{latex}\n\\end{document}\n");
  EXPECT_TRUE(Run("latex", "latexdoc.tex", "latexdoc"));
  // "TeX insertable" goes into a document that has loaded PiCTeX, in plain TeX or in LaTeX.
  EXPECT_TRUE(Run("tex", "\\input pictex \\input insertable \\bye", "insertableplain"));
  WriteFile("insertdoc.tex",
            "\\documentclass{article}\n\\usepackage{pictex}\n\\begin{document}\n\\input{insertable}\n\\end{document}\n");
  EXPECT_TRUE(Run("latex", "insertdoc.tex", "insertdoc"));
}

TEST_F(PiCTeXRun, AnAnimationCompilesThroughItsList) {
  if (!Installed("pdflatex") || !HasTeXFile("animate.sty"))
    GTEST_SKIP() << "pdfLaTeX with the animate package is not installed (Debian: texlive-latex-extra)";
  ExportWindow w;
  w.fullFigure = true;
  w.exports.animationMode = 1;
  Export(w, "frame", kTeXStandalone, 3);
  w.Destroy();
  ASSERT_TRUE(std::filesystem::exists(folder_ / "frameANIM.tex"));
  WriteFile("animdoc.tex",
            "\\documentclass{article}\n\\usepackage{pictex}\n\\usepackage{animate}\n\\begin{document}\n"
            "\\input{frameANIM}\n\\end{document}\n");
  EXPECT_TRUE(Run("pdflatex", "animdoc.tex", "animdoc"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "animdoc.pdf"));
}

}  // namespace

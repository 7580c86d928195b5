// A plane figure printed to a PDF file carries what the screen shows: the labels, the measurement
// texts and the text items, each in its font at the page's scale, read back with pdftotext.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "../view/export_readers.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/qel_wing.h"

namespace {

using plane_test::PlaneWindow;
using PlanePrinting = IsolatedFolders;

// A word of a page as pdftotext places it, in points from the paper's top-left corner.
struct PrintedWord {
  std::string text;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

std::vector<PrintedWord> PrintedWords(const std::string& pdf) {
  const export_test::ToolRun run = export_test::RunTool("pdftotext -bbox '" + pdf + "' -");
  EXPECT_EQ(run.status, 0) << run.output;
  std::vector<PrintedWord> words;
  const std::regex word(
      R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
  for (auto it = std::sregex_iterator(run.output.begin(), run.output.end(), word); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    words.push_back({m[5].str(), std::stod(m[1].str()), std::stod(m[2].str()), std::stod(m[3].str()),
                     std::stod(m[4].str())});
  }
  return words;
}

TEST_F(PlanePrinting, APrintedPageCarriesTheLabelsMeasurementsAndTextsAtThePagesScale) {
  PlaneWindow w(0, 500);
  w.SetView(0, 0, 5, 5, false);
  w.UpdateView();
  const int a = w.FreePoint(-3, -2);
  const int b = w.FreePoint(3, -2);
  const int c = w.FreePoint(0, 3);
  for (const int p : {a, b, c}) w.tables().names[p].shown = 1;
  w.labelDisplay.labelMode = 1;
  // Each measurement goes below the last as the screen shows it.
  w.AddTextItem("1+1", 0, true);
  w.UpdateNow();
  w.AddTextItem("2*3", 0, true);
  view::TextItem plain = w.InitTextItem({120, 420}, 0, view::kTextFontSlot);
  plain.text = "printed note";
  w.TextToRelative(plain);
  w.textItems.plain.push_back(plain);
  w.wing.pictureValid = 0;
  w.Invalidate(false);
  w.UpdateNow();  // the screen's paint measures the text boxes the page centres its texts in

  // Six inches wide from a 500-pixel picture: the page shows the screen at 0.864 points a pixel.
  w.printFormat.width = 6;
  const std::string pdf = (folder_ / "figure.pdf").string();
  platform::PrintDialogAnswer answer;
  answer.pdfFile = pdf;
  platform::ScriptedResponder script;
  script.ChoosePrinter(answer);
  w.DispatchCommand(view::kCmdPrint);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_TRUE(script.Messages().empty());

  const std::vector<PrintedWord> words = PrintedWords(pdf);
  std::map<std::string, PrintedWord> found;
  for (const PrintedWord& word : words) found.emplace(word.text, word);
  const std::string sum = w.GetItemText(w.textItems.measurements[0]);
  const std::string product = w.GetItemText(w.textItems.measurements[1]);
  std::vector<std::string> expected = {"A", "B", "C", "printed", "note"};
  for (const std::string& text : {sum, product}) {
    std::istringstream parts(text);
    for (std::string part; parts >> part;) expected.push_back(part);
  }
  for (const std::string& text : expected) EXPECT_TRUE(found.count(text)) << "missing on the page: " << text;

  // The labels' font is 12 points (16 pixels) on the screen: 16 x 0.864 points on the page.
  for (const std::string label : {"A", "B", "C"}) {
    if (!found.count(label)) continue;
    const PrintedWord& word = found[label];
    EXPECT_GE(word.yMax - word.yMin, 6) << label;
    EXPECT_LE(word.yMax - word.yMin, 24) << label;
  }
  // Each text stands where the screen shows it, in the picture's place on the page (1 inch in).
  const auto pageX = [&](int pixel) { return 72 + pixel * 432.0 / 500; };
  const auto pageY = [&](int pixel) { return 72 + pixel * 432.0 / 500; };
  if (found.count("printed")) {
    EXPECT_NEAR(found["printed"].xMin, pageX(120), 6);
    EXPECT_NEAR(found["printed"].yMin, pageY(420), 6);
  }
  // A lies left of B on the page, C above both, as on the screen.
  if (found.count("A") && found.count("B") && found.count("C")) {
    EXPECT_LT(found["A"].xMax, found["B"].xMin);
    EXPECT_LT(found["C"].yMax, found["A"].yMin);
  }
  // The first measurement stands at the picture's top-left corner.
  const std::string first = expected[5];
  if (found.count(first)) {
    EXPECT_NEAR(found[first].xMin, pageX(3), 6);
    EXPECT_NEAR(found[first].yMin, pageY(3), 6);
  }
}

}  // namespace

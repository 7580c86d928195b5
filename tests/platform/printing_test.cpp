#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>
#include <filesystem>
#include <string>

#include "platform/printing.h"
#include "platform/scripted_responder.h"

using namespace platform;

namespace {

// What a PDF reader makes of a file: its text, pages separated by form feeds.
std::string PdfText(const std::string& path) {
  std::string text;
  FILE* pipe = ::popen(("pdftotext -layout '" + path + "' - 2>/dev/null").c_str(), "r");
  if (!pipe) return text;
  char buffer[512];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
  ::pclose(pipe);
  return text;
}

std::string TempPdf(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string(name) + std::to_string(::getpid()) + ".pdf")).string();
}

}  // namespace

TEST(Printing, PagesDrawnThroughTheDialogsPrinterReachThePdf) {
  const std::string path = TempPdf("kv_print_");
  ScriptedResponder script;
  PrintDialogAnswer answer;
  answer.pdfFile = path;
  answer.fromPage = 2;
  answer.toPage = 3;
  script.ChoosePrinter(answer);
  std::unique_ptr<Printer> printer = ShowPrintDialog(nullptr, {"notes.txt", 1, 3, true});
  ASSERT_NE(printer, nullptr);
  EXPECT_FALSE(printer->PrintsPage(1));
  EXPECT_TRUE(printer->PrintsPage(3));
  const DeviceCaps caps = printer->Caps();
  EXPECT_FALSE(caps.raster);
  EXPECT_GT(caps.dpiX, 96);
  EXPECT_NEAR(caps.widthMm, 200, 11);  // the printable width of A4

  for (const char* line : {"first page", "second page"}) {
    DC* dc = printer->NextPage();
    ASSERT_NE(dc, nullptr);
    FontSpec font;
    font.height = -caps.dpiY / 6;
    dc->SelectFont(font);
    dc->TextOut({caps.dpiX, caps.dpiY}, line);
    dc->Rectangle({caps.dpiX, 2 * caps.dpiY, 3 * caps.dpiX, 3 * caps.dpiY});
  }
  EXPECT_TRUE(printer->End());
  const std::string text = PdfText(path);
  const auto first = text.find("first page");
  const auto formFeed = text.find('\f');
  ASSERT_NE(first, std::string::npos);
  EXPECT_LT(first, formFeed);
  EXPECT_NE(text.find("second page", formFeed), std::string::npos);
  std::filesystem::remove(path);
}

TEST(Printing, CancelGivesNoPrinter) {
  ScriptedResponder script;
  script.ChoosePrinter(std::nullopt);
  EXPECT_EQ(ShowPrintDialog(nullptr, {"fig", 1, 1, false}), nullptr);
  EXPECT_EQ(script.shown().at(0).text, "fig");
}

TEST(Printing, AnAbortedJobLeavesNoFileAndPrintsNoMore) {
  const std::string path = TempPdf("kv_abort_");
  std::unique_ptr<Printer> printer = Printer::ToPdfFile(path);
  DC* dc = printer->NextPage();
  ASSERT_NE(dc, nullptr);
  dc->TextOut({100, 100}, "never printed");
  printer->Abort();
  EXPECT_TRUE(printer->Aborted());
  EXPECT_EQ(printer->NextPage(), nullptr);
  EXPECT_FALSE(printer->End());
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Printing, ThePrinterSetUpChoosesPaperAndOrientationOfLaterJobs) {
  ScriptedResponder script;
  PrinterSetup landscape;
  landscape.paper = "A5";
  landscape.landscape = true;
  script.ChoosePrinterSetup(std::nullopt).ChoosePrinterSetup(landscape);
  EXPECT_FALSE(ShowPrinterSetupDialog(nullptr, "Printer set-up"));  // cancelled: as it was
  EXPECT_EQ(CurrentPrinterSetup(), PrinterSetup{});
  EXPECT_TRUE(ShowPrinterSetupDialog(nullptr, "Printer set-up"));
  EXPECT_EQ(CurrentPrinterSetup(), landscape);
  EXPECT_EQ(script.shown().at(1).caption, "A4");  // the set-up it started from
  const std::string path = TempPdf("kv_setup_");
  std::unique_ptr<Printer> printer = Printer::ToPdfFile(path);
  const DeviceCaps caps = printer->Caps();
  EXPECT_GT(caps.widthMm, caps.heightMm);  // A5 across: about 200 by 138 mm printable
  EXPECT_NEAR(caps.heightMm, 138, 12);
  printer.reset();
  std::filesystem::remove(path);
  // Back to the default for the other tests.
  script.ChoosePrinterSetup(PrinterSetup{});
  EXPECT_TRUE(ShowPrinterSetupDialog(nullptr, "Printer set-up"));
}

TEST(Printing, WideDashedPensPrintSolid) {
  const std::string path = TempPdf("kv_pens_");
  std::unique_ptr<Printer> printer = Printer::ToPdfFile(path);
  DC* dc = printer->NextPage();
  ASSERT_NE(dc, nullptr);
  const DeviceCaps caps = printer->Caps();
  dc->SelectPen(Pen{PenStyle::Dash, caps.dpiX / 10, kBlack});
  dc->MoveTo({caps.dpiX, caps.dpiY});
  dc->LineTo({5 * caps.dpiX, caps.dpiY});
  ASSERT_TRUE(printer->End());
  // Rendered at 20 dots per inch, the line's row is black from end to end.
  const std::string ppm = path + "-page";
  ASSERT_EQ(std::system(("pdftoppm -r 20 -gray -singlefile '" + path + "' '" + ppm + "'").c_str()), 0);
  FILE* file = std::fopen((ppm + ".pgm").c_str(), "rb");
  ASSERT_NE(file, nullptr);
  int width = 0, height = 0, maxValue = 0;
  ASSERT_EQ(std::fscanf(file, "P5 %d %d %d", &width, &height, &maxValue), 3);
  std::fgetc(file);
  std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height);
  ASSERT_EQ(std::fread(pixels.data(), 1, pixels.size(), file), pixels.size());
  std::fclose(file);
  std::filesystem::remove(ppm + ".pgm");
  std::filesystem::remove(path);
  // The printable area starts at the page's margin: find the darkest row and count its ink.
  int bestRow = 0, bestInk = -1;
  for (int y = 0; y < height; ++y) {
    int ink = 0;
    for (int x = 0; x < width; ++x) ink += pixels[static_cast<std::size_t>(y) * width + x] < 128;
    if (ink > bestInk) bestInk = ink, bestRow = y;
  }
  int first = -1, last = -1, gaps = 0;
  for (int x = 0; x < width; ++x) {
    const bool ink = pixels[static_cast<std::size_t>(bestRow) * width + x] < 128;
    if (ink && first < 0) first = x;
    if (!ink && first >= 0 && last < 0) last = x;
    if (ink && last >= 0) ++gaps;
  }
  EXPECT_GE(bestInk, 70);  // four inches at 20 dots per inch
  EXPECT_EQ(gaps, 0) << "a dashed wide pen printed with gaps";
}

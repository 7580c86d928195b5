#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
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

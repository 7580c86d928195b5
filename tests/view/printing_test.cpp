// Printing a graphics window to a PDF file through the print dialog, Simulprint, and the page
// geometry: where the picture lands is checked in the PDF as a PDF reader renders it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "export_readers.h"
#include "kernel/file_bytes.h"
#include "kind_window.h"
#include "platform/application.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"
#include "shell/counted_text.h"
#include "support/isolated_folders.h"
#include "view/dc_figure_painter.h"
#include "view/print_layout.h"
#include "view/qel_wing.h"

using namespace view;
using platform::IDOK;
using platform::ScriptedResponder;
using export_test::RunTool;
using export_test::ToolRun;

namespace {

// A plane window of the test kind whose picture is the view box filled black; it records what
// each printed pass saw.
class PrintWindow : public TQELWing {
 public:
  PrintWindow(int width, int height) : TQELWing(nullptr, "noname") {
    qelWin.fileKind = kTestKind;
    fileMsg.filters = "test figures|*.kvt";
    Create();
    Show();
    SetClientSize(width, height);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
  }

  struct Pass {
    std::string file;
    int background;
    bool printing;
    ViewMapping mapping;
  };
  std::vector<Pass> passes;
  bool failPicture = false;
  int clears = 0;

  void ClearFigure() override { ++clears; }
  bool IsModified() override { return fileMsg.modified != 0; }
  // A file read whole replaces the figure; one that cannot be read leaves it.
  int ReadData() override {
    if (OpenFileForLoad() < 1) return shell::kIncompatibleVersions;
    ClearFigure();
    return 0;
  }
  bool PaintPicture(platform::DC& dc) override {
    passes.push_back({fileMsg.fileName, preWin.roles[0], qelWin.printing != 0, mapping});
    if (failPicture) return false;
    DcFigurePainter painter(dc, mapping, DcRules());
    painter.SetPen({InkColor::Value(0), 1, kLineSolid});
    painter.SetBrush({true, InkColor::Value(0), 0});
    painter.Rectangle({mapping.box.xmin, mapping.box.ymax}, {mapping.box.xmax, mapping.box.ymin});
    return true;
  }
};

// The box of the dark pixels of the first page rendered at `dpi`, in pixels from the paper's
// top-left corner; empty when the page has none or cannot be read.
platform::Rect DarkBox(const std::string& pdf, int dpi) {
  const std::string base = pdf + "-page";
  if (RunTool("pdftoppm -r " + std::to_string(dpi) + " -gray -singlefile '" + pdf + "' '" + base + "'").status != 0)
    return {};
  const std::optional<kernel::Bytes> pgm = kernel::ReadFileBytes(base + ".pgm");
  std::filesystem::remove(base + ".pgm");
  if (!pgm) return {};
  int width = 0, height = 0, maxValue = 0, offset = 0;
  const std::string head(pgm->begin(), pgm->begin() + std::min<std::size_t>(pgm->size(), 64));
  if (std::sscanf(head.c_str(), "P5 %d %d %d%n", &width, &height, &maxValue, &offset) != 3) return {};
  ++offset;  // the single white space after the header
  platform::Rect box{width, height, -1, -1};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((*pgm)[offset + static_cast<std::size_t>(y) * width + x] < 128) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
  return box.right < 0 ? platform::Rect{} : box;
}

class Printing : public IsolatedFolders {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  ScriptedResponder& PrintTo(ScriptedResponder& script, const std::string& pdf) {
    platform::PrintDialogAnswer answer;
    answer.pdfFile = pdf;
    return script.ChoosePrinter(answer);
  }
  // A figure file of the test kind.
  std::string WriteFigure(const std::string& name) {
    KindWindow w;
    w.fileMsg.placement = {20, 30, 300, 200, 0};
    kernel::ByteWriter out;
    w.WriteCommonBlock(out, kTestKind);
    shell::WriteCountedText(out, "");
    const std::string path = Path(name);
    EXPECT_TRUE(kernel::WriteFileAtomically(path, out.bytes()));
    return path;
  }
};

TEST_F(Printing, ThePictureLandsAtTheMarginsWithThePrintWidthAndTheScreensShape) {
  PrintWindow w(400, 300);
  w.printFormat.horizontalOffset = 1.5;
  w.printFormat.verticalOffset = 2;
  w.printFormat.width = 3;
  w.preWin.roles[0] = 7;
  const std::string pdf = Path("page.pdf");
  ScriptedResponder script;
  PrintTo(script, pdf);
  w.DispatchCommand(kCmdPrint);
  EXPECT_TRUE(script.Unexpected().empty());

  ToolRun info = RunTool("pdfinfo '" + pdf + "'");
  ASSERT_EQ(info.status, 0) << info.output;
  EXPECT_TRUE(std::regex_search(info.output, std::regex("Pages: +1\n"))) << info.output;
  EXPECT_TRUE(std::regex_search(info.output, std::regex("Page size: +595(\\.\\d+)? x 84[12]"))) << info.output;
  // At 100 dots per inch: 1.5 and 2 inches in, 3 inches wide, as high as the 4:3 screen picture.
  const platform::Rect box = DarkBox(pdf, 100);
  EXPECT_NEAR(box.left, 150, 2);
  EXPECT_NEAR(box.top, 200, 2);
  EXPECT_NEAR(box.right - box.left, 300, 2);
  EXPECT_NEAR(box.bottom - box.top, 225, 2);

  // The pass drew for the printer, on the background role 1; afterwards the screen is back.
  ASSERT_EQ(w.passes.size(), 1u);
  EXPECT_TRUE(w.passes[0].printing);
  EXPECT_EQ(w.passes[0].background, 1);
  EXPECT_TRUE(w.passes[0].mapping.printing);
  EXPECT_GT(w.passes[0].mapping.offsetX, 0);
  EXPECT_GT(w.passes[0].mapping.width, 400);
  EXPECT_EQ(w.preWin.roles[0], 7);
  EXPECT_EQ(w.qelWin.printing, 0);
  EXPECT_FALSE(w.mapping.printing);
  EXPECT_EQ(w.mapping.offsetX, 0);
  EXPECT_EQ(w.mapping.width, w.ClientWidth());
  EXPECT_EQ(w.mapping.height, w.ClientHeight());
  EXPECT_EQ(w.XToScreen(w.mapping.box.xmax), w.ClientWidth() - 1);
}

TEST_F(Printing, AFailedPictureOrACancelPrintsNothingAndRestoresTheWindow) {
  PrintWindow w(200, 200);
  w.preWin.roles[0] = 9;
  w.failPicture = true;
  const std::string pdf = Path("failed.pdf");
  {
    ScriptedResponder script;
    PrintTo(script, pdf);
    w.DispatchCommand(kCmdPrint);
    EXPECT_TRUE(script.Unexpected().empty());  // an abandoned job is no fault to report
  }
  EXPECT_EQ(w.passes.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  {
    ScriptedResponder script;
    script.ChoosePrinter(std::nullopt);
    w.DispatchCommand(kCmdPrint);
  }
  EXPECT_EQ(w.passes.size(), 1u);
  for (const int role : {w.preWin.roles[0]}) EXPECT_EQ(role, 9);
  EXPECT_EQ(w.qelWin.printing, 0);
  EXPECT_FALSE(w.mapping.printing);
  EXPECT_EQ(w.mapping.width, w.ClientWidth());
}

TEST(PrintLayout, PlacementOnThePage) {
  platform::DeviceCaps page;
  page.dpiX = 600;
  page.dpiY = 300;
  page.physicalOffsetX = 50;
  page.physicalOffsetY = 20;
  struct Case {
    kernel::Real width;
    int screenWidth, screenHeight;
    PrintPlacement expected;
  };
  const Case cases[] = {
      {3, 400, 300, {550, 280, 1800, 675, 4.5}},
      // Narrower than a quarter inch prints a quarter inch wide.
      {0.1L, 400, 400, {550, 280, 150, 75, 0.375}},
      {0.25L, 100, 200, {550, 280, 150, 150, 1.5}},
  };
  for (const Case& c : cases) {
    const PrintPlacement p = PlacePrintedPicture(page, 1, 1, c.width, c.screenWidth, c.screenHeight);
    EXPECT_EQ(p.x, c.expected.x) << c.width;
    EXPECT_EQ(p.y, c.expected.y) << c.width;
    EXPECT_EQ(p.width, c.expected.width) << c.width;
    EXPECT_EQ(p.height, c.expected.height) << c.width;
    EXPECT_NEAR(static_cast<double>(p.scale), static_cast<double>(c.expected.scale), 1e-12) << c.width;
  }
  // The print width when positive, else the world width at the print scale, whatever its sign.
  EXPECT_EQ(PrintedWidth(3, -1 / 2.54L, 10), 3);
  EXPECT_EQ(PrintedWidth(-3, 0.5L, 10), 5);
  EXPECT_EQ(PrintedWidth(0, -0.5L, 10), 5);
}

TEST_F(Printing, SimulprintCountsOutsideOneToTwelveAreOutOfBounds) {
  PrintWindow w(200, 200);
  for (const char* typed : {"0", "13", "-1", "x"}) {
    ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, typed}}, IDOK).AnswerMessage(IDOK);
    w.DispatchCommand(kCmdSimulprint);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"out of bounds"}) << typed;
    EXPECT_TRUE(script.Unexpected().empty()) << typed;
  }
  EXPECT_EQ(SimulprintCount("12"), 12);
  EXPECT_EQ(SimulprintCount("1"), 1);
  EXPECT_TRUE(w.passes.empty());
}

TEST_F(Printing, SimulprintPrintsTheFilesChosenBeforeACancelOnOnePage) {
  const std::vector<std::string> files = {WriteFigure("a.kvt"), WriteFigure("b.kvt"), WriteFigure("c.kvt")};
  PrintWindow w(300, 200);
  w.fileMsg.fileName = "noname";
  w.printFormat.verticalOffset = 1;
  const std::string pdf = Path("simul.pdf");
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "12"}}, IDOK);
  for (const std::string& f : files) script.ChooseFile(f);
  script.ChooseFile(std::nullopt);
  PrintTo(script, pdf);
  w.DispatchCommand(kCmdSimulprint);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_TRUE(script.Finished());

  ASSERT_EQ(w.passes.size(), 3u);
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(w.passes[i].file, files[i]);
    EXPECT_EQ(w.passes[i].background, 1);
  }
  ToolRun info = RunTool("pdfinfo '" + pdf + "'");
  EXPECT_TRUE(std::regex_search(info.output, std::regex("Pages: +1\n"))) << info.output;
  // Each picture at the same place: one box, 3 inches wide, 1 inch from the top.
  const platform::Rect box = DarkBox(pdf, 72);
  EXPECT_NEAR(box.left, 72, 2);
  EXPECT_NEAR(box.top, 72, 2);
  EXPECT_NEAR(box.right - box.left, 216, 2);

  // A window that had no file comes back empty, unnamed and showing.
  EXPECT_EQ(w.fileMsg.fileName, "noname");
  EXPECT_EQ(w.fileMsg.named, 0);
  EXPECT_EQ(w.fileMsg.modified, 0);
  EXPECT_EQ(w.qelWin.simulprint, 0);
  EXPECT_TRUE(w.IsVisible());
  EXPECT_GE(w.clears, 4);
}

TEST_F(Printing, SimulprintOfAWindowWithAFileReadsItsFileAgain) {
  const std::string own = WriteFigure("own.kvt");
  const std::string other = WriteFigure("other.kvt");
  PrintWindow w(300, 200);
  w.fileMsg.fileName = own;
  ASSERT_EQ(w.LoadFile(), 0);
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "1"}}, IDOK).ChooseFile(other);
  PrintTo(script, Path("one.pdf"));
  w.DispatchCommand(kCmdSimulprint);
  EXPECT_TRUE(script.Unexpected().empty());
  ASSERT_EQ(w.passes.size(), 1u);
  EXPECT_EQ(w.passes[0].file, other);
  EXPECT_EQ(w.fileMsg.fileName, own);
  EXPECT_EQ(w.fileMsg.named, 1);
  EXPECT_TRUE(w.IsVisible());
}

}  // namespace

namespace {

TEST(PrinterServices, FontsScaleForTheDeviceAndComeBack) {
  TQELWin w(nullptr, "fonts");
  w.fontWin.pointSizes[0] = 12;
  w.fontWin.pointSizes[3] = -10;  // a negative size counts by its size
  w.fontWin.fonts[0].height = -16;
  const shell::FontTable before = w.fontWin.fonts;
  w.ScaleFonts(true, 600);
  EXPECT_EQ(w.fontWin.fonts[0].height, -100);
  EXPECT_EQ(w.fontWin.fonts[3].height, -83);
  w.ScaleFonts(false, 600);
  EXPECT_EQ(w.fontWin.fonts, before);
  EXPECT_FALSE(w.fontWin.savedFonts);

  // The printer scale follows the device the picture is drawn on.
  platform::Bitmap page(2 * platform::FrameWindow::ScreenRect().width, 10);
  const std::unique_ptr<platform::DC> dc = page.CreateDC();
  w.SetPrinterScale(*dc);
  EXPECT_EQ(w.qelWin.deviceDpi, dc->GetDeviceCaps().dpiY);
  EXPECT_EQ(w.qelWin.deviceFactor, 2);
  w.UpdateClientArea();
  EXPECT_EQ(w.qelWin.deviceFactor, 1);
}

}  // namespace

namespace {

TEST_F(Printing, SimulprintOfOnlyDamagedFilesLeavesTheWindowsFigureAsItWas) {
  const std::string damaged = Path("damaged.kvt");
  ASSERT_TRUE(kernel::WriteFileAtomically(damaged, kernel::Bytes{1, 2, 3}));
  for (const bool named : {false, true}) {
    PrintWindow w(300, 200);
    const std::string own = WriteFigure("own.kvt");
    w.fileMsg.fileName = named ? own : "noname";
    if (named) {
      ASSERT_EQ(w.LoadFile(), 0);
    }
    const int clearsBefore = w.clears;
    ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, "1"}}, IDOK).ChooseFile(damaged);
    PrintTo(script, Path("damaged.pdf")).AnswerMessage(IDOK);
    w.DispatchCommand(kCmdSimulprint);
    EXPECT_EQ(script.Unexpected(), std::vector<std::string>{}) << named;
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"incompatible versions!"}) << named;
    // Nothing was cleared or read: the figure, its name and its changes are the window's own.
    EXPECT_EQ(w.clears, clearsBefore) << named;
    EXPECT_EQ(w.fileMsg.fileName, named ? own : "noname");
    EXPECT_EQ(w.fileMsg.named, named ? 1 : 0);
    EXPECT_TRUE(w.IsVisible());
  }
}

TEST_F(Printing, SimulprintOfAWindowWhoseFileWentMeanwhileLeavesAnUnnamedEmptyFigure) {
  const std::string own = WriteFigure("gone.kvt");
  const std::string other = WriteFigure("other.kvt");
  PrintWindow w(300, 200);
  w.fileMsg.fileName = own;
  ASSERT_EQ(w.LoadFile(), 0);
  std::filesystem::remove(own);
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "1"}}, IDOK).ChooseFile(other);
  PrintTo(script, Path("gone.pdf")).AnswerMessage(IDOK);
  w.DispatchCommand(kCmdSimulprint);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot open file"});
  EXPECT_EQ(w.fileMsg.fileName, own);
  EXPECT_EQ(w.fileMsg.named, 0);
  EXPECT_TRUE(w.IsVisible());
}

}  // namespace

namespace {

TEST_F(Printing, TheSelectedPrinterSetUpCarriesOverToTheNextPrint) {
  PrintWindow w(200, 200);
  platform::PrinterSetup landscape;
  landscape.paper = "A5";
  landscape.landscape = true;
  const std::string pdf = Path("a5.pdf");
  {
    ScriptedResponder script;
    script.ChoosePrinterSetup(landscape);
    PrintTo(script, pdf);
    w.DispatchCommand(kCmdSelectPrinter);
    w.DispatchCommand(kCmdPrint);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  const ToolRun info = RunTool("pdfinfo '" + pdf + "'");
  EXPECT_TRUE(std::regex_search(info.output, std::regex("Page size: +595(\\.\\d+)? x 4(19|20)"))) << info.output;
  // Back to the default set-up for the other tests.
  ScriptedResponder script;
  script.ChoosePrinterSetup(platform::PrinterSetup{});
  w.DispatchCommand(kCmdSelectPrinter);
}

}  // namespace

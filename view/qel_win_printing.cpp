// Printing: the print job of a graphics window, its page, and the printer and font scaling that
// the picture code uses while a page is drawn.

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "kernel/file_names.h"
#include "kernel/font_records.h"
#include "kernel/number_text.h"
#include "platform/dc.h"
#include "platform/printing.h"
#include "platform/stored_fonts.h"
#include "shell/message_numbers.h"
#include "view/print_layout.h"
#include "view/qel_printout.h"
#include "view/qel_win.h"

namespace view {

using kernel::Real;

TQELPrintout::TQELPrintout(TQELWin& window, std::string title) : window_(window), title_(std::move(title)) {}

void TQELPrintout::GetDialogInfo(int& minPage, int& maxPage, int& fromPage, int& toPage) const {
  minPage = maxPage = fromPage = toPage = 0;
}

bool TQELPrintout::PrintCurrentPicture(platform::DC& dc, Real widthInches, Real left, Real top) {
  TQELWin& w = window_;
  // The picture's shape on the screen decides its printed height.
  w.UpdateClientArea();
  const PrintPlacement place =
      PlacePrintedPicture(dc.GetDeviceCaps(), left, top, widthInches, w.preWin.width, w.preWin.height);
  w.preWin.roles[0] = 1;  // the background is not printed as a filled area
  w.qelWin.printing = 1;
  w.preWin.originX = place.x;
  w.preWin.originY = place.y;
  w.preWin.width = place.width;
  w.preWin.height = place.height;
  w.qelWin.printerScale = place.scale;
  w.device.printFactor = place.scale;
  w.ResetDeviceState();
  const bool drawn = w.PaintPicture(dc);
  if (drawn) w.DrawFrame(dc);
  w.qelWin.printing = 0;
  return drawn;
}

bool TQELPrintout::PrintPage(int /*page*/, platform::DC& dc) {
  TQELWin& w = window_;
  // Every picture of the page takes the window's width and margins, whatever a print file holds.
  const Real width = w.PictureWidth();
  const Real left = w.printFormat.horizontalOffset;
  const Real top = w.printFormat.verticalOffset;
  const platform::DeviceCaps caps = dc.GetDeviceCaps();
  w.qelWin.printerDpiX = caps.dpiX;
  w.qelWin.printerDpiY = caps.dpiY;
  w.qelWin.printerOffsetX = caps.physicalOffsetX;
  w.qelWin.printerOffsetY = caps.physicalOffsetY;
  if (!w.qelWin.simulprint) return PrintCurrentPicture(dc, width, left, top);
  const int count = std::min(w.qelWin.printFileCount, kPrintFileSlots);
  for (int i = 0; i < count; ++i) {
    const int result = w.ResetDocument(w.qelWin.printFiles[i]);
    if (result != 0) {
      // A file that cannot be read prints nothing rather than what was loaded before it.
      if (loadError_ == 0) loadError_ = result;
      continue;
    }
    ++w.qelWin.printFilesRead;
    if (!PrintCurrentPicture(dc, width, left, top)) return false;
  }
  return true;
}

bool TQELPrintout::Print(platform::Printer& printer) {
  platform::DC* dc = printer.NextPage();
  if (!dc) {
    printer.End();
    return false;
  }
  if (!PrintPage(1, *dc)) {
    printer.Abort();
    return false;
  }
  return printer.End();
}

void TQELWin::PrintPicture() {
  const std::uint16_t background = preWin.roles[0];
  TQELPrintout printout(*this, kernel::FileNamePart(fileMsg.fileName, false));
  platform::PrintDialogRequest request;
  request.documentName = printout.title();
  int minPage = 0, maxPage = 0, fromPage = 0, toPage = 0;
  printout.GetDialogInfo(minPage, maxPage, fromPage, toPage);
  request.allowPageRange = minPage != 0 || maxPage != 0;
  bool failed = false;
  std::string pdfFile;
  if (std::unique_ptr<platform::Printer> printer = platform::ShowPrintDialog(this, request)) {
    pdfFile = printer->choice().pdfFile;
    failed = !printout.Print(*printer) && !printer->Aborted();
  }
  // Back to the screen, however the job ended.
  qelWin.printing = 0;
  device.printFactor = 1;
  preWin.roles[0] = background;
  UpdateClientArea();
  ResetDeviceState();
  // The screen shows its picture again (from the cached levels when they are still valid).
  Invalidate(false);
  if (printout.loadError() != 0) Msg(printout.loadError());
  // A PDF file that could not be written is reported; a printer reports its own faults.
  if (failed && !pdfFile.empty()) Msg(shell::kCannotSaveFile);
}

void TQELWin::SetPrinterScale(const platform::DC& dc) {
  const platform::DeviceCaps caps = dc.GetDeviceCaps();
  qelWin.deviceDpi = caps.dpiY;
  const int screenWidth = ScreenRect().width;
  qelWin.deviceFactor = screenWidth > 0 ? static_cast<Real>(caps.widthPixels) / screenWidth : Real{1};
}

void TQELWin::ScaleFonts(bool begin, int dpi) {
  if (begin) {
    fontWin.savedFonts = fontWin.fonts;
    for (int k = 0; k < kernel::kFontSlotCount; ++k)
      fontWin.fonts[k].height = -kernel::MulDiv(std::abs(fontWin.pointSizes[k]), dpi, 72);
    ComputeGreys();
    return;
  }
  if (fontWin.savedFonts) fontWin.fonts = *fontWin.savedFonts;
  fontWin.savedFonts.reset();
}

int TQELWin::PrintedTextDpi() const {
  return std::max(1, kernel::RoundLD(platform::ScreenDpiY() * qelWin.printerScale));
}

void TQELWin::CmPrint() {
  qelWin.printFileCount = 1;
  qelWin.simulprint = 0;
  PrintPicture();
}

void TQELWin::CmSelectPrinter() { platform::ShowPrinterSetupDialog(this, Caption()); }

}  // namespace view

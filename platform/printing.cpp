#include "platform/printing.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/frame_window_impl.h"
#include "platform/modal_responder.h"
#include "platform/painter_dc.h"
#include "platform/qt_text.h"

namespace platform {

struct Printer::Impl {
  QPrinter printer{QPrinter::HighResolution};
  QPainter painter;
  std::unique_ptr<PainterDC> dc;
  bool started = false;
  bool failed = false;
  bool aborted = false;
};

namespace {

PrinterSetup& SetupInForce() {
  static PrinterSetup setup;
  return setup;
}

QPageSize PaperSize(const std::string& paper) {
  if (paper == "A3") return QPageSize(QPageSize::A3);
  if (paper == "A5") return QPageSize(QPageSize::A5);
  if (paper == "Letter") return QPageSize(QPageSize::Letter);
  if (paper == "Legal") return QPageSize(QPageSize::Legal);
  return QPageSize(QPageSize::A4);
}

std::string PaperName(const QPageSize& size) {
  switch (size.id()) {
    case QPageSize::A3: return "A3";
    case QPageSize::A5: return "A5";
    case QPageSize::Letter: return "Letter";
    case QPageSize::Legal: return "Legal";
    default: return "A4";
  }
}

void ApplySetup(QPrinter& printer, const PrinterSetup& setup, bool toFile) {
  if (!toFile && !setup.printerName.empty()) printer.setPrinterName(QString::fromStdString(setup.printerName));
  printer.setPageSize(PaperSize(setup.paper));
  printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace

const PrinterSetup& CurrentPrinterSetup() { return SetupInForce(); }

bool ShowPrinterSetupDialog(FrameWindow* owner, std::string_view caption) {
  PrinterSetupRequest request;
  request.caption = std::string(caption);
  request.current = SetupInForce();
  if (ModalResponder* responder = CurrentModalResponder()) {
    const std::optional<PrinterSetup> chosen = responder->AnswerPrinterSetup(request);
    if (!chosen) return false;
    SetupInForce() = *chosen;
    return true;
  }
  QPrinter printer(QPrinter::HighResolution);
  ApplySetup(printer, request.current, false);
  QPageSetupDialog dialog(&printer, NativeWidget(owner));
  dialog.setWindowTitle(ToQString(caption));
  if (dialog.exec() != QDialog::Accepted) return false;
  PrinterSetup chosen;
  chosen.printerName = printer.printerName().toStdString();
  chosen.paper = PaperName(printer.pageLayout().pageSize());
  chosen.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  SetupInForce() = chosen;
  return true;
}

Printer::Printer(std::unique_ptr<Impl> impl, PrintDialogAnswer choice)
    : impl_(std::move(impl)), choice_(std::move(choice)) {}

Printer::~Printer() {
  if (impl_->started && impl_->painter.isActive()) End();
}

std::unique_ptr<Printer> Printer::ToPdfFile(const std::string& path) {
  auto impl = std::make_unique<Impl>();
  impl->printer.setOutputFormat(QPrinter::PdfFormat);
  impl->printer.setOutputFileName(PathToQString(path));
  ApplySetup(impl->printer, SetupInForce(), true);
  PrintDialogAnswer choice;
  choice.pdfFile = path;
  return std::unique_ptr<Printer>(new Printer(std::move(impl), choice));
}

bool Printer::PrintsPage(int page) const {
  if (choice_.fromPage <= 0 && choice_.toPage <= 0) return true;
  return page >= choice_.fromPage && (choice_.toPage <= 0 || page <= choice_.toPage);
}

DC* Printer::NextPage() {
  if (impl_->failed || impl_->aborted) return nullptr;
  if (!impl_->started) {
    impl_->started = true;
    if (!impl_->painter.begin(&impl_->printer)) {
      impl_->failed = true;
      return nullptr;
    }
    impl_->dc = std::make_unique<PainterDC>(ShareExternalPainter(impl_->painter), false);
    return impl_->dc.get();
  }
  impl_->dc.reset();
  if (!impl_->printer.newPage()) {
    impl_->failed = true;
    return nullptr;
  }
  impl_->dc = std::make_unique<PainterDC>(ShareExternalPainter(impl_->painter), false);
  return impl_->dc.get();
}

bool Printer::End() {
  impl_->dc.reset();
  if (impl_->painter.isActive()) impl_->failed = !impl_->painter.end() || impl_->failed;
  return impl_->started && !impl_->failed && !impl_->aborted;
}

void Printer::Abort() {
  if (impl_->aborted) return;
  impl_->aborted = true;
  impl_->dc.reset();
  if (impl_->painter.isActive()) {
    impl_->printer.abort();  // a printer's spooled job is cancelled
    impl_->painter.end();
  }
  if (impl_->printer.outputFormat() == QPrinter::PdfFormat && !impl_->printer.outputFileName().isEmpty()) {
    QFile::remove(impl_->printer.outputFileName());
  }
}

bool Printer::Aborted() const { return impl_->aborted; }

DeviceCaps Printer::Caps() const {
  DeviceCaps caps;
  caps.raster = false;
  const QPrinter& p = impl_->printer;
  caps.dpiX = p.logicalDpiX();
  caps.dpiY = p.logicalDpiY();
  caps.widthPixels = p.width();
  caps.heightPixels = p.height();
  caps.widthMm = p.widthMM();
  caps.heightMm = p.heightMM();
  const QRect printable = p.pageLayout().paintRectPixels(caps.dpiX);
  caps.physicalOffsetX = printable.left();
  caps.physicalOffsetY = printable.top();
  return caps;
}

std::unique_ptr<Printer> ShowPrintDialog(FrameWindow* owner, const PrintDialogRequest& request) {
  if (ModalResponder* responder = CurrentModalResponder()) {
    const std::optional<PrintDialogAnswer> answer = responder->AnswerPrintDialog(request);
    if (!answer) return nullptr;
    std::unique_ptr<Printer> printer =
        answer->pdfFile.empty() ? std::unique_ptr<Printer>(new Printer(std::make_unique<Printer::Impl>(), *answer))
                                : Printer::ToPdfFile(answer->pdfFile);
    printer->choice_ = *answer;
    return printer;
  }
  auto impl = std::make_unique<Printer::Impl>();
  ApplySetup(impl->printer, SetupInForce(), false);
  impl->printer.setDocName(ToQString(request.documentName));
  impl->printer.setFromTo(0, 0);
  QPrintDialog dialog(&impl->printer, NativeWidget(owner));
  dialog.setWindowTitle(ToQString(request.documentName));
  dialog.setMinMax(request.minPage, request.maxPage);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.allowPageRange);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  PrintDialogAnswer choice;
  if (impl->printer.outputFormat() == QPrinter::PdfFormat)
    choice.pdfFile = PathFromQString(impl->printer.outputFileName());
  if (impl->printer.printRange() == QPrinter::PageRange) {
    choice.fromPage = impl->printer.fromPage();
    choice.toPage = impl->printer.toPage();
  }
  choice.copies = impl->printer.copyCount();
  return std::unique_ptr<Printer>(new Printer(std::move(impl), choice));
}

}  // namespace platform

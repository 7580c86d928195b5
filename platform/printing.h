#pragma once
// Printing: the standard print dialog gives a configured printer; the program draws each page
// through a DC with the printer's own resolution and printable area. Tests (and a user who
// chooses so) print to a PDF file.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dc.h"
#include "platform/modal_responder.h"

namespace platform {

class FrameWindow;

class Printer {
 public:
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // A printer that writes a PDF file, on the paper and in the orientation of the printer set-up
  // (A4 portrait unless it was changed).
  static std::unique_ptr<Printer> ToPdfFile(const std::string& path);

  const PrintDialogAnswer& choice() const { return choice_; }
  bool PrintsPage(int page) const;  // within the chosen range

  // Starts the document, or the next page; the DC is valid until the next call or End.
  // Null when the printer cannot start.
  DC* NextPage();
  // Finishes the document; false when printing failed or was aborted.
  bool End();
  // Abandons the job: nothing more is printed, the pages so far are dropped (a PDF file is not
  // left behind), and NextPage gives no more pages.
  void Abort();
  bool Aborted() const;
  DeviceCaps Caps() const;

 private:
  struct Impl;
  explicit Printer(std::unique_ptr<Impl> impl, PrintDialogAnswer choice);
  friend std::unique_ptr<Printer> ShowPrintDialog(FrameWindow*, const PrintDialogRequest&);
  std::unique_ptr<Impl> impl_;
  PrintDialogAnswer choice_;
};

// The standard print dialog; none when the user cancels. The printer starts from the set-up the
// printer set-up dialog chose.
std::unique_ptr<Printer> ShowPrintDialog(FrameWindow* owner, const PrintDialogRequest& request);

// The printer set-up dialog: the printer, paper and orientation of the next print jobs. False for
// Cancel, which keeps the set-up as it was.
bool ShowPrinterSetupDialog(FrameWindow* owner, std::string_view caption);
const PrinterSetup& CurrentPrinterSetup();

}  // namespace platform

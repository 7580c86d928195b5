#pragma once
// Printing: the standard print dialog gives a configured printer; the program draws each page
// through a DC with the printer's own resolution and printable area. Tests (and a user who
// chooses so) print to a PDF file.

#include <memory>
#include <optional>
#include <string>

#include "platform/dc.h"
#include "platform/modal_responder.h"

namespace platform {

class FrameWindow;

class Printer {
 public:
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // A printer that writes a PDF file (A4, portrait).
  static std::unique_ptr<Printer> ToPdfFile(const std::string& path);

  const PrintDialogAnswer& choice() const { return choice_; }
  bool PrintsPage(int page) const;  // within the chosen range

  // Starts the document, or the next page; the DC is valid until the next call or End.
  // Null when the printer cannot start.
  DC* NextPage();
  // Finishes the document; false when printing failed.
  bool End();
  DeviceCaps Caps() const;

 private:
  struct Impl;
  explicit Printer(std::unique_ptr<Impl> impl, PrintDialogAnswer choice);
  friend std::unique_ptr<Printer> ShowPrintDialog(FrameWindow*, const PrintDialogRequest&);
  std::unique_ptr<Impl> impl_;
  PrintDialogAnswer choice_;
};

// The standard print dialog; none when the user cancels.
std::unique_ptr<Printer> ShowPrintDialog(FrameWindow* owner, const PrintDialogRequest& request);

}  // namespace platform

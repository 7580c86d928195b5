#pragma once
// Every modal interaction of the program (message boxes, modal dialogs, file, print and font
// dialogs) passes through here. Normally the user answers on screen; a test installs a responder
// that answers instead and sees what was shown, so every command runs headless.

#include <optional>
#include <string>

#include "platform/drawing_types.h"

namespace platform {

class Dialog;
class ModalLoop;

enum DialogResult : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

enum class MessageButtons { Ok, YesNo, YesNoCancel };

struct MessageBoxRequest {
  std::string text;     // program text
  std::string caption;  // program text
  MessageButtons buttons = MessageButtons::Ok;
};

struct FileDialogRequest {
  bool save = false;
  std::string title;
  // "description|pattern|description|pattern", patterns such as "*.kv2" or "*.txt;*.asc";
  // matching ignores letter case.
  std::string filters;
  int filterIndex = 1;         // 1-based filter shown first
  std::string initialPath;     // folder or file name to start at
  std::string defaultExtension;  // without dot; added to a typed name that has none
};

struct PrintDialogRequest {
  std::string documentName;
  int minPage = 1, maxPage = 1;  // pages the document has; the user may choose a range within
  bool allowPageRange = false;
};

// What the user chose in the print dialog.
struct PrintDialogAnswer {
  std::string pdfFile;           // print into this PDF file instead of a printer; empty: the chosen printer
  int fromPage = 0, toPage = 0;  // 0, 0: all pages
  int copies = 1;
};

// The printer, paper and orientation print jobs use, as the printer set-up dialog chooses them.
struct PrinterSetup {
  std::string printerName;  // empty: the system's default printer
  std::string paper = "A4";  // A3, A4, A5, Letter or Legal
  bool landscape = false;
  friend bool operator==(const PrinterSetup&, const PrinterSetup&) = default;
};

struct PrinterSetupRequest {
  std::string caption;
  PrinterSetup current;
};

struct FontDialogRequest {
  std::string caption;  // program text
  FontSpec font;
  int pointTenths = 100;  // the size in tenths of a point
  Color color = kBlack;
  bool strikeOut = false;
  // Offer colour, underline and strike-out.
  bool effects = false;
};

// What the user chose in the font dialog.
struct FontChoice {
  FontSpec font;  // its height for the screen's dots per inch
  int pointTenths = 100;
  Color color = kBlack;
  bool strikeOut = false;
};

class ModalResponder {
 public:
  virtual ~ModalResponder() = default;
  // Returns IDOK, IDYES, IDNO or IDCANCEL.
  virtual int AnswerMessageBox(const MessageBoxRequest& request) = 0;
  // The dialog has been set up; the responder fills its controls and presses its buttons through
  // the dialog's public operations. A dialog still open afterwards ends with IDCANCEL.
  virtual void DriveDialog(Dialog& dialog) = 0;
  // The chosen path, or none for Cancel.
  virtual std::optional<std::string> AnswerFileDialog(const FileDialogRequest& request) = 0;
  // A modal loop of a window has started: the responder feeds it input through its Feed*
  // operations and ends it. A loop left running ends with ModalLoop::kNotEnded.
  virtual void DriveLoop(ModalLoop& /*loop*/) {}
  // The print dialog: what was chosen, or none for Cancel (the default).
  virtual std::optional<PrintDialogAnswer> AnswerPrintDialog(const PrintDialogRequest& /*request*/) {
    return std::nullopt;
  }
  // The printer set-up dialog: the new set-up, or none for Cancel (the default).
  virtual std::optional<PrinterSetup> AnswerPrinterSetup(const PrinterSetupRequest& /*request*/) {
    return std::nullopt;
  }
  // The chosen font, or none for Cancel (the default).
  virtual std::optional<FontChoice> AnswerFontDialog(const FontDialogRequest& /*request*/) { return std::nullopt; }
};

// Installs a responder (none restores the user); returns the previous one.
ModalResponder* SetModalResponder(ModalResponder* responder);
ModalResponder* CurrentModalResponder();

}  // namespace platform

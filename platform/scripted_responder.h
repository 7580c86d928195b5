#pragma once
// A responder that answers modal interactions from a script, for tests: each interaction takes the
// next step of the script, and everything shown is recorded. An interaction with no step left, or
// whose step is of another kind, is recorded as unexpected and cancelled.
//
//   ScriptedResponder script;                       // installed while it lives
//   script.FillAndPress("ONEINPUT", {{211, "AB"}}, 1).AnswerMessage(IDYES);
//   window.DispatchCommand(...);
//   EXPECT_TRUE(script.Unexpected().empty());

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/modal_loop.h"
#include "platform/modal_responder.h"

namespace platform {

class ScriptedResponder : public ModalResponder {
 public:
  struct Shown {
    enum class Kind { Message, Dialog, File, Loop, Print, Font, PrinterSetup };
    Kind kind;
    std::string text;     // message text, dialog template name, file dialog title
    std::string caption;  // message caption, dialog caption, file dialog filters, font face
    std::string path = {};  // the name a file dialog offered
  };

  ScriptedResponder();
  ~ScriptedResponder() override;

  ScriptedResponder& AnswerMessage(int answer);
  ScriptedResponder& OnDialog(std::string templateName, std::function<void(Dialog&)> drive);
  // Sets the edits (or any control's text), then presses `button`.
  ScriptedResponder& FillAndPress(std::string templateName, std::map<int, std::string> texts, int button);
  ScriptedResponder& ChooseFile(std::optional<std::string> path);
  // Drives the next modal loop: feeds it input and ends it.
  ScriptedResponder& OnLoop(std::function<void(ModalLoop&)> drive);
  // Answers the print dialog (none: Cancel).
  ScriptedResponder& ChoosePrinter(std::optional<PrintDialogAnswer> answer);
  // Answers the printer set-up dialog (none: Cancel).
  ScriptedResponder& ChoosePrinterSetup(std::optional<PrinterSetup> setup);
  // Answers the font dialog with this choice (none: Cancel).
  ScriptedResponder& ChooseFont(std::optional<FontChoice> choice);

  const std::vector<Shown>& shown() const { return shown_; }
  const std::vector<std::string>& Unexpected() const { return unexpected_; }
  bool Finished() const { return steps_.empty(); }
  // The texts of the message boxes shown so far, in order.
  std::vector<std::string> Messages() const;

  int AnswerMessageBox(const MessageBoxRequest& request) override;
  void DriveDialog(Dialog& dialog) override;
  std::optional<std::string> AnswerFileDialog(const FileDialogRequest& request) override;
  std::optional<PrintDialogAnswer> AnswerPrintDialog(const PrintDialogRequest& request) override;
  void DriveLoop(ModalLoop& loop) override;
  std::optional<FontChoice> AnswerFontDialog(const FontDialogRequest& request) override;
  std::optional<PrinterSetup> AnswerPrinterSetup(const PrinterSetupRequest& request) override;

 private:
  struct Step {
    Shown::Kind kind = Shown::Kind::Message;
    int answer = 0;
    std::string templateName;
    std::function<void(Dialog&)> drive;
    std::function<void(ModalLoop&)> driveLoop;
    std::optional<std::string> path;
    std::optional<PrintDialogAnswer> print;
    std::optional<FontChoice> font;
    std::optional<PrinterSetup> setup;
  };
  std::optional<Step> Next(Shown::Kind kind, const std::string& what);

  std::vector<Step> steps_;
  std::vector<Shown> shown_;
  std::vector<std::string> unexpected_;
  ModalResponder* previous_;
};

}  // namespace platform

#include "platform/scripted_responder.h"

namespace platform {

ScriptedResponder::ScriptedResponder() : previous_(SetModalResponder(this)) {}

ScriptedResponder::~ScriptedResponder() { SetModalResponder(previous_); }

ScriptedResponder& ScriptedResponder::AnswerMessage(int answer) {
  Step step;
  step.kind = Shown::Kind::Message;
  step.answer = answer;
  steps_.push_back(std::move(step));
  return *this;
}

ScriptedResponder& ScriptedResponder::OnDialog(std::string templateName, std::function<void(Dialog&)> drive) {
  Step step;
  step.kind = Shown::Kind::Dialog;
  step.templateName = std::move(templateName);
  step.drive = std::move(drive);
  steps_.push_back(std::move(step));
  return *this;
}

ScriptedResponder& ScriptedResponder::FillAndPress(std::string templateName, std::map<int, std::string> texts,
                                                   int button) {
  return OnDialog(std::move(templateName), [texts = std::move(texts), button](Dialog& dialog) {
    for (const auto& [id, text] : texts) dialog.SetItemText(id, text);
    dialog.PressButton(button);
  });
}

ScriptedResponder& ScriptedResponder::ChooseFile(std::optional<std::string> path) {
  Step step;
  step.kind = Shown::Kind::File;
  step.path = std::move(path);
  steps_.push_back(std::move(step));
  return *this;
}

ScriptedResponder& ScriptedResponder::ChoosePrinter(std::optional<PrintDialogAnswer> answer) {
  Step step;
  step.kind = Shown::Kind::Print;
  step.print = std::move(answer);
  steps_.push_back(std::move(step));
  return *this;
}

ScriptedResponder& ScriptedResponder::ChooseFont(std::optional<FontChoice> choice) {
  Step step;
  step.kind = Shown::Kind::Font;
  step.font = std::move(choice);
  steps_.push_back(std::move(step));
  return *this;
}

ScriptedResponder& ScriptedResponder::OnLoop(std::function<void(ModalLoop&)> drive) {
  Step step;
  step.kind = Shown::Kind::Loop;
  step.driveLoop = std::move(drive);
  steps_.push_back(std::move(step));
  return *this;
}

std::vector<std::string> ScriptedResponder::Messages() const {
  std::vector<std::string> texts;
  for (const Shown& s : shown_)
    if (s.kind == Shown::Kind::Message) texts.push_back(s.text);
  return texts;
}

std::optional<ScriptedResponder::Step> ScriptedResponder::Next(Shown::Kind kind, const std::string& what) {
  if (steps_.empty() || steps_.front().kind != kind) {
    unexpected_.push_back(what);
    return std::nullopt;
  }
  Step step = std::move(steps_.front());
  steps_.erase(steps_.begin());
  return step;
}

int ScriptedResponder::AnswerMessageBox(const MessageBoxRequest& request) {
  shown_.push_back({Shown::Kind::Message, request.text, request.caption});
  const auto step = Next(Shown::Kind::Message, "message: " + request.text);
  if (!step) return request.buttons == MessageButtons::Ok ? IDOK : IDCANCEL;
  return step->answer;
}

void ScriptedResponder::DriveDialog(Dialog& dialog) {
  shown_.push_back({Shown::Kind::Dialog, dialog.templateName(), dialog.Caption()});
  auto step = Next(Shown::Kind::Dialog, "dialog: " + dialog.templateName());
  if (!step) return;
  if (step->templateName != dialog.templateName()) {
    unexpected_.push_back("dialog: " + dialog.templateName() + " instead of " + step->templateName);
    return;
  }
  if (step->drive) step->drive(dialog);
}

std::optional<std::string> ScriptedResponder::AnswerFileDialog(const FileDialogRequest& request) {
  shown_.push_back({Shown::Kind::File, request.title, request.filters, request.initialPath});
  const auto step = Next(Shown::Kind::File, "file dialog: " + request.title);
  if (!step) return std::nullopt;
  return step->path;
}

std::optional<PrintDialogAnswer> ScriptedResponder::AnswerPrintDialog(const PrintDialogRequest& request) {
  shown_.push_back({Shown::Kind::Print, request.documentName, {}});
  const auto step = Next(Shown::Kind::Print, "print dialog: " + request.documentName);
  if (!step) return std::nullopt;
  return step->print;
}

ScriptedResponder& ScriptedResponder::ChoosePrinterSetup(std::optional<PrinterSetup> setup) {
  Step step;
  step.kind = Shown::Kind::PrinterSetup;
  step.setup = std::move(setup);
  steps_.push_back(std::move(step));
  return *this;
}

std::optional<PrinterSetup> ScriptedResponder::AnswerPrinterSetup(const PrinterSetupRequest& request) {
  shown_.push_back({Shown::Kind::PrinterSetup, request.caption, request.current.paper});
  const auto step = Next(Shown::Kind::PrinterSetup, "printer set-up: " + request.caption);
  if (!step) return std::nullopt;
  return step->setup;
}

std::optional<FontChoice> ScriptedResponder::AnswerFontDialog(const FontDialogRequest& request) {
  shown_.push_back({Shown::Kind::Font, request.caption, request.font.face});
  const auto step = Next(Shown::Kind::Font, "font dialog: " + request.caption);
  if (!step) return std::nullopt;
  return step->font;
}

void ScriptedResponder::DriveLoop(ModalLoop& loop) {
  shown_.push_back({Shown::Kind::Loop, loop.window().Caption(), {}});
  const auto step = Next(Shown::Kind::Loop, "modal loop: " + loop.window().Caption());
  if (step && step->driveLoop) step->driveLoop(loop);
}

}  // namespace platform

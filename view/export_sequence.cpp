#include "view/export_sequence.h"

#include "kernel/file_names.h"
#include "platform/file_dialogs.h"
#include "platform/key_poll.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"
#include "view/qel_wing.h"

namespace view {

namespace {

constexpr int kUntitledExportString = 29;  // "noname", what an export kind starts with

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The running state names the export for as long as it lives.
class RunningExport {
 public:
  RunningExport(ExportSettings& exports, ExportKind kind) : exports_(exports) { exports_.running = kind; }
  ~RunningExport() { exports_.running = ExportKind::None; }
  RunningExport(const RunningExport&) = delete;
  RunningExport& operator=(const RunningExport&) = delete;

 private:
  ExportSettings& exports_;
};

// Writes one frame file; false when the user refused to overwrite it or it could not be written
// whole (an old file of that name then stays as it was).
bool WriteFrame(TQELWing& window, ExportFormat& format, const ExportRun& run, int frame) {
  const std::string name = FrameFileName(run.basePath, frame, run.frames, format.Extension());
  if (!window.ConfirmOverwrite(name)) return false;
  FileOutput output(name);
  if (!output.IsOpen()) return false;
  std::unique_ptr<ExportPainter> painter = format.MakePainter(window, run, frame, output);
  if (!painter) return false;
  painter->BeginPicture();
  bool drawn = false;
  {
    RunningExport running(window.exports, format.Kind());
    const ExportFrame at{format.Kind(), frame, run.frames};
    window.PrepareExportFrame(at);
    drawn = window.ExportPicture(*painter, at);
  }
  painter->EndPicture();
  painter.reset();
  return drawn && output.Commit();
}

// The caption status "press Q to quit".
constexpr int kQuitStatus = 1;

// Whether a key press waiting for the window asks to stop: Q or one of its accelerator keys.
bool QuitPressed(TQELWing& window) {
  while (const std::optional<platform::PolledKey> key = platform::TakePendingKey(&window)) {
    if (key->accelerator || key->key.key == 'Q') return true;
  }
  return false;
}

// Until the user has chosen a name for an export of this kind, the figure's own name (its path
// without the extension) is offered.
std::string ProposedExportBase(const std::string& remembered, const std::string& figureFile) {
  if (!remembered.empty() && remembered != resources::LoadString(kUntitledExportString)) return remembered;
  if (figureFile.empty()) return remembered;
  return kernel::ReplaceExtension(figureFile, "");
}

}  // namespace

std::optional<std::string> ExportBaseName(std::string_view chosen, std::string_view extension) {
  const std::size_t tail = extension.size() + 1;
  const std::string name = kernel::FileNamePart(chosen, false);
  if (name.size() <= tail) return std::nullopt;
  const std::string_view end = chosen.substr(chosen.size() - tail);
  if (end[0] != '.') return std::nullopt;
  for (std::size_t i = 0; i < extension.size(); ++i)
    if (Lower(end[i + 1]) != Lower(extension[i])) return std::nullopt;
  return std::string(chosen.substr(0, chosen.size() - tail));
}

bool RunExport(TQELWing& window, ExportFormat& format) {
  const ExportKind kind = format.Kind();
  std::string& remembered = window.exports.basePaths[KindIndex(kind)];
  const std::string extension = format.Extension();

  platform::FileDialogRequest request;
  request.filters = format.Filters();
  request.initialPath = ProposedExportBase(remembered, window.fileMsg.fileName) + "." + extension;
  request.defaultExtension = extension;
  const std::optional<std::string> chosen = platform::GetSaveFileName(&window, request);
  if (!chosen) return false;
  const std::optional<std::string> base = ExportBaseName(*chosen, extension);
  remembered = base ? *base : *chosen;
  if (!base) return false;
  window.ExportFileChosen(kind);

  ExportRun run{*base, 1};
  if (!format.AskOptions(window, run)) return false;
  if (run.frames < 1) run.frames = 1;
  if (!window.PrepareExport(kind)) return false;

  // An animation shows "press Q to quit" and stops after the frame during which Q (or an
  // accelerator key) was pressed; the frames written stay, without a list.
  const bool animated = run.frames > 1;
  if (animated) window.CaptionStatus(kQuitStatus);
  bool written = true;
  bool stopped = false;
  for (int frame = 0; frame < run.frames && written && !stopped; ++frame) {
    written = WriteFrame(window, format, run, frame);
    if (animated && frame + 1 < run.frames) stopped = QuitPressed(window);
  }
  window.FinishExport(kind);
  if (written && !stopped && animated && format.List() != AnimationList::None &&
      !WriteAnimationList(run.basePath, run.frames, format.List()))
    window.Msg(shell::kCannotSaveFile, AnimationListPath(run.basePath, format.List()));

  window.UpdateCaption(false);
  if (!written) {
    window.Msg(shell::kCannotSaveFile);
    return false;
  }
  std::string shown = run.basePath;
  window.ShowSavedMessage(format.SavedStringId(), shown);
  remembered = kernel::FileNamePart(run.basePath, false);
  return true;
}

}  // namespace view

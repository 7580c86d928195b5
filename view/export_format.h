#pragma once
// An export format as the export sequence sees it. A format plugs in with:
//   - its kind, the extension of its files (lower case, no dot) and the file dialog's filter text;
//   - the string shown when the export succeeded, and the animation list its frames get;
//   - AskOptions, its options dialog, run after the file has been chosen (false cancels);
//   - MakePainter, the factory of the painter that writes one frame file.
// One format object serves one run of the export, so it may keep what its dialog chose for the
// painters it makes. The table of the export commands (export_formats.h) makes them.

#include <memory>
#include <string>

#include "view/animation_lists.h"
#include "view/export_output.h"
#include "view/export_painter.h"
#include "view/export_settings.h"

namespace view {

class TQELWing;

// What the sequence knows of a run: the chosen file without its extension, and the frame count.
struct ExportRun {
  std::string basePath;
  int frames = 1;
};

class ExportFormat {
 public:
  virtual ~ExportFormat() = default;

  virtual ExportKind Kind() const = 0;
  virtual std::string Extension() const = 0;
  // "description|pattern" as the file dialogs take them.
  virtual std::string Filters() const = 0;
  // String id of the success message ("TeX file saved").
  virtual int SavedStringId() const = 0;
  virtual AnimationList List() const { return AnimationList::None; }

  // The options of this run (frame count in run.frames and whatever the painters need); false
  // when the user cancelled.
  virtual bool AskOptions(TQELWing& window, ExportRun& run) = 0;
  // The painter of frame `frame` (0-based) writing to `output`.
  virtual std::unique_ptr<ExportPainter> MakePainter(TQELWing& window, const ExportRun& run, int frame,
                                                     ExportOutput& output) = 0;
};

}  // namespace view

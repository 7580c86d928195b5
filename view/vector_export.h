#pragma once
// What the EPS and SVG exports share as formats of the export sequence: the file format (its
// extension, filter and success strings and its writer), the writer's settings taken from the
// window once per run, and the painter of each frame file. The two formats add their kind, their
// animation list and their options dialog.

#include <memory>
#include <string>

#include "view/export_file_format.h"
#include "view/export_format.h"
#include "view/vector_export_settings.h"

namespace view {

// The writer's settings of an export of `frames` frames from the window: its colour table, the
// screen's dots per inch, its file name (and that name without folders as the title), today's
// date, the animation half width and the picture frame's pen.
VectorExportSettings WindowVectorExportSettings(TQELWing& window, int frames);

class VectorExport : public ExportFormat {
 public:
  explicit VectorExport(const ExportFileFormat& fileFormat) : fileFormat_(fileFormat) {}

  std::string Extension() const override { return std::string(fileFormat_.extension); }
  std::string Filters() const override;
  int SavedStringId() const override { return fileFormat_.savedStringId; }
  std::unique_ptr<ExportPainter> MakePainter(TQELWing& window, const ExportRun& run, int frame,
                                             ExportOutput& output) override;

  // The settings of this run (valid once the options were asked).
  const VectorExportSettings& settings() const { return settings_; }

 protected:
  // Called by AskOptions once the frame count is known; the settings taken, for the format to add
  // its own.
  VectorExportSettings& TakeSettings(TQELWing& window, int frames) {
    settings_ = WindowVectorExportSettings(window, frames);
    return settings_;
  }

 private:
  const ExportFileFormat& fileFormat_;
  VectorExportSettings settings_;
};

}  // namespace view

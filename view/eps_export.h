#pragma once
// The EPS export: ".eps" files written by the EPS painter, one per frame, no animation list. The
// settings dialog (EPS kind) opens only for a window that animates its exports; a still picture
// is one frame.

#include "view/vector_export.h"

namespace view {

class EpsExport : public VectorExport {
 public:
  EpsExport() : VectorExport(EpsFileFormat()) {}

  ExportKind Kind() const override { return ExportKind::EPS; }
  // The frame count and parameter text chosen are kept in the window's EPS settings.
  bool AskOptions(TQELWing& window, ExportRun& run) override;
};

}  // namespace view

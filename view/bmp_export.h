#pragma once
// The BMP export: each frame drawn on a picture of the client area (its background first) by the
// device-context painter, as the screen draws it, and written as a 24-bit Windows bitmap file;
// "ANIM.txt" lists the frames of an animation. The settings dialog (bitmap kind) opens only for a
// window that animates its exports.

#include "view/export_format.h"

namespace view {

class BmpExport : public ExportFormat {
 public:
  ExportKind Kind() const override { return ExportKind::BMP; }
  std::string Extension() const override { return "bmp"; }
  std::string Filters() const override;
  int SavedStringId() const override;
  AnimationList List() const override { return AnimationList::Text; }
  // The frame count and parameter text chosen are kept in the window's BMP settings.
  bool AskOptions(TQELWing& window, ExportRun& run) override;
  std::unique_ptr<ExportPainter> MakePainter(TQELWing& window, const ExportRun& run, int frame,
                                             ExportOutput& output) override;
};

}  // namespace view

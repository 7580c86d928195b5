#pragma once
// The PiCTeX export: ".tex" files, the set-up dialog PICTEX, one frame file per frame written by
// the PiCTeX painter, "ANIM.tex" beside the frames of an animation.

#include <memory>

#include "view/export_format.h"
#include "view/pictex_painter.h"

namespace view {

class PiCTeXExport : public ExportFormat {
 public:
  ExportKind Kind() const override { return ExportKind::PiCTeX; }
  std::string Extension() const override { return "tex"; }
  std::string Filters() const override;
  int SavedStringId() const override;
  AnimationList List() const override { return AnimationList::TeX; }
  // The set-up dialog; its choices are kept in the window's PiCTeX settings and fix this run's
  // picture (flavour, box, frames, width, the window's decimals, the preamble).
  bool AskOptions(TQELWing& window, ExportRun& run) override;
  std::unique_ptr<ExportPainter> MakePainter(TQELWing& window, const ExportRun& run, int frame,
                                             ExportOutput& output) override;

  const PiCTeXPicture& picture() const { return picture_; }

 private:
  PiCTeXPicture picture_;
};

}  // namespace view

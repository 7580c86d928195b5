#pragma once
// The SVG export: ".svg" files written by the SVG painter, one per frame, "ANIM.txt" beside the
// frames of an animation. The settings dialog (SVG kind) opens for every export, offering the
// window's size as the picture's size.

#include "view/vector_export.h"

namespace view {

class SvgExport : public VectorExport {
 public:
  SvgExport() : VectorExport(SvgFileFormat()) {}

  ExportKind Kind() const override { return ExportKind::SVG; }
  AnimationList List() const override { return AnimationList::Text; }
  // The frame count and parameter text chosen are kept in the window's SVG settings.
  bool AskOptions(TQELWing& window, ExportRun& run) override;
};

}  // namespace view

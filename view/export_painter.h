#pragma once
// The base of the figure painters that write an export file (PiCTeX, EPS, SVG): the painter of one
// frame file writes its text to an ExportOutput. The export sequence makes one painter per frame
// file, calls BeginPicture, runs the window's picture pass on it, and calls EndPicture.

#include <memory>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "view/export_output.h"
#include "view/figure_painter.h"

namespace view {

class ExportPainter : public FigurePainter {
 public:
  ExportPainter(const ViewMapping& mapping, ExportOutput& output);
  ~ExportPainter() override;

  // What the file holds before the picture (header, preamble).
  virtual void BeginPicture() {}
  // What ends the picture and the file (trailer).
  virtual void EndPicture() {}

  // The files keep no notices and no polar grid (the SVG file keeps its rays).
  bool ShowsNotices() const override { return false; }
  bool TakesPolarCircles() const override { return false; }
  bool TakesPolarRays() const override { return false; }

 protected:
  void Write(std::string_view text) { output_.Write(text); }
  ExportOutput& output() { return output_; }
  // Texts are measured as the screen would show them, in the state's font.
  platform::SizeI DoTextExtent(std::string_view text) override;

 private:
  ExportOutput& output_;
  // A small off-screen picture whose device context measures texts; made when first needed.
  platform::Bitmap measureBitmap_;
  std::unique_ptr<platform::DC> measureDc_;
};

}  // namespace view

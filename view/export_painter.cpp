#include "view/export_painter.h"

namespace view {

ExportPainter::ExportPainter(const ViewMapping& mapping, ExportOutput& output)
    : FigurePainter(mapping), output_(output) {}

ExportPainter::~ExportPainter() {
  // The device context goes before its bitmap.
  measureDc_.reset();
}

platform::SizeI ExportPainter::DoTextExtent(std::string_view text) {
  if (!measureDc_) {
    measureBitmap_ = platform::Bitmap(1, 1);
    measureDc_ = measureBitmap_.CreateDC();
  }
  if (measureDc_->state().font != state().text.font) measureDc_->SelectFont(state().text.font);
  return measureDc_->GetTextExtent(text);
}

}  // namespace view

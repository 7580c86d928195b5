#include "view/export_file_format.h"

#include <algorithm>
#include <cctype>

#include "view/eps_painter.h"
#include "view/svg_painter.h"

namespace view {

namespace {

template <class Painter>
std::unique_ptr<ExportFilePainter> Make(ExportOutput& output, const ViewMapping& mapping,
                                        const VectorExportSettings& settings) {
  return std::make_unique<Painter>(output, mapping, settings);
}

}  // namespace

const ExportFileFormat& EpsFileFormat() {
  static const ExportFileFormat format{"eps", "EPS", 96, 91, &Make<EpsPainter>};
  return format;
}

const ExportFileFormat& SvgFileFormat() {
  static const ExportFileFormat format{"svg", "SVG", 97, 92, &Make<SvgPainter>};
  return format;
}


}  // namespace view

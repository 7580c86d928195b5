#pragma once
// The EPS and SVG exports as formats for the export sequence: the file extension, the texts of
// the save dialog and of the success message, and the painter that writes one frame file.
//
// The formats of the export commands (eps_export.h, svg_export.h) make their painters here; the
// export sequence runs each painter as it runs every ExportPainter.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "view/export_file_painter.h"
#include "view/vector_export_settings.h"
#include "view/view_mapping.h"

namespace view {

struct ExportFileFormat {
  // Lower case, without the dot; files are written with it.
  std::string_view extension;
  // The save dialog's default extension.
  std::string_view dialogExtension;
  // String table entries: the save dialog's filter, and the message after a successful export.
  int filterStringId = 0;
  int savedStringId = 0;
  // A painter writing one frame file to the output, for the window's mapping (which it follows
  // and which must outlive it) and the export's settings.
  std::unique_ptr<ExportFilePainter> (*makePainter)(ExportOutput& output, const ViewMapping& mapping,
                                                    const VectorExportSettings& settings) = nullptr;
};

const ExportFileFormat& EpsFileFormat();
const ExportFileFormat& SvgFileFormat();


}  // namespace view

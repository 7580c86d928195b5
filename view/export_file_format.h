#pragma once
// The EPS and SVG exports as formats for the export sequence: the file extension, the texts of
// the save dialog and of the success message, and the painter that writes one frame file.
//
// For each frame file the sequence opens the file, makes the painter on it, and runs
//   painter->Begin(); <the window's picture pass through *painter>; painter->End();
// then checks painter->ok() and closes the file.

#include <memory>
#include <optional>
#include <ostream>
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
  // A painter writing one frame file to the open file, for the window's mapping (which it follows
  // and which must outlive it) and the export's settings.
  std::unique_ptr<ExportFilePainter> (*makePainter)(std::ostream& file, const ViewMapping& mapping,
                                                    const VectorExportSettings& settings) = nullptr;
};

const ExportFileFormat& EpsFileFormat();
const ExportFileFormat& SvgFileFormat();


}  // namespace view

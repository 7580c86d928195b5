#pragma once
// The export commands of the graphics layer and the format each one runs through the export
// sequence. A new format adds its command to the table in export_formats.cpp.

#include <memory>

#include "view/export_format.h"

namespace view {

inline constexpr int kCmdExportPiCTeX = 70;
inline constexpr int kCmdExportEPS = 85;
inline constexpr int kCmdExportSVG = 87;
inline constexpr int kCmdExportBMP = 374;
inline constexpr int kCmdExportMetafile = 370;

// A new format object for one run of the export command; none for any other command.
std::unique_ptr<ExportFormat> MakeExportFormat(int commandId);
// The kind of export the command runs; ExportKind::None for any other command.
ExportKind ExportCommandKind(int commandId);

}  // namespace view

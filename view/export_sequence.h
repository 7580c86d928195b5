#pragma once
// The sequence every export command runs, whatever the format:
//   1. the save dialog, starting at the file last written; the chosen name must end with the
//      format's extension in any letter case (a name without it ends the export and is kept as the
//      base name for next time; Cancel keeps the old base name); files are written with the
//      extension in lower case;
//   2. the format's options (false ends the export);
//   3. the window's preparation (false ends the export);
//   4. for each frame: the overwrite question, the frame file written through a painter while the
//      window's running state names the export, the window's picture pass drawing into it; a
//      frame that fails keeps the old file of that name and ends the export;
//   5. for an animation, the format's list beside the frames (a list that cannot be written is
//      reported as message 12 under its name; the frames stay);
//   6. the caption, then message 12 "cannot save file" or the format's success message; after a
//      success the base name keeps only the file's name.

#include <optional>
#include <string>
#include <string_view>

#include "view/export_format.h"

namespace view {

class TQELWing;

// True when every frame was written.
bool RunExport(TQELWing& window, ExportFormat& format);

// The chosen file name without its extension: nothing when the name does not end with "." +
// extension in any letter case.
std::optional<std::string> ExportBaseName(std::string_view chosen, std::string_view extension);

}  // namespace view

#include "view/svg_export.h"

#include "platform/modal_responder.h"
#include "view/export_settings_dlg.h"
#include "view/qel_wing.h"

namespace view {

bool SvgExport::AskOptions(TQELWing& window, ExportRun& run) {
  ExportSettings& exports = window.exports;
  exports.animationControl = 0;
  int frames = exports.svg.frames;
  // The dialog offers the picture at the window's size; the size confirmed is the size written.
  exports.svgWidth = window.mapping.width;
  exports.svgHeight = window.mapping.height;
  TSVGDlg dialog(&window, kSettingsForSVG, &frames, &exports.svg.parameterText);
  if (dialog.Execute() != platform::IDOK) return false;
  exports.svg.frames = frames;
  run.frames = frames;
  VectorExportSettings& settings = TakeSettings(window, frames);
  settings.pictureWidth = exports.svgWidth;
  settings.pictureHeight = exports.svgHeight;
  return true;
}

}  // namespace view

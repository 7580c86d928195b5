#include "view/svg_export.h"

#include "platform/modal_responder.h"
#include "view/export_settings_dlg.h"
#include "view/qel_wing.h"

namespace view {

bool SvgExport::AskOptions(TQELWing& window, ExportRun& run) {
  ExportSettings& exports = window.exports;
  exports.animationControl = 0;
  int frames = exports.svg.frames;
  TSVGDlg dialog(&window, kSettingsForSVG, &frames, &exports.svg.parameterText);
  if (dialog.Execute() != platform::IDOK) return false;
  exports.svg.frames = frames;
  run.frames = frames;
  TakeSettings(window, frames);
  return true;
}

}  // namespace view

#include "view/eps_export.h"

#include "platform/modal_responder.h"
#include "view/export_settings_dlg.h"
#include "view/qel_wing.h"

namespace view {

bool EpsExport::AskOptions(TQELWing& window, ExportRun& run) {
  ExportSettings& exports = window.exports;
  exports.animationControl = 0;
  int frames = 1;
  if (exports.animationMode != 0) {
    frames = exports.eps.frames;
    TSVGDlg dialog(&window, kSettingsForEPS, &frames, &exports.eps.parameterText);
    if (dialog.Execute() != platform::IDOK) return false;
    exports.eps.frames = frames;
  }
  run.frames = frames;
  TakeSettings(window, frames);
  return true;
}

}  // namespace view

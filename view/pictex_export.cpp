#include "view/pictex_export.h"

#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "view/pictex_dlg.h"
#include "view/qel_wing.h"

namespace view {

namespace {
constexpr int kTeXSavedString = 89;    // "TeX file saved"
constexpr int kTeXFilterString = 98;   // "TeX files (*.TEX)|*.tex"
}  // namespace

std::string PiCTeXExport::Filters() const { return resources::LoadString(kTeXFilterString); }

int PiCTeXExport::SavedStringId() const { return kTeXSavedString; }

bool PiCTeXExport::AskOptions(TQELWing& window, ExportRun& run) {
  TeXExportSettings& tex = window.exports.tex;
  const int mode = window.exports.animationMode;
  int format = tex.format;
  int box = 1;
  int frames = mode == 2 ? window.exports.defaultFrameCount : tex.frames;
  kernel::Real width = tex.width;
  TTeXDlg dialog(&window, &format, &box, &frames, &width, &tex.parameterText);
  if (dialog.Execute() != platform::IDOK) return false;
  tex.format = format;
  tex.width = width;
  if (mode == 0) frames = 1;
  else tex.frames = frames;

  const ViewMapping& m = window.mapping;
  picture_.format = format;
  picture_.boxNumber = box;
  picture_.frames = frames;
  picture_.width = width;
  picture_.halfWidth = tex.animationHalfWidth;
  picture_.halfHeight = tex.animationHalfWidth * m.halfHeight / m.halfWidth;
  picture_.decimals = window.numberFormat.decimals;
  picture_.preamble = PiCTeXPreamble(picture_, m);
  run.frames = frames;
  return true;
}

std::unique_ptr<ExportPainter> PiCTeXExport::MakePainter(TQELWing& window, const ExportRun& /*run*/, int /*frame*/,
                                                         ExportOutput& output) {
  return std::make_unique<PiCTeXPainter>(window.mapping, output, picture_);
}

}  // namespace view

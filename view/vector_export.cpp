#include "view/vector_export.h"

#include <ctime>

#include "kernel/file_names.h"
#include "platform/dc.h"
#include "resources/resource_library.h"
#include "view/eps_header.h"
#include "view/qel_wing.h"

namespace view {

namespace {

int ScreenDpiX(TQELWing& window) {
  const std::unique_ptr<platform::DC> dc = window.GetDC();
  const int dpi = dc ? dc->GetDeviceCaps().dpiX : 0;
  return dpi > 0 ? dpi : 96;
}

}  // namespace

VectorExportSettings WindowVectorExportSettings(TQELWing& window, int frames) {
  VectorExportSettings s;
  for (int i = 0; i < kernel::kColorCount; ++i) s.colors[i] = window.Color(i);
  s.screenDpi = ScreenDpiX(window);
  s.creator = window.exports.creator;
  s.fileName = window.fileMsg.fileName;
  s.title = kernel::FileNamePart(window.fileMsg.fileName, false);
  s.creationDate = EpsCreationDate(std::time(nullptr));
  s.frames = frames;
  s.animationHalfWidth = window.exports.tex.animationHalfWidth;
  s.framePenWidth = window.device.printerExtraWidth + 1;
  return s;
}

std::string VectorExport::Filters() const { return resources::LoadString(fileFormat_.filterStringId); }

std::unique_ptr<ExportPainter> VectorExport::MakePainter(TQELWing& window, const ExportRun& /*run*/, int /*frame*/,
                                                         ExportOutput& output) {
  return fileFormat_.makePainter(output, window.mapping, settings_);
}

}  // namespace view

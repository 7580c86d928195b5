#include "view/export_formats.h"

#include <array>

#include "view/bmp_export.h"
#include "view/eps_export.h"
#include "view/metafile_export.h"
#include "view/pictex_export.h"
#include "view/svg_export.h"

namespace view {

namespace {

struct ExportCommand {
  int id;
  ExportKind kind;
  std::unique_ptr<ExportFormat> (*make)();
};

template <typename Format>
std::unique_ptr<ExportFormat> Make() {
  return std::make_unique<Format>();
}

constexpr std::array kExportCommands{
    ExportCommand{kCmdExportPiCTeX, ExportKind::PiCTeX, &Make<PiCTeXExport>},
    ExportCommand{kCmdExportEPS, ExportKind::EPS, &Make<EpsExport>},
    ExportCommand{kCmdExportSVG, ExportKind::SVG, &Make<SvgExport>},
    ExportCommand{kCmdExportBMP, ExportKind::BMP, &Make<BmpExport>},
    ExportCommand{kCmdExportMetafile, ExportKind::Metafile, &Make<MetafileExport>},
};

const ExportCommand* Find(int commandId) {
  for (const ExportCommand& c : kExportCommands)
    if (c.id == commandId) return &c;
  return nullptr;
}

}  // namespace

std::unique_ptr<ExportFormat> MakeExportFormat(int commandId) {
  const ExportCommand* c = Find(commandId);
  return c ? c->make() : nullptr;
}

ExportKind ExportCommandKind(int commandId) {
  const ExportCommand* c = Find(commandId);
  return c ? c->kind : ExportKind::None;
}

}  // namespace view

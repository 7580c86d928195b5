#include "view/export_file_format.h"

#include <algorithm>
#include <cctype>

#include "view/eps_painter.h"
#include "view/svg_painter.h"

namespace view {

namespace {

template <class Painter>
std::unique_ptr<ExportFilePainter> Make(std::ostream& file, const ViewMapping& mapping,
                                        const VectorExportSettings& settings) {
  return std::make_unique<Painter>(file, mapping, settings);
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

const ExportFileFormat& EpsFileFormat() {
  static const ExportFileFormat format{"eps", "EPS", 96, 91, &Make<EpsPainter>};
  return format;
}

const ExportFileFormat& SvgFileFormat() {
  static const ExportFileFormat format{"svg", "SVG", 97, 92, &Make<SvgPainter>};
  return format;
}

std::optional<std::string> ExportBaseName(std::string_view chosen, std::string_view extension) {
  const std::size_t slash = chosen.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::string_view name = chosen.substr(nameStart);
  const std::size_t length = extension.size() + 1;
  for (std::size_t i = 0; i + length <= name.size(); ++i) {
    if (name[i] != '.') continue;
    const std::string_view rest = name.substr(i + 1, extension.size());
    if (std::equal(rest.begin(), rest.end(), extension.begin(), extension.end(),
                   [](char a, char b) { return Lower(a) == Lower(b); }))
      return std::string(chosen.substr(0, nameStart + i));
  }
  return std::nullopt;
}

}  // namespace view

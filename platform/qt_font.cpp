#include "platform/qt_font.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cstdint>

#include "platform/qt_text.h"

namespace platform {

QFont DefaultDrawingFont() {
  QFont font;
  font.setPixelSize(16);
  return font;
}

QFont ToQFont(const FontSpec& given, const QFont& base, const QPaintDevice* device) {
  const FontSpec spec = WithinFontLimits(given);
  QFont font = base;
  if (!spec.face.empty()) font.setFamily(ToQString(spec.face));
  if (spec.symbolCharset) {
    // Symbol-font codes reach Qt as Unicode Greek letters and signs; a face named for the
    // symbol set may hold them only under its private codes, so faces that have them follow.
    QStringList families;
    if (!spec.face.empty()) families << ToQString(spec.face);
    families << QStringLiteral("DejaVu Serif") << QStringLiteral("DejaVu Sans");
    font.setFamilies(families);
  }
  if (spec.height != 0) {
    const int pixels = spec.height < 0 ? -spec.height : spec.height;
    font.setPixelSize(std::max(1, pixels));
    if (spec.height > 0) {
      // The cell height: scale the character height so that ascent plus descent fit it.
      const int cell = device ? QFontMetrics(font, device).height() : QFontMetrics(font).height();
      if (cell > 0) {
        const std::int64_t scaled = (std::int64_t{pixels} * pixels + cell / 2) / cell;
        font.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(scaled, 1, kFontHeightLimit)));
      }
    }
  }
  font.setWeight(static_cast<QFont::Weight>(spec.weight <= 0 ? 400 : std::clamp(spec.weight, 1, 1000)));
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

}  // namespace platform

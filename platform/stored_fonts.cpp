#include "platform/stored_fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {

int ScreenDpiY() {
  if (QGuiApplication::instance())
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
      if (dpi > 0) return dpi;
    }
  return 96;
}

FontSpec FontSpecFromRecord(const kernel::FontRecord& record) {
  FontSpec spec;
  spec.face = record.faceName;
  spec.height = record.height;
  spec.weight = record.weight;
  spec.italic = record.italic != 0;
  spec.underline = record.underline != 0;
  spec.escapement = record.escapement;
  spec.symbolCharset = record.charset == kernel::kSymbolCharset;
  // A damaged or foreign record may hold any height and angle: drawn within the limits.
  return WithinFontLimits(spec);
}

void StoreFontChoice(kernel::FontRecord& record, const FontChoice& choice) {
  record.faceName = choice.font.face;
  record.height = choice.font.height;
  record.weight = choice.font.weight;
  record.italic = choice.font.italic ? 1 : 0;
  record.underline = choice.font.underline ? 1 : 0;
  record.strikeOut = choice.strikeOut ? 1 : 0;
}

}  // namespace platform

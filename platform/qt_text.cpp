#include "platform/qt_text.h"

#include <QFile>

#include "kernel/text_encoding.h"

namespace platform {

QString ToQString(std::string_view programText) {
  QString text;
  text.reserve(static_cast<qsizetype>(programText.size()));
  for (const char byte : programText) {
    const char32_t c = kernel::Cp1252ToUnicode(static_cast<std::uint8_t>(byte));
    text += QChar(static_cast<char16_t>(c));  // every Windows-1252 character lies in the BMP
  }
  return text;
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return kernel::Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString PathToQString(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace platform

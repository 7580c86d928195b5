#include "platform/qt_text.h"

#include <QFile>

#include "kernel/text_encoding.h"

namespace platform {

QString ToQString(std::string_view programText) {
  QString text;
  text.reserve(static_cast<qsizetype>(programText.size()));
  for (const char byte : programText) {
    const char32_t c = kernel::ProgramTextToUnicode(static_cast<std::uint8_t>(byte));
    text += QChar(static_cast<char16_t>(c));  // every character of program text lies in the BMP
  }
  return text;
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return kernel::Utf8ToProgramText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString PathToQString(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace platform

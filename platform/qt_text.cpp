#include "platform/qt_text.h"

#include <QFile>

namespace platform {

QString ToQString(std::string_view programText) {
  return QString::fromLatin1(programText.data(), static_cast<qsizetype>(programText.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString PathToQString(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace platform

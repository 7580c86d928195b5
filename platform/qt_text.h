#pragma once
// Conversions between the program's texts (kernel's program text) and Qt's strings
// (platform-internal).

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view programText);
std::string FromQString(const QString& text);
// File paths keep the file system's own bytes.
QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);

}  // namespace platform

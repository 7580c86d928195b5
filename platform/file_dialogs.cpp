#include "platform/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "platform/frame_window_impl.h"
#include "platform/qt_text.h"

namespace platform {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : text) {
    if (c == separator) {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

QString BothCases(const QString& pattern) {
  const QString lower = pattern.toLower();
  const QString upper = pattern.toUpper();
  return lower == upper ? lower : lower + " " + upper;
}

std::optional<std::string> Run(FrameWindow* owner, FileDialogRequest request) {
  if (ModalResponder* responder = CurrentModalResponder()) return responder->AnswerFileDialog(request);
  QFileDialog dialog(NativeWidget(owner), ToQString(request.title));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = QString::fromStdString(QtFilterList(request.filters)).split(";;", Qt::SkipEmptyParts);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.initialPath.empty()) {
    const QFileInfo info(PathToQString(request.initialPath));
    if (info.isDir()) {
      dialog.setDirectory(info.absoluteFilePath());
    } else {
      dialog.setDirectory(info.absolutePath());
      dialog.selectFile(info.fileName());
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return PathFromQString(dialog.selectedFiles().first());
}

}  // namespace

std::string QtFilterList(const std::string& filters) {
  const std::vector<std::string> parts = Split(filters, '|');
  QStringList list;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const std::string& pattern : Split(parts[i + 1], ';'))
      patterns << (pattern == "*.*" || pattern == "*" ? QString("*") : BothCases(QString::fromStdString(pattern)));
    list << QString::fromStdString(parts[i]) + " (" + patterns.join(' ') + ")";
  }
  return list.join(";;").toStdString();
}

std::optional<std::string> GetOpenFileName(FrameWindow* owner, FileDialogRequest request) {
  request.save = false;
  return Run(owner, std::move(request));
}

std::optional<std::string> GetSaveFileName(FrameWindow* owner, FileDialogRequest request) {
  request.save = true;
  return Run(owner, std::move(request));
}

}  // namespace platform

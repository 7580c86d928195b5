#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/bitmap_qt.h"
#include "platform/qt_text.h"

namespace platform {

namespace {

QClipboard* SystemClipboard() { return QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr; }

const QMimeData* Contents() {
  QClipboard* clipboard = SystemClipboard();
  return clipboard ? clipboard->mimeData() : nullptr;
}

}  // namespace

void CopyTextToClipboard(std::string_view text) {
  if (QClipboard* clipboard = SystemClipboard()) clipboard->setText(ToQString(text));
}

bool ClipboardHasText() {
  const QMimeData* data = Contents();
  return data && data->hasText();
}

std::optional<std::string> ClipboardText() {
  const QMimeData* data = Contents();
  if (!data || !data->hasText()) return std::nullopt;
  return FromQString(data->text());
}

void CopyImageToClipboard(const Bitmap& bitmap) {
  if (QClipboard* clipboard = SystemClipboard()) clipboard->setImage(BitmapImage(bitmap));
}

bool ClipboardHasImage() {
  const QMimeData* data = Contents();
  return data && data->hasImage();
}

std::optional<Bitmap> ClipboardImage() {
  const QMimeData* data = Contents();
  if (!data || !data->hasImage()) return std::nullopt;
  const QImage image = qvariant_cast<QImage>(data->imageData());
  if (image.isNull()) return std::nullopt;
  return BitmapFromImage(image);
}

}  // namespace platform

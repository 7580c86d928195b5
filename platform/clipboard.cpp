#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <algorithm>
#include <memory>

#include "platform/bitmap_qt.h"
#include "platform/metafile_player.h"
#include "platform/qt_text.h"

namespace platform {

namespace {

// The names other programs use for enhanced metafiles; the first is what we put.
const char* const kMetafileTypes[] = {"image/emf", "image/x-emf", "application/x-qt-windows-mime;value=\"Enhanced Metafile\""};

// The largest preview image made beside a metafile on the clipboard.
constexpr int kPreviewLimit = 4096;

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

bool CopyMetafileToClipboard(const kernel::Bytes& metafile) {
  QClipboard* clipboard = SystemClipboard();
  if (!clipboard) return false;
  const MetafileRead read = MetafilePlayer::Read(metafile);
  if (!read.player) return false;
  auto* data = new QMimeData;
  data->setData(kMetafileTypes[0], QByteArray(reinterpret_cast<const char*>(metafile.data()),
                                              static_cast<qsizetype>(metafile.size())));
  const Rect area = read.player->SourceArea();
  const int width = static_cast<int>(std::min<std::int64_t>(area.Width64(), kPreviewLimit));
  const int height = static_cast<int>(std::min<std::int64_t>(area.Height64(), kPreviewLimit));
  if (width > 0 && height > 0) {
    Bitmap preview(width, height, kWhite);
    if (std::unique_ptr<DC> dc = preview.CreateDC()) read.player->Play(*dc, {0, 0, width, height});
    data->setImageData(BitmapImage(preview));
  }
  clipboard->setMimeData(data);
  return true;
}

bool ClipboardHasMetafile() { return ClipboardMetafile().has_value(); }

std::optional<kernel::Bytes> ClipboardMetafile() {
  const QMimeData* data = Contents();
  if (!data) return std::nullopt;
  for (const char* type : kMetafileTypes) {
    if (!data->hasFormat(type)) continue;
    const QByteArray bytes = data->data(type);
    return kernel::Bytes(bytes.begin(), bytes.end());
  }
  return std::nullopt;
}

}  // namespace platform

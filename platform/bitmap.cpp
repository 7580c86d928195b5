#include "platform/bitmap.h"

#include <QPainter>
#include <cstring>
#include <utility>

#include "platform/bitmap_qt.h"
#include "platform/painter_dc.h"

namespace platform {

struct Bitmap::Impl {
  QImage image;
};

namespace {

QImage MakeImage(int width, int height, Color fill) {
  if (width <= 0 || height <= 0) return QImage();
  QImage image(width, height, QImage::Format_RGB32);
  if (!image.isNull()) image.fill(QColor(fill.r, fill.g, fill.b));
  return image;
}

}  // namespace

Bitmap::Bitmap(int width, int height, Color fill) : impl_(std::make_unique<Impl>()) {
  impl_->image = MakeImage(width, height, fill);
}
Bitmap::Bitmap() : impl_(std::make_unique<Impl>()) {}
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(const Bitmap& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) impl_->image = other.impl_->image;
  return *this;
}
// The image stays where it is, so a device context open on it keeps drawing on it; the
// moved-from bitmap is empty.
Bitmap::Bitmap(Bitmap&& other) noexcept
    : impl_(std::exchange(other.impl_, std::make_unique<Impl>())) {}
Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    impl_ = std::exchange(other.impl_, std::make_unique<Impl>());
  }
  return *this;
}

QImage& BitmapAccess::Image(Bitmap& bitmap) { return bitmap.impl_->image; }
const QImage& BitmapAccess::Image(const Bitmap& bitmap) { return bitmap.impl_->image; }

Bitmap BitmapAccess::FromImage(const QImage& image) {
  Bitmap bitmap;
  bitmap.impl_->image = image.convertToFormat(QImage::Format_RGB32);
  return bitmap;
}

void WriteImageInto(Bitmap& bitmap, int x, int y, const QImage& image) {
  const QImage source = image.format() == QImage::Format_RGB32
                            ? image
                            : image.convertToFormat(QImage::Format_RGB32);
  QImage& target = BitmapImage(bitmap);
  const QRect area = QRect(x, y, source.width(), source.height()).intersected(target.rect());
  if (area.isEmpty()) return;
  const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * 4;
  for (int row = area.top(); row <= area.bottom(); ++row) {
    const uchar* from = source.constScanLine(row - y) + (area.left() - x) * 4;
    std::memcpy(target.scanLine(row) + area.left() * 4, from, rowBytes);
  }
}

int Bitmap::width() const { return impl_->image.width(); }
int Bitmap::height() const { return impl_->image.height(); }
bool Bitmap::IsEmpty() const { return impl_->image.isNull(); }

std::optional<Color> Bitmap::GetPixel(int x, int y) const {
  if (!impl_->image.valid(x, y)) return std::nullopt;
  const QRgb rgb = impl_->image.pixel(x, y);
  return Color{static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
               static_cast<std::uint8_t>(qBlue(rgb))};
}

void Bitmap::SetPixel(int x, int y, Color color) {
  if (impl_->image.valid(x, y)) impl_->image.setPixel(x, y, qRgb(color.r, color.g, color.b));
}

void Bitmap::Fill(Color color) {
  if (!IsEmpty()) impl_->image.fill(QColor(color.r, color.g, color.b));
}

std::unique_ptr<DC> Bitmap::CreateDC() {
  if (IsEmpty()) return nullptr;
  std::shared_ptr<PainterShare> painter = ShareImagePainter(impl_->image);
  if (!painter) return nullptr;
  return std::make_unique<PainterDC>(std::move(painter), true);
}

bool Bitmap::CopyFrom(const DC& source, const Rect& sourceRect, PointI at) {
  if (sourceRect.IsEmpty()) return source.IsRaster();
  return source.DoReadPixels(sourceRect, *this, at);
}

}  // namespace platform

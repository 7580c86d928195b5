#pragma once
// Internal to platform/: the Qt image behind a Bitmap (Format_RGB32), for the clipboard, the
// device contexts and the window's backing store.

#include <QImage>

#include "platform/bitmap.h"

namespace platform {

struct BitmapAccess {
  static QImage& Image(Bitmap& bitmap);
  static const QImage& Image(const Bitmap& bitmap);
  // A bitmap holding a copy of the image, converted to Format_RGB32.
  static Bitmap FromImage(const QImage& image);
};

inline QImage& BitmapImage(Bitmap& bitmap) { return BitmapAccess::Image(bitmap); }
inline const QImage& BitmapImage(const Bitmap& bitmap) { return BitmapAccess::Image(bitmap); }
inline Bitmap BitmapFromImage(const QImage& image) { return BitmapAccess::FromImage(image); }

// Copies the image's pixels into the bitmap with their top-left corner at (x, y), row by row
// (the bitmap may have a device context open on it); what falls outside is dropped.
void WriteImageInto(Bitmap& bitmap, int x, int y, const QImage& image);

}  // namespace platform

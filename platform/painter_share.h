#pragma once
// Internal to platform/: the one painter of a paint device, shared by every device context open
// on it. Qt lets a device have one painter at a time; a second DC on a window or bitmap (a GetDC
// inside Paint, two DCs on one bitmap) draws through the same painter, each DC putting its own
// state back on it before it draws.

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <optional>

namespace platform {

struct PainterShare {
  QPainter* painter = nullptr;
  std::unique_ptr<QPainter> owned;     // for images: begun by the first DC, ended by the last
  std::optional<QRegion> originalClip;  // the clip the painter came with
  const void* user = nullptr;           // the DC whose state the painter holds
};

// The painter of the image, begun when no DC is open on it. Null when the image cannot be painted.
std::shared_ptr<PainterShare> ShareImagePainter(QImage& image);
// A painter begun and ended by its owner (a printer's), for one DC at a time.
std::shared_ptr<PainterShare> ShareExternalPainter(QPainter& painter);

}  // namespace platform

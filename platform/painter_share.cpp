#include "platform/painter_share.h"

#include <map>

namespace platform {
namespace {

std::map<const QPaintDevice*, std::weak_ptr<PainterShare>>& OpenPainters() {
  static std::map<const QPaintDevice*, std::weak_ptr<PainterShare>> painters;
  return painters;
}

}  // namespace

std::shared_ptr<PainterShare> ShareImagePainter(QImage& image) {
  auto& open = OpenPainters();
  if (const auto it = open.find(&image); it != open.end()) {
    if (std::shared_ptr<PainterShare> share = it->second.lock()) return share;
    open.erase(it);
  }
  if (image.isNull()) return nullptr;
  const QPaintDevice* device = &image;
  std::shared_ptr<PainterShare> share(new PainterShare, [device](PainterShare* s) {
    if (s->owned && s->owned->isActive()) s->owned->end();
    auto& painters = OpenPainters();
    if (const auto it = painters.find(device); it != painters.end() && it->second.expired()) painters.erase(it);
    delete s;
  });
  share->owned = std::make_unique<QPainter>();
  if (!share->owned->begin(&image)) return nullptr;
  share->painter = share->owned.get();
  open[device] = share;
  return share;
}

std::shared_ptr<PainterShare> ShareExternalPainter(QPainter& painter) {
  auto share = std::make_shared<PainterShare>();
  share->painter = &painter;
  if (painter.hasClipping()) share->originalClip = painter.clipRegion();
  return share;
}

}  // namespace platform

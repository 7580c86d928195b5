#pragma once
// Internal to platform/: the Qt region behind a Region.

#include <QRegion>

#include "platform/region.h"

namespace platform {

struct RegionAccess {
  static const QRegion& Get(const Region& region);
  static Region Make(QRegion region);
};

inline const QRegion& ToQRegion(const Region& region) { return RegionAccess::Get(region); }
inline Region FromQRegion(QRegion region) { return RegionAccess::Make(std::move(region)); }

}  // namespace platform

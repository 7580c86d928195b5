#include "solidview/view_personality.h"

#include "view/settings_files.h"

namespace solidview {

namespace {

constexpr int kStringSphericalFilter = 642;
constexpr int kStringSolidFilter = 643;

constexpr ViewPersonality kSolid{false, "GEO3MENU", "KV3HELP", view::kSolidFileKind, view::kSolidSettingsFile, "kv3",
                                 kStringSolidFilter};
constexpr ViewPersonality kSpherical{true,  "GEOSMENU", "KVSHELP", view::kSphericalFileKind, view::kSphericalSettingsFile,
                                     "kvs", kStringSphericalFilter};

}  // namespace

const ViewPersonality& PersonalityOf(bool spherical) { return spherical ? kSpherical : kSolid; }

}  // namespace solidview

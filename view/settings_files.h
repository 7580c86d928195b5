#pragma once
// The settings file of each window kind (in the settings folder) and the file kinds that the
// common block of their files carries. Each window kind sets its pair in its constructor
// (qelWin.settingsFileName, qelWin.fileKind); kinds that share a file share their settings.

#include <cstdint>

namespace view {

inline constexpr const char* kPlaneSettingsFile = "kavrine2.ini";
inline constexpr const char* kHyperbolicSettingsFile = "kavrineh.ini";
inline constexpr const char* kSolidSettingsFile = "kavrine3.ini";
inline constexpr const char* kSphericalSettingsFile = "kavrines.ini";
inline constexpr const char* kGraphSettingsFile = "kvgraf.ini";
inline constexpr const char* kGuessSettingsFile = "kvguess.ini";
inline constexpr const char* kRgbSettingsFile = "kvrgb.ini";
inline constexpr const char* kVoronoiSettingsFile = "voronoi.ini";
inline constexpr const char* kTessellationSettingsFile = "tess.ini";  // all three tessellation windows
inline constexpr const char* kKiteSettingsFile = "kite.ini";
inline constexpr const char* kRhombSettingsFile = "rhomb.ini";

inline constexpr std::int32_t kPlaneFileKind = 625;
inline constexpr std::int32_t kHyperbolicFileKind = 441;
inline constexpr std::int32_t kSolidFileKind = 676;
inline constexpr std::int32_t kSphericalFileKind = 14641;
inline constexpr std::int32_t kVoronoiFileKind = 1936;
inline constexpr std::int32_t kKiteFileKind = 1945;
inline constexpr std::int32_t kRhombFileKind = 1947;

}  // namespace view

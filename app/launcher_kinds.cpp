#include "app/launcher_kinds.h"

#include <array>
#include <string>

namespace app {

namespace {

using enum WindowKind;
using enum NotebookChoice;
using enum SettingsChoice;

constexpr std::array<WindowKindInfo, 12> kKinds{{
    {Plane, 402, "2-D", ".kv2", Yes, true, UnlessDefaults, true},
    {Hyperbolic, 410, "hyperbolic", ".kvh", Yes, true, UnlessDefaults, true},
    {Solid, 403, "3-D", ".kv3", Yes, true, UnlessDefaults, true},
    {Spherical, 412, "spherical", ".kvs", Yes, true, Never, true},
    {Voronoi, 404, "Voronoi", ".vor", WindowDefault, true, UnlessDefaults, true},
    {KitesAndDarts, 407, "kites and darts", ".kit", Yes, true, UnlessDefaults, true},
    {Rhombs, 408, "rhombs", ".rho", Yes, true, UnlessDefaults, true},
    {Guess, 405, "guessing game", "", WindowDefault, false, UnlessDefaults, false},
    {RgbDemo, 409, "RGB demo", "", No, false, UnlessDefaults, false},
    {ClassicTessellations, 406, "classic tessellations", ".kv2", WindowDefault, false, Never, false},
    {HyperbolicTessellations, 411, "hyperbolic tessellations", "", WindowDefault, false, Never, false},
    {SphericalTessellations, 413, "spherical tessellations", "", WindowDefault, false, Never, false},
}};

struct ExtensionKind {
  std::string_view extension;
  WindowKind kind;
};

// In the order they are tried.
constexpr std::array<ExtensionKind, 7> kFileKinds{{
    {"KV2", Plane}, {"KV3", Solid}, {"VOR", Voronoi}, {"KIT", KitesAndDarts},
    {"RHO", Rhombs}, {"KVH", Hyperbolic}, {"KVS", Spherical},
}};

}  // namespace

const WindowKindInfo& InfoOf(WindowKind kind) {
  for (const WindowKindInfo& info : kKinds)
    if (info.kind == kind) return info;
  return kKinds.front();
}

std::optional<WindowKind> KindForCommand(int command) {
  for (const WindowKindInfo& info : kKinds)
    if (info.command == command) return info.kind;
  return std::nullopt;
}

std::optional<std::string> LastExtension3(std::string_view name) {
  const std::size_t slash = name.rfind('/');
  const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || file.size() - dot != 4) return std::nullopt;
  std::string extension(file.substr(dot + 1));
  for (char& c : extension)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return extension;
}

std::optional<WindowKind> KindForExtension(std::string_view extension) {
  for (const ExtensionKind& entry : kFileKinds)
    if (entry.extension == extension) return entry.kind;
  return std::nullopt;
}

}  // namespace app

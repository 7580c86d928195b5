#pragma once
// The kinds of window the launcher opens: their commands, untitled extensions, the flags the
// launcher gives them, and the figure-file extensions that open them.

#include <optional>
#include <string>
#include <string_view>

namespace app {

enum class WindowKind {
  Plane, Hyperbolic, Solid, Spherical, Voronoi, KitesAndDarts, Rhombs,
  Guess, RgbDemo, ClassicTessellations, HyperbolicTessellations, SphericalTessellations,
};

enum class NotebookChoice { Yes, No, WindowDefault };
enum class SettingsChoice { UnlessDefaults, Never };

struct WindowKindInfo {
  WindowKind kind;
  int command;
  std::string_view name;           // for the window trace
  std::string_view untitledExtension;  // empty: the window takes no number of its own
  NotebookChoice notebook;
  bool launcherOpenLast;           // false: open last is off for this kind
  SettingsChoice readSettings;
  bool takesFile;                  // false: the window starts without a file
};

const WindowKindInfo& InfoOf(WindowKind kind);
std::optional<WindowKind> KindForCommand(int command);
// The three characters after the last dot of the file name, upper-cased; none unless the text
// from that dot on is the dot and exactly three characters.
std::optional<std::string> LastExtension3(std::string_view name);
// The kind whose figure files carry the (upper-case) extension.
std::optional<WindowKind> KindForExtension(std::string_view extension);

}  // namespace app

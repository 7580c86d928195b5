#pragma once
// The per-user folder that holds the program's settings files ($XDG_CONFIG_HOME/kavrine, else
// ~/.config/kavrine). It takes the place of the system folder the settings files used to live in.

#include <string>

namespace platform {

// The folder with a trailing '/', created when missing (an uncreatable folder is still returned;
// reading from it then fails like a missing file).
std::string SettingsFolder();

}  // namespace platform

#pragma once
// Where the settings file lives.
#include <string>

namespace trelvist {

// $XDG_CONFIG_HOME/trelvist/trelvist.ini when XDG_CONFIG_HOME is an absolute path, otherwise
// ~/.config/trelvist/trelvist.ini.
std::string defaultSettingsPath();

}  // namespace trelvist

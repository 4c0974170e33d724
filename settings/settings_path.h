#pragma once
// Where the program keeps its files: the settings file and the hand history.
#include <string>

namespace trelvist {

// $XDG_CONFIG_HOME/trelvist/trelvist.ini when XDG_CONFIG_HOME is an absolute path, otherwise
// ~/.config/trelvist/trelvist.ini.
std::string defaultSettingsPath();

// $XDG_DATA_HOME/trelvist/history when XDG_DATA_HOME is an absolute path, otherwise
// ~/.local/share/trelvist/history.
std::string defaultHistoryFolder();

}  // namespace trelvist

#include "settings/settings_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace trelvist {
namespace {

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    // Started without HOME (from some service managers): the account's home folder.
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir) return account->pw_dir;
    return ".";
}

// A base folder of the user's files: the variable's value, or its default under the home folder.
std::filesystem::path baseFolder(const char* variable, const char* underHome) {
    // A relative path in the variable is invalid and ignored, as the base-directory rules say.
    if (const char* xdg = std::getenv(variable); xdg && xdg[0] == '/') return xdg;
    return homeFolder() / underHome;
}

}  // namespace

std::string defaultSettingsPath() {
    return (baseFolder("XDG_CONFIG_HOME", ".config") / "trelvist" / "trelvist.ini").string();
}

std::string defaultHistoryFolder() {
    return (baseFolder("XDG_DATA_HOME", ".local/share") / "trelvist" / "history").string();
}

}  // namespace trelvist

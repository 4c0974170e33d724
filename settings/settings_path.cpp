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

std::filesystem::path configFolder() {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    return homeFolder() / ".config";
}

}  // namespace

std::string defaultSettingsPath() {
    return (configFolder() / "trelvist" / "trelvist.ini").string();
}

}  // namespace trelvist

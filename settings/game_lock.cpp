#include "settings/game_lock.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <system_error>

#include "settings/durable_file.h"

namespace trelvist {
namespace {

constexpr char kSecondGame[] = "a second game started on it would run beside this one unnoticed.";

std::string noLockFile(const std::string& settingsPath, int error) {
    return "No lock can guard the settings file " + settingsPath + " (" + std::generic_category().message(error) +
           "): " + kSecondGame;
}

}  // namespace

SingleInstanceLock tryLockGame(const std::string& settingsPath) {
    SingleInstanceLock game;
    const std::filesystem::path target = followLinks(settingsPath);
    if (target.empty()) {
        game.unguarded_ = noLockFile(settingsPath, ELOOP);
        return game;
    }
    if (!makeFolder(target.has_parent_path() ? target.parent_path() : ".")) {
        game.unguarded_ = noLockFile(settingsPath, errno);
        return game;
    }
    std::filesystem::path lockFile = target;
    lockFile += ".lock";
    switch (game.lock_.take(lockFile, std::chrono::milliseconds(0), true)) {
        case FileLock::Outcome::Taken: game.state_ = SingleInstanceLock::State::Held; break;
        case FileLock::Outcome::Busy: game.state_ = SingleInstanceLock::State::HeldElsewhere; break;
        case FileLock::Outcome::Unavailable: game.unguarded_ = noLockFile(settingsPath, errno); break;
    }
    struct stat info {};
    if (game.state_ == SingleInstanceLock::State::Held && ::stat(target.c_str(), &info) == 0 &&
        S_ISREG(info.st_mode) && info.st_nlink > 1)
        game.unguarded_ = "The settings file " + settingsPath + " has other names (hard links): " +
                          "a second game started through one of them would run beside this one unnoticed.";
    return game;
}

}  // namespace trelvist

#include "settings/game_lock.h"

#include <chrono>

#include "settings/durable_file.h"

namespace trelvist {

SingleInstanceLock tryLockGame(const std::string& settingsPath) {
    SingleInstanceLock game;
    std::filesystem::path lockFile = followLinks(settingsPath);
    if (lockFile.empty() || !makeFolder(lockFile.has_parent_path() ? lockFile.parent_path() : ".")) return game;
    lockFile += ".lock";
    switch (game.lock_.take(lockFile, std::chrono::milliseconds(0), true)) {
        case FileLock::Outcome::Taken: game.state_ = SingleInstanceLock::State::Held; break;
        case FileLock::Outcome::Busy: game.state_ = SingleInstanceLock::State::HeldElsewhere; break;
        case FileLock::Outcome::Unavailable: break;
    }
    return game;
}

}  // namespace trelvist

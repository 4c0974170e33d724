#pragma once
// One running game per settings file: the window holds this lock for as long as it runs, so that
// a second game on the same file cannot start and write over the first one's cash.
#include <string>

#include "settings/file_lock.h"

namespace trelvist {

class SingleInstanceLock {
public:
    enum class State {
        Held,           // this process is the game on the file
        HeldElsewhere,  // another running game has it
        Unavailable,    // no lock file can be made (a read-only folder): nothing to guard with
    };

    State state() const { return state_; }
    // Why no lock keeps a second game off the file, for the person to read once at start; empty
    // when one does.
    const std::string& unguarded() const { return unguarded_; }

private:
    friend SingleInstanceLock tryLockGame(const std::string& settingsPath);
    FileLock lock_;
    State state_ = State::Unavailable;
    std::string unguarded_;
};

// Takes, without waiting, the lock file "<file>.lock" beside the settings file (the file at the
// end of its links, so that two paths to one file share it), making the file and its folder when
// missing. The lock goes with the returned object, or with the process.
//
// A hard link is another path to the same file that no symbolic link leads through, so its lock
// file lies elsewhere: a settings file with more than one link (its device and inode counting
// them, whatever path reached it) is unguarded too.
SingleInstanceLock tryLockGame(const std::string& settingsPath);

}  // namespace trelvist

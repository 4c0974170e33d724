#pragma once
// An advisory, exclusive lock (flock) on a file or a folder. It binds only the programs that take
// it too; the kernel lets it go when its holder ends, however it ends.
#include <chrono>
#include <filesystem>

namespace trelvist {

class FileLock {
public:
    enum class Outcome {
        Taken,
        Busy,         // another holder kept it for the whole wait
        Unavailable,  // the path cannot be opened, or its file system has no such locks
    };

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock() { release(); }

    // Locks path, waiting up to `patience` for another holder to let go. With `create`, a missing
    // file is created (empty) to lock. When it is Unavailable, errno says why.
    Outcome take(const std::filesystem::path& path, std::chrono::milliseconds patience, bool create = false);
    bool held() const { return fd_ >= 0; }
    void release();

private:
    int fd_ = -1;
};

}  // namespace trelvist

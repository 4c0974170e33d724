#include "settings/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace trelvist {

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLock::Outcome FileLock::take(const std::filesystem::path& path, std::chrono::milliseconds patience, bool create) {
    release();
    // Read-only is enough to lock; O_NONBLOCK keeps a FIFO at the path from stopping the open.
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (create ? O_CREAT : 0);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) return Outcome::Unavailable;

    constexpr auto kPoll = std::chrono::milliseconds(10);
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return Outcome::Taken;
        }
        const int error = errno;
        if (error == EINTR) continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            errno = error;
            return error == EWOULDBLOCK ? Outcome::Busy : Outcome::Unavailable;
        }
        std::this_thread::sleep_for(kPoll);
    }
}

void FileLock::release() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace trelvist

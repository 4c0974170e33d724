#include "settings/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace trelvist {
namespace fs = std::filesystem;
namespace {

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool syncFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    // Some file systems cannot flush a folder; what they hold is then as durable as it gets.
    return ::fsync(fd.get()) == 0 || errno == EINVAL;
}

// Creates the folder and its missing parents, and flushes each new folder's entry in its parent.
bool makeFolder(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> missing;
    for (fs::path p = folder; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) missing.push_back(p);
    if (missing.empty()) return fs::is_directory(folder, ec);
    fs::create_directories(folder, ec);
    if (ec) return false;
    for (const fs::path& p : missing)
        if (!syncFolder(p.has_parent_path() ? p.parent_path() : fs::path("."))) return false;
    return true;
}

// Opens a new, empty file beside target whose name no other writer uses, and gives its path.
int openTemporary(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Writes and flushes the temporary file; the new file keeps the old one's permissions.
bool fillTemporary(int fd, const fs::path& target, std::string_view contents) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) return false;
    return writeAll(fd, contents) && ::fsync(fd) == 0;
}

}  // namespace

FileRead readWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Absent : FileRead::Failed;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileRead::Failed;
    contents.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FileRead::Failed;
        if (n == 0) return FileRead::Done;
        contents.append(buffer, static_cast<size_t>(n));
    }
}

bool replaceFile(const std::string& path, std::string_view contents) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec)) {
        target = fs::canonical(target, ec);
        if (ec) return false;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!makeFolder(folder)) return false;

    fs::path temporary;
    Descriptor fd(openTemporary(target, temporary));
    if (fd.get() < 0) return false;
    if (!fillTemporary(fd.get(), target, contents) || !fd.close() ||
        ::rename(temporary.c_str(), target.c_str()) != 0) {
        fd.close();
        ::unlink(temporary.c_str());
        return false;
    }
    // The new file is in place; without this it might not survive a power loss.
    return syncFolder(folder);
}

bool appendToFile(const std::string& path, std::string_view bytes) {
    const fs::path target = path;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!makeFolder(folder)) return false;
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    struct stat before {};
    if (fd.get() < 0 || ::fstat(fd.get(), &before) != 0) return false;
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        // A half-written addition is cut off again, so that the file only ever holds whole ones.
        if (::ftruncate(fd.get(), before.st_size) == 0) ::fsync(fd.get());
        return false;
    }
    // A file that was empty may be new: its entry in the folder must survive a power loss too.
    return fd.close() && (before.st_size > 0 || syncFolder(folder));
}

}  // namespace trelvist

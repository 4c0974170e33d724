#include "settings/durable_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <utility>
#include <vector>

namespace trelvist {
namespace fs = std::filesystem;
namespace {

// Keeps errno across the tidying up after a failure, so that the caller learns what failed.
class KeepErrno {
public:
    KeepErrno() : saved_(errno) {}
    ~KeepErrno() { errno = saved_; }
    KeepErrno(const KeepErrno&) = delete;
    KeepErrno& operator=(const KeepErrno&) = delete;

private:
    int saved_;
};

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        const KeepErrno keep;
        close();
    }
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

constexpr char kTemporaryInfix[] = ".tmp.";  // a temporary is named <file>.tmp.<pid>.<count>

// Opens a new, empty file beside target whose name no other writer uses, and gives its path.
int openTemporary(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += kTemporaryInfix + std::to_string(::getpid()) + "." + std::to_string(counter++);
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

fs::path folderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

// The process that made a temporary, from what follows "<file>.tmp." in its name: "<pid>.<count>".
std::optional<pid_t> makerOf(std::string_view rest) {
    pid_t pid = 0;
    unsigned count = 0;
    const char* end = rest.data() + rest.size();
    const auto [afterPid, pidError] = std::from_chars(rest.data(), end, pid);
    if (pidError != std::errc{} || pid <= 0 || afterPid == end || *afterPid != '.') return std::nullopt;
    const auto [afterCount, countError] = std::from_chars(afterPid + 1, end, count);
    if (countError != std::errc{} || afterCount != end) return std::nullopt;
    return pid;
}

bool processGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

bool makeFolder(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> missing;
    for (fs::path p = folder; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) missing.push_back(p);
    if (missing.empty()) {
        if (fs::is_directory(folder, ec)) return true;
        errno = ENOTDIR;
        return false;
    }
    fs::create_directories(folder, ec);
    if (ec) {
        errno = ec.value();
        return false;
    }
    for (const fs::path& p : missing)
        if (!syncFolder(folderOf(p))) return false;
    return true;
}

FileRead readWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    // Without O_NONBLOCK a FIFO in the file's place would keep the open waiting for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
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

fs::path followLinks(fs::path path) {
    // As many links as the system itself follows before it gives up with ELOOP.
    constexpr int kMostLinks = 40;
    for (int followed = 0; followed <= kMostLinks; ++followed) {
        std::error_code ec;
        if (fs::symlink_status(path, ec).type() != fs::file_type::symlink) return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return {};
        // Not normalised: ".." after a linked folder must climb from where the link really is.
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {};
}

InPlace writableInPlace(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return errno == ENOENT ? InPlace::Writable : InPlace::Refused;
    if (!S_ISREG(info.st_mode)) return InPlace::NotRegular;
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0 ? InPlace::Writable : InPlace::Refused;
}

Replacement::Replacement(Replacement&& other) noexcept
    : target_(std::exchange(other.target_, {})), temporary_(std::exchange(other.temporary_, {})) {}

Replacement& Replacement::operator=(Replacement&& other) noexcept {
    if (this != &other) {
        discard();
        target_ = std::exchange(other.target_, {});
        temporary_ = std::exchange(other.temporary_, {});
    }
    return *this;
}

std::optional<Replacement> Replacement::write(const fs::path& target, std::string_view contents) {
    Replacement replacement;
    fs::path temporary;
    Descriptor fd(openTemporary(target, temporary));
    if (fd.get() < 0) return std::nullopt;
    replacement.target_ = target;
    replacement.temporary_ = std::move(temporary);
    if (!fillTemporary(fd.get(), target, contents) || !fd.close()) return std::nullopt;  // removed on the way out
    return replacement;
}

bool Replacement::putInPlace() {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temporary_.clear();
    // The new file is in place; without this it might not survive a power loss.
    return syncFolder(folderOf(target_));
}

void Replacement::discard() {
    const KeepErrno keep;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

void removeStaleTemporaries(const fs::path& target) {
    const std::string prefix = target.filename().string() + kTemporaryInfix;
    std::error_code ec;
    for (fs::directory_iterator entry(folderOf(target), ec), end; !ec && entry != end; entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::optional<pid_t> maker = makerOf(std::string_view(name).substr(prefix.size()));
        if (maker && *maker != ::getpid() && processGone(*maker)) ::unlink(entry->path().c_str());
    }
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

bool replaceFile(const std::string& path, std::string_view contents) {
    const fs::path target(path);
    if (target.has_parent_path() && !makeFolder(target.parent_path())) return false;
    std::optional<Replacement> version = Replacement::write(target, contents);
    return version && version->putInPlace();
}

}  // namespace trelvist

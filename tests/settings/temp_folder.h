#pragma once
// Test helpers: a fresh folder per test, removed afterwards, whole-file bytes in and out, a disk
// that takes no more, and a process without root's rights.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <optional>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace trelvist::testing {

class TempFolder {
public:
    TempFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("trelvist-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // The names directly inside the folder.
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Files larger than `bytes` cannot be written while it lives, as on a nearly full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write instead of a killed process
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

// Runs `body` in a child process without root's rights: as is, or as nobody (65534) after handing
// it the folder when the test runs as root. Empty when the child could not give up root.
inline std::optional<bool> withoutRoot(const std::filesystem::path& folder, const std::function<bool()>& body) {
    constexpr int kCannotDrop = 3;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
                if (::lchown(entry.path().c_str(), 65534, 65534) != 0) ::_exit(kCannotDrop);
            if (::chown(folder.c_str(), 65534, 65534) != 0 || ::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 ||
                ::setuid(65534) != 0)
                ::_exit(kCannotDrop);
        }
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return false;
    if (WEXITSTATUS(status) == kCannotDrop) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

}  // namespace trelvist::testing

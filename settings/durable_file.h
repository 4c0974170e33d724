#pragma once
// Whole-file reading, a durable append, and the replacement of a file's contents by a new
// version that is written and flushed beside it first, so that a crash or power loss at any
// moment leaves the old file or the new one. What fails leaves the system's reason in errno.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trelvist {

enum class FileRead { Done, Absent, Failed };

// Reads every byte of a regular file. Absent when neither it nor its folder exists; Failed when it
// exists but cannot be read (a directory, a FIFO or device, no permission, an I/O error). Never
// waits: a FIFO with no writer fails at once.
FileRead readWholeFile(const std::string& path, std::string& contents);

// The file a write to `path` reaches: `path` itself, or, when it is a symbolic link, the end of
// its chain of links, which need not exist yet. Empty when the links go round in a loop or
// cannot be read.
std::filesystem::path followLinks(std::filesystem::path path);

// Whether the file could be written in place: it is absent (and would be created), or it is a
// regular file this process may write. A folder, a FIFO or a device is NotRegular; a read-only
// file, or one that cannot be looked at, is Refused with errno saying why.
enum class InPlace { Writable, NotRegular, Refused };
InPlace writableInPlace(const std::filesystem::path& file);

// Creates the folder and its missing parents, and flushes each new folder's entry in its parent.
bool makeFolder(const std::filesystem::path& folder);

// A complete new version of a file, written and flushed to a temporary file beside it
// ("<file>.tmp.<pid>.<count>"), waiting to take the file's place. A version that is discarded or
// destroyed before that takes its temporary file with it.
class Replacement {
public:
    Replacement() = default;
    Replacement(Replacement&& other) noexcept;
    Replacement& operator=(Replacement&& other) noexcept;
    ~Replacement() { discard(); }

    // The new version of target, with target's permissions. Empty, leaving nothing behind, when
    // the temporary cannot be made, written or flushed.
    static std::optional<Replacement> write(const std::filesystem::path& target, std::string_view contents);

    bool pending() const { return !temporary_.empty(); }
    // Renames the temporary over the file in one step and flushes the folder. On failure the
    // old file stays and the temporary is removed.
    bool putInPlace();
    void discard();

private:
    std::filesystem::path target_, temporary_;
};

// Removes the temporaries beside target that processes which have since ended left behind: a
// crash between writing a new version and putting it in place leaves one.
void removeStaleTemporaries(const std::filesystem::path& target);

// Puts contents in the file as one whole new version, creating its folder when missing.
bool replaceFile(const std::string& path, std::string_view contents);

// Adds bytes at the end of the file and flushes them to the disk before returning; creates the
// file, its folder and the folder's parents when missing. Returns false on any failure, leaving
// the file as long as it was before.
bool appendToFile(const std::string& path, std::string_view bytes);

}  // namespace trelvist

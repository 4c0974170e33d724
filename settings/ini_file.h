#pragma once
// The settings file: a profile (INI) file of integers by section and key. The writes of a group
// are held back until commit() and then reach the file in one step; a crash leaves it as it was
// before the group or after all of it.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/durable_file.h"
#include "settings/file_lock.h"
#include "settings/store.h"

namespace trelvist {

// How long one group of writes may wait, its writes and commit together, for another writer to
// let go of the folder's lock, and the clock that measures it (tests bring their own).
struct LockWait {
    std::chrono::milliseconds patience{2000};
    std::function<std::chrono::steady_clock::time_point()> now = std::chrono::steady_clock::now;
    std::function<void(std::chrono::milliseconds)> sleep;  // empty: the thread sleeps
};

class IniFile : public SettingsStore {
public:
    explicit IniFile(std::string path, LockWait lockWait = {});
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    // Commits what is held back; nobody is left to hear of a failure.
    ~IniFile() override;

    const std::string& path() const { return path_; }

    // An absent or unreadable file, an absent key or a value that is not a number gives fallback.
    // Writes held back are read as written.
    int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) override;
    // True when the stored number is not 0.
    bool readBool(const std::string& section, const std::string& key, bool fallback) override;

    // Lines are written "key=value" as the game spells the key, a boolean as "1" or "0"; every
    // other line of the file stays byte for byte. Each write makes and flushes the whole new file
    // beside the old one, so a full disk or a file that may not be written is refused here.
    // Refused too: a folder, FIFO or device at the path, or a lock another writer holds past the
    // group's patience. The refusal's text ends with the reason.
    void writeInt(const std::string& section, const std::string& key, int32_t value) override;
    void writeBool(const std::string& section, const std::string& key, bool value) override;

    // Renames the new file over the old one and lets other writers in.
    void commit() override;
    void holdBack() override;
    void discard() override;
    bool groupOpen() const override { return !group_.empty(); }

private:
    struct Change {
        std::string section, key, value;
    };
    using Changes = std::vector<Change>;

    // A later write of a key takes the earlier one's place, as it would in the file.
    static void put(Changes& changes, Change change);
    std::optional<int32_t> stored(std::string_view section, std::string_view key) const;
    void write(std::string_view section, std::string_view key, std::string_view value);
    // Writes the new file beside the old one: the file as read under the lock with every change
    // held back, or the version staged before with the latest change.
    void stage(const Change* latest);
    void lockFolder(const std::filesystem::path& target);
    std::string withChanges(std::string text) const;
    void endGroup();
    [[noreturn]] void refuse(const std::string& reason);

    std::string path_;
    LockWait lockWait_;
    // Writes not in the file yet: those of groups held back, and those of the group in progress.
    Changes heldBack_, group_;
    // From a group's first write to its end: its deadline for the lock, the folder's lock, the
    // file's contents with every change, and those contents written out beside the file.
    std::optional<std::chrono::steady_clock::time_point> lockDeadline_;
    FileLock lock_;
    std::optional<std::string> staged_;
    Replacement replacement_;
    bool staleTemporariesRemoved_ = false;
};

}  // namespace trelvist

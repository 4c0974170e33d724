#pragma once
// The settings file: a profile (INI) file of integers by section and key. Writes are held back
// until commit() and then reach the file in one step; a crash leaves it as it was before the
// writes or after all of them.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/durable_file.h"
#include "settings/file_lock.h"
#include "settings/store.h"

namespace trelvist {

class IniFile : public SettingsStore {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    // Commits what is held back, as a refused write would.
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
    // Refused too: a folder, FIFO or device at the path, or a lock another writer holds for
    // more than ten seconds.
    void writeInt(const std::string& section, const std::string& key, int32_t value) override;
    void writeBool(const std::string& section, const std::string& key, bool value) override;

    // Renames the new file over the old one and lets other writers in.
    void commit() override;

private:
    std::optional<int32_t> stored(std::string_view section, std::string_view key) const;
    void write(std::string_view section, std::string_view key, std::string_view value);
    bool stage(std::string_view section, std::string_view key, std::string_view value);
    bool lockFolder(const std::filesystem::path& target);

    std::string path_;
    // From the first write after a commit to the next commit: the folder's lock, the file's
    // contents as the writes left them, and those contents written out beside the file.
    FileLock lock_;
    std::optional<std::string> staged_;
    Replacement replacement_;
    bool staleTemporariesRemoved_ = false;
};

}  // namespace trelvist

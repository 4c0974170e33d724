#pragma once
// The settings file: a profile (INI) file of integers by section and key, read and written
// through at every call. Nothing is cached, so a read always sees the file as it is.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/store.h"

namespace trelvist {

class IniFile : public SettingsStore {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // An absent or unreadable file, an absent key or a value that is not a number gives fallback.
    int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) override;
    // True when the stored number is not 0.
    bool readBool(const std::string& section, const std::string& key, bool fallback) override;

    // Lines are written "key=value" as the game spells the key, a boolean as "1" or "0"; every
    // other line of the file stays byte for byte.
    void writeInt(const std::string& section, const std::string& key, int32_t value) override;
    void writeBool(const std::string& section, const std::string& key, bool value) override;

private:
    std::optional<int32_t> stored(std::string_view section, std::string_view key) const;
    void write(std::string_view section, std::string_view key, std::string_view value);

    std::string path_;
};

}  // namespace trelvist

#include "settings/ini_file.h"

#include "settings/durable_file.h"
#include "settings/ini_text.h"

namespace trelvist {

std::optional<int32_t> IniFile::stored(std::string_view section, std::string_view key) const {
    std::string text;
    if (readWholeFile(path_, text) != FileRead::Done) return std::nullopt;
    const std::optional<std::string_view> value = ini::findValue(text, section, key);
    return value ? ini::parseInt(*value) : std::nullopt;
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string text;
    // A file that is there but cannot be read must not be replaced by one holding only this key.
    if (readWholeFile(path_, text) == FileRead::Failed ||
        !replaceFile(path_, ini::withValue(text, section, key, value)))
        throw SettingsWriteError("Unable to write to " + path_);
}

int32_t IniFile::readInt(const std::string& section, const std::string& key, int32_t fallback) {
    return stored(section, key).value_or(fallback);
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) {
    const std::optional<int32_t> value = stored(section, key);
    return value ? *value != 0 : fallback;
}

void IniFile::writeInt(const std::string& section, const std::string& key, int32_t value) {
    write(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
    write(section, key, value ? "1" : "0");
}

}  // namespace trelvist

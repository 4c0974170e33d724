#include "settings/ini_file.h"

#include <chrono>

#include "settings/ini_text.h"

namespace trelvist {
namespace fs = std::filesystem;
namespace {

// Another writer holds the lock for one press of a button; longer means it is stuck.
constexpr std::chrono::milliseconds kLockPatience{10'000};

}  // namespace

IniFile::~IniFile() {
    try {
        commit();
    } catch (const SettingsWriteError&) {
        // Nobody is left to tell; the file stays as it was before the writes held back.
    }
}

std::optional<int32_t> IniFile::stored(std::string_view section, std::string_view key) const {
    std::string text;
    if (staged_) text = *staged_;
    else if (readWholeFile(path_, text) != FileRead::Done) return std::nullopt;
    const std::optional<std::string_view> value = ini::findValue(text, section, key);
    return value ? ini::parseInt(*value) : std::nullopt;
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    if (stage(section, key, value)) return;
    commit();
    throw SettingsWriteError("Unable to write to " + path_);
}

bool IniFile::stage(std::string_view section, std::string_view key, std::string_view value) {
    const fs::path target = followLinks(path_);
    if (target.empty() || (!lock_.held() && !lockFolder(target)) || !writableInPlace(target)) return false;
    std::string text;
    if (staged_) text = *staged_;
    // A file that is there but cannot be read must not be replaced by one holding only this key.
    else if (readWholeFile(target, text) == FileRead::Failed) return false;
    text = ini::withValue(text, section, key, value);
    std::optional<Replacement> replacement = Replacement::write(target, text);
    if (!replacement) return false;
    replacement_ = std::move(*replacement);  // the previous version's temporary goes
    staged_ = std::move(text);
    return true;
}

// The folder is locked rather than the file, which every commit replaces by another.
bool IniFile::lockFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // A file system without locks still takes the writes, unguarded.
    if (!makeFolder(folder) || lock_.take(folder, kLockPatience) == FileLock::Outcome::Busy) return false;
    if (!staleTemporariesRemoved_) {
        removeStaleTemporaries(target);
        staleTemporariesRemoved_ = true;
    }
    return true;
}

void IniFile::commit() {
    const bool inPlace = !replacement_.pending() || replacement_.putInPlace();
    staged_.reset();
    lock_.release();
    if (!inPlace) throw SettingsWriteError("Unable to write to " + path_);
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

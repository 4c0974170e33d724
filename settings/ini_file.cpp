#include "settings/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>

#include "settings/ini_text.h"

namespace trelvist {
namespace fs = std::filesystem;
namespace {

constexpr std::chrono::milliseconds kLockPoll{10};

constexpr char kNotRegular[] = "Not a regular file";
constexpr char kLocked[] = "Locked by another program";

std::string systemReason(int error) { return std::generic_category().message(error); }

// Names compare as the text format compares them, so that the changes come out as if every
// write were applied to the text in turn.
bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

IniFile::IniFile(std::string path, LockWait lockWait) : path_(std::move(path)), lockWait_(std::move(lockWait)) {
    if (!lockWait_.sleep) lockWait_.sleep = [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); };
}

IniFile::~IniFile() {
    try {
        commit();
    } catch (const SettingsWriteError&) {
        // Nobody is left to tell; the file stays as it was before the writes held back.
    }
}

void IniFile::put(Changes& changes, Change change) {
    const auto same = std::find_if(changes.begin(), changes.end(), [&](const Change& c) {
        return sameName(c.section, change.section) && sameName(c.key, change.key);
    });
    if (same == changes.end()) changes.push_back(std::move(change));
    else *same = std::move(change);
}

std::string IniFile::withChanges(std::string text) const {
    for (const Changes* changes : {&heldBack_, &group_})
        for (const Change& c : *changes) text = ini::withValue(text, c.section, c.key, c.value);
    return text;
}

std::optional<int32_t> IniFile::stored(std::string_view section, std::string_view key) const {
    std::string text;
    if (staged_) {
        text = *staged_;
    } else {
        if (readWholeFile(path_, text) != FileRead::Done) text.clear();
        if (!heldBack_.empty() || !group_.empty()) text = withChanges(std::move(text));
    }
    const std::optional<std::string_view> value = ini::findValue(text, section, key);
    return value ? ini::parseInt(*value) : std::nullopt;
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    // Held back before it is checked: a refused write is kept with its group all the same.
    Change change{std::string(section), std::string(key), std::string(value)};
    put(group_, change);
    stage(&change);
}

void IniFile::stage(const Change* latest) {
    const fs::path target = followLinks(path_);
    if (target.empty()) refuse(systemReason(ELOOP));
    if (!lock_.held()) lockFolder(target);
    switch (writableInPlace(target)) {
        case InPlace::Writable: break;
        case InPlace::NotRegular: refuse(kNotRegular);
        case InPlace::Refused: refuse(systemReason(errno));
    }
    if (!staged_) {
        std::string text;
        // A file that is there but cannot be read must not be replaced by one holding only the changes.
        if (readWholeFile(target, text) == FileRead::Failed) refuse(systemReason(errno));
        staged_ = withChanges(std::move(text));
    } else if (latest) {
        staged_ = ini::withValue(*staged_, latest->section, latest->key, latest->value);
    }
    std::optional<Replacement> replacement = Replacement::write(target, *staged_);
    if (!replacement) refuse(systemReason(errno));
    replacement_ = std::move(*replacement);  // the previous version's temporary goes
}

// The folder is locked rather than the file, which every commit replaces by another. The wait
// for another writer is the group's, not each write's: a press that writes a dozen keys waits
// no longer than one that writes a single key.
void IniFile::lockFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!makeFolder(folder)) refuse(systemReason(errno));
    if (!lockDeadline_) lockDeadline_ = lockWait_.now() + lockWait_.patience;
    // A file system without locks still takes the writes, unguarded.
    while (lock_.take(folder, std::chrono::milliseconds(0)) == FileLock::Outcome::Busy) {
        if (lockWait_.now() >= *lockDeadline_) refuse(kLocked);
        lockWait_.sleep(kLockPoll);
    }
    if (!staleTemporariesRemoved_) {
        removeStaleTemporaries(target);
        staleTemporariesRemoved_ = true;
    }
}

void IniFile::refuse(const std::string& reason) {
    // Both may lack the refused change: the next try starts again from the file.
    replacement_.discard();
    staged_.reset();
    throw SettingsWriteError("Unable to write to " + path_ + "\n" + reason);
}

void IniFile::commit() {
    if (heldBack_.empty() && group_.empty()) return endGroup();
    // The group's last write was refused, or it made none and only earlier groups are held back.
    if (!replacement_.pending()) stage(nullptr);
    if (!replacement_.putInPlace()) refuse(systemReason(errno));
    heldBack_.clear();
    group_.clear();
    endGroup();
}

void IniFile::holdBack() {
    for (Change& change : group_) put(heldBack_, std::move(change));
    group_.clear();
    endGroup();
}

void IniFile::discard() {
    group_.clear();
    endGroup();
}

void IniFile::endGroup() {
    replacement_.discard();
    staged_.reset();
    lock_.release();
    lockDeadline_.reset();
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

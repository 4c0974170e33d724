#pragma once
// What the game needs of its settings file: integers and booleans by section and key.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace trelvist {

// A write that was refused. Its text is "Unable to write to " followed by the file's path and,
// on a line of its own, the reason the system gave when the store knows one.
class SettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes come in groups, one for each press of a button: a group reaches the file whole or not
// at all. A store that writes at once has no groups, and nothing to do at their ends.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) = 0;
    virtual bool readBool(const std::string& section, const std::string& key, bool fallback) = 0;
    // A write is checked when it is made and held back until the group ends. A refused write
    // throws SettingsWriteError; it is held back with the others all the same, so that what the
    // group wrote is not lost if the file takes it later.
    virtual void writeInt(const std::string& section, const std::string& key, int32_t value) = 0;
    virtual void writeBool(const std::string& section, const std::string& key, bool value) = 0;
    // Ends the group: puts its writes, and those held back from earlier groups, in the file at
    // once. Throws SettingsWriteError when that fails; the file is then as it was, and the caller
    // ends the group with holdBack() or discard().
    virtual void commit() {}
    // Ends the group without touching the file. holdBack() keeps its writes to reach the file
    // with the next commit; discard() forgets them (what earlier groups held back stays).
    virtual void holdBack() {}
    virtual void discard() {}
    // Whether the group in progress holds writes: a write made now joins them, and a commit now
    // would put them in the file before their group has ended.
    virtual bool groupOpen() const { return false; }
};

}  // namespace trelvist

#pragma once
// What the game needs of its settings file: integers and booleans by section and key.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace trelvist {

// A write that was refused. Its text is "Unable to write to " followed by the file's path.
class SettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) = 0;
    virtual bool readBool(const std::string& section, const std::string& key, bool fallback) = 0;
    // A write is checked when it is made, but may be held back until commit(), so that a group
    // of writes reaches the file together. A refused write commits the writes before it and then
    // throws SettingsWriteError.
    virtual void writeInt(const std::string& section, const std::string& key, int32_t value) = 0;
    virtual void writeBool(const std::string& section, const std::string& key, bool value) = 0;
    // Puts every write held back in the file at once. Throws SettingsWriteError, losing them,
    // when that fails. A store that writes at once has nothing to do.
    virtual void commit() {}
};

}  // namespace trelvist

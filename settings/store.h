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
    // Both are on disk when they return; a refused write throws SettingsWriteError.
    virtual void writeInt(const std::string& section, const std::string& key, int32_t value) = 0;
    virtual void writeBool(const std::string& section, const std::string& key, bool value) = 0;
};

}  // namespace trelvist

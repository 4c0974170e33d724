#pragma once
// The settings file as the script sees it: reads go to the file, accepted writes go to the
// file and into the trace, and after "writes fail" every write is refused untouched: unlike a
// refusal of the file itself, it is not held back either, so the file only ever gets the writes
// the trace lists.
#include <cstdint>
#include <string>

#include "settings/store.h"
#include "tools/event_log.h"

namespace trelvist::tools {

class RecordingStore : public SettingsStore {
public:
    // `path` is the file's path as the script was given it; refused writes name it.
    RecordingStore(SettingsStore& file, std::string path, EventLog& log)
        : file_(file), path_(std::move(path)), log_(log) {}

    void setRefusing(bool refusing) { refusing_ = refusing; }

    int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) override;
    bool readBool(const std::string& section, const std::string& key, bool fallback) override;
    void writeInt(const std::string& section, const std::string& key, int32_t value) override;
    void writeBool(const std::string& section, const std::string& key, bool value) override;
    void commit() override;
    void holdBack() override;
    void discard() override;
    bool groupOpen() const override;

private:
    void checkAccepted();
    void record(const std::string& section, const std::string& key, const std::string& value);

    SettingsStore& file_;
    std::string path_;
    EventLog& log_;
    bool refusing_ = false;
};

}  // namespace trelvist::tools

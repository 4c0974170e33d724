#include "tools/recording_store.h"

namespace trelvist::tools {

int32_t RecordingStore::readInt(const std::string& section, const std::string& key, int32_t fallback) {
    return file_.readInt(section, key, fallback);
}

bool RecordingStore::readBool(const std::string& section, const std::string& key, bool fallback) {
    return file_.readBool(section, key, fallback);
}

// The file is written first, so a write the file itself refuses is not recorded either.
void RecordingStore::writeInt(const std::string& section, const std::string& key, int32_t value) {
    checkAccepted();
    file_.writeInt(section, key, value);
    record(section, key, std::to_string(value));
}

void RecordingStore::writeBool(const std::string& section, const std::string& key, bool value) {
    checkAccepted();
    file_.writeBool(section, key, value);
    record(section, key, value ? "1" : "0");
}

void RecordingStore::commit() { file_.commit(); }

void RecordingStore::holdBack() { file_.holdBack(); }

void RecordingStore::discard() { file_.discard(); }

bool RecordingStore::groupOpen() const { return file_.groupOpen(); }

void RecordingStore::checkAccepted() {
    if (refusing_) throw SettingsWriteError("Unable to write to " + path_);
}

void RecordingStore::record(const std::string& section, const std::string& key, const std::string& value) {
    log_.add("write", nlohmann::ordered_json::array({section, key, value}));
}

}  // namespace trelvist::tools

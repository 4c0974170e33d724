#pragma once
// The events of one script command, in the order they happened. The recording host and the
// recording settings store both append to it; the session takes them for the trace line.
#include <utility>

#include <nlohmann/json.hpp>

namespace trelvist::tools {

class EventLog {
public:
    // Each event is an object with one key, e.g. {"sound": "chip2.wav"}.
    void add(const char* kind, nlohmann::ordered_json value) {
        events_.push_back(nlohmann::ordered_json{{kind, std::move(value)}});
    }

    nlohmann::ordered_json take() { return std::exchange(events_, nlohmann::ordered_json::array()); }

private:
    nlohmann::ordered_json events_ = nlohmann::ordered_json::array();
};

}  // namespace trelvist::tools

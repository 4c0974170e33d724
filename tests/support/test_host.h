#pragma once
// A host and a settings store for driving the table without a window or a file.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/host.h"
#include "settings/store.h"

namespace trelvist::testing {

struct HostEvent {
    enum Kind { Felt, Erase, Draw, Trim, Sound, Message, Ask, Error, Window } kind;
    std::string text;      // sound file, message text, error text, question
    std::string caption;   // message and question caption
    std::array<int, 4> numbers{};  // erase rectangle, or picture, x, y
};

class TestHost : public Host {
public:
    std::vector<HostEvent> events;
    bool answerYes = true;
    uint32_t now = 1700000000;
    std::function<void(ModalWindow)> insideWindow;  // what a person does before closing it
    std::function<void()> insideMessage;            // what a test looks at while a message shows

    void paintBackground() override { events.push_back({HostEvent::Felt, {}, {}, {}}); }
    void eraseArea(Rect r) override { events.push_back({HostEvent::Erase, {}, {}, {r.left, r.top, r.right, r.bottom}}); }
    void drawCard(int picture, int x, int y) override { events.push_back({HostEvent::Draw, {}, {}, {picture, x, y, 0}}); }
    void trimCorners(int x, int y, bool keepTopLeft) override {
        events.push_back({HostEvent::Trim, {}, {}, {x, y, keepTopLeft ? 1 : 0, 0}});
    }
    void playSound(const std::string& file) override { events.push_back({HostEvent::Sound, file, {}, {}}); }
    void showMessage(const std::string& caption, const std::string& text) override {
        events.push_back({HostEvent::Message, text, caption, {}});
        if (insideMessage) insideMessage();
    }
    bool askYesNo(const std::string& caption, const std::string& text) override {
        events.push_back({HostEvent::Ask, text, caption, {}});
        return answerYes;
    }
    void reportError(const std::string& text) override { events.push_back({HostEvent::Error, text, {}, {}}); }
    void showWindow(ModalWindow window) override {
        events.push_back({HostEvent::Window, {}, {}, {static_cast<int>(window), 0, 0, 0}});
        if (insideWindow) insideWindow(window);
    }
    uint32_t clock() override { return now; }

    std::vector<HostEvent> take() { return std::exchange(events, {}); }
    std::vector<std::string> texts(HostEvent::Kind kind) const {
        std::vector<std::string> out;
        for (const HostEvent& e : events)
            if (e.kind == kind) out.push_back(e.text);
        return out;
    }
};

// Settings in memory; it can refuse writes as a full disk would.
class MemoryStore : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, int32_t> values;
    std::vector<std::pair<std::string, int32_t>> writes;  // "Section/key", value, in order
    bool refuse = false;

    int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) override {
        const auto it = values.find({section, key});
        return it == values.end() ? fallback : it->second;
    }
    bool readBool(const std::string& section, const std::string& key, bool fallback) override {
        return readInt(section, key, fallback ? 1 : 0) != 0;
    }
    void writeInt(const std::string& section, const std::string& key, int32_t value) override {
        if (refuse) throw SettingsWriteError("Unable to write to /test/trelvist.ini");
        values[{section, key}] = value;
        writes.emplace_back(section + "/" + key, value);
    }
    void writeBool(const std::string& section, const std::string& key, bool value) override {
        writeInt(section, key, value ? 1 : 0);
    }
};

}  // namespace trelvist::testing

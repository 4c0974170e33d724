#pragma once
// A host and a settings store for driving the table without a window or a file. The host
// also watches the table and records each change of its cards as the steps that paint it, so
// that tests read the felt, erasures, draws and trims in the order a lasting picture gets them.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/host.h"
#include "game/table_observer.h"
#include "settings/store.h"
#include "tools/paint_steps.h"

namespace trelvist::testing {

struct HostEvent {
    enum Kind { Felt, Erase, Draw, Trim, Sound, Message, Ask, Error } kind;
    std::string text;      // sound file, message text, error text, question
    std::string caption;   // message and question caption
    std::array<int, 4> numbers{};  // erase rectangle, or picture, x, y
};

// Paint steps reach it only once it is added as an observer of the table.
class TestHost : public Host, public TableObserver {
public:
    std::vector<HostEvent> events;
    bool answerYes = true;
    uint32_t now = 1700000000;
    std::function<void()> insideMessage;  // what a test looks at while a message shows

    void tableChanged(const TableView& view, const TableChange& change) override {
        for (const tools::PaintStep& step : tools::paintSteps(view, change)) {
            switch (step.kind) {
                case tools::PaintStep::Kind::Felt: events.push_back({HostEvent::Felt, {}, {}, {}}); break;
                case tools::PaintStep::Kind::Erase: {
                    const ui::Rect& r = step.area;
                    events.push_back({HostEvent::Erase, {}, {}, {r.left, r.top, r.right, r.bottom}});
                    break;
                }
                case tools::PaintStep::Kind::Draw:
                    events.push_back({HostEvent::Draw, {}, {}, {step.picture, step.at.x, step.at.y, 0}});
                    break;
                case tools::PaintStep::Kind::Trim:
                    events.push_back({HostEvent::Trim, {}, {}, {step.at.x, step.at.y, step.keepTopLeft ? 1 : 0, 0}});
                    break;
            }
        }
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

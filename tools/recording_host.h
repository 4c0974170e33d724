#pragma once
// A host with no window: it records what the game would paint and play, answers every
// message box with OK and every question with the script's answer, and reads a set clock.
#include <cstdint>
#include <string>

#include "game/host.h"
#include "game/table_observer.h"
#include "tools/event_log.h"

namespace trelvist::tools {

class RecordingHost : public Host, public TableObserver {
public:
    explicit RecordingHost(EventLog& log) : log_(log) {}

    void setClock(uint32_t seconds) { clock_ = seconds; }
    void setAnswer(bool yes) { answer_ = yes; }
    // A modal window shown: "odds", "stats" or "rules".
    void windowShown(const char* name) { log_.add("window", name); }

    void tableChanged(const TableView& view, const TableChange& change) override;
    void playSound(const std::string& file) override;
    void showMessage(const std::string& caption, const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    void reportError(const std::string& text) override;
    uint32_t clock() override { return clock_; }

private:
    EventLog& log_;
    uint32_t clock_ = 0;
    bool answer_ = false;
};

}  // namespace trelvist::tools

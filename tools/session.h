#pragma once
// One run of a table script: the engine, its recording host and settings store, and the
// dispatch of each command to the handler a person would trigger.
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "game/table.h"
#include "history/hand_history.h"
#include "settings/ini_file.h"
#include "tools/event_log.h"
#include "tools/recording_host.h"
#include "tools/recording_store.h"
#include "tools/script.h"

namespace trelvist::tools {

class Session {
public:
    // With a history folder, every settled hand is also written there as the game writes it.
    explicit Session(const std::string& iniPath, const std::string& historyFolder = {});

    // Runs one command line and returns its trace line. Throws ScriptError for a line the
    // tool cannot run (then nothing of it has run).
    nlohmann::ordered_json run(const ScriptLine& line);

private:
    // Returns false when the engine ignored the press.
    bool perform(const Command& command);

    EventLog log_;
    RecordingHost host_{log_};
    IniFile file_;
    RecordingStore store_;
    std::optional<history::HandHistory> history_;
    std::optional<Table> table_;  // the main window, once `start` has built it
};

}  // namespace trelvist::tools

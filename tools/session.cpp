#include "tools/session.h"

#include <exception>
#include <iostream>

#include "tools/trace.h"

namespace trelvist::tools {

using nlohmann::ordered_json;

Session::Session(const std::string& iniPath, const std::string& historyFolder)
    : file_(iniPath), store_(file_, iniPath, log_) {
    // The hands are timed by the script's clock, so the same script writes the same files. A
    // refusal goes to standard error: the trace is the same with or without the history.
    if (!historyFolder.empty())
        history_.emplace(
            historyFolder, [this] { return int64_t{host_.clock()}; },
            [](const std::string& refusal) { std::cerr << "trelvist-script: " << refusal << '\n'; });
}

ordered_json Session::run(const ScriptLine& line) {
    const Command command = parseCommand(line.text);
    const bool setup = command.verb == Verb::Clock || command.verb == Verb::Writes;
    if (command.verb == Verb::Start && table_) throw ScriptError("'start' given twice");
    if (!setup && command.verb != Verb::Start && !table_)
        throw ScriptError(quoteForError(line.text) + " before 'start'");

    bool ignored = false;
    // Like the application's error handler, an error that ends a handler is shown and play goes on.
    try {
        ignored = !perform(command);
    } catch (const std::exception& error) {
        host_.reportError(error.what());
    }

    const Random* rng = table_ ? &table_->random() : nullptr;
    return ordered_json{
        {"n", line.number},
        {"cmd", line.text},
        {"ignored", ignored},
        {"rng", {{"draws", rng ? rng->draws() : 0}, {"state", std::to_string(rng ? rng->state() : 0)}}},
        {"events", log_.take()},
        {"state", table_ ? stateJson(table_->state(), table_->odds()) : ordered_json()},
        {"ui", table_ ? viewJson(table_->view()) : ordered_json()},
    };
}

bool Session::perform(const Command& command) {
    const bool press = command.verb == Verb::Press;
    host_.setAnswer(press && command.press.control == Control::NewGame && command.choice);
    switch (command.verb) {
    case Verb::Clock: host_.setClock(command.number); return true;
    case Verb::Writes: store_.setRefusing(command.choice); return true;
    case Verb::Start:
        table_.emplace(host_, store_);
        if (history_) table_->addObserver(history_->log());
        table_->addObserver(host_);
        table_->startUp();
        return true;
    case Verb::Repaint: table_->redraw(); return true;
    case Verb::Press: break;
    }
    // The modal windows open with what the table answers, and close with their Ok at once;
    // Reset is pressed inside the statistics window.
    switch (command.press.control) {
    case Control::Advice:
        table_->advice();
        host_.windowShown("odds");
        return true;
    case Control::Rules: host_.windowShown("rules"); return true;
    case Control::Stats:
        table_->showStats();
        host_.windowShown("stats");
        return true;
    case Control::ResetStats:
        table_->showStats();
        host_.windowShown("stats");
        table_->resetStats();
        return true;
    default: return table_->press(command.press);
    }
}

}  // namespace trelvist::tools

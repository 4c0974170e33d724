#include "tools/session.h"

#include <exception>
#include <functional>
#include <stdexcept>

#include "tools/trace.h"

namespace trelvist::tools {

using nlohmann::ordered_json;

Session::Session(const std::string& iniPath) : file_(iniPath), store_(file_, iniPath, log_) {}

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
        {"state", table_ ? stateJson(table_->state()) : ordered_json()},
        {"ui", table_ ? displayJson(table_->display()) : ordered_json()},
    };
}

bool Session::perform(const Command& command) {
    host_.setAnswer(command.verb == Verb::New && command.choice);
    // Only `reset` does something inside the statistics window before closing it.
    host_.setWindowAction(command.verb == Verb::Reset ? [this] { table_->dxButton2Click(); } : std::function<void()>{});
    switch (command.verb) {
    case Verb::Clock: host_.setClock(command.number); return true;
    case Verb::Writes: store_.setRefusing(command.choice); return true;
    case Verb::Start: table_.emplace(host_, store_).startUp(); return true;
    case Verb::Deal: return table_->newgame();
    case Verb::Call: return table_->playerstays();
    case Verb::Raise: return table_->playerbets();
    case Verb::Fold: return table_->playerpasses();
    case Verb::New: return table_->NewGame1Click();
    case Verb::Options: return table_->Options1Click();
    case Verb::Advice: return table_->Advice1Click();
    case Verb::About: return table_->aboutbox();
    case Verb::Stats:
    case Verb::Reset: return table_->Stats1Click();
    case Verb::Repaint: table_->redraw(); return true;
    case Verb::Money: return table_->setMoneyText(command.text);
    case Verb::Until: return table_->setUntilText(command.text);
    case Verb::Enter: return table_->enterClick();
    case Verb::Unenter: return table_->unenterClick();
    case Verb::Up: return table_->betchange(true);
    case Verb::Down: return table_->betchange(false);
    case Verb::Back: return table_->Changeback(static_cast<int>(command.number));
    case Verb::Level: return table_->LevelsClick(static_cast<int>(command.number));
    case Verb::Sound: return table_->SoundOff1Click();
    case Verb::Ok: return table_->CloseClick();
    }
    throw std::logic_error("a command without a handler");
}

}  // namespace trelvist::tools

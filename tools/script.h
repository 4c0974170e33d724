#pragma once
// Reading a table script: one command per line, checked before anything runs.
#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "game/controls.h"

namespace trelvist::tools {

// A line the tool cannot run. The message says why; the caller names the line.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the tool does besides pressing the game's controls.
enum class Verb { Clock, Writes, Start, Repaint, Press };

struct Command {
    Verb verb = Verb::Start;
    Press press{Control::Deal};  // Verb::Press: the control, its item or its typed text
    uint32_t number = 0;         // clock: seconds
    bool choice = false;         // writes: fail; new: yes
};

// A command line: its 1-based number in the script and its text without the trailing CR.
struct ScriptLine {
    int number = 0;
    std::string text;
};

class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : in_(in) {}
    // The next line that holds a command, skipping blank lines and comments.
    bool next(ScriptLine& line);

private:
    std::istream& in_;
    int lineNumber_ = 0;
};

// Throws ScriptError for an unknown command or a malformed argument.
Command parseCommand(const std::string& text);

// Script text in single quotes for an error message: its first 80 characters and "..." after
// the quote when there were more, with control bytes and the backslash written as \xNN, so that
// the message stays one short line whatever the script holds.
std::string quoteForError(std::string_view text);

}  // namespace trelvist::tools

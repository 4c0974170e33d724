#include "tools/script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace trelvist::tools {
namespace {

constexpr std::size_t kQuotedLength = 80;

enum class Argument { None, Number, Choice, Text };

struct VerbSyntax {
    std::string_view word;
    Verb verb;
    Control control{};  // Verb::Press: the control pressed
    Argument argument = Argument::None;
    uint32_t maxNumber = 0;      // Number: the largest value allowed
    std::string_view chosen{};   // Choice: the word that sets Command::choice
    std::string_view other{};    // Choice: the word that clears it
};

constexpr std::array<VerbSyntax, 24> kSyntax{{
    {"clock", Verb::Clock, {}, Argument::Number, 4294967295u},
    {"writes", Verb::Writes, {}, Argument::Choice, 0, "fail", "ok"},
    {"start", Verb::Start},
    {"deal", Verb::Press, Control::Deal},
    {"call", Verb::Press, Control::CheckOrCall},
    {"raise", Verb::Press, Control::Raise},
    {"fold", Verb::Press, Control::Fold},
    {"new", Verb::Press, Control::NewGame, Argument::Choice, 0, "yes", "no"},
    {"options", Verb::Press, Control::Options},
    {"advice", Verb::Press, Control::Advice},
    {"about", Verb::Press, Control::Rules},
    {"stats", Verb::Press, Control::Stats},
    {"reset", Verb::Press, Control::ResetStats},
    {"repaint", Verb::Repaint},
    {"money", Verb::Press, Control::TypeInitialCash, Argument::Text},
    {"until", Verb::Press, Control::TypePlayUntil, Argument::Text},
    {"enter", Verb::Press, Control::EnterInitialCash},
    {"unenter", Verb::Press, Control::EnterPlayUntil},
    {"up", Verb::Press, Control::RaiseLimits},
    {"down", Verb::Press, Control::LowerLimits},
    {"back", Verb::Press, Control::CardBack, Argument::Number, 7},
    {"level", Verb::Press, Control::Level, Argument::Number, 3},
    {"sound", Verb::Press, Control::Sound},
    {"ok", Verb::Press, Control::CloseOptions},
}};

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Plain decimal digits only: no sign, no blanks.
uint32_t parseNumber(std::string_view word, std::string_view argument, uint32_t max) {
    uint64_t value = 0;
    const char* end = argument.data() + argument.size();
    auto [ptr, ec] = std::from_chars(argument.data(), end, value);
    if (argument.empty() || ec != std::errc{} || ptr != end || value > max)
        throw ScriptError("'" + std::string(word) + "' needs a number from 0 to " + std::to_string(max) +
                          ", not " + quoteForError(argument));
    return static_cast<uint32_t>(value);
}

}  // namespace

bool ScriptReader::next(ScriptLine& line) {
    std::string text;
    while (std::getline(in_, text)) {
        ++lineNumber_;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (isBlank(text) || text.front() == '#') continue;
        line = ScriptLine{lineNumber_, std::move(text)};
        return true;
    }
    return false;
}

Command parseCommand(const std::string& text) {
    const std::size_t space = text.find(' ');
    const std::string_view line(text);
    const std::string_view word = line.substr(0, space);
    const bool hasArgument = space != std::string_view::npos;
    const std::string_view argument = hasArgument ? line.substr(space + 1) : std::string_view{};

    const auto syntax = std::find_if(kSyntax.begin(), kSyntax.end(), [&](const VerbSyntax& s) { return s.word == word; });
    if (syntax == kSyntax.end()) throw ScriptError("unknown command " + quoteForError(word));

    Command command;
    command.verb = syntax->verb;
    command.press.control = syntax->control;
    switch (syntax->argument) {
    case Argument::None:
        if (hasArgument) throw ScriptError("'" + std::string(word) + "' takes no argument");
        break;
    case Argument::Number:
        command.number = parseNumber(word, argument, syntax->maxNumber);
        command.press.item = static_cast<int>(command.number);
        break;
    case Argument::Choice:
        if (argument != syntax->chosen && argument != syntax->other)
            throw ScriptError("'" + std::string(word) + "' needs '" + std::string(syntax->chosen) + "' or '" +
                              std::string(syntax->other) + "', not " + quoteForError(argument));
        command.choice = argument == syntax->chosen;
        break;
    case Argument::Text:
        command.press.text = argument;  // the engine keeps what fits in the box
        break;
    }
    return command;
}

std::string quoteForError(std::string_view text) {
    const std::string kept = firstCharacters(std::string(text), kQuotedLength);
    std::string out = "'";
    for (const char c : kept) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') {
            constexpr char kHex[] = "0123456789ABCDEF";
            out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        } else {
            out += c;
        }
    }
    return out + (kept.size() < text.size() ? "'..." : "'");
}

}  // namespace trelvist::tools

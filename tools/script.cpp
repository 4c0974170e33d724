#include "tools/script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace trelvist::tools {
namespace {

constexpr std::size_t kEditBoxLength = 6;
constexpr std::size_t kQuotedLength = 80;

enum class Argument { None, Number, Choice, Text };

struct VerbSyntax {
    std::string_view word;
    Verb verb;
    Argument argument = Argument::None;
    uint32_t maxNumber = 0;      // Number: the largest value allowed
    std::string_view chosen{};   // Choice: the word that sets Command::choice
    std::string_view other{};    // Choice: the word that clears it
};

constexpr std::array<VerbSyntax, 24> kSyntax{{
    {"clock", Verb::Clock, Argument::Number, 4294967295u},
    {"writes", Verb::Writes, Argument::Choice, 0, "fail", "ok"},
    {"start", Verb::Start},
    {"deal", Verb::Deal},
    {"call", Verb::Call},
    {"raise", Verb::Raise},
    {"fold", Verb::Fold},
    {"new", Verb::New, Argument::Choice, 0, "yes", "no"},
    {"options", Verb::Options},
    {"advice", Verb::Advice},
    {"about", Verb::About},
    {"stats", Verb::Stats},
    {"reset", Verb::Reset},
    {"repaint", Verb::Repaint},
    {"money", Verb::Money, Argument::Text},
    {"until", Verb::Until, Argument::Text},
    {"enter", Verb::Enter},
    {"unenter", Verb::Unenter},
    {"up", Verb::Up},
    {"down", Verb::Down},
    {"back", Verb::Back, Argument::Number, 7},
    {"level", Verb::Level, Argument::Number, 3},
    {"sound", Verb::Sound},
    {"ok", Verb::Ok},
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
    switch (syntax->argument) {
    case Argument::None:
        if (hasArgument) throw ScriptError("'" + std::string(word) + "' takes no argument");
        break;
    case Argument::Number:
        command.number = parseNumber(word, argument, syntax->maxNumber);
        break;
    case Argument::Choice:
        if (argument != syntax->chosen && argument != syntax->other)
            throw ScriptError("'" + std::string(word) + "' needs '" + std::string(syntax->chosen) + "' or '" +
                              std::string(syntax->other) + "', not " + quoteForError(argument));
        command.choice = argument == syntax->chosen;
        break;
    case Argument::Text:
        command.text = firstCharacters(std::string(argument), kEditBoxLength);
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

std::string firstCharacters(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t kept = 0; end < text.size() && kept < count; ++kept) {
        ++end;
        // UTF-8 continuation bytes belong to the character before them.
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end);
}

}  // namespace trelvist::tools

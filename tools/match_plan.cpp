#include "tools/match_plan.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <vector>

#include "game/strategies.h"

namespace trelvist::tools {

namespace {

constexpr std::array<std::string_view, 4> kLevelNames{"amateur", "expert", "master", "genius"};

std::optional<std::string> registryName(std::string_view commandName) {
    for (const StrategyEntry& entry : strategies())
        if (commandLineName(entry.name) == commandName) return std::string(entry.name);
    return std::nullopt;
}

std::string styleList() {
    std::string list;
    for (const StrategyEntry& entry : strategies()) list += (list.empty() ? "" : ", ") + commandLineName(entry.name);
    return list;
}

template <class Number>
bool readNumber(std::string_view text, Number& value, Number least, Number most) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= least && value <= most;
}

std::optional<std::string> readStyles(std::string_view text, MatchPlan& plan) {
    std::vector<std::string> names;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        names.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (names.size() != plan.styles.size())
        return "--seats needs eight styles separated by commas, one for each of You, Freak, Geek, Master, "
               "Champ, Pinhead, Expert and Robot; got " + std::to_string(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        const auto name = registryName(names[i]);
        if (!name) return "unknown style '" + names[i] + "'; the styles are " + styleList();
        plan.styles[i] = *name;
    }
    return std::nullopt;
}

}  // namespace

std::string commandLineName(std::string_view registryName) {
    std::string name(registryName);
    for (char& c : name) c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

MatchCommand readCommandLine(int argc, const char* const* argv, int cores) {
    MatchCommand command;
    MatchPlan plan;
    plan.threads = std::max(1, cores);
    bool handsGiven = false;
    const auto refuse = [&](std::string text) {
        command.error = std::move(text);
        return command;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            command.help = true;
            return command;
        }
        if (option == "--rotate") {
            plan.rotate = true;
            continue;
        }
        if (option == "--duplicate") {
            plan.duplicate = true;
            continue;
        }
        const bool takesValue = option == "--hands" || option == "--seed" || option == "--level" ||
                                option == "--seats" || option == "--threads" || option == "--json" ||
                                option == "--history";
        if (!takesValue) return refuse("unknown option '" + std::string(option) + "'");
        if (i + 1 >= argc) return refuse(std::string(option) + " needs a value");
        const std::string_view value = argv[++i];
        if (option == "--hands") {
            if (!readNumber<int64_t>(value, plan.hands, 1, int64_t{1} << 40))
                return refuse("--hands needs a whole number of hands above 0, not '" + std::string(value) + "'");
            handsGiven = true;
        } else if (option == "--seed") {
            if (!readNumber<uint32_t>(value, plan.seed, 0, UINT32_MAX))
                return refuse("--seed needs a whole number from 0 to 4294967295, not '" + std::string(value) + "'");
        } else if (option == "--level") {
            const auto* known = std::find(kLevelNames.begin(), kLevelNames.end(), value);
            if (known == kLevelNames.end())
                return refuse("unknown level '" + std::string(value) + "'; the levels are amateur, expert, master, genius");
            plan.level = static_cast<int>(known - kLevelNames.begin());
        } else if (option == "--seats") {
            if (auto error = readStyles(value, plan)) return refuse(*error);
        } else if (option == "--threads") {
            if (!readNumber(value, plan.threads, 1, 256))
                return refuse("--threads needs a whole number from 1 to 256, not '" + std::string(value) + "'");
        } else if (option == "--json") {
            plan.jsonFile = value;
        } else {
            plan.historyFolder = value;
        }
    }
    if (!handsGiven) return refuse("--hands N is required");
    command.plan = std::move(plan);
    return command;
}

std::string helpText() {
    return "usage: trelvist-match --hands N [--seed S] [--level amateur|expert|master|genius]\n"
           "                      [--seats STYLE,STYLE,...] [--rotate] [--duplicate] [--threads T]\n"
           "                      [--json FILE] [--history DIR]\n"
           "\n"
           "Plays N hands of the table without a window, every seat played by a style, and prints\n"
           "each seat's hands, VPIP, PFR, 3-bet, AF, WTSD, W$SD, WWSF, c-bet and win rate in big\n"
           "bets per 100 hands with its 95 % confidence interval.\n"
           "\n"
           "  --hands N      hands to play\n"
           "  --seed S       the seed of the deals (default 1); the same seed plays the same match\n"
           "                 whatever the number of threads\n"
           "  --level L      the odds routine's level (default genius)\n"
           "  --seats LIST   eight styles in seat order You, Freak, Geek, Master, Champ, Pinhead,\n"
           "                 Expert, Robot (default classic for all); You are played through the\n"
           "                 same presses a player makes\n"
           "  --rotate       the styles move round the seats, each in every seat at every place\n"
           "                 from the blinds once in 64 hands; figures per style\n"
           "  --duplicate    each deal is played again in all eight seatings, the styles moved one\n"
           "                 seat each time, so every style holds every seat's cards; N counts the\n"
           "                 hands played, N/8 deals (rounded up); figures per style\n"
           "  --threads T    threads (default: one per core)\n"
           "  --json FILE    also write the figures as JSON\n"
           "  --history DIR  also write the hands to history files as the game writes them\n"
           "\n"
           "Styles: " + styleList() + "\n"
           "\n"
           "Chips: the hands are played in games of 1000 hands, each starting with 100000 chips\n"
           "(12500 big bets) for every seat, so no seat runs short; should one run out all the\n"
           "same, every seat gets its 100000 chips back in a new game. The win rate counts the\n"
           "chips each hand won or lost.\n";
}

}  // namespace trelvist::tools

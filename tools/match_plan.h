#pragma once
// What a match plays: its command line read into a plan, and the styles by their command-line
// names.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelvist::tools {

struct MatchPlan {
    int64_t hands = 0;
    uint32_t seed = 1;
    int level = 3;  // 0 Amateur .. 3 Genius
    // The registry's names of the styles, in seat order: You, Freak, Geek, Master, Champ,
    // Pinhead, Expert, Robot.
    std::array<std::string, 8> styles{"Classic", "Classic", "Classic", "Classic",
                                      "Classic", "Classic", "Classic", "Classic"};
    bool rotate = false;     // the styles move round every seat and place; figures per style
    bool duplicate = false;  // each deal again in all eight seatings; figures per style
    int threads = 1;
    std::string jsonFile;
    std::string historyFolder;

    bool perStyle() const { return rotate || duplicate; }
};

// A registry name as the command line spells it: "Calling station" is "calling-station".
std::string commandLineName(std::string_view registryName);

// The command line read: a plan, the help, or the reason it was refused.
struct MatchCommand {
    std::optional<MatchPlan> plan;
    bool help = false;
    std::string error;
};

MatchCommand readCommandLine(int argc, const char* const* argv, int cores);

std::string helpText();

}  // namespace trelvist::tools

// trelvist-script: replays a table script read from standard input without a window and
// writes one JSON trace line per command to standard output; with --history, the settled hands
// also go to the history files of a folder, as the game writes them.
#include <cstring>
#include <iostream>

#include "tools/script.h"
#include "tools/session.h"

namespace {

constexpr int kScriptError = 2;

}  // namespace

int main(int argc, char** argv) {
    using namespace trelvist::tools;
    const bool withHistory = argc == 5 && std::strcmp(argv[3], "--history") == 0;
    if ((argc != 3 && !withHistory) || std::strcmp(argv[1], "--ini") != 0) {
        std::cerr << "usage: trelvist-script --ini PATH [--history DIR] < script.txt > trace.jsonl\n";
        return kScriptError;
    }
    Session session(argv[2], withHistory ? argv[4] : "");
    ScriptReader reader(std::cin);
    ScriptLine line;
    while (reader.next(line)) {
        try {
            const auto trace = session.run(line);
            // Text the game shows may hold anything a settings file or script gave it.
            std::cout << trace.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
        } catch (const ScriptError& error) {
            std::cout.flush();
            std::cerr << "trelvist-script: line " << line.number << ": " << error.what() << '\n';
            return kScriptError;
        }
    }
    return 0;
}

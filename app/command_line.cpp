#include "app/command_line.h"

#include <cstdio>
#include <string_view>

namespace trelvist::app {

namespace {

constexpr char kHelp[] =
    "Usage: trelvist [--help | --version]\n"
    "\n"
    "Texas hold'em against seven computer opponents, in one window.\n"
    "The cash of every seat, the options and your statistics are kept in\n"
    "$XDG_CONFIG_HOME/trelvist/trelvist.ini (by default ~/.config/trelvist/trelvist.ini).\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n";

enum class Request { Help, Version, Unknown };

Request request(std::string_view argument) {
    if (argument == "--help" || argument == "-h") return Request::Help;
    if (argument == "--version") return Request::Version;
    return Request::Unknown;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        switch (request(argv[i])) {
        case Request::Help: help = true; break;
        case Request::Version: break;
        case Request::Unknown:
            std::fprintf(stderr, "trelvist: %s '%s' (see trelvist --help)\n",
                         argv[i][0] == '-' ? "unknown option" : "unexpected argument", argv[i]);
            return 2;
        }
    }
    if (help) std::fputs(kHelp, stdout);
    else std::printf("trelvist %s\n", TRELVIST_VERSION);
    return 0;
}

}  // namespace trelvist::app

#pragma once
// The program's only options, --help and --version. They are answered before the window
// system is touched, so they work without a display and read or write no file.
#include <optional>

namespace trelvist::app {

// Answers the options: prints the help or the version and gives exit code 0, or prints a
// one-line error and gives 2. Without arguments gives nothing: the game starts.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace trelvist::app

#pragma once
// Runs the built trelvist-script in a fresh folder of its own, as a person would from a shell.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace trelvist::tools::testing {

struct ToolResult {
    int status = -1;                            // the exit status; 137 when stopped after 20 seconds
    std::vector<nlohmann::ordered_json> lines;  // standard output, one trace line each
    std::string errors;                         // standard error
};

class ToolSandbox {
public:
    ToolSandbox();   // a new empty folder under the system's temporary folder
    ~ToolSandbox();  // removes it
    ToolSandbox(const ToolSandbox&) = delete;
    ToolSandbox& operator=(const ToolSandbox&) = delete;

    const std::filesystem::path& dir() const { return dir_; }

    // Runs the tool inside the folder with `script` on standard input and --ini `ini`.
    ToolResult run(const std::string& script, const std::string& ini = "trelvist.ini") const;
    // The same with the arguments given as they stand (for the usage check).
    ToolResult runWithArguments(const std::string& script, const std::string& arguments) const;
    // Starts the tool inside the folder on `script` and returns its process id at once; what
    // it prints is thrown away.
    pid_t start(const std::string& script, const std::string& ini = "trelvist.ini") const;

private:
    std::filesystem::path dir_;
};

std::string readFile(const std::filesystem::path& path);

// The events of a trace line that have the given kind, e.g. every {"write": [...]}.
std::vector<nlohmann::ordered_json> eventsOf(const nlohmann::ordered_json& line, const std::string& kind);

}  // namespace trelvist::tools::testing

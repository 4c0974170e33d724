#include "tool_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace trelvist::tools::testing {
namespace {

// One shell word, whatever it holds.
constexpr int kTimeLimitSeconds = 20;

std::string quoted(const std::string& text) {
    std::string word = "'";
    for (char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

}  // namespace

ToolSandbox::ToolSandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "trelvist-script-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    dir_ = pattern;
}

ToolSandbox::~ToolSandbox() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

ToolResult ToolSandbox::run(const std::string& script, const std::string& ini) const {
    return runWithArguments(script, "--ini " + quoted(ini));
}

ToolResult ToolSandbox::runWithArguments(const std::string& script, const std::string& arguments) const {
    std::ofstream(dir_ / "script.txt", std::ios::binary) << script;
    // A run that hangs is stopped, so that a test reports it instead of hanging too.
    const std::string command = "cd " + quoted(dir_.string()) + " && timeout -s KILL " +
                                std::to_string(kTimeLimitSeconds) + " " + quoted(TRELVIST_SCRIPT_TOOL) + " " +
                                arguments + " < script.txt > trace.jsonl 2> errors.txt";
    const int wait = std::system(command.c_str());

    ToolResult result;
    result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    result.errors = readFile(dir_ / "errors.txt");
    std::istringstream trace(readFile(dir_ / "trace.jsonl"));
    for (std::string line; std::getline(trace, line);) result.lines.push_back(nlohmann::ordered_json::parse(line));
    return result;
}

pid_t ToolSandbox::start(const std::string& script, const std::string& ini) const {
    const std::filesystem::path scriptFile = dir_ / "script.txt";
    std::ofstream(scriptFile, std::ios::binary) << script;
    const pid_t child = ::fork();
    if (child == 0) {
        // Only calls that are safe between fork and exec in a process with threads.
        const int in = ::open(scriptFile.c_str(), O_RDONLY);
        const int out = ::open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0 ||
            ::chdir(dir_.c_str()) != 0)
            ::_exit(127);
        ::execl(TRELVIST_SCRIPT_TOOL, TRELVIST_SCRIPT_TOOL, "--ini", ini.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (child < 0) throw std::runtime_error("cannot start the script tool");
    return child;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<nlohmann::ordered_json> eventsOf(const nlohmann::ordered_json& line, const std::string& kind) {
    std::vector<nlohmann::ordered_json> found;
    for (const auto& event : line.at("events"))
        if (event.contains(kind)) found.push_back(event.at(kind));
    return found;
}

}  // namespace trelvist::tools::testing

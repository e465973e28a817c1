// Runs the built clefmark-cli and captures what it says.
#pragma once

#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace clefmark::test {

struct CliRun {
    int status = -1; ///< exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

/// Runs clefmark-cli with `args` in `dir`, standard input empty, and captures
/// what it writes. `extraEnvironment` entries ("NAME=value") take the place
/// of this process's variables of the same names.
inline CliRun runCli(const TempDir& dir, const std::vector<std::string>& args,
    const std::vector<std::string>& extraEnvironment = {})
{
    std::vector<std::string> argv { CLEFMARK_CLI_PATH };
    argv.insert(argv.end(), args.begin(), args.end());
    ChildOptions options;
    options.environment = extraEnvironment;
    options.workingDirectory = dir.path().string();
    ChildProcess cli(argv, options);
    if (!cli.started())
        throw std::runtime_error("cannot run " CLEFMARK_CLI_PATH ": " + cli.startError());
    // Well inside a test's own timeout, so that a hang shows as this run.
    const std::optional<int> status = cli.wait(std::chrono::seconds(60));
    return { status.value_or(-1), cli.out(), cli.err() };
}

/// `text` cut into lines, without their newlines.
inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            result.push_back(text.substr(start));
            break;
        }
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

} // namespace clefmark::test

// Runs the built clefmark-cli and captures what it says.
#pragma once

#include "tests/support/AudioFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

extern char** environ;

namespace clefmark::test {

struct CliRun {
    int status = -1; ///< exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

/// Runs clefmark-cli with `args`, its standard output and error captured in
/// files in `dir`, standard input empty. `extraEnvironment` entries
/// ("NAME=value") are added to this process's environment.
inline CliRun runCli(const TempDir& dir, const std::vector<std::string>& args,
    const std::vector<std::string>& extraEnvironment = {})
{
    const std::string outPath = dir.file("cli-stdout");
    const std::string errPath = dir.file("cli-stderr");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(
        &actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(
        &actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argStrings { CLEFMARK_CLI_PATH };
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStrings;
    for (char** e = environ; *e != nullptr; ++e)
        envStrings.emplace_back(*e);
    envStrings.insert(envStrings.end(), extraEnvironment.begin(), extraEnvironment.end());
    std::vector<char*> envp;
    for (std::string& e : envStrings)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    const int spawned
        = posix_spawn(&pid, CLEFMARK_CLI_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot run " CLEFMARK_CLI_PATH);

    int wstatus = 0;
    while (::waitpid(pid, &wstatus, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("lost track of " CLEFMARK_CLI_PATH);
    }
    CliRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    run.out = readBytes(outPath);
    run.err = readBytes(errPath);
    return run;
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

// Runs a whole program as a child process and tells what it cost, for the
// benchmarks that compare programs rather than functions.
#pragma once

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace clefmark::bench {

struct ChildTimes {
    double cpu = -1.0; // user + system seconds; negative when it could not run or failed
    double wall = 0.0;
};

/// Runs `args` (the program found on PATH when not a path), output to
/// /dev/null, and waits for it. Its CPU time comes from the kernel's own
/// accounting of the child, so the benchmark's own threads never count.
inline ChildTimes runChild(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ChildTimes times;
    if (spawned != 0)
        return times;

    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return times;
    times.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    times.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return times;
}

} // namespace clefmark::bench

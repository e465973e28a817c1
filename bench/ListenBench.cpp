// What the terminal tuner costs while it listens: `clefmark-cli listen` on
// ten seconds of a steady tone played in real time, as the child's CPU time
// against the wall time it ran. The fraction is the figure: most of it is
// waking up once per input cycle and once per tick of the main loop, which
// the analysis itself hardly adds to.
#include "tests/support/AudioFiles.h"
#include "tests/support/Signals.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Ten seconds of 220.5 Hz (a period of exactly 200 samples), made once.
const std::string& steadyTone()
{
    static clefmark::test::TempDir dir;
    static const std::string path = [] {
        const std::string file = dir.file("tone.wav");
        clefmark::test::writeFloatFile(file, clefmark::test::periodicSine(200, 0.5f, 10 * 44100),
                                       1, 44100);
        return file;
    }();
    return path;
}

struct ChildTimes {
    double cpu = -1.0;  // user + system seconds; negative when it failed
    double wall = 0.0;
};

ChildTimes runChild(const std::vector<std::string>& args)
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
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ChildTimes times;
    if (spawned != 0)
        return times;

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return times;
    times.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    times.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return times;
}

void BM_ListenTenSeconds(benchmark::State& state)
{
    const std::string& file = steadyTone();
    double cpu = 0.0;
    double wall = 0.0;
    for (auto _ : state) {
        const ChildTimes t = runChild({CLEFMARK_CLI_PATH, "listen", "--input", file, "--duration",
                                       "10", "--format", "jsonl"});
        if (t.cpu < 0.0) {
            state.SkipWithError("clefmark-cli listen failed");
            return;
        }
        cpu += t.cpu;
        wall += t.wall;
        state.SetIterationTime(t.cpu);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["cpu_s"] = cpu / n;
    state.counters["wall_s"] = wall / n;
    state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}

BENCHMARK(BM_ListenTenSeconds)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// What the terminal tuner costs while it listens: `clefmark-cli listen` on
// ten seconds of a steady tone played in real time, as the child's CPU time
// against the wall time it ran. The fraction is the figure: most of it is
// waking up once per input cycle and once per tick of the main loop, which
// the analysis itself hardly adds to.
#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Signals.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

namespace {

// Ten seconds of 220.5 Hz (a period of exactly 200 samples), made once.
const std::string& steadyTone()
{
    static clefmark::test::TempDir dir;
    static const std::string path = [] {
        const std::string file = dir.file("tone.wav");
        clefmark::test::writeFloatFile(
            file, clefmark::test::periodicSine(200, 0.5f, 10 * 44100), 1, 44100);
        return file;
    }();
    return path;
}

void BM_ListenTenSeconds(benchmark::State& state)
{
    const std::string& file = steadyTone();
    double cpu = 0.0;
    double wall = 0.0;
    using clefmark::test::ChildOutput;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        clefmark::test::ChildProcess listen({ CLEFMARK_CLI_PATH, "listen", "--input", file,
                                                "--duration", "10", "--format", "jsonl" },
            { .out = ChildOutput::discard(), .err = ChildOutput::discard() });
        if (listen.wait(std::chrono::minutes(1)) != 0) {
            state.SkipWithError("clefmark-cli listen failed");
            return;
        }
        // The kernel's own accounting of the child: the benchmark's threads
        // never count.
        const double seconds = listen.cpuSeconds();
        cpu += seconds;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        state.SetIterationTime(seconds);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["cpu_s"] = cpu / n;
    state.counters["wall_s"] = wall / n;
    state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}

BENCHMARK(BM_ListenTenSeconds)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// What the terminal tuner costs while it listens: `clefmark-cli listen` on
// ten seconds of a steady tone played in real time, as the child's CPU time
// against the wall time it ran. The fraction is the figure: most of it is
// waking up once per input cycle and once per tick of the main loop, which
// the analysis itself hardly adds to.
#include "bench/ChildProcess.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Signals.h"

#include <benchmark/benchmark.h>
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
    for (auto _ : state) {
        const clefmark::bench::ChildTimes t = clefmark::bench::runChild({ CLEFMARK_CLI_PATH,
            "listen", "--input", file, "--duration", "10", "--format", "jsonl" });
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

} // namespace

BENCHMARK_MAIN();

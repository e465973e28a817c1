// clefmark-cli analyze against aubiopitch on the same five minutes of audio,
// in one run, as CPU time of the child processes. The ratio is the figure:
// absolute times depend on the machine, the ratio much less.
#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Signals.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <vector>

namespace {

// Five minutes of plucked notes over the guitar's range, 44.1 kHz mono
// 16-bit, made once for all benchmarks.
const std::string& fiveMinutes()
{
    static clefmark::test::TempDir dir;
    static const std::string path = [] {
        const double notes[] = { 82.41, 110.0, 146.83, 196.0, 246.94, 329.63, 440.0, 261.63 };
        std::vector<float> samples;
        while (samples.size() < 300u * 44100u) {
            for (double f : notes) {
                const std::vector<float> note = clefmark::test::pluck16(f, 44100.0, 0.8, 2.5);
                samples.insert(samples.end(), note.begin(), note.end());
            }
        }
        samples.resize(300u * 44100u);
        const std::string file = dir.file("five-minutes.wav");
        clefmark::test::write16BitFile(file, samples, 1, 44100);
        return file;
    }();
    return path;
}

// CPU seconds of one run of `args` (the program found on PATH when not a
// path), negative when it could not run or failed. The kernel's own
// accounting of the child: the benchmark's threads never count.
double childCpuSeconds(const std::vector<std::string>& args)
{
    using clefmark::test::ChildOutput;
    clefmark::test::ChildProcess child(
        args, { .out = ChildOutput::discard(), .err = ChildOutput::discard() });
    return child.wait(std::chrono::minutes(5)) == 0 ? child.cpuSeconds() : -1.0;
}

void BM_AnalyseFiveMinutes(benchmark::State& state)
{
    const std::string& file = fiveMinutes();
    double clefmark = 0.0;
    double schmitt = 0.0;
    double yinfast = 0.0;
    for (auto _ : state) {
        const double c
            = childCpuSeconds({ CLEFMARK_CLI_PATH, "analyze", "--format", "jsonl", file });
        const double s = childCpuSeconds({ "aubiopitch", "-p", "schmitt", "-i", file });
        const double y = childCpuSeconds({ "aubiopitch", "-p", "yinfast", "-i", file });
        if (c < 0.0) {
            state.SkipWithError("clefmark-cli failed");
            return;
        }
        if (s < 0.0 || y < 0.0) {
            state.SkipWithError("aubiopitch is missing (scripts/deps --bench installs it)");
            return;
        }
        clefmark += c;
        schmitt += s;
        yinfast += y;
        state.SetIterationTime(c);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["clefmark_cpu_s"] = clefmark / n;
    state.counters["schmitt_cpu_s"] = schmitt / n;
    state.counters["yinfast_cpu_s"] = yinfast / n;
    state.counters["ratio_vs_schmitt"] = clefmark / schmitt;
    state.counters["ratio_vs_yinfast"] = clefmark / yinfast;
    state.counters["audio_s_per_cpu_s"] = 300.0 * n / clefmark;
}

BENCHMARK(BM_AnalyseFiveMinutes)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

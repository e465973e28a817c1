// Throughput of the analysis. Figures worth comparing are the ratios between
// rows of one run: the chain against its own blocks, and the seconds of audio
// analysed per CPU second.
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/Feed.h"
#include "tests/support/Signals.h"
#include "tuner/PeriodDetector.h"
#include "tuner/SampleIntake.h"
#include "tuner/Tuner.h"
#include "tuner/YinDetector.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace clefmark {
namespace {

    enum class Signal { Tone, Noise, Silence };

    std::vector<float> makeSignal(Signal kind, double rate, std::size_t frames)
    {
        switch (kind) {
        case Signal::Tone:
            return test::pluck16(196.0, rate, 0.7, static_cast<double>(frames) / rate + 0.01);
        case Signal::Noise:
            return test::noise(0.5f, frames);
        case Signal::Silence:
            break;
        }
        return std::vector<float>(frames, 0.0f);
    }

    // One analysis block, as detection sees it: scaled in place, so each
    // iteration starts from a fresh copy (the copy is timed too, and is a small
    // part of the work).
    void BM_Block(benchmark::State& state, Signal kind, float rate)
    {
        const BlockSize size = analysisBlockSize(rate);
        PeriodDetector detector;
        detector.InitTunerProject(rate, size.frames);
        const std::vector<float> source = makeSignal(kind, rate, size.frames);
        std::vector<float> block(size.frames);
        for (auto _ : state) {
            std::memcpy(block.data(), source.data(), size.frames * sizeof(float));
            benchmark::DoNotOptimize(detector.detectPitch(block.data()));
        }
        state.SetItemsProcessed(state.iterations() * size.frames);
        state.counters["audio_s_per_cpu_s"] = benchmark::Counter(
            static_cast<double>(size.frames) / rate, benchmark::Counter::kIsIterationInvariantRate);
    }

    BENCHMARK_CAPTURE(BM_Block, tone_44100, Signal::Tone, 44100.0f);
    BENCHMARK_CAPTURE(BM_Block, tone_48000, Signal::Tone, 48000.0f);
    BENCHMARK_CAPTURE(BM_Block, noise_44100, Signal::Noise, 44100.0f);
    BENCHMARK_CAPTURE(BM_Block, noise_48000, Signal::Noise, 48000.0f);
    BENCHMARK_CAPTURE(BM_Block, silence_44100, Signal::Silence, 44100.0f);
    BENCHMARK_CAPTURE(BM_Block, silence_48000, Signal::Silence, 48000.0f);

    // The second opinion on one block, asked where the classic detector
    // found nothing; its work is the same whatever the block holds.
    void BM_SecondOpinion(benchmark::State& state, float rate)
    {
        const BlockSize size = analysisBlockSize(rate);
        YinDetector detector;
        detector.configure(rate, size.frames);
        const std::vector<float> block = makeSignal(Signal::Noise, rate, size.frames);
        for (auto _ : state)
            benchmark::DoNotOptimize(detector.detect(block.data()));
        state.counters["audio_s_per_cpu_s"] = benchmark::Counter(
            static_cast<double>(size.frames) / rate, benchmark::Counter::kIsIterationInvariantRate);
    }

    BENCHMARK_CAPTURE(BM_SecondOpinion, noise_44100, 44100.0f);
    BENCHMARK_CAPTURE(BM_SecondOpinion, noise_96000, 96000.0f);

    // The whole chain on ten seconds of a steady 48 kHz tone, in cycles of 512
    // frames, with all four displays attached and the main thread's queue
    // drained as the program would.
    class NullDisplays final : public LevelDisplay,
                               public TuneDisplay,
                               public NoteDisplay,
                               public StatusDisplay {
    public:
        void setLevel(int level) override { benchmark::DoNotOptimize(level); }
        void setTune(int tune, bool inTune) override
        {
            benchmark::DoNotOptimize(tune);
            benchmark::DoNotOptimize(inTune);
        }
        void setNote(int note) override { benchmark::DoNotOptimize(note); }
        void increment() override { }
    };

    void BM_Chain(benchmark::State& state, std::uint32_t channels)
    {
        constexpr double kRate = 48000.0;
        constexpr double kSeconds = 10.0;
        const std::vector<float> mono
            = test::sine16(196.0, kRate, 0.7, static_cast<std::size_t>(kRate * kSeconds));
        std::vector<float> samples;
        samples.reserve(mono.size() * channels);
        for (float x : mono)
            for (std::uint32_t c = 0; c < channels; ++c)
                samples.push_back(x);

        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        NullDisplays displays;
        Tuner tuner(defaults, mainThread);
        tuner.setLevelMeter(&displays);
        tuner.setTunerMeter(&displays);
        tuner.setClefmark(&displays);
        tuner.setStatusIndicator(&displays);
        if (!tuner.configureCapture(test::floatFormat(kRate, channels)).empty())
            state.SkipWithError("rate refused");

        for (auto _ : state) {
            test::feed(tuner, samples, channels, 512);
            mainThread.runPending();
        }
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(mono.size()));
        state.counters["audio_s_per_cpu_s"]
            = benchmark::Counter(kSeconds, benchmark::Counter::kIsIterationInvariantRate);
    }

    BENCHMARK_CAPTURE(BM_Chain, tone_48000_mono, 1u)->Unit(benchmark::kMillisecond);
    BENCHMARK_CAPTURE(BM_Chain, tone_48000_stereo, 2u)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace clefmark

BENCHMARK_MAIN();
